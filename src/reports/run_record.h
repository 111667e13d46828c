// The numbers of one run, gathered for the outputs beyond the CP866
// reports (CSV, JSON, HTML): the same values, in plain form.
#ifndef BRANTLOW_REPORTS_RUN_RECORD_H_
#define BRANTLOW_REPORTS_RUN_RECORD_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/calendar.h"
#include "base/report_texts.h"
#include "log/busy_array.h"
#include "log/window.h"
#include "reports/link_health.h"
#include "reports/period_report.h"

namespace brantlow {

// One session as the session list shows it, before any folding.
struct SessionRow {
  Date date;          // the day its start lies on
  std::string start;  // hh:mm:ss as the log wrote it
  std::string end;
  long long seconds = 0;
  bool crash_poll = false;  // marked as a crash-poll repeat
  std::string name;         // address, BBS user or name
  char kind = ' ';          // i o T p B ?
  std::int64_t received = 0;
  std::int64_t sent = 0;
  double cps = 0;
  std::string password;  // passw, mism, error, ?! or empty
  std::string connect;
  std::string mailer;
  double cost = 0;  // when tariffs are configured
  // Every address the remote presented, where the log names them all.
  std::vector<std::string> akas;
};

// What the files table lists for one address.
struct FilesRow {
  std::string name;
  std::vector<std::string> received;
  std::vector<std::string> sent;
};

// One row of the cost report.
struct CostRow {
  std::string name;
  double incoming_cost = 0;
  double outgoing_cost = 0;
  long long incoming_seconds = 0;
  long long outgoing_seconds = 0;
};

struct RunRecord {
  bool is_period = false;
  Window window;  // a day run's window
  Period period;  // a period run's days
  int crash_poll_period = 0;
  int line_number = 0;
  // The language of the reports, which the page is written in too.
  ReportLanguage language = ReportLanguage::kRussian;
  std::string commands;  // the modes that shaped it, as commands
  bool costs = false;    // tariffs are configured
  long long log_bytes = 0;
  long long lines_read = 0;
  // Where the reading began and ended: the lines outside lie before or
  // after the days asked for and were not read.
  long long read_from = 0;
  long long read_to = 0;
  long long lines_inside = 0;
  // Off when no output lists the sessions: a long period then keeps none.
  bool keeps_session_rows = true;
  std::vector<SessionRow> sessions;
  // Off when nothing reads them: a busy day's order costs a sort.
  bool keeps_addresses = true;
  std::vector<AddressTotals> addresses;  // in the address summary's order
  std::vector<DayTotals> days;           // one per day; the day run's one
  DayTotals totals;                      // over every day
  std::optional<BusyArray> busy;         // none with -g
  std::optional<std::vector<std::string>> silent_links;
  // Link health, when gathered: asked for (--links, +h), or for the
  // station report.
  std::optional<LinkHealth> links;
  // Whether the run's own outputs show it: only when asked for.
  bool links_asked = false;

  const LinkHealth* shown_links() const {
    return links && links_asked ? &*links : nullptr;
  }
  std::optional<std::vector<FilesRow>> files;  // when the files table is made
  bool connect_table = false;                  // when the connect table is made
  std::vector<CostRow> cost_rows;
  std::vector<std::string> warnings;
};

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_RUN_RECORD_H_
