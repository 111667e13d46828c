// A four-line station runs one instance per line, all at once, in one
// directory and on one log. Each instance names its configuration, its
// reports and its scratch file after its line, so running the four
// together must leave exactly what running them one after the other
// leaves, and no scratch file may stay behind.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/report_shape.h"
#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

using Files = std::map<std::string, std::string>;

std::string Clock(int seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600,
                seconds / 60 % 60, seconds % 60);
  return text;
}

// Two days of a busy line, 15.03 and 16.03: a session every three
// minutes, every twentieth a caller passed on to the BBS, every
// thirtieth followed by a FrontDoor event.
std::string StationLog() {
  std::string log;
  for (int day = 15; day <= 16; ++day) {
    const std::string date = std::to_string(day) + "/03 ";
    auto line = [&](int t, const std::string& utf8) {
      log += date + Clock(t) + " " + Cp866Of(utf8) + "\r\n";
    };
    for (int n = 0; n < 480; ++n) {
      const int t = n * 180;
      const std::string address =
          "2:50" + std::to_string(20 + n % 7) + "/" + std::to_string(n % 40);
      line(t, "Rescanning outbound, 3 files found");
      line(t + 5, n % 3 ? "■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS"
                        : "■ Outgoing call: CONNECT 28800/ARQ/V34");
      if (n % 20 == 7) {
        line(t + 15, "Human caller.");
        line(t + 170, "Returned to T-Mail with errorlevel 2");
        continue;
      }
      line(t + 12, address + ", using T-Mail/2608.NT");
      line(t + 13,
           n % 4 ? "Password protected session" : "Password mismatch: ABC");
      line(t + 20,
           "HR-16 " + std::to_string(n) + "a.pkt 12480 OK: 0:06, 2080 cps");
      line(t + 30, "HS-16 " + std::to_string(n) + "b.mo" +
                       std::to_string(n % 10) + " 3210 OK: 0:02, 1605 cps");
      if (n % 11 == 0)
        line(t + 40, "HS-16 big.zip 90000 cancelled at pos 4096, 512 cps");
      line(t + 60, "■ " + address + ", bytes 12480/3210, time 0:00:55");
      if (n % 30 == 0) {
        line(t + 70, "Running FrontDoor event");
        line(t + 80, "Running FrontDoor event");
        line(t + 90, "Rescanning outbound");
      }
    }
  }
  return log;
}

// The BBS calls of the callers passed on, same speed and hours.
std::string MaximusLog() {
  std::string log;
  for (int day = 15; day <= 16; ++day) {
    for (int n = 7; n < 480; n += 20) {
      const int t = n * 180 + 16;
      auto line = [&](int s, const std::string& text) {
        log += "+ " + std::to_string(day) + " Mar " + Clock(t + s) + " MAX  " +
               text + "\r\n";
      };
      line(0, "Begin, v3.01 (task=1)");
      line(2, "Connected at 33600 baud");
      line(5, "Caller " + std::to_string(n % 9) + " calling");
      line(60, "CPS: " + std::to_string(1000 + n) + " (" +
                   std::to_string(n * 100) + " bytes)");
      line(61, "DL-FILE" + std::to_string(n) + ".ZIP");
      line(150, "End, Caller " + std::to_string(n % 9));
    }
  }
  return log;
}

Files StationInputs() {
  Files in;
  in["LOG"] = StationLog();
  in["max.log"] = MaximusLog();
  in["brantl1.cfg"] = "String /C=120 +L\r\nTmpDir shared\r\n";
  in["brantl2.cfg"] =
      "String +A(-S) -G\r\nTmpDir shared\r\nFilesEcho NO\r\n"
      "Cost 2:5023/3 1.00#0.50 2.00#1.00 10\r\nNightTime 22:00-06:00\r\n";
  in["brantl3.cfg"] =
      "BBSType MAX\r\nBBSLog max.log\r\nTmpDir tmp3\r\nCrashCheck ALL\r\n"
      "String /C=300\r\n";
  in["brantl4.cfg"] =
      "ShredDir cut4\r\nDefine_1 \"Running FrontDoor\"\r\n1_Name "
      "\"FrontDoor\"\r\n"
      "1_Cycle yes\r\nBBSType MAX\r\nBBSLog max.log\r\nFilesNoScan *.MO?\r\n";
  return in;
}

