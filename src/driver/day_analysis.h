// The steps after the reading of one day, in their order: the same for the
// one-day run and for every day of a period, so that a period's day counts
// exactly as that day's own run.
#ifndef BRANTLOW_DRIVER_DAY_ANALYSIS_H_
#define BRANTLOW_DRIVER_DAY_ANALYSIS_H_

#include <span>
#include <vector>

#include "driver/day_numbers.h"
#include "driver/run_context.h"
#include "driver/run_files.h"
#include "files/files_table.h"
#include "files/transfer_rate_pass.h"
#include "log/busy_array.h"
#include "log/cost_table.h"
#include "log/session_table.h"
#include "log/window.h"
#include "platform/line_reader.h"
#include "reports/run_record.h"

namespace brantlow {

// What a day shows while its steps run: the one-day run's step lines and
// CP866 reports; nothing for a day of a period. Each is called once, in
// this order, when there is something to show.
class DayView {
 public:
  virtual ~DayView() = default;
  // Reads the BBS log into the table, when one is configured (the one-day
  // run also writes its BBS users' list).
  virtual void ReadBbs(SessionTable& table, const Window& window) = 0;
  // Every step between a Begin and its End.
  virtual void Begin(const char* step) = 0;
  virtual void End() = 0;
  virtual void Histogram(const BusyArray& busy) = 0;
  virtual void SessionList(const SessionTable& table) = 0;
  virtual void FilesTable(const std::vector<FilesListing>& listing) = 0;
  virtual void ConnectTable(const SessionTable& table) = 0;
  // The folded table, the count of sessions before folding, the costs.
  virtual void Summary(const SessionTable& table, int session_total,
                       const CostTable& costs) = 0;
};

// A day of a period: read, counted, not shown.
class QuietDay final : public DayView {
 public:
  explicit QuietDay(const RunContext& run, RunFiles& files)
      : run_(run), files_(files) {}
  void ReadBbs(SessionTable& table, const Window& window) override;
  void Begin(const char*) override {}
  void End() override {}
  void Histogram(const BusyArray&) override {}
  void SessionList(const SessionTable&) override {}
  void FilesTable(const std::vector<FilesListing>&) override {}
  void ConnectTable(const SessionTable&) override {}
  void Summary(const SessionTable&, int, const CostTable&) override {}

 private:
  const RunContext& run_;
  RunFiles& files_;
};

// What one day holds after its reading.
struct DayInput {
  SessionTable& table;
  LineReader* scratch;  // its transfer entries; null when none could be kept
  Window window;
  // Time on line of sessions that began before the window.
  std::span<const BusySpan> earlier;
  // The entries' rates, taken as they were written; let go once applied.
  TransferRates& rates;
};

// What a day counted.
struct DayResult {
  DayTotals totals;
  BusyArray busy{};
  CostTable costs;  // the tariffs with the day's calls priced
  // The day's sessions' time on line past its midnight, from there.
  std::vector<BusySpan> later;
};

// Runs the day's steps; its session rows go into the record, its
// addresses' numbers into addresses unless that is null.
DayResult AnalyseDay(const RunContext& run, const DayInput& day, DayView& view,
                     AddressMap* addresses, RunRecord& record);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_DAY_ANALYSIS_H_
