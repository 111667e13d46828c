#include "driver/analysis.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <span>

#include "base/text_fields.h"
#include "driver/credits.h"
#include "driver/day_analysis.h"
#include "driver/day_numbers.h"
#include "driver/echo_posting.h"
#include "files/files_table.h"
#include "files/transfer_rate_pass.h"
#include "log/bbs_log_reader.h"
#include "log/crash_poll_search.h"
#include "log/last_good.h"
#include "log/link_events.h"
#include "log/log_dialect.h"
#include "log/log_phrases.h"
#include "log/log_scan.h"
#include "log/scratch_entry.h"
#include "log/window_title.h"
#include "reports/address_summary.h"
#include "reports/busy_histogram.h"
#include "reports/connect_table.h"
#include "reports/cost_report.h"
#include "reports/session_list.h"
#include "reports/whole_seconds.h"

namespace brantlow {

void FindLastHeard(const RunContext& run, LinkHealth& links) {
  std::vector<std::string> silent;
  for (const LinkFigures& f : links.links)
    if (f.silent() && !f.last_good) silent.push_back(f.address);
  if (silent.empty()) return;
  const auto last =
      LastGoodSessions(run.settings.log_path, *run.dialect,
                       LogPhrasesFor(run.settings.language), silent);
  for (LinkFigures& f : links.links) {
    const auto found = last.find(f.address);
    if (found != last.end()) f.last_good = found->second;
  }
}

namespace {

// A later year of the log holds the window: the cut and the scratch
// entries of the earlier one go.
class OutputsRestart final : public ScanRestart {
 public:
  OutputsRestart(RunFiles& files, TransferRates& rates)
      : files_(files), rates_(rates) {}
  void DropOutputs() override {
    files_.Rewind(Destination::kCut);
    files_.Rewind(Destination::kScratch);
    rates_.Clear();
  }

 private:
  RunFiles& files_;
  TransferRates& rates_;
};

// The scratch file keeps the entries only for the files they list: the
// rates are taken as the entries are written.
bool ListsFiles(const RunSettings& s, const RunRecord& record) {
  return Wanted(s.files_mode) || record.keeps_addresses;
}

ScanCounts ScanStep(RunContext& run, const Window& window, ByteWindow& log,
                    RunFiles& files, RunProgress& progress, RunRecord& record,
                    TransferRates& rates) {
  const RunSettings& s = run.settings;
  ScanProgress* bar = progress.StartBar(log.size());
  std::optional<ScratchWriter> scratch;
  if (Output* scratch_file = files.Find(Destination::kScratch))
    scratch.emplace(ListsFiles(s, record) ? scratch_file : nullptr, &rates);
  std::unique_ptr<SessionReader> reader = run.dialect->MakeReader(
      {run.sessions, scratch ? &*scratch : nullptr, LogPhrasesFor(s.language),
       run.processes, !s.no_configuration});
  LinkWatch* links = nullptr;
  if (s.link_health) {
    auto watch = std::make_unique<LinkWatch>(
        std::move(reader),
        MakeLinkRecogniser(*run.dialect, LogPhrasesFor(s.language)));
    links = watch.get();
    reader = std::move(watch);
  }
  // The sessions going on when the window begins, for its busy time.
  SessionTable earlier_table;
  const std::unique_ptr<SessionReader> earlier = run.dialect->MakeReader(
      {earlier_table, nullptr, LogPhrasesFor(s.language), run.processes,
       !s.no_configuration, /*spans_only=*/true});
  OutputsRestart restart(files, rates);
  ScanCounts counts = ScanLog(log, *run.dialect, window, s.cut_mode,
                              files.Find(Destination::kCut), *reader, bar,
                              &restart, earlier.get());
  counts.malformed_lines = reader->malformed_lines();
  CloseAtWindowEnd(window, earlier_table);
  run.earlier_busy = EarlierSpans(earlier_table, window);
  if (links != nullptr) {
    record.links = EmptyLinkHealth(window);
    AddLinkEvents(*record.links, links->events(), WindowPlace(window));
    FinishLinks(*record.links, run.links);
    FindLastHeard(run, *record.links);
  }
  return counts;
}

// The one-day run's day: its step lines on the console, its reports in
// its files, in the order the steps make them.
class ReportedDay final : public DayView {
 public:
  ReportedDay(RunContext& run, RunFiles& files, RunProgress& progress)
      : run_(run),
        s_(run.settings),
        texts_(*run.texts),
        files_(files),
        progress_(progress) {
    statistics_ = files_.Open(Destination::kStatistics, OpenMode::kFresh);
  }

