#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/calendar.h"
#include "platform/cp866.h"
#include "reports/html_page.h"
#include "reports/link_health.h"
#include "reports/period_report.h"
#include "reports/station_report.h"

namespace brantlow {

namespace {

// Wider than the one-run page, for the eleven columns of the addresses;
// below 48rem every row of a table is a card of label and value pairs,
// so no column hides behind a sideways scroll.
constexpr char kStationStyle[] =
    "body.station{max-width:80rem}\n"
    ".lines{display:grid;gap:0 1.5rem;"
    "grid-template-columns:repeat(auto-fit,minmax(min(100%,24rem),1fr))}\n"
    "table.cards{width:100%}\n"
    "table.cards th,table.cards td{padding:.2rem .4rem}\n"
    "table.cards th,td.error,td.text{white-space:normal;"
    "overflow-wrap:anywhere}\n"
    "@media (max-width:47.99rem){\n"
    "table.cards,table.cards tbody,table.cards tr,table.cards td{"
    "display:block;width:100%}\n"
    "table.cards thead{position:absolute;width:1px;height:1px;"
    "overflow:hidden;clip:rect(0 0 0 0)}\n"
    "table.cards tr{border:1px solid var(--line);border-radius:6px;"
    "margin:0 0 .6rem;padding:.3rem .6rem}\n"
    "table.cards td{display:flex;justify-content:space-between;gap:1rem;"
    "border:0;padding:.1rem 0;white-space:normal;overflow-wrap:anywhere}\n"
    "table.cards td::before{content:attr(data-label);color:var(--muted);"
    "font-weight:600;text-align:left}\n"
    "table.cards tr.total td{border-top:0}\n"
    "}\n";

struct Column {
  const char* label;  // UTF-8
  bool number;
};

std::string Integer(long long value) { return std::to_string(value); }

std::string Decimals(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// A table that folds into cards: each cell carries its column's label.
class CardTable {
 public:
  CardTable(const char* id, std::initializer_list<Column> columns, bool costs,
            std::string& out)
      : out_(out) {
    for (const Column& c : columns) labels_.push_back(c);
    if (costs) labels_.push_back({"Стоимость", true});
    out_ += "<table id=\"";
    out_ += id;
    out_ += "\" class=\"cards\">\n<thead><tr>";
    for (const Column& c : labels_) {
      out_ += c.number ? "<th class=\"n\">" : "<th>";
      out_ += c.label;
      out_ += "</th>";
    }
    out_ += "</tr></thead>\n<tbody>\n";
  }
  ~CardTable() { out_ += "</tbody>\n</table>\n"; }
  CardTable(const CardTable&) = delete;
  CardTable& operator=(const CardTable&) = delete;

  void Open(const char* row_class = nullptr) {
    out_ += row_class != nullptr
                ? "<tr class=\"" + std::string(row_class) + "\">"
                : std::string("<tr>");
    cell_ = 0;
  }
  void Close() { out_ += "</tr>\n"; }
  // The program's own text or a number, with nothing to escape.
  void Own(std::string_view text) {
    Begin();
    out_ += text;
    out_ += "</td>";
  }
  // Text of the log or the configuration, CP866; long names wrap.
  void Log(std::string_view cp866) {
    Begin("text");
    AppendHtmlText(cp866, out_);
    out_ += "</td>";
  }
  // One cell over the rest of the row, for a line's error; its lines run
  // on as one.
  void Rest(std::string_view cp866) {
    out_ += "<td class=\"error\" data-label=\"Ошибка\" colspan=\"" +
            Integer(static_cast<long long>(labels_.size() - cell_)) + "\">";
    std::string text;
    for (char c : cp866) {
      if (c == '\n') c = ' ';
      if (c == ' ' && !text.empty() && text.back() == ' ') continue;
      text += c;
    }
    AppendHtmlText(text, out_);
    out_ += "</td>";
    cell_ = labels_.size();
  }

 private:
  void Begin(const char* text_class = nullptr) {
    const Column& c = labels_[cell_ < labels_.size() ? cell_ : 0];
    out_ += c.number                ? "<td class=\"n\" data-label=\""
            : text_class != nullptr ? "<td class=\"text\" data-label=\""
                                    : "<td data-label=\"";
    out_ += c.label;
    out_ += "\">";
    ++cell_;
  }

  std::string& out_;
  std::vector<Column> labels_;
  std::size_t cell_ = 0;
};

void TotalsCells(CardTable& t, const DayTotals& d, bool costs) {
  t.Own(Integer(d.sessions));
  t.Own(Integer(d.incoming));
  t.Own(Integer(d.outgoing));
  t.Own(Integer(d.failures));
  t.Own(Integer(d.received));
  t.Own(Integer(d.sent));
  t.Own(HoursMinutesSeconds(d.seconds));
  if (costs) t.Own(Decimals(d.cost, 2));
}

void WriteLines(const StationSummary& s, std::string& out) {
  const bool costs = s.station.costs;
  out += "<h2>Lines</h2>\n";
  CardTable t("lines",
              {{"Линия", false},
               {"Лог", false},
               {"Мэйлер", false},
               {"Сессий", true},
               {"Вход.", true},
               {"Исход.", true},
               {"Сбои", true},
               {"Принято", true},
               {"Передано", true},
               {"Время", true}},
              costs, out);
  for (const StationLine& line : s.lines) {
    t.Open(line.record ? "line" : "line failed");
    t.Own(Integer(line.number));
    t.Log(line.log);
    t.Log(line.mailer);
    if (line.record)
      TotalsCells(t, line.record->totals, costs);
    else
      t.Rest(line.error);
    t.Close();
  }
  t.Open("total");
  t.Own("Всего");
  t.Own("");
  t.Own("");
  TotalsCells(t, s.station.totals, costs);
  t.Close();
}

// A period's days, each summed over the lines.
void WriteDays(const StationSummary& s, std::string& out) {
  const bool costs = s.station.costs;
  out += "<h2>Days of the station</h2>\n";
  CardTable t("days",
              {{"Дата", false},
               {"Сессий", true},
               {"Вход.", true},
               {"Исход.", true},
               {"Сбои", true},
               {"Принято", true},
               {"Передано", true},
               {"Время", true}},
              costs, out);
  for (const DayTotals& day : s.station.days) {
    t.Open("day");
    t.Own(FullDateText(day.date));
    TotalsCells(t, day, costs);
    t.Close();
  }
  t.Open("total");
  t.Own("Всего");
  TotalsCells(t, s.station.totals, costs);
  t.Close();
}

void AddressCells(CardTable& t, const AddressTotals& a, bool costs,
                  int cps_decimals) {
  t.Own(Integer(a.sessions));
  t.Own(Integer(a.incoming));
  t.Own(Integer(a.outgoing));
  t.Own(Integer(a.received));
  t.Own(Integer(a.sent));
  t.Own(Integer(a.files_received));
  t.Own(Integer(a.files_sent));
  t.Own(
      Decimals(a.cps_count > 0 ? a.cps_sum / a.cps_count : 0.0, cps_decimals));
  t.Own(HoursMinutesSeconds(a.seconds));
  if (costs) t.Own(Decimals(a.cost, 2));
}

// The period report's eleven columns, the totals row as it has it.
void WriteAddresses(const StationSummary& s, std::string& out) {
  const bool costs = s.station.costs;
  out += "<h2>Addresses of all lines</h2>\n";
  CardTable t("addresses",
              {{"Адрес", false},
               {"Сессий", true},
               {"Вход.", true},
               {"Исход.", true},
               {"Принято", true},
               {"Передано", true},
               {"Файлы принято", true},
               {"Файлы передано", true},
               {"CPS", true},
               {"Время", true}},
              costs, out);
  AddressTotals all;
  for (const AddressTotals& a : s.station.addresses) {
    t.Open();
    t.Log(a.name);
    AddressCells(t, a, costs, 0);
    t.Close();
    AddTo(all, a);
  }
  t.Open("total");
  t.Own("Всего");
  AddressCells(t, all, costs, 1);
  t.Close();
}

void WriteCharts(const StationSummary& s, std::string& out) {
  const bool mean = s.station.is_period;
  if (s.station.busy)
    AppendBusyChart(*s.station.busy,
                    "Station: busy time per half hour" +
                        std::string(mean ? " (a day's mean)" : "") +
                        ", the mean over " + Integer(s.charted_lines) +
                        " line(s)",
                    "busy-station", TextsFor(s.station.language).page, out);
  // The lines' charts side by side where the screen is wide enough.
  out += "<div class=\"lines\">\n";
  for (const StationLine& line : s.lines) {
    if (!line.record || !line.record->busy) continue;
    std::string heading = "Line " + Integer(line.number) + ": ";
    AppendHtmlText(line.log, heading);
    heading += " (";
    AppendHtmlText(line.mailer, heading);
    heading += mean ? "), mean per day" : ")";
    out += "<section>\n";
    AppendBusyChart(*line.record->busy, heading,
                    "busy-line" + Integer(line.number),
                    TextsFor(s.station.language).page, out);
    out += "</section>\n";
  }
  out += "</div>\n";
}

void WriteWarnings(const RunRecord& station, std::string& out) {
  if (station.warnings.empty()) return;
  out += "<ul class=\"warnings\">\n";
  for (const std::string& w : station.warnings) {
    out += "<li>";
    AppendHtmlText(w, out);
    out += "</li>\n";
  }
  out += "</ul>\n";
}

}  // namespace

void WriteStationPage(const StationSummary& s, std::string& out) {
  std::string title;
  AppendHtmlText(CP866("Статистика станции ") + StationScopeText(s.station) +
                     CP866(", линий: ") +
                     Integer(static_cast<long long>(s.lines.size())),
                 title);
  out +=
      "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, "
      "initial-scale=1\">\n<meta name=\"color-scheme\" content=\"light "
      "dark\">\n<title>";
  out += title;
  out += "</title>\n<style>\n";
  out += HtmlPageStyle();
  out += kStationStyle;
  if (s.station.links) out += kLinkStyle;
  out += "</style>\n</head>\n<body class=\"station\">\n<h1>";
  out += title;
  out += "</h1>\n";
  WriteWarnings(s.station, out);
  WriteLines(s, out);
  WriteCharts(s, out);
  if (s.station.is_period) WriteDays(s, out);
  WriteAddresses(s, out);
  if (s.station.links) WriteLinkSection(*s.station.links, out);
  out += "<footer><p>Made by brantlow, T-Mail log statistics.</p></footer>\n";
  out += "</body>\n</html>\n";
}

}  // namespace brantlow
