#include "maintenance/file_deletion.h"

#include <string>
#include <vector>

#include "base/text_fields.h"
#include "base/wildcard.h"
#include "platform/console.h"
#include "platform/file_system.h"

namespace brantlow {

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = AsciiUpper(c);
  return upper;
}

namespace {

// A name as the host compares it.
std::string Compared(std::string_view name) {
  return kFileNamesIgnoreCase ? UpperCase(name) : std::string(name);
}

}  // namespace

DeletionResult DeleteEntry(std::string_view entry) {
  std::size_t name_start = FileNameStart(entry);
  std::string directory(entry.substr(0, name_start));
  std::string pattern = Compared(entry.substr(name_start));
  // Names are gathered first, so that removing does not disturb the listing.
  std::vector<std::string> matched;
  ListDirectory(directory.empty() ? "." : directory.c_str(),
                [&](const char* name) {
                  if (WildcardMatch(pattern, Compared(name)))
                    matched.emplace_back(name);
                });
  if (matched.empty()) return DeletionResult::kNoMatch;
  bool all_removed = true;
  for (const std::string& name : matched)
    if (!RemoveFile((directory + name).c_str())) all_removed = false;
  return all_removed ? DeletionResult::kRemoved
                     : DeletionResult::kRemovalFailed;
}

bool RunDeletionStep(const MaskList& files_kill) {
  bool all_removed = true;
  const bool first_set = files_kill[0].size() > 2;
  for (int i = 1; i <= kMaskListEntries; ++i) {
    std::string_view entry = files_kill[i - 1];
    if ((i == 1 || i == kMaskListEntries) && first_set) Print("\n");
    if (entry.size() <= 2) continue;
    const DeletionResult result = DeleteEntry(entry);
    if (result == DeletionResult::kRemovalFailed) all_removed = false;
    Printf(result == DeletionResult::kRemoved
               ? "Delete file(s) %2.2d:  %-56.56s OK\n"
               : "Delete file(s) %2.2d:  %-56.56s Na\n",
           i, Compared(entry).c_str());
  }
  return all_removed;
}

}  // namespace brantlow
