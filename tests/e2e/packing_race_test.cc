// Packing while others write and pack: several lines of one station packing
// one log at once into one archive directory, and a mailer appending to the
// log while it is packed. Afterwards every line the log ever held is in
// exactly one of the log and the archive.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/temp_dir.h"

namespace brantlow::e2e {
namespace {

using testing_support::TempDir;

// The run packs by the machine's clock: the log is dated back from today.
std::string DayText(int days_ago) {
  std::time_t t =
      std::time(nullptr) - static_cast<std::time_t>(days_ago) * 86400;
  std::tm tm;
  gmtime_r(&t, &tm);
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d", tm.tm_mday, tm.tm_mon + 1);
  return text;
}

// Twenty days of a busy line, the oldest first.
std::string TwentyDays(int lines_per_day) {
  std::string log;
  for (int ago = 19; ago >= 0; --ago)
    for (int i = 0; i < lines_per_day; ++i) {
      char line[96];
      std::snprintf(line, sizeof line,
                    "%s %02d:%02d:00 Rescanning outbound, day %d line %d\r\n",
                    DayText(ago).c_str(), i / 60 % 24, i % 60, ago, i);
      log += line;
    }
  return log;
}

pid_t Start(const std::string& dir, const std::vector<std::string>& args) {
  pid_t pid = fork();
  if (pid != 0) return pid;
  if (chdir(dir.c_str()) != 0) _exit(126);
  const int null = open("/dev/null", O_RDWR);
  dup2(null, 0);
  dup2(null, 1);
  dup2(null, 2);
  setenv("TZ", "UTC", 1);
  std::vector<std::string> words = {BRANTLOW_BINARY};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

int Wait(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string Output(const std::string& command) {
  std::string out;
  if (std::FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, p))
      out.append(buf, n);
    pclose(p);
  }
  return out;
}

// How often each line stands in the text.
void Count(const std::string& text, std::map<std::string, int>& seen) {
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1)
    ++seen[text.substr(start, end + 1 - start)];
}

// Every line of expected once, in the log or in the archive, and no other.
void ExpectEachLineOnce(const std::string& expected,
                        const std::map<std::string, int>& seen) {
  std::map<std::string, int> want;
  Count(expected, want);
  std::size_t lost = 0, doubled = 0;
  for (const auto& [line, n] : want) {
    auto found = seen.find(line);
    if (found == seen.end())
      ++lost;
    else if (found->second != n)
      ++doubled;
  }
  EXPECT_EQ(0u, lost) << "lines lost";
  EXPECT_EQ(0u, doubled) << "lines twice";
  EXPECT_EQ(want.size(), seen.size()) << "lines that were never in the log";
}

// How many lines pack at once, and whether each has a log of its own.
struct Lines {
  int count;
  bool own_logs;
};
void PrintTo(const Lines& lines, std::ostream* os) {
  *os << lines.count << (lines.own_logs ? " logs" : " lines on one log");
}

class LinesPackingAtOnce : public testing::TestWithParam<Lines> {};

// Each line packs with a pack day of its own, so several of them find
// something to pack; all share the archive directory, and one log or a
// log each.
TEST_P(LinesPackingAtOnce, EveryLineIsInTheLogOrTheArchiveOnce) {
  if (std::system("command -v zip >/dev/null && command -v unzip >/dev/null") !=
      0)
    GTEST_SKIP() << "zip is not installed";
  const Lines lines = GetParam();
  const std::string log = TwentyDays(40);
  auto log_name = [&](int line) {
    return lines.own_logs ? "t-mail" + std::to_string(line) + ".log"
                          : std::string("t-mail.log");
  };
  for (int trial = 0; trial < 20; ++trial) {
    SCOPED_TRACE(trial);
    TempDir dir;
    mkdir(dir.File("old").c_str(), 0777);
    std::string all;
    for (int line = 1; line <= lines.count; ++line) {
      if (line == 1 || lines.own_logs) {
        // Lines of different logs differ by the log's name.
        std::string own = log;
        const std::string mark = log_name(line) + " ";
        for (std::size_t at = 0;
             (at = own.find("day ", at)) != std::string::npos;
             at += mark.size() + 4)
          own.insert(at, mark);
        dir.Write(log_name(line), own);
        all += own;
      }
      dir.Write("brantl" + std::to_string(line) + ".cfg",
                "LogFile " + log_name(line) + "\r\nPackDay " +
                    std::to_string(2 + (line + trial) % 12) +
                    "\r\nPackLog old\r\n@ZIP \"zip -q\"\r\n");
    }
    std::vector<pid_t> runs;
    for (int line = 1; line <= lines.count; ++line)
      runs.push_back(Start(dir.path(), {"line" + std::to_string(line)}));
    for (pid_t pid : runs) EXPECT_EQ(0, Wait(pid));
    std::map<std::string, int> seen;
    for (int line = 1; line <= lines.count; ++line)
      if (line == 1 || lines.own_logs) Count(dir.Read(log_name(line)), seen);
    Count(Output("unzip -p '" + dir.File("old/logpack.zip") + "' 2>/dev/null"),
          seen);
    ExpectEachLineOnce(all, seen);
  }
}

INSTANTIATE_TEST_SUITE_P(OneLogOrEach, LinesPackingAtOnce,
                         testing::Values(Lines{2, false}, Lines{8, false},
                                         Lines{2, true}),
                         [](const testing::TestParamInfo<Lines>& info) {
                           return std::to_string(info.param.count) +
                                  (info.param.own_logs ? "LinesEachWithItsLog"
                                                       : "LinesOnOneLog");
                         });

class MailerWritingMeanwhile : public testing::TestWithParam<bool> {};

// The mailer writes a line every few milliseconds from before the packing
// until after the new log took the old one's place: reopening the log for
// each line, or through one descriptor it keeps open.
TEST_P(MailerWritingMeanwhile, EveryAppendedLineIsFound) {
  const bool holds_open = GetParam();
  TempDir dir;
  const std::string log = TwentyDays(20);
  dir.Write("t-mail.log", log);
  dir.Write("brantlow.cfg",
            "PackDay 7\r\nPackLog old\r\n@RAR \"rar a -slow\"\r\n");
  const std::string rar = dir.File("rar");
  std::system(("cp '" BRANTLOW_STANDIN "' '" + rar + "'").c_str());
  const std::string path = dir.File("t-mail.log");
  std::string appended;
  for (int i = 0; i < 300; ++i)
    appended += DayText(0) + " 23:59:59 written meanwhile " +
                std::to_string(i) + "\r\n";
  std::thread mailer([&] {
    int fd = holds_open ? open(path.c_str(), O_WRONLY | O_APPEND) : -1;
    for (std::size_t start = 0, end;
         (end = appended.find('\n', start)) != std::string::npos;
         start = end + 1) {
      if (!holds_open) fd = open(path.c_str(), O_WRONLY | O_APPEND);
      EXPECT_GT(write(fd, appended.data() + start, end + 1 - start), 0);
      if (!holds_open) close(fd);
      std::this_thread::sleep_for(std::chrono::milliseconds(4));
    }
    if (holds_open) close(fd);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(0, Wait(Start(dir.path(), {"t-mail.log"})));
  mailer.join();
  std::map<std::string, int> seen;
  Count(dir.Read("t-mail.log"), seen);
  std::string archive = dir.Read("old/logpack.rar");
  for (std::size_t at; (at = archive.find("member: ")) != std::string::npos;)
    archive.erase(at, archive.find('\n', at) + 1 - at);
  Count(archive, seen);
  ExpectEachLineOnce(log + appended, seen);
}

INSTANTIATE_TEST_SUITE_P(ReopeningOrHoldingOpen, MailerWritingMeanwhile,
                         testing::Bool());

}  // namespace
}  // namespace brantlow::e2e
