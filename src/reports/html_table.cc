#include "reports/html_table.h"

#include <cstdio>
#include <initializer_list>

namespace brantlow {

void AppendHeadRow(const std::vector<HtmlColumn>& columns, std::string& out) {
  out += "<thead><tr>";
  for (const HtmlColumn& c : columns) {
    out += c.number ? "<th class=\"n\">" : "<th>";
    out += c.label;
    out += "</th>";
  }
  out += "</tr></thead>\n";
}

std::string IntegerText(long long value) { return std::to_string(value); }

std::string DecimalsText(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::vector<HtmlColumn> TotalsColumns(const PageTexts& t) {
  return {{t.sessions, true}, {t.incoming, true}, {t.outgoing, true},
          {t.failures, true}, {t.received, true}, {t.sent, true},
          {t.time, true}};
}

namespace {

void Counts(HtmlCells& cells, std::initializer_list<long long> counts) {
  for (const long long n : counts) cells.Number(IntegerText(n));
}

}  // namespace

void TotalsCells(HtmlCells& cells, const DayTotals& d, bool costs) {
  Counts(cells,
         {d.sessions, d.incoming, d.outgoing, d.failures, d.received, d.sent});
  cells.Number(HoursMinutesSeconds(d.seconds));
  if (costs) cells.Number(DecimalsText(d.cost, 2));
}

std::vector<HtmlColumn> AddressColumns(const PageTexts& t,
                                       std::string_view files_received,
                                       std::string_view files_sent) {
  return {{t.address, false},     {t.sessions, true}, {t.incoming, true},
          {t.outgoing, true},     {t.received, true}, {t.sent, true},
          {files_received, true}, {files_sent, true}, {"CPS", true},
          {t.time, true}};
}

void AddressCells(HtmlCells& cells, const AddressTotals& a, bool costs,
                  int cps_decimals) {
  Counts(cells, {a.sessions, a.incoming, a.outgoing, a.received, a.sent,
                 a.files_received, a.files_sent});
  cells.Number(DecimalsText(a.cps_count > 0 ? a.cps_sum / a.cps_count : 0.0,
                            cps_decimals));
  cells.Number(HoursMinutesSeconds(a.seconds));
  if (costs) cells.Number(DecimalsText(a.cost, 2));
}

}  // namespace brantlow
