#include "reports/cost_report.h"

#include <climits>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "platform/cp866.h"
#include "reports/whole_seconds.h"

namespace brantlow {
namespace {

class CostTest : public testing::Test {
 protected:
  CostEntry& Entry(const char* name) {
    CostEntry& e = costs_->Add();
    CopyField(e.name, name);
    e.incoming_day_rate = 1;
    e.incoming_night_rate = 100;
    e.outgoing_day_rate = 2;
    e.outgoing_night_rate = 200;
    return e;
  }
  void Session(const char* start, const char* name, float duration,
               char kind = kIncoming) {
    table_->Append();
    SessionRecord& r = table_->Current();
    CopyField(r.start_time, start);
    CopyField(r.name, name);
    r.duration = duration;
    r.kind = kind;
  }
  std::unique_ptr<CostTable> costs_ = std::make_unique<CostTable>();
  void Night(float start, float end) {
    costs_->night_start = start;
    costs_->night_end = end;
  }
  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
};

TEST(TariffMode, FromTheNightPeriod) {
  auto mode = [](float start, float end) {
    CostTable costs;
    costs.night_start = start;
    costs.night_end = end;
    return costs.mode();
  };
  EXPECT_EQ(TariffMode::kDayOnly, mode(0, 0));
  EXPECT_EQ(TariffMode::kDayOnly, mode(82800, 82800));
  EXPECT_EQ(TariffMode::kNightAcrossMidnight, mode(82800, 28800));
  EXPECT_EQ(TariffMode::kNightWithinDay, mode(3600, 21600));
}

TEST_F(CostTest, NightAcrossMidnightIncludesItsEnds) {
  CostEntry& e = Entry("A");
  for (const char* start : {"23:00:00", "03:00:00", "08:00:00"})
    Session(start, "A", 60);
  Night(82800, 28800);
  CalculateCosts(*costs_, *table_);
  EXPECT_NEAR(300, e.incoming_cost, 0.01);  // three night minutes
  table_ = std::make_unique<SessionTable>();
  e.incoming_cost = 0;
  Session("08:00:01", "A", 60);
  Night(82800, 28800);
  CalculateCosts(*costs_, *table_);
  EXPECT_NEAR(1, e.incoming_cost, 0.0001);
}

TEST_F(CostTest, NightWithinADayExcludesItsEnds) {
  CostEntry& e = Entry("A");
  Session("01:00:00", "A", 60, kOutgoing);
  Session("06:00:00", "A", 60, kOutgoing);
  Night(3600, 21600);
  CalculateCosts(*costs_, *table_);
  EXPECT_NEAR(4, e.outgoing_cost, 0.0001);
  EXPECT_FLOAT_EQ(120, e.outgoing_time);
  Session("01:00:01", "A", 60, kOutgoing);
  e.outgoing_cost = 0;
  Night(3600, 21600);
  CalculateCosts(*costs_, *table_);
  EXPECT_NEAR(4 + 200, e.outgoing_cost, 0.001);
}

TEST_F(CostTest, AddOnAndSinglePrecision) {
  CostEntry& e = Entry("2:5020/1");
  e.incoming_day_rate = 1.5f;
  e.add_on = 30;
  Session("10:00:00", "2:5020/1", 90);
  Night(0, 0);
  CalculateCosts(*costs_, *table_);
  EXPECT_EQ(120.0f * 0.016666668f * 1.5f, e.incoming_cost);
  EXPECT_FLOAT_EQ(120, e.incoming_time);
}

TEST_F(CostTest, OnlyExactNamesOfMailerSessions) {
  CostEntry& e = Entry("Abc");
  Session("10:00:00", "ABC", 60);
  Session("10:00:00", "Abc", 60, kBbsCaller);
  Session("10:00:00", "Abc", 60, kTerminal);
  Session("10:00:00", "Abc", 60, kNoEnd);
  Night(0, 0);
  CalculateCosts(*costs_, *table_);
  EXPECT_EQ(0, e.incoming_cost);
  EXPECT_EQ(0, e.outgoing_cost);
}

TEST_F(CostTest, ReportRowsForEveryEntry) {
  CostEntry& e = Entry("2:5020/1");
  e.incoming_cost = 3;
  e.incoming_time = 120.7f;
  e.outgoing_cost = 1234.567f;
  e.outgoing_time = 3725;
  Entry("2:463/68");
  MemoryOutput out;
  WriteCostReport(*costs_, out, TextsFor(ReportLanguage::kRussian));
  std::string expected;
  for (char c : Utf8ToCp866(
           "╔══════════════════╤═════════╤═════════╤════════╤════════╗\n"
           "║       Адрес      │Стоимость│Стоимость│ Время  │ Время  ║\n"
           "║                  │ вход.   │ исход.  │ вход.  │ исход. ║\n"
           "╟──────────────────┼─────────┼─────────┼────────┼────────╢\n"
           "║2:5020/1          │     3.00│  1234.57│00:02:00│01:02:05║\n"
           "║2:463/68          │     0.00│     0.00│00:00:00│00:00:00║\n"
           "╚══════════════════╧═════════╧═════════╧════════╧════════╝\n")) {
    if (c == '\n') expected += '\r';
    expected += c;
  }
  EXPECT_EQ(expected, out.bytes());
}

}  // namespace
}  // namespace brantlow

namespace brantlow {
namespace {

TEST(WholeSecondsTest, DropsTheFractionAndShowsNoNegativeTime) {
  EXPECT_EQ(59, WholeSeconds(59.9f));
  EXPECT_EQ(0, WholeSeconds(-3580.0f));  // a clock set back mid-session
  EXPECT_EQ(0, WholeSeconds(-0.5f));
  EXPECT_EQ(INT_MAX, WholeSeconds(1e12f));
}

}  // namespace
}  // namespace brantlow
