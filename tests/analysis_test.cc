#include "driver/analysis.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "tests/memory_run_files.h"

namespace brantlow {
namespace {

using testing_support::MemoryFiles;

// A day of two links, a BBS caller and a tosser run, with every report on.
constexpr char kLog[] =
    "15/03 02:10:00 Tossing inbound mail\r\n"
    "15/03 02:12:30 Rescanning outbound, 3 files found\r\n"
    "15/03 09:54:52 \xFE Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS\r\n"
    "15/03 09:55:04 2:4527/63, using T-Mail/2608.NT\r\n"
    "15/03 09:55:04 Password protected session\r\n"
    "15/03 09:55:06 HR-16 pntlst.z15 863 OK: 0:01, 863 cps, 26%\r\n"
    "15/03 09:55:10 HS-16 areas.lst 214 OK: 0:01, 214 cps, 6%\r\n"
    "15/03 09:55:11 \xFE 2:4527/63, bytes 863/214, time 0:00:19\r\n"
    "15/03 10:00:05 \xFE Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS\r\n"
    "15/03 10:00:17 2:4527/63, using T-Mail/2608.NT\r\n"
    "15/03 10:00:20 \xFE 2:4527/63, bytes 0/0, time 0:00:15\r\n"
    "15/03 14:02:10 \xFE Incoming call: CONNECT 33600/ARQ/V34/LAPM\r\n"
    "15/03 14:02:20 Human caller.\r\n"
    "15/03 14:20:00 Returned to T-Mail with errorlevel 2\r\n"
    "15/03 22:40:00 \xFE Outgoing call: CONNECT 28800/ARQ\r\n"
    "15/03 22:40:09 2:5020/1234, using Bink/w32\r\n"
    "15/03 22:40:30 JS-16 mail.pkt 4096 OK: 0:02, 2048 cps\r\n"
    "15/03 22:41:00 \xFE 2:5020/1234, bytes 0/4096, time 0:01:00\r\n";

constexpr char kBbsLog[] =
    "+ 15 Mar 14:02:30 MAX  Begin, v3.01 (task=1)\r\n"
    "= 15 Mar 14:02:31 MAX  Connected at 33600 baud\r\n"
    "+ 15 Mar 14:02:40 MAX  Ilya Voronin calling\r\n"
    "+ 15 Mar 14:19:50 MAX  End, Ilya Voronin\r\n";

std::unique_ptr<RunContext> MakeRun() {
  auto run = std::make_unique<RunContext>();
  RunSettings& s = run->settings;
  s.crash_poll_period = 600;
  s.cut_mode = CutMode::kCutAndAnalyse;
  s.connect_mode = TableMode::kOwnFile;
  s.files_mode = TableMode::kInStatistics;
  s.bbs_mode = BbsMode::kUserFile;
  s.bbs_type = true;
  CopyField(run->processes[0].pattern, "Tossing inbound");
  CopyField(run->processes[0].name, "Tosser run");
  CostEntry& cost = run->costs.Add();
  CopyField(cost.name, "2:5020/1234");
  cost.outgoing_day_rate = 0.6f;
  cost.outgoing_night_rate = 0.3f;
  run->costs.night_start = 23 * 3600;
  run->costs.night_end = 7 * 3600;
  return run;
}

// Every destination of one whole analysis, from a fresh run context.
std::array<std::string, kDestinations> AnalyseOnce() {
  auto run = MakeRun();
  MemoryFiles files;
  files.bbs_log = kBbsLog;
  files.Open(Destination::kCut, OpenMode::kAppend);
  files.Open(Destination::kScratch, OpenMode::kFresh);
  MemoryWindow log(std::string_view(kLog, sizeof kLog - 1));
  SilentProgress progress;
  RunRecord record;
  Analyse(*run, MakeWindow({15, 3, 2026}, {0, 0, 23, 59, true}, {31, 12, 2026}),
          log, files, progress, record);
  std::array<std::string, kDestinations> bytes;
  for (int d = 0; d < kDestinations; ++d)
    bytes[static_cast<std::size_t>(d)] =
        files.bytes(static_cast<Destination>(d));
  return bytes;
}

TEST(Analysis, TwiceInOneProcessGivesTheSameBytes) {
  const auto first = AnalyseOnce();
  const auto second = AnalyseOnce();
  EXPECT_EQ(first, second);
  // Each report was written, and the cut file holds the whole day.
  const std::string& statistics =
      first[static_cast<std::size_t>(Destination::kStatistics)];
  EXPECT_NE(std::string::npos, statistics.find("2:4527/63"));
  EXPECT_NE(std::string::npos, statistics.find("pntlst.z15"));
  EXPECT_NE(std::string::npos, statistics.find("Tosser run"));
  EXPECT_NE(std::string::npos,
            first[static_cast<std::size_t>(Destination::kBbsUsers)].find(
                "Ilya Voronin"));
  EXPECT_NE(
      std::string::npos,
      first[static_cast<std::size_t>(Destination::kConnect)].find("Bink/w32"));
  EXPECT_EQ(sizeof kLog - 1,
            first[static_cast<std::size_t>(Destination::kCut)].size());
}

}  // namespace
}  // namespace brantlow
