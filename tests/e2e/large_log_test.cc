// A long log is read through a fast path that passes over other days'
// lines in bulk. What it reports must be what the day's lines alone give.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

std::string Day(int day, int month) {
  std::string lines;
  char line[256];
  auto add = [&](const char* format, int a) {
    std::snprintf(line, sizeof line, "%02d/%02d ", day, month);
    lines += line;
    std::snprintf(line, sizeof line, format, a, a, a);
    lines += line;
    lines += "\r\n";
  };
  for (int hour = 1; hour < 24; hour += 3) {
    add("%02d:00:01 Rescanning outbound", hour);
    add("%02d:10:00 \xFE Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS",
        hour);
    add("%02d:10:05 EMSI: A Station With A Long Name, Somewhere Far Away, "
        "Some Sysop, +7-000-000-0000, 33600, CM,XA,V32B,V42B,ZYX,HYD %d",
        hour);
    add("%02d:10:09 2:5020/%d, using T-Mail/2608.NT", hour);
    add("%02d:10:09 Password protected session", hour);
    add("%02d:10:12 HR-16 0000ff01.mo%d 12480 OK: 0:06, 2080 cps, 42%%", hour);
    add("%02d:10:20 HS-16 1a2b3c4d.pk%d 3210 OK: 0:02, 1605 cps, 11%%", hour);
    add("%02d:10:30 \xFE 2:5020/%d, bytes 12480/3210, time 0:00:30", hour);
  }
  return lines;
}

TEST(LargeLogTest, OtherDaysChangeNothingInTheReports) {
  std::string all, alone;
  for (int month = 1; month <= 3; ++month)
    for (int day = 1; day <= 28; ++day) {
      std::string lines = Day(day, month);
      all += lines;
      if (day == 15 && month == 3) alone += lines;
      // Lines without a date, as real logs have between sessions.
      all += "    continued without a date\r\n";
    }
  ASSERT_GT(all.size(), 100000u);
  TranscriptCase full;
  full.args = {"LOG", "/d=15.03", "/c=60", "+l", "+a"};
  // Run after the log's last day, so that all its days lie in this year.
  full.date = "2026-03-29 12:00:00";
  full.inputs["LOG"] = all;
  // On a terminal, so that the bar is drawn while lines are passed over.
  full.terminal = true;
  TranscriptCase day = full;
  day.inputs["LOG"] = alone;

  RunResult from_all = RunCase(full, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  RunResult from_day = RunCase(day, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(1u, from_all.files.count("logdata.zvx"));
  EXPECT_TRUE(from_all.files["logdata.zvx"] == from_day.files["logdata.zvx"])
      << Printable(from_all.files["logdata.zvx"]);
  EXPECT_NE(std::string::npos, from_all.files["logdata.zvx"].find("2:5020/22"));
  // A log of more than 5000 bytes fills exactly the 50 cells of the bar
  // (on a POSIX terminal: a Windows build under a runner has no console).
  if (std::getenv("BRANTLOW_TEST_RUNNER") == nullptr) {
    EXPECT_EQ(50, std::count(from_all.console_bytes.begin(),
                             from_all.console_bytes.end(), '\xDB'));
  }
  EXPECT_EQ(std::string::npos, from_all.stdout_bytes.find("Warning"));
}

TEST(LargeLogTest, LinesPassedOverInBulkStillCountAsTheMailersLines) {
  // Short lines only, so that every one of the mailer's lines is among
  // those passed over in bulk; the undated ones at the end are read one by
  // one.
  std::string all;
  char line[64];
  for (int day = 1; day <= 28; ++day)
    for (int hour = 0; hour < 24; ++hour) {
      std::snprintf(line, sizeof line,
                    "%02d/02 %02d:00:01 Rescanning outbound\r\n", day, hour);
      all += line;
    }
  for (int i = 0; i < 5; ++i) all += "    continued without a date\r\n";
  TranscriptCase c;
  c.args = {"LOG", "/d=16.04", "-g"};
  c.inputs["LOG"] = all;
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  const std::string warnings = r.stdout_bytes.substr(
      std::min(r.stdout_bytes.find("Warning"), r.stdout_bytes.size()));
  EXPECT_EQ(
      "Warning: no line of LOG lies inside the window 16.04 00:00-23:59\n",
      warnings);
}

}  // namespace
}  // namespace brantlow::e2e
