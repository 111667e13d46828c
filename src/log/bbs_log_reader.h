// Completes the "Terminal Call" sessions from the log of a Maximus BBS:
// the caller's name, the bytes moved, the mean rate and a bad-password mark.
#ifndef BRANTLOW_LOG_BBS_LOG_READER_H_
#define BRANTLOW_LOG_BBS_LOG_READER_H_

#include "log/session_table.h"
#include "log/window.h"
#include "platform/line_reader.h"

namespace brantlow {

// Matches every "Terminal Call" record, in table order, to the next BBS
// call of the window's day that begins within the record's hours and came
// in at the record's connect speed; matched records get kind code B. A
// window across midnight is matched again with the day after. Only the
// latest year of the BBS log that holds the day is searched; a call ends
// at its "End," line, or at the next call's begin line in a log without
// them.
void ReadBbsLog(SessionTable& table, const Window& window, LineReader& log);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_BBS_LOG_READER_H_
