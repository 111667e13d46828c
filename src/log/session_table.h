// The one shared store of the run: every session, terminal-emulator period,
// process and BBS call found in the reading window, in log order.
#ifndef BRANTLOW_LOG_SESSION_TABLE_H_
#define BRANTLOW_LOG_SESSION_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace brantlow {

// What a record's name stands for when it is no address: a failed
// handshake, or a caller passed on to the BBS.
enum class SessionTag : char { kNone, kHandshakeFailure, kTerminalCall };

// A zero-filled record is an empty slot. Text fields are fixed-width; the
// connect string and the password status need no terminator when full.
struct SessionRecord {
  char start_time[9];  // hh:mm:ss as the log wrote it
  char end_time[9];    // empty until the closing line
  char name[19];       // address, name text or BBS user
  char connect[28];    // text after the CONNECT phrase
  std::int64_t bytes_sent;
  std::int64_t bytes_received;
  char mailer[49];   // text after the "using" phrase
  char kind;         // i o T p B ?, zero in an empty slot
  char password[6];  // "passw ", "mism  ", "error ", "?!"
  double duration;   // seconds
  double cps;
  char crash_mark;  // '!' for a crash-poll repeat, else blank
  SessionTag tag;   // set with the names that stand for no address
  // Every address the remote presented, blank-separated, where the log
  // names them all (binkd's); as many as the field holds.
  char akas[96];
};

// Byte counts add up exactly; a sum past the range (only forged counts
// get there) stays at its top.
inline void AddBytes(std::int64_t& total, std::int64_t more) {
  constexpr std::int64_t kTop = std::numeric_limits<std::int64_t>::max();
  total = more > 0 && total > kTop - more ? kTop : total + more;
}

// Kind codes.
inline constexpr char kIncoming = 'i';
inline constexpr char kOutgoing = 'o';
inline constexpr char kTerminal = 'T';
inline constexpr char kProcess = 'p';
inline constexpr char kBbsCaller = 'B';
inline constexpr char kNoEnd = '?';

// Grows with the window: a busy station's day may hold any number of
// sessions, and memory follows the window, never the log. Records are
// numbered from 0 in log order; the newest is the one the log's lines go on
// filling.
class SessionTable {
 public:
  bool empty() const { return records_.empty(); }
  int size() const { return static_cast<int>(records_.size()); }
  // The newest record's number; -1 while empty.
  int newest() const { return size() - 1; }

  SessionRecord& Current() { return records_.back(); }
  const SessionRecord& Current() const { return records_.back(); }
  SessionRecord& operator[](int i) { return records_[Slot(i)]; }
  const SessionRecord& operator[](int i) const { return records_[Slot(i)]; }
  auto begin() { return records_.begin(); }
  auto end() { return records_.end(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

  void Clear() { records_.clear(); }
  // A new record, zero-filled, becomes the newest.
  void Append() { records_.emplace_back(); }
  // The newest record goes (folded into the one before it).
  void DropNewest() { records_.pop_back(); }
  // Keeps the first count records.
  void Truncate(int count) { records_.resize(Slot(count)); }
  // Keeps the records numbered in order, in that order: each record moves
  // once.
  void Reorder(const std::vector<int>& order) {
    std::vector<SessionRecord> kept;
    kept.reserve(order.size());
    for (const int i : order) kept.push_back(records_[Slot(i)]);
    records_.swap(kept);
  }

 private:
  static std::size_t Slot(int i) { return static_cast<std::size_t>(i); }
  std::vector<SessionRecord> records_;
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_SESSION_TABLE_H_
