#include "driver/analysis.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "base/text_fields.h"
#include "driver/day_numbers.h"
#include "reports/whole_seconds.h"
#include "driver/credits.h"
#include "files/files_table.h"
#include "files/transfer_rate_pass.h"
#include "log/bbs_log_reader.h"
#include "log/crash_poll_search.h"
#include "log/log_phrases.h"
#include "log/log_scan.h"
#include "log/scratch_entry.h"
#include "log/session_extractor.h"
#include "reports/address_summary.h"
#include "reports/busy_histogram.h"
#include "reports/connect_table.h"
#include "reports/cost_report.h"
#include "reports/session_list.h"

namespace brantlow {

namespace {

// A later year of the log holds the window: the cut and the scratch
// entries of the earlier one go.
class OutputsRestart final : public ScanRestart {
 public:
  explicit OutputsRestart(RunFiles& files) : files_(files) {}
  void DropOutputs() override {
    files_.Rewind(Destination::kCut);
    files_.Rewind(Destination::kScratch);
  }

 private:
  RunFiles& files_;
};

ScanCounts ScanStep(RunContext& run, const Window& window, ByteWindow& log,
              RunFiles& files, RunProgress& progress) {
  const RunSettings& s = run.settings;
  ScanProgress* bar = progress.StartBar(log.size());
  std::optional<ScratchWriter> scratch;
  if (Output* scratch_file = files.Find(Destination::kScratch))
    scratch.emplace(*scratch_file);
  const std::unique_ptr<SessionReader> reader = run.dialect->MakeReader(
      {run.sessions, scratch ? &*scratch : nullptr, LogPhrasesFor(s.language),
       run.processes, !s.no_configuration});
  OutputsRestart restart(files);
  return ScanLog(log, *run.dialect, window, s.cut_mode,
                 files.Find(Destination::kCut), *reader, bar, &restart);
}

void BbsStep(RunContext& run, const Window& window, RunFiles& files,
             RunProgress& progress) {
  const RunSettings& s = run.settings;
  if (!s.bbs_type) {
    progress.Show("\r\n\r\n");
    return;
  }
  Output* bbs_users = nullptr;
  if (Wanted(s.bbs_mode))
    bbs_users = files.Open(Destination::kBbsUsers, OpenMode::kFresh);
  // An unreadable BBS log leaves every record as it was, and its step
  // unticked.
  bool read = false;
  {
    StepScope step(progress, "\r\n\r\n[ ] Analyzing BBS log (Max);");
    if (LineReader* bbs_log = files.BbsLog(s.bbs_log_path)) {
      ReadBbsLog(run.sessions, window, *bbs_log);
      read = true;
    } else {
      step.Fail();
    }
  }
  if (!read) files.TellBbsLogFailure(s.bbs_log_path);
  if (Wanted(s.bbs_mode)) {
    if (bbs_users != nullptr)
      WriteSessionList(window, s.crash_poll_period, run.sessions, *bbs_users,
                       s.bbs_mode, SessionListTarget::kBbsUserFile,
                       run.bbs_session_count);
    files.Settle(Destination::kBbsUsers);
  }
}

void ReportSteps(RunContext& run, const Window& window, RunFiles& files,
                 RunProgress& progress, RunRecord* record) {
  DayTotals day;
  day.date = window.first;
  AddressMap addresses;
  const RunSettings& s = run.settings;
  SessionTable& table = run.sessions;
  Output* statistics = files.Open(Destination::kStatistics, OpenMode::kFresh);
  BbsStep(run, window, files, progress);
  {
    StepScope step(progress, s.crash_poll_period > 0
                            ? "[ ] Search crash;"
                            : "[ ] Analyzing statistic data;");
    SearchCrashPolls(table, s.crash_poll_period, window, s.crash_check);
  }
  if (!s.no_histogram) {
    StepScope step(progress, "[ ] Make gistogram;");
    FillBusyArray(table, run.busy);
    if (statistics != nullptr) WriteBusyHistogram(run.busy, *statistics);
  }
  if (run.costs.last >= 0) {
    StepScope step(progress, "[ ] Calculate cost data;");
    CalculateCosts(run.costs, table, s.night_start, s.night_end);
  }
  LineReader* scratch = files.ScratchEntries();
  {
    StepScope step(progress, "[ ] Make statistic file;");
    if (scratch != nullptr)
      RunTransferRatePass(table, *scratch, LogPhrasesFor(s.language));
    if (statistics != nullptr)
      WriteSessionList(window, s.crash_poll_period, table, *statistics,
                       s.bbs_mode, SessionListTarget::kStatisticsFile,
                       run.bbs_session_count);
    files.Settle(Destination::kStatistics);
  }
  if (record != nullptr) {
    AddSessionRows(table, window, run.costs, s, record->sessions);
    CountSessions(table, day, addresses);
    if (scratch != nullptr) {
      const FilesTableOptions options{s.echo_mail, &run.files_no_scan};
      const std::vector<FilesListing> listing = ListFiles(table, options, *scratch);
      CountFiles(listing, addresses);
      if (Wanted(s.files_mode)) {
        record->files.emplace();
        for (const FilesListing& f : listing)
          record->files->push_back({f.name, f.received, f.sent});
      }
    }
  }
  if (Wanted(s.files_mode)) {
    StepScope step(progress, "[ ] Make files info;");
    // Without a scratch file (one that could not be made) there is no
    // table, and no file of its own either.
    if (scratch != nullptr) {
      const Destination d = s.files_mode == TableMode::kOwnFile
                                ? Destination::kFilesTable
                                : Destination::kStatistics;
      if (Output* out = files.Open(d, OpenMode::kFresh)) {
        const FilesTableOptions options{s.echo_mail, &run.files_no_scan};
        WriteFilesTable(table, *out, options, *scratch);
      }
      files.Settle(d);
    }
  }
  if (Wanted(s.connect_mode)) {
    StepScope step(progress, "[ ] Make CONNECT/mayler`s info;");
    const Destination d = s.connect_mode == TableMode::kOwnFile
                              ? Destination::kConnect
                              : Destination::kStatistics;
    if (Output* out = files.Open(d, OpenMode::kFresh))
      WriteConnectTable(table, *out);
    files.Settle(d);
  }
  {
    StepScope step(progress, "[ ] Sort all data;");
    const int session_total = SessionTotal(table);
    SortAndMerge(table);
    if (record != nullptr) CountFolded(table, day, addresses);
    if (statistics != nullptr)
      WriteAddressSummary(table, *statistics, s.bbs_mode,
                          SummaryTarget::kStatisticsFile, session_total);
    files.Settle(Destination::kStatistics);
    if (Wanted(s.bbs_mode)) {
      // Without a BBS log to read the file was not begun afresh: the
      // summary is added to what it holds.
      if (Output* out = files.Open(Destination::kBbsUsers, OpenMode::kAppend))
        WriteAddressSummary(table, *out, s.bbs_mode,
                            SummaryTarget::kBbsUserFile, run.bbs_session_count);
      files.Settle(Destination::kBbsUsers);
    }
    if (run.costs.last >= 0) {
      if (statistics != nullptr) WriteCostReport(run.costs, *statistics);
      files.Settle(Destination::kStatistics);
    }
  }
  if (record == nullptr) return;
  CountCosts(run.costs, day, addresses);
  for (int e = 0; e <= run.costs.last; ++e) {
    const CostEntry& c = run.costs.entries[static_cast<std::size_t>(e)];
    record->cost_rows.push_back({std::string(FieldText(c.name)), c.incoming_cost,
                                 c.outgoing_cost, WholeSeconds(c.incoming_time),
                                 WholeSeconds(c.outgoing_time)});
  }
  record->addresses = InSummaryOrder(addresses);
  record->days = {day};
  record->totals = day;
  if (!s.no_histogram) record->busy = run.busy;
  record->connect_table = Wanted(s.connect_mode);
  record->costs = run.costs.last >= 0;
}

void WriteSignatures(const RunSettings& s, RunFiles& files) {
  if (Analyses(s.cut_mode)) {
    if (Output* out = files.Find(Destination::kStatistics)) {
      WriteSignature(*out, s.line_number);
    }
    files.Close(Destination::kStatistics);
  }
  if (Wanted(s.bbs_mode)) {
    if (Output* out = files.Open(Destination::kBbsUsers, OpenMode::kAppend)) {
      WriteLineMarker(*out, s.line_number);
      out->Printf(kBbsSignatureFormat, kMakerAddress, kMakerAddress);
    }
    files.Close(Destination::kBbsUsers);
  }
}

}  // namespace

void WriteSignature(Output& out, int line_number) {
  WriteLineMarker(out, line_number);
  out.Printf(kSignatureFormat, kMakerAddress);
}

void WriteLineMarker(Output& out, int line_number) {
  if (line_number != 0) out.Printf("\nLine %d", line_number);
}

ScanCounts Analyse(RunContext& run, const Window& window, ByteWindow& log,
                   RunFiles& files, RunProgress& progress, RunRecord* record) {
  if (record != nullptr) {
    record->window = window;
    record->crash_poll_period = run.settings.crash_poll_period;
    record->line_number = run.settings.line_number;
  }
  const ScanCounts counts = ScanStep(run, window, log, files, progress);
  files.Close(Destination::kScratch);
  CloseAtWindowEnd(window, run.sessions);
  if (Analyses(run.settings.cut_mode))
    ReportSteps(run, window, files, progress, record);
  WriteSignatures(run.settings, files);
  files.Close(Destination::kConnect);
  files.Close(Destination::kFilesTable);
  if (Cuts(run.settings.cut_mode)) files.Close(Destination::kCut);
  return counts;
}

}  // namespace brantlow
