#include "reports/json_export.h"

#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "base/calendar.h"
#include "base/text_fields.h"
#include "reports/csv_export.h"
#include "reports/row_columns.h"

namespace brantlow {

namespace {

// Builds the text a member at a time; commas go between members.
class Json {
 public:
  std::string text;

  void Open(char bracket) {
    Separate();
    text += bracket;
    first_ = true;
  }
  void Close(char bracket) {
    text += bracket;
    first_ = false;
  }
  void Key(std::string_view key) {
    Separate();
    String(key);
    text += ':';
    first_ = true;  // the value follows without a comma
  }
  void Text(std::string_view cp866) {
    Separate();
    String(Utf8(cp866));
  }
  // JSON has no infinity and no NaN: such a value is null.
  void Number(const char* format, double value) {
    Separate();
    if (!std::isfinite(value)) {
      text += "null";
      return;
    }
    char buffer[400];  // "%.2f" of the largest double
    std::snprintf(buffer, sizeof buffer, format, value);
    text += buffer;
  }
  void Integer(long long value) {
    Separate();
    text += std::to_string(value);
  }
  void Null() {
    Separate();
    text += "null";
  }
  void Bool(bool value) {
    Separate();
    text += value ? "true" : "false";
  }

 private:
  void Separate() {
    if (!first_) text += ',';
    first_ = false;
  }
  void String(std::string_view utf8) {
    text += '"';
    for (char c : utf8) {
      const auto u = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        text += '\\';
        text += c;
      } else if (u < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", u);
        text += escape;
      } else {
        text += c;
      }
    }
    text += '"';
  }
  bool first_ = true;
};

void Totals(Json& j, const DayTotals& d, bool costs) {
  j.Key("sessions");
  j.Integer(d.sessions);
  j.Key("incoming");
  j.Integer(d.incoming);
  j.Key("outgoing");
  j.Integer(d.outgoing);
  j.Key("handshake_failures");
  j.Integer(d.failures);
  j.Key("received");
  j.Integer(d.received);
  j.Key("sent");
  j.Integer(d.sent);
  j.Key("duration");
  j.Integer(d.seconds);
  if (costs) {
    j.Key("cost");
    j.Number("%.2f", d.cost);
  }
}

// The window of a one-day run, or the period of a period run.
void Scope(Json& j, const RunRecord& r) {
  if (r.is_period) {
    j.Key("period");
    j.Open('{');
    j.Key("first");
    j.Text(IsoDateText(r.period.FirstDate()));
    j.Key("last");
    j.Text(IsoDateText(r.period.LastDate()));
    j.Key("days");
    j.Integer(r.period.days);
    j.Close('}');
  } else {
    j.Key("window");
    j.Open('{');
    j.Key("day");
    j.Text(IsoDateText(r.window.FirstDate()));
    if (r.window.crosses_midnight) {
      j.Key("end_day");
      j.Text(IsoDateText(r.window.SecondDate()));
    }
    j.Key("start");
    j.Text(ClockText(r.window.start_hour, r.window.start_minute));
    j.Key("end");
    j.Text(ClockText(r.window.end_hour, r.window.end_minute));
    j.Key("crosses_midnight");
    j.Bool(r.window.crosses_midnight);
    j.Close('}');
  }
}

// The settings that shaped the run and what it read.
void SettingsAndCounts(Json& j, const RunRecord& r) {
  j.Key("settings");
  j.Open('{');
  j.Key("crash_poll_period");
  j.Integer(r.crash_poll_period);
  j.Key("line");
  j.Integer(r.line_number);
  j.Key("commands");
  j.Text(r.commands);
  j.Key("tariffs");
  j.Bool(r.costs);
  j.Close('}');
  j.Key("counts");
  j.Open('{');
  j.Key("log_bytes");
  j.Integer(r.log_bytes);
  j.Key("bytes_read");
  j.Integer(r.read_to - r.read_from);
  j.Key("lines_read");
  j.Integer(r.lines_read);
  j.Key("lines_inside");
  j.Integer(r.lines_inside);
  j.Key("sessions");
  j.Integer(static_cast<long long>(r.sessions.size()));
  j.Close('}');
}

void Value(Json& j, const ColumnValue& v) {
  switch (v.type) {
    case ColumnValue::Type::kText: j.Text(v.text); break;
    case ColumnValue::Type::kInteger: j.Integer(v.integer); break;
    case ColumnValue::Type::kReal: j.Number(v.format, v.real); break;
    case ColumnValue::Type::kFlag: j.Bool(v.flag); break;
    case ColumnValue::Type::kTextList:
      j.Open('[');
      for (const std::string& text : v.list) j.Text(text);
      j.Close(']');
      break;
  }
}

// A list of objects, a member per column, the cost only with tariffs.
template <typename Row>
void Rows(Json& j, std::string_view key, std::span<const Column<Row>> columns,
          const std::vector<Row>& rows, bool costs) {
  j.Key(key);
  j.Open('[');
  for (const Row& row : rows) {
    j.Open('{');
    for (const Column<Row>& c : columns) {
      if (c.cost && !costs) continue;
      const ColumnValue value = c.value(row);
      if (c.json_when_set && value.list.empty() && value.text.empty()) continue;
      j.Key(c.name);
      Value(j, value);
    }
    j.Close('}');
  }
  j.Close(']');
}

// The link health figures, one object per link.
void Links(Json& j, const LinkHealth& h) {
  static constexpr const char* kFailures[kCallFailures] = {
      "no_carrier", "busy",      "no_answer",  "no_dial_tone", "handshake",
      "refused",    "timed_out", "unresolved", "network"};
  j.Key("links");
  j.Open('[');
  for (const LinkFigures& f : h.links) {
    j.Open('{');
    j.Key("address");
    j.Text(f.address);
    j.Key("listed");
    j.Bool(f.listed);
    j.Key("silent");
    j.Bool(f.silent());
    j.Key("calls");
    j.Integer(f.calls);
    j.Key("connected");
    j.Integer(f.connected);
    j.Key("failed");
    j.Open('{');
    for (std::size_t k = 0; k < kCallFailures; ++k) {
      j.Key(kFailures[k]);
      j.Integer(f.failed[k]);
    }
    j.Close('}');
    j.Key("incoming");
    j.Integer(f.incoming);
    j.Key("good");
    j.Integer(f.good);
    j.Key("last_good");
    if (f.last_good) {
      char text[32];
      const int s = f.last_good->second;
      std::snprintf(text, sizeof text, "%02d.%02d %02d:%02d:%02d",
                    f.last_good->date.day % 100, f.last_good->date.month % 100,
                    s / 3600 % 100, s / 60 % 60, s % 60);
      j.Text(text);
    } else {
      j.Null();
    }
    j.Key("longest_gap_minutes");
    j.Integer(f.longest_gap);
    j.Key("hours");
    j.Open('[');
    for (int n : f.hours) j.Integer(n);
    j.Close(']');
    j.Close('}');
  }
  j.Close(']');
}

}  // namespace

