// A station of three lines, two invented T-Mail logs and the example binkd
// log, run once with --station and line by line as runs of their own: each
// line's files are the same bytes, the station's numbers are the sums of
// the lines' (a link reached on two lines one row), and the T-Mail lines
// count the sessions the invented logs hold.
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/cp866.h"
#include "tests/e2e/json_value.h"
#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

struct Numbers {
  long long sessions = 0, incoming = 0, outgoing = 0, received = 0, sent = 0,
            seconds = 0;
  bool operator==(const Numbers&) const = default;
  void Add(const Numbers& n) {
    sessions += n.sessions;
    incoming += n.incoming;
    outgoing += n.outgoing;
    received += n.received;
    sent += n.sent;
    seconds += n.seconds;
  }
};

std::ostream& operator<<(std::ostream& out, const Numbers& n) {
  return out << n.sessions << " sessions (" << n.incoming << " in, "
             << n.outgoing << " out), " << n.received << "/" << n.sent
             << " bytes, " << n.seconds << " s";
}

// The sessions an invented log holds, in all and per address.
struct Truth {
  Numbers all;
  std::map<std::string, Numbers> addresses, days;
};

// One T-Mail session: its connect, the remote's address, the summary line
// seconds later.
void Session(int day, int minute_of_day, const std::string& address,
             bool incoming, long long received, long long sent, int seconds,
             std::string& log, Truth* truth) {
  char text[200];
  auto add = [&](int at, const std::string& what) {
    std::snprintf(text, sizeof text, "%02d/12 %02d:%02d:%02d %s\r\n", day,
                  at / 3600, at / 60 % 60, at % 60, what.c_str());
    log += text;
  };
  const int start = minute_of_day * 60;
  if (!incoming) add(start - 30, "Dialing " + address + " (+7-095-123-4567)");
  add(start, std::string("\xFE ") + (incoming ? "Incoming" : "Outgoing") +
                 " call: CONNECT 33600/ARQ/V34/LAPM/V42BIS");
  add(start + 9, address + ", using T-Mail/2608.NT");
  std::snprintf(text, sizeof text, "\xFE %s, bytes %lld/%lld, time 0:%02d:%02d",
                address.c_str(), received, sent, seconds / 60, seconds % 60);
  add(start + seconds, text);
  if (truth == nullptr) return;
  const Numbers n{1,    incoming ? 1 : 0, incoming ? 0 : 1, received,
                  sent, seconds};
  truth->all.Add(n);
  truth->addresses[address].Add(n);
}

// A month of a line: its links call or are called on most days; 2:5020/1234
// is on both lines, 2:5090/34 also a link of the binkd line. The truth
// gets the sessions of the days first to last.
std::string TmailLine(int line, int first, int last, Truth& truth) {
  std::string log;
  for (int day = 1; day <= 31; ++day) {
    Truth* t = day >= first && day <= last ? &truth : nullptr;
    char start[80];
    std::snprintf(start, sizeof start,
                  "%02d/12 00:00:05 \xFE T-Mail 2608.NT, line %d, event "
                  "processor started\r\n",
                  day, line);
    log += start;
    if (line == 1) {
      Session(day, 130, "2:5020/1234", true, 1000 * day, 200, 65, log, t);
      if (day % 3 != 0)
        Session(day, 840, "2:5090/34", false, 500, 3000 + day, 125, log, t);
    } else {
      Session(day, 195, "2:5020/1234", false, 4000, 100 * day, 300, log, t);
      if (day % 2 == 0)
        Session(day, 1390, "2:463/68", true, 7000 + day, 0, 1200, log, t);
    }
    log += std::string(start, 6) + "09:00:00 Rescanning outbound\r\n";
  }
  return log;
}

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(BRANTLOW_SOURCE_DIR) + "/" + name,
                   std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

JsonValue Parse(const std::string& text) {
  JsonValue value;
  JsonReader reader;
  EXPECT_TRUE(reader.Read(text, value)) << "not JSON at " << reader.error_at();
  return value;
}

Numbers FromJson(const JsonValue& v) {
  return {static_cast<long long>(v["sessions"].number),
          static_cast<long long>(v["incoming"].number),
          static_cast<long long>(v["outgoing"].number),
          static_cast<long long>(v["received"].number),
          static_cast<long long>(v["sent"].number),
          static_cast<long long>(v["duration"].number)};
}

