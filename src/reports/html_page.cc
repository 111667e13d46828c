#include "reports/html_page.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "base/calendar.h"
#include "base/report_texts.h"
#include "base/text_fields.h"
#include "platform/cp866.h"
#include "reports/html_table.h"

namespace brantlow {

namespace {

// Light by default, dark when the reader's system asks for it; wide
// tables scroll inside their own box so the page never does on a phone.
constexpr char kStyle[] =
    ":root{color-scheme:light dark;--bg:#fdfdfc;--fg:#1d2125;--muted:#5d6670;"
    "--line:#d6dbe0;--head:#eef1f4;--bar:#2f6db0;--grid:#ccd3da;"
    "--crash:#fff1d0;--warn:#fff4d6}\n"
    "@media (prefers-color-scheme:dark){:root{--bg:#15181b;--fg:#e2e5e9;"
    "--muted:#9ba5af;--line:#343b42;--head:#20262c;--bar:#63a5ea;"
    "--grid:#3b444d;--crash:#3b3220;--warn:#3b3220}}\n"
    "*{box-sizing:border-box}\n"
    "body{margin:0 auto;max-width:62rem;padding:.8rem;background:var(--bg);"
    "color:var(--fg);font:15px/1.45 system-ui,-apple-system,'Segoe UI',"
    "sans-serif}\n"
    "h1{font-size:1.3rem;margin:.4rem 0 1rem}\n"
    "h2{font-size:1.05rem;margin:1.6rem 0 .5rem}\n"
    ".scroll{overflow-x:auto;max-width:100%}\n"
    "table{border-collapse:collapse;font-variant-numeric:tabular-nums;"
    "white-space:nowrap}\n"
    "th,td{padding:.2rem .55rem;border-bottom:1px solid var(--line);"
    "text-align:left;vertical-align:top}\n"
    "th{background:var(--head);font-weight:600}\n"
    ".n{text-align:right}\n"
    "tr.total td{font-weight:600;border-top:2px solid var(--muted)}\n"
    "tr.crash td{background:var(--crash)}\n"
    ".note,footer{color:var(--muted);font-size:.85rem}\n"
    ".warnings{background:var(--warn);padding:.5rem .8rem;border-radius:4px}\n"
    "figure{margin:0}\n"
    "svg{display:block;width:100%;max-width:48rem;height:auto}\n"
    "svg .bar{fill:var(--bar)}\n"
    "svg .hit{fill:transparent}\n"
    "svg .slot:hover .bar{opacity:.75}\n"
    "svg .grid{stroke:var(--grid);stroke-width:1}\n"
    "svg .axis{stroke:var(--muted);stroke-width:1}\n"
    "svg text{fill:var(--muted);font-size:16px}\n";

// The chart's geometry in SVG units: 48 slots of 12 above an hour axis.
constexpr int kChartLeft = 52;
constexpr int kChartTop = 12;
constexpr int kPlotHeight = 200;
constexpr int kAxisLabel = 22;  // below the axis, to the hour labels' baseline
constexpr int kSlotWidth = 12;
constexpr int kPlotWidth = kSlotWidth * kHalfHours;
constexpr int kHalfHourSeconds = 1800;

// Texts of the log, CP866 bytes, as escaped UTF-8; a control byte would
// make the page invalid and shows as "?".
void AppendText(std::string_view cp866, std::string& out) {
  std::string utf8;
  AppendCp866AsUtf8(cp866, utf8);
  for (char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
          out += '?';
        else
          out += c;
    }
  }
}

std::string Bytes(double value) { return DecimalsText(value, 0); }
std::string Decimals(double value, int decimals) {
  return DecimalsText(value, decimals);
}
std::string Integer(long long value) { return IntegerText(value); }

std::string HalfHourText(int k) {
  return ClockText(k / 2, k % 2 * 30) + "-" +
         ClockText((k + 1) / 2, (k + 1) % 2 * 30);
}

// A cost column, not empty, ends the columns, for runs with tariffs.
void OpenTable(const char* id, const std::vector<HtmlColumn>& columns,
               std::string& out, std::string_view cost = {}) {
  out += "<div class=\"scroll\"><table id=\"";
  out += id;
  out += "\">\n";
  std::vector<HtmlColumn> all = columns;
  if (!cost.empty()) all.push_back({cost, true});
  AppendHeadRow(all, out);
  out += "<tbody>\n";
}

void CloseTable(std::string& out) { out += "</tbody>\n</table></div>\n"; }

// Texts of the log as a list, the ul element given the attribute.
void AppendList(std::string_view attribute,
                const std::vector<std::string>& items, std::string& out) {
  out.append("<ul ").append(attribute) += ">\n";
  for (const std::string& item : items) {
    out += "<li>";
    AppendText(item, out);
    out += "</li>\n";
  }
  out += "</ul>\n";
}

// One table row; cells are appended in order and the row closes itself.
class Row final : public HtmlCells {
 public:
  Row(std::string& out, const char* row_class = nullptr) : out_(out) {
    out_ += row_class != nullptr ? "<tr class=\"" : "<tr";
    if (row_class != nullptr) {
      out_ += row_class;
      out_ += "\"";
    }
    out_ += ">";
  }
  ~Row() override { out_ += "</tr>\n"; }
  Row(const Row&) = delete;
  Row& operator=(const Row&) = delete;

