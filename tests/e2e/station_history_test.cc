// An invented station's November, read whole after a part of each line
// was packed away: two T-Mail lines (one with an older rotated .gz) and a
// binkd line, each first reported alone before packing. The station run
// must give each line the same period report, sum the lines' figures,
// count every session written once, and count each link's calls and
// failures as they were written.
#include <zlib.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/json_value.h"
#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

bool Installed(const char* program) {
  std::string probe = std::string("command -v ") + program + " >/dev/null 2>&1";
  return std::system(probe.c_str()) == 0;
}

#define REQUIRE_PROGRAM(p)                           \
  do {                                               \
    if (!Installed(p)) {                             \
      if (std::getenv("BRANTLOW_REQUIRE_ARCHIVERS")) \
        FAIL() << p << " is not installed";          \
      GTEST_SKIP() << p << " is not installed";      \
    }                                                \
  } while (0)

// The failure reasons in the order of the JSON's "failed" object.
enum Reason {
  kNoCarrier,
  kBusy,
  kNoAnswer,
  kNoDialTone,
  kRefused = 5,
  kTimedOut = 6
};
constexpr std::array<const char*, 7> kReasonKeys = {
    "no_carrier", "busy",    "no_answer", "no_dial_tone",
    "handshake",  "refused", "timed_out"};
constexpr std::array<const char*, 4> kModemAnswers = {
    "NO CARRIER", "BUSY", "NO ANSWER", "NO DIAL TONE"};

struct LinkTruth {
  int calls = 0, connected = 0, incoming = 0, good = 0;
  std::array<int, 7> failed{};
  bool operator==(const LinkTruth&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LinkTruth& t) {
  out << t.calls << " calls, " << t.connected << " connected, " << t.incoming
      << " in, " << t.good << " good, failed";
  for (int f : t.failed) out << " " << f;
  return out;
}

// What was written: the links over the whole station, and each line's
// sessions per day ("2026-11-dd").
struct Truth {
  std::map<std::string, LinkTruth> links;
  std::array<std::map<std::string, int>, 3> days;
};

// The lines of one day of a line, written as the log's mailer would; the
// truth is counted when counted is set (a day written twice, in the log
// and the rotated file, is counted once).
class Day {
 public:
  Day(int line, int day, Truth& truth, bool counted)
      : line_(line), day_(day), truth_(truth), counted_(counted) {
    std::snprintf(date_, sizeof date_, "2026-11-%02d", day);
  }
  const std::string& text() const { return text_; }

  void Stamp(int second, const std::string& what) {
    char head[64];
    if (line_ == 2)
      std::snprintf(head, sizeof head, "+ %02d Nov %02d:%02d:%02d [%d] ", day_,
                    second / 3600, second / 60 % 60, second % 60,
                    1000 + second / 60);
    else
      std::snprintf(head, sizeof head, "%02d/11 %02d:%02d:%02d ", day_,
                    second / 3600, second / 60 % 60, second % 60);
    text_ += head + what + (line_ == 2 ? "\n" : "\r\n");
  }

  // A T-Mail session, dialled out or called in, reaching its summary.
  void TmailSession(int minute, const std::string& address, bool incoming) {
    const int s = minute * 60;
    if (!incoming) Stamp(s - 30, "Dialing " + address + " (+7-095-555-0101)");
    Stamp(s, std::string("\xFE ") + (incoming ? "Incoming" : "Outgoing") +
                 " call: CONNECT 33600/ARQ/V34/LAPM/V42BIS");
    Stamp(s + 9, address + ", using T-Mail/2608.NT");
    Stamp(s + 70, "\xFE " + address + ", bytes 1000/2000, time 0:01:10");
    Good(address, incoming);
  }

  // A dial the modem answers with a failure.
  void TmailFailure(int minute, const std::string& address, Reason why) {
    Stamp(minute * 60, "Dialing " + address + " (+7-095-555-0202)");
    Stamp(minute * 60 + 40, kModemAnswers[why]);
    Count(address, [&](LinkTruth& t) {
      ++t.calls;
      ++t.failed[why];
    });
  }

  // A binkd session ending OK: a call made, or one taken.
  void BinkdSession(int minute, const std::string& address, bool incoming) {
    const int s = minute * 60;
    if (incoming) {
      Stamp(s, "incoming session with 192.0.2.34");
    } else {
      Stamp(s, "call to " + address + "@fidonet");
      Stamp(s, "connected");
      Stamp(s, "outgoing session with 192.0.2.12:24554");
    }
    Stamp(s + 1, "addr: " + address + "@fidonet");
    Stamp(s + 5, std::string("done (") + (incoming ? "from " : "to ") +
                     address + "@fidonet, OK, S/R: 1/1 (2048/4096 bytes))");
    Good(address, incoming);
  }

  // A call binkd could not connect: a session of its own, failed.
  void BinkdFailure(int minute, const std::string& address, Reason why) {
    Stamp(minute * 60, "call to " + address + "@fidonet");
    Stamp(minute * 60 + 1, "connection to " + address + "@fidonet failed: " +
                               (why == kRefused ? "Connection refused"
                                                : "Connection timed out"));
    Count(address, [&](LinkTruth& t) {
      ++t.calls;
      ++t.failed[why];
    });
    if (counted_) ++truth_.days[line_][date_];
  }

