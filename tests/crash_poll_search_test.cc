#include "log/crash_poll_search.h"

#include <memory>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "base/time_of_day.h"

namespace brantlow {
namespace {

// Windows of one day and of a night across midnight.
const Window kDay =
    MakeWindow({15, 3, 2026}, {0, 0, 23, 59, true}, {31, 12, 2026});
const Window kMidnight =
    MakeWindow({15, 3, 2026}, {23, 0, 8, 0, true}, {31, 12, 2026});

class CrashPollTest : public testing::Test {
 protected:
  SessionRecord& Add(const char* start, const char* end, const char* name,
                     char kind = kIncoming) {
    table_->Append();
    SessionRecord& r = table_->Current();
    CopyField(r.start_time, start);
    CopyField(r.end_time, end);
    CopyField(r.name, name);
    r.kind = kind;
    return r;
  }
  char Mark(int i) { return (*table_)[i].crash_mark; }
  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
};

TEST_F(CrashPollTest, EmptyTableGetsOneBlankRecord) {
  SearchCrashPolls(*table_, 0, kDay, false);
  EXPECT_EQ(0, table_->newest());
  EXPECT_EQ(' ', Mark(0));
  EXPECT_EQ(0.0f, (*table_)[0].duration);
  EXPECT_EQ('\0', (*table_)[0].kind);
}

TEST_F(CrashPollTest, DurationsAcrossMidnight) {
  Add("23:50:00", "00:10:00", "2:1/1");
  Add("10:00:00", "10:01:30", "2:1/2");
  SearchCrashPolls(*table_, 0, kMidnight, false);
  EXPECT_EQ(1200.0f, (*table_)[0].duration);
  EXPECT_EQ(90.0f, (*table_)[1].duration);
  SearchCrashPolls(*table_, 0, kDay, false);
  EXPECT_EQ(-85200.0f, (*table_)[0].duration);
}

TEST_F(CrashPollTest, MissingEndBecomesTheStart) {
  Add("10:00:00", "", "2:1/1");
  Add("11:00:00", "11:00:10", "2:1/2");
  SearchCrashPolls(*table_, 0, kDay, false);
  EXPECT_EQ(kNoEnd, (*table_)[0].kind);
  EXPECT_EQ("10:00:00", FieldText((*table_)[0].end_time));
  EXPECT_EQ(0.0f, (*table_)[0].duration);
  EXPECT_EQ(kIncoming, (*table_)[1].kind);
}

TEST_F(CrashPollTest, RepeatWithinThePeriod) {
  Add("10:00:00", "10:01:00", "2:1/1");
  Add("10:03:00", "10:03:30", "2:1/1");  // 120 s after: marked
  Add("10:05:31", "10:06:00", "2:1/1");  // 121 s after: not
  SearchCrashPolls(*table_, 120, kDay, false);
  EXPECT_EQ(' ', Mark(0));
  EXPECT_EQ('!', Mark(1));
  EXPECT_EQ(' ', Mark(2));
}

TEST_F(CrashPollTest, AnotherAddressBetweenDoesNotHide) {
  Add("10:00:00", "10:00:30", "A");
  Add("10:00:40", "10:01:00", "B");
  Add("10:01:10", "10:01:20", "A");
  SearchCrashPolls(*table_, 120, kDay, false);
  EXPECT_EQ(' ', Mark(1));
  EXPECT_EQ('!', Mark(2));
}

TEST_F(CrashPollTest, OnlyIncomingUnlessEveryKindCounts) {
  Add("10:00:00", "10:00:30", "A", kOutgoing);
  Add("10:01:00", "10:01:30", "A", kIncoming);
  SearchCrashPolls(*table_, 120, kDay, false);
  EXPECT_EQ(' ', Mark(1));
  SearchCrashPolls(*table_, 120, kDay, true);
  EXPECT_EQ('!', Mark(1));
}

TEST_F(CrashPollTest, LaterSessionAfterMidnight) {
  Add("23:59:00", "23:59:30", "A");
  Add("00:00:30", "00:01:00", "A");  // 60 s later, on the next day
  SearchCrashPolls(*table_, 120, kMidnight, false);
  EXPECT_EQ('!', Mark(1));
}

TEST_F(CrashPollTest, NoPeriodLeavesOtherMarksUnset) {
  Add("10:00:00", "10:00:30", "A");
  Add("10:00:40", "10:01:00", "A");
  SearchCrashPolls(*table_, 0, kDay, false);
  EXPECT_EQ(' ', Mark(0));
  EXPECT_EQ('\0', Mark(1));
}

TEST(TimeSeconds, Texts) {
  EXPECT_DOUBLE_EQ(50709, TimeSeconds("14:05:09"));
  EXPECT_DOUBLE_EQ(0, TimeSeconds(""));
  EXPECT_DOUBLE_EQ(86399, TimeSeconds("23:59:59"));
}

TEST(TimeSeconds, TheWindowsEndWithoutLeadingZerosReadsAsWritten) {
  EXPECT_DOUBLE_EQ(8 * 3600 + 59, TimeSeconds("8:0:59"));
  EXPECT_DOUBLE_EQ(8 * 3600 + 5 * 60 + 59, TimeSeconds("8:5:59"));
  EXPECT_DOUBLE_EQ(3600 + 30 * 60 + 59, TimeSeconds("1:30:59"));
  EXPECT_DOUBLE_EQ(23 * 3600 + 59 * 60 + 59, TimeSeconds("23:59:59"));
  // Anything else is read at the fixed columns, as before.
  EXPECT_DOUBLE_EQ(0, TimeSeconds("ab:cd:ef"));
  EXPECT_DOUBLE_EQ(3600, TimeSeconds("1:"));
}

}  // namespace
}  // namespace brantlow
