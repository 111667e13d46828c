#include "maintenance/directory_preparation.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/temp_dir.h"

namespace brantlow {
namespace {

using testing_support::TempDir;

const Window kWindow =
    MakeWindow({15, 3, 2026}, {10, 5, 12, 30, true}, {31, 12, 2026});

Window Times(int start_hour, int start_minute, int end_hour, int end_minute) {
  Window w;
  w.start_hour = start_hour;
  w.start_minute = start_minute;
  w.end_hour = end_hour;
  w.end_minute = end_minute;
  return w;
}

TEST(CutFileName, TwoDigitsEach) {
  EXPECT_EQ("10051230.000", CutFileName(kWindow, 0));
  EXPECT_EQ("00002359.007", CutFileName(Times(0, 0, 23, 59), 7));
  EXPECT_EQ("23000800.100", CutFileName(Times(23, 0, 8, 0), 100));
  // An end that was never checked still gives twelve characters.
  EXPECT_EQ("10001299.000", CutFileName(Times(10, 0, 112, 199), 0));
}

TEST(PrepareDirectories, NamesTheFirstFreeCutFile) {
  TempDir dir;
  std::string cut = dir.File("shred");
  std::string temp = dir.path();
  EXPECT_EQ(DirectoryStatus::kReady,
            PrepareDirectories(cut, kWindow, CutMode::kCutAndAnalyse, temp));
  EXPECT_EQ(dir.File("shred/10051230.000"), cut);  // created, then named

  // Taken names are skipped whatever order the directory lists them in.
  dir.Write("shred/10051230.001", "");
  dir.Write("shred/10051230.000", "");
  dir.Write("shred/10051230.003", "");
  cut = dir.File("shred/");
  EXPECT_EQ(DirectoryStatus::kReady,
            PrepareDirectories(cut, kWindow, CutMode::kCutOnly, temp));
  EXPECT_EQ(dir.File("shred/10051230.002"), cut);
}

TEST(PrepareDirectories, WithoutCutModeTheCutDirectoryIsLeftAlone) {
  TempDir dir;
  std::string cut = dir.File("shred");
  std::string temp = dir.File("tmp");
  EXPECT_EQ(DirectoryStatus::kReady,
            PrepareDirectories(cut, kWindow, CutMode::kNone, temp));
  EXPECT_EQ(dir.File("shred"), cut);
  struct stat st;
  EXPECT_NE(0, stat(cut.c_str(), &st));
  EXPECT_EQ(0, stat(temp.c_str(), &st));  // the temporary one is created
}

TEST(PrepareDirectories, UnusableDirectories) {
  TempDir dir;
  dir.Write("file", "x");
  std::string cut = dir.File("missing/deeper");
  std::string temp = dir.File("file/tmp");
  testing::internal::CaptureStdout();
  EXPECT_EQ(DirectoryStatus::kBadCutDirectory,
            PrepareDirectories(cut, kWindow, CutMode::kCutAndAnalyse, temp));
  // The path as given and the system's reason follow the message.
  EXPECT_EQ("\nError: Bad ShredDir path\n  " + dir.File("missing/deeper") +
                ": No such file or directory\n",
            testing::internal::GetCapturedStdout());
  EXPECT_EQ(dir.File("file/tmp"), temp);  // not even tried

  cut = dir.path();
  testing::internal::CaptureStdout();
  EXPECT_EQ(DirectoryStatus::kBadTempDirectory,
            PrepareDirectories(cut, kWindow, CutMode::kCutAndAnalyse, temp));
  EXPECT_EQ("\nError: Bad TmpDir path\n  " + dir.File("file/tmp") +
                ": Not a directory\n",
            testing::internal::GetCapturedStdout());
  EXPECT_EQ("./", temp);
}

}  // namespace
}  // namespace brantlow
