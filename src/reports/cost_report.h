// What the calls of configured partners cost, by day and night tariff.
#ifndef BRANTLOW_REPORTS_COST_REPORT_H_
#define BRANTLOW_REPORTS_COST_REPORT_H_

#include "base/report_texts.h"
#include "log/cost_table.h"
#include "log/session_table.h"
#include "platform/output.h"

namespace brantlow {

// Prices every incoming and outgoing session whose name equals an entry's
// name at the rate of the period in which it starts.
void CalculateCosts(CostTable& costs, const SessionTable& table);

// What one session costs by the same tariffs; 0 for a session no entry
// prices.
double SessionCost(const CostTable& costs, const SessionRecord& record);

// One row per entry, matched or not.
void WriteCostReport(const CostTable& costs, Output& out,
                     const ReportTexts& texts);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_COST_REPORT_H_
