#include "log/binkd_dialect.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "log/log_scan.h"
#include "platform/file_window.h"

namespace brantlow {
namespace {

struct Entries final : ScratchSink {
  void Add(const ScratchEntry& e) override {
    lines.push_back(std::to_string(e.session) + (e.sent ? " s " : " r ") +
                    std::string(e.name) + " " + std::string(e.tail));
  }
  std::vector<std::string> lines;
};

// Shaped as the answering and the calling node of a real run write it: two
// processes at once, lines longer than one read, a failed call, a session
// stopped before its done line, and another day's session.
constexpr char kLog[] =
    "\n"
    "  14 Mar 23:50:00 [100] BEGIN, binkd/1.1a-115/Linux -p binkd.cfg\n"
    "+ 14 Mar 23:50:01 [101] call to 2:5090/12@fidonet\n"
    "+ 14 Mar 23:50:09 [101] done (to 2:5090/12@fidonet, OK, S/R: 0/0 (0/0 "
    "bytes))\n"
    "+ 15 Mar 10:00:01 [201] call to 2:5090/12@fidonet\n"
    "  15 Mar 10:00:01 [201] trying 127.0.0.1 [127.0.0.1]...\n"
    "+ 15 Mar 10:00:01 [202] call to 2:5090/56@fidonet\n"
    "+ 15 Mar 10:00:01 [201] outgoing session with 127.0.0.1:24554\n"
    "? 15 Mar 10:00:02 [202] connection to 2:5090/56@fidonet failed: "
    "Connection refused\n"
    "- 15 Mar 10:00:02 [201] VER binkd/1.1a-115/Linux binkp/1.1\n"
    "+ 15 Mar 10:00:02 [201] addr: 2:5090/12@fidonet\n"
    "+ 15 Mar 10:00:02 [201] addr: 2:5090/12.1@fidonet\n"
    "  15 Mar 10:00:02 [100] rc(202)=0\n"
    "+ 15 Mar 10:00:02 [201] pwd protected session (MD5)\n"
    "+ 15 Mar 10:00:05 [201] rcvd: big2.zip (2500000, 833333.33 CPS, "
    "2:5090/12@fidonet)\n"
    "+ 15 Mar 10:00:06 [201] sent: "
    "/var/spool/ftn/outbound/long/directory/names/big1.zip "
    "(3000000, 1000000.00 CPS, 2:5090/12@fidonet)\n"
    "+ 15 Mar 10:00:07 [201] sent: /var/spool/ftn/a.pkt (123, 123.00 CPS, "
    "2:5090/12@fidonet)\n"
    "+ 15 Mar 10:00:07 [201] done (to 2:5090/12@fidonet, OK, S/R: 2/1 "
    "(3000123/2500000 bytes))\n"
    "+ 15 Mar 10:00:08 [201] holding 2:5090/12@fidonet (2026/03/15 11:00:07)\n"
    "+ 15 Mar 11:00:00 [301] incoming session with 192.0.2.7\n"
    "+ 15 Mar 11:00:01 [301] addr: 2:5090/78@fidonet\n"
    "+ 15 Mar 11:00:02 [301] rcvd: thistle.zip (1048576, 524288.00 CPS, "
    "2:5090/78@fidonet)\n"
    "- 15 Mar 11:00:03 [301] receiving cut.arc (4000000 byte(s), off 0)\n"
    "! 15 Mar 11:00:09 [301] got signal #15.\n"
    "+ 16 Mar 00:10:00 [401] incoming session with 192.0.2.8\n";

TEST(BinkdDialect, SessionsOfOneDayFromARealShapedLog) {
  SessionTable table;
  Entries scratch;
  BinkdSessionReader reader(table, &scratch);
  MemoryWindow log(kLog);
  const Window window = MakeWindow(
      {15, 3, 2026}, WindowTimes{0, 0, 23, 59, true}, {31, 12, 2026});
  const ScanCounts counts = ScanLog(log, BinkdDialect(), window, CutMode::kNone,
                                    nullptr, reader, nullptr, nullptr);
  EXPECT_EQ(20, counts.inside_lines);

  ASSERT_EQ(3, table.size());
  const SessionRecord& call = table[0];
  EXPECT_EQ("2:5090/12", FieldText(call.name));
  EXPECT_EQ("2:5090/12 2:5090/12.1", table.Akas(call));  // every AKA
  EXPECT_EQ(kOutgoing, call.kind);
  EXPECT_EQ("10:00:01", FieldText(call.start_time));
  EXPECT_EQ("10:00:07",
            FieldText(call.end_time));  // the done line, not later ones
  EXPECT_EQ("127.0.0.1", table.Connect(call));
  EXPECT_EQ("binkd/1.1a-115/Linux binkp/1.1", table.Mailer(call));
  EXPECT_EQ("passw ", std::string(call.password, 6));
  EXPECT_EQ(3000123, call.bytes_sent);
  EXPECT_EQ(2500000, call.bytes_received);

  const SessionRecord& failed = table[1];
  EXPECT_EQ("Handshake failure", FieldText(failed.name));
  EXPECT_EQ("2:5090/56", table.Connect(failed));
  EXPECT_EQ("10:00:02", FieldText(failed.end_time));

  // Stopped before its done line: the bytes are those of its whole files.
  const SessionRecord& cut = table[2];
  EXPECT_EQ("2:5090/78", FieldText(cut.name));
  EXPECT_EQ(kIncoming, cut.kind);
  EXPECT_EQ("192.0.2.7", table.Connect(cut));
  EXPECT_EQ("11:00:09", FieldText(cut.end_time));
  EXPECT_EQ(1048576, cut.bytes_received);
  EXPECT_EQ(0, cut.bytes_sent);

  EXPECT_EQ((std::vector<std::string>{
                "0 r 2:5090/12 big2.zip 2500000 OK, 833333 cps",
                "0 s 2:5090/12 big1.zip 3000000 OK, 1000000 cps",
                "0 s 2:5090/12 a.pkt 123 OK, 123 cps",
                "2 r 2:5090/78 thistle.zip 1048576 OK, 524288 cps"}),
            scratch.lines);
}

TEST(BinkdDialect, ChosenByTheLinesOrByName) {
  EXPECT_EQ(&BinkdDialect(), &DialectOfLines(kLog));
  EXPECT_EQ(
      &TmailDialect(),
      &DialectOfLines("15/03 09:54:52 \xFE Incoming call: CONNECT 2400\n"));
  EXPECT_EQ(&BinkdDialect(), DialectNamed("BinkD"));
  EXPECT_EQ(&TmailDialect(), DialectNamed("tmail"));
  EXPECT_EQ(nullptr, DialectNamed("qico"));

  BinkdLine parts;
  ASSERT_TRUE(ParseBinkdLine("?  5 Jan 01:02:03 [7] text\n", parts));
  EXPECT_EQ(5, parts.day);
  EXPECT_EQ(1, parts.month);
  EXPECT_EQ("01:02:03", parts.time);
  EXPECT_EQ(7, parts.pid);
  EXPECT_EQ("text", parts.text);
  ASSERT_TRUE(ParseBinkdLine("+ 15 Mar 12:34:56 no process id", parts));
  EXPECT_EQ(0, parts.pid);
  EXPECT_EQ("no process id", parts.text);
  EXPECT_FALSE(ParseBinkdLine("15/03 12:34:56 T-Mail", parts));
  EXPECT_FALSE(ParseBinkdLine("+ 15 Mxr 12:34:56 [1] x", parts));
  EXPECT_FALSE(ParseBinkdLine("+ 15 Mar 12:34:56 [1x] x", parts));
}

}  // namespace
}  // namespace brantlow