  void Own(std::string_view text) override { Cell("<td>", text); }
  void Number(std::string_view text) override {
    Cell("<td class=\"n\">", text);
  }
  void Log(std::string_view cp866) override {
    out_ += "<td>";
    AppendText(cp866, out_);
    out_ += "</td>";
  }
  // Names of the log, one per line.
  void LogLines(const std::vector<std::string>& lines) {
    out_ += "<td>";
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) out_ += "<br>";
      AppendText(lines[i], out_);
    }
    out_ += "</td>";
  }

 private:
  void Cell(std::string_view open, std::string_view text) {
    out_ += open;
    out_ += text;
    out_ += "</td>";
  }
  std::string& out_;
};

void WriteHistogram(const BusyArray& busy, bool mean, const PageTexts& t,
                    std::string& out) {
  AppendBusyChart(busy, mean ? t.mean_busy_heading : t.busy_heading, "busy", t,
                  out);
}

}  // namespace

void AppendPageHead(std::string_view lang, std::string_view title,
                    std::string_view more_style, std::string_view body_class,
                    std::string& out) {
  out.append("<!DOCTYPE html>\n<html lang=\"").append(lang) +=
      "\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, "
      "initial-scale=1\">\n<meta name=\"color-scheme\" content=\"light "
      "dark\">\n<title>";
  out += title;
  out += "</title>\n<style>\n";
  out += kStyle;
  out += more_style;
  out += "</style>\n</head>\n<body";
  if (!body_class.empty()) out.append(" class=\"").append(body_class) += "\"";
  out += ">\n";
}

void AppendWarnings(const std::vector<std::string>& warnings,
                    std::string& out) {
  if (!warnings.empty()) AppendList("class=\"warnings\"", warnings, out);
}

void AppendHtmlText(std::string_view cp866, std::string& out) {
  AppendText(cp866, out);
}

