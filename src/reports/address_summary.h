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

// Which records fold into which and the order of those left: from the
// names alone, so that a second core can work it out while the other
// steps fill in the rest of the records.
struct SummaryPlan {
  std::vector<int> group;  // each record's name, as its slot in kept
  std::vector<int> kept;   // the first record of each name, in table order
  std::vector<int> order;  // the kept records' numbers in summary order
};
SummaryPlan PlanSummary(const SessionTable& table);
// The same fold with the plan of the table as its names stand now.
void SortAndMerge(SessionTable& table, const SummaryPlan& plan);

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
