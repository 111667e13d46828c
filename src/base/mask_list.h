// A list of 32 file masks or paths from the configuration, in the order of
// their lines; a 33rd and later line each overwrite the 32nd entry.
#ifndef BRANTLOW_BASE_MASK_LIST_H_
#define BRANTLOW_BASE_MASK_LIST_H_

#include <array>
#include <cstddef>
#include <string_view>

namespace brantlow {

inline constexpr int kMaskListEntries = 32;
inline constexpr std::size_t kMaskLength = 767;

struct MaskList {
  std::array<std::array<char, kMaskLength + 1>, kMaskListEntries> entries{};
  int count = 0;

  void Add(std::string_view text) {
    int at = count < kMaskListEntries ? count++ : kMaskListEntries - 1;
    std::array<char, kMaskLength + 1>& entry =
        entries[static_cast<std::size_t>(at)];
    std::size_t n = text.size() < kMaskLength ? text.size() : kMaskLength;
    entry.fill('\0');
    for (std::size_t i = 0; i < n; ++i) entry[i] = text[i];
  }
  std::string_view operator[](int i) const {
    return entries[static_cast<std::size_t>(i)].data();
  }
};

}  // namespace brantlow

#endif  // BRANTLOW_BASE_MASK_LIST_H_
