#include "platform/output.h"

#include "platform/format.h"

namespace brantlow {

void Output::VPrintf(const char* format, va_list args) {
  char local[512];
  std::string big;
  Write(VFormat(local, sizeof local, big, format, args));
}

void Output::Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  VPrintf(format, args);
  va_end(args);
}

void MemoryOutput::Write(std::string_view bytes) {
  for (;;) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) break;
    bytes_.append(bytes.substr(0, end));
    bytes_.append("\r\n");
    bytes.remove_prefix(end + 1);
  }
  bytes_.append(bytes);
}

}  // namespace brantlow
