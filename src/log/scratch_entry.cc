#include "log/scratch_entry.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <span>

#include "base/text_fields.h"

namespace brantlow {

namespace {

constexpr char kMark = '\xB2';   // ▓
constexpr char kFence = '\xDB';  // █

void Decode(ReadEntry& entry) {
  const std::string_view text = entry.text;
  entry.session = FieldNumber(text, 1, 10);
  entry.well_formed = false;
  const std::size_t open = text.find(kFence, 1);
  if (open == std::string_view::npos) return;
  const std::size_t close = text.find(kFence, open + 1);
  if (close == std::string_view::npos) return;
  const bool sent = PhraseAt(text, "~s~", close + 1);
  if (!sent && !PhraseAt(text, "~r~", close + 1)) return;
  entry.well_formed = true;
  entry.name = text.substr(open + 1, close - open - 1);
  entry.sent = sent;
  entry.tail_column = close + 4;
  entry.tail = entry.tail_column < text.size() ? text.substr(entry.tail_column)
                                               : std::string_view();
}

// The text the reader reads back of an entry line written as parts and a
// line end, in room: the first read of it, CR LF read as LF, seen up to a
// NUL. The line's text is its parts up to a line end in them, else all of
// them and the line end after.
std::string_view ReadBack(std::span<const std::string_view> parts,
                          char (&room)[kScratchReadLimit + 1]) {
  std::size_t n = 0;
  std::size_t length = 0;  // of all the parts
  for (const std::string_view part : parts) {
    const std::size_t taken = std::min(part.size(), kScratchReadLimit - n);
    std::memcpy(room + n, part.data(), taken);
    n += taken;
    length += part.size();
  }
  // A line end past the read's limit changes nothing read.
  if (const void* end = std::memchr(room, '\n', n)) {
    n = length = static_cast<std::size_t>(static_cast<const char*>(end) - room);
  }
  // A CR before the line end goes with it; the line end counts as one.
  if (length == n && n > 0 && room[n - 1] == '\r') length = --n;
  if (length < kScratchReadLimit) room[n++] = '\n';
  room[n] = '\0';
  return {room, strnlen(room, n)};
}

// Decode's reading of an entry whose text holds its head (head bytes), its
// name and its direction whole, the number readable and no fence in the
// name: known without a search. False for any other.
bool DecodeWritten(ReadEntry& read, std::size_t head, const ScratchEntry& e) {
  const std::size_t close = head + e.name.size();
  if (close + 4 > read.text.size() || e.session < -1 ||
      e.session >= 1000000000 || e.name.find(kFence) != std::string_view::npos)
    return false;
  read.session = e.session;
  read.well_formed = true;
  read.name = read.text.substr(head, e.name.size());
  read.sent = e.sent;
  read.tail_column = close + 4;
  read.tail = read.text.substr(read.tail_column);
  return true;
}

}  // namespace

void ScratchWriter::Add(const ScratchEntry& entry) {
  // Built in place and written at once: a busy day writes an entry for
  // every transfer line.
  char head[32];
  std::size_t n = 0;
  head[n++] = kMark;
  const auto [end, error] = std::to_chars(head + n, head + 24, entry.session);
  n = error == std::errc() ? static_cast<std::size_t>(end - head) : n;
  head[n++] = kMark;
  head[n++] = kFence;
  const std::string_view parts[] = {
      {head, n}, entry.name, entry.sent ? "\xDB~s~" : "\xDB~r~", entry.tail};
  if (out_ != nullptr) {
    entry_.clear();
    for (const std::string_view part : parts) entry_.append(part);
    entry_.push_back('\n');
    out_->Write(entry_);
  }
  if (listener_ != nullptr) {
    char room[kScratchReadLimit + 1];
    ReadEntry read;
    read.text = ReadBack(parts, room);
    if (!DecodeWritten(read, n, entry)) Decode(read);
    listener_->Take(read);
  }
}

bool ScratchReader::Next(ReadEntry& entry) {
  for (;;) {
    entry.offset = in_.Tell();
    const std::size_t n = in_.ReadLine(line_, kScratchReadLimit);
    if (n == 0) return false;
    const bool continuation = continuing_;
    continuing_ = line_[n - 1] != '\n';
    if (continuation || line_[0] != kMark) continue;
    entry.text = std::string_view(line_, strnlen(line_, n));
    Decode(entry);
    return true;
  }
}

}  // namespace brantlow
