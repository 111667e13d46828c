#include "reports/station_report.h"

#include <cstdio>
#include <string>
#include <vector>

#include "base/calendar.h"
#include "base/report_texts.h"
#include "base/table_frame.h"
#include "platform/cp866.h"
#include "reports/busy_histogram.h"
#include "reports/csv_export.h"
#include "reports/json_export.h"
#include "reports/link_health.h"
#include "reports/period_report.h"

namespace brantlow {

namespace {

// The period report's day table, the line number where the date stands.
constexpr int kLineWidths[] = {7, 7, 7, 7, 6, 14, 14, 12, 11};

bool AnyCosts(const StationSummary& s) { return s.station.costs; }

const ReportTexts& Texts(const StationSummary& s) {
  return TextsFor(s.station.language);
}

// label: seven characters wide.
void WriteLineRow(const char* label, const DayTotals& d, bool costs,
                  Output& out) {
  out.Printf(CP866("║%s│%7d│%7d│%7d│%6d│%14lld│%14lld│%12s"), label, d.sessions,
             d.incoming, d.outgoing, d.failures,
             static_cast<long long>(d.received), static_cast<long long>(d.sent),
             HoursMinutesSeconds(d.seconds).c_str());
  if (costs)
    out.Printf(CP866("│%11.2f║\n"), d.cost);
  else
    out.Write(CP866("║\n"));
}

// A totals table of rows labelled seven characters wide (the line number,
// or the date), the station's totals row last; first_header is the head
// of the label column.
void WriteTotalsTable(std::string_view first_header,
                      const std::vector<std::string>& labels,
                      const std::vector<const DayTotals*>& rows,
                      const StationSummary& s, Output& out) {
  const bool costs = AnyCosts(s);
  const int columns = costs ? 9 : 8;
  const ReportTexts& t = Texts(s);
  out.Write(MakeFrameLine(FrameLine::kTop, kLineWidths, columns));
  out.Write(CP866("║"));
  out.Write(first_header);
  out.Write(t.station.columns);
  if (costs) out.Write(t.period_cost_heading);
  out.Write(CP866("║\n"));
  out.Write(MakeFrameLine(FrameLine::kSeparator, kLineWidths, columns));
  for (std::size_t i = 0; i < rows.size(); ++i)
    WriteLineRow(labels[i].c_str(), *rows[i], costs, out);
  out.Write(MakeFrameLine(FrameLine::kSeparator, kLineWidths, columns));
  WriteLineRow(std::string(t.station.total).c_str(), s.station.totals, costs,
               out);
  out.Write(MakeFrameLine(FrameLine::kBottom, kLineWidths, columns));
}

void WriteLinesTable(const StationSummary& s, Output& out) {
  std::vector<std::string> labels;
  std::vector<const DayTotals*> rows;
  for (const StationLine& line : s.lines) {
    if (!line.record) continue;
    char label[16];
    std::snprintf(label, sizeof label, "%7d", line.number);
    labels.emplace_back(label);
    rows.push_back(&line.record->totals);
  }
  WriteTotalsTable(Texts(s).station.line_head, labels, rows, s, out);
}

// A period's days, each summed over the lines.
void WriteDaysTable(const StationSummary& s, Output& out) {
  std::vector<std::string> labels;
  std::vector<const DayTotals*> rows;
  for (const DayTotals& day : s.station.days) {
    char label[16];
    std::snprintf(label, sizeof label, " %2.2d.%2.2d ", day.date.day % 100,
                  day.date.month % 100);
    labels.emplace_back(label);
    rows.push_back(&day);
  }
  out.Write(Texts(s).station.days_heading);
  WriteTotalsTable(Texts(s).station.date_head, labels, rows, s, out);
}

// The message a stopped line told, each of its lines indented, without
// the blanks at their ends.
void WriteError(const std::string& error, Output& out) {
  std::string line;
  auto flush = [&] {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (!line.empty()) out.Printf("  %s\n", line.c_str());
    line.clear();
  };
  for (char c : error) {
    if (c == '\n')
      flush();
    else
      line += c;
  }
  flush();
}

void WriteLineCharts(const StationSummary& s, Output& out) {
  const StationReportTexts& t = Texts(s).station;
  for (const StationLine& line : s.lines) {
    if (!line.record) continue;
    out.Write("\n");
    out.Write(t.line);
    out.Printf("%d: %s (%s)", line.number, line.log.c_str(),
               line.mailer.c_str());
    if (line.record->busy)
      WriteBusyHistogram(*line.record->busy, out);
    else
      out.Write(t.no_chart);
  }
  if (!s.station.busy) return;
  out.Write("\n");
  out.Write(t.station_mean);
  out.Printf("%d)", s.charted_lines);
  WriteBusyHistogram(*s.station.busy, out);
}

std::string CsvText(std::string_view cp866) {
  const std::string text = Utf8(cp866);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void CsvTotals(const DayTotals& d, bool costs, std::string& out) {
  char text[200];
  std::snprintf(text, sizeof text, "%d,%d,%d,%d,%lld,%lld,%lld", d.sessions,
                d.incoming, d.outgoing, d.failures,
                static_cast<long long>(d.received),
                static_cast<long long>(d.sent), d.seconds);
  out += text;
  if (!costs) return;
  std::snprintf(text, sizeof text, ",%.2f", d.cost);
  out += text;
}

// A JSON string of the program's or the log's text.
std::string JsonText(std::string_view cp866) {
  std::string text = "\"";
  for (char c : Utf8(cp866)) {
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
  return text + "\"";
}

// A run's JSON as a member of another: without its last line end.
std::string Embedded(std::string json) {
  while (!json.empty() && json.back() == '\n') json.pop_back();
  return json;
}

}  // namespace

std::string StationScopeText(const RunRecord& r) {
  const ReportTexts& t = TextsFor(r.language);
  std::string text;
  if (r.is_period) {
    text = t.station.for_period;
    text += DayMonthText(r.period.first);
    text += '-';
    text += DayMonthText(r.period.last);
    text += t.period_days;
    text += std::to_string(r.period.days);
    return text;
  }
  const Window& w = r.window;
  text = t.station.on;
  text += DayMonthText(w.first);
  if (w.crosses_midnight) {
    text += '-';
    text += DayMonthText(w.second);
  }
  text += t.station.time_from;
  text += ClockText(w.start_hour, w.start_minute);
  text += t.time_to;
  text += ClockText(w.end_hour, w.end_minute);
  return text;
}

int ReportedLines(const StationSummary& s) {
  int reported = 0;
  for (const StationLine& line : s.lines)
    if (line.record) ++reported;
  return reported;
}

void WriteStationReport(const StationSummary& s, Output& out) {
  const ReportTexts& t = Texts(s);
  out.Write("\n      ");
  out.Write(t.station.title);
  out.Write(StationScopeText(s.station));
  out.Write(t.station.lines_count);
  out.Printf("%d\n", static_cast<int>(s.lines.size()));
  WriteLinesTable(s, out);
  for (const StationLine& line : s.lines) {
    if (line.record) continue;
    out.Write("\n");
    out.Write(t.station.line);
    out.Printf("%d", line.number);
    out.Write(t.station.no_report);
    out.Printf("%s\n", line.log.c_str());
    WriteError(line.error, out);
  }
  if (s.station.is_period) WriteDaysTable(s, out);
  WriteLineCharts(s, out);
  out.Write(t.station.addresses_heading);
  WriteAddressTotalsTable(s.station.addresses, AnyCosts(s), t, out);
  // Which links got through, over every line: always in the station's.
  if (s.station.links) WriteLinkReport(*s.station.links, t, out);
}

std::string StationJson(const StationSummary& s, std::string_view version) {
  std::string json = "{\"program\":\"brantlow\",\"version\":";
  json += JsonText(version);
  json += ",\"lines\":[";
  for (std::size_t i = 0; i < s.lines.size(); ++i) {
    const StationLine& line = s.lines[i];
    if (i > 0) json += ',';
    if (line.record) {
      json += Embedded(RunJson(*line.record, version));
      continue;
    }
    json += "{\"line\":" + std::to_string(line.number) +
            ",\"log\":" + JsonText(line.log) +
            ",\"error\":" + JsonText(line.error) + "}";
  }
  json += "],\"station\":";
  json += Embedded(RunJson(s.station, version));
  json += "}\n";
  return json;
}

std::string StationLinesCsv(const StationSummary& s) {
  const bool costs = AnyCosts(s);
  std::string csv =
      "line,log,mailer,sessions,incoming,outgoing,handshake_failures,"
      "received,sent,duration";
  csv += costs ? ",cost,error\n" : ",error\n";
  for (const StationLine& line : s.lines) {
    csv += std::to_string(line.number) + "," + CsvText(line.log) + "," +
           CsvText(line.mailer) + ",";
    if (line.record) {
      CsvTotals(line.record->totals, costs, csv);
      csv += ",\n";
    } else {
      csv += costs ? ",,,,,,,," : ",,,,,,,";
      csv += CsvText(line.error) + "\n";
    }
  }
  csv += "station,,,";
  CsvTotals(s.station.totals, costs, csv);
  csv += ",\n";
  return csv;
}

}  // namespace brantlow
