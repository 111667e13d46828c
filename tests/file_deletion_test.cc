#include "maintenance/file_deletion.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/temp_dir.h"

namespace brantlow {
namespace {

using testing_support::TempDir;

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

TEST(DeleteEntry, MatchesNamesInTheirCaseWhereTheHostTellsCasesApart) {
  TempDir dir;
  dir.Write("a.old", "");
  dir.Write("b.OLD", "");
  dir.Write("c.Old", "");
  dir.Write("d.txt", "");
  EXPECT_EQ(DeletionResult::kRemoved, DeleteEntry(dir.path() + "/*.OLD"));
  EXPECT_TRUE(Exists(dir.File("a.old")));
  EXPECT_FALSE(Exists(dir.File("b.OLD")));
  EXPECT_TRUE(Exists(dir.File("c.Old")));
  EXPECT_EQ(DeletionResult::kRemoved, DeleteEntry(dir.path() + "/?.*old"));
  EXPECT_FALSE(Exists(dir.File("a.old")));
  EXPECT_TRUE(Exists(dir.File("c.Old")));
  EXPECT_TRUE(Exists(dir.File("d.txt")));
  EXPECT_EQ(DeletionResult::kNoMatch, DeleteEntry(dir.path() + "/*.OLD"));
  EXPECT_EQ(DeletionResult::kNoMatch, DeleteEntry(dir.path() + "/missing/*.*"));
}

TEST(DeleteEntry, AMatchThatCannotBeRemovedFails) {
  TempDir dir;
  mkdir(dir.File("sub.bak").c_str(), 0777);
  dir.Write("file.bak", "");
  EXPECT_EQ(DeletionResult::kRemovalFailed, DeleteEntry(dir.path() + "/*.bak"));
  EXPECT_FALSE(Exists(dir.File("file.bak")));
}

TEST(RunDeletionStep, ReportLines) {
  TempDir dir;
  dir.Write("old.log", "");
  auto kill = std::make_unique<MaskList>();
  kill->Add(dir.path() + "/*.log");
  kill->Add("ab");  // too short: empty
  kill->Add(dir.path() + "/*.none");
  mkdir(dir.File("sub.dir").c_str(), 0777);
  kill->Add(dir.path() + "/*.dir");  // matches, and cannot be removed
  testing::internal::CaptureStdout();
  EXPECT_FALSE(RunDeletionStep(*kill));
  char first[200], third[200], fourth[200];
  std::snprintf(first, sizeof first, "Delete file(s) 01:  %-56.56s OK\n",
                (dir.path() + "/*.log").c_str());
  std::snprintf(third, sizeof third, "Delete file(s) 03:  %-56.56s Na\n",
                (dir.path() + "/*.none").c_str());
  std::snprintf(fourth, sizeof fourth, "Delete file(s) 04:  %-56.56s Na\n",
                (dir.path() + "/*.dir").c_str());
  EXPECT_EQ(std::string("\n") + first + third + fourth + "\n",
            testing::internal::GetCapturedStdout());
}

TEST(RunDeletionStep, NoBlankLinesWithoutAFirstEntry) {
  auto kill = std::make_unique<MaskList>();
  kill->Add("");
  kill->Add("/nonexistent-dir-xyz/*.*");
  testing::internal::CaptureStdout();
  EXPECT_TRUE(RunDeletionStep(*kill));  // nothing matched: nothing failed
  EXPECT_EQ("Delete file(s) 02:  /nonexistent-dir-xyz/*.*" +
                std::string(32, ' ') + " Na\n",
            testing::internal::GetCapturedStdout());
}

}  // namespace
}  // namespace brantlow
