// Per-address totals: the session table folded into one record per name,
// ordered by zone, net, node and point, and written with a totals line.
#ifndef BRANTLOW_REPORTS_ADDRESS_SUMMARY_H_
#define BRANTLOW_REPORTS_ADDRESS_SUMMARY_H_

#include <string_view>
#include <vector>

#include "base/report_texts.h"
#include "log/session_table.h"
#include "platform/output.h"
#include "reports/report_modes.h"

namespace brantlow {

// Sessions in the table before folding; the one blank record of an empty
// window does not count.
int SessionTotal(const SessionTable& table);

// Folds records of equal names (sums of bytes, duration and CPS, the CPS
// then the mean over folded sessions with a positive CPS) and sorts the
// table in place. Afterwards it no longer lists single sessions.
void SortAndMerge(SessionTable& table);

// The order SortAndMerge puts names of no equals in: the indexes of names,
// first to last.
std::vector<int> SummaryOrder(const std::vector<std::string_view>& names);

enum class SummaryTarget { kStatisticsFile, kBbsUserFile };

// session_count is the session total for the statistics file, the BBS
// session count for the BBS-user file.
void WriteAddressSummary(const SessionTable& table, Output& out,
                         BbsMode bbs_mode, SummaryTarget target,
                         int session_count, const ReportTexts& texts);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_ADDRESS_SUMMARY_H_
