#include "platform/console.h"

#include <cstdarg>
#include <string>

#include "platform/format.h"

namespace brantlow {

void Printf(const char* format, ...) {
  char local[1024];
  std::string big;
  va_list args;
  va_start(args, format);
  std::string_view text = VFormat(local, sizeof local, big, format, args);
  va_end(args);
  Print(text);
}

}  // namespace brantlow
