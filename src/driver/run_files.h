// The files of a run behind one interface: the report destinations, the
// cut and scratch files, and the BBS log. The run uses the disk; tests and
// fuzz targets keep everything in memory.
#ifndef BRANTLOW_DRIVER_RUN_FILES_H_
#define BRANTLOW_DRIVER_RUN_FILES_H_

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/line_reader.h"
#include "platform/output.h"
#include "platform/system_error.h"
#include "platform/text_file.h"

namespace brantlow {

enum class Destination {
  kStatistics,  // logdata.zvx
  kBbsUsers,    // maxdata.zvx
  kConnect,     // conndata.zvx, the connect table of its own
  kFilesTable,  // filedata.zvx, the files table of its own
  kCut,         // the cut file
  kScratch,     // the transfer scratch file
  kPeriod,      // perdata.zvx, the report of a period
};
inline constexpr int kDestinations = 7;

enum class OpenMode { kFresh, kAppend };

class RunFiles {
 public:
  virtual ~RunFiles() = default;

  // Opens the destination the first time it is asked for and hands out
  // the same output after; null when it cannot be made (told once).
  virtual Output* Open(Destination d, OpenMode mode) = 0;
  // The destination if it was opened, else null.
  virtual Output* Find(Destination d) = 0;
  // Tells, once, when what was written so far did not reach it whole.
  virtual void Settle(Destination d) = 0;
  // Closes the destination and tells how its writing went.
  virtual void Close(Destination d) = 0;
  // Drops what was written to an open destination since it was opened;
  // the output it handed out stays the one to write to.
  virtual void Rewind(Destination d) = 0;

  // The scratch entries, once the scratch file is closed; null when there
  // is no scratch file to read.
  virtual LineReader* ScratchEntries() = 0;
  // The BBS log; null when it cannot be opened, or when none is
  // configured (an empty path).
  virtual LineReader* BbsLog(const std::string& path) = 0;
  // Tells why the BBS log could not be opened: after its step line is
  // done, so that the message stands on a line of its own.
  virtual void TellBbsLogFailure(const std::string& path) = 0;
};

// The files on disk, under the names of the run's line number. A file the
// run could not create or fill is told on standard output, once. Each
// report and the cut file are written under a temporary name beside their
// own and put in its place when closed whole, so that an old one stays
// whole until the new one replaces it.
class DiskFiles final : public RunFiles {
 public:
  explicit DiskFiles(int line_number);
  ~DiskFiles() override;

  // The cut file and the scratch file are named once their directories
  // are known.
  void SetPath(Destination d, std::string path);
  // Report files are written in UTF-8 with the host's line ends.
  void WriteReportsInUtf8() { utf8_ = true; }
  const std::string& path(Destination d) const { return Slot(d).path; }
  // Whether this run wrote the destination whole and closed it.
  bool written(Destination d) const { return Slot(d).written; }

  Output* Open(Destination d, OpenMode mode) override;
  Output* Find(Destination d) override;
  void Settle(Destination d) override;
  void Close(Destination d) override;
  void Rewind(Destination d) override;
  LineReader* ScratchEntries() override;
  LineReader* BbsLog(const std::string& path) override;
  void TellBbsLogFailure(const std::string& path) override;

  // Removes the scratch file at the end of the run.
  void RemoveScratch();

  // Whether some file could not be created or written whole.
  [[nodiscard]] bool failed() const { return failed_; }

 private:
  struct File {
    std::string path;
    TextFile file;
    bool tried = false;
    bool told = false;
    OpenMode mode = OpenMode::kFresh;
    std::int64_t opened_size = 0;  // what an appended file held before
    bool rewind_failed = false;    // the old end could not be restored
    bool not_created = false;
    bool temporary = false;  // written under another name, then put
    bool written = false;    // closed whole under its own name
    // Why, when the failure was not the file's own opening or writing.
    std::optional<SystemError> reason;
  };
  File& Slot(Destination d) { return files_[static_cast<std::size_t>(d)]; }
  const File& Slot(Destination d) const {
    return files_[static_cast<std::size_t>(d)];
  }
  void Tell(File& f);

  std::array<File, kDestinations> files_;
  bool failed_ = false;
  TextFile scratch_reader_;
  bool scratch_read_tried_ = false;
  TextFile bbs_log_;
  bool utf8_ = false;
};

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_RUN_FILES_H_
