// A run as one JSON object for scripts: its window or period, the settings
// that shaped it, what was read, the sessions and address rows as in the
// CSV files, the days of a period, the 48 half-hour busy values, the
// totals and the warnings. UTF-8; keys in lower-case English.
#ifndef BRANTLOW_REPORTS_JSON_EXPORT_H_
#define BRANTLOW_REPORTS_JSON_EXPORT_H_

#include <string>

#include "reports/run_record.h"

namespace brantlow {

std::string RunJson(const RunRecord& record, std::string_view version);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_JSON_EXPORT_H_
