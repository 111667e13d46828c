#include "log/line_processor.h"

#include <string>

#include <gtest/gtest.h>

#include "log/log_years.h"

namespace brantlow {
namespace {

// The quick look may only ever reject what the full window test rejects.
TEST(CertainlyOutsideTest, NeverRejectsALineInsideTheWindow) {
  const char alphabet[] = {'0', '1', '3', '5', '9',  ' ',
                           '+', '/', ':', 'a', '\0', '\n'};
  const WindowDay windows[] = {
      {15, 3, 0, 0, 23, 59}, {5, 10, 8, 30, 9, 15}, {1, 1, 0, 0, 0, 0}};
  int rejected = 0;
  for (const WindowDay& w : windows) {
    for (char a : alphabet)
      for (char b : alphabet)
        for (char c : alphabet)
          for (char d : alphabet)
            for (char e : alphabet) {
              std::string piece = {a, b, '/', c, d, e};
              piece += "10:00:00 text\n";
              for (std::size_t length : {std::size_t{1}, std::size_t{2},
                                         std::size_t{5}, piece.size()}) {
                std::string_view p(piece.data(), length);
                std::string_view line(p.data(), strnlen(p.data(), p.size()));
                if (CertainlyOutside(p.data(), p.size(), w)) {
                  ++rejected;
                  EXPECT_FALSE(InsideWindow(line, w))
                      << testing::PrintToString(std::string(p));
                }
              }
            }
  }
  EXPECT_GT(rejected, 10000);
}

TEST(CertainlyOutsideTest, RejectsOtherDaysAndMonthsByTheirDigits) {
  const WindowDay w{15, 3, 0, 0, 23, 59};
  EXPECT_TRUE(CertainlyOutside("14/03 10:00:00", 14, w));
  EXPECT_TRUE(CertainlyOutside("15/04 10:00:00", 14, w));
  EXPECT_TRUE(CertainlyOutside(std::string(20, '\0').c_str(), 20, w));
  EXPECT_FALSE(CertainlyOutside("15/03 10:00:00", 14, w));
  EXPECT_FALSE(
      CertainlyOutside(" 5/03 10:00:00", 14, w));  // left to the full test
  EXPECT_FALSE(CertainlyOutside("15/ 3 10:00:00", 14, w));
}

}  // namespace
}  // namespace brantlow

namespace brantlow {
namespace {

TEST(LogYears, OnlyDatedLinesSixMonthsBackBeginAYear) {
  LogYears years;
  auto see = [&](std::string_view line) {
    years.See(line.data(), line.size());
    return years.year();
  };
  EXPECT_EQ(0, see("20/12 10:00:00 Rescanning outbound\n"));
  // Not dated: a day of 0 or 32, a month of 13, a missing separator.
  EXPECT_EQ(0, see("00/01 10:00:00 x\n"));
  EXPECT_EQ(0, see("32/01 10:00:00 x\n"));
  EXPECT_EQ(0, see("15/01 10:00-00 x\n"));
  EXPECT_EQ(0, see("15/01 10:00:0\n"));
  EXPECT_EQ(0, see("20/12 11:00:00 x\n"));
  EXPECT_EQ(1, see("01/01 00:00:05 x\n"));  // December to January
  EXPECT_EQ(1, see("10/10 09:00:00 x\n"));
  EXPECT_EQ(1, see("10/05 09:00:00 x\n"));  // five months back: no new year
  EXPECT_EQ(1, see("10/11 09:00:00 x\n"));
  EXPECT_EQ(2, see("10/05 09:00:00 x\n"));  // six back: the station was off
}

}  // namespace
}  // namespace brantlow
