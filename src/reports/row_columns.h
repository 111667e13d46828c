// The columns of the session and address rows, in their order: the one
// list the CSV files and the JSON write them from.
#ifndef BRANTLOW_REPORTS_ROW_COLUMNS_H_
#define BRANTLOW_REPORTS_ROW_COLUMNS_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reports/period_report.h"
#include "reports/run_record.h"

namespace brantlow {

// One value of a row: text (CP866), a whole number, a real number with
// its printf format, or a yes/no flag.
struct ColumnValue {
  enum class Type { kText, kInteger, kReal, kFlag, kTextList };
  Type type = Type::kText;
  std::string text;
  std::vector<std::string> list;
  long long integer = 0;
  double real = 0;
  const char* format = "%.0f";
  bool flag = false;
};

template <typename Row>
struct Column {
  std::string_view name;
  ColumnValue (*value)(const Row& row);
  bool cost = false;  // only when tariffs are configured
  // Only in the JSON, and there only when it holds something: what one
  // log dialect alone gives.
  bool json_when_set = false;
};

std::span<const Column<SessionRow>> SessionColumns();
std::span<const Column<AddressTotals>> AddressColumns();

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_ROW_COLUMNS_H_
