#include "driver/period_analysis.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/text_fields.h"
#include "driver/analysis.h"
#include "driver/day_analysis.h"
#include "driver/day_numbers.h"
#include "files/files_table.h"
#include "files/transfer_rate_pass.h"
#include "log/bbs_log_reader.h"
#include "log/crash_poll_search.h"
#include "log/link_events.h"
#include "log/log_dialect.h"
#include "log/log_phrases.h"
#include "log/log_scan.h"
#include "log/scratch_entry.h"
#include "platform/work_lane.h"
#include "reports/address_summary.h"
#include "reports/cost_report.h"
#include "reports/whole_seconds.h"

namespace brantlow {

namespace {

// What one day of the period gathers, in one year of the log, while the
// log is read.
struct Day {
  explicit Day(const LogPhrases& phrases) : rates(phrases) {}
  Date date;
  std::unique_ptr<SessionTable> table = std::make_unique<SessionTable>();
  MemoryOutput scratch_bytes;
  TransferRates rates;
  ScratchWriter scratch{&scratch_bytes, &rates};
  std::unique_ptr<SessionReader> reader;
  LinkWatch* links = nullptr;  // the reader, when link health is gathered
};

// What the days of a period add up to, counted in their order.
struct PeriodTally {
  AddressMap addresses;
  std::vector<long long> busy = std::vector<long long>(kHalfHours, 0);
  // The day before's sessions past its midnight.
  std::vector<BusySpan> earlier;
  std::vector<DayTotals> days;
  std::int64_t malformed_lines = 0;
};

// The steps of the one-day run after its reading, then that day's numbers
// into the tally.
void CountDay(RunContext& run, Day& day, RunFiles& files, PeriodTally& tally,
              RunRecord& record) {
  MemoryLines scratch(day.scratch_bytes.bytes());
  QuietDay view(run, files);
  const Window window =
      MakeWindow(day.date, {0, 0, 23, 59, true}, run.settings.today);
  DayResult result =
      AnalyseDay(run, {*day.table, &scratch, window, tally.earlier, day.rates},
                 view, &tally.addresses, record);
  tally.earlier = std::move(result.later);
  for (int k = 0; k < kHalfHours; ++k)
    tally.busy[static_cast<std::size_t>(k)] +=
        result.busy[static_cast<std::size_t>(k)];
  tally.days.push_back(result.totals);
}

// The days of the period, each in the years of the log that can still be
// chosen while the log is read; a day the reading tells complete is
// counted at once, beside the reading, and what it held let go.
class Days final : public PeriodSink {
 public:
  Days(RunContext& run, RunFiles& files, const Period& period,
       RunRecord& record)
      : run_(run), files_(files), record_(record) {
    Date date{period.first.day, period.first.month, period.first_year};
    for (int k = 0; k < period.days; ++k, date = DateAfter(date)) {
      dates_.push_back(date);
      years_.emplace_back();
    }
  }

  SessionReader& Day(int k, int year) override {
    std::unique_ptr<struct Day>& day =
        years_[static_cast<std::size_t>(k)][year];
    if (!day) day = Make(k);
    return *day->reader;
  }

  void Drop(int k, int min_year) override {
    auto& years = years_[static_cast<std::size_t>(k)];
    years.erase(years.begin(), years.lower_bound(min_year));
  }

  void Complete(int k, int year) override {
    std::shared_ptr<struct Day> day = Take(k, year);
    lane_.Post([this, day] { Count(*day); });
  }

  // Counts the days not told complete, in the years chosen.
  PeriodTally& CountRest(const std::vector<int>& years) {
    lane_.Drain();
    for (int k = counted_; k < static_cast<int>(dates_.size()); ++k)
      Count(*Take(k, years[static_cast<std::size_t>(k)]));
    return tally_;
  }

 private:
  // The day as the year gives it; an empty day when it has none.
  std::unique_ptr<struct Day> Take(int k, int year) {
    auto& years = years_[static_cast<std::size_t>(k)];
    auto found = years.find(year);
    std::unique_ptr<struct Day> day =
        found != years.end() ? std::move(found->second) : Make(k);
    years.clear();
    return day;
  }

  std::unique_ptr<struct Day> Make(int k) {
    const RunSettings& s = run_.settings;
    auto day = std::make_unique<struct Day>(LogPhrasesFor(s.language));
    day->date = dates_[static_cast<std::size_t>(k)];
    day->reader = run_.dialect->MakeReader(
        {*day->table, &day->scratch, LogPhrasesFor(s.language), run_.processes,
         !s.no_configuration});
    if (s.link_health) {
      auto watch = std::make_unique<LinkWatch>(
          std::move(day->reader),
          MakeLinkRecogniser(*run_.dialect, LogPhrasesFor(s.language)));
      day->links = watch.get();
      day->reader = std::move(watch);
    }
    return day;
  }

