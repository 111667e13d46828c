// Turns the lines inside the reading window into session records: CONNECT
// lines and process patterns open records, the recognisers fill them.
#ifndef BRANTLOW_LOG_SESSION_EXTRACTOR_H_
#define BRANTLOW_LOG_SESSION_EXTRACTOR_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "log/log_dialect.h"
#include "log/log_phrases.h"
#include "log/process_definitions.h"
#include "log/recognisers.h"
#include "log/scratch_entry.h"
#include "log/session_table.h"

namespace brantlow {

// T-Mail's reader of sessions.
class SessionExtractor final : public SessionReader {
 public:
  // detect_processes is off when no configuration file was read.
  SessionExtractor(SessionTable& table, const LogPhrases& phrases,
                   const ProcessDefinitions& processes, bool detect_processes,
                   ScratchSink* scratch)
      : recognisers_{table, phrases, scratch},
        processes_(processes),
        detect_processes_(detect_processes) {}

  // Reads only when each session began and ended.
  void ReadSpansOnly() { recognisers_.spans_only = true; }

  // One line inside the window, as seen up to its first NUL.
  void Extract(std::string_view line);
  void Read(std::string_view line) override { Extract(line); }
  bool Open() const override;
  void ReadAfter(std::string_view line) override;
  // A call: it ends every session, terminal period and process before it
  // and sets all the reader keeps anew.
  bool StartsAfresh(std::string_view line) const override {
    return Calls(line);
  }

  // Empties the table and forgets every open session and process, for a
  // scan that starts over with a later year of the log.
  void Reset() override {
    recognisers_.table.Clear();
    recognisers_.human_caller_pending = false;
    recognisers_.inside_terminal = false;
    recognisers_.terminal_record = -1;
    recognisers_.last_own[0] = '\0';
    recognisers_.malformed_lines = 0;
    open_ = {};
  }

  // Lines whose byte counts were read as 0 for being malformed.
  std::int64_t malformed_lines() const override {
    return recognisers_.malformed_lines;
  }

 private:
  // Whether a process waits for its end: asked of every line, the flags
  // looked at all at once.
  bool ProcessOpen() const {
    unsigned any = 0;
    for (const bool open : open_) any |= static_cast<unsigned>(open);
    return any != 0;
  }
  void CloseOpenProcesses(std::string_view line);
  // Whether the line opens a call.
  bool Calls(std::string_view line) const;
  // What a line past the window would open: no open session's line.
  std::optional<Opening> Opens(std::string_view line) const;
  // Whether the line may open a call: the first letter of a connect
  // phrase stands where it begins.
  bool MayConnect(std::string_view line) const;
  void OpenConnect(std::string_view line);
  void DetectProcess(std::string_view line);

  RecogniserState recognisers_;
  const ProcessDefinitions& processes_;
  bool detect_processes_;
  // Which processes have a record waiting for its end time.
  std::array<bool, kProcessDefinitions> open_{};
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_SESSION_EXTRACTOR_H_
