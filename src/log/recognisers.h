// The five readers of a mailer-log line that fill in the current session
// record: session events, address and mailer, password status, transfer
// lines and the summary line.
#ifndef BRANTLOW_LOG_RECOGNISERS_H_
#define BRANTLOW_LOG_RECOGNISERS_H_

#include <cstdint>
#include <string_view>

#include "log/log_phrases.h"
#include "log/scratch_entry.h"
#include "log/session_table.h"

namespace brantlow {

// What the recognisers share over the whole log read (both halves of a
// window that crosses midnight).
struct RecogniserState {
  SessionTable& table;
  const LogPhrases& phrases;
  ScratchSink* scratch;  // entries of the transfer lines
  bool human_caller_pending = false;
  bool inside_terminal = false;
  int terminal_record = -1;  // the record of the emulator period
  // Summary and transfer lines whose byte count was read as 0 for holding
  // something other than digits.
  std::int64_t malformed_lines = 0;
};

// Runs the five in their order on one line (as seen up to its first NUL).
// The table must hold a current record.
void RunRecognisers(std::string_view line, RecogniserState& state);

// Each recogniser alone, for tests.
void RecogniseSessionEvents(std::string_view line, RecogniserState& state);
// The terminal emulator's start and end, part of the session events; a
// period of it is a record of its own, whatever record came before.
void RecogniseTerminal(std::string_view line, RecogniserState& state);
void RecogniseAddressAndMailer(std::string_view line, SessionRecord& record,
                               const LogPhrases& phrases);
void RecognisePassword(std::string_view line, SessionRecord& record,
                       const LogPhrases& phrases);
// These two tell whether the line's byte count was malformed.
[[nodiscard]] bool RecogniseTransfer(std::string_view line,
                                     const RecogniserState& state);
[[nodiscard]] bool RecogniseSummary(std::string_view line,
                                    SessionRecord& record,
                                    const LogPhrases& phrases);

// The time of a line (columns 6 to 13) into a time field.
void CopyLineTime(std::string_view line, char (&field)[9]);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_RECOGNISERS_H_
