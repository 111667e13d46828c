#include "platform/process.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/temp_dir.h"

namespace brantlow {
namespace {

using testing_support::TempDir;

// Runs each test inside a fresh directory with PATH of its own choosing.
class ProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(nullptr, getcwd(old_cwd_, sizeof old_cwd_));
    ASSERT_EQ(0, chdir(dir_.path().c_str()));
    if (const char* p = std::getenv("PATH")) old_path_ = p;
  }
  void TearDown() override {
    setenv("PATH", old_path_.c_str(), 1);
    if (chdir(old_cwd_) != 0) ADD_FAILURE() << "cannot go back";
  }
  void Script(const std::string& path, const std::string& body) {
    dir_.Write(path, "#!/bin/sh\n" + body + "\n");
    chmod(dir_.File(path).c_str(), 0755);
  }

  TempDir dir_;
  char old_cwd_[4096];
  std::string old_path_;
};

TEST_F(ProcessTest, FindsTheCurrentDirectoryFirstThenPathInOrder) {
  mkdir("one", 0777);
  mkdir("two", 0777);
  Script("two/arc", "exit 0");
  setenv("PATH", "/nonexistent::one:two/", 1);
  EXPECT_EQ("two/arc", FindProgram("arc"));
  Script("one/arc", "exit 0");
  EXPECT_EQ("one/arc", FindProgram("arc"));
  Script("arc", "exit 0");
  EXPECT_EQ("arc", FindProgram("arc"));
}

TEST_F(ProcessTest, FindsOnlyExecutableFilesUnderTheExactName) {
  mkdir("bin", 0777);
  mkdir("bin/arc", 0777);              // a directory does not count
  dir_.Write("arc", "not a program");  // nor a file that cannot run
  Script("bin/arc.exe", "exit 0");
  setenv("PATH", "bin", 1);
  EXPECT_EQ("", FindProgram("arc"));
  EXPECT_EQ("bin/arc.exe", FindProgram("arc.exe"));
  EXPECT_EQ("", FindProgram(""));
  // A name with a directory is that path only.
  EXPECT_EQ("", FindProgram("./arc.exe"));
  EXPECT_EQ("bin/arc.exe", FindProgram("bin/arc.exe"));
}

TEST_F(ProcessTest, RunsWithTheExactArgumentsAndReportsHowItEnded) {
  Script("echoargs",
         "for a in \"$@\"; do echo \"[$a]\"; done > args.txt; exit 3");
  ChildOutcome o = RunProgram({"./echoargs", "a b", "-y", "$HOME", "*"});
  EXPECT_EQ(ChildOutcome::Kind::kExited, o.kind);
  EXPECT_EQ(3, o.code);
  // No shell: blanks, "$" and "*" arrive as they were given.
  EXPECT_EQ("[a b]\n[-y]\n[$HOME]\n[*]\n", dir_.Read("args.txt"));

  Script("dies", "kill -9 $$");
  o = RunProgram({"./dies"});
  EXPECT_EQ(ChildOutcome::Kind::kKilled, o.kind);
  EXPECT_EQ(9, o.code);

  EXPECT_EQ(ChildOutcome::Kind::kNotStarted, RunProgram({"./missing"}).kind);
  // Found and executable, but no program the system can start.
  dir_.Write("garbage", "\x7f\x01 not a program");
  chmod(dir_.File("garbage").c_str(), 0755);
  EXPECT_EQ(ChildOutcome::Kind::kNotStarted, RunProgram({"./garbage"}).kind);
  EXPECT_EQ(ChildOutcome::Kind::kNotStarted, RunProgram({}).kind);
}

}  // namespace
}  // namespace brantlow
