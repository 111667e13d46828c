// The names of the files received from and sent to every address of the
// window, read back from the transfer scratch file.
#ifndef BRANTLOW_FILES_FILES_TABLE_H_
#define BRANTLOW_FILES_FILES_TABLE_H_

#include <string>
#include <vector>

#include "base/mask_list.h"
#include "base/report_texts.h"
#include "log/session_table.h"
#include "platform/line_reader.h"
#include "platform/output.h"

namespace brantlow {

struct FilesTableOptions {
  bool echo_mail = false;  // leave out mail bundles, .TIC, .PKT and .PKH
  const MaskList* no_scan = nullptr;  // masks of names left out, capitals
};

// The names the files table lists for one address, as its cells show them.
struct FilesListing {
  std::string name;
  std::vector<std::string> received;
  std::vector<std::string> sent;
  bool rule_after = false;  // the table draws a rule below the group
};

// Every address group the table shows, in its order.
std::vector<FilesListing> ListFiles(const SessionTable& table,
                                    const FilesTableOptions& options,
                                    LineReader& scratch);

// The table of a listing.
void DrawFilesTable(const std::vector<FilesListing>& listing, Output& out,
                    const ReportTexts& texts);

// The table of the names the scratch entries hold.
void WriteFilesTable(const SessionTable& table, Output& out,
                     const FilesTableOptions& options, LineReader& scratch,
                     const ReportTexts& texts);

}  // namespace brantlow

#endif  // BRANTLOW_FILES_FILES_TABLE_H_
