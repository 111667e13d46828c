// Moves the mailer log's old lines into an archive before the analysis:
// lines up to the cut-off date go to a dated part file that an outside
// archiver adds to "logpack" in the pack directory; the log keeps the rest.
#ifndef BRANTLOW_MAINTENANCE_LOG_PACKING_H_
#define BRANTLOW_MAINTENANCE_LOG_PACKING_H_

#include <string>
#include <string_view>
#include <vector>

#include "base/calendar.h"
#include "log/log_dialect.h"
#include "platform/system_error.h"

namespace brantlow {

struct PackRequest {
  std::string log_path;
  std::string pack_directory;
  int pack_day = 0;       // age of the cut-off date in days
  std::string date_text;  // "Mon Mar 10 12:00:00 2026\n"
  std::string packer_command;
  int packer_kind = 0;  // 0 ZIP, 1 ARJ, 2 RAR
  int line_number = 0;  // named in the part files, when not 0
  // Whose dated lines the log holds: the dates, years and part names are
  // read from them.
  const LogDialect* dialect = &TmailDialect();
};

enum class PackOutcome {
  kDone,           // packed, or nothing to pack; the run goes on
  kFailed,         // not packed, with its message printed; the run goes on
  kLogUnreadable,  // the log could not be opened: the run must end
};

// Packs as far as it safely can: the log is replaced only after the
// archiver has reported success, and then in one step, under a lock on
// the log that any run packing it takes; every line of the log is
// afterwards in exactly one of the log and the archive. log_error is why
// the log could not be opened, for kLogUnreadable.
[[nodiscard]] PackOutcome PackLog(const PackRequest& request,
                                  SystemError& log_error);

// Today's day and month read from the date text.
DayMonth DateTextDay(std::string_view date_text);

// The date pack_day days before today, February always of 28 days.
DayMonth CutOffDate(DayMonth today, int pack_day);

// Whether a line's day and month lie on or before the cut-off, December
// counting as before January.
bool OnOrBefore(DayMonth line, DayMonth cut_off);

struct PackerCommand {
  std::string program;
  std::vector<std::string> options;  // at most three
};

// The program name up to the first blank, then up to three option words.
PackerCommand SplitPackerCommand(std::string_view command);

// "DDMMddmm.YY": the first packed line's day and month characters, the
// cut-off's, the year's last two digits. A character that cannot stand in
// a file name, or is missing from a short line, becomes "_".
std::string PackedPartName(std::string_view first_line,
                           std::string_view cut_off_text,
                           std::string_view year_digits);

}  // namespace brantlow

#endif  // BRANTLOW_MAINTENANCE_LOG_PACKING_H_
