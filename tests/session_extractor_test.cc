#include "log/session_extractor.h"

#include <cstdio>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "log/line_processor.h"
#include "log/log_scan.h"
#include "platform/cp866.h"
#include "platform/file_window.h"

namespace brantlow {
namespace {

class ExtractorTest : public testing::Test {
 protected:
  SessionExtractor Make(bool detect_processes = true,
                        const LogPhrases& phrases = EnglishLogPhrases()) {
    return SessionExtractor(*table_, phrases, processes_, detect_processes,
                            nullptr);
  }
  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
  ProcessDefinitions processes_{};
};

TEST_F(ExtractorTest, ConnectLinesOpenSessions) {
  SessionExtractor x = Make();
  x.Extract(
      "15/03 09:54:52 \xFE Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS\n");
  x.Extract("15/03 10:54:52 \xFE Outgoing call: CONNECT 2400\n");
  ASSERT_EQ(1, table_->newest());
  // The first never got its summary: the next call ends it at its last
  // line of its own, here its first, with no end.
  EXPECT_EQ(kNoEnd, (*table_)[0].kind);
  EXPECT_EQ("09:54:52", FieldText((*table_)[0].start_time));
  EXPECT_EQ("09:54:52", FieldText((*table_)[0].end_time));
  EXPECT_EQ("33600/ARQ/V34/LAPM/V42BIS", table_->Connect((*table_)[0]));
  EXPECT_EQ(kOutgoing, (*table_)[1].kind);
  EXPECT_EQ("2400", table_->Connect((*table_)[1]));
}

TEST_F(ExtractorTest, ConnectStringOfTwentyEightIsKeptWhole) {
  SessionExtractor x = Make();
  std::string connect(28, 'C');
  x.Extract("15/03 09:54:52 \xFE Incoming call: CONNECT " + connect + "XYZ\n");
  EXPECT_EQ(connect, table_->Connect(table_->Current()));
  EXPECT_EQ("", table_->Mailer(table_->Current()));  // nothing spilled over
}

TEST_F(ExtractorTest, OnlyTheFirstTwentyOneCharactersAreCompared) {
  SessionExtractor x = Make();
  x.Extract("15/03 09:54:52 \xFE Incoming call: CONNEC\n");
  EXPECT_EQ(0, table_->newest());
}

TEST_F(ExtractorTest, RussianConnect) {
  SessionExtractor x = Make(true, RussianLogPhrases());
  x.Extract(CP866("15/03 09:54:52 ■ Входящий звонок: CONNECT 9600\n"));
  EXPECT_EQ(kIncoming, table_->Current().kind);
  EXPECT_EQ("9600", table_->Connect(table_->Current()));
  x.Extract("15/03 09:54:52 \xFE Incoming call: CONNECT 2400\n");
  EXPECT_EQ(0, table_->newest());
}

// A terminal emulator period is a record of its own, before any call and
// after a process; other phrases need a session.
TEST_F(ExtractorTest, TerminalPeriodsStandAloneOtherPhrasesNeedASession) {
  CopyField(processes_[0].pattern, "Rescanning");
  SessionExtractor x = Make();
  x.Extract("15/03 07:59:00 Human caller.\n");
  EXPECT_TRUE(table_->empty());
  x.Extract("15/03 08:00:00 Entering terminal emulator\n");
  x.Extract("15/03 08:01:00 Rescanning outbound\n");
  x.Extract("15/03 08:02:00 Leaving terminal emulator\n");
  x.Extract("15/03 08:03:00 Rescanning outbound\n");
  x.Extract("15/03 08:04:00 Entering terminal emulator\n");
  x.Extract("15/03 08:05:00 Leaving terminal emulator\n");
  ASSERT_EQ(3, table_->newest());
  EXPECT_EQ(kTerminal, (*table_)[0].kind);
  EXPECT_EQ("08:02:00", FieldText((*table_)[0].end_time));
  EXPECT_EQ(kProcess, (*table_)[2].kind);
  EXPECT_EQ(kTerminal, (*table_)[3].kind);
  EXPECT_EQ("08:04:00", FieldText((*table_)[3].start_time));
  EXPECT_EQ("08:05:00", FieldText((*table_)[3].end_time));
}

TEST_F(ExtractorTest, ProcessRecordsAndTheirEnd) {
  CopyField(processes_[1].pattern, "Running FrontDoor");
  CopyField(processes_[1].name, "Event FD");
  SessionExtractor x = Make();
  x.Extract("15/03 09:00:00 Starting: Running FrontDoor now\n");
  ASSERT_EQ(0, table_->newest());
  EXPECT_EQ(kProcess, table_->Current().kind);
  EXPECT_EQ("Event FD", FieldText(table_->Current().name));
  // Whatever the next line says, it ends the process.
  x.Extract("15/03 09:05:00 Rescanning outbound\n");
  EXPECT_EQ("09:05:00", FieldText(table_->Current().end_time));
}

TEST_F(ExtractorTest, CyclingProcessRecordsMerge) {
  CopyField(processes_[0].pattern, "PING");
  CopyField(processes_[0].name, "Pinger");
  processes_[0].cycle = true;
  SessionExtractor x = Make();
  x.Extract("15/03 09:00:00 PING 1\n");
  x.Extract("15/03 09:01:00 PING 2\n");
  x.Extract("15/03 09:02:00 idle\n");
  ASSERT_EQ(0, table_->newest());
  EXPECT_EQ("09:00:00", FieldText(table_->Current().start_time));
  EXPECT_EQ("09:02:00", FieldText(table_->Current().end_time));
  EXPECT_EQ(1, table_->size());  // the folded record is gone
}

TEST_F(ExtractorTest, WithoutCycleEveryPatternLineIsARecord) {
  CopyField(processes_[0].pattern, "PING");
  CopyField(processes_[0].name, "Pinger");
  SessionExtractor x = Make();
  x.Extract("15/03 09:00:00 PING 1\n");
  x.Extract("15/03 09:01:00 PING 2\n");
  x.Extract("15/03 09:02:00 idle\n");
  ASSERT_EQ(1, table_->newest());
  EXPECT_EQ("09:01:00", FieldText((*table_)[0].end_time));
  EXPECT_EQ("09:02:00", FieldText((*table_)[1].end_time));
}

TEST_F(ExtractorTest, WithoutConfigurationNoProcessIsDetected) {
  CopyField(processes_[0].pattern, "PING");
  SessionExtractor x = Make(false);
  x.Extract("15/03 09:00:00 PING 1\n");
  EXPECT_TRUE(table_->empty());
}

TEST_F(ExtractorTest, DefaultPatternAndFirstDefinitionWins) {
  CopyField(processes_[3].pattern, "AB");
  CopyField(processes_[2].pattern, "B");
  processes_[4].pattern[0] = '\0';  // an empty pattern never matches
  SessionExtractor x = Make();
  x.Extract("15/03 09:00:00 xAB\n");  // "AB" at 16 comes before "B" at 17
  EXPECT_EQ("Unknown process", FieldText(table_->Current().name));
  x.Extract("15/03 09:00:01 \xB2\xB3\xB4\n");
  EXPECT_EQ(1, table_->newest());
}

TEST_F(ExtractorTest, TheTableTakesEverySession) {
  SessionExtractor x = Make();
  for (int i = 0; i < 1000; ++i) {
    x.Extract("15/03 09:54:52 \xFE Incoming call: CONNECT 33600\n");
    x.Extract("15/03 09:55:04 2:5020/" + std::to_string(i) +
              ", using T-Mail\n");
  }
  EXPECT_EQ(999, table_->newest());
  EXPECT_EQ("2:5020/999", FieldText(table_->Current().name));
  EXPECT_EQ("2:5020/858", FieldText((*table_)[858].name));
  EXPECT_EQ("2:5020/0", FieldText((*table_)[0].name));
}

TEST(LineProcessor, WindowTest) {
  WindowDay w{15, 3, 9, 30, 10, 15};
  EXPECT_TRUE(InsideWindow("15/03 09:30:00 x", w));
  EXPECT_TRUE(InsideWindow("15/03 10:15:59 x", w));
  EXPECT_TRUE(InsideWindow("15/03 09:59:59 x", w));
  EXPECT_FALSE(InsideWindow("15/03 09:29:59 x", w));
  EXPECT_FALSE(InsideWindow("15/03 10:16:00 x", w));
  EXPECT_FALSE(InsideWindow("15/04 09:45:00 x", w));
  EXPECT_FALSE(InsideWindow("16/03 09:45:00 x", w));
  EXPECT_FALSE(InsideWindow("", w));
  WindowDay equal_hours{15, 3, 23, 30, 23, 10};
  EXPECT_FALSE(InsideWindow("15/03 23:20:00 x", equal_hours));
}

TEST(LineProcessor, CutModesAndNulBytes) {
  auto table = std::make_unique<SessionTable>();
  ProcessDefinitions processes{};
  SessionExtractor x(*table, EnglishLogPhrases(), processes, false, nullptr);
  MemoryOutput cut;
  WindowDay w{15, 3, 0, 0, 23, 59};
  LinePieces pieces;
  const char raw[] = "15/03 09:54:52 \xFE Incoming call: CONNECT 1\0tail\n";
  const std::string with_nul(raw, sizeof raw - 1);
  ProcessLine(with_nul, w, CutMode::kCutOnly, &cut, x, pieces);
  EXPECT_TRUE(table->empty());  // cut only
  ProcessLine(with_nul, w, CutMode::kCutAndAnalyse, &cut, x, pieces);
  EXPECT_EQ(0, table->newest());
  EXPECT_EQ("1", table->Connect(table->Current()));  // stops at the NUL
  ProcessLine("14/03 09:54:52 other day\n", w, CutMode::kCutAndAnalyse, &cut, x,
              pieces);
  std::string expected = with_nul.substr(0, with_nul.size() - 1) + "\r\n";
  EXPECT_EQ(expected + expected, cut.bytes());
}

TEST(LineProcessor, TheCutFileTakesEveryPieceOfALine) {
  auto table = std::make_unique<SessionTable>();
  ProcessDefinitions processes{};
  SessionExtractor x(*table, EnglishLogPhrases(), processes, false, nullptr);
  MemoryOutput cut;
  WindowDay w{15, 3, 0, 0, 23, 59};
  LinePieces pieces;
  // A long line inside the window, in three pieces, the last with its end;
  // then a long line of another day, whose later piece looks like today.
  for (const char* piece :
       {"15/03 09:00:00 aaaa", "15/03 bbbb", "cccc\n", "14/03 09:00:00 dddd",
        "15/03 10:00:00 eeee\n", "15/03 11:00:00 ffff\n"})
    ProcessLine(piece, w, CutMode::kCutOnly, &cut, x, pieces);
  EXPECT_EQ("15/03 09:00:00 aaaa15/03 bbbbcccc\r\n15/03 11:00:00 ffff\r\n",
            cut.bytes());
}

// A mailer string can fill a line past the read limit with text that
// looks like a line of the window: its later pieces are never read as
// lines (no session, no transfer), and the cut file keeps the line whole.
TEST(LineProcessor, APieceOfALongLineIsNeverReadAsALine) {
  auto table = std::make_unique<SessionTable>();
  ProcessDefinitions processes{};
  MemoryOutput scratch_bytes;
  ScratchWriter scratch(scratch_bytes);
  SessionExtractor x(*table, EnglishLogPhrases(), processes, false, &scratch);
  const std::string head =
      "15/03 10:00:00 \xFE Outgoing call: CONNECT 2400\n"
      "15/03 10:00:05   using ";
  const std::string forged = "15/03 10:00:20 \xFE Incoming call: CONNECT 9600";
  const std::string forged_file = "15/03 10:00:21 ZR-X  big.zip 12345678 bytes";
  std::string log = head + std::string(89 - 23, 'M') + forged +
                    std::string(89 - forged.size(), 'M') + forged_file + "\n";
  MemoryWindow window(log);
  MemoryOutput cut;
  ScanLog(window, TmailDialect(),
          MakeWindow({15, 3, 2026}, {0, 0, 23, 59, true}, {31, 12, 2026}),
          CutMode::kCutAndAnalyse, &cut, x, nullptr, nullptr);
  EXPECT_EQ(0, table->newest());  // the outgoing call alone
  EXPECT_EQ('o', table->Current().kind);
  EXPECT_EQ("", scratch_bytes.bytes());
  EXPECT_EQ(log.size() + 2, cut.bytes().size());  // CR LF for each LF
}

// A progress bar too narrow to pass reads over: every line is then read
// as a piece, none in bulk.
class NoJumps final : public ScanProgress {
 public:
  bool CanJump(std::int64_t) const override { return false; }
  void Advance(std::int64_t) override {}
  void JumpTo(std::int64_t) override {}
};

std::string Records(const SessionTable& t) {
  std::string text;
  for (int i = 0; i < t.size(); ++i)
    text += std::string(FieldText(t[i].start_time)) + "-" +
            std::string(FieldText(t[i].end_time)) + " " +
            std::string(FieldText(t[i].name)) + " " +
            std::string(t.Mailer(t[i])) + " " + std::string(t.Connect(t[i])) +
            " " + t[i].kind + " " + std::string(FieldText(t[i].password)) +
            " " + std::to_string(t[i].bytes_received) + "/" +
            std::to_string(t[i].bytes_sent) + ";";
  return text;
}

// The evening before the window goes to the reader of the sessions going
// on at midnight from the last call before it, whether its lines are
// passed over in bulk or read one by one: CR LF and LF ends, a NUL hiding
// a phrase, a morning line among them and a UTF-8 line read as CP866.
TEST(LineProcessor, TheEveningBeforeIsReadAlikeInBulkAndLineByLine) {
  using namespace std::string_literals;
  const std::string log =
      "14/03 10:00:00 \xFE Incoming call: CONNECT 2400\r\n"
      "14/03 10:00:05 2:5020/1, using Old/1\r\n"
      "14/03 20:00:00 \xFE Outgoing call: CONNECT 9600\r\n"
      "14/03 20:00:05 2:5020/2, using Bink/2\r\n"
      "14/03 20:00:30 \xFE 2:5020/2, bytes 5/6, time 0:00:30\r\n"
      "14/03 23:50:00 \xFE Incoming call: CONNECT 33600\r\n"
      "14/03 23:50:05 2:5020/3, using \xD0\x9C\xD0\xB8\xD1\x80/3\r\n"
      "14/03 09:00:00 a line of the morning, written late\r\n"
      "14/03 23:50:07 Password protected session\n"
      "14/03 23:50:08 EMSI\0"
      "14/03 23:50:09 Password mismatch: 1\r\n"
      "15/03 00:00:30 \xFE 2:5020/3, bytes 100/200, time 0:10:30\r\n"
      "15/03 01:00:00 \xFE Incoming call: CONNECT 2400\r\n"
      "15/03 01:00:05 2:5020/4, using New/4\r\n"
      "15/03 01:00:30 \xFE 2:5020/4, bytes 7/8, time 0:00:30\r\n"s;
  auto scan = [&](ScanProgress* progress) {
    auto table = std::make_unique<SessionTable>();
    auto before = std::make_unique<SessionTable>();
    ProcessDefinitions processes{};
    SessionExtractor x(*table, EnglishLogPhrases(), processes, false, nullptr);
    SessionExtractor earlier(*before, EnglishLogPhrases(), processes, false,
                             nullptr);
    MemoryWindow window(log);
    ScanLog(window, TmailDialect(),
            MakeWindow({15, 3, 2026}, {0, 0, 23, 59, true}, {31, 12, 2026}),
            CutMode::kNone, nullptr, x, progress, nullptr, &earlier);
    return Records(*before) + " | " + Records(*table);
  };
  NoJumps no_jumps;
  const std::string line_by_line = scan(&no_jumps);
  EXPECT_EQ(
      "23:50:00-00:00:30 2:5020/3 \x8C\xA8\xE0/3 33600 i passw  100/200; | "
      "01:00:00-01:00:30 2:5020/4 New/4 2400 i  7/8;",
      line_by_line);
  EXPECT_EQ(line_by_line, scan(nullptr));
}

// Lines that begin alike (date and hour) are looked at once; a line whose
// look changed the reading stands for none after it. In a log long enough
// to be read from where its days begin: a malformed first line of the new
// year must not keep the next hour's lines in the old year, and a malformed
// line two days ahead must not hide the two after it that end the reading.
TEST(LineProcessor, LinesThatBeginAlikeKeepTheYearsAndTheEnd) {
  auto call = [](const char* day_hour, int node) {
    const std::string at(day_hour);
    return at + ":10:00 \xFE Incoming call: CONNECT 2400\r\n" + at +
           ":10:05 2:5020/" + std::to_string(node) + ", using M/1\r\n" + at +
           ":10:30 \xFE 2:5020/" + std::to_string(node) +
           ", bytes 1/2, time 0:00:25\r\n";
  };
  std::string log;
  for (int day = 1; day <= 31; ++day)
    for (int k = 0; k < 1800; ++k) {
      char line[48];
      std::snprintf(line, sizeof line, "%02d/12 %02d:%02d:%02d filler\r\n", day,
                    k / 60 % 24, k % 60, k % 60);
      log += line;
    }
  log += call("31/12 23", 9) + "01/01 00:00:5x malformed\r\n" +
         call("01/01 00", 1) + call("01/01 05", 2) + call("02/01 05", 3) +
         "04/01 08:00:5x malformed\r\n04/01 08:00:01 a\r\n"
         "04/01 08:00:02 b\r\n" +
         call("02/01 09", 4) + "04/01 09:00:00 end\r\n";
  ASSERT_GT(log.size(), std::size_t{1} << 20);
  auto sessions = [&](Date day, WindowTimes times) {
    auto table = std::make_unique<SessionTable>();
    ProcessDefinitions processes{};
    SessionExtractor x(*table, EnglishLogPhrases(), processes, false, nullptr);
    MemoryWindow window(log);
    ScanLog(window, TmailDialect(), MakeWindow(day, times, {10, 1, 2027}),
            CutMode::kNone, nullptr, x, nullptr, nullptr, nullptr);
    std::string names;
    for (int i = 0; i < table->size(); ++i)
      names += std::string(FieldText((*table)[i].name)) + ";";
    return names;
  };
  const WindowTimes day{0, 0, 23, 59, true};
  EXPECT_EQ("2:5020/9;2:5020/1;",
            sessions({31, 12, 2026}, {23, 0, 3, 0, true}));
  EXPECT_EQ("2:5020/1;2:5020/2;", sessions({1, 1, 2027}, day));
  // Read no further than 04/01 08:00:02.
  EXPECT_EQ("2:5020/3;", sessions({2, 1, 2027}, day));
}

}  // namespace
}  // namespace brantlow