  void ReadBbs(SessionTable& table, const Window& window) override;
  void Begin(const char* step) override { step_.emplace(progress_, step); }
  void End() override { step_.reset(); }

  void Histogram(const BusyArray& busy) override {
    if (statistics_ != nullptr) WriteBusyHistogram(busy, *statistics_);
  }

  void SessionList(const SessionTable& table) override {
    if (statistics_ != nullptr)
      WriteSessionList(window_, s_.crash_poll_period, table, *statistics_,
                       s_.bbs_mode, SessionListTarget::kStatisticsFile,
                       run_.bbs_session_count, texts_);
    files_.Settle(Destination::kStatistics);
  }

  void FilesTable(const std::vector<FilesListing>& listing) override {
    Table(s_.files_mode, Destination::kFilesTable, texts_.files_title,
          [&](Output& out) { DrawFilesTable(listing, out, texts_); });
  }

  void ConnectTable(const SessionTable& table) override {
    Table(s_.connect_mode, Destination::kConnect, texts_.connect_title,
          [&](Output& out) { WriteConnectTable(table, out, texts_); });
  }

  void Summary(const SessionTable& table, int session_total,
               const CostTable& costs) override;

 private:
  // A table in the statistics file, or in a file of its own under its
  // title.
  template <typename Write>
  void Table(TableMode mode, Destination own_file, std::string_view title,
             Write write) {
    const bool own = mode == TableMode::kOwnFile;
    const Destination d = own ? own_file : Destination::kStatistics;
    if (Output* out = files_.Open(d, OpenMode::kFresh)) {
      if (own) out->Write(WindowTitle(title, window_, texts_));
      write(*out);
    }
    files_.Settle(d);
  }

