// The report of a whole station, "stadata.zvx": the lines' totals side by
// side, the lines that made no report and why, each line's busy chart and
// the station's, and the addresses over every line. Also its forms for
// scripts (JSON, CSV) and the station page.
#ifndef BRANTLOW_REPORTS_STATION_REPORT_H_
#define BRANTLOW_REPORTS_STATION_REPORT_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/output.h"
#include "reports/run_record.h"

namespace brantlow {

struct StationLine {
  int number = 0;
  std::string log;     // the log's path, as configured
  std::string mailer;  // "T-Mail", "binkd"; empty when the log was not read
  // The numbers of the line's own report; none when it made none.
  std::optional<RunRecord> record;
  std::string error;  // why it made none, as it was told
};

struct StationSummary {
  std::vector<StationLine> lines;
  // The station as one run: the window or period, the totals and days
  // summed over the lines' reports, the addresses of all of them (a link
  // reached on two lines is one row), and the busy time of each half hour
  // as the mean over the lines that drew a chart: lines are separate, so
  // a full bar is every one of them busy the whole half hour.
  RunRecord station;
  int charted_lines = 0;
};

// CP866, in the run's language: "на 15.03 время с 00:00 по 23:59", "за
// период 01.03-31.03, дней: 31".
std::string StationScopeText(const RunRecord& station);

// The lines that made a report.
int ReportedLines(const StationSummary& s);

// The CP866 report, without its signature.
void WriteStationReport(const StationSummary& s, Output& out);

// {"program", "version", "lines": [each line as its own run's JSON, or its
// number, log and error], "station": the station as one run's JSON}.
std::string StationJson(const StationSummary& s, std::string_view version);

// One row per line: its log, mailer, totals, or its error; then the
// station's totals row.
std::string StationLinesCsv(const StationSummary& s);

// The station page, UTF-8: the lines' table, the station's chart and each
// line's, the addresses; tables fold into cards on a narrow screen.
void WriteStationPage(const StationSummary& s, std::string& out);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_STATION_REPORT_H_
