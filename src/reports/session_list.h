// The table of individual sessions under the window title, for the
// statistics file (every session) or the BBS-user file (BBS users only).
#ifndef BRANTLOW_REPORTS_SESSION_LIST_H_
#define BRANTLOW_REPORTS_SESSION_LIST_H_

#include "log/session_table.h"
#include "platform/text_file.h"
#include "reports/report_window.h"

namespace brantlow {

enum class SessionListTarget { kBbsUserFile = 0, kStatisticsFile = 1 };

// Writes the title and the framed list into out and closes it. A non-zero
// crash-poll period adds the С column; BBS mode 2 hides BBS users' names in
// the statistics file. Rows of the BBS-user file add to bbs_session_count.
void WriteSessionList(const ReportWindow& window, int crash_poll_period,
                      const SessionTable& table, TextFile& out, int bbs_mode,
                      SessionListTarget target, int& bbs_session_count);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_SESSION_LIST_H_
