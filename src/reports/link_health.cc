#include "reports/link_health.h"

#include <algorithm>
#include <cstdio>

#include "base/table_frame.h"
#include "platform/cp866.h"
#include "reports/csv_export.h"

namespace brantlow {

namespace {

long MinuteOfDay(int hour, int minute) { return hour * 60L + minute; }

// zone:net/node.point as numbers, so that net 463 comes before net 5020;
// text that is no address after every address.
std::array<long long, 5> AddressKey(std::string_view address) {
  std::array<long long, 5> key{};
  std::size_t part = 0;
  for (char c : address) {
    if (c >= '0' && c <= '9') {
      // A forged run of digits stops growing rather than overflow.
      if (key[part + 1] < 100000000000LL)
        key[part + 1] = key[part + 1] * 10 + (c - '0');
    } else if ((c == ':' || c == '/' || c == '.') && part < 3) {
      ++part;
    } else {
      key[0] = 1;
      break;
    }
  }
  return key;
}

bool AddressBefore(std::string_view a, std::string_view b) {
  const std::array<long long, 5> ka = AddressKey(a);
  const std::array<long long, 5> kb = AddressKey(b);
  return ka != kb ? ka < kb : a < b;
}

LinkFigures& Find(std::vector<LinkFigures>& links, std::string_view address) {
  const auto at =
      std::lower_bound(links.begin(), links.end(), address,
                       [](const LinkFigures& f, std::string_view a) {
                         return AddressBefore(f.address, a);
                       });
  if (at != links.end() && at->address == address) return *at;
  LinkFigures fresh;
  fresh.address = std::string(address);
  return *links.insert(at, std::move(fresh));
}

void AddGood(LinkFigures& f, long minute, const SessionStart& start) {
  ++f.good;
  ++f.hours[static_cast<std::size_t>(start.second / 3600 % 24)];
  f.good_minutes.push_back(minute);
  if (minute >= f.last_good_minute) {
    f.last_good_minute = minute;
    f.last_good = start;
  }
}

long LongestGap(std::vector<long> starts, long window) {
  if (starts.empty()) return window;
  std::sort(starts.begin(), starts.end());
  long longest = std::max(starts.front(), window - starts.back());
  for (std::size_t i = 1; i < starts.size(); ++i)
    longest = std::max(longest, starts[i] - starts[i - 1]);
  return std::max(longest, 0L);
}

}  // namespace

LinkHealth EmptyLinkHealth(const Window& window) {
  LinkHealth h;
  h.window = window;
  const long start = MinuteOfDay(window.start_hour, window.start_minute);
  const long end = MinuteOfDay(window.end_hour, window.end_minute) + 1;
  h.minutes = window.crosses_midnight ? 1440 - start + end : end - start;
  return h;
}

LinkHealth EmptyLinkHealth(const Period& period) {
  LinkHealth h;
  h.is_period = true;
  h.period = period;
  h.minutes = 1440L * period.days;
  return h;
}

DayPlace WindowPlace(const Window& window) {
  return {window.first, -MinuteOfDay(window.start_hour, window.start_minute)};
}

void AddLinkEvents(LinkHealth& health, const LinkEvents& events,
                   const DayPlace& place) {
  for (const auto& [address, counts] : events) {
    LinkFigures& f = Find(health.links, address);
    f.calls += counts.calls;
    f.connected += counts.connected;
    for (std::size_t k = 0; k < kCallFailures; ++k)
      f.failed[k] += counts.failed[k];
    f.incoming += counts.incoming;
    for (const SessionStart& s : counts.good) {
      const bool first = s.date.day == place.first_date.day &&
                         s.date.month == place.first_date.month;
      AddGood(f, place.first_offset + (first ? 0 : 1440) + s.second / 60, s);
    }
  }
}

void AddLinkFigures(LinkFigures& into, const LinkFigures& more) {
  into.calls += more.calls;
  into.connected += more.connected;
  for (std::size_t k = 0; k < kCallFailures; ++k)
    into.failed[k] += more.failed[k];
  into.incoming += more.incoming;
  into.good += more.good;
  for (std::size_t h = 0; h < into.hours.size(); ++h)
    into.hours[h] += more.hours[h];
  into.good_minutes.insert(into.good_minutes.end(), more.good_minutes.begin(),
                           more.good_minutes.end());
  if (more.last_good && more.last_good_minute >= into.last_good_minute) {
    into.last_good = more.last_good;
    into.last_good_minute = more.last_good_minute;
  }
  into.listed = into.listed || more.listed;
}

void AddLinkHealth(LinkHealth& into, const LinkHealth& more) {
  for (const LinkFigures& f : more.links)
    AddLinkFigures(Find(into.links, f.address), f);
}

void FinishLinks(LinkHealth& health,
                 const std::optional<std::vector<std::string>>& listed) {
  if (listed)
    for (const std::string& address : *listed)
      Find(health.links, address).listed = true;
  for (LinkFigures& f : health.links)
    f.longest_gap = LongestGap(f.good_minutes, health.minutes);
}

std::string GapText(long minutes) {
  char text[32];
  std::snprintf(text, sizeof text, "%02ld:%02ld", minutes / 60, minutes % 60);
  return text;
}

std::string LastGoodText(const LinkFigures& f, std::string_view never) {
  if (!f.last_good) return std::string(never);
  char text[32];
  const int s = f.last_good->second;
  std::snprintf(text, sizeof text, "%02d.%02d %02d:%02d",
                f.last_good->date.day % 100, f.last_good->date.month % 100,
                s / 3600 % 100, s / 60 % 60);
  return text;
}

namespace {

// The failures shown in columns of their own; binkd's connect failures
// share the last.
constexpr CallFailure kShown[] = {
    CallFailure::kNoCarrier, CallFailure::kBusy, CallFailure::kNoAnswer,
    CallFailure::kNoDialTone, CallFailure::kHandshake};

int NetworkFailures(const LinkFigures& f) {
  return f.failed[Slot(CallFailure::kRefused)] +
         f.failed[Slot(CallFailure::kTimedOut)] +
         f.failed[Slot(CallFailure::kUnresolved)] +
         f.failed[Slot(CallFailure::kNetwork)];
}

constexpr int kCallWidths[] = {18, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6};
constexpr int kGridWidths[] = {18, 24, 11, 7};

void WriteCallTable(const LinkHealth& h, const LinkReportTexts& t,
                    Output& out) {
  out.Write(MakeFrameLine(FrameLine::kTop, kCallWidths, 11));
  out.Write(t.call_headings);
  out.Write(MakeFrameLine(FrameLine::kSeparator, kCallWidths, 11));
  for (const LinkFigures& f : h.links) {
    out.Printf(CP866("║%-18s│%6d│%6d"), f.address.c_str(), f.calls,
               f.connected);
    for (CallFailure why : kShown)
      out.Printf(CP866("│%6d"), f.failed[Slot(why)]);
    out.Printf(CP866("│%6d│%6d│%6d║\n"), NetworkFailures(f), f.incoming,
               f.good);
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, kCallWidths, 11));
}

// The hour cell: blank, ░, ▒, ▓ or █ for 0, 1, 2, 3, 4 or more sessions.
char HourCell(int sessions) {
  constexpr char kShades[] = {' ', '\xB0', '\xB1', '\xB2', '\xDB'};
  return kShades[std::min(sessions, 4)];
}

void WriteGridTable(const LinkHealth& h, const LinkReportTexts& t,
                    Output& out) {
  out.Write(MakeFrameLine(FrameLine::kTop, kGridWidths, 4));
  out.Write(t.grid_headings);
  out.Write(MakeFrameLine(FrameLine::kSeparator, kGridWidths, 4));
  for (const LinkFigures& f : h.links) {
    std::string grid;
    for (int sessions : f.hours) grid += HourCell(sessions);
    const std::string last = LastGoodText(f, t.never);
    out.Printf(CP866("║%-18s│%s│%-11s│%7s║\n"), f.address.c_str(), grid.c_str(),
               last.c_str(), GapText(f.longest_gap).c_str());
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, kGridWidths, 4));
}

