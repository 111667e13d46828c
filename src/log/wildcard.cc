#include "log/wildcard.h"

#include <bitset>
#include <cstddef>

namespace brantlow {

namespace {

// Sub-matches already known to fail, so that patterns with many stars take
// polynomial rather than exponential time. Positions beyond the bounds are
// simply not remembered.
constexpr std::size_t kMemoPattern = 256;
constexpr std::size_t kMemoName = 256;

struct Matcher {
  std::string_view pattern;
  std::string_view name;
  std::bitset<kMemoPattern * kMemoName> failed;

  bool Known(std::size_t p, std::size_t n) const {
    return p < kMemoPattern && n < kMemoName && failed[p * kMemoName + n];
  }
  void Fail(std::size_t p, std::size_t n) {
    if (p < kMemoPattern && n < kMemoName) failed[p * kMemoName + n] = true;
  }

  bool Match(std::size_t p, std::size_t n) {
    if (Known(p, n)) return false;
    bool mismatch = false;
    while (p < pattern.size() && n < name.size() && !mismatch) {
      char c = pattern[p];
      if (c == '?') {
        ++p;
        ++n;
      } else if (c == '*') {
        ++p;
        if (p < pattern.size() && (pattern[p] == '*' || pattern[p] == '?'))
          continue;
        // Scan the name for the next pattern character (past the end when
        // the star closes the pattern, which consumes the whole rest).
        for (; n < name.size(); ++n) {
          if (p < pattern.size() && name[n] == pattern[p]) {
            if (Match(p, n)) return true;
            Fail(p, n);
          }
        }
      } else if (c == name[n]) {
        ++p;
        ++n;
      } else {
        mismatch = true;
      }
    }
    return !mismatch && p == pattern.size() && n == name.size();
  }
};

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  Matcher matcher{pattern, name, {}};
  return matcher.Match(0, 0);
}

}  // namespace brantlow
