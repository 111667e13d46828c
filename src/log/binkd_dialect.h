// binkd's log: its dated lines ("+ 15 Mar 12:34:56 [4242] text", the first
// character the message level) and the reader that turns the lines of one
// binkp process, from "incoming session with" or "call to" to its "done"
// line or the process's end, into one session record.
#ifndef BRANTLOW_LOG_BINKD_DIALECT_H_
#define BRANTLOW_LOG_BINKD_DIALECT_H_

#include <array>
#include <cstddef>
#include <string_view>

#include "log/log_dialect.h"
#include "log/scratch_entry.h"
#include "log/session_table.h"

namespace brantlow {

// The parts of a binkd dated line.
struct BinkdLine {
  int day = 0;
  int month = 0;          // 1 to 12
  std::string_view time;  // hh:mm:ss
  long pid = 0;           // 0 where the log carries no process ids
  std::string_view text;  // the message, without its line end
};

// Whether line (as seen up to its first NUL) is a binkd dated line; fills
// parts when it is.
bool ParseBinkdLine(std::string_view line, BinkdLine& parts);

// Fed every line inside the window in log order; fills the table, one
// record per binkp session, and writes one scratch entry per file moved.
// A record is whole after every line: a session the log leaves open reads
// as it stands.
class BinkdSessionReader final : public SessionReader {
 public:
  BinkdSessionReader(SessionTable& table, ScratchSink* scratch)
      : table_(table), scratch_(scratch) {}

  void Read(std::string_view line) override;
  void Continue(std::string_view piece) override;
  bool Open() const override;
  void ReadAfter(std::string_view line) override;
  void Reset() override;

 private:
  // A session whose process has not ended yet.
  struct Running {
    long pid = 0;
    int record = -1;  // -1: the slot is free
    bool named = false;
  };
  static constexpr std::size_t kOpenLimit = 32;
  static constexpr std::size_t kLineLimit = 512;

  void Line(std::string_view line);
  Running* Find(long pid);
  Running& Start(const BinkdLine& parts, char kind);
  void Message(Running& open, const BinkdLine& parts);
  // The host or address a session is with, 27 characters at most (its
  // room in the reports' rows has always left one for an end).
  void SetConnect(SessionRecord& record, std::string_view text) {
    table_.SetConnect(record, text.substr(0, SessionTable::kConnectRoom - 1));
  }
  void Transfer(Running& open, std::string_view text, bool sent);
  void Done(Running& open, std::string_view text);

  SessionTable& table_;
  ScratchSink* scratch_;
  std::array<Running, kOpenLimit> open_{};
  std::size_t next_slot_ = 0;  // the slot taken when every one is in use
  // A line longer than one read, gathered from its pieces.
  char line_[kLineLimit] = {};
  std::size_t line_length_ = 0;
  bool gathering_ = false;
  // A scratch entry's tail, built here: no allocation per line.
  char tail_[96] = {};
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_BINKD_DIALECT_H_