void WriteSilent(const LinkHealth& h, const ReportTexts& t, Output& out) {
  bool any_listed = false;
  bool any_silent = false;
  for (const LinkFigures& f : h.links) {
    any_listed = any_listed || f.listed;
    any_silent = any_silent || f.silent();
  }
  if (!any_listed) return;
  out.Write("\n");
  out.Write(t.links.silent);
  if (!any_silent) {
    out.Write(t.silent_none);
    out.Write("\n");
    return;
  }
  out.Write("\n");
  for (const LinkFigures& f : h.links) {
    if (!f.silent()) continue;
    out.Printf("  %-18s", f.address.c_str());
    out.Write(t.links.last_session);
    out.Write(LastGoodText(f, t.links.never));
    out.Write("\n");
  }
}

}  // namespace

void WriteLinkReport(const LinkHealth& h, const ReportTexts& t, Output& out) {
  out.Write("\n      ");
  out.Write(t.links.title);
  if (h.is_period) {
    out.Write(t.links.for_period);
    out.Printf("%02d.%02d-%02d.%02d", h.period.first.day, h.period.first.month,
               h.period.last.day, h.period.last.month);
    out.Write(t.period_days);
    out.Printf("%d\n", h.period.days);
  } else if (h.window.crosses_midnight) {
    const Window& w = h.window;
    out.Printf(" %02d.%02d %02d:%02d-%02d.%02d %02d:%02d\n", w.first.day,
               w.first.month, w.start_hour, w.start_minute, w.second.day,
               w.second.month, w.end_hour, w.end_minute);
  } else {
    const Window& w = h.window;
    out.Printf(" %02d.%02d %02d:%02d-%02d:%02d\n", w.first.day, w.first.month,
               w.start_hour, w.start_minute, w.end_hour, w.end_minute);
  }
  WriteCallTable(h, t.links, out);
  WriteGridTable(h, t.links, out);
  WriteSilent(h, t, out);
}

namespace {

constexpr const char* kFailureNames[kCallFailures] = {
    "no_carrier", "busy",      "no_answer",  "no_dial_tone", "handshake",
    "refused",    "timed_out", "unresolved", "network"};

// A text field: quoted when it holds a comma or a quote.
void CsvText(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

std::string LinksCsv(const LinkHealth& h) {
  std::string out = "address,listed,silent,calls,connected";
  for (const char* name : kFailureNames) (out += ',') += name;
  out += ",incoming,good,last_good,longest_gap_minutes";
  for (int hour = 0; hour < 24; ++hour) {
    char name[8];
    std::snprintf(name, sizeof name, ",h%02d", hour);
    out += name;
  }
  out += '\n';
  auto number = [&out](long long n) { (out += ',') += std::to_string(n); };
  for (const LinkFigures& f : h.links) {
    CsvText(out, Utf8(f.address));
    number(f.listed);
    number(f.silent());
    number(f.calls);
    number(f.connected);
    for (int n : f.failed) number(n);
    number(f.incoming);
    number(f.good);
    out += ',';
    if (f.last_good) out += LastGoodText(f);
    number(f.longest_gap);
    for (int n : f.hours) number(n);
    out += '\n';
  }
  return out;
}

}  // namespace brantlow
