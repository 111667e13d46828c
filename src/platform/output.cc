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
  for (char c : bytes) {
    if (c == '\n') bytes_ += '\r';
    bytes_ += c;
  }
}

}  // namespace brantlow
