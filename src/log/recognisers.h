// The five readers of a mailer-log line that fill in the current session
// record: session events, address and mailer, password status, transfer
// lines and the summary line.
#ifndef BRANTLOW_LOG_RECOGNISERS_H_
#define BRANTLOW_LOG_RECOGNISERS_H_

#include <cstddef>
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
  // The time of the newest session's last line of its own: where it ends
  // when a new session begins before its summary line came.
  char last_own[9] = {};
  // Only the sessions' starts and ends are wanted: no password, no files.
  bool spans_only = false;
  // Summary and transfer lines whose byte count was read as 0 for holding
  // something other than digits.
  std::int64_t malformed_lines = 0;
};

// The column where the event of a line begins, after its date and time.
inline constexpr std::size_t kEventColumn = 15;

// Runs the five in their order on one line (as seen up to its first NUL).
// The table must hold a current record.
void RunRecognisers(std::string_view line, RecogniserState& state);

// Whether the newest record is a session still waiting for its end.
bool SessionOpen(const RecogniserState& state);

// What begins on a line that opens a record.
enum class Opening { kCall, kTerminal, kProcess };

// A new record begins: a session still open ends at its last own line,
// marked as having no end. A call also ends an emulator period never left
// and a human caller never returned; a process, which may run inside
// those, ends only a mailer session.
void CloseUnfinished(RecogniserState& state, Opening opening);

// Each recogniser alone, for tests.
void RecogniseSessionEvents(std::string_view line, RecogniserState& state);
// The terminal emulator's start and end, part of the session events; a
// period of it is a record of its own, whatever record came before.
void RecogniseTerminalPhrases(std::string_view line, RecogniserState& state);
// Asked of every line twice: most lines begin with neither phrase's first
// letter, and are let go in line.
inline void RecogniseTerminal(std::string_view line, RecogniserState& state) {
  if (line.size() <= kEventColumn) return;
  auto may_begin = [&](std::string_view phrase) {
    return !phrase.empty() && line[kEventColumn] == phrase[0];
  };
  if (may_begin(state.phrases.entering_terminal) ||
      may_begin(state.phrases.leaving_terminal))
    RecogniseTerminalPhrases(line, state);
}
// These two tell whether the line was the session's.
bool RecogniseAddressAndMailer(std::string_view line, SessionTable& table,
                               SessionRecord& record,
                               const LogPhrases& phrases);
bool RecognisePassword(std::string_view line, SessionRecord& record,
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
