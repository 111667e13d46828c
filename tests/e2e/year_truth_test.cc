// A year of an invented two-line station, its log written together with
// the truth of every session (day, times, bytes, kind) as the mailer made
// it. The one-day runs, a month's period and a window across midnight must
// find exactly that truth, never what the program itself once printed.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/json_value.h"
#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr int kDays = 365;
constexpr long long kDay = 86400;
// The log runs from 6 December 2025 to 5 December 2026, a few days before
// the runs' today. /d=dd.mm means the latest such day not after tomorrow:
// on 8 December /d=06.12 would be this December's, still to come, so the
// first four days are asked for on 4 December (the log's end is tomorrow
// then, no later).
const sys_days kFirstDay{std::chrono::year{2025} / 12 / 6};
constexpr const char* kToday = "2026-12-08 12:00:00";
constexpr const char* kEarlyToday = "2026-12-04 12:00:00";
constexpr int kEarlyDays = 4;

// Seconds are counted from the log's first midnight; a session's day is
// that of its first line.
struct TrueSession {
  int line = 0;
  long long start = 0;
  long long end = 0;  // last line: the summary, or the last own line
  long long received = 0;
  long long sent = 0;
  char kind = 'i';  // i o T, or ? without a summary
  std::string name;
  int day() const { return static_cast<int>(start / kDay); }
  bool crosses() const { return end / kDay != start / kDay; }
};

std::string Two(long long n) {
  return std::string(1, static_cast<char>('0' + n / 10 % 10)) +
         static_cast<char>('0' + n % 10);
}
std::string Clock(long long at) {
  const long long s = (at % kDay + kDay) % kDay;
  return Two(s / 3600) + ":" + Two(s / 60 % 60) + ":" + Two(s % 60);
}
year_month_day Date(int day) { return year_month_day(kFirstDay + days(day)); }
std::string DayMonth(int day, char separator = '.') {
  const year_month_day d = Date(day);
  return Two(static_cast<unsigned>(d.day())) + separator +
         Two(static_cast<unsigned>(d.month()));
}
int DayOf(int month, int day_of_month) {
  const sys_days d{std::chrono::year{2026} / month / day_of_month};
  return static_cast<int>((d - kFirstDay).count());
}

const char* const kAddresses[] = {"2:5020/1234", "2:5020/777", "2:4527/63",
                                  "2:463/68",    "2:5030/55",  "2:5020/2026.7"};

struct Plan {
  bool outgoing = false;
  bool summary = true;
  long long big = 0;    // the size of a first file over 16 MiB
  long long until = 0;  // transfers go on until then (across midnight)
};

// One line's station: the log and the truth, written together.
class Station {
 public:
  Station(int line, std::uint64_t seed) : line_(line), state_(seed) {
    for (int d = 0; d < kDays; ++d) Day(d);
  }
  std::string log;
  std::vector<TrueSession> truth;