  RunContext& run_;
  const RunSettings& s_;
  const ReportTexts& texts_;
  RunFiles& files_;
  RunProgress& progress_;
  Output* statistics_ = nullptr;
  Window window_;
  std::optional<StepScope> step_;
};

void ReportedDay::ReadBbs(SessionTable& table, const Window& window) {
  window_ = window;
  if (!s_.bbs_type) {
    progress_.Show("\r\n\r\n");
    return;
  }
  Output* bbs_users = nullptr;
  if (Wanted(s_.bbs_mode))
    bbs_users = files_.Open(Destination::kBbsUsers, OpenMode::kFresh);
  // An unreadable BBS log leaves every record as it was, and its step
  // unticked.
  bool read = false;
  {
    StepScope step(progress_, run_.texts->steps.bbs_log);
    if (LineReader* bbs_log = files_.BbsLog(s_.bbs_log_path.value_or(""))) {
      ReadBbsLog(table, window, s_.line_number, *bbs_log);
      read = true;
    } else {
      step.Fail();
    }
  }
  if (!read) files_.TellBbsLogFailure(s_.bbs_log_path.value_or(""));
  if (!Wanted(s_.bbs_mode)) return;
  if (bbs_users != nullptr)
    WriteSessionList(window, s_.crash_poll_period, table, *bbs_users,
                     s_.bbs_mode, SessionListTarget::kBbsUserFile,
                     run_.bbs_session_count, texts_);
  files_.Settle(Destination::kBbsUsers);
}

void ReportedDay::Summary(const SessionTable& table, int session_total,
                          const CostTable& costs) {
  if (statistics_ != nullptr)
    WriteAddressSummary(table, *statistics_, s_.bbs_mode,
                        SummaryTarget::kStatisticsFile, session_total, texts_);
  files_.Settle(Destination::kStatistics);
  if (Wanted(s_.bbs_mode)) {
    // Without a BBS log to read the file was not begun afresh: the
    // summary is added to what it holds.
    if (Output* out = files_.Open(Destination::kBbsUsers, OpenMode::kAppend))
      WriteAddressSummary(table, *out, s_.bbs_mode, SummaryTarget::kBbsUserFile,
                          run_.bbs_session_count, texts_);
    files_.Settle(Destination::kBbsUsers);
  }
  if (costs.empty()) return;
  if (statistics_ != nullptr) WriteCostReport(costs, *statistics_, texts_);
  files_.Settle(Destination::kStatistics);
}

void ReportSteps(RunContext& run, const Window& window, RunFiles& files,
                 RunProgress& progress, RunRecord& record,
                 TransferRates& rates) {
  const RunSettings& s = run.settings;
  ReportedDay view(run, files, progress);
  AddressMap addresses;
  const DayResult day = AnalyseDay(
      run,
      {run.sessions, files.ScratchEntries(), window, run.earlier_busy, rates},
      view, record.keeps_addresses ? &addresses : nullptr, record);
  run.busy = day.busy;
  for (const CostEntry& c : day.costs.used())
    record.cost_rows.push_back({std::string(FieldText(c.name)), c.incoming_cost,
                                c.outgoing_cost, WholeSeconds(c.incoming_time),
                                WholeSeconds(c.outgoing_time)});
  if (record.keeps_addresses) record.addresses = InSummaryOrder(addresses);
  record.days = {day.totals};
  record.totals = day.totals;
  if (!s.no_histogram) record.busy = day.busy;
  record.connect_table = Wanted(s.connect_mode);
  record.costs = !day.costs.empty();
}

void WriteSignatures(const RunSettings& s, RunFiles& files) {
  if (Analyses(s.cut_mode)) {
    if (Output* out = files.Find(Destination::kStatistics)) {
      WriteSignature(*out, s);
    }
    files.Close(Destination::kStatistics);
  }
  if (Wanted(s.bbs_mode)) {
    if (Output* out = files.Open(Destination::kBbsUsers, OpenMode::kAppend)) {
      WriteLineMarker(*out, s.line_number);
      const std::string station = SignatureStation(s);
      out->Printf(kBbsSignatureFormat, station.c_str(), station.c_str());
    }
    files.Close(Destination::kBbsUsers);
  }
}

}  // namespace

void WriteSignature(Output& out, const RunSettings& s) {
  WriteLineMarker(out, s.line_number);
  out.Printf(kSignatureFormat, SignatureStation(s).c_str());
}

void WriteLineMarker(Output& out, int line_number) {
  if (line_number != 0) out.Printf("\nLine %d", line_number);
}

ScanCounts Analyse(RunContext& run, const Window& window, ByteWindow& log,
                   RunFiles& files, RunProgress& progress, RunRecord& record) {
  record.window = window;
  record.language = run.settings.report_language;
  record.crash_poll_period = run.settings.crash_poll_period;
  record.line_number = run.settings.line_number;
  TransferRates rates(LogPhrasesFor(run.settings.language));
  const ScanCounts counts =
      ScanStep(run, window, log, files, progress, record, rates);
  files.Close(Destination::kScratch);
  if (Analyses(run.settings.cut_mode))
    ReportSteps(run, window, files, progress, record, rates);
  WriteSignatures(run.settings, files);
  files.Close(Destination::kConnect);
  files.Close(Destination::kFilesTable);
  if (Cuts(run.settings.cut_mode)) files.Close(Destination::kCut);
  return counts;
}

}  // namespace brantlow
