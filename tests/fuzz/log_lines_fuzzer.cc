// The mailer log as bytes through the whole analysis in memory: piece
// cutting, the window test, the session extractor and its recognisers, the
// crash-poll search, the rate pass, the link health and every report
// writer. The first byte picks the phrase set, the cut mode, processes, a
// window that crosses midnight and the tables.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "base/text_fields.h"
#include "driver/analysis.h"
#include "driver/progress.h"
#include "driver/run_context.h"
#include "log/log_dialect.h"
#include "log/window.h"
#include "platform/file_window.h"
#include "reports/link_health.h"
#include "tests/memory_run_files.h"

using namespace brantlow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  static auto run = std::make_unique<RunContext>();
  // Set back what a run changes; the mask lists stay empty throughout.
  run->settings = RunSettings{};
  run->sessions.Clear();
  run->busy = {};
  run->costs = CostTable{};
  run->processes = ProcessDefinitions{};
  run->bbs_session_count = 0;
  RunSettings& s = run->settings;
  s.language = flags & 1 ? LogLanguage::kRussian : LogLanguage::kEnglish;
  s.cut_mode = static_cast<CutMode>((flags >> 1) % 3);
  s.no_configuration = !(flags & 0x20);
  s.crash_poll_period = flags & 0x08 ? 120 : 0;
  s.crash_check = flags & 0x80;
  s.connect_mode =
      flags & 0x04 ? TableMode::kOwnFile : TableMode::kInStatistics;
  s.files_mode = flags & 0x80 ? TableMode::kInStatistics : TableMode::kOwnFile;
  s.bbs_mode = flags & 0x04 ? BbsMode::kUserFileHidden : BbsMode::kOff;
  s.link_health = true;
  CopyField(run->processes[0].pattern, "Rescanning");
  CopyField(run->processes[0].name, "Outbound scan");
  run->processes[0].cycle = flags & 0x10;
  CostEntry& cost = run->costs.Add();
  CopyField(cost.name, "2:5020/1234");
  cost.incoming_day_rate = 0.5f;
  cost.outgoing_day_rate = 0.6f;

  const bool midnight = flags & 0x40;
  const Window window = MakeWindow({15, 3, 2026},
                                   midnight ? WindowTimes{23, 0, 8, 30, true}
                                            : WindowTimes{0, 0, 23, 59, true},
                                   {31, 12, 2026});
  const std::string_view lines(reinterpret_cast<const char*>(data + 1),
                               size - 1);
  // The dialect as a run chooses it: by the shape of the first lines.
  run->dialect = &DialectOfLines(lines);
  MemoryWindow log(lines);
  static auto files_of_runs = std::make_unique<testing_support::MemoryFiles>();
  testing_support::MemoryFiles& files = *files_of_runs;
  files.Reset();
  if (Cuts(s.cut_mode)) files.Open(Destination::kCut, OpenMode::kAppend);
  files.Open(Destination::kScratch, OpenMode::kFresh);
  SilentProgress progress;
  RunRecord record;
  Analyse(*run, window, log, files, progress, record);
  if (record.links) {
    MemoryOutput report;
    WriteLinkReport(*record.links, TextsFor(record.language), report);
    std::string page;
    WriteLinkSection(*record.links, TextsFor(record.language).page, page);
    LinksCsv(*record.links);
  }
  return 0;
}
