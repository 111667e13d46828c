// The analysis of one window: the scan of the mailer log, then the report
// steps in their order, into the run's files.
#ifndef BRANTLOW_DRIVER_ANALYSIS_H_
#define BRANTLOW_DRIVER_ANALYSIS_H_

#include "driver/progress.h"
#include "driver/run_context.h"
#include "driver/run_files.h"
#include "log/log_scan.h"
#include "log/window.h"
#include "platform/file_window.h"
#include "reports/link_health.h"
#include "reports/run_record.h"

namespace brantlow {

// Expects the cut file (when the mode cuts) and the scratch file to be
// opened already; closes both, and every report file it wrote. Returns
// what the scan saw of the log. The record gets the run's numbers for the
// outputs beyond the CP866 reports.
ScanCounts Analyse(RunContext& run, const Window& window, ByteWindow& log,
                   RunFiles& files, RunProgress& progress, RunRecord& record);

// The signature line that ends the statistics and period reports, after
// the line marker of multi-line mode; it names the station of the Post
// keys, when they are set.
void WriteSignature(Output& out, const RunSettings& s);

// A silent link's last good session, looked for in the whole log: when it
// was last heard, whatever the days asked for.
void FindLastHeard(const RunContext& run, LinkHealth& links);
void WriteLineMarker(Output& out, int line_number);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_ANALYSIS_H_
