// What the one-run page and the station page share of their tables: the
// columns of a day's totals and of a period's addresses, and the cells
// under them, however a page lays its cells out.
#ifndef BRANTLOW_REPORTS_HTML_TABLE_H_
#define BRANTLOW_REPORTS_HTML_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

#include "base/report_texts.h"
#include "reports/period_report.h"

namespace brantlow {

struct HtmlColumn {
  std::string_view label;  // UTF-8, the reports' own header words
  bool number;             // right-aligned
};

// Where a row's cells go, in order: a plain table row, or a card whose
// cells each carry their column's label.
class HtmlCells {
 public:
  virtual ~HtmlCells() = default;
  // The program's own text, UTF-8 with nothing to escape.
  virtual void Own(std::string_view text) = 0;
  virtual void Number(std::string_view text) = 0;
  // Text of the log or the configuration, CP866.
  virtual void Log(std::string_view cp866) = 0;
};

// A table's head row: "<thead><tr>", a heading a column, "</tr></thead>".
void AppendHeadRow(const std::vector<HtmlColumn>& columns, std::string& out);

std::string IntegerText(long long value);
std::string DecimalsText(double value, int decimals);

// A day's totals after the cell that names the day (or line): sessions,
// by direction, failures, bytes, time on line and, with tariffs, cost.
std::vector<HtmlColumn> TotalsColumns(const PageTexts& t);
void TotalsCells(HtmlCells& cells, const DayTotals& d, bool costs);

// A period's addresses: the columns from the address on (the files' own
// headings, which differ between the pages), and the cells after the one
// that names the row.
std::vector<HtmlColumn> AddressColumns(const PageTexts& t,
                                       std::string_view files_received,
                                       std::string_view files_sent);
void AddressCells(HtmlCells& cells, const AddressTotals& a, bool costs,
                  int cps_decimals);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_HTML_TABLE_H_
