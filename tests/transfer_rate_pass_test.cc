#include "files/transfer_rate_pass.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "log/scratch_entry.h"

namespace brantlow {
namespace {

class RatePassTest : public testing::Test {
 protected:
  SessionRecord& Add(const char* name) {
    table_->Append();
    CopyField(table_->Current().name, name);
    table_->Current().kind = kIncoming;
    return table_->Current();
  }
  // An entry as the recognisers write it; direction "~s~" or "~r~".
  static std::string Entry(int index, const char* name,
                           std::string_view direction,
                           const std::string& tail) {
    MemoryOutput out;
    ScratchWriter(out).Add({index, name, direction == "~s~", tail});
    return out.bytes();
  }
  void Run(const std::string& scratch) {
    MemoryLines lines(scratch);
    RunTransferRatePass(*table_, lines, EnglishLogPhrases());
  }
  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
};

TEST_F(RatePassTest, MeanRatePerSession) {
  Add("2:4527/63");
  Add("2:2/2");
  Run(Entry(0, "2:4527/63", "~r~", "pntlst.z15 863 OK: 0:01, 863 cps, 26%") +
      Entry(0, "2:4527/63", "~s~", "areas.lst 214 OK: 0:01, 214 cps, 6%") +
      Entry(1, "2:2/2", "~s~", "a.pkt 10 OK: 0:01, 0 cps"));
  EXPECT_FLOAT_EQ(538.5f, (*table_)[0].cps);
  EXPECT_FLOAT_EQ(0, (*table_)[1].cps);
  // Session 0 is not the last: its bytes stay as the log gave them.
  EXPECT_FLOAT_EQ(0, (*table_)[0].bytes_sent);
}

// A cancelled file gives the last session neither a rate nor bytes: it was
// never moved whole.
TEST_F(RatePassTest, CancelledLinesGiveNeitherRateNorBytes) {
  Add("2:1/1");
  Run(Entry(0, "2:1/1", "~s~", "x.su1 20480 OK: 0:09, 2275 cps, 86%") +
      Entry(0, "2:1/1", "~r~", "y.pkt 6144 cancelled at pos 2048, 512 cps") +
      Entry(0, "2:1/1", "~r~", "z.pkt 100 OK: 0:01, 100 cps"));
  const SessionRecord& r = (*table_)[0];
  EXPECT_FLOAT_EQ((2275.0f + 100.0f) / 2, r.cps);
  EXPECT_FLOAT_EQ(20480, r.bytes_sent);
  EXPECT_EQ(100, r.bytes_received);
}

TEST_F(RatePassTest, LastSessionWithBytesFromTheLogKeepsThem) {
  Add("2:1/1").bytes_received = 7;
  Run(Entry(0, "2:1/1", "~s~", "x 500 OK, 50 cps"));
  EXPECT_FLOAT_EQ(7, (*table_)[0].bytes_received);
  EXPECT_FLOAT_EQ(0, (*table_)[0].bytes_sent);
  EXPECT_FLOAT_EQ(50, (*table_)[0].cps);
}

TEST_F(RatePassTest, CommasOutsideTheScannedColumnsAreNotCounted) {
  Add("2:1/1");
  Add("A");
  // The entry "▓1▓█A█~s~" puts the tail at column 9; a comma at column 5
  // lies in the name and is too early, one at column 80 too late.
  Run("\xB2"
      "1\xB2\xDB"
      "A,\xDB~s~nocomma\r\n" +
      Entry(1, "A", "~s~", std::string(71, 'x') + ", 10 cps"));
  EXPECT_FLOAT_EQ(0, (*table_)[1].cps);
}

TEST_F(RatePassTest, PiecesOfALongEntryAreSkipped) {
  Add("2:1/1");
  // 100 characters without a comma: the second piece carries "7, 5 cps"
  // but no session mark and must not count for session 0 or any other.
  Run(Entry(0, "2:1/1", "~s~", std::string(90, 'f') + ", 8, 5 cps") +
      Entry(0, "2:1/1", "~s~", "a 1 OK, 300 cps"));
  EXPECT_FLOAT_EQ(300, (*table_)[0].cps);
}

// A one-day run takes the rates as the entries are written and never
// reads them back: both must give every session the same numbers, for
// entries a read cuts, CR LF tails, cancelled files and stray indexes.
TEST_F(RatePassTest, RatesTakenAsWrittenAreThoseReadBack) {
  const std::string tails[] = {
      "a.pkt 1200 OK: 0:01, 1200 cps, 10%",
      "b.pkt 300 OK: 0:02, 150 cps, 5%\r",
      "c.pkt 6144 cancelled at pos 2048, 512 cps",
      std::string(60, 'n') + ".zip 5 OK: 0:01, 77 cps",
      std::string(75, 'm') + ", 33\r",
      std::string(61, 'r') + ", 1234567891234 cps",  // the read cuts the rate
      std::string(62, 'r') + ",  98765432109\r",
      "d 9 OK,  12.5 cps",
      "e.tic 40 OK",
      "",
  };
  const char* names[] = {"2:5020/52", "2:5020/52.123456789", "Terminal Call",
                         "x\xDBy"};
  MemoryOutput written;
  TransferRates taken(EnglishLogPhrases());
  ScratchWriter writer(&written, &taken);
  int k = 0;
  for (const char* name : names)
    for (const std::string& tail : tails)
      for (const int session : {k++ % 4, -1, 1000000000})
        writer.Add({session, name, k % 3 == 0, tail});
  auto table = [&] {
    auto t = std::make_unique<SessionTable>();
    for (int i = 0; i < 4; ++i) t->Append();
    (*t)[1].cps = 0.1;  // a BBS caller's own rate
    (*t)[2].kind = kNoEnd;
    return t;
  };
  const auto as_written = table();
  const auto read_back = table();
  taken.Apply(*as_written);
  MemoryLines lines(written.bytes());
  RunTransferRatePass(*read_back, lines, EnglishLogPhrases());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ((*read_back)[i].cps, (*as_written)[i].cps) << i;
    EXPECT_EQ((*read_back)[i].bytes_sent, (*as_written)[i].bytes_sent) << i;
    EXPECT_EQ((*read_back)[i].bytes_received, (*as_written)[i].bytes_received)
        << i;
  }
  EXPECT_GT((*read_back)[3].bytes_sent + (*read_back)[3].bytes_received, 0);
}

TEST_F(RatePassTest, EmptyScratchChangesNothing) {
  Add("2:1/1").cps = 12;
  Run("");
  EXPECT_FLOAT_EQ(12, (*table_)[0].cps);
}

}  // namespace
}  // namespace brantlow
