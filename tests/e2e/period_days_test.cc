// A period counts each of its days as the one-day run of that day counts
// it: over a generated month, every day's row of the period report equals
// that day's statistics file, and every address's row the sums of its
// rows in the 31 statistics files; a session written two weeks late
// among them too.
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/cp866.h"
#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos;
       from = at + 2)
    lines.push_back(text.substr(from, at - from));
  return lines;
}

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  if (line.size() < 2 || line.front() != '\xBA' || line.back() != '\xBA')
    return cells;
  std::string cell;
  for (std::size_t i = 1; i + 1 < line.size(); ++i) {
    if (line[i] == '\xB3') {
      cells.push_back(cell);
      cell.clear();
    } else {
      cell += line[i];
    }
  }
  cells.push_back(cell);
  return cells;
}

std::string Trim(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(0, 1);
  return s;
}

long long Seconds(const std::string& hms) {
  int h = 0, m = 0, s = 0;
  if (std::sscanf(Trim(hms).c_str(), "%d:%d:%d", &h, &m, &s) != 3) return -1;
  return h * 3600LL + m * 60 + s;
}

// A day of the generated month: a few calls of a few links, transfers,
// a tosser run, now and then a quick repeat call and a failed handshake.
std::string Day(int day, int salt = 0) {
  std::string log;
  char line[160];
  auto add = [&](const char* text) {
    std::snprintf(line, sizeof line, "%02d/03 %s\r\n", day, text);
    log += line;
  };
  char text[140];
  for (int call = 0; call < day % 5; ++call) {
    const int hour = 1 + (day * 3 + call * 5) % 22;
    const int node = 100 + (day + call * 3 + salt) % 7;
    const bool out = (day + call) % 3 == 0;
    std::snprintf(text, sizeof text,
                  "%02d:10:00 \xFE %s call: CONNECT 33600/ARQ", hour,
                  out ? "Outgoing" : "Incoming");
    add(text);
    std::snprintf(text, sizeof text,
                  "%02d:10:09 2:5020/%d, using T-Mail/2608.NT", hour, node);
    add(text);
    std::snprintf(text, sizeof text,
                  "%02d:10:12 HR-16 a%d.pkt %d OK: 0:06, %d cps, 42%%", hour,
                  day, 1000 * day + call, 100 + day * 7 + call);
    add(text);
    std::snprintf(text, sizeof text,
                  "%02d:10:20 HS-16 b%d.zip %d OK: 0:02, %d cps, 11%%", hour,
                  call, 333 * call + day, 50 + call * 9);
    add(text);
    std::snprintf(text, sizeof text,
                  "%02d:10:%02d \xFE 2:5020/%d, bytes %d/%d, time 0:00:30",
                  hour, 30 + call, node, 1000 * day + call, 333 * call + day);
    add(text);
    if (call == 1) {  // a repeat within the crash-poll period
      std::snprintf(text, sizeof text,
                    "%02d:11:00 \xFE Incoming call: CONNECT 2400", hour);
      add(text);
      std::snprintf(text, sizeof text,
                    "%02d:11:04 2:5020/%d, using T-Mail/2608.NT", hour, node);
      add(text);
      std::snprintf(text, sizeof text,
                    "%02d:11:09 \xFE 2:5020/%d, bytes 7/0, time 0:00:05", hour,
                    node);
      add(text);
    }
  }
  if (day % 4 == 0) {
    add("12:00:00 \xFE Incoming call: CONNECT 9600");
    add("12:00:25 Handshake failure");
  }
  if (day % 2 == 1) {
    add("03:00:00 Tossing inbound mail");
    add("03:02:10 Rescanning outbound, 2 files found");
  }
  return log;
}