  // The next day in order.
  void Count(struct Day& day) {
    tally_.malformed_lines += day.reader->malformed_lines();
    if (day.links != nullptr)
      AddLinkEvents(*record_.links, day.links->events(),
                    PeriodDay(day.date.day_month(), counted_));
    CountDay(run_, day, files_, tally_, record_);
    ++counted_;
  }

  RunContext& run_;
  RunFiles& files_;
  RunRecord& record_;
  std::vector<Date> dates_;
  std::vector<std::map<int, std::unique_ptr<struct Day>>> years_;
  // Touched by the lane's jobs only, until it is drained.
  PeriodTally tally_;
  int counted_ = 0;
  // Two days may wait: the reading stays about a day ahead of the counting.
  WorkLane lane_{2};
};

// The period's silent links, link health, addresses in order and mean
// busy half hours, once every day is counted.
void SortPeriod(const RunContext& run, AddressMap& addresses,
                const std::vector<long long>& busy, PeriodSummary& summary,
                RunRecord& record) {
  if (run.links) {
    summary.silent_links.emplace();
    for (const std::string& link : *run.links)
      if (!addresses.Contains(link)) summary.silent_links->push_back(link);
  }
  if (record.links) {
    FinishLinks(*record.links, run.links);
    FindLastHeard(run, *record.links);
  }
  summary.addresses = InSummaryOrder(addresses);
  if (run.settings.no_histogram) return;
  BusyArray mean{};
  for (int k = 0; k < kHalfHours; ++k)
    mean[static_cast<std::size_t>(k)] = static_cast<int>(
        busy[static_cast<std::size_t>(k)] / summary.period.days);
  summary.busy = mean;
}

// What the outputs for scripts take of the period.
void FillPeriodRecord(const RunSettings& s, const PeriodSummary& summary,
                      RunRecord& record) {
  record.is_period = true;
  record.language = s.report_language;
  record.period = s.period;
  record.crash_poll_period = s.crash_poll_period;
  record.line_number = s.line_number;
  record.costs = summary.costs;
  record.addresses = summary.addresses;
  record.days = summary.days;
  for (const DayTotals& d : summary.days) AddTo(record.totals, d);
  record.busy = summary.busy;
  record.silent_links = summary.silent_links;
}

}  // namespace

PeriodSummary SummarisePeriod(RunContext& run, ByteWindow& log, RunFiles& files,
                              RunProgress& progress, RunRecord& record,
                              ScanCounts& counts) {
  const RunSettings& s = run.settings;
  const Period& period = s.period;
  if (s.link_health) record.links = EmptyLinkHealth(period);
  const RunRecord as_begun = record;
  // Days are counted while the log is read where it can be read again,
  // should a day told complete turn out not to be.
  auto days = std::make_unique<Days>(run, files, period, record);
  PeriodScan scan = ScanPeriod(log, *run.dialect, period, s.today, *days,
                               progress.StartBar(log.size()), log.Rewind());
  if (scan.completed_too_early && log.Rewind()) {
    // Lines far out of order: read again, every day held to the end.
    days.reset();
    record = as_begun;
    days = std::make_unique<Days>(run, files, period, record);
    scan = ScanPeriod(log, *run.dialect, period, s.today, *days, nullptr);
  }
  counts = scan.counts;
  progress.Show("\r\n\r\n");
  PeriodTally tally;
  {
    StepScope step(progress, run.texts->steps.analysing);
    tally = std::move(days->CountRest(scan.years));
  }
  counts.malformed_lines += tally.malformed_lines;

  PeriodSummary summary;
  summary.period = period;
  summary.today = s.today;
  summary.costs = !run.costs.empty();
  summary.line_number = s.line_number;
  summary.days = std::move(tally.days);
  {
    StepScope step(progress, run.texts->steps.sort);
    SortPeriod(run, tally.addresses, tally.busy, summary, record);
  }
  FillPeriodRecord(s, summary, record);
  return summary;
}

ScanCounts AnalysePeriod(RunContext& run, ByteWindow& log, RunFiles& files,
                         RunProgress& progress, RunRecord& record) {
  ScanCounts counts;
  const PeriodSummary summary =
      SummarisePeriod(run, log, files, progress, record, counts);
  StepScope step(progress, run.texts->steps.period);
  if (Output* out = files.Open(Destination::kPeriod, OpenMode::kFresh)) {
    WritePeriodReport(summary, *out, *run.texts);
    WriteSignature(*out, run.settings);
  }
  files.Close(Destination::kPeriod);
  return counts;
}

}  // namespace brantlow
