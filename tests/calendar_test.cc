#include "base/calendar.h"

#include <gtest/gtest.h>

namespace brantlow {
namespace {

void ExpectDay(DayMonth expected, DayMonth actual) {
  EXPECT_EQ(expected.day, actual.day);
  EXPECT_EQ(expected.month, actual.month);
}
void ExpectDay(DayMonth expected, Date actual) {
  ExpectDay(expected, actual.day_month());
}

TEST(Calendar, DayAfterUsesFixedMonthLengths) {
  ExpectDay({1, 3}, DayAfter({28, 2}));
  ExpectDay({30, 2}, DayAfter({29, 2}));
  ExpectDay({1, 1}, DayAfter({31, 12}));
  ExpectDay({1, 5}, DayAfter({30, 4}));
  ExpectDay({31, 5}, DayAfter({30, 5}));
  ExpectDay({1, 8}, DayAfter({31, 7}));
  ExpectDay({1, 9}, DayAfter({31, 8}));
  ExpectDay({16, 3}, DayAfter({15, 3}));
}

TEST(Calendar, DayBeforeUsesFixedMonthLengths) {
  ExpectDay({28, 2}, DayBefore({1, 3}));
  ExpectDay({31, 12}, DayBefore({1, 1}));
  ExpectDay({30, 4}, DayBefore({1, 5}));
  ExpectDay({30, 11}, DayBefore({1, 12}));
  ExpectDay({31, 7}, DayBefore({1, 8}));
  ExpectDay({31, 1}, DayBefore({1, 2}));
  ExpectDay({14, 3}, DayBefore({15, 3}));
}

TEST(DateValue, Forms) {
  const Date today{15, 3, 2026};
  ExpectDay({14, 3}, DateValue("/d=auto", today));
  ExpectDay({31, 12}, DateValue("/d=auto", {1, 1}));
  ExpectDay({1, 3}, DateValue("/d=01.03", today));
  ExpectDay({5, 3}, DateValue("/d=5.03", today));
  ExpectDay({5, 3}, DateValue("/d=05.03", today));
  ExpectDay({28, 2}, DateValue("/d=28x02", today));  // separator not checked
  ExpectDay({32, 1}, DateValue("/d=32.01", today));
}

TEST(DateValue, DayWithoutMonthReadsOnlyTheArgument) {
  ExpectDay({5, 0}, DateValue("/d=05", {15, 3}));
  ExpectDay({5, 0}, DateValue("/d=5", {15, 3}));
}

void ExpectDate(Date expected, Date actual) {
  EXPECT_EQ(expected.day, actual.day);
  EXPECT_EQ(expected.month, actual.month);
  EXPECT_EQ(expected.year, actual.year);
}

// A day without a year is the latest such day not after tomorrow; a period
// without years begins so and ends on the first such day on or after it.
TEST(DateValue, YearsChosenFromTodayOrNamed) {
  const Date december{7, 12, 2026};
  ExpectDate({10, 12, 2025}, DateValue("/d=10.12", december));
  ExpectDate({8, 12, 2026}, DateValue("/d=08.12", december));  // tomorrow
  ExpectDate({1, 1, 2027}, DateValue("/d=01.01", {31, 12, 2026}));
  ExpectDate({31, 12, 2025}, DateValue("/d=auto", {1, 1, 2026}));
  ExpectDate({10, 12, 2024}, DateValue("/d=10.12.2024", december));
  ExpectDate({10, 12, 2026}, DateValue("/d=10.12.2026", december));
  EXPECT_EQ(0, DateValue("/d=10.12.26", december).day);
  EXPECT_EQ(0, DateValue("/d=10.12.20261", december).day);

  Period p;
  ASSERT_TRUE(PeriodValue("/p=01.12-31.12", december, p));
  ExpectDate({1, 12, 2026}, p.FirstDate());
  ExpectDate({31, 12, 2026}, p.LastDate());
  ASSERT_TRUE(PeriodValue("/p=25.12-05.01", december, p));
  ExpectDate({25, 12, 2025}, p.FirstDate());
  ExpectDate({5, 1, 2026}, p.LastDate());
  EXPECT_EQ(12, p.days);
  ASSERT_TRUE(PeriodValue("/p=10.12.2024-09.12.2025", december, p));
  EXPECT_EQ(365, p.days);
  ASSERT_TRUE(PeriodValue("/p=30.12.2024-02.01", december, p));
  ExpectDate({2, 1, 2025}, p.LastDate());
  EXPECT_FALSE(PeriodValue("/p=10.12.2024-10.12.2025", december, p));
  EXPECT_FALSE(PeriodValue("/p=10.12.2025-09.12.2025", december, p));
  EXPECT_FALSE(PeriodValue("/p=01.12-05.12.2026", december, p));
  ASSERT_TRUE(PeriodValue("/p=month", {15, 1, 2026}, p));
  ExpectDate({1, 12, 2025}, p.FirstDate());
  ExpectDate({31, 12, 2025}, p.LastDate());
  ASSERT_TRUE(PeriodValue("/p=week", {3, 1, 2026}, p));
  ExpectDate({27, 12, 2025}, p.FirstDate());
  ExpectDate({2, 1, 2026}, p.LastDate());

  EXPECT_EQ("10.12", TitleDateText({10, 12, 2026}, december));
  EXPECT_EQ("10.12.2025", TitleDateText({10, 12, 2025}, december));
  EXPECT_EQ("2025-12-10", IsoDateText({10, 12, 2025}));
}

WindowTimes Times(const char* arg) {
  WindowTimes t;
  TimeValue(arg, t);
  return t;
}

void ExpectTimes(int sh, int sm, int eh, int em, WindowTimes t) {
  EXPECT_EQ(sh, t.start_hour);
  EXPECT_EQ(sm, t.start_minute);
  EXPECT_EQ(eh, t.end_hour);
  EXPECT_EQ(em, t.end_minute);
  EXPECT_TRUE(t.end_given);
}

TEST(TimeValue, Forms) {
  ExpectTimes(0, 0, 23, 59, Times("/t=auto"));
  ExpectTimes(23, 0, 8, 0, Times("/t=23:00-08:00"));
  ExpectTimes(23, 0, 8, 0, Times("/t=23:00-8:00"));
  ExpectTimes(20, 0, 8, 30, Times("/t=20:00-8:30"));
  ExpectTimes(9, 15, 18, 45, Times("/t=9:15-18:45"));
  ExpectTimes(0, 30, 1, 0, Times("/t=0:30-1:00"));
  ExpectTimes(10, 5, 12, 30, Times("/t=10:05-12:30"));
}

TEST(TimeValue, NoEndPartLeavesTheEnd) {
  WindowTimes t{1, 2, 3, 4, false};
  TimeValue("/t=22:00", t);
  EXPECT_EQ(22, t.start_hour);
  EXPECT_EQ(0, t.start_minute);
  EXPECT_EQ(3, t.end_hour);
  EXPECT_EQ(4, t.end_minute);
  EXPECT_FALSE(t.end_given);
  // A "-" before column 5 is no end part.
  TimeValue("/t=-1:00", t);
  EXPECT_FALSE(t.end_given);
}

TEST(TimeValue, TheLastDashCounts) {
  ExpectTimes(10, 0, 11, 30, Times("/t=10:00-09:00-11:30"));
}

}  // namespace
}  // namespace brantlow
