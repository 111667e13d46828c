#include "platform/format.h"

#include <cstdio>

namespace brantlow {

std::string_view VFormat(char* local, std::size_t local_size, std::string& big,
                         const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(local, local_size, format, copy);
  va_end(copy);
  if (n < 0) return {};
  const auto length = static_cast<std::size_t>(n);
  if (length < local_size) return {local, length};
  big.assign(length + 1, '\0');
  std::vsnprintf(big.data(), big.size(), format, args);
  return {big.data(), length};
}

}  // namespace brantlow
