// The log's lines survive whatever happens while the log is packed: the
// archiver failing, killed or hanging, or the program itself killed at any
// moment. After every case each line of the original log is in the log,
// in the archive or in a part file left in place, and the log itself is
// either the original or exactly its kept part.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

// Old lines from 20/02 to 03/03, kept ones from 04/03 on; today is 10/03
// and the pack day 7.
struct Log {
  std::vector<std::string> lines;
  std::string old_part, kept_part;
  explicit Log(int lines_per_day) {
    for (int d = 0; d < 19; ++d) {
      const int day = d < 9 ? 20 + d : d - 8;
      const int month = d < 9 ? 2 : 3;
      for (int i = 0; i < lines_per_day; ++i) {
        char line[128];
        std::snprintf(line, sizeof line,
                      "%02d/%02d %02d:%02d:%02d Rescanning outbound, line %d "
                      "of day %d\r\n",
                      day, month, i / 3600 % 24, i / 60 % 60, i % 60, i, d);
        lines.push_back(line);
        (d < 12 ? old_part : kept_part) += line;
      }
    }
  }
  std::string all() const { return old_part + kept_part; }
};

TranscriptCase PackingCase(const Log& log, const std::string& options) {
  TranscriptCase c;
  c.date = "2026-03-10 12:00:00";
  c.args = {"/d=10.03"};
  c.inputs["t-mail.log"] = log.all();
  c.inputs["brantlow.cfg"] =
      "LogFile t-mail.log\r\nPackDay 7\r\nPackLog old\r\n"
      "@RAR \"rar a " +
      options + "\"\r\n";
  c.tools = {"rar"};
  c.path_variable = "/nonexistent";
  return c;
}

void ExpectNothingLost(const Log& log, RunResult& r) {
  const std::string& now = r.files["t-mail.log"];
  EXPECT_TRUE(now == log.all() || now == log.kept_part)
      << "the log is neither the original nor its kept part (" << now.size()
      << " bytes)";
  // Every line of every file left, the log's own among them.
  std::unordered_set<std::string> found;
  for (const auto& [name, bytes] : r.files) {
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos;
         start = end + 1)
      found.insert(bytes.substr(start, end + 1 - start));
  }
  std::size_t missing = 0;
  for (const std::string& line : log.lines)
    if (!found.count(line)) ++missing;
  EXPECT_EQ(0u, missing) << "lines lost";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Waits until the stand-in has told its process id.
int ArchiverPid(const RunningCase& running) {
  for (int i = 0; i < 2000; ++i) {
    std::string pid = ReadFile(running.work + "/archiver.pid");
    if (!pid.empty() && pid.back() == '\n') return std::stoi(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return -1;
}

TEST(PackingSafetyTest, AFailingOrKilledArchiverLeavesTheLogAsItWas) {
  const Log log(40);
  for (const char* option : {"-fail", "-kill"}) {
    SCOPED_TRACE(option);
    RunResult r =
        RunCase(PackingCase(log, option), BRANTLOW_BINARY, BRANTLOW_STANDIN);
    EXPECT_EQ(2, r.exit_status);  // the run went on, but the packing failed
    EXPECT_NE(std::string::npos,
              r.stdout_bytes.find("Packer failed, log not packed\n"));
    EXPECT_EQ(log.all(), r.files["t-mail.log"]);
    EXPECT_EQ(log.old_part, r.files["old/20020303.26"]);
    ExpectNothingLost(log, r);
  }
}

TEST(PackingSafetyTest, AHangingArchiverThatIsEndedLeavesTheLogAsItWas) {
  const Log log(40);
  RunningCase running =
      StartCase(PackingCase(log, "-hang"), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  const int archiver = ArchiverPid(running);
  ASSERT_GT(archiver, 0);
  kill(archiver, SIGTERM);
  RunResult r = FinishCase(running);
  EXPECT_EQ(2, r.exit_status);
  EXPECT_NE(std::string::npos,
            r.stdout_bytes.find("Packer failed, log not packed\n"));
  EXPECT_EQ(log.all(), r.files["t-mail.log"]);
  ExpectNothingLost(log, r);
}

TEST(PackingSafetyTest, KilledWhileTheArchiverRuns) {
  const Log log(40);
  RunningCase running =
      StartCase(PackingCase(log, "-hang"), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_GT(ArchiverPid(running), 0);
  kill(-running.pid, SIGKILL);  // the program, its archiver, all of them
  RunResult r = FinishCase(running);
  EXPECT_EQ(log.all(), r.files["t-mail.log"]);
  ExpectNothingLost(log, r);
}

TEST(PackingSafetyTest, KilledJustAfterTheArchiverSucceeded) {
  const Log log(40);
  RunResult r = RunCase(PackingCase(log, "-killparent"), BRANTLOW_BINARY,
                        BRANTLOW_STANDIN);
  EXPECT_EQ(log.all(), r.files["t-mail.log"]);
  EXPECT_NE(std::string::npos, r.files["old/logpack.rar"].find(log.old_part));
  ExpectNothingLost(log, r);
}

TEST(PackingSafetyTest, KilledAtAnyMomentOfALongPacking) {
  // About 7 MB of lines, so that the kills fall inside the copying.
  const Log log(6000);
  for (int delay : {0, 5, 20, 60, 150}) {
    SCOPED_TRACE(delay);
    RunningCase running =
        StartCase(PackingCase(log, ""), BRANTLOW_BINARY, BRANTLOW_STANDIN);
    std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    kill(-running.pid, SIGKILL);
    RunResult r = FinishCase(running);
    ExpectNothingLost(log, r);
  }
}

}  // namespace
}  // namespace brantlow::e2e
