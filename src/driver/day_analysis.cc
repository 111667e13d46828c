#include "driver/day_analysis.h"

#include <utility>
#include <vector>

#include "files/transfer_rate_pass.h"
#include "log/bbs_log_reader.h"
#include "log/crash_poll_search.h"
#include "log/log_scan.h"
#include "reports/address_summary.h"
#include "reports/cost_report.h"

namespace brantlow {

namespace {

// Shows one step between its Begin and End.
template <typename Work>
void Step(DayView& view, const char* text, Work work) {
  view.Begin(text);
  work();
  view.End();
}

// The files the scratch entries name, counted for every address; the
// record keeps them when the files table is asked for.
std::vector<FilesListing> CountDayFiles(const RunContext& run,
                                        const DayInput& day,
                                        AddressMap* addresses,
                                        RunRecord& record) {
  const RunSettings& s = run.settings;
  if (day.scratch == nullptr || (addresses == nullptr && !Wanted(s.files_mode)))
    return {};
  const FilesTableOptions options{s.echo_mail, &run.files_no_scan};
  std::vector<FilesListing> listing =
      ListFiles(day.table, options, *day.scratch);
  if (addresses != nullptr) CountFiles(listing, *addresses);
  if (Wanted(s.files_mode)) {
    if (!record.files) record.files.emplace();
    for (const FilesListing& f : listing)
      record.files->push_back({f.name, f.received, f.sent});
  }
  return listing;
}

}  // namespace

void QuietDay::ReadBbs(SessionTable& table, const Window& window) {
  const RunSettings& s = run_.settings;
  if (!s.bbs_type) return;
  if (LineReader* bbs_log = files_.BbsLog(s.bbs_log_path.value_or("")))
    ReadBbsLog(table, window, s.line_number, *bbs_log);
}

DayResult AnalyseDay(const RunContext& run, const DayInput& day, DayView& view,
                     AddressMap* addresses, RunRecord& record) {
  const RunSettings& s = run.settings;
  const StepTexts& steps = run.texts->steps;
  SessionTable& table = day.table;
  DayResult result;
  result.totals.date = day.window.FirstDate();
  result.costs = run.costs;
  CloseAtWindowEnd(day.window, table);
  view.ReadBbs(table, day.window);
  Step(view, s.crash_poll_period > 0 ? steps.crash_search : steps.analysing,
       [&] { SearchCrashPolls(table, s.crash_poll_period, s.crash_check); });
  std::vector<BusySpan> spans = SessionSpans(table, day.window);
  result.later = SpansAfter(spans, 86400);
  FillBusyArray(std::move(spans), day.window, day.earlier, result.busy);
  if (!s.no_histogram)
    Step(view, steps.histogram, [&] { view.Histogram(result.busy); });
  if (!result.costs.empty())
    Step(view, steps.costs, [&] { CalculateCosts(result.costs, table); });
  Step(view, steps.statistics, [&] {
    // The rates need the scratch file made, as reading it back did.
    if (day.scratch != nullptr) day.rates.Apply(table);
    view.SessionList(table);
  });
  if (record.keeps_session_rows)
    AddSessionRows(table, day.window, run.costs, record.sessions);
  CountSessions(table, result.totals, addresses);
  const std::vector<FilesListing> listing =
      CountDayFiles(run, day, addresses, record);
  // Without a scratch file (one that could not be made) there is no
  // table, and no file of its own either.
  if (Wanted(s.files_mode))
    Step(view, steps.files, [&] {
      if (day.scratch != nullptr) view.FilesTable(listing);
    });
  if (Wanted(s.connect_mode))
    Step(view, steps.connect, [&] { view.ConnectTable(table); });
  Step(view, steps.sort, [&] {
    const int session_total = SessionTotal(table);
    SortAndMerge(table);
    CountFolded(table, result.totals, addresses);
    view.Summary(table, session_total, result.costs);
  });
  CountCosts(result.costs, result.totals, addresses);
  return result;
}

}  // namespace brantlow
