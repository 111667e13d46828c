// The mailer log as bytes through a day's or a period's analysis, then
// every output for scripts and browsers: the CSV files, the JSON and the
// web page. Each must be valid UTF-8; the JSON one strict JSON value (so no
// inf or nan); every CSV record as many fields as its header; every "<" of
// the page one of the page's own tags. The first byte picks the day or the
// period, the language and the crash-poll search.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/text_fields.h"
#include "driver/analysis.h"
#include "driver/credits.h"
#include "driver/period_analysis.h"
#include "driver/progress.h"
#include "driver/run_context.h"
#include "log/window.h"
#include "platform/file_window.h"
#include "reports/csv_export.h"
#include "reports/html_page.h"
#include "reports/json_export.h"
#include "tests/fuzz/output_checks.h"
#include "tests/memory_run_files.h"

using namespace brantlow;

// Recording where every block was allocated took a third of the time of
// an execution; a finding is rerun from its artifact with
// ASAN_OPTIONS=malloc_context_size=30 for the whole story.
extern "C" const char* __asan_default_options() {
  return "malloc_context_size=0";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  static auto run = std::make_unique<RunContext>();
  run->settings = RunSettings{};
  run->sessions.Clear();
  run->busy = {};
  run->costs = CostTable{};
  run->processes = ProcessDefinitions{};
  run->bbs_session_count = 0;
  RunSettings& s = run->settings;
  s.language = flags & 1 ? LogLanguage::kRussian : LogLanguage::kEnglish;
  s.no_configuration = true;
  s.crash_poll_period = flags & 0x08 ? 120 : 0;
  CostEntry& cost = run->costs.Add();
  CopyField(cost.name, "2:5020/1234");
  cost.incoming_day_rate = 0.5f;
  cost.outgoing_day_rate = 0.6f;

  MemoryWindow log(
      std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  static auto files_of_runs = std::make_unique<testing_support::MemoryFiles>();
  testing_support::MemoryFiles& files = *files_of_runs;
  files.Reset();
  SilentProgress progress;
  RunRecord record;
  if (flags & 0x02) {
    s.period_given = s.period_valid = true;
    s.period = Period{{13, 3}, {16, 3}, 4};
    AnalysePeriod(*run, log, files, progress, record);
  } else {
    files.Open(Destination::kScratch, OpenMode::kFresh);
    Analyse(*run,
            MakeWindow({15, 3, 2026}, WindowTimes{0, 0, 23, 59, true},
                       {31, 12, 2026}),
            log, files, progress, record);
  }
  const std::string sessions = SessionsCsv(record);
  const std::string addresses = AddressesCsv(record);
  const std::string json = RunJson(record, kVersion);
  std::string page;
  WriteHtmlPage(record, page);
  CheckOutputs(sessions, addresses, json, page);
  return 0;
}
