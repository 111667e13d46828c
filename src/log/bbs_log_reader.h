// Completes the "Terminal Call" sessions from the log of a Maximus BBS:
// the caller's name, the bytes moved, the mean rate and a bad-password mark.
#ifndef BRANTLOW_LOG_BBS_LOG_READER_H_
#define BRANTLOW_LOG_BBS_LOG_READER_H_

#include "log/session_table.h"
#include "log/window.h"
#include "platform/line_reader.h"

namespace brantlow {

// Matches every "Terminal Call" record, in table order, to the next BBS
// call that begins inside the record (from its start to its end, on the
// window's day or, past midnight, the day after), came in at the record's
// connect speed and, unless line_number is 0, was taken by the Maximus
// task of that number; matched records get kind code B. Only the latest
// year of the BBS log that holds the day is searched; a call ends at its
// "End," line, or at the next call's begin line in a log without them.
void ReadBbsLog(SessionTable& table, const Window& window, int line_number,
                LineReader& log);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_BBS_LOG_READER_H_
