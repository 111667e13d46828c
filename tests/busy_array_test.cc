#include "log/busy_array.h"

#include <memory>
#include <span>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_fields.h"

namespace brantlow {
namespace {

class BusyArrayTest : public testing::Test {
 protected:
  void Add(const char* start, const char* end) {
    table_->Append();
    CopyField(table_->Current().start_time, start);
    CopyField(table_->Current().end_time, end);
  }
  BusyArray Fill(const Window& window = kDay,
                 std::span<const BusySpan> earlier = {}) {
    BusyArray busy{};
    FillBusyArray(SessionSpans(*table_, window), window, earlier, busy);
    return busy;
  }
  static inline const Window kDay =
      MakeWindow({15, 3, 2026}, {0, 0, 23, 59, true}, {16, 3, 2026});
  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
};

TEST_F(BusyArrayTest, SessionWithinAHalfHour) {
  Add("10:10:00", "10:20:00");
  BusyArray busy = Fill();
  EXPECT_EQ(600, busy[20]);
  int sum = 0;
  for (int v : busy) sum += v;
  EXPECT_EQ(600, sum);
}

TEST_F(BusyArrayTest, LongSessionFillsTheHalfHoursItSpans) {
  Add("10:20:00", "11:40:00");
  BusyArray busy = Fill();
  EXPECT_EQ(600, busy[20]);
  EXPECT_EQ(1800, busy[21]);
  EXPECT_EQ(1800, busy[22]);
  EXPECT_EQ(600, busy[23]);
}

TEST_F(BusyArrayTest, StartOnAHalfHourBoundary) {
  Add("10:30:00", "10:35:00");
  BusyArray busy = Fill();
  EXPECT_EQ(0, busy[20]);
  EXPECT_EQ(300, busy[21]);
}

TEST_F(BusyArrayTest, TimeCoveredTwiceCountsOnce) {
  Add("08:50:00", "10:10:00");
  Add("10:12:00", "10:14:00");
  Add("09:05:00", "09:06:00");  // out of order, inside the long one
  BusyArray busy = Fill();
  EXPECT_EQ(600, busy[17]);
  EXPECT_EQ(1800, busy[18]);
  EXPECT_EQ(1800, busy[19]);
  EXPECT_EQ(600 + 120, busy[20]);
}

TEST_F(BusyArrayTest, SessionOverTheNextBoundaryWithinAPass) {
  Add("10:20:00", "10:40:00");
  Add("10:30:00", "12:10:00");
  BusyArray busy = Fill();
  EXPECT_EQ(600, busy[20]);
  EXPECT_EQ(1800, busy[21]);
  EXPECT_EQ(1800, busy[22]);
  EXPECT_EQ(1800, busy[23]);
  EXPECT_EQ(600, busy[24]);
}

TEST_F(BusyArrayTest, BlankRecordMidnightAndTheWindowsEnds) {
  table_->Append();  // the one blank record of an empty window
  BusyArray busy = Fill();
  for (int v : busy) EXPECT_EQ(0, v);
  Add("23:50:00", "00:10:00");
  // The day keeps its own ten minutes; the tail is the next day's, which
  // counts it with a tail of its own from the day before.
  busy = Fill();
  EXPECT_EQ(600, busy[47]);
  EXPECT_EQ(0, busy[0]);
  const std::vector<BusySpan> later =
      SpansAfter(SessionSpans(*table_, kDay), 86400);
  ASSERT_EQ(1u, later.size());
  EXPECT_EQ(0.0, later[0].start);
  EXPECT_EQ(600.0, later[0].end);
  const BusySpan before[] = {{0, 300}};
  busy = Fill(kDay, before);
  EXPECT_EQ(300, busy[0]);
  // A night window holds both halves.
  busy = Fill(MakeWindow({15, 3, 2026}, {23, 0, 8, 0, true}, {16, 3, 2026}));
  EXPECT_EQ(600, busy[47]);
  EXPECT_EQ(600, busy[0]);
  // A window of half an hour from 10:15 takes what lies in it.
  table_->Clear();
  Add("10:00:00", "11:00:00");
  busy = Fill(MakeWindow({15, 3, 2026}, {10, 15, 10, 44, true}, {16, 3, 2026}));
  EXPECT_EQ(900, busy[20]);
  EXPECT_EQ(900, busy[21]);
  EXPECT_EQ(0, busy[22]);
}

TEST_F(BusyArrayTest, SeveralSessionsInOneHalfHour) {
  Add("10:00:00", "10:05:00");
  Add("10:06:00", "10:06:30");
  Add("10:29:00", "10:31:00");  // crosses into element 21
  BusyArray busy = Fill();
  EXPECT_EQ(300 + 30 + 60, busy[20]);
  EXPECT_EQ(60, busy[21]);
}

}  // namespace
}  // namespace brantlow