std::map<std::string, Numbers> Addresses(const JsonValue& run) {
  std::map<std::string, Numbers> addresses;
  for (const JsonValue& a : run["addresses"].items)
    addresses[a["name"].text] = FromJson(a);
  return addresses;
}

// The cells of a framed row of a CP866 report, trimmed; none for others.
std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  if (line.size() < 2 || line.front() != '\xBA' || line.back() != '\xBA')
    return cells;
  std::string cell;
  auto push = [&] {
    const auto a = cell.find_first_not_of(' ');
    const auto b = cell.find_last_not_of(' ');
    cells.push_back(a == std::string::npos ? "" : cell.substr(a, b - a + 1));
    cell.clear();
  };
  for (std::size_t i = 1; i + 1 < line.size(); ++i) {
    if (line[i] == '\xB3')
      push();
    else
      cell += line[i];
  }
  push();
  return cells;
}

long long Seconds(const std::string& hms) {
  long long h = 0, m = 0, s = 0;
  if (std::sscanf(hms.c_str(), "%lld:%lld:%lld", &h, &m, &s) != 3) return -1;
  return h * 3600 + m * 60 + s;
}

// The rows of stadata.zvx: its lines table (8 cells) by the first cell,
// and its addresses table (10 cells) by name.
struct StationReport {
  std::map<std::string, Numbers> lines;
  std::map<std::string, Numbers> addresses;
};

StationReport ReadStationReport(const std::string& cp866) {
  StationReport report;
  std::istringstream in(cp866);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> c = Cells(line);
    if (c.size() == 8 && Seconds(c[7]) >= 0)
      report.lines[c[0]] = {std::stoll(c[1]), std::stoll(c[2]),
                            std::stoll(c[3]), std::stoll(c[5]),
                            std::stoll(c[6]), Seconds(c[7])};
    if (c.size() == 10 && Seconds(c[9]) >= 0)
      report.addresses[c[0]] = {std::stoll(c[1]), std::stoll(c[2]),
                                std::stoll(c[3]), std::stoll(c[4]),
                                std::stoll(c[5]), Seconds(c[9])};
  }
  return report;
}

class StationTest : public testing::TestWithParam<const char*> {};