std::string RunJson(const RunRecord& r, std::string_view version) {
  Json j;
  j.Open('{');
  j.Key("program");
  j.Text("brantlow");
  j.Key("version");
  j.Text(version);
  Scope(j, r);
  SettingsAndCounts(j, r);
  Rows(j, "sessions", SessionColumns(), r.sessions, r.costs);
  Rows(j, "addresses", AddressColumns(), r.addresses, r.costs);
  if (r.is_period) {
    j.Key("days");
    j.Open('[');
    for (const DayTotals& d : r.days) {
      j.Open('{');
      j.Key("date");
      j.Text(IsoDateText(d.date));
      Totals(j, d, r.costs);
      j.Close('}');
    }
    j.Close(']');
  }
  if (r.silent_links) {
    j.Key("silent_links");
    j.Open('[');
    for (const std::string& link : *r.silent_links) j.Text(link);
    j.Close(']');
  }
  if (const LinkHealth* links = r.shown_links()) Links(j, *links);
  j.Key("busy");
  if (r.busy) {
    j.Open('[');
    for (int seconds : *r.busy) j.Integer(seconds);
    j.Close(']');
  } else {
    j.Open('[');
    j.Close(']');
  }
  j.Key("totals");
  j.Open('{');
  Totals(j, r.totals, r.costs);
  j.Close('}');
  j.Key("warnings");
  j.Open('[');
  for (const std::string& w : r.warnings) j.Text(w);
  j.Close(']');
  j.Close('}');
  j.text += '\n';
  return j.text;
}

}  // namespace brantlow
