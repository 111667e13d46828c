// A log file is read from where the days asked for begin, found without
// reading it all; standard input is read from its start. On a log of two
// years whose lines come up to a day late, both must give the same reports.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// One session of a day at an hour, in the mailer's lines.
std::string Session(int day, int month, int hour, int node) {
  char text[640];
  std::snprintf(
      text, sizeof text,
      "%02d/%02d %02d:10:00 \xFE Incoming call: CONNECT 33600/ARQ\r\n"
      "%02d/%02d %02d:10:09 2:5020/%d, using T-Mail/2608.NT\r\n"
      "%02d/%02d %02d:10:12 HR-16 f%d.pkt %d OK: 0:06, 2080 cps, 42%%\r\n"
      "%02d/%02d %02d:10:30 \xFE 2:5020/%d, bytes %d/%d, time 0:00:30\r\n",
      day, month, hour, day, month, hour, node, day, month, hour, node,
      1000 + node, day, month, hour, node, 1000 + node, node);
  return text;
}

// Two years from 1 January, twelve sessions a day; every fifth day a line of
// the day before comes after the first session of the day (a late line).
// second_year_at: where the second year begins.
std::string TwoYears(std::size_t* second_year_at = nullptr) {
  std::string log;
  int node = 0;
  for (int year = 0; year < 2; ++year) {
    if (year == 1 && second_year_at != nullptr) *second_year_at = log.size();
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= kMonthDays[month - 1]; ++day) {
        for (int hour = 1; hour < 24; hour += 2) {
          log += Session(day, month, hour, ++node % 97 + year);
          if (hour == 1 && day % 5 == 0) {
            char late[96];
            std::snprintf(late, sizeof late,
                          "%02d/%02d 23:59:58 Rescanning outbound, late\r\n",
                          day == 1 ? 28 : day - 1, day == 1 ? month : month);
            log += late;
          }
        }
        log += "    a line without a date\r\n";
      }
  }
  return log;
}

// The same run on the log named as a file (read from where its days begin)
// and on the log as standard input (read from its start).
std::pair<RunResult, RunResult> FileAndPipe(
    const std::string& log, const std::vector<std::string>& args) {
  TranscriptCase file;
  file.args = {"LOG"};
  file.args.insert(file.args.end(), args.begin(), args.end());
  file.inputs["LOG"] = log;
  TranscriptCase piped = file;
  piped.args[0] = "-";
  piped.standard_input = "LOG";
  return {RunCase(file, BRANTLOW_BINARY, BRANTLOW_STANDIN),
          RunCase(piped, BRANTLOW_BINARY, BRANTLOW_STANDIN)};
}

TEST(RegionRead, ReportsEqualThoseOfAReadFromTheStart) {
  const std::string log = TwoYears();
  ASSERT_GT(log.size(), 1536u << 10);
  const std::vector<std::vector<std::string>> runs = {
      {"/d=15.06", "+l", "+a", "/c=300"},  // the middle of the last year
      {"/d=01.01"},                        // the first day of the last year
      {"/d=31.12"},                        // the log's last day
      {"/d=02.01"},                        // near the start of the last year
      {"/d=31.12", "/t=22:00-03:00"},      // across the new year
      {"/p=01.03-31.03"},                  // a month
      {"/p=25.12-06.01"},                  // a period across the new year
  };
  for (const std::vector<std::string>& run : runs) {
    const auto [a, b] = FileAndPipe(log, run);
    const std::string report =
        run[0].substr(0, 3) == "/p=" ? "perdata.zvx" : "logdata.zvx";
    ASSERT_EQ(1u, a.files.count(report)) << run[0];
    EXPECT_TRUE(a.files.at(report) == b.files.at(report)) << run[0];
    EXPECT_NE(std::string::npos, a.files.at(report).find("2:5020/")) << run[0];
  }
}

// A clock set back to January in the middle of July begins a new year of
// the log as the years are counted, inside the period (its first half then
// lies in an earlier year than the one chosen): a month read from where it
// begins, its days counted as the reading passes them, must still equal the
// read from the start.
TEST(RegionRead, AYearBegunInsideAPeriodGivesTheSameReport) {
  std::string log = TwoYears();
  log.insert(log.rfind("16/07 01:10:00"),
             "05/01 12:00:00 Rescanning outbound, the clock set back\r\n");
  const auto [a, b] = FileAndPipe(log, {"/p=01.07-31.07"});
  ASSERT_EQ(1u, a.files.count("perdata.zvx"));
  EXPECT_TRUE(a.files.at("perdata.zvx") == b.files.at("perdata.zvx"))
      << Printable(a.files.at("perdata.zvx")) << "\n"
      << Printable(b.files.at("perdata.zvx"));
}

// The log of 2024 and 2025, read early in 2026: a day of either year, named
// or not, gives the report of that year's lines alone (each read early in
// the year after it), whether the days are read from where they begin or
// the whole log is read with its years counted back from its end.
TEST(RegionRead, EachYearOfTheLogGivesItsOwnLinesAlone) {
  std::size_t second_year_at = 0;
  const std::string log = TwoYears(&second_year_at);
  struct Run {
    std::vector<std::string> args;
    std::string alone;  // the year's lines
    const char* alone_date;
  };
  const std::vector<Run> runs = {
      {{"/d=15.06", "+l", "+a", "/c=300"},
       log.substr(second_year_at),
       "2026-01-05 12:00:00"},
      {{"/d=15.06.2024", "+l", "+a", "/c=300"},
       log.substr(0, second_year_at),
       "2025-01-05 12:00:00"},
      {{"/p=25.12.2024-06.01.2025"}, {}, nullptr},
  };
  for (const Run& run : runs) {
    TranscriptCase whole;
    whole.date = "2026-01-05 12:00:00";
    whole.args = {"LOG"};
    whole.args.insert(whole.args.end(), run.args.begin(), run.args.end());
    whole.inputs["LOG"] = log;
    const RunResult a = RunCase(whole, BRANTLOW_BINARY, BRANTLOW_STANDIN);
    const std::string report =
        run.args[0].substr(0, 3) == "/p=" ? "perdata.zvx" : "logdata.zvx";
    ASSERT_EQ(1u, a.files.count(report)) << run.args[0];
    if (run.alone_date == nullptr) {
      // Across the new year of the log: both years' days have sessions.
      for (const char* day : {" 25.12 ", " 06.01 "}) {
        const std::size_t row = a.files.at(report).find(day);
        ASSERT_NE(std::string::npos, row) << day;
        EXPECT_EQ(std::string::npos,
                  a.files.at(report).substr(row, 20).find("\xB3      0\xB3"))
            << day;
      }
      continue;
    }
    TranscriptCase alone = whole;
    alone.date = run.alone_date;
    alone.inputs["LOG"] = run.alone;
    const RunResult b = RunCase(alone, BRANTLOW_BINARY, BRANTLOW_STANDIN);
    EXPECT_TRUE(a.files.at(report) == b.files.at(report)) << run.args[0];
    EXPECT_NE(std::string::npos, a.files.at(report).find("15.06."))
        << run.args[0];
  }
}

}  // namespace
}  // namespace brantlow::e2e
