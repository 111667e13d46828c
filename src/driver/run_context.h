// Everything one run works on: its settings and the tables the
// configuration and the log fill. Run owns it and hands it to each step.
#ifndef BRANTLOW_DRIVER_RUN_CONTEXT_H_
#define BRANTLOW_DRIVER_RUN_CONTEXT_H_

#include <optional>
#include <string>
#include <vector>

#include "base/mask_list.h"
#include "base/report_texts.h"
#include "driver/run_settings.h"
#include "log/busy_array.h"
#include "log/cost_table.h"
#include "log/log_dialect.h"
#include "log/process_definitions.h"
#include "log/session_table.h"
#include "platform/clock.h"

namespace brantlow {

struct RunContext {
  RunSettings settings;
  // When the run began: the date of what it posts.
  LocalDate now;
  // The mailer whose log is read: LogType, or the shape of its lines.
  const LogDialect* dialect = &TmailDialect();
  // The words of the reports and step lines, of the settings' language.
  const ReportTexts* texts = &TextsFor(ReportLanguage::kRussian);
  SessionTable sessions;
  BusyArray busy{};
  // Time on line in the window of sessions that began before it.
  std::vector<BusySpan> earlier_busy;
  CostTable costs;
  ProcessDefinitions processes{};
  MaskList files_no_scan;
  MaskList files_kill;
  // Rows of the BBS-user file's session list, shown by its totals line.
  int bbs_session_count = 0;
  // The addresses of the station's links (Links), for the period report.
  // None without the key.
  std::optional<std::vector<std::string>> links;
};

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_RUN_CONTEXT_H_
