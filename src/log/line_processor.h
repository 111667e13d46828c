// Hands each piece of the mailer log to the reading window and, inside it,
// to the cut file and the session extractor.
#ifndef BRANTLOW_LOG_LINE_PROCESSOR_H_
#define BRANTLOW_LOG_LINE_PROCESSOR_H_

#include <string_view>

#include "log/session_table.h"
#include "platform/text_file.h"

namespace brantlow {

// One day of the reading window.
struct ReadingWindow {
  int day = 0;
  int month = 0;
  int start_hour = 0;
  int start_minute = 0;
  int end_hour = 23;
  int end_minute = 59;
};

// Where the processed lines go: the cut file (copies) and the transfer
// scratch file (entries of the transfer lines). Either may be closed.
struct LineOutputs {
  TextFile* cut_file = nullptr;
  TextFile* scratch_file = nullptr;
};

// piece is every byte of one read, NUL bytes included.
void ProcessLine(std::string_view piece, const ReadingWindow& window,
                 int cut_mode, SessionTable& table, LineOutputs& outputs);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LINE_PROCESSOR_H_
