// The report of a period of days, "perdata.zvx": a row per day, a row per
// address over the whole period, the links that stayed silent, and the
// mean busy histogram of the period's days.
#ifndef BRANTLOW_REPORTS_PERIOD_REPORT_H_
#define BRANTLOW_REPORTS_PERIOD_REPORT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/calendar.h"
#include "base/report_texts.h"
#include "log/busy_array.h"
#include "platform/output.h"

namespace brantlow {

// One day's numbers, as that day's statistics file gives them.
struct DayTotals {
  Date date;
  int sessions = 0;
  int incoming = 0;
  int outgoing = 0;
  int failures = 0;  // handshake failures
  std::int64_t received = 0;
  std::int64_t sent = 0;
  long long seconds = 0;  // time on line, whole seconds
  double cost = 0;
};

// One address, BBS user or name over the period.
struct AddressTotals {
  std::string name;
  int sessions = 0;
  int incoming = 0;
  int outgoing = 0;
  std::int64_t received = 0;
  std::int64_t sent = 0;
  int files_received = 0;
  int files_sent = 0;
  double cps_sum = 0;  // over its sessions with a positive CPS
  int cps_count = 0;
  long long seconds = 0;
  double cost = 0;
};

struct PeriodSummary {
  Period period;
  Date today;  // the title names the years other than today's
  std::vector<DayTotals> days;
  std::vector<AddressTotals> addresses;  // in the address summary's order
  bool costs = false;                    // tariffs are configured
  // The configured links without a session in the period; none without
  // the Links key.
  std::optional<std::vector<std::string>> silent_links;
  std::optional<BusyArray> busy;  // the mean per half hour; none with -g
  int line_number = 0;
};

void WritePeriodReport(const PeriodSummary& summary, Output& out,
                       const ReportTexts& texts);

// The per-address table of the period report, its totals row last.
void WriteAddressTotalsTable(const std::vector<AddressTotals>& addresses,
                             bool costs, const ReportTexts& t, Output& out);

// Totals rows: each number of the second added to the first's.
void AddTo(DayTotals& sum, const DayTotals& day);
void AddTo(AddressTotals& sum, const AddressTotals& address);

// Seconds as h:mm:ss, the hours as wide as they come.
std::string HoursMinutesSeconds(long long seconds);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_PERIOD_REPORT_H_
