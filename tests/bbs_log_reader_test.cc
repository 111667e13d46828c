#include "log/bbs_log_reader.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "base/text_fields.h"

namespace brantlow {
namespace {

class BbsLogReaderTest : public testing::Test {
 protected:
  // A "Terminal Call" session as the mailer log leaves it.
  SessionRecord& AddCall(const char* start, const char* end,
                         const char* connect = "33600/ARQ/V34/LAPM") {
    table_->Append();
    SessionRecord& r = table_->Current();
    CopyField(r.start_time, start);
    CopyField(r.end_time, end);
    CopyField(r.name, "Terminal Call");
    r.tag = SessionTag::kTerminalCall;
    table_->SetConnect(r, connect);
    r.kind = kIncoming;
    return r;
  }
  // The BBS log, one Maximus line per entry, each with its CR LF.
  void Read(std::initializer_list<std::string> lines, int day = 15,
            int month = 3, int line_number = 0) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    MemoryLines log(bytes);
    Window window;
    window.first = {day, month};
    window.second = DayAfter(window.first);
    ReadBbsLog(*table_, window, line_number, log);
  }
  std::string Name(int i) { return std::string(FieldText((*table_)[i].name)); }

  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
};

TEST_F(BbsLogReaderTest, FillsNameTrafficMeanRateAndBadPassword) {
  SessionRecord& r = AddCall("14:02:00", "14:20:00");
  Read({
      "+ 15 Mar 14:02:11 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 14:02:12 MAX  Connected at 33600 baud",
      "+ 15 Mar 14:02:30 MAX  Ivan Petrov calling",
      "! 15 Mar 14:02:50 MAX  Bad pwd (ivan)",
      ": 15 Mar 14:05:00 MAX  CPS: 1000 (40000 bytes)",
      "+ 15 Mar 14:05:01 MAX  DL-IVAN.ZIP",
      ": 15 Mar 14:09:00 MAX  CPS: 2000 (8000 bytes)",
      "+ 15 Mar 14:09:01 MAX  UL-NEWS.TXT",
      "+ 15 Mar 14:19:59 MAX  End, Ivan Petrov",
  });
  EXPECT_EQ("Ivan Petrov       ", Name(0));
  EXPECT_EQ(kBbsCaller, r.kind);
  EXPECT_FLOAT_EQ(40000, r.bytes_sent);
  EXPECT_FLOAT_EQ(8000, r.bytes_received);
  EXPECT_FLOAT_EQ(1500, r.cps);
  EXPECT_EQ("?!", std::string(FieldText(r.password)));
}

TEST_F(BbsLogReaderTest, PassesOverACallAtAnotherSpeed) {
  SessionRecord& r = AddCall("10:00:00", "10:30:00", "14400/ARQ");
  Read({
      "+ 15 Mar 10:01:00 MAX  Begin, v3.01 (task=2)",
      "+ 15 Mar 10:01:01 MAX  Connected at 28800 baud",
      "+ 15 Mar 10:01:10 MAX  Other Line calling",
      "+ 15 Mar 10:05:00 MAX  End, Other Line",
      "+ 15 Mar 10:06:00 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 10:06:01 MAX  Connected at 14400 baud",
      "+ 15 Mar 10:06:10 MAX  This Line calling",
      "+ 15 Mar 10:20:00 MAX  End, This Line",
  });
  EXPECT_EQ("This Line         ", Name(0));
  EXPECT_EQ(kBbsCaller, r.kind);
}

TEST_F(BbsLogReaderTest, MatchesCallsInTimeOrderEachOnlyOnce) {
  AddCall("09:00:00", "09:10:00");
  AddCall("09:20:00", "09:40:00");
  AddCall("09:50:00", "09:55:00");
  Read({
      "+ 15 Mar 09:00:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 09:00:20 MAX  First User calling",
      "+ 15 Mar 09:09:00 MAX  End, First User",
      "+ 15 Mar 09:20:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 09:20:20 MAX  Second User calling",
      "+ 15 Mar 09:39:00 MAX  End, Second User",
  });
  EXPECT_EQ("First User        ", Name(0));
  EXPECT_EQ("Second User       ", Name(1));
  // The third call finds no BBS call left after the second one's end.
  EXPECT_EQ("Terminal Call", Name(2));
  EXPECT_EQ(kIncoming, (*table_)[2].kind);
}

TEST_F(BbsLogReaderTest, CarrierDroppedBeforeAName) {
  SessionRecord& r = AddCall("22:00:00", "22:01:00");
  Read({
      "+ 15 Mar 22:00:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 22:00:20 MAX  Caller dropped carrier",
      "+ 15 Mar 22:00:21 MAX  End, (null)",
  });
  EXPECT_EQ("Carrier Dropped", Name(0));
  EXPECT_EQ(kBbsCaller, r.kind);
}

TEST_F(BbsLogReaderTest, LooksForTheDayWithItsLeadingZeroAndTheRightMonth) {
  AddCall("12:00:00", "12:30:00");
  AddCall("13:00:00", "13:30:00");
  Read(
      {
          "+  5 Mar 12:00:10 MAX  Begin, v3.01 (task=1)",
          "+  5 Mar 12:00:20 MAX  Blank Day calling",
          "+  5 Mar 12:10:00 MAX  End, Blank Day",
          "+ 05 Apr 12:20:10 MAX  Begin, v3.01 (task=1)",
          "+ 05 Apr 12:20:20 MAX  Wrong Month calling",
          "+ 05 Apr 12:29:00 MAX  End, Wrong Month",
          "+ 05 Mar 13:00:10 MAX  Begin, v3.01 (task=1)",
          "+ 05 Mar 13:00:20 MAX  Right Day calling",
          "+ 05 Mar 13:10:00 MAX  End, Right Day",
      },
      5, 3);
  EXPECT_EQ("Terminal Call", Name(0));
  EXPECT_EQ("Right Day         ", Name(1));
}

TEST_F(BbsLogReaderTest, ACallMustBeginInsideTheSessionEvenAcrossMidnight) {
  AddCall("23:55:00", "00:05:00");
  AddCall("23:56:00", "00:06:00");
  AddCall("10:00:00", "10:20:00");
  Read({
      "+ 15 Mar 10:20:01 MAX  Begin, v3.01 (task=1)",  // a second too late
      "+ 15 Mar 10:20:02 MAX  Too Late calling",
      "+ 15 Mar 10:25:00 MAX  End, Too Late",
      "+ 15 Mar 23:55:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 23:55:20 MAX  Late User calling",
      "+ 15 Mar 23:59:00 MAX  End, Late User",
      "+ 16 Mar 00:06:00 MAX  Begin, v3.01 (task=1)",  // its very end
      "+ 16 Mar 00:06:10 MAX  After Midnight calling",
      "+ 16 Mar 00:09:00 MAX  End, After Midnight",
  });
  EXPECT_EQ("Late User         ", Name(0));
  EXPECT_EQ("After Midnight    ", Name(1));
  EXPECT_EQ("Terminal Call", Name(2));
}

TEST_F(BbsLogReaderTest, ALogSharedByTwoLinesGivesEachLineItsOwnTask) {
  // Line 2's caller came in first; line 1's session began before it.
  AddCall("16:04:00", "16:45:00");
  Read(
      {
          "+ 15 Mar 16:05:00 MAX  Begin, v3.01 (task=2)",
          "+ 15 Mar 16:05:01 MAX  Connected at 33600 baud",
          "+ 15 Mar 16:05:20 MAX  Petr Sidorov calling",
          "+ 15 Mar 16:30:10 MAX  End, Petr Sidorov (0)",
          "+ 15 Mar 16:20:08 MAX  Begin, v3.01 (task=1)",
          "+ 15 Mar 16:20:09 MAX  Connected at 33600 baud",
          "+ 15 Mar 16:20:25 MAX  Olga Smirnova calling",
          "+ 15 Mar 16:41:25 MAX  End, Olga Smirnova (0)",
      },
      15, 3, 1);
  EXPECT_EQ("Olga Smirnova     ", Name(0));
  table_->Clear();
  AddCall("16:04:00", "16:45:00");
  Read({"+ 15 Mar 16:20:08 MAX  Begin, v3.01 (task=1)",
        "+ 15 Mar 16:20:25 MAX  Olga Smirnova calling",
        "+ 15 Mar 16:41:25 MAX  End, Olga Smirnova (0)"},
       15, 3, 2);
  EXPECT_EQ("Terminal Call", Name(0));  // no call of task 2
  Read({"+ 15 Mar 16:20:08 MAX  Begin, v3.01 (task=1)",
        "+ 15 Mar 16:20:25 MAX  Olga Smirnova calling",
        "+ 15 Mar 16:41:25 MAX  End, Olga Smirnova (0)"},
       15, 3, 0);
  EXPECT_EQ("Olga Smirnova     ", Name(0));  // line 0 takes any task
}

TEST_F(BbsLogReaderTest, NamesAreCutAtColumnFortyAndNeverReadOutsideTheLine) {
  AddCall("08:00:00", "08:30:00");
  AddCall("08:00:00", "08:30:00");
  Read({
      "+ 15 Mar 08:00:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 08:00:20 MAX  Alexander Konstantinopolsky calling",
      "+ 15 Mar 08:05:00 MAX  End, Alexander",
      "+ 15 Mar 08:10:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 08:10:20 MAX calling",
      "+ 15 Mar 08:15:00 MAX  End, nobody",
  });
  EXPECT_EQ("Alexander Konstant", Name(0));
  EXPECT_EQ("                  ", Name(1));
}

TEST_F(BbsLogReaderTest, APendingSizeCarriesOverToTheNextCallsTransfer) {
  AddCall("11:00:00", "11:10:00");
  AddCall("11:20:00", "11:30:00");
  // The table grows as records are added: take them once all are there.
  const SessionRecord& first = (*table_)[0];
  const SessionRecord& second = (*table_)[1];
  Read({
      "+ 15 Mar 11:00:10 MAX  Begin, v3.01 (task=1)",
      ": 15 Mar 11:05:00 MAX  CPS: 900 (12345 bytes)",
      "+ 15 Mar 11:09:00 MAX  End, first",
      "+ 15 Mar 11:20:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 11:25:01 MAX  DL-LATE.ZIP",
      "+ 15 Mar 11:29:00 MAX  End, second",
  });
  EXPECT_FLOAT_EQ(0, first.bytes_sent);
  EXPECT_FLOAT_EQ(900, first.cps);
  EXPECT_FLOAT_EQ(12345, second.bytes_sent);
}

TEST_F(BbsLogReaderTest, WithoutEndLinesTheNextBeginEndsTheCall) {
  // Maximus at the Verbose level writes no "End," lines: each begin line
  // ends the call before it and is where the next record's search starts,
  // so three callers of one hour go to three records.
  AddCall("10:00:00", "10:20:00");
  AddCall("10:30:00", "10:50:00");
  AddCall("11:00:00", "11:20:00");
  Read({
      "+ 15 Mar 10:00:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 10:00:20 MAX  Anna Ivanova calling",
      ": 15 Mar 10:05:00 MAX  CPS: 1000 (10000 bytes)",
      "+ 15 Mar 10:05:01 MAX  DL-A.ZIP",
      ": 15 Mar 10:08:00 MAX  CPS: 3000 (30000 bytes)",
      "+ 15 Mar 10:08:01 MAX  DL-B.ZIP",
      "+ 15 Mar 10:30:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 10:30:20 MAX  Boris Orlov calling",
      ": 15 Mar 10:35:00 MAX  CPS: 500 (2000 bytes)",
      "+ 15 Mar 10:35:01 MAX  UL-C.TXT",
      "+ 15 Mar 11:00:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 11:00:20 MAX  Vera Sokolova calling",
  });
  const SessionRecord& anna = (*table_)[0];
  const SessionRecord& boris = (*table_)[1];
  const SessionRecord& vera = (*table_)[2];
  EXPECT_EQ("Anna Ivanova      ", Name(0));
  EXPECT_FLOAT_EQ(40000, anna.bytes_sent);
  EXPECT_FLOAT_EQ(0, anna.bytes_received);
  EXPECT_FLOAT_EQ(2000, anna.cps);
  EXPECT_EQ("Boris Orlov       ", Name(1));
  EXPECT_FLOAT_EQ(0, boris.bytes_sent);
  EXPECT_FLOAT_EQ(2000, boris.bytes_received);
  EXPECT_FLOAT_EQ(500, boris.cps);
  EXPECT_EQ("Vera Sokolova     ", Name(2));
  EXPECT_EQ(kBbsCaller, vera.kind);
  EXPECT_FLOAT_EQ(0, vera.bytes_sent + vera.bytes_received + vera.cps);
}

TEST_F(BbsLogReaderTest, OnlyTheLatestYearWithTheDayIsSearched) {
  // October to January goes back six months: a new year. A stray line of
  // the month before does not begin one. The 15 Mar of the first year is
  // passed over, though its call would match.
  SessionRecord& r = AddCall("10:00:00", "10:20:00");
  Read({
      "+ 15 Mar 10:00:10 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 10:00:20 MAX  Old User calling",
      "+ 15 Mar 10:05:00 MAX  End, Old User",
      "+ 20 Oct 09:00:00 MAX  Begin, v3.01 (task=1)",
      "+ 02 Jan 09:00:00 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 10:10:10 MAX  Begin, v3.01 (task=1)",
      "+ 28 Feb 23:00:00 MAX  Spawning the mail packer",
      "+ 15 Mar 10:10:20 MAX  New User calling",
      "+ 15 Mar 10:15:00 MAX  End, New User",
  });
  EXPECT_EQ("New User          ", Name(0));
  EXPECT_EQ(kBbsCaller, r.kind);
}

TEST_F(BbsLogReaderTest, AnEmptyLogChangesNothing) {
  SessionRecord& r = AddCall("14:00:00", "14:10:00");
  Read({});
  EXPECT_EQ("Terminal Call", Name(0));
  EXPECT_EQ(kIncoming, r.kind);
}

}  // namespace
}  // namespace brantlow