void AppendBusyChart(const BusyArray& busy, std::string_view heading,
                     std::string_view id, const PageTexts& t,
                     std::string& out) {
  out += "<h2>";
  out += heading;
  out += "</h2>\n";
  const int width = kChartLeft + kPlotWidth + 14;
  const int height = kChartTop + kPlotHeight + kAxisLabel + 8;
  const int base = kChartTop + kPlotHeight;
  out += "<figure><svg id=\"";
  out += id;
  out += "\" viewBox=\"0 0 " + Integer(width) + " " + Integer(height) +
         "\" role=\"img\" aria-label=\"" + std::string(heading) + "\">\n";
  for (int percent = 25; percent <= 100; percent += 25) {
    const std::string y = Integer(base - kPlotHeight * percent / 100);
    out += "<line class=\"grid\" x1=\"" + Integer(kChartLeft) + "\" x2=\"" +
           Integer(kChartLeft + kPlotWidth) + "\" y1=\"" + y + "\" y2=\"" + y +
           "\"/><text x=\"" + Integer(kChartLeft - 6) + "\" y=\"" + y +
           "\" dy=\"4\" text-anchor=\"end\">" + Integer(percent) + "%</text>\n";
  }
  for (int k = 0; k < kHalfHours; ++k) {
    const int seconds = busy[static_cast<std::size_t>(k)];
    const int shown = std::clamp(seconds, 0, kHalfHourSeconds);
    const double bar =
        static_cast<double>(kPlotHeight) * shown / kHalfHourSeconds;
    const int x = kChartLeft + k * kSlotWidth;
    const std::string title = "<title>" + HalfHourText(k) +
                              std::string(t.busy_word) +
                              HoursMinutesSeconds(seconds) + "</title>";
    // The transparent slot gives an empty half hour its tooltip too.
    out += "<g class=\"slot\">" + title + "<rect class=\"hit\" x=\"" +
           Integer(x) + "\" y=\"" + Integer(kChartTop) + "\" width=\"" +
           Integer(kSlotWidth) + "\" height=\"" + Integer(kPlotHeight) +
           "\"/><rect class=\"bar\" data-half-hour=\"" + Integer(k) +
           "\" data-seconds=\"" + Integer(seconds) + "\" x=\"" +
           Integer(x + 1) + "\" y=\"" + Decimals(base - bar, 2) +
           "\" width=\"" + Integer(kSlotWidth - 2) + "\" height=\"" +
           Decimals(bar, 2) + "\"/></g>\n";
  }
  out += "<line class=\"axis\" x1=\"" + Integer(kChartLeft) + "\" x2=\"" +
         Integer(kChartLeft + kPlotWidth) + "\" y1=\"" + Integer(base) +
         "\" y2=\"" + Integer(base) + "\"/>\n";
  for (int hour = 0; hour <= 24; ++hour) {
    const std::string x = Integer(kChartLeft + hour * 2 * kSlotWidth);
    out += "<line class=\"axis\" x1=\"" + x + "\" x2=\"" + x + "\" y1=\"" +
           Integer(base) + "\" y2=\"" + Integer(base + (hour % 2 ? 3 : 6)) +
           "\"/>";
    if (hour % 2 == 0)
      out += "<text x=\"" + x + "\" y=\"" + Integer(base + kAxisLabel) +
             "\" text-anchor=\"middle\">" + Integer(hour) + "</text>";
    out += "\n";
  }
  out.append("</svg></figure>\n<p class=\"note\">").append(t.busy_note) +=
      "</p>\n";
}

