// Cuts the mailer log into the pieces the line processor takes: what one
// read of at most 89 characters returns, a CR before LF counted as part of
// the line end. The cutting is done in memory over large windows of the
// file, so a foreign line costs a search for its end and little more.
#ifndef BRANTLOW_LOG_LOG_PIECE_READER_H_
#define BRANTLOW_LOG_LOG_PIECE_READER_H_

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/file_window.h"
#include "platform/newline_mask.h"

namespace brantlow {

inline constexpr std::size_t kLogPieceLimit = 89;

struct LogPiece {
  const char* data = nullptr;     // the raw bytes in the file's window
  std::size_t raw_length = 0;     // bytes of the file the piece takes
  bool crlf = false;              // it ends with CR LF, read as one "\n"
  bool line_end = false;          // it ends with its line's "\n"
  std::int64_t end_position = 0;  // file position after the piece

  // The piece as a line read gives it: CR LF turned into "\n". out holds
  // kLogPieceLimit + 1 bytes.
  std::string_view Folded(char* out) const;
};

class LogPieceReader {
 public:
  // Reads from start, a line start, on.
  explicit LogPieceReader(ByteWindow& file, std::int64_t start = 0)
      : file_(file), position_(start) {}

  // The next piece; false at the end of the log.
  bool Next(LogPiece& piece) {
    // A piece takes at most 90 bytes (89 characters, one of them CR LF).
    if (static_cast<std::size_t>(end_ - cursor_) < kLogPieceLimit + 1 &&
        !Refill())
      return false;
    const std::size_t left = static_cast<std::size_t>(end_ - cursor_);
    const std::size_t scan =
        left < kLogPieceLimit + 1 ? left : kLogPieceLimit + 1;
    piece.data = cursor_;
    piece.crlf = false;
    piece.line_end = false;
    const char* found = FindNewline(cursor_, cursor_ + scan);
    std::size_t raw = left < kLogPieceLimit ? left : kLogPieceLimit;
    if (found != nullptr) {
      const std::size_t k = static_cast<std::size_t>(found - cursor_);
      const bool crlf = k >= 1 && cursor_[k - 1] == '\r';
      if ((crlf ? k : k + 1) <= kLogPieceLimit) {
        raw = k + 1;
        piece.crlf = crlf;
        piece.line_end = true;
      }
    }
    piece.raw_length = raw;
    cursor_ += raw;
    position_ += static_cast<std::int64_t>(raw);
    piece.end_position = position_;
    return true;
  }

  // Passes over whole lines that each fit one read and for which
  // outside(bytes, length) holds, and returns how many; stops before any
  // other piece. For the long runs of other days' lines in a log.
  template <typename Outside>
  std::size_t SkipLines(Outside outside) {
    std::size_t skipped = 0;
    for (;;) {
      if (static_cast<std::size_t>(end_ - cursor_) < kLogPieceLimit + 1 &&
          (at_end_ || !Refill() ||
           static_cast<std::size_t>(end_ - cursor_) < kLogPieceLimit + 1))
        return skipped;
      const char* found = FindNewline(cursor_, cursor_ + kLogPieceLimit + 1);
      if (found == nullptr) return skipped;
      const std::size_t k = static_cast<std::size_t>(found - cursor_);
      if (k == kLogPieceLimit && cursor_[k - 1] != '\r') return skipped;
      if (!outside(cursor_, k + 1)) return skipped;
      cursor_ += k + 1;
      position_ += static_cast<std::int64_t>(k + 1);
      ++skipped;
    }
  }

  // File position after the last piece.
  std::int64_t position() const { return position_; }

 private:
  // The first "\n" from from up to limit, or null. The newlines of 64
  // bytes are found at once and kept for the pieces that follow.
  const char* FindNewline(const char* from, const char* limit) {
    while (from < limit) {
      // A search may have left the chunk past from: start it afresh then.
      if (from >= chunk_end_ || from < chunk_) {
        if (end_ - from < 64)
          return static_cast<const char*>(
              std::memchr(from, '\n', static_cast<std::size_t>(limit - from)));
        chunk_ = from;
        chunk_end_ = from + 64;
        chunk_mask_ = NewlineMask(from);
      }
      const std::uint64_t later = chunk_mask_ >> (from - chunk_);
      if (later != 0) {
        const char* found = from + std::countr_zero(later);
        return found < limit ? found : nullptr;
      }
      from = chunk_end_;
    }
    return nullptr;
  }

  // Moves the window on to the cursor; false when nothing is left.
  bool Refill();

  ByteWindow& file_;
  const char* cursor_ = nullptr;
  const char* end_ = nullptr;
  std::int64_t position_ = 0;
  bool at_end_ = false;
  // The 64 bytes whose newlines chunk_mask_ holds.
  const char* chunk_ = nullptr;
  const char* chunk_end_ = nullptr;
  std::uint64_t chunk_mask_ = 0;
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_PIECE_READER_H_
