// Where a line's days older than its log are found: the parts its packing
// moved into "logpack" in the pack directory, read back through the same
// archiver, and the rotated logs the History masks name (".gz" ones read
// in the process). One function gives them for a line and a span of days.
#ifndef BRANTLOW_MAINTENANCE_LINE_HISTORY_H_
#define BRANTLOW_MAINTENANCE_LINE_HISTORY_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "log/log_dialect.h"
#include "log/log_history.h"
#include "platform/file_window.h"

namespace brantlow {

struct HistoryRequest {
  std::string pack_directory;
  int packer_kind = 0;  // 0 ZIP, 1 ARJ, 2 RAR
  std::string packer_command;
  int line_number = 0;
  std::vector<std::string> history_masks;
  // Where the parts are unpacked for the run.
  std::string temp_directory;
  // The year today, for the two digits of a part's year.
  int this_year = 0;
  const LogDialect* dialect = nullptr;
};

// A part's name read back: "DDMMddmm.YY", with "-L" for line L and "~k"
// for a later part of the same name, before the dot.
struct PartName {
  DayMonth first;
  DayMonth last;
  int year_digits = 0;
  int line = 0;
};
std::optional<PartName> ReadPartName(std::string_view name);

// The sources of one line for the days first to last, each surveyed, and
// the segments that take each day from one of them: parts before History
// files. Unpacked parts are removed with it.
class LineSources {
 public:
  LineSources() = default;
  ~LineSources();
  LineSources(const LineSources&) = delete;
  LineSources& operator=(const LineSources&) = delete;

  // The source opened afresh; null when it cannot be.
  std::unique_ptr<ByteWindow> Open(std::size_t source) const;

  std::vector<std::string> paths;  // as the messages name them
  std::vector<bool> is_part;
  std::vector<SourceDays> days;
  std::vector<SourceSegment> segments;
  // A source that could not be read: the file and the reason, one each.
  std::vector<std::string> problems;
  // Where parts were unpacked; removed with the sources.
  std::string unpacked_directory;
};

// Whether the line has anything older to read: History masks, or an
// archive in the pack directory.
bool MayHaveSources(const HistoryRequest& request);

[[nodiscard]] std::unique_ptr<LineSources> SourcesOfLine(
    const HistoryRequest& request, YearDay first, YearDay last);

}  // namespace brantlow

#endif  // BRANTLOW_MAINTENANCE_LINE_HISTORY_H_
