#include "maintenance/directory_preparation.h"

#include <cstdio>
#include <set>

#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/system_error.h"

namespace brantlow {

namespace {

// Two digits of a window value; an out-of-range end keeps its last two so
// that the name stays twelve characters long.
int TwoDigits(int value) { return ((value % 100) + 100) % 100; }

// False, with the system's reason, when the directory is not there and
// cannot be made.
bool EnsureDirectory(const std::string& path, SystemError& error) {
  if (IsDirectory(path.c_str()) || MakeDirectory(path.c_str())) return true;
  error = LastSystemError();
  return false;
}

}  // namespace

std::string CutFileName(const Window& t, int sequence) {
  char name[32];
  std::snprintf(name, sizeof name, "%2.2d%2.2d%2.2d%2.2d.%3.3d",
                TwoDigits(t.start_hour), TwoDigits(t.start_minute),
                TwoDigits(t.end_hour), TwoDigits(t.end_minute), sequence);
  return name;
}

DirectoryStatus PrepareDirectories(std::string& cut_directory,
                                   const Window& window, CutMode mode,
                                   std::string& temp_directory) {
  if (Cuts(mode)) {
    SystemError error;
    if (!EnsureDirectory(cut_directory, error)) {
      Print("\nError: Bad ShredDir path\n");
      Print(ReasonLine(cut_directory, error));
      return DirectoryStatus::kBadCutDirectory;
    }
    // Every name already there, so that the sequence number skips them in
    // whatever order the directory lists them.
    std::set<std::string> taken;
    ListDirectory(cut_directory.c_str(),
                  [&taken](const char* name) { taken.insert(name); });
    int sequence = 0;
    while (taken.count(CutFileName(window, sequence))) ++sequence;
    cut_directory = JoinPath(cut_directory, CutFileName(window, sequence));
  }
  SystemError error;
  if (!EnsureDirectory(temp_directory, error)) {
    Print("\nError: Bad TmpDir path\n");
    Print(ReasonLine(temp_directory, error));
    temp_directory = "./";
    return DirectoryStatus::kBadTempDirectory;
  }
  return DirectoryStatus::kReady;
}

}  // namespace brantlow