TEST(PeriodDays, EachDayAndAddressEqualsTheOneDayRuns) {
  std::string log;
  for (int day = 1; day <= 31; ++day) {
    log += Day(day);
    // The period hands its days over as the reading passes them: this
    // one must still be counted on the 7th.
    if (day == 21)
      log +=
          "07/03 22:40:00 \xFE Incoming call: CONNECT 33600\r\n"
          "07/03 22:40:08 2:5020/999, using T-Mail/2608.NT\r\n"
          "07/03 22:41:08 \xFE 2:5020/999, bytes 4000/5000, time 0:01:00\r\n";
  }
  TranscriptCase base;
  base.date = "2026-04-01 12:00:00";  // after the month, so all of it is read
  base.inputs["LOG"] = log;
  base.inputs["brantlow.cfg"] =
      "Define_1 \"Tossing inbound\"\r\n1_Name \"Tosser run\"\r\n"
      "Cost 2:5020/103 0.5#0.25 0.6#0.3 30\r\nNightTime 23:00-7:00\r\n";
  TranscriptCase period = base;
  period.args = {"LOG", "/p=01.03-31.03", "/c=120"};
  RunResult p = RunCase(period, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, p.exit_status) << Printable(p.stdout_bytes);

  std::map<std::string, std::vector<std::string>> day_rows;
  std::map<std::string, std::vector<std::string>> address_rows;
  for (const std::string& line : Lines(p.files["perdata.zvx"])) {
    const std::vector<std::string> cells = Cells(line);
    if (cells.size() == 9 && Trim(cells[0]).size() == 5 &&
        Trim(cells[0])[2] == '.')
      day_rows[Trim(cells[0])] = cells;
    if (cells.size() == 11 && !Trim(cells[1]).empty() &&
        Trim(cells[0]) != CP866("Всего") && Trim(cells[1]) != CP866("Сессий"))
      address_rows[Trim(cells[0])] = cells;
  }
  ASSERT_EQ(31u, day_rows.size());

  std::map<std::string, double> received, sent, cost;
  std::map<std::string, long long> seconds;
  for (int day = 1; day <= 31; ++day) {
    char date[16];
    std::snprintf(date, sizeof date, "%02d.03", day);
    SCOPED_TRACE(date);
    TranscriptCase one = base;
    one.args = {"LOG", std::string("/d=") + date, "/c=120"};
    RunResult r = RunCase(one, BRANTLOW_BINARY, BRANTLOW_STANDIN);
    ASSERT_EQ(0, r.exit_status);
    const std::vector<std::string>& row = day_rows[date];
    for (const std::string& line : Lines(r.files["logdata.zvx"])) {
      const std::vector<std::string> cells = Cells(line);
      if (cells.size() == 5 && cells[4].size() == 13) {
        if (cells[0].find(CP866("Всего:")) == 0) {
          int total = -1;
          std::sscanf(cells[0].c_str() + std::string(CP866("Всего:")).size(),
                      "%d", &total);
          EXPECT_EQ(total, std::stoi(row[1]));
          EXPECT_EQ(std::stod(cells[1]), std::stod(row[5]));
          EXPECT_EQ(std::stod(cells[2]), std::stod(row[6]));
          EXPECT_EQ(Seconds(cells[4]), Seconds(row[7]));
        } else if (Trim(cells[0]) != CP866("Адрес") &&
                   !Trim(cells[0]).empty()) {
          // (An empty day's blank row is no address.)
          received[Trim(cells[0])] += std::stod(cells[1]);
          sent[Trim(cells[0])] += std::stod(cells[2]);
          seconds[Trim(cells[0])] += Seconds(cells[4]);
        }
      }
      if (cells.size() == 5 && cells[3].size() == 8 && Seconds(cells[3]) >= 0)
        cost[Trim(cells[0])] += std::stod(cells[1]) + std::stod(cells[2]);
    }
  }
  ASSERT_EQ(received.size(), address_rows.size());
  for (const auto& [name, cells] : address_rows) {
    SCOPED_TRACE(name);
    EXPECT_EQ(received[name], std::stod(cells[4]));
    EXPECT_EQ(sent[name], std::stod(cells[5]));
    EXPECT_EQ(seconds[name], Seconds(cells[9]));
  }
  EXPECT_NEAR(cost["2:5020/103"], std::stod(address_rows["2:5020/103"][10]),
              0.01 * 31);
}

// A log kept for two years holds each day of the period twice: the report
// is that of the last year alone.
TEST(PeriodDays, ALogOfTwoYearsGivesTheLastYearsPeriod) {
  std::string old_year, last_year;
  for (int day = 1; day <= 31; ++day) old_year += Day(day, 3);
  old_year += "20/12 10:00:00 Rescanning outbound, 1 files found\r\n";
  last_year += "10/01 10:00:00 Rescanning outbound, 1 files found\r\n";
  for (int day = 1; day <= 31; ++day) last_year += Day(day);
  TranscriptCase both;
  both.args = {"LOG", "/p=01.03-31.03", "/c=120"};
  both.inputs["LOG"] = old_year + last_year;
  TranscriptCase last = both;
  last.inputs["LOG"] = last_year;
  RunResult from_both = RunCase(both, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  RunResult from_last = RunCase(last, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, from_both.exit_status);
  EXPECT_TRUE(from_both.files["perdata.zvx"] == from_last.files["perdata.zvx"])
      << Printable(from_both.files["perdata.zvx"]);
}

}  // namespace
}  // namespace brantlow::e2e
