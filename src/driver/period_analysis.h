// A run over a period of days: one pass over the mailer log, every day
// counted as the one-day run of that day would count it, and the period
// report made of the days.
#ifndef BRANTLOW_DRIVER_PERIOD_ANALYSIS_H_
#define BRANTLOW_DRIVER_PERIOD_ANALYSIS_H_

#include "driver/progress.h"
#include "driver/run_context.h"
#include "driver/run_files.h"
#include "log/log_scan.h"
#include "platform/file_window.h"
#include "reports/period_report.h"
#include "reports/run_record.h"

namespace brantlow {

// The summary of the period of run.settings, with nothing written; the
// record gets the same numbers.
PeriodSummary SummarisePeriod(RunContext& run, ByteWindow& log, RunFiles& files,
                              RunProgress& progress, RunRecord& record,
                              ScanCounts& counts);

// The summary, written to the period report, signature included. Returns
// what the scan saw of the log.
ScanCounts AnalysePeriod(RunContext& run, ByteWindow& log, RunFiles& files,
                         RunProgress& progress, RunRecord& record);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_PERIOD_ANALYSIS_H_
