// After reading: closes records that never got an end, computes every
// duration and marks the sessions that came too soon after an earlier
// session with the same remote (crash-poll repeats).
#ifndef BRANTLOW_LOG_CRASH_POLL_SEARCH_H_
#define BRANTLOW_LOG_CRASH_POLL_SEARCH_H_

#include "log/session_table.h"

namespace brantlow {

// period 0 switches the marking off; an end before its start counts from
// the next day; any_kind: sessions of every kind count, not only incoming
// ones. An empty table gets one blank record 0.
void SearchCrashPolls(SessionTable& table, int period, bool any_kind);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_CRASH_POLL_SEARCH_H_
