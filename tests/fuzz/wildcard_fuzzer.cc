// Mask and name as bytes, split at the first NUL, through the match; each
// is held to the longest the program meets (a mask of the configuration,
// a file name).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/wildcard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::string_view all(reinterpret_cast<const char*>(data), size);
  std::size_t split = all.find('\0');
  if (split == std::string_view::npos) split = all.size() / 2;
  const std::string_view pattern = all.substr(0, split).substr(0, 767);
  const std::string_view name =
      all.substr(split < all.size() ? split + 1 : split).substr(0, 255);
  brantlow::WildcardMatch(pattern, name);
  return 0;
}
