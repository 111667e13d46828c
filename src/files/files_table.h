// The names of the files received from and sent to every address of the
// window, read back from the transfer scratch file.
#ifndef BRANTLOW_FILES_FILES_TABLE_H_
#define BRANTLOW_FILES_FILES_TABLE_H_

#include <string>

#include "base/mask_list.h"
#include "log/session_table.h"
#include "platform/text_file.h"

namespace brantlow {

struct FilesTableOptions {
  bool echo_mail = false;  // leave out mail bundles, .TIC, .PKT and .PKH
  const MaskList* no_scan = nullptr;  // masks of names left out, capitals
};

// Appends the table to the named file, or writes it anew when fresh. When
// the scratch or the output file cannot be opened nothing is written.
FileOutcome WriteFilesTable(const SessionTable& table, const std::string& path,
                     bool fresh, const FilesTableOptions& options,
                     const char* scratch_path);

}  // namespace brantlow

#endif  // BRANTLOW_FILES_FILES_TABLE_H_