namespace {

// A heading cell with its title, the meaning of a one-letter column.
void TitledHeading(std::string_view label, std::string_view title,
                   std::string& out) {
  out.append("<th title=\"").append(title).append("\">").append(label) +=
      "</th>";
}

// The heading cells of the columns, in their order.
void Headings(std::initializer_list<std::string_view> labels, std::string& out,
              bool numbers = false) {
  for (std::string_view label : labels)
    out.append(numbers ? "<th class=\"n\">" : "<th>").append(label) += "</th>";
}

void WriteSessions(const RunRecord& r, const PageTexts& t, std::string& out) {
  const bool dates = r.window.crosses_midnight;
  const bool crash = r.crash_poll_period != 0;
  // Only partners with a tariff cost anything; a column of blanks says
  // nothing.
  const bool costs =
      r.costs && std::any_of(r.sessions.begin(), r.sessions.end(),
                             [](const SessionRow& s) { return s.cost != 0; });
  out.append("<h2>").append(t.sessions_heading) += "</h2>\n";
  out += "<div class=\"scroll\"><table id=\"sessions\">\n<thead><tr>";
  if (dates) Headings({t.date}, out);
  Headings({t.time}, out);
  if (crash) TitledHeading(t.crash, t.crash_title, out);
  Headings({t.address}, out);
  TitledHeading("D", t.kind_title, out);
  Headings({t.received, t.sent, "CPS"}, out, true);
  Headings({t.password}, out);
  if (costs) Headings({t.cost}, out, true);
  out += "</tr></thead>\n<tbody>\n";
  for (const SessionRow& s : r.sessions) {
    Row row(out, s.crash_poll ? "session crash" : "session");
    if (dates) row.Own(FullDateText(s.date));
    std::string span;
    AppendText(s.start, span);
    span += "-";
    AppendText(s.end, span);
    row.Own(span);
    if (crash) row.Own(s.crash_poll ? "!" : "");
    row.Log(s.name);
    row.Log(std::string_view(&s.kind, s.kind == '\0' ? 0 : 1));
    row.Number(Integer(s.received));
    row.Number(Integer(s.sent));
    row.Number(Bytes(s.cps));
    row.Log(s.password);
    if (costs) row.Number(s.cost != 0 ? Decimals(s.cost, 2) : "");
  }
  CloseTable(out);
  out.append("<p class=\"note\">").append(t.kind_note);
  if (crash) out += t.crash_note;
  out += ".</p>\n";
}

void WriteFiles(const std::vector<FilesRow>& files, const PageTexts& t,
                std::string& out) {
  out.append("<h2>").append(t.files_heading) += "</h2>\n";
  OpenTable(
      "files",
      {{t.address, false}, {t.files_received, false}, {t.files_sent, false}},
      out);
  for (const FilesRow& f : files) {
    Row row(out);
    row.Log(f.name);
    row.LogLines(f.received);
    row.LogLines(f.sent);
  }
  CloseTable(out);
}

void WriteConnects(const std::vector<SessionRow>& sessions, const PageTexts& t,
                   std::string& out) {
  out.append("<h2>").append(t.connects_heading) += "</h2>\n";
  OpenTable("connects",
            {{t.time, false},
             {t.address, false},
             {t.connect_string, false},
             {t.mailer, false}},
            out);
  for (const SessionRow& s : sessions) {
    Row row(out);
    row.Log(s.start);
    row.Log(s.name);
    row.Log(s.connect);
    row.Log(s.mailer);
  }
  CloseTable(out);
}

double MeanCps(const AddressTotals& a) {
  return a.cps_count > 0 ? a.cps_sum / a.cps_count : a.cps_sum;
}

// The day's summary: one row per name, the totals row as the statistics
// file has it (the CPS the mean of the names' means).
void WriteAddressSummary(const RunRecord& r, const PageTexts& t,
                         std::string& out) {
  out.append("<h2>").append(t.addresses_heading) += "</h2>\n";
  OpenTable("addresses",
            {{t.address, false},
             {t.received, true},
             {t.sent, true},
             {"CPS", true},
             {t.total_time, true}},
            out);
  double cps = 0;
  int with_cps = 0;
  for (const AddressTotals& a : r.addresses) {
    Row row(out);
    row.Log(a.name);
    row.Number(Integer(a.received));
    row.Number(Integer(a.sent));
    row.Number(Bytes(MeanCps(a)));
    row.Number(HoursMinutesSeconds(a.seconds));
    if (MeanCps(a) > 0) {
      cps += MeanCps(a);
      ++with_cps;
    }
  }
  {
    Row row(out, "total");
    row.Own(std::string(t.total) + ": " + Integer(r.totals.sessions) +
            std::string(t.sessions_word));
    row.Number(Integer(r.totals.received));
    row.Number(Integer(r.totals.sent));
    row.Number(Decimals(with_cps > 0 ? cps / with_cps : cps, 1));
    row.Number(HoursMinutesSeconds(r.totals.seconds));
  }
  CloseTable(out);
}

void WriteCosts(const std::vector<CostRow>& costs, const PageTexts& t,
                std::string& out) {
  out.append("<h2>").append(t.costs_heading) += "</h2>\n";
  OpenTable("costs",
            {{t.address, false},
             {t.cost_in, true},
             {t.cost_out, true},
             {t.time_in, true},
             {t.time_out, true}},
            out);
  for (const CostRow& c : costs) {
    Row row(out);
    row.Log(c.name);
    row.Number(Decimals(c.incoming_cost, 2));
    row.Number(Decimals(c.outgoing_cost, 2));
    row.Number(HoursMinutesSeconds(c.incoming_seconds));
    row.Number(HoursMinutesSeconds(c.outgoing_seconds));
  }
  CloseTable(out);
}

void WriteDayRow(const char* row_class, const std::string& label,
                 const DayTotals& d, bool costs, std::string& out) {
  Row row(out, row_class);
  row.Own(label);
  TotalsCells(row, d, costs);
}

void WriteDays(const RunRecord& r, const PageTexts& t, std::string& out) {
  out.append("<h2>").append(t.days_heading) += "</h2>\n";
  std::vector<HtmlColumn> columns{{t.date, false}};
  for (const HtmlColumn& c : TotalsColumns(t)) columns.push_back(c);
  OpenTable("days", columns, out, r.costs ? t.cost : std::string_view());
  for (const DayTotals& d : r.days)
    WriteDayRow("day", FullDateText(d.date), d, r.costs, out);
  WriteDayRow("total", std::string(t.total), r.totals, r.costs, out);
  CloseTable(out);
}

// total names the totals row, which an address row leaves empty.
void WriteAddressRow(std::string_view total, const AddressTotals& a, bool costs,
                     int cps_decimals, std::string& out) {
  Row row(out, total.empty() ? nullptr : "total");
  if (!total.empty())
    row.Own(total);
  else
    row.Log(a.name);
  AddressCells(row, a, costs, cps_decimals);
}

// The period's addresses, the totals row as the period report has it (the
// CPS the mean over every session with one).
void WritePeriodAddresses(const RunRecord& r, const PageTexts& t,
                          std::string& out) {
  out.append("<h2>").append(t.addresses_heading) += "</h2>\n";
  OpenTable("addresses", AddressColumns(t, t.files_received, t.files_sent), out,
            r.costs ? t.cost : std::string_view());
  AddressTotals all;
  for (const AddressTotals& a : r.addresses) {
    WriteAddressRow({}, a, r.costs, 0, out);
    AddTo(all, a);
  }
  WriteAddressRow(t.total, all, r.costs, 1, out);
  CloseTable(out);
}

void WriteSilentLinks(const std::vector<std::string>& links, const PageTexts& t,
                      std::string& out) {
  out.append("<h2>").append(t.silent_heading) += "</h2>\n";
  if (links.empty()) {
    out.append("<p id=\"silent\">").append(t.none) += "</p>\n";
    return;
  }
  AppendList("id=\"silent\"", links, out);
}

std::string Title(const RunRecord& r, const PageTexts& t) {
  std::string title;
  if (r.is_period) {
    title = t.period_title;
    title += FullDateText(r.period.FirstDate());
    title += '-';
    title += FullDateText(r.period.LastDate());
    title += t.period_days;
    title += Integer(r.period.days);
    return title;
  }
  const Window& w = r.window;
  title = t.statistics_title;
  title += FullDateText(w.FirstDate());
  if (w.crosses_midnight) {
    title += '-';
    title += FullDateText(w.SecondDate());
  }
  title += t.time_from;
  title += ClockText(w.start_hour, w.start_minute);
  title += t.time_to;
  title += ClockText(w.end_hour, w.end_minute);
  return title;
}

void WriteFooter(const RunRecord& r, const PageTexts& t, std::string& out) {
  out += "<footer><p>";
  if (r.line_number != 0)
    out.append(t.line).append(Integer(r.line_number)) += ". ";
  if (r.log_bytes > 0 || r.lines_read > 0) {
    out.append(t.log_read).append(Integer(r.log_bytes)).append(t.bytes);
    out.append(Integer(r.lines_read)).append(t.lines_read);
    out.append(Integer(r.lines_inside)).append(t.lines_inside);
  }
  if (!r.commands.empty()) {
    out += t.commands;
    AppendText(r.commands, out);
    out += ". ";
  }
  out.append(t.made_by) += "</p></footer>\n";
}

}  // namespace

