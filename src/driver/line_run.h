// One line's run, from its command line to its last file, as the program
// makes it for a line of its own and for each line of a station.
#ifndef BRANTLOW_DRIVER_LINE_RUN_H_
#define BRANTLOW_DRIVER_LINE_RUN_H_

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "driver/command_line.h"
#include "driver/options.h"
#include "platform/clock.h"
#include "reports/run_record.h"

namespace brantlow {

struct LineRequest {
  const LongOptions& options;
  LocalDate now;
  // Where the report is copied (--stdout); null for none.
  std::FILE* report_stream = nullptr;
  // The station's line, over any lineN of the arguments; none for a run
  // of one line.
  std::optional<int> station_line;
  // The program's name as it was started, for the help screen.
  std::string_view program = "brantlow";
  // Gather link health for the station report, shown or not.
  bool gather_links = false;
};

struct LineOutcome {
  int status = 0;  // the exit status a run of its own would end with
  int line_number = 0;
  bool in_station = false;
  std::string log_path;  // as the configuration or the arguments give it
  std::string mailer;    // the dialect's name; empty when the log was not read
  // Why the line stopped before its reports, as it was told.
  std::string error;
  // The numbers of the line's report; none when it made none.
  std::optional<RunRecord> record;
};

// Writes a file of the outputs for scripts whole, told like a report when
// it cannot be made; false then.
bool WriteExport(const std::string& path, std::string_view bytes);

// Everything after the banner: lock, configuration, packing, the log, the
// analysis, the outputs and the deletions.
LineOutcome RunLine(Arguments args, const LineRequest& line);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_LINE_RUN_H_
