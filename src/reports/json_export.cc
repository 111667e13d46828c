#include "reports/json_export.h"

#include <cmath>
#include <cstdio>

#include "base/calendar.h"
#include "base/text_fields.h"
#include "reports/csv_export.h"

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

std::string Clock(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%2.2d:%2.2d", hour % 100, minute % 100);
  return text;
}

void Totals(Json& j, const DayTotals& d, bool costs) {
  j.Key("sessions"); j.Integer(d.sessions);
  j.Key("incoming"); j.Integer(d.incoming);
  j.Key("outgoing"); j.Integer(d.outgoing);
  j.Key("handshake_failures"); j.Integer(d.failures);
  j.Key("received"); j.Integer(d.received);
  j.Key("sent"); j.Integer(d.sent);
  j.Key("duration"); j.Integer(d.seconds);
  if (costs) { j.Key("cost"); j.Number("%.2f", d.cost); }
}

}  // namespace

std::string RunJson(const RunRecord& r, std::string_view version) {
  Json j;
  j.Open('{');
  j.Key("program"); j.Text("brantlow");
  j.Key("version"); j.Text(version);
  if (r.is_period) {
    j.Key("period"); j.Open('{');
    j.Key("first"); j.Text(DayMonthText(r.period.first));
    j.Key("last"); j.Text(DayMonthText(r.period.last));
    j.Key("days"); j.Integer(r.period.days);
    j.Close('}');
  } else {
    j.Key("window"); j.Open('{');
    j.Key("day"); j.Text(DayMonthText(r.window.first));
    if (r.window.crosses_midnight) { j.Key("end_day"); j.Text(DayMonthText(r.window.second)); }
    j.Key("start"); j.Text(Clock(r.window.start_hour, r.window.start_minute));
    j.Key("end"); j.Text(Clock(r.window.end_hour, r.window.end_minute));
    j.Key("crosses_midnight"); j.Bool(r.window.crosses_midnight);
    j.Close('}');
  }
  j.Key("settings"); j.Open('{');
  j.Key("crash_poll_period"); j.Integer(r.crash_poll_period);
  j.Key("line"); j.Integer(r.line_number);
  j.Key("commands"); j.Text(r.commands);
  j.Key("tariffs"); j.Bool(r.costs);
  j.Close('}');
  j.Key("counts"); j.Open('{');
  j.Key("log_bytes"); j.Integer(r.log_bytes);
  j.Key("lines_read"); j.Integer(r.lines_read);
  j.Key("lines_inside"); j.Integer(r.lines_inside);
  j.Key("sessions"); j.Integer(static_cast<long long>(r.sessions.size()));
  j.Close('}');

  j.Key("sessions"); j.Open('[');
  for (const SessionRow& s : r.sessions) {
    j.Open('{');
    j.Key("date"); j.Text(DayMonthText(s.date));
    j.Key("start"); j.Text(s.start);
    j.Key("end"); j.Text(s.end);
    j.Key("duration"); j.Integer(s.seconds);
    j.Key("crash_poll"); j.Bool(s.crash_poll);
    j.Key("name"); j.Text(s.name);
    j.Key("kind"); j.Text(std::string(1, s.kind));
    j.Key("received"); j.Integer(s.received);
    j.Key("sent"); j.Integer(s.sent);
    j.Key("cps"); j.Number("%.1f", s.cps);
    j.Key("password"); j.Text(s.password);
    j.Key("connect"); j.Text(s.connect);
    j.Key("mailer"); j.Text(s.mailer);
    if (r.costs) { j.Key("cost"); j.Number("%.2f", s.cost); }
    j.Close('}');
  }
  j.Close(']');

  j.Key("addresses"); j.Open('[');
  for (const AddressTotals& a : r.addresses) {
    j.Open('{');
    j.Key("name"); j.Text(TrimmedRight(a.name));
    j.Key("sessions"); j.Integer(a.sessions);
    j.Key("incoming"); j.Integer(a.incoming);
    j.Key("outgoing"); j.Integer(a.outgoing);
    j.Key("received"); j.Integer(a.received);
    j.Key("sent"); j.Integer(a.sent);
    j.Key("files_received"); j.Integer(a.files_received);
    j.Key("files_sent"); j.Integer(a.files_sent);
    j.Key("cps"); j.Number("%.1f", a.cps_count > 0 ? a.cps_sum / a.cps_count : 0.0);
    j.Key("duration"); j.Integer(a.seconds);
    if (r.costs) { j.Key("cost"); j.Number("%.2f", a.cost); }
    j.Close('}');
  }
  j.Close(']');

  if (r.is_period) {
    j.Key("days"); j.Open('[');
    for (const DayTotals& d : r.days) {
      j.Open('{');
      j.Key("date"); j.Text(DayMonthText(d.date));
      Totals(j, d, r.costs);
      j.Close('}');
    }
    j.Close(']');
  }
  if (r.silent_links) {
    j.Key("silent_links"); j.Open('[');
    for (const std::string& link : *r.silent_links) j.Text(link);
    j.Close(']');
  }
  j.Key("busy");
  if (r.busy) {
    j.Open('[');
    for (int seconds : *r.busy) j.Integer(seconds);
    j.Close(']');
  } else {
    j.Open('[');
    j.Close(']');
  }
  j.Key("totals"); j.Open('{');
  Totals(j, r.totals, r.costs);
  j.Close('}');
  j.Key("warnings"); j.Open('[');
  for (const std::string& w : r.warnings) j.Text(w);
  j.Close(']');
  j.Close('}');
  j.text += '\n';
  return j.text;
}

}  // namespace brantlow
