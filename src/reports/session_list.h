// The table of individual sessions under the window title, for the
// statistics file (every session) or the BBS-user file (BBS users only).
#ifndef BRANTLOW_REPORTS_SESSION_LIST_H_
#define BRANTLOW_REPORTS_SESSION_LIST_H_

#include "base/report_texts.h"
#include "log/session_table.h"
#include "log/window.h"
#include "platform/output.h"
#include "reports/report_modes.h"

namespace brantlow {

enum class SessionListTarget { kBbsUserFile = 0, kStatisticsFile = 1 };

// Writes the title and the framed list. A non-zero crash-poll period adds
// the С column; BbsMode::kUserFileHidden hides BBS users' names in the
// statistics file. Rows of the BBS-user file add to bbs_session_count.
void WriteSessionList(const Window& window, int crash_poll_period,
                      const SessionTable& table, Output& out, BbsMode bbs_mode,
                      SessionListTarget target, int& bbs_session_count,
                      const ReportTexts& texts);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_SESSION_LIST_H_
