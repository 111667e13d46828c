// The one shared store of the run: every session, terminal-emulator period,
// process and BBS call found in the reading window, in log order.
#ifndef BRANTLOW_LOG_SESSION_TABLE_H_
#define BRANTLOW_LOG_SESSION_TABLE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brantlow {

// What a record's name stands for when it is no address: a failed
// handshake, or a caller passed on to the BBS.
enum class SessionTag : char { kNone, kHandshakeFailure, kTerminalCall };

// A text of a record kept in its table's store (a busy day's records stay
// small, and every new page of them costs); zero-filled: none.
struct StoredText {
  std::uint32_t at;
  std::uint32_t length;
};

// A zero-filled record is an empty slot. Text fields are fixed-width; the
// password status needs no terminator when full.
struct SessionRecord {
  char start_time[9];  // hh:mm:ss as the log wrote it
  char end_time[9];    // empty until the closing line
  char name[19];       // address, name text or BBS user
  char kind;           // i o T p B ?, zero in an empty slot
  char password[6];    // "passw ", "mism  ", "error ", "?!"
  char crash_mark;     // '!' for a crash-poll repeat, else blank
  SessionTag tag;      // set with the names that stand for no address
  std::int64_t bytes_sent;
  std::int64_t bytes_received;
  double duration;  // seconds
  double cps;
  // In the table's store: the text after the CONNECT phrase (at most 28
  // characters), after the "using" phrase (at most 48), and every address
  // the remote presented, for the logs that name them all (binkd's).
  StoredText connect;
  StoredText mailer;
  StoredText akas;
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

// The records in one block of memory that grows by reallocation: the
// system moves a large block by remapping its pages, where a vector would
// copy every record into new pages, so a busy day's table is written once.
class RecordBlock {
 public:
  RecordBlock() = default;
  RecordBlock(const RecordBlock&) = delete;
  RecordBlock& operator=(const RecordBlock&) = delete;
  RecordBlock(RecordBlock&& other) noexcept { *this = std::move(other); }
  RecordBlock& operator=(RecordBlock&& other) noexcept;
  ~RecordBlock();

  std::size_t size() const { return size_; }
  SessionRecord* data() { return data_; }
  const SessionRecord* data() const { return data_; }
  // A zero-filled record at the end.
  void AppendZeroed();
  // Keeps the first count records, new ones zero-filled.
  void Resize(std::size_t count);

 private:
  void Reserve(std::size_t count);
  SessionRecord* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

// Grows with the window: a busy station's day may hold any number of
// sessions, and memory follows the window, never the log. Records are
// numbered from 0 in log order; the newest is the one the log's lines go on
// filling.
class SessionTable {
 public:
  bool empty() const { return records_.size() == 0; }
  int size() const { return static_cast<int>(records_.size()); }
  // The newest record's number; -1 while empty.
  int newest() const { return size() - 1; }

  SessionRecord& Current() { return *(end() - 1); }
  const SessionRecord& Current() const { return *(end() - 1); }
  SessionRecord& operator[](int i) { return records_.data()[Slot(i)]; }
  const SessionRecord& operator[](int i) const {
    return records_.data()[Slot(i)];
  }
  SessionRecord* begin() { return records_.data(); }
  SessionRecord* end() { return records_.data() + records_.size(); }
  const SessionRecord* begin() const { return records_.data(); }
  const SessionRecord* end() const { return records_.data() + records_.size(); }

  void Clear() {
    records_.Resize(0);
    text_.clear();
    recent_ = {};
  }
  // A new record, zero-filled, becomes the newest.
  void Append() { records_.AppendZeroed(); }
  // The newest record goes (folded into the one before it).
  void DropNewest() { records_.Resize(records_.size() - 1); }
  // Keeps the first count records.
  void Truncate(int count) { records_.Resize(Slot(count)); }
  // Keeps the records numbered in order, in that order, moving them where
  // they stand: no second table of a busy day.
  void Reorder(const std::vector<int>& order);

  // The texts of a record of this table; its addresses blank-separated.
  std::string_view Connect(const SessionRecord& r) const {
    return Stored(r.connect);
  }
  std::string_view Mailer(const SessionRecord& r) const {
    return Stored(r.mailer);
  }
  std::string_view Akas(const SessionRecord& r) const { return Stored(r.akas); }
  // A record's text anew, up to its first NUL and cut to the room it had
  // as a field.
  void SetConnect(SessionRecord& r, std::string_view text) {
    Store(r.connect, text, kConnectRoom);
  }
  void SetMailer(SessionRecord& r, std::string_view text) {
    Store(r.mailer, text, kMailerRoom);
  }
  static constexpr std::size_t kConnectRoom = 28;
  static constexpr std::size_t kMailerRoom = 48;
  // One more address for a record of this table, while fewer than
  // kAkaRoom characters hold them all.
  void AddAka(SessionRecord& r, std::string_view address);
  static constexpr std::size_t kAkaRoom = 96;

 private:
  static std::size_t Slot(int i) { return static_cast<std::size_t>(i); }
  std::string_view Stored(StoredText t) const {
    return std::string_view(text_).substr(t.at, t.length);
  }
  void Store(StoredText& t, std::string_view text, std::size_t room);
  RecordBlock records_;
  std::string text_;                     // the records' texts, end to end
  std::array<StoredText, 64> recent_{};  // texts Store kept, shared again
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_SESSION_TABLE_H_
