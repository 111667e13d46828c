// Reads the transfer scratch file back: every mailer session gets the mean
// rate of its transfers, and the last session and those that ended
// without a summary line their byte totals from the files they finished.
#ifndef BRANTLOW_FILES_TRANSFER_RATE_PASS_H_
#define BRANTLOW_FILES_TRANSFER_RATE_PASS_H_

#include "log/log_phrases.h"
#include "log/session_table.h"
#include "platform/line_reader.h"

namespace brantlow {

// Reads the scratch entries from their start.
void RunTransferRatePass(SessionTable& table, LineReader& scratch,
                         const LogPhrases& phrases);

}  // namespace brantlow

#endif  // BRANTLOW_FILES_TRANSFER_RATE_PASS_H_
