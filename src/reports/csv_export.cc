#include "reports/csv_export.h"

#include <cstdio>

#include "base/calendar.h"
#include "base/text_fields.h"
#include "platform/cp866.h"

namespace brantlow {

namespace {

// A field of the log's text: control bytes (but tab, CR and LF) shown as
// "?"; one a spreadsheet would take for a formula ("=", "+", "-", "@",
// tab or CR first) led by "'"; quoted when it holds a comma, a quote or a
// line end.
void Field(std::string& out, std::string_view cp866) {
  std::string text = Utf8(cp866);
  for (char& c : text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 0x20 && c != '\t' && c != '\r' && c != '\n') || b == 0x7F) c = '?';
  }
  if (!text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos)
    text.insert(0, 1, '\'');
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    out += text;
  } else {
    out += '"';
    for (char c : text) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
}

void Number(std::string& out, const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  out += text;
}

void Integer(std::string& out, long long value) {
  out += std::to_string(value);
}

}  // namespace

std::string Utf8(std::string_view cp866) {
  std::string utf8;
  AppendCp866AsUtf8(cp866, utf8);
  return utf8;
}

std::string SessionsCsv(const RunRecord& record) {
  std::string out =
      "date,start,end,duration,crash_poll,name,kind,received,sent,cps,"
      "password,connect,mailer";
  out += record.costs ? ",cost\n" : "\n";
  for (const SessionRow& s : record.sessions) {
    out += DayMonthText(s.date) + ',';
    Field(out, s.start);
    out += ',';
    Field(out, s.end);
    out += ',';
    Integer(out, s.seconds);
    out += s.crash_poll ? ",1," : ",0,";
    Field(out, s.name);
    out += ',';
    out += s.kind;
    out += ',';
    Number(out, "%.0f", s.received);
    out += ',';
    Number(out, "%.0f", s.sent);
    out += ',';
    Number(out, "%.1f", s.cps);
    out += ',';
    Field(out, s.password);
    out += ',';
    Field(out, s.connect);
    out += ',';
    Field(out, s.mailer);
    if (record.costs) {
      out += ',';
      Number(out, "%.2f", s.cost);
    }
    out += '\n';
  }
  return out;
}

std::string AddressesCsv(const RunRecord& record) {
  std::string out =
      "name,sessions,incoming,outgoing,received,sent,files_received,"
      "files_sent,cps,duration";
  out += record.costs ? ",cost\n" : "\n";
  for (const AddressTotals& a : record.addresses) {
    Field(out, TrimmedRight(a.name));
    out += ',';
    Integer(out, a.sessions);
    out += ',';
    Integer(out, a.incoming);
    out += ',';
    Integer(out, a.outgoing);
    out += ',';
    Number(out, "%.0f", a.received);
    out += ',';
    Number(out, "%.0f", a.sent);
    out += ',';
    Integer(out, a.files_received);
    out += ',';
    Integer(out, a.files_sent);
    out += ',';
    Number(out, "%.1f", a.cps_count > 0 ? a.cps_sum / a.cps_count : 0.0);
    out += ',';
    Integer(out, a.seconds);
    if (record.costs) {
      out += ',';
      Number(out, "%.2f", a.cost);
    }
    out += '\n';
  }
  return out;
}

}  // namespace brantlow