// The four command lines; the date and the window are always given, so
// the clock of the machine plays no part.
const std::vector<std::vector<std::string>> kCommandLines = {
    {"LOG", "line1", "/d=15.03", "/t=00:00-23:59", "+a"},
    {"LOG", "line2", "/d=15.03", "/t=08:00-20:00", "/c=60", "+l(-s)"},
    {"LOG", "line3", "/d=15.03", "/t=00:00-23:59", "+l", "+b"},
    {"LOG", "line4", "/d=15.03", "/t=22:00-06:01", "+F", "+a(-s)", "+b(-s)"},
};

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void ListFiles(const std::string& root, const std::string& rel, Files& files) {
  const std::string dir_path = rel.empty() ? root : root + "/" + rel;
  DIR* dir = opendir(dir_path.c_str());
  if (dir == nullptr) return;
  while (dirent* e = readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    const std::string child = rel.empty() ? name : rel + "/" + name;
    struct stat st;
    if (lstat((root + "/" + child).c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode))
      ListFiles(root, child, files);
    else
      files[child] = ReadWhole(root + "/" + child);
  }
  closedir(dir);
}

struct StationRun {
  Files files;              // everything left in the directory
  std::vector<int> status;  // exit status of each instance
  std::vector<std::string> console;
};

// Starts one instance in work; with a gate (a pipe), it waits until every
// write end of the gate is closed before it executes the program.
pid_t Start(const std::string& root, const std::string& work, int index,
            const std::vector<std::string>& args, const int* gate) {
  pid_t pid = fork();
  if (pid != 0) return pid;
  if (gate != nullptr) close(gate[1]);
  setsid();  // no terminal: the console stream goes to standard error
  if (chdir(work.c_str()) != 0) _exit(126);
  const std::string n = std::to_string(index);
  int in = open("/dev/null", O_RDONLY);
  int out =
      open((root + "/stdout" + n).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  int err =
      open((root + "/console" + n).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  dup2(in, 0);
  dup2(out, 1);
  dup2(err, 2);
  setenv("TZ", "UTC", 1);
  setenv("LC_ALL", "C", 1);
  setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
  if (gate != nullptr) {
    char c;
    while (read(gate[0], &c, 1) > 0) {}
    close(gate[0]);
  }
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
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs the instances in a fresh directory holding the inputs, one after
// the other or all released at the same moment.
StationRun RunStation(const Files& inputs, bool together,
                      const std::vector<std::vector<std::string>>&
                          command_lines = kCommandLines) {
  StationRun run;
  char dir_template[] = "/tmp/brantlow-lines-XXXXXX";
  const char* dir = mkdtemp(dir_template);
  if (dir == nullptr) return run;
  const std::string root = dir;
  const std::string work = root + "/work";
  mkdir(work.c_str(), 0777);
  for (const auto& [name, bytes] : inputs)
    std::ofstream(work + "/" + name, std::ios::binary) << bytes;

  const int count = static_cast<int>(command_lines.size());
  run.status.assign(count, -1);
  if (together) {
    int gate[2];
    if (pipe(gate) != 0) return run;
    std::vector<pid_t> pids;
    for (int i = 0; i < count; ++i) {
      pids.push_back(Start(root, work, i + 1, command_lines[i], gate));
    }
    close(gate[0]);
    close(gate[1]);  // every instance starts now
    for (int i = 0; i < count; ++i) run.status[i] = Wait(pids[i]);
  } else {
    for (int i = 0; i < count; ++i)
      run.status[i] = Wait(Start(root, work, i + 1, command_lines[i], nullptr));
  }
  for (int i = 1; i <= count; ++i)
    run.console.push_back(ReadWhole(root + "/stdout" + std::to_string(i)) +
                          ReadWhole(root + "/console" + std::to_string(i)));
  ListFiles(work, "", run.files);
  std::string remove = "rm -rf '" + root + "'";
  if (std::system(remove.c_str()) != 0) {}
  return run;
}

std::string Names(const Files& files) {
  std::string names;
  for (const auto& [name, bytes] : files) names += " " + Printable(name);
  return names;
}

bool IsReport(const std::string& name) {
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".zvx") == 0;
}

TEST(ConcurrencyTest, FourLinesAtOnceLeaveWhatFourLinesInTurnLeave) {
  const Files inputs = StationInputs();
  ASSERT_GT(inputs.at("LOG").size(), 200000u);
  const StationRun alone = RunStation(inputs, false);
  for (std::size_t i = 0; i < alone.status.size(); ++i)
    ASSERT_EQ(0, alone.status[i]) << "line" << i + 1 << ":\n"
                                  << Printable(alone.console[i]);

  // What the four runs in turn leave: the inputs unchanged, the reports of
  // each line under its own number, the cut file of line 4, and no
  // scratch file.
  const std::vector<std::string> made = {
      "logdat1.zvx", "logdat2.zvx",      "condat2.zvx", "filedt2.zvx",
      "logdat3.zvx", "maxdat3.zvx",      "logdat4.zvx", "filedt4.zvx",
      "maxdat4.zvx", "cut4/22000601.000"};
  Files expected_names = inputs;
  for (const std::string& name : made) expected_names[name];
  EXPECT_EQ(Names(expected_names), Names(alone.files));
  for (const auto& [name, bytes] : inputs)
    EXPECT_TRUE(alone.files.count(name) && alone.files.at(name) == bytes)
        << name << " was changed";
  for (const auto& [name, bytes] : alone.files) {
    if (IsReport(name)) {
      EXPECT_EQ("", ReportShapeProblem(bytes)) << "in " << name;
    }
  }
  // The four statistics files differ: every line ran on its own settings.
  EXPECT_NE(alone.files.at("logdat1.zvx"), alone.files.at("logdat3.zvx"));

  for (int round = 1; round <= 4; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const StationRun together = RunStation(inputs, true);
    for (std::size_t i = 0; i < together.status.size(); ++i)
      EXPECT_EQ(0, together.status[i]) << "line" << i + 1 << ":\n"
                                       << Printable(together.console[i]);
    EXPECT_EQ(Names(alone.files), Names(together.files));
    for (const auto& [name, bytes] : alone.files) {
      auto found = together.files.find(name);
      if (found == together.files.end()) continue;  // told by the names
      EXPECT_TRUE(found->second == bytes)
          << name << " differs: " << bytes.size() << " bytes in turn, "
          << found->second.size() << " at once";
    }
    for (const auto& [name, bytes] : together.files)
      EXPECT_EQ(std::string::npos, name.find("zorv"))
          << "scratch file left: " << name;
  }
}

// A run in a directory it cannot write to: no lock file, no report; it
// tells so and ends with status 2, for a cron job to see.
TEST(ConcurrencyTest, AReadOnlyDirectoryEndsWithStatusTwo) {
  char dir_template[] = "/tmp/brantlow-readonly-XXXXXX";
  const char* dir = mkdtemp(dir_template);
  ASSERT_NE(nullptr, dir);
  const std::string root = dir;
  const std::string work = root + "/work";
  mkdir(work.c_str(), 0777);
  std::ofstream(work + "/LOG", std::ios::binary) << StationLog();
  chmod(work.c_str(), 0555);
  const bool read_only = access(work.c_str(), W_OK) != 0;
  int status = -1;
  if (read_only)
    status = Wait(Start(root, work, 1,
                        {"LOG", "/d=15.03", "+l", "+a", "--no-lock"}, nullptr));
  chmod(work.c_str(), 0777);
  const std::string out = ReadWhole(root + "/stdout1");
  Files left;
  ListFiles(work, "", left);
  std::string remove = "rm -rf '" + root + "'";
  if (std::system(remove.c_str()) != 0) {}
  if (!read_only) GTEST_SKIP() << "the superuser writes to any directory";
  EXPECT_EQ(2, status) << Printable(out);
  EXPECT_NE(std::string::npos,
            out.find("Error: Unable to create logdata.zvx\n"));
  EXPECT_EQ(" LOG", Names(left));
}

// Eight runs of line 0 in one directory, each on its own window, write the
// same report files: they take turns, the later ones waiting, and what is
// left is whole, each report as one of them leaves it alone.
TEST(ConcurrencyTest, EightRunsOfOneLineTakeTurns) {
  Files inputs = StationInputs();
  inputs["brantlow.cfg"] = "BBSType MAX\r\nBBSLog max.log\r\nString /C=120\r\n";
  std::vector<std::vector<std::string>> command_lines;
  for (int k = 0; k < 8; ++k) {
    char window[16];
    std::snprintf(window, sizeof window, "/t=%02d:00-23:59", 2 * k);
    command_lines.push_back({"LOG", "/d=15.03", window, "+l", "+a", "+b"});
  }
  std::vector<Files> alone;
  for (const auto& command_line : command_lines) {
    const StationRun run = RunStation(inputs, false, {command_line});
    ASSERT_EQ(0, run.status[0]) << Printable(run.console[0]);
    alone.push_back(run.files);
  }
  Files expected_names = inputs;
  expected_names["logdata.zvx"];
  expected_names["maxdata.zvx"];
  ASSERT_EQ(Names(expected_names), Names(alone[0]));
  EXPECT_NE(alone[0].at("logdata.zvx"), alone[7].at("logdata.zvx"));

  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const StationRun together = RunStation(inputs, true, command_lines);
    int waited = 0;
    for (std::size_t i = 0; i < together.status.size(); ++i) {
      EXPECT_EQ(0, together.status[i]) << Printable(together.console[i]);
      if (together.console[i].find(
              "Waiting for another run in this directory...\n") !=
          std::string::npos)
        ++waited;
    }
    EXPECT_GE(waited, 1);
    // No lock file and no temporary report stay behind.
    EXPECT_EQ(Names(expected_names), Names(together.files));
    bool matched = false;
    for (const Files& one : alone) {
      bool same = true;
      for (const std::string name : {"logdata.zvx", "maxdata.zvx"})
        same = same && together.files.count(name) &&
               together.files.at(name) == one.at(name);
      matched = matched || same;
    }
    EXPECT_TRUE(matched) << "the reports are not those of any one run";
  }
}

}  // namespace
}  // namespace brantlow::e2e
