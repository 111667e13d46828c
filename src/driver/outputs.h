// The outputs beyond the CP866 reports, one row each: the long option that
// asks for it, the name of its file, and its writer, which makes the file's
// bytes from the run record. A new output is its writer and its row.
#ifndef BRANTLOW_DRIVER_OUTPUTS_H_
#define BRANTLOW_DRIVER_OUTPUTS_H_

#include <span>
#include <string>
#include <string_view>

#include "reports/run_record.h"

namespace brantlow {

struct OutputFormat {
  std::string_view option;  // "--csv"; several rows may share one
  std::string_view usage;   // its line of --help; empty for a second row
  // The file's name for a line number (0 for a single line) and a period.
  std::string (*file_name)(int line, bool period);
  std::string (*write)(const RunRecord& record);
  // It lists every session: the record keeps their rows only then.
  bool session_rows = false;
  // Made from the link health figures: written only when they were
  // gathered (--links, +h).
  bool links = false;
  // A CP866 report with CR LF line ends, turned into UTF-8 with the
  // host's line ends by --utf8 like the other reports.
  bool cp866_report = false;
};

std::span<const OutputFormat> Outputs();

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_OUTPUTS_H_
