// The last act of a run: deleting what the FilesKill entries name, with a
// report line per entry on standard output.
#ifndef BRANTLOW_MAINTENANCE_FILE_DELETION_H_
#define BRANTLOW_MAINTENANCE_FILE_DELETION_H_

#include <string>
#include <string_view>

#include "base/mask_list.h"

namespace brantlow {

// The entry in capitals (A to Z only), as it is matched and shown.
std::string UpperCase(std::string_view text);

// Removes every file of the entry's directory whose capitalized name the
// entry's capitalized last component matches. Returns 1 when any name
// matched (even if its removal failed), else 0.
int DeleteEntry(std::string_view entry);

// Works off all 32 entries in order, skipping empty ones (two characters
// or fewer).
void RunDeletionStep(const MaskList& files_kill);

}  // namespace brantlow

#endif  // BRANTLOW_MAINTENANCE_FILE_DELETION_H_