TEST_P(StationTest, IsTheSumOfItsLinesRunAlone) {
  const std::string scope = GetParam();
  const bool period = scope.starts_with("/p=");
  Truth truth1, truth2;
  std::map<std::string, std::string> lines[3];
  lines[0]["brantlow.cfg"] = "LogFile binkd.log\r\n";
  lines[0]["binkd.log"] = ReadSource("examples/binkd.log");
  lines[1]["brantl1.cfg"] = "LogFile t1.log\r\n";
  lines[1]["t1.log"] = TmailLine(1, period ? 1 : 7, period ? 31 : 7, truth1);
  lines[2]["brantl2.cfg"] = "LogFile t2.log\r\nString -g\r\n";
  lines[2]["t2.log"] = TmailLine(2, period ? 1 : 7, period ? 31 : 7, truth2);
  const std::vector<std::string> outputs = {"--json", "--csv", "--html"};

  TranscriptCase station;
  station.date = "2027-01-02 12:00:00";
  for (const auto& files : lines)
    station.inputs.insert(files.begin(), files.end());
  station.args = {"--station", scope};
  station.args.insert(station.args.end(), outputs.begin(), outputs.end());
  RunResult s = RunCase(station, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, s.exit_status) << Printable(s.stdout_bytes);

  Numbers all;
  std::map<std::string, Numbers> addresses, days;
  const StationReport report = ReadStationReport(s.files["stadata.zvx"]);
  for (int n = 0; n < 3; ++n) {
    SCOPED_TRACE("line " + std::to_string(n));
    TranscriptCase alone = station;
    alone.inputs = lines[n];
    alone.args = {scope};
    if (n > 0) alone.args.push_back("line" + std::to_string(n));
    alone.args.insert(alone.args.end(), outputs.begin(), outputs.end());
    RunResult r = RunCase(alone, BRANTLOW_BINARY, BRANTLOW_STANDIN);
    ASSERT_EQ(0, r.exit_status) << Printable(r.stdout_bytes);
    int made = 0;
    for (const auto& [name, bytes] : r.files) {
      if (lines[n].count(name) > 0) continue;
      ++made;
      EXPECT_EQ(bytes, s.files[name]) << name;
    }
    EXPECT_EQ(5, made);  // the report, JSON, two CSV, HTML
    const JsonValue own =
        Parse(r.files[n == 0 ? "brantlow.json"
                             : "brantlow" + std::to_string(n) + ".json"]);
    const Numbers totals = FromJson(own["totals"]);
    if (n > 0) {
      const Truth& truth = n == 1 ? truth1 : truth2;
      EXPECT_EQ(truth.all, totals);
      EXPECT_EQ(truth.addresses, Addresses(own));
    }
    EXPECT_EQ(totals, report.lines.at(std::to_string(n)));
    all.Add(totals);
    for (const JsonValue& day : own["days"].items)
      days[day["date"].text].Add(FromJson(day));
    for (const auto& [name, numbers] : Addresses(own))
      addresses[name].Add(numbers);
  }
  // Links of two lines: 2:5020/1234 of both T-Mail lines, 2:5090/34 of
  // line 1 and the binkd line.
  EXPECT_EQ(truth1.addresses["2:5020/1234"].sessions +
                truth2.addresses["2:5020/1234"].sessions,
            addresses["2:5020/1234"].sessions);
  EXPECT_LT(truth1.addresses["2:5090/34"].sessions,
            addresses["2:5090/34"].sessions);
  const JsonValue json = Parse(s.files["station.json"]);
  ASSERT_EQ(3u, json["lines"].items.size());
  EXPECT_EQ(all, FromJson(json["station"]["totals"]));
  EXPECT_EQ(addresses, Addresses(json["station"]));
  EXPECT_EQ(all, report.lines.at(CP866("Всего")));
  // Each day of a period summed over the lines, in the JSON and the
  // report.
  ASSERT_EQ(period ? 31u : 0u, days.size());  // a window has no days
  for (const JsonValue& day : json["station"]["days"].items) {
    const std::string date = day["date"].text;
    EXPECT_EQ(days[date], FromJson(day)) << date;
    if (period) {
      // The report writes "dd.mm" where the JSON writes "yyyy-mm-dd".
      const std::string day_month = date.substr(8, 2) + "." + date.substr(5, 2);
      EXPECT_EQ(days[date], report.lines.at(day_month)) << date;
    }
  }
  std::map<std::string, Numbers> report_addresses = report.addresses;
  const Numbers report_total = report_addresses[CP866("Всего")];
  report_addresses.erase(CP866("Всего"));
  EXPECT_EQ(addresses, report_addresses);
  EXPECT_EQ(all, report_total);
  // The CSV files: name, sessions, incoming, outgoing, received, sent, ...,
  // duration last; the lines' file ends with the station's row.
  std::map<std::string, Numbers> csv_addresses;
  std::istringstream csv(s.files["staaddr.csv"]);
  std::string row;
  std::getline(csv, row);  // the header
  while (std::getline(csv, row)) {
    std::vector<std::string> f;
    std::istringstream fields(row);
    for (std::string field; std::getline(fields, field, ',');)
      f.push_back(field);
    ASSERT_EQ(10u, f.size()) << row;
    csv_addresses[f[0]] = {std::stoll(f[1]), std::stoll(f[2]),
                           std::stoll(f[3]), std::stoll(f[4]),
                           std::stoll(f[5]), std::stoll(f[9])};
  }
  EXPECT_EQ(addresses, csv_addresses);
  char station_row[200];
  std::snprintf(station_row, sizeof station_row,
                "station,,,%lld,%lld,%lld,0,%lld,%lld,%lld,\n", all.sessions,
                all.incoming, all.outgoing, all.received, all.sent,
                all.seconds);
  EXPECT_TRUE(s.files["stalines.csv"].ends_with(station_row))
      << s.files["stalines.csv"];
  // Line 2 draws no chart (-g): the station's is the mean of the two.
  const JsonValue& busy = json["station"]["busy"];
  ASSERT_EQ(48u, busy.items.size());
  for (int k = 0; k < 48; ++k)
    EXPECT_EQ(
        static_cast<int>((json["lines"].items[0]["busy"].items[k].number +
                          json["lines"].items[1]["busy"].items[k].number) /
                         2),
        busy.items[k].number)
        << "half hour " << k;
}

INSTANTIATE_TEST_SUITE_P(WindowAndMonth, StationTest,
                         testing::Values("/d=07.12", "/p=01.12-31.12"));

}  // namespace
}  // namespace brantlow::e2e
