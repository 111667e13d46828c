// Reads the transfer scratch file back: every mailer session gets the mean
// rate of its transfers, and the last session its byte totals from them
// when the log's summary line gave none.
#ifndef BRANTLOW_FILES_TRANSFER_RATE_PASS_H_
#define BRANTLOW_FILES_TRANSFER_RATE_PASS_H_

#include <string_view>

#include "log/log_phrases.h"
#include "log/session_table.h"

namespace brantlow {

// A scratch file that cannot be opened leaves every record as it is.
void RunTransferRatePass(SessionTable& table, const char* scratch_path,
                         const LogPhrases& phrases);

}  // namespace brantlow

#endif  // BRANTLOW_FILES_TRANSFER_RATE_PASS_H_
