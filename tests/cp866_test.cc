#include "platform/cp866.h"

#include <string>

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
  EXPECT_EQ("a?b", Utf8ToCp866("a\xE2\x82\xAC"
                               "b"));      // the euro sign
  EXPECT_EQ("\xFF", Utf8ToCp866("\xFF"));  // not UTF-8: kept
}

TEST(Cp866, LinesConvertedToUtf8ComeBack) {
  auto back = [](std::string_view in) {
    char out[128];
    std::size_t n = 0;
    return Utf8LineToCp866(in, out, n) ? std::string(out, n) : "not converted";
  };
  std::string line = "15/03 09:55:11 ";
  AppendCp866AsUtf8(CP866("■ 2:5020/1, Сеанс "), line);
  line += "\xE2\x82\xAC\n";  // the euro sign, which CP866 lacks
  EXPECT_EQ(std::string("15/03 09:55:11 ") + CP866("■ 2:5020/1, Сеанс ") +
                "\xE2\x82\xAC\n",
            back(line));
  // A CP866 line, plain ASCII, a character CP866 writes below 0x80, and
  // broken UTF-8 are left to be read as they are.
  EXPECT_EQ("not converted", back(CP866("15/03 09:55:11 ■ 2:5020/1")));
  EXPECT_EQ("not converted", back("15/03 09:55:11 2:5020/1\n"));
  EXPECT_EQ("not converted", back("a\xE2\x82\xAC"));
  EXPECT_EQ("not converted", back("\xD0\xA1\xC0\x80"));       // overlong
  EXPECT_EQ("not converted", back("\xD0\xA1\xD0 \xD0\xA1"));  // cut inside
  EXPECT_EQ("not converted", back("a\xA0\xD0\xA1"));  // a stray continuation
  // Pieces of a long line: the ends of a cut character stay as they are.
  EXPECT_EQ("\xA0\x80\xD0", back("\xA0\xD0\x90\xD0"));
  // The look that leaves most lines alone sees a NUL or a high byte at any
  // place of a line of any length, next to any byte.
  for (std::size_t length = 0; length < 40; ++length)
    for (std::size_t at = 0; at < length; ++at)
      for (const int odd : {0x00, 0x80, 0xFE, 0xFF})
        for (const int next : {0x00, 0x01, 0x7F}) {
          std::string text(length, 'a');
          if (at > 0) text[at - 1] = static_cast<char>(next);
          text[at] = static_cast<char>(odd);
          EXPECT_FALSE(PlainAscii(text)) << length << " " << at << " " << odd;
          text[at] = '\x01';
          EXPECT_EQ(next != 0 || at == 0, PlainAscii(text)) << length << at;
        }
  EXPECT_TRUE(PlainAscii(std::string(30, '\x7F') + "\n"));
}

}  // namespace
}  // namespace brantlow
