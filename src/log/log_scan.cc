#include "log/log_scan.h"

#include "log/log_piece_reader.h"

#include <cstring>

namespace brantlow {

bool LooksLikeTmailLine(const char* b, std::size_t length) {
  if (length < 14) return false;
  auto digit = [b](std::size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(b[i]) - '0') <= 9u;
  };
  return digit(0) && digit(1) && b[2] == '/' && digit(3) && digit(4) &&
         b[5] == ' ' && digit(6) && digit(7) && b[8] == ':' && digit(9) &&
         digit(10) && b[11] == ':' && digit(12) && digit(13);
}

bool HoldsUtf8Cyrillic(const char* b, std::size_t length) {
  // D0 or D1, then a continuation byte: one letter of U+0400 to U+047F.
  auto letter = [b](std::size_t i) {
    const auto lead = static_cast<unsigned char>(b[i]);
    const auto next = static_cast<unsigned char>(b[i + 1]);
    return (lead == 0xD0 || lead == 0xD1) && (next & 0xC0) == 0x80;
  };
  for (std::size_t i = 0; i + 3 < length; ++i)
    if (letter(i) && letter(i + 2)) return true;
  return false;
}

ScanCounts ScanLog(ByteWindow& log, const Window& window, CutMode mode, Output* cut,
             SessionExtractor& extractor, ScanProgress* progress) {
  const WindowDay first = window.Day(0);
  const WindowDay second = window.Day(1);
  const bool two_days = window.crosses_midnight;
  LinePieces first_pieces, second_pieces;
  LogPieceReader reader(log);
  LogPiece raw;
  char line[kLogPieceLimit + 1];
  const bool jumps =
      progress == nullptr || progress->CanJump(kLogPieceLimit + 1);
  ScanCounts counts;
  bool line_start = true;   // the next piece begins a line
  bool utf8_told = false;   // the current line was counted as UTF-8
  auto outside = [&](const char* bytes, std::size_t length) {
    const bool passed = CertainlyOutside(bytes, length, first) &&
                        (!two_days || CertainlyOutside(bytes, length, second));
    // The warnings ask only whether there is any: once one is found, the
    // lines passed over in bulk cost nothing more.
    if (passed && counts.tmail_lines == 0)
      counts.tmail_lines += LooksLikeTmailLine(bytes, length);
    return passed;
  };
  for (;;) {
    std::size_t skipped = 0;
    if (jumps && CanSkip(first_pieces) && CanSkip(second_pieces) &&
        (skipped = reader.SkipLines(outside)) > 0) {
      counts.lines += static_cast<std::int64_t>(skipped);
      line_start = true;
      SkipPiece(true, first_pieces);
      SkipPiece(true, second_pieces);
      if (progress != nullptr) progress->JumpTo(reader.position());
    }
    if (!reader.Next(raw)) break;
    if (progress != nullptr) progress->Advance(raw.end_position);
    if (line_start) {
      ++counts.lines;
      counts.tmail_lines += LooksLikeTmailLine(raw.data, raw.raw_length);
      utf8_told = false;
    }
    const bool began_line = line_start;
    line_start = raw.line_end;
    if (CanSkip(first_pieces) &&
        CertainlyOutside(raw.data, raw.raw_length, first) &&
        (!two_days ||
         (CanSkip(second_pieces) &&
          CertainlyOutside(raw.data, raw.raw_length, second)))) {
      SkipPiece(raw.line_end, first_pieces);
      if (two_days) SkipPiece(raw.line_end, second_pieces);
      continue;
    }
    const std::string_view piece = raw.Folded(line);
    if (!utf8_told && HoldsUtf8Cyrillic(piece.data(), piece.size())) {
      utf8_told = true;
      ++counts.utf8_lines;
    }
    if (began_line) {
      const std::string_view seen(piece.data(),
                                  strnlen(piece.data(), piece.size()));
      counts.inside_lines += InsideWindow(seen, first) ||
                             (two_days && InsideWindow(seen, second));
    }
    ProcessLine(piece, first, mode, cut, extractor, first_pieces);
    if (two_days)
      ProcessLine(piece, second, mode, cut, extractor, second_pieces);
  }
  return counts;
}

}  // namespace brantlow
