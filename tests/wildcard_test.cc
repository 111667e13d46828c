#include "log/wildcard.h"

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
  EXPECT_FALSE(WildcardMatch("a?c", "ABC"));  // case-sensitive
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

}  // namespace
}  // namespace brantlow
