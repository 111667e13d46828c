#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/calendar.h"
#include "platform/cp866.h"
#include "reports/html_page.h"
#include "reports/html_table.h"
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

std::string Integer(long long value) { return IntegerText(value); }

// The column a row names itself in, before those a table shares.
std::vector<HtmlColumn> After(std::vector<HtmlColumn> first,
                              const std::vector<HtmlColumn>& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

// A table that folds into cards: each cell carries its column's label.
class CardTable final : public HtmlCells {
 public:
  CardTable(const char* id, std::vector<HtmlColumn> columns, const PageTexts& t,
            bool costs, std::string& out)
      : out_(out), error_(t.station.error), labels_(std::move(columns)) {
    if (costs) labels_.push_back({t.cost, true});
    out_ += "<table id=\"";
    out_ += id;
    out_ += "\" class=\"cards\">\n";
    AppendHeadRow(labels_, out_);
    out_ += "<tbody>\n";
  }
  ~CardTable() override { out_ += "</tbody>\n</table>\n"; }
  CardTable(const CardTable&) = delete;
  CardTable& operator=(const CardTable&) = delete;

  void Open(const char* row_class = nullptr) {
    out_ += row_class != nullptr
                ? "<tr class=\"" + std::string(row_class) + "\">"
                : std::string("<tr>");
    cell_ = 0;
  }
  void Close() { out_ += "</tr>\n"; }
  // A cell's column says whether it is a number.
  void Own(std::string_view text) override {
    Begin();
    out_ += text;
    out_ += "</td>";
  }
  void Number(std::string_view text) override { Own(text); }
  // Long names wrap.
  void Log(std::string_view cp866) override {
    Begin("text");
    AppendHtmlText(cp866, out_);
    out_ += "</td>";
  }
  // One cell over the rest of the row, for a line's error; its lines run
  // on as one.
  void Rest(std::string_view cp866) {
    out_ += "<td class=\"error\" data-label=\"";
    out_ += error_;
    out_ += "\" colspan=\"" +
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
    const HtmlColumn& c = labels_[cell_ < labels_.size() ? cell_ : 0];
    out_ += c.number                ? "<td class=\"n\" data-label=\""
            : text_class != nullptr ? "<td class=\"text\" data-label=\""
                                    : "<td data-label=\"";
    out_ += c.label;
    out_ += "\">";
    ++cell_;
  }

  std::string& out_;
  std::string_view error_;  // the label of a line's error
  std::vector<HtmlColumn> labels_;
  std::size_t cell_ = 0;
};

const PageTexts& Texts(const StationSummary& s) {
  return TextsFor(s.station.language).page;
}

void Heading(std::string_view text, std::string& out) {
  out += "<h2>";
  out += text;
  out += "</h2>\n";
}

void WriteLines(const StationSummary& s, std::string& out) {
  const bool costs = s.station.costs;
  const PageTexts& p = Texts(s);
  Heading(p.station.lines_heading, out);
  CardTable t(
      "lines",
      After(
          {{p.station.line, false}, {p.station.log, false}, {p.mailer, false}},
          TotalsColumns(p)),
      p, costs, out);
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
  t.Own(p.total);
  t.Own("");
  t.Own("");
  TotalsCells(t, s.station.totals, costs);
  t.Close();
}

// A period's days, each summed over the lines.
void WriteDays(const StationSummary& s, std::string& out) {
  const bool costs = s.station.costs;
  const PageTexts& p = Texts(s);
  Heading(p.station.days_heading, out);
  CardTable t("days", After({{p.date, false}}, TotalsColumns(p)), p, costs,
              out);
  for (const DayTotals& day : s.station.days) {
    t.Open("day");
    t.Own(FullDateText(day.date));
    TotalsCells(t, day, costs);
    t.Close();
  }
  t.Open("total");
  t.Own(p.total);
  TotalsCells(t, s.station.totals, costs);
  t.Close();
}

// The period report's eleven columns, the totals row as it has it.
void WriteAddresses(const StationSummary& s, std::string& out) {
  const bool costs = s.station.costs;
  const PageTexts& p = Texts(s);
  Heading(p.station.addresses_heading, out);
  CardTable t("addresses",
              AddressColumns(p, p.station.files_received, p.station.files_sent),
              p, costs, out);
  AddressTotals all;
  for (const AddressTotals& a : s.station.addresses) {
    t.Open();
    t.Log(a.name);
    AddressCells(t, a, costs, 0);
    t.Close();
    AddTo(all, a);
  }
  t.Open("total");
  t.Own(p.total);
  AddressCells(t, all, costs, 1);
  t.Close();
}

void WriteCharts(const StationSummary& s, std::string& out) {
  const bool mean = s.station.is_period;
  const PageTexts& p = Texts(s);
  if (s.station.busy) {
    std::string heading(p.station.station_busy);
    if (mean) heading += p.station.day_mean;
    heading += p.station.mean_over;
    heading += Integer(s.charted_lines);
    heading += p.station.lines_after;
    AppendBusyChart(*s.station.busy, heading, "busy-station", p, out);
  }
  // The lines' charts side by side where the screen is wide enough.
  out += "<div class=\"lines\">\n";
  for (const StationLine& line : s.lines) {
    if (!line.record || !line.record->busy) continue;
    std::string heading = std::string(p.line) + Integer(line.number) + ": ";
    AppendHtmlText(line.log, heading);
    heading += " (";
    AppendHtmlText(line.mailer, heading);
    heading += ")";
    if (mean) heading += p.station.line_day_mean;
    out += "<section>\n";
    AppendBusyChart(*line.record->busy, heading,
                    "busy-line" + Integer(line.number), p, out);
    out += "</section>\n";
  }
  out += "</div>\n";
}

}  // namespace

void WriteStationPage(const StationSummary& s, std::string& out) {
  const PageTexts& p = Texts(s);
  std::string title(p.station.title);
  AppendHtmlText(StationScopeText(s.station), title);
  title += p.station.lines_count;
  title += Integer(static_cast<long long>(s.lines.size()));
  std::string style(kStationStyle);
  if (s.station.links) style += kLinkStyle;
  AppendPageHead(p.lang, title, style, "station", out);
  out += "<h1>";
  out += title;
  out += "</h1>\n";
  AppendWarnings(s.station.warnings, out);
  WriteLines(s, out);
  WriteCharts(s, out);
  if (s.station.is_period) WriteDays(s, out);
  WriteAddresses(s, out);
  if (s.station.links) WriteLinkSection(*s.station.links, p, out);
  out += "<footer><p>";
  out += p.made_by;
  out += "</p></footer>\n";
  out += "</body>\n</html>\n";
}

}  // namespace brantlow
