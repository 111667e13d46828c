#include "base/wildcard.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace brantlow {

namespace {

// The pattern positions a name position can stand at, one byte per
// position; a small pattern keeps them on the stack.
class PositionSet {
 public:
  explicit PositionSet(std::size_t size) : size_(size) {
    if (size > small_.size()) large_.resize(size);
    Clear();
  }
  std::uint8_t& operator[](std::size_t i) { return data()[i]; }
  void Clear() {
    for (std::size_t i = 0; i < size_; ++i) data()[i] = 0;
  }

 private:
  std::uint8_t* data() {
    return large_.empty() ? small_.data() : large_.data();
  }
  std::array<std::uint8_t, 1024> small_;
  std::vector<std::uint8_t> large_;
  std::size_t size_;
};

// Stars first, in pattern order: each reached star hands on to what
// follows it. True when a closing star is reached: it takes the rest of the
// name (at least one character).
bool PassStars(std::string_view pattern, PositionSet& at, PositionSet& open) {
  const std::size_t P = pattern.size();
  for (std::size_t p = 0; p < P; ++p) {
    if (!at[p] || pattern[p] != '*') continue;
    const std::size_t q = p + 1;
    if (q == P) return true;
    if (pattern[q] == '*' || pattern[q] == '?')
      at[q] = 1;  // the star itself takes nothing
    else
      open[q] = 1;
  }
  return false;
}

// The positions reached after the name character c.
void Step(std::string_view pattern, char c, PositionSet& at, PositionSet& open,
          PositionSet& next) {
  const std::size_t P = pattern.size();
  next.Clear();
  for (std::size_t p = 0; p < P; ++p) {
    const char k = pattern[p];
    if (k == '*') continue;
    if ((at[p] || (open[p] && k != '?')) && (k == '?' || k == c))
      next[p + 1] = 1;
  }
  for (std::size_t p = 0; p <= P; ++p) at[p] = next[p];
}

}  // namespace

// The name is walked once, carrying every pattern position the match can
// have reached (the rule of the comment in the header, without
// backtracking): time grows with pattern times name, never exponentially.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
  const std::size_t P = pattern.size();
  PositionSet at(P + 1), next(P + 1);
  // Literals after a star, open from the name position where the star
  // stood to the end of the name.
  PositionSet open(P + 1);
  at[0] = 1;
  for (const char c : name) {
    if (PassStars(pattern, at, open)) return true;
    Step(pattern, c, at, open, next);
  }
  return at[P] != 0;
}

}  // namespace brantlow
