#include "platform/line_reader.h"

namespace brantlow {

std::size_t MemoryLines::ReadLine(char* buf, std::size_t max_chars) {
  std::size_t n = 0;
  while (n < max_chars && next_ < bytes_.size()) {
    char c = bytes_[next_++];
    if (c == '\r' && next_ < bytes_.size() && bytes_[next_] == '\n') {
      c = '\n';
      ++next_;
    }
    buf[n++] = c;
    if (c == '\n') break;
  }
  buf[n] = '\0';
  return n;
}

bool MemoryLines::SeekTo(std::int64_t position) {
  if (position < 0) return false;
  next_ = static_cast<std::size_t>(position);
  return true;
}

}  // namespace brantlow