 private:
  std::uint64_t Next() {  // splitmix64: the same numbers on every host
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  long long Pick(long long low, long long high) {
    return low + static_cast<long long>(
                     Next() % static_cast<std::uint64_t>(high - low + 1));
  }
  void Put(long long at, const std::string& text) {
    log += DayMonth(static_cast<int>(at / kDay), '/') + " " + Clock(at) + " " +
           text + "\r\n";
  }

  // A transfer line, finished or cancelled; the finished bytes count.
  long long Transfer(long long at, bool first, const Plan& p, TrueSession& s) {
    const bool received = (first && p.big > 0) || Pick(0, 1) == 0;
    const long long size = first && p.big > 0 ? p.big : Pick(100, 300000);
    const long long cps = Pick(1800, 3300);
    const bool cancelled = !(first && p.big > 0) && Pick(0, 7) == 0;
    const long long moved = cancelled ? size / Pick(2, 9) : size;
    const long long secs = moved / cps + 1;
    at += Pick(1, p.until > 0 ? 300 : 4) + secs;
    const std::string name = "f" + std::to_string(++files_) + ".pkt ";
    const std::string tail = std::to_string(size) + " ";
    const std::string rate = std::to_string(cps) + " cps";
    if (cancelled) {
      Put(at, std::string(received ? "ZR-1 " : "ZS-1 ") + name + tail +
                  "cancelled at pos " + std::to_string(moved) + ", " + rate);
    } else {
      Put(at, std::string(received ? "HR-16 " : "HS-16 ") + name + tail +
                  "OK: " + std::to_string(secs / 60) + ":" + Two(secs % 60) +
                  ", " + rate + ", 93%");
      (received ? s.received : s.sent) += size;
    }
    return at;
  }

  long long Call(long long at, const Plan& p) {
    TrueSession s;
    s.line = line_;
    s.start = at;
    s.kind = p.outgoing ? 'o' : 'i';
    s.name = kAddresses[Pick(0, 5)];
    Put(at, std::string("\xFE ") + (p.outgoing ? "Outgoing" : "Incoming") +
                " call: CONNECT 33600/ARQ/V34/LAPM/V42BIS");
    at += Pick(6, 14);
    Put(at, s.name + ", using T-Mail/2608.NT");
    Put(at, "Password protected session");
    const long long files = Pick(0, 4) + (p.big > 0);
    for (long long f = 0; f < files || at < p.until; ++f)
      at = Transfer(at, f == 0, p, s);
    if (p.summary) {
      at += Pick(2, 9);
      const long long t = at - s.start;
      Put(at, "\xFE " + s.name + ", bytes " + std::to_string(s.received) + "/" +
                  std::to_string(s.sent) + ", time " +
                  std::to_string(t / 3600) + ":" + Two(t / 60 % 60) + ":" +
                  Two(t % 60));
    } else {
      s.kind = '?';
    }
    s.end = at;
    truth.push_back(s);
    return at;
  }

  long long Terminal(long long at) {
    Put(at, "Entering terminal emulator");
    Put(at + 4, "ATZ");
    const long long end = at + Pick(60, 900);
    Put(end, "Leaving terminal emulator");
    truth.push_back({line_, at, end, 0, 0, 'T', "Terminal Emulator"});
    return end;
  }

  // A plan drawn in a fixed order, so that every compiler makes one log.
  Plan Draw(bool summary, long long big, long long until) {
    const bool outgoing = Pick(0, 1) == 1;
    return {outgoing, summary, big, until};
  }

  // Busy nights: a few calls after midnight, a file over 16 MiB on line 1.
  long long Night(int d, long long at) {
    const long long midnight = d * kDay;
    const bool big = line_ == 1 && d == 100;
    const long long calls = std::max(Pick(0, 3), big ? 1LL : 0LL);
    for (long long i = 0; i < calls && at < midnight + 6 * 3600; ++i) {
      const Plan p = Draw(true, big && i == 0 ? 17'000'000 : 0, 0);
      at = Call(at + Pick(60, 2400), p);
    }
    return at;
  }

  // Calls and terminal sessions from 08:15; on a few days a call the
  // mailer's restart cut short, with a later call the same day.
  long long Daytime(int d, long long at) {
    at = std::max(at, d * kDay + 8 * 3600 + 900);
    const bool cut_short = d % 37 == 10 + line_;
    const long long calls = cut_short ? Pick(2, 3) : Pick(1, 3);
    const long long broken = cut_short ? Pick(0, calls - 2) : -1;
    const long long terminal = Pick(0, 4) == 0 ? Pick(0, calls) : -1;
    for (long long i = 0; i <= calls; ++i) {
      if (i == terminal) at = Terminal(at + Pick(60, 3600));
      if (i == calls) break;
      const Plan p = Draw(i != broken, 0, 0);
      at = Call(at + Pick(300, 7200), p);
      if (i != broken || Pick(0, 1) == 0) continue;
      at += Pick(30, 300);
      Put(at, "\xFE T-Mail 2608.NT, line " + std::to_string(line_) +
                  ", event processor started");
    }
    return at;
  }

  // An evening call, on some days still on line at 23:00; on about a third
  // of the days the night mail hour's call across midnight (a file over
  // 16 MiB on line 2). Nothing crosses the midnights around March, nor the
  // log's end.
  long long Evening(int d, long long at) {
    const long long midnight = d * kDay;
    const bool late = d % 50 == 20;
    if (late || Pick(0, 1) == 0) {
      const long long start = midnight + 21 * 3600 + Pick(1800, 7000);
      const Plan p =
          Draw(true, 0, late ? midnight + 23 * 3600 + Pick(60, 600) : 0);
      at = Call(std::max(at + 300, start), p);
    }
    const bool quiet = d == kDays - 1 || d == DayOf(2, 28) || d == DayOf(3, 31);
    const bool big = line_ == 2 && d == 250;
    if (big || late || (!quiet && Pick(0, 2) == 0)) {
      const long long start = midnight + 23 * 3600 + Pick(2400, 3400);
      const long long until = midnight + kDay + Pick(60, 1500);
      const Plan p = Draw(true, big ? 17'500'000 : 0, until);
      at = Call(std::max(at + 120, start), p);
    }
    return at;
  }

  // Nothing is on line around 08:00, the end of the night window.
  void Day(int d) {
    long long at = std::max(free_, d * kDay + Pick(1200, 3600));
    at = Evening(d, Daytime(d, Night(d, at)));
    free_ = at + 60;
  }

  int line_;
  std::uint64_t state_;
  long long free_ = 0;
  int files_ = 0;
};

const Station& Line(int line) {
  static const Station one(1, 0x1996), two(2, 0x2026);
  return line == 1 ? one : two;
}

// What the log held on line from..to: the seconds of every session there.
long long OnLine(int line, long long from, long long to) {
  long long seconds = 0;
  for (const TrueSession& s : Line(line).truth)
    seconds += std::max(0LL, std::min(to, s.end) - std::max(from, s.start));
  return seconds;
}

std::string Describe(const TrueSession& s) {
  return "line " + std::to_string(s.line) + ", " + DayMonth(s.day()) + " " +
         Clock(s.start) + " " + s.kind + " " + s.name +
         (s.crosses()     ? " (across midnight)"
          : s.kind == '?' ? " (no summary)"
                          : "");
}

struct Listing {
  std::string error;  // empty when the run wrote its JSON
  JsonValue json;
  bool read() const { return error.empty(); }
};

TranscriptCase Case(int line, const std::vector<std::string>& window,
                    const char* today = kToday) {
  TranscriptCase c;
  c.date = today;
  c.inputs["LOG"] = Line(line).log;
  c.args = {"LOG", "line" + std::to_string(line), "--json"};
  c.args.insert(c.args.end(), window.begin(), window.end());
  return c;
}

Listing Finish(RunningCase& running, int line) {
  Listing l;
  RunResult r = FinishCase(running);
  const std::string name = "brantlow" + std::to_string(line) + ".json";
  if (r.exit_status != 0 || r.files.count(name) == 0)
    l.error = "status " + std::to_string(r.exit_status) + ": " +
              Printable(r.stdout_bytes + r.console_bytes);
  else if (!JsonReader().Read(r.files[name], l.json))
    l.error = "not JSON: " + r.files[name];
  return l;
}

// The one-day runs of both lines for the days first..last, two at a time.
std::map<std::pair<int, int>, Listing> OneDayRuns(int first, int last) {
  std::map<std::pair<int, int>, Listing> runs;
  for (int d = first; d <= last; ++d) {
    const char* today = d < kEarlyDays ? kEarlyToday : kToday;
    RunningCase one = StartCase(Case(1, {"/d=" + DayMonth(d)}, today),
                                BRANTLOW_BINARY, BRANTLOW_STANDIN);
    RunningCase two = StartCase(Case(2, {"/d=" + DayMonth(d)}, today),
                                BRANTLOW_BINARY, BRANTLOW_STANDIN);
    runs[{1, d}] = Finish(one, 1);
    runs[{2, d}] = Finish(two, 2);
  }
  return runs;
}

long long Number(const JsonValue& v) {
  return static_cast<long long>(v.number);
}

// Where a listed row differs from the true session, or "".
std::string Difference(const TrueSession& s, const JsonValue& row) {
  std::string d;
  auto field = [&](const char* key, long long want, long long got) {
    if (want != got)
      d += std::string(" ") + key + " " + std::to_string(got) + " (true " +
           std::to_string(want) + ")";
  };
  if (row["end"].text != Clock(s.end))
    d += " end " + row["end"].text + " (true " + Clock(s.end) + ")";
  field("duration", s.end - s.start, Number(row["duration"]));
  field("received", s.received, Number(row["received"]));
  field("sent", s.sent, Number(row["sent"]));
  if (row["kind"].text != std::string(1, s.kind))
    d += " kind " + row["kind"].text + " (true " + s.kind + ")";
  if (row["name"].text != s.name) d += " name " + row["name"].text;
  return d;
}

// Every true session of the list, once, as the truth has it; and no other.
void Compare(const std::vector<const TrueSession*>& want, const Listing& got,
             const std::string& where, std::vector<std::string>& problems) {
  std::map<std::string, std::vector<const JsonValue*>> rows;
  for (const JsonValue& row : got.json["sessions"].items)
    if (!row["start"].text.empty()) rows[row["start"].text].push_back(&row);
  for (const TrueSession* s : want) {
    auto found = rows.find(Clock(s->start));
    if (found == rows.end()) {
      problems.push_back(Describe(*s) + ": not listed");
      continue;
    }
    if (found->second.size() != 1)
      problems.push_back(Describe(*s) + ": listed " +
                         std::to_string(found->second.size()) + " times");
    const std::string d = Difference(*s, *found->second.front());
    if (!d.empty()) problems.push_back(Describe(*s) + ":" + d);
    rows.erase(found);
  }
  for (const auto& [start, list] : rows)
    problems.push_back(where + ": a session at " + start + " kind " +
                       (*list.front())["kind"].text +
                       " that the log does not hold there");
}

// The wrong sessions by cause, the first few of each in full.
std::string Report(const std::vector<std::string>& problems) {
  std::string text = std::to_string(problems.size()) + " sessions wrong";
  for (const char* cause : {"(across midnight)", "(no summary)",
                            "Terminal Emulator", "does not hold", ""}) {
    int count = 0;
    std::string shown;
    for (const std::string& p : problems) {
      if (p.find(cause) == std::string::npos) continue;
      if (++count <= 8) shown += "  " + p + "\n";
    }
    if (*cause == '\0') cause = "in all";
    text += "\n" + std::to_string(count) + " " + cause + ":\n" + shown;
    if (count > 8) text += "  ...\n";
  }
  return text;
}

TEST(YearTruth, TheOneDayRunsListEverySessionOnceOnItsOwnDay) {
  const auto runs = OneDayRuns(0, kDays - 1);
  std::vector<std::string> problems;
  for (int line = 1; line <= 2; ++line) {
    std::map<int, std::vector<const TrueSession*>> by_day;
    for (const TrueSession& s : Line(line).truth) by_day[s.day()].push_back(&s);
    for (int d = 0; d < kDays; ++d) {
      const Listing& l = runs.at({line, d});
      const std::string where =
          "line " + std::to_string(line) + ", /d=" + DayMonth(d);
      if (!l.read())
        problems.push_back(where + ": " + l.error);
      else
        Compare(by_day[d], l, where, problems);
    }
  }
  EXPECT_TRUE(problems.empty()) << Report(problems);
}

// The sum of a run's busy half hours, each of which must lie in 0..1800.
long long Busy(const Listing& run, const std::string& where) {
  long long sum = 0;
  const auto& busy = run.json["busy"].items;
  for (std::size_t k = 0; k < busy.size(); ++k) {
    EXPECT_TRUE(busy[k].number >= 0 && busy[k].number <= 1800)
        << where << ": busy[" << k << "] = " << busy[k].number;
    sum += Number(busy[k]);
  }
  return sum;
}

// The sessions of a day that a wrong count most likely comes from.
std::string Suspects(int line, int day) {
  std::string text;
  for (const TrueSession& s : Line(line).truth)
    if ((s.day() == day || s.end / kDay == day) &&
        (s.crosses() || s.kind == '?'))
      text += "\n  " + Describe(s);
  return text;
}

TEST(YearTruth, AMonthsBusySecondsAreTheSessionsSecondsOnLine) {
  const int first = DayOf(3, 1), last = DayOf(3, 31);
  const auto runs = OneDayRuns(first, last);
  for (int line = 1; line <= 2; ++line) {
    SCOPED_TRACE("line " + std::to_string(line));
    RunningCase running = StartCase(Case(line, {"/p=01.03-31.03"}),
                                    BRANTLOW_BINARY, BRANTLOW_STANDIN);
    const Listing period = Finish(running, line);
    ASSERT_TRUE(period.read()) << period.error;
    const auto& day_rows = period.json["days"].items;
    ASSERT_EQ(31u, day_rows.size());
    long long days_busy = 0;
    for (int d = first; d <= last; ++d) {
      const Listing& day = runs.at({line, d});
      ASSERT_TRUE(day.read()) << DayMonth(d) << ": " << day.error;
      const long long busy = Busy(day, "/d=" + DayMonth(d));
      days_busy += busy;
      // The seconds on line that day, and the bytes of the sessions that
      // began on it.
      long long received = 0, sent = 0;
      for (const TrueSession& s : Line(line).truth)
        if (s.day() == d) received += s.received, sent += s.sent;
      const JsonValue& row = day_rows[static_cast<std::size_t>(d - first)];
      const long long on_line = OnLine(line, d * kDay, (d + 1) * kDay);
      if (on_line != busy || received != Number(row["received"]) ||
          sent != Number(row["sent"]))
        ADD_FAILURE() << DayMonth(d) << ": busy " << busy << " (true "
                      << on_line << "), received " << Number(row["received"])
                      << " (true " << received << "), sent "
                      << Number(row["sent"]) << " (true " << sent << ")"
                      << Suspects(line, d);
    }
    const long long truth = OnLine(line, first * kDay, (last + 1) * kDay);
    EXPECT_EQ(truth, days_busy) << "the days' busy seconds";
    // The period shows each half hour's mean over its 31 days, each mean
    // within a second of the exact one.
    const long long mean_busy = Busy(period, "/p=01.03-31.03");
    EXPECT_LT(std::abs(31 * mean_busy - truth), 31 * 48)
        << "31 x the period's busy seconds " << mean_busy << ", true " << truth;
  }
}

// A day whose night mail call crosses midnight and whose evening call is
// still on line at 23:00; -1 when the year has none.
int NightDay(const std::vector<TrueSession>& truth) {
  for (const TrueSession& s : truth) {
    const long long eleven = s.day() * kDay + 23 * 3600;
    if (s.start < eleven && s.end > eleven && s.day() >= kEarlyDays &&
        std::any_of(truth.begin(), truth.end(), [&](const TrueSession& t) {
          return t.day() == s.day() && t.crosses();
        }))
      return s.day();
  }
  return -1;
}

// The night window lists the sessions that begin in it, whole, and its busy
// time is the time on line in it, the evening call's tail after 23:00
// included.
TEST(YearTruth, ANightWindowListsTheSessionAcrossMidnightWhole) {
  for (int line = 1; line <= 2; ++line) {
    SCOPED_TRACE("line " + std::to_string(line));
    const auto& truth = Line(line).truth;
    const int day = NightDay(truth);
    ASSERT_GE(day, 0) << "no such night in the generated year";
    const long long from = day * kDay + 23 * 3600;
    const long long to = (day + 1) * kDay + 8 * 3600;
    // (So that the minute 08:00 itself counts for nothing either way.)
    ASSERT_EQ(0, OnLine(line, to - 60, to + 120)) << "on line at 08:00";
    const std::string window = "/d=" + DayMonth(day) + " /t=23:00-08:00";
    RunningCase running =
        StartCase(Case(line, {"/d=" + DayMonth(day), "/t=23:00-08:00"}),
                  BRANTLOW_BINARY, BRANTLOW_STANDIN);
    const Listing night = Finish(running, line);
    ASSERT_TRUE(night.read()) << night.error;
    std::vector<const TrueSession*> want;
    for (const TrueSession& s : truth)
      if (s.start >= from && s.start < to + 60) want.push_back(&s);
    std::vector<std::string> problems;
    Compare(want, night, window, problems);
    EXPECT_TRUE(problems.empty()) << Report(problems);
    EXPECT_EQ(OnLine(line, from, to), Busy(night, window))
        << window << ": busy seconds" << Suspects(line, day);
  }
}

}  // namespace
}  // namespace brantlow::e2e
