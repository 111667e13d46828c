// The session rows and the address rows of a run as CSV for spreadsheets:
// RFC 4180 quoting, UTF-8, a header row of lower-case English names,
// numbers as plain integers (CPS with one decimal), LF line ends.
#ifndef BRANTLOW_REPORTS_CSV_EXPORT_H_
#define BRANTLOW_REPORTS_CSV_EXPORT_H_

#include <string>

#include "reports/run_record.h"

namespace brantlow {

// One row per session, before any folding; cost only with tariffs.
std::string SessionsCsv(const RunRecord& record);

// The rows of the address summary (of a period: its per-address table),
// without the totals row.
std::string AddressesCsv(const RunRecord& record);

// Text of the reports (CP866) as UTF-8.
std::string Utf8(std::string_view cp866);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_CSV_EXPORT_H_