void WriteHtmlPage(const RunRecord& r, std::string& out) {
  const PageTexts& t = TextsFor(r.language).page;
  const std::string title = Title(r, t);
  AppendPageHead(t.lang, title,
                 r.shown_links() != nullptr ? kLinkStyle : std::string_view(),
                 {}, out);
  out += "<h1>";
  out += title;
  if (r.line_number != 0)
    out.append(" (").append(t.line).append(Integer(r.line_number)) += ")";
  out += "</h1>\n";
  AppendWarnings(r.warnings, out);
  if (r.is_period) {
    WriteDays(r, t, out);
    WritePeriodAddresses(r, t, out);
    if (r.silent_links) WriteSilentLinks(*r.silent_links, t, out);
    if (r.busy) WriteHistogram(*r.busy, true, t, out);
  } else {
    if (r.busy) WriteHistogram(*r.busy, false, t, out);
    WriteSessions(r, t, out);
    if (r.files) WriteFiles(*r.files, t, out);
    if (r.connect_table) WriteConnects(r.sessions, t, out);
    WriteAddressSummary(r, t, out);
    if (r.costs) WriteCosts(r.cost_rows, t, out);
  }
  if (const LinkHealth* links = r.shown_links())
    WriteLinkSection(*links, t, out);
  WriteFooter(r, t, out);
  out += "</body>\n</html>\n";
}

}  // namespace brantlow
