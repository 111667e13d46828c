// Makes sure the cut directory (in cut mode) and the temporary directory
// exist, and names a new cut file HHMMhhmm.NNN after the reading window.
#ifndef BRANTLOW_MAINTENANCE_DIRECTORY_PREPARATION_H_
#define BRANTLOW_MAINTENANCE_DIRECTORY_PREPARATION_H_

#include <string>

#include "base/calendar.h"

namespace brantlow {

inline constexpr int kDirectoriesReady = 0;
inline constexpr int kBadCutDirectory = 10;   // no cut file this run
inline constexpr int kBadTempDirectory = 20;  // scratch file goes to "./"

// In cut modes 1 and 2 cut_directory becomes the full path of a cut file
// whose name is not taken yet. A directory that is missing is created; one
// that cannot be is reported on standard output.
int PrepareDirectories(std::string& cut_directory, const WindowTimes& times,
                       int cut_mode, std::string& temp_directory);

// The first cut-file name for a window, sequence number 000.
std::string CutFileName(const WindowTimes& times, int sequence);

}  // namespace brantlow

#endif  // BRANTLOW_MAINTENANCE_DIRECTORY_PREPARATION_H_
