// The transfer scratch file: one entry per file-transfer line of the
// window, written while the log is read and read back by the rate pass and
// the files table. An entry is one text line:
//
//   ▓N▓█NAME█~s~TAIL      N the session index, NAME its record's name,
//                         ~s~ a file sent or ~r~ one received, TAIL the
//                         transfer line from the file name on
#ifndef BRANTLOW_LOG_SCRATCH_ENTRY_H_
#define BRANTLOW_LOG_SCRATCH_ENTRY_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/line_reader.h"
#include "platform/output.h"

namespace brantlow {

struct ScratchEntry {
  int session = 0;
  std::string_view name;
  bool sent = false;
  std::string_view tail;  // without its line end
};

// Where the recognisers put entries: the scratch file in a run, memory in
// tests.
class ScratchSink {
 public:
  virtual ~ScratchSink() = default;
  virtual void Add(const ScratchEntry& entry) = 0;
};

struct ReadEntry;

// Told each entry as the scratch reader will read it back, as it is
// written: what the entries add up to is known without reading them again.
class EntryListener {
 public:
  virtual ~EntryListener() = default;
  virtual void Take(const ReadEntry& entry) = 0;
  // The entries so far are dropped (a later year of the log starts over).
  virtual void Clear() = 0;
};

// Writes each entry as its line of text to out, when there is one (a run
// that lists no files needs no entries kept), and tells listener.
class ScratchWriter final : public ScratchSink {
 public:
  explicit ScratchWriter(Output& out) : ScratchWriter(&out, nullptr) {}
  ScratchWriter(Output* out, EntryListener* listener)
      : out_(out), listener_(listener) {}
  void Add(const ScratchEntry& entry) override;

 private:
  Output* const out_;
  EntryListener* const listener_;
  std::string entry_;  // the entry being built, its room kept
};

// An entry as read back: one read of at most kScratchReadLimit characters
// that begins with the "▓" mark, seen up to its first NUL.
struct ReadEntry {
  std::string_view text;
  std::int64_t offset = 0;  // where the entry begins
  int session = -1;         // the number after the mark
  // Set when the entry is whole up to its direction marker.
  bool well_formed = false;
  std::string_view name;
  bool sent = false;
  std::size_t tail_column = 0;  // where TAIL begins in text
  std::string_view tail;        // up to the end of the read, line end kept
};

inline constexpr std::size_t kScratchReadLimit = 88;

// Reads entries in file order. A piece of an entry longer than a read
// carries no mark and is passed over.
class ScratchReader {
 public:
  explicit ScratchReader(LineReader& in) : in_(in) {}

  // The next entry; false at the end.
  bool Next(ReadEntry& entry);

 private:
  LineReader& in_;
  char line_[kScratchReadLimit + 1];
  bool continuing_ = false;
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_SCRATCH_ENTRY_H_
