#include "platform/cp866.h"

#include <gtest/gtest.h>

namespace brantlow {
namespace {

TEST(Cp866, LiteralsBecomeTheirBytes) {
  EXPECT_STREQ("\xC9\xCD\xD1\xBB\xBA\xB3\xC7\xC4\xC5\xB6\xC8\xCF\xBC",
               CP866("╔═╤╗║│╟─┼╢╚╧╝"));
  EXPECT_STREQ("\x93\xE1\xA5\xA3\xAE \xF0\xF1", CP866("Усего Ёё"));
  EXPECT_STREQ("\xB1\xB2\xDB\xFB\xFE", CP866("▒▓█√■"));
  constexpr Cp866Literal plain("abc");
  EXPECT_EQ(3u, plain.size);
}

TEST(Cp866, RoundTripOfEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  std::string utf8;
  AppendCp866AsUtf8(all, utf8);
  EXPECT_EQ(all, Utf8ToCp866(utf8));
}

TEST(Cp866, OutsideTheCodePage) {
  EXPECT_EQ("a?b", Utf8ToCp866("a\xE2\x82\xAC" "b"));  // the euro sign
  EXPECT_EQ("\xFF", Utf8ToCp866("\xFF"));  // not UTF-8: kept
}

}  // namespace
}  // namespace brantlow
