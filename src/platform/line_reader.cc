#include "platform/line_reader.h"

#include <algorithm>
#include <cstring>

namespace brantlow {

std::size_t PlainRun(const char* from, std::size_t size) {
  std::size_t run = size;
  if (const void* lf = std::memchr(from, '\n', size))
    run = static_cast<std::size_t>(static_cast<const char*>(lf) - from);
  if (const void* cr = std::memchr(from, '\r', run))
    run = static_cast<std::size_t>(static_cast<const char*>(cr) - from);
  return run;
}

std::size_t MemoryLines::ReadLine(char* buf, std::size_t max_chars) {
  const char* data = bytes_.data();
  const std::size_t size = bytes_.size();
  std::size_t n = 0;
  while (n < max_chars && next_ < size) {
    // The bytes up to the next CR or LF are copied as they are.
    const std::size_t span = std::min(max_chars - n, size - next_);
    const char* from = data + next_;
    const std::size_t run = PlainRun(from, span);
    std::memcpy(buf + n, from, run);
    n += run;
    next_ += run;
    if (run == span) break;
    char c = data[next_++];
    if (c == '\r' && next_ < size && data[next_] == '\n') {
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
