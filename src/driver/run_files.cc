#include "driver/run_files.h"

#include "driver/file_names.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/system_error.h"

namespace brantlow {

DiskFiles::DiskFiles(int line_number) {
  Slot(Destination::kStatistics).path = StatisticsFileName(line_number);
  Slot(Destination::kBbsUsers).path = BbsUserFileName(line_number);
  Slot(Destination::kConnect).path = ConnectFileName(line_number);
  Slot(Destination::kFilesTable).path = FilesTableFileName(line_number);
  Slot(Destination::kScratch).path = ScratchFileName(line_number);
  Slot(Destination::kPeriod).path = PeriodFileName(line_number);
  for (Destination d :
       {Destination::kStatistics, Destination::kBbsUsers, Destination::kConnect,
        Destination::kFilesTable, Destination::kPeriod, Destination::kCut})
    Slot(d).temporary = true;
}

DiskFiles::~DiskFiles() = default;

void DiskFiles::SetPath(Destination d, std::string path) {
  Slot(d).path = std::move(path);
}

void DiskFiles::Tell(File& f) {
  const FileOutcome outcome = f.not_created     ? FileOutcome::kNotOpened
                              : f.rewind_failed ? FileOutcome::kWriteFailed
                                                : f.file.outcome();
  if (outcome == FileOutcome::kOk || f.told) return;
  f.told = true;
  failed_ = true;
  if (outcome == FileOutcome::kNotOpened)
    Printf("Error: Unable to create %s\n", f.path.c_str());
  else
    Printf("Error: Unable to write %s\n", f.path.c_str());
  // The reason names the file that failed: the temporary a report was
  // written to, or the report itself.
  const std::string& failed =
      f.reason || f.file.failed_file().empty() ? f.path : f.file.failed_file();
  Print(ReasonLine(failed, f.reason ? *f.reason : f.file.error()));
}

Output* DiskFiles::Open(Destination d, OpenMode mode) {
  File& f = Slot(d);
  if (!f.tried) {
    f.tried = true;
    f.mode = mode;
    const char* name = f.path.c_str();
    // A report added to begins as a copy of what it holds.
    std::string scratch;
    const bool opened =
        f.temporary ? f.file.OpenReplacing(name, mode == OpenMode::kAppend)
        : d == Destination::kScratch ? f.file.OpenUnique(f.path, scratch)
        : mode == OpenMode::kFresh   ? f.file.OpenWrite(name)
                                     : f.file.OpenAppend(name);
    // The scratch file is a temporary: a name no one can plant first.
    if (opened && d == Destination::kScratch) f.path = scratch;
    if (!opened) {
      f.not_created = true;
      Tell(f);
    }
    if (opened && mode == OpenMode::kAppend && f.file.SeekEnd())
      f.opened_size = f.file.Tell();
    if (opened && utf8_ && d != Destination::kCut && d != Destination::kScratch)
      f.file.WriteUtf8();
  }
  return Find(d);
}

void DiskFiles::Rewind(Destination d) {
  File& f = Slot(d);
  if (!f.file.is_open()) return;
  if (!f.file.TruncateTo(f.mode == OpenMode::kFresh ? 0 : f.opened_size)) {
    f.rewind_failed = true;
    f.reason = LastSystemError();
    Tell(f);
  }
}

Output* DiskFiles::Find(Destination d) {
  File& f = Slot(d);
  return f.file.is_open() ? &f.file : nullptr;
}

void DiskFiles::Settle(Destination d) {
  File& f = Slot(d);
  if (!f.tried) return;
  f.file.Flush();
  f.file.StartWriteOut();
  Tell(f);
}

void DiskFiles::Close(Destination d) {
  File& f = Slot(d);
  if (!f.tried) return;
  if (f.temporary && f.file.is_open() && !f.rewind_failed) {
    f.written = f.file.Commit();
  } else {
    f.written = !f.temporary && f.file.is_open();
    f.file.Close();
    f.written = f.written && f.file.outcome() == FileOutcome::kOk;
  }
  Tell(f);
}

LineReader* DiskFiles::ScratchEntries() {
  if (!scratch_read_tried_) {
    scratch_read_tried_ = true;
    scratch_reader_.OpenRead(path(Destination::kScratch).c_str());
  }
  return scratch_reader_.is_open() ? &scratch_reader_ : nullptr;
}

LineReader* DiskFiles::BbsLog(const std::string& path) {
  if (path.empty()) return nullptr;
  return bbs_log_.OpenRead(path.c_str()) ? &bbs_log_ : nullptr;
}

void DiskFiles::TellBbsLogFailure(const std::string& path) {
  if (path.empty()) {
    Print("Error: BBSType MAX, but no BBSLog names the BBS log\n");
    return;
  }
  Printf("Error: Unable to open BBSLog %s: %s\n", path.c_str(),
         SystemErrorText(bbs_log_.error()).c_str());
}

void DiskFiles::RemoveScratch() {
  scratch_reader_.Close();
  Slot(Destination::kScratch).file.Close();
  RemoveFile(path(Destination::kScratch).c_str());
}

}  // namespace brantlow
