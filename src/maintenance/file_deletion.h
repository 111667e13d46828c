// The last act of a run: deleting what the FilesKill entries name, with a
// report line per entry on standard output.
#ifndef BRANTLOW_MAINTENANCE_FILE_DELETION_H_
#define BRANTLOW_MAINTENANCE_FILE_DELETION_H_

#include <string>
#include <string_view>

#include "base/mask_list.h"

namespace brantlow {

// The text in capitals (A to Z only).
std::string UpperCase(std::string_view text);

enum class DeletionResult {
  kNoMatch,        // nothing matched, or the directory cannot be listed
  kRemoved,        // names matched and every one was removed
  kRemovalFailed,  // a matched name could not be removed
};

// Removes every file of the entry's directory whose name the entry's last
// component matches: both in capitals where the host ignores the case of
// file names, as they are where it does not.
DeletionResult DeleteEntry(std::string_view entry);

// Works off all 32 entries in order, skipping empty ones (two characters
// or fewer), and shows each entry as it is matched. False when a removal
// failed.
[[nodiscard]] bool RunDeletionStep(const MaskList& files_kill);

}  // namespace brantlow

#endif  // BRANTLOW_MAINTENANCE_FILE_DELETION_H_
