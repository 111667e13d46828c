#include "driver/station.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "driver/analysis.h"
#include "driver/credits.h"
#include "driver/day_numbers.h"
#include "driver/file_names.h"
#include "driver/line_run.h"
#include "platform/console.h"
#include "platform/system_error.h"
#include "platform/text_file.h"
#include "reports/csv_export.h"
#include "reports/link_health.h"
#include "reports/station_report.h"

namespace brantlow {

namespace {

// The lines a run can be given (lineN).
constexpr int kLastLine = 99;

constexpr int kStopped = 1;
constexpr int kSomethingFailed = 2;

// A configuration file that is there counts, readable or not: the line's
// own run tells why it cannot be read.
bool Configured(int line) {
  TextFile file;
  if (file.OpenRead(ConfigurationFileName(line).c_str())) return true;
  return !IsNotFound(file.error());
}

// A line stopped before its reports outweighs a failure after them.
int Worse(int a, int b) {
  if (a == kStopped || b == kStopped) return kStopped;
  return a != 0 ? a : b;
}

// The addresses of every line folded into one row each, in the address
// summary's order.
std::vector<AddressTotals> AllAddresses(const StationSummary& s) {
  AddressMap addresses;
  for (const StationLine& line : s.lines)
    if (line.record)
      for (const AddressTotals& a : line.record->addresses)
        AddTo(addresses[a.name], a);
  return InSummaryOrder(addresses);
}

// Each day of the window or period, summed over the lines; their days are
// the same dates in the same order.
void AddDays(const RunRecord& line, RunRecord& station) {
  if (station.days.empty()) {
    station.days = line.days;
    return;
  }
  for (std::size_t k = 0; k < station.days.size() && k < line.days.size(); ++k)
    AddTo(station.days[k], line.days[k]);
}

void AddLine(const StationLine& line, RunRecord& station,
             std::vector<long long>& busy, int& charted) {
  const RunRecord& r = *line.record;
  station.is_period = r.is_period;
  station.window = r.window;
  station.period = r.period;
  station.costs = station.costs || r.costs;
  station.log_bytes += r.log_bytes;
  station.lines_read += r.lines_read;
  station.read_to += r.read_to - r.read_from;
  station.lines_inside += r.lines_inside;
  AddTo(station.totals, r.totals);
  AddDays(r, station);
  for (const std::string& w : r.warnings)
    station.warnings.push_back("line " + std::to_string(line.number) + ": " +
                               w);
  if (!r.busy) return;
  ++charted;
  for (int k = 0; k < kHalfHours; ++k)
    busy[static_cast<std::size_t>(k)] += (*r.busy)[static_cast<std::size_t>(k)];
}

// The station as one run, from the lines that made their reports.
// Link health over the lines: a link of two lines is one row; the links
// any line's Links key names stay listed.
void CombineLinks(StationSummary& s) {
  RunRecord& station = s.station;
  for (const StationLine& line : s.lines) {
    if (!line.record || !line.record->links) continue;
    if (!station.links)
      station.links = *line.record->links;
    else
      AddLinkHealth(*station.links, *line.record->links);
  }
  if (station.links) FinishLinks(*station.links, std::nullopt);
  station.links_asked = station.links.has_value();
}

void Combine(StationSummary& s) {
  RunRecord& station = s.station;
  station.keeps_session_rows = false;
  std::vector<long long> busy(kHalfHours, 0);
  bool first = true;
  for (const StationLine& line : s.lines) {
    if (line.record) {
      // The station speaks the language of its first reported line.
      if (first) station.language = line.record->language;
      first = false;
      AddLine(line, station, busy, s.charted_lines);
      continue;
    }
    const std::size_t end = line.error.find('\n');
    station.warnings.push_back("line " + std::to_string(line.number) +
                               " made no report: " + line.error.substr(0, end));
  }
  station.addresses = AllAddresses(s);
  CombineLinks(s);
  if (s.charted_lines == 0) return;
  BusyArray mean{};
  for (int k = 0; k < kHalfHours; ++k)
    mean[static_cast<std::size_t>(k)] =
        static_cast<int>(busy[static_cast<std::size_t>(k)] / s.charted_lines);
  station.busy = mean;
}

// The CP866 report, under a temporary name first; false when it cannot
// be written whole (told).
bool WriteStationFile(const StationSummary& s, bool utf8) {
  const std::string path = StationFileName();
  TextFile file;
  if (!file.OpenReplacing(path.c_str(), /*copy_old=*/false)) {
    Printf("Error: Unable to create %s\n", path.c_str());
    Print(ReasonLine(path, file.error()));
    return false;
  }
  if (utf8) file.WriteUtf8();
  WriteStationReport(s, file);
  WriteSignature(file, RunSettings{});
  if (file.Commit()) return true;
  Printf("Error: Unable to write %s\n", path.c_str());
  Print(ReasonLine(path, file.error()));
  return false;
}

// The station's files; false when one of them failed.
bool WriteStationFiles(const StationSummary& s, const LongOptions& options,
                       std::FILE* report_stream) {
  bool ok = WriteStationFile(s, options.utf8);
  if (options.Wants("--json"))
    ok &= WriteExport("station.json", StationJson(s, kVersion));
  if (options.Wants("--csv")) {
    ok &= WriteExport("stalines.csv", StationLinesCsv(s));
    ok &= WriteExport("staaddr.csv", AddressesCsv(s.station));
  }
  if (options.Wants("--html")) {
    std::string page;
    WriteStationPage(s, page);
    ok &= WriteExport("stadata.html", page);
  }
  if (report_stream == nullptr || !ok) return ok;
  SystemError error;
  if (CopyFileToStream(StationFileName().c_str(), report_stream, error))
    return true;
  Print("Error: Unable to copy the report to standard output\n");
  Print(ReasonLine("standard output", error));
  return false;
}

}  // namespace

int RunStation(Arguments args, const LocalDate& now, const LongOptions& options,
               std::FILE* report_stream, std::string_view program) {
  // "/?" shows the help screen once, as a run of one line does.
  RunSettings first;
  if (FirstPass(args, first) == FirstPassResult::kHelpRequested)
    return RunLine(args, {options, now, report_stream, std::nullopt, program})
        .status;
  StationSummary summary;
  int status = 0;
  for (int number = 0; number <= kLastLine; ++number) {
    if (!Configured(number)) continue;
    Printf("\nStation line %d (%s)\n", number,
           ConfigurationFileName(number).c_str());
    // The station's report is the one copied to standard output.
    LineOutcome outcome =
        RunLine(args, {options, now, nullptr, number, program, true});
    status = Worse(status, outcome.status);
    if (!outcome.record && outcome.error.empty())
      outcome.error = "No statistics were asked for (+f(-s))\n";
    summary.lines.push_back({number, outcome.log_path, outcome.mailer,
                             std::move(outcome.record), outcome.error});
  }
  if (summary.lines.empty()) {
    Print(
        "\nError: no line of a station here: neither brantlow.cfg nor "
        "brantlN.cfg in the current directory\n");
    return kStopped;
  }
  if (ReportedLines(summary) == 0) {
    Print("\nNo line made a report: no station report is written\n");
    return Worse(status, kSomethingFailed);
  }
  Combine(summary);
  Printf("\nStation: %d line(s), %d reported; station report %s\n",
         static_cast<int>(summary.lines.size()), ReportedLines(summary),
         StationFileName().c_str());
  if (!WriteStationFiles(summary, options, report_stream))
    status = Worse(status, kSomethingFailed);
  return status;
}

}  // namespace brantlow
