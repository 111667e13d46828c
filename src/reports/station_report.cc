#include "reports/station_report.h"

#include <cstdio>
#include <string>
#include <vector>

#include "base/calendar.h"
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
void WriteTotalsTable(const char* first_header,
                      const std::vector<std::string>& labels,
                      const std::vector<const DayTotals*>& rows,
                      const StationSummary& s, Output& out) {
  const bool costs = AnyCosts(s);
  const int columns = costs ? 9 : 8;
  out.Write(MakeFrameLine(FrameLine::kTop, kLineWidths, columns));
  out.Printf(CP866("║%s│ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      "
                   "Передано│       Время"),
             first_header);
  out.Write(costs ? CP866("│  Стоимость║\n") : CP866("║\n"));
  out.Write(MakeFrameLine(FrameLine::kSeparator, kLineWidths, columns));
  for (std::size_t i = 0; i < rows.size(); ++i)
    WriteLineRow(labels[i].c_str(), *rows[i], costs, out);
  out.Write(MakeFrameLine(FrameLine::kSeparator, kLineWidths, columns));
  WriteLineRow(CP866(" Всего "), s.station.totals, costs, out);
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
  WriteTotalsTable(CP866("  Линия"), labels, rows, s, out);
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
  out.Write(CP866("\n      Дни станции\n"));
  WriteTotalsTable(CP866("  Дата "), labels, rows, s, out);
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
  for (const StationLine& line : s.lines) {
    if (!line.record) continue;
    out.Printf(CP866("\nЛиния %d: %s (%s)"), line.number, line.log.c_str(),
               line.mailer.c_str());
    if (line.record->busy)
      WriteBusyHistogram(*line.record->busy, out);
    else
      out.Write(CP866(", без гистограммы (-g)\n"));
  }
  if (s.station.busy)
    out.Printf(CP866("\nСтанция: в среднем по линиям (%d)"), s.charted_lines);
  if (s.station.busy) WriteBusyHistogram(*s.station.busy, out);
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
  std::string text;
  if (r.is_period) {
    text = CP866("за период ");
    text += DayMonthText(r.period.first);
    text += '-';
    text += DayMonthText(r.period.last);
    text += CP866(", дней: ");
    text += std::to_string(r.period.days);
    return text;
  }
  const Window& w = r.window;
  text = CP866("на ");
  text += DayMonthText(w.first);
  if (w.crosses_midnight) {
    text += '-';
    text += DayMonthText(w.second);
  }
  text += CP866(" время с ");
  text += ClockText(w.start_hour, w.start_minute);
  text += CP866(" по ");
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
  out.Printf(CP866("\n      Статистика станции %s, линий: %d\n"),
             StationScopeText(s.station).c_str(),
             static_cast<int>(s.lines.size()));
  WriteLinesTable(s, out);
  for (const StationLine& line : s.lines) {
    if (line.record) continue;
    out.Printf(CP866("\nЛиния %d без отчёта: %s\n"), line.number,
               line.log.c_str());
    WriteError(line.error, out);
  }
  if (s.station.is_period) WriteDaysTable(s, out);
  WriteLineCharts(s, out);
  out.Write(CP866("\n      Адреса всех линий\n"));
  WriteAddressTotalsTable(s.station.addresses, AnyCosts(s),
                          TextsFor(s.station.language), out);
  // Which links got through, over every line: always in the station's.
  if (s.station.links) WriteLinkReport(*s.station.links, out);
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
