#include "maintenance/file_deletion.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/temp_dir.h"

namespace brantlow {
namespace {

using testing_support::TempDir;

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

TEST(DeleteEntry, MatchesCapitalizedNames) {
  TempDir dir;
  dir.Write("a.BAK", "");
  dir.Write("b.bak", "");
  dir.Write("c.txt", "");
  EXPECT_EQ(1, DeleteEntry(dir.path() + "/*.bak"));
  EXPECT_FALSE(Exists(dir.File("a.BAK")));
  EXPECT_FALSE(Exists(dir.File("b.bak")));
  EXPECT_TRUE(Exists(dir.File("c.txt")));
  EXPECT_EQ(0, DeleteEntry(dir.path() + "/*.bak"));
  EXPECT_EQ(0, DeleteEntry(dir.path() + "/missing/*.*"));
}

TEST(DeleteEntry, AMatchThatCannotBeRemovedStillCounts) {
  TempDir dir;
  mkdir(dir.File("sub.bak").c_str(), 0777);
  EXPECT_EQ(1, DeleteEntry(dir.path() + "/*.BAK"));
}

TEST(RunDeletionStep, ReportLines) {
  TempDir dir;
  dir.Write("old.log", "");
  auto kill = std::make_unique<MaskList>();
  kill->Add(dir.path() + "/*.log");
  kill->Add("ab");  // too short: empty
  kill->Add(dir.path() + "/*.none");
  testing::internal::CaptureStdout();
  RunDeletionStep(*kill);
  std::string shown = UpperCase(dir.path());
  char first[200], third[200];
  std::snprintf(first, sizeof first, "Delete file(s) 01:  %-56.56s OK\n",
                (shown + "/*.LOG").c_str());
  std::snprintf(third, sizeof third, "Delete file(s) 03:  %-56.56s Na\n",
                (shown + "/*.NONE").c_str());
  EXPECT_EQ(std::string("\n") + first + third + "\n",
            testing::internal::GetCapturedStdout());
}

TEST(RunDeletionStep, NoBlankLinesWithoutAFirstEntry) {
  auto kill = std::make_unique<MaskList>();
  kill->Add("");
  kill->Add("/nonexistent-dir-xyz/*.*");
  testing::internal::CaptureStdout();
  RunDeletionStep(*kill);
  EXPECT_EQ("Delete file(s) 02:  /NONEXISTENT-DIR-XYZ/*.*" + std::string(32, ' ') + " Na\n",
            testing::internal::GetCapturedStdout());
}

}  // namespace
}  // namespace brantlow
