// The files of a run kept in memory, for tests and fuzz targets that run
// the analysis without a disk.
#ifndef BRANTLOW_TESTS_MEMORY_RUN_FILES_H_
#define BRANTLOW_TESTS_MEMORY_RUN_FILES_H_

#include <array>
#include <optional>
#include <string>

#include "driver/run_files.h"

namespace brantlow::testing_support {

class MemoryFiles final : public RunFiles {
 public:
  // The BBS log the run may read; none when unset.
  std::optional<std::string> bbs_log;

  Output* Open(Destination d, OpenMode mode) override {
    Slot& s = slots_[Index(d)];
    if (!s.opened) {
      s.opened = true;
      if (mode == OpenMode::kFresh) s.out.Clear();
      s.opened_size = s.out.bytes().size();
    }
    return &s.out;
  }
  Output* Find(Destination d) override {
    Slot& s = slots_[Index(d)];
    return s.opened ? &s.out : nullptr;
  }
  void Settle(Destination) override {}
  void Close(Destination d) override { slots_[Index(d)].opened = false; }
  void Rewind(Destination d) override {
    Slot& s = slots_[Index(d)];
    if (s.opened) s.out.Truncate(s.opened_size);
  }
  LineReader* ScratchEntries() override {
    scratch_.emplace(bytes(Destination::kScratch));
    return &*scratch_;
  }
  LineReader* BbsLog(const std::string&) override {
    if (!bbs_log) return nullptr;
    bbs_reader_.emplace(*bbs_log);
    return &*bbs_reader_;
  }
  void TellBbsLogFailure(const std::string&) override {}

  // Empties every destination for another run, keeping the memory.
  void Reset() {
    for (Slot& s : slots_) {
      s.out.Clear();
      s.opened = false;
    }
    bbs_log.reset();
  }

  // What the run left in a destination, as the file's bytes.
  const std::string& bytes(Destination d) const {
    return slots_[Index(d)].out.bytes();
  }

 private:
  struct Slot {
    MemoryOutput out;
    bool opened = false;
    std::size_t opened_size = 0;
  };
  static std::size_t Index(Destination d) {
    return static_cast<std::size_t>(d);
  }
  std::array<Slot, kDestinations> slots_;
  std::optional<MemoryLines> scratch_;
  std::optional<MemoryLines> bbs_reader_;
};

}  // namespace brantlow::testing_support

#endif  // BRANTLOW_TESTS_MEMORY_RUN_FILES_H_