 private:
  template <typename F>
  void Count(const std::string& address, F f) {
    if (counted_) f(truth_.links[address]);
  }
  void Good(const std::string& address, bool incoming) {
    Count(address, [&](LinkTruth& t) {
      ++t.good;
      if (incoming) {
        ++t.incoming;
      } else {
        ++t.calls;
        ++t.connected;
      }
    });
    if (counted_) ++truth_.days[line_][date_];
  }

  int line_, day_;
  char date_[16];
  Truth& truth_;
  bool counted_;
  std::string text_;
};

// Each line's day: 2:5020/1234 is a link of both T-Mail lines, 2:5090/34
// of line 1 and the binkd line.
std::string LineDay(int line, int day, Truth& truth, bool counted) {
  Day d(line, day, truth, counted);
  if (line == 0) {
    d.Stamp(5, "\xFE T-Mail 2608.NT, line 0, event processor started");
    d.TmailSession(195, "2:5020/1234", false);
    d.TmailFailure(720, "2:5020/777", static_cast<Reason>(day % 4));
    if (day % 5 == 0) d.TmailFailure(780, "2:463/68", kNoCarrier);
    if (day % 2 == 0) d.TmailSession(1390, "2:463/68", true);
  } else if (line == 1) {
    d.Stamp(5, "\xFE T-Mail 2608.NT, line 1, event processor started");
    d.TmailSession(130, "2:5020/1234", true);
    if (day % 3 != 0)
      d.TmailSession(840, "2:5090/34", false);
    else
      d.TmailFailure(840, "2:5090/34", kBusy);
    if (day % 7 == 0) d.TmailFailure(960, "2:5020/1234", kNoAnswer);
  } else {
    d.BinkdSession(600, "2:5090/12", false);
    if (day % 2 == 1) d.BinkdSession(660, "2:5090/34", true);
    if (day % 4 == 0) d.BinkdFailure(720, "2:5090/56", kRefused);
    if (day % 6 == 0) d.BinkdFailure(750, "2:5090/57", kTimedOut);
  }
  return d.text();
}

// A gzip file whose header dates its contents 06/11/2026 at noon.
std::string Gzipped(const std::string& text) {
  z_stream z{};
  EXPECT_EQ(Z_OK, deflateInit2(&z, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY));
  std::tm noon{};
  noon.tm_year = 126;
  noon.tm_mon = 10;
  noon.tm_mday = 6;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  gz_header header{};
  header.time = static_cast<uLong>(std::mktime(&noon));
  header.os = 3;
  deflateSetHeader(&z, &header);
  std::string out(deflateBound(&z, text.size()) + 64, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(Z_STREAM_END, deflate(&z, Z_FINISH));
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// The station's files; the configurations without packing. Line 0's log
// holds 05/11 on, its rotated file 01/11 to 06/11.
std::map<std::string, std::string> StationFiles(Truth& truth) {
  std::map<std::string, std::string> files;
  std::string rotated, logs[3];
  logs[2] = "  01 Nov 00:00:01 [999] BEGIN, binkd/1.1a-115/Linux -p b.cfg\n";
  for (int day = 1; day <= 30; ++day) {
    if (day <= 6) rotated += LineDay(0, day, truth, day < 5);
    if (day >= 5) logs[0] += LineDay(0, day, truth, true);
    logs[1] += LineDay(1, day, truth, true);
    logs[2] += LineDay(2, day, truth, true);
  }
  files["t0.log"] = logs[0];
  files["old/t0.log.1.gz"] = Gzipped(rotated);
  files["t1.log"] = logs[1];
  files["binkd.log"] = logs[2];
  files["brantlow.cfg"] = "LogFile t0.log\r\nHistory old/t0.log.*.gz\r\n";
  files["brantl1.cfg"] = "LogFile t1.log\r\n";
  files["brantl2.cfg"] = "LogFile binkd.log\r\n";
  return files;
}

JsonValue Parse(const std::string& text) {
  JsonValue value;
  JsonReader reader;
  EXPECT_TRUE(reader.Read(text, value)) << "not JSON at " << reader.error_at();
  return value;
}

// Sessions, in, out, received, sent, seconds of a JSON figures object.
using Figures = std::array<long long, 6>;
Figures Of(const JsonValue& v) {
  Figures f{};
  const char* keys[] = {"sessions", "incoming", "outgoing",
                        "received", "sent",     "duration"};
  for (int k = 0; k < 6; ++k) f[k] = static_cast<long long>(v[keys[k]].number);
  return f;
}
void Add(Figures& to, const Figures& f) {
  for (int k = 0; k < 6; ++k) to[k] += f[k];
}

std::map<std::string, Figures> Keyed(const JsonValue& list, const char* key) {
  std::map<std::string, Figures> out;
  for (const JsonValue& item : list.items) out[item[key].text] = Of(item);
  return out;
}

TEST(StationHistoryTest, AMonthPackedAwayReadsAsBeforeAndSumsItsLines) {
  REQUIRE_PROGRAM("zip");
  REQUIRE_PROGRAM("unzip");
  REQUIRE_PROGRAM("arj");
  Truth truth;
  TranscriptCase c;
  c.name = "station history";
  c.date = "2026-12-01 12:00:00";
  c.inputs = StationFiles(truth);

  // Each line's period alone, before anything is packed.
  const char* reports[3] = {"perdata.zvx", "perdat1.zvx", "perdat2.zvx"};
  const char* jsons[3] = {"brantlow.json", "brantlow1.json", "brantlow2.json"};
  std::array<std::string, 3> alone_report;
  std::array<JsonValue, 3> alone;
  for (int n = 0; n < 3; ++n) {
    TranscriptCase a = c;
    a.args = {"/p=01.11-30.11", "--json"};
    if (n > 0) a.args.push_back("line" + std::to_string(n));
    RunResult r = RunCase(a, BRANTLOW_BINARY, BRANTLOW_STANDIN);
    ASSERT_EQ(0, r.exit_status) << r.stdout_bytes;
    ASSERT_EQ(1u, r.files.count(reports[n])) << r.stdout_bytes;
    alone_report[n] = r.files[reports[n]];
    alone[n] = Parse(r.files[jsons[n]]);
  }

  // Ten days kept in each log; line 0 packs with zip, line 1 with arj,
  // the binkd line with zip, by its own dates.
  c.inputs["brantlow.cfg"] +=
      "PackDay 10\r\nPackLog ./pack0\r\n@ZIP \"zip -9\"\r\n";
  c.inputs["brantl1.cfg"] +=
      "PackDay 10\r\nPackLog ./pack1\r\n@ARJ \"arj a -y\"\r\n";
  c.inputs["brantl2.cfg"] +=
      "PackDay 10\r\nPackLog ./pack2\r\n@ZIP \"zip -9\"\r\n";
  c.args = {"--station", "/p=01.11-30.11", "--json", "--links"};
  RunResult s = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, s.exit_status) << s.stdout_bytes;
  ASSERT_EQ(1u, s.files.count("pack0/logpack.zip")) << s.stdout_bytes;
  ASSERT_EQ(1u, s.files.count("pack1/logpack.arj")) << s.stdout_bytes;
  ASSERT_EQ(1u, s.files.count("pack2/logpack.zip")) << s.stdout_bytes;
  EXPECT_EQ(std::string::npos, s.files["binkd.log"].find(" 21 Nov "));
  EXPECT_EQ(0u, s.files["t0.log"].find("22/11 "));
  EXPECT_EQ(0u, s.files["t1.log"].find("22/11 "));

  // (1) Each line as before packing; (2) the station the sum of its lines.
  const JsonValue station = Parse(s.files["station.json"]);
  ASSERT_EQ(3u, station["lines"].items.size());
  Figures totals{};
  std::map<std::string, Figures> days, addresses;
  for (int n = 0; n < 3; ++n) {
    SCOPED_TRACE("line " + std::to_string(n));
    EXPECT_EQ(alone_report[n], s.files[reports[n]]);
    const JsonValue after = Parse(s.files[jsons[n]]);
    EXPECT_EQ(Of(alone[n]["totals"]), Of(after["totals"]));
    EXPECT_EQ(Keyed(alone[n]["days"], "date"), Keyed(after["days"], "date"));
    Add(totals, Of(alone[n]["totals"]));
    for (const auto& [date, f] : Keyed(alone[n]["days"], "date"))
      Add(days[date], f);
    for (const auto& [name, f] : Keyed(alone[n]["addresses"], "name"))
      Add(addresses[name], f);
    // (3) Every session written, once, on its day.
    ASSERT_EQ(30u, alone[n]["days"].items.size());
    for (const JsonValue& day : alone[n]["days"].items)
      EXPECT_EQ(truth.days[n][day["date"].text], day["sessions"].number)
          << day["date"].text;
  }
  EXPECT_EQ(totals, Of(station["station"]["totals"]));
  EXPECT_EQ(days, Keyed(station["station"]["days"], "date"));
  EXPECT_EQ(addresses, Keyed(station["station"]["addresses"], "name"));

  // (4) Each link's calls and how they ended, over the three lines.
  std::map<std::string, LinkTruth> links;
  for (const JsonValue& l : station["station"]["links"].items) {
    LinkTruth& t = links[l["address"].text];
    t.calls = static_cast<int>(l["calls"].number);
    t.connected = static_cast<int>(l["connected"].number);
    t.incoming = static_cast<int>(l["incoming"].number);
    t.good = static_cast<int>(l["good"].number);
    for (std::size_t k = 0; k < kReasonKeys.size(); ++k)
      t.failed[k] = static_cast<int>(l["failed"][kReasonKeys[k]].number);
  }
  EXPECT_EQ(truth.links, links);
}

}  // namespace
}  // namespace brantlow::e2e
