#include "maintenance/log_packing.h"

#include <string>

#include <gtest/gtest.h>

namespace brantlow {
namespace {

TEST(CutOffDateTest, StepsBackOverMonthEndsAndTheTurnOfTheYear) {
  struct Case {
    DayMonth today;
    int pack_day;
    int day, month;
  } cases[] = {
      {{10, 3}, 7, 3, 3},   // inside the month
      {{3, 1}, 5, 29, 12},  // back into December
      {{2, 3}, 30, 31, 1},  // over a February of 28 days
      {{5, 2}, 10, 26, 1},
      {{7, 3}, 7, 28, 2},  // d equal to the pack day leaves the month
      {{31, 5}, 30, 1, 5},
      {{1, 1}, 2, 30, 12},
  };
  for (const Case& c : cases) {
    DayMonth cut = CutOffDate(c.today, c.pack_day);
    EXPECT_EQ(c.day, cut.day) << c.today.day << "/" << c.today.month;
    EXPECT_EQ(c.month, cut.month) << c.today.day << "/" << c.today.month;
  }
}

TEST(OnOrBeforeTest, OrdersByMonthThenDayAcrossTheYearEnd) {
  EXPECT_TRUE(OnOrBefore({3, 3}, {3, 3}));
  EXPECT_TRUE(OnOrBefore({28, 2}, {3, 3}));
  EXPECT_FALSE(OnOrBefore({4, 3}, {3, 3}));
  EXPECT_FALSE(OnOrBefore({1, 4}, {30, 3}));
  // December lies before a January cut-off, January after a December one.
  EXPECT_TRUE(OnOrBefore({31, 12}, {2, 1}));
  EXPECT_FALSE(OnOrBefore({1, 1}, {29, 12}));
  EXPECT_TRUE(OnOrBefore({20, 12}, {29, 12}));
  // An undated line reads as day 0 of month 0.
  EXPECT_TRUE(OnOrBefore({0, 0}, {3, 3}));
}

TEST(DateTextDayTest, ReadsDayAndMonthFromTheStandardForm) {
  DayMonth d = DateTextDay("Tue Mar 10 12:00:00 2026\n");
  EXPECT_EQ(10, d.day);
  EXPECT_EQ(3, d.month);
  d = DateTextDay("Sat Jan  3 00:00:01 2026\n");
  EXPECT_EQ(3, d.day);
  EXPECT_EQ(1, d.month);
  EXPECT_EQ(0, DateTextDay("").month);
}

TEST(SplitPackerCommandTest, TakesTheProgramAndUpToThreeOptionWords) {
  PackerCommand c = SplitPackerCommand("arj.exe a -y");
  EXPECT_EQ("arj.exe", c.program);
  EXPECT_EQ((std::vector<std::string>{"a", "-y"}), c.options);

  c = SplitPackerCommand("rar   a    -y  -m5 -ep1 ignored");
  EXPECT_EQ("rar", c.program);
  EXPECT_EQ((std::vector<std::string>{"a", "-y", "-m5"}), c.options);

  c = SplitPackerCommand("zip -9 ");
  EXPECT_EQ((std::vector<std::string>{"-9"}), c.options);

  EXPECT_EQ("", SplitPackerCommand("").program);
  EXPECT_EQ("", SplitPackerCommand(" zip -9").program);
}

TEST(PackedPartNameTest, TakesDateCharactersAndKeepsTheNameSafe) {
  EXPECT_EQ("01030303.26", PackedPartName("01/03 10:00:00 x\n", "03/03", "26"));
  // An undated first line gives its own characters at those columns.
  EXPECT_EQ("Lo s0303.26", PackedPartName("Log started\n", "03/03", "26"));
  // Separators, control characters and missing columns become "_".
  EXPECT_EQ("a___0303.26", PackedPartName("a/c\n", "03/03", "26"));
  EXPECT_EQ("x___3112.__", PackedPartName("x:\\?", "31/12", ""));
}

}  // namespace
}  // namespace brantlow
