#include "driver/period_analysis.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/text_fields.h"
#include "driver/analysis.h"
#include "files/files_table.h"
#include "files/transfer_rate_pass.h"
#include "log/bbs_log_reader.h"
#include "log/crash_poll_search.h"
#include "log/log_phrases.h"
#include "log/log_scan.h"
#include "log/scratch_entry.h"
#include "log/session_extractor.h"
#include "reports/address_summary.h"
#include "reports/cost_report.h"
#include "reports/whole_seconds.h"

namespace brantlow {

namespace {

// What one day of the period gathers while the log is read.
struct Day {
  DayMonth date;
  std::unique_ptr<SessionTable> table = std::make_unique<SessionTable>();
  MemoryOutput scratch_bytes;
  ScratchWriter scratch{scratch_bytes};
  std::unique_ptr<SessionExtractor> extractor;
};

bool Incoming(char kind) { return kind == kIncoming || kind == kBbsCaller; }

// The steps of the one-day run after its reading, in its order, then that
// day's numbers into the summary.
void CountDay(RunContext& run, Day& day, RunFiles& files,
              std::map<std::string, AddressTotals>& addresses,
              std::vector<long long>& busy, PeriodSummary& summary) {
  const RunSettings& s = run.settings;
  SessionTable& table = *day.table;
  const Window window = MakeWindow(day.date, {0, 0, 23, 59, true});
  CloseAtWindowEnd(window, table);
  if (s.bbs_type)
    if (LineReader* bbs_log = files.BbsLog(s.bbs_log_path))
      ReadBbsLog(table, window, *bbs_log);
  SearchCrashPolls(table, s.crash_poll_period, window, s.crash_check);
  BusyArray day_busy{};
  FillBusyArray(table, day_busy);
  for (int k = 0; k < kHalfHours; ++k)
    busy[static_cast<std::size_t>(k)] += day_busy[static_cast<std::size_t>(k)];
  CostTable costs = run.costs;
  if (costs.last >= 0) CalculateCosts(costs, table, s.night_start, s.night_end);
  MemoryLines scratch(day.scratch_bytes.bytes());
  RunTransferRatePass(table, scratch, LogPhrasesFor(s.language));
  const FilesTableOptions options{s.echo_mail, &run.files_no_scan};
  const std::vector<FileCounts> files_of_day = CountFiles(table, options, scratch);

  DayTotals totals;
  totals.date = day.date;
  totals.sessions = SessionTotal(table);
  for (int i = 0; i <= table.current; ++i) {
    const SessionRecord& r = table[i];
    if (r.kind == 0) continue;  // the blank record of an empty day
    AddressTotals& a = addresses[std::string(FieldText(r.name))];
    ++a.sessions;
    if (Incoming(r.kind)) {
      ++totals.incoming;
      ++a.incoming;
    } else if (r.kind == kOutgoing) {
      ++totals.outgoing;
      ++a.outgoing;
    }
    if (FieldText(r.name) == "Handshake failure") ++totals.failures;
    if (r.cps > 0) {
      a.cps_sum += r.cps;
      ++a.cps_count;
    }
  }
  for (const FileCounts& f : files_of_day) {
    AddressTotals& a = addresses[f.name];
    a.files_received += f.received;
    a.files_sent += f.sent;
  }
  for (int e = 0; e <= costs.last; ++e) {
    const CostEntry& entry = costs.entries[static_cast<std::size_t>(e)];
    const double cost = entry.incoming_cost + entry.outgoing_cost;
    totals.cost += cost;
    auto found = addresses.find(std::string(FieldText(entry.name)));
    if (found != addresses.end()) found->second.cost += cost;
  }

  // The rest as the address summary of the day shows it: rows folded per
  // name, the totals summed in its order and precision.
  SortAndMerge(table);
  float received = 0, sent = 0, duration = 0;
  for (int i = 0; i <= table.current; ++i) {
    const SessionRecord& r = table[i];
    received += r.bytes_received;
    sent += r.bytes_sent;
    duration += r.duration;
    if (r.kind == 0) continue;
    AddressTotals& a = addresses[std::string(FieldText(r.name))];
    a.received += r.bytes_received;
    a.sent += r.bytes_sent;
    a.seconds += WholeSeconds(r.duration);
  }
  totals.received = received;
  totals.sent = sent;
  totals.seconds = WholeSeconds(duration);
  summary.days.push_back(totals);
}

// The addresses in the order of the address summary.
std::vector<AddressTotals> InSummaryOrder(
    std::map<std::string, AddressTotals>& addresses) {
  auto order = std::make_unique<SessionTable>();
  for (auto& [name, totals] : addresses) {
    totals.name = name;
    if (!order->Append()) break;
    CopyField(order->Current().name, name);
    order->Current().kind = kIncoming;
  }
  SortAndMerge(*order);
  std::vector<AddressTotals> sorted;
  for (int i = 0; i <= order->current; ++i) {
    auto found = addresses.find(std::string(FieldText((*order)[i].name)));
    if (found != addresses.end()) sorted.push_back(found->second);
  }
  return sorted;
}

}  // namespace

PeriodSummary SummarisePeriod(RunContext& run, ByteWindow& log,
                              RunFiles& files, RunProgress& progress) {
  const RunSettings& s = run.settings;
  const Period& period = s.period;
  std::vector<std::unique_ptr<Day>> days;
  std::vector<SessionExtractor*> extractors;
  DayMonth date = period.first;
  for (int k = 0; k < period.days; ++k) {
    auto day = std::make_unique<Day>();
    day->date = date;
    date = DayAfter(date);
    day->extractor = std::make_unique<SessionExtractor>(
        *day->table, LogPhrasesFor(s.language), run.processes,
        !s.no_configuration, &day->scratch);
    extractors.push_back(day->extractor.get());
    days.push_back(std::move(day));
  }
  ScanPeriod(log, period, extractors, progress.StartBar(log.size()));

  PeriodSummary summary;
  summary.period = period;
  summary.costs = run.costs.last >= 0;
  summary.line_number = s.line_number;
  std::map<std::string, AddressTotals> addresses;
  std::vector<long long> busy(kHalfHours, 0);
  progress.Show("\r\n\r\n");
  {
    StepScope step(progress, "[ ] Analyzing statistic data;");
    for (std::unique_ptr<Day>& day : days) {
      CountDay(run, *day, files, addresses, busy, summary);
      day.reset();  // what a counted day held is not needed again
    }
  }
  {
    StepScope step(progress, "[ ] Sort all data;");
    if (run.links) {
      summary.silent_links.emplace();
      for (const std::string& link : *run.links)
        if (addresses.find(link) == addresses.end())
          summary.silent_links->push_back(link);
    }
    summary.addresses = InSummaryOrder(addresses);
    if (!s.no_histogram) {
      BusyArray mean{};
      for (int k = 0; k < kHalfHours; ++k)
        mean[static_cast<std::size_t>(k)] =
            static_cast<int>(busy[static_cast<std::size_t>(k)] / period.days);
      summary.busy = mean;
    }
  }
  return summary;
}

void AnalysePeriod(RunContext& run, ByteWindow& log, RunFiles& files,
                   RunProgress& progress) {
  const PeriodSummary summary = SummarisePeriod(run, log, files, progress);
  StepScope step(progress, "[ ] Make period file;");
  if (Output* out = files.Open(Destination::kPeriod, OpenMode::kFresh)) {
    WritePeriodReport(summary, *out);
    WriteSignature(*out, run.settings.line_number);
  }
  files.Close(Destination::kPeriod);
}

}  // namespace brantlow
