#include "base/wildcard.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

namespace brantlow {
namespace {

TEST(WildcardMatch, StarAndQuestionMark) {
  EXPECT_TRUE(WildcardMatch("*.PKT", "A.PKT"));
  EXPECT_TRUE(WildcardMatch("*.SU?", "0001FFFF.SU1"));
  EXPECT_FALSE(WildcardMatch("*.SU?", "0001FFFF.SU"));
  EXPECT_TRUE(WildcardMatch("*.*", "A.B"));
  EXPECT_TRUE(WildcardMatch("A?C", "ABC"));
  EXPECT_FALSE(WildcardMatch("a?c", "ABC"));       // case-sensitive
  EXPECT_TRUE(WildcardMatch("*.BAK", "X.Y.BAK"));  // later occurrence tried
}

TEST(WildcardMatch, StarAtTheEndNeedsARest) {
  EXPECT_TRUE(WildcardMatch("ABC*", "ABCD"));
  EXPECT_FALSE(WildcardMatch("ABC*", "ABC"));
  EXPECT_FALSE(WildcardMatch("*", ""));
  EXPECT_TRUE(WildcardMatch("*", "X"));
}

TEST(WildcardMatch, StarBeforeAWildcardMatchesNothing) {
  EXPECT_TRUE(WildcardMatch("A*?", "AB"));
  EXPECT_FALSE(WildcardMatch("A*?", "ABC"));
  EXPECT_TRUE(WildcardMatch("A**", "ABC"));
}

TEST(WildcardMatch, ExactAndEmpty) {
  EXPECT_TRUE(WildcardMatch("NAME.TXT", "NAME.TXT"));
  EXPECT_FALSE(WildcardMatch("NAME.TXT", "NAME.TX"));
  EXPECT_FALSE(WildcardMatch("NAME", "NAME.TXT"));
  EXPECT_TRUE(WildcardMatch("", ""));
  EXPECT_FALSE(WildcardMatch("", "A"));
}

TEST(WildcardMatch, ManyStarsFinishQuickly) {
  std::string pattern;
  for (int i = 0; i < 30; ++i) pattern += "*A";
  pattern += "*B";
  std::string name(200, 'A');
  EXPECT_FALSE(WildcardMatch(pattern, name));
}

// The rule as plain backtracking, for short texts only: a star skips any
// "*" or "?" after it without taking a character, and otherwise tries each
// later place where the character after it stands.
bool Backtracking(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0;
  while (p < pattern.size() && n < name.size()) {
    const char c = pattern[p];
    if (c == '*') {
      ++p;
      if (p < pattern.size() && (pattern[p] == '*' || pattern[p] == '?'))
        continue;
      if (p == pattern.size()) return true;
      for (std::size_t k = n; k < name.size(); ++k)
        if (name[k] == pattern[p] &&
            Backtracking(pattern.substr(p), name.substr(k)))
          return true;
      return false;
    }
    if (c != '?' && c != name[n]) return false;
    ++p;
    ++n;
  }
  return p == pattern.size() && n == name.size();
}

TEST(WildcardMatch, AgreesWithBacktrackingOnEveryShortCase) {
  std::mt19937 random(7);
  const char pattern_chars[] = "ab*?";
  const char name_chars[] = "ab*?";
  for (int i = 0; i < 200000; ++i) {
    std::string pattern, name;
    for (int k = static_cast<int>(random() % 8); k > 0; --k)
      pattern += pattern_chars[random() % 4];
    for (int k = static_cast<int>(random() % 8); k > 0; --k)
      name += name_chars[random() % 4];
    ASSERT_EQ(Backtracking(pattern, name), WildcardMatch(pattern, name))
        << '"' << pattern << "\" against \"" << name << '"';
  }
}

TEST(WildcardMatch, LongMasksAndNamesTakeNoLongerThanTheirProduct) {
  std::string pattern;
  for (int i = 0; i < 380; ++i) pattern += "*A";
  std::string name(255, 'A');
  EXPECT_FALSE(WildcardMatch(pattern + "*B", name));
  EXPECT_TRUE(WildcardMatch(pattern.substr(0, 254) + "*", name));
}

}  // namespace
}  // namespace brantlow
