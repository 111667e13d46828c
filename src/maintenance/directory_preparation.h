// Makes sure the cut directory (in cut mode) and the temporary directory
// exist, and names a new cut file HHMMhhmm.NNN after the reading window.
#ifndef BRANTLOW_MAINTENANCE_DIRECTORY_PREPARATION_H_
#define BRANTLOW_MAINTENANCE_DIRECTORY_PREPARATION_H_

#include <string>

#include "log/cut_mode.h"
#include "log/window.h"

namespace brantlow {

enum class DirectoryStatus {
  kReady,
  kBadCutDirectory,   // no cut file this run
  kBadTempDirectory,  // the scratch file goes to "./"
};

// When the mode cuts, cut_directory becomes the full path of a cut file
// whose name is not taken yet. A directory that is missing is created; one
// that cannot be is reported on standard output.
[[nodiscard]] DirectoryStatus PrepareDirectories(std::string& cut_directory,
                                                 const Window& window,
                                                 CutMode mode,
                                                 std::string& temp_directory);

// The cut-file name for a window and a sequence number, "HHMMhhmm.NNN".
std::string CutFileName(const Window& window, int sequence);

}  // namespace brantlow

#endif  // BRANTLOW_MAINTENANCE_DIRECTORY_PREPARATION_H_
