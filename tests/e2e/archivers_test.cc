// Log packing with the real archivers a Debian station has: zip and arj.
// The archive is opened again with the archiver's own listing and
// extraction, so what is checked is what the sysop would get back.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/transcript.h"
#include "tests/temp_dir.h"

namespace brantlow::e2e {
namespace {

using testing_support::TempDir;

bool Installed(const char* program) {
  std::string probe = std::string("command -v ") + program + " >/dev/null 2>&1";
  return std::system(probe.c_str()) == 0;
}

// Archiver tests are skipped on a machine without the archiver, except
// where the build insists on them (CI sets BRANTLOW_REQUIRE_ARCHIVERS).
#define REQUIRE_PROGRAM(p)                           \
  do {                                               \
    if (!Installed(p)) {                             \
      if (std::getenv("BRANTLOW_REQUIRE_ARCHIVERS")) \
        FAIL() << p << " is not installed";          \
      GTEST_SKIP() << p << " is not installed";      \
    }                                                \
  } while (0)

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

// A log of three weeks, 20/02 to 12/03, one session a day, CR LF lines.
std::string DayLines(int day, int month) {
  char lines[512];
  std::snprintf(
      lines, sizeof lines,
      "%02d/%02d 10:00:00 \xFE Incoming call: CONNECT 33600/ARQ/V34\r\n"
      "%02d/%02d 10:00:20 2:5020/%d, using T-Mail/2608.NT\r\n"
      "%02d/%02d 10:03:00 \xFE 2:5020/%d, bytes 100/200, time 0:02:40\r\n",
      day, month, day, month, day * 10 + month, day, month, day * 10 + month);
  return lines;
}

struct ThreeWeeks {
  std::string packed, kept;
  ThreeWeeks() {
    for (int d = 20; d <= 28; ++d) packed += DayLines(d, 2);
    for (int d = 1; d <= 3; ++d) packed += DayLines(d, 3);
    for (int d = 4; d <= 10; ++d) kept += DayLines(d, 3);
  }
};

TranscriptCase PackingCase(const std::string& packer_line,
                           const std::string& log) {
  TranscriptCase c;
  c.name = "packing";
  c.date = "2026-03-10 12:00:00";
  c.args = {"/d=02.03"};
  c.inputs["t-mail.log"] = log;
  c.inputs["brantlow.cfg"] =
      "LogFile t-mail.log\r\nPackDay 7\r\nPackLog ./old\r\n" + packer_line +
      "\r\n";
  return c;
}

// What the run left, with the archive written back to a directory of its
// own for the archiver to open.
struct Packed {
  RunResult run;
  TempDir dir;
  std::string Archive(const std::string& name) {
    dir.Write(name, run.files["old/" + name]);
    return dir.File(name);
  }
};

TEST(ArchiversTest, ZipHoldsTheOldLinesAndTheLogKeepsTheRest) {
  REQUIRE_PROGRAM("zip");
  REQUIRE_PROGRAM("unzip");
  const ThreeWeeks log;
  Packed p;
  p.run = RunCase(PackingCase("@ZIP \"zip -9\"", log.packed + log.kept),
                  BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(0, p.run.exit_status);
  EXPECT_NE(std::string::npos,
            p.run.stdout_bytes.find(
                "! Pack you log from 20/02 to 03/03 with ZIP.\n"));
  EXPECT_EQ(log.kept, p.run.files["t-mail.log"]);
  EXPECT_EQ(0u, p.run.files.count("newlog.tmp"));
  EXPECT_EQ(0u, p.run.files.count("old/20020303.26"));
  ASSERT_EQ(1u, p.run.files.count("old/logpack.zip"));

  const std::string zip = p.Archive("logpack.zip");
  EXPECT_NE(std::string::npos,
            Output("unzip -l '" + zip + "'").find("old/20020303.26"));
  EXPECT_EQ(log.packed, Output("unzip -p '" + zip + "' old/20020303.26"));
  // 02/03 is gone from the shortened log, and read back from the
  // archive: the statistics are those of the same run without packing,
  // which show that day's session.
  TranscriptCase unpacked = PackingCase("", log.packed + log.kept);
  unpacked.inputs["brantlow.cfg"] = "LogFile t-mail.log\r\n";
  // After the log's last day: the days of a log run ahead of the clock
  // would be last year's.
  unpacked.date = "2026-03-13 12:00:00";
  RunResult control = RunCase(unpacked, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_NE(std::string::npos, control.files["logdata.zvx"].find("2:5020/23"));
  EXPECT_EQ(control.files["logdata.zvx"], p.run.files["logdata.zvx"]);
}

TEST(ArchiversTest, ArjHoldsTheOldLinesAndTheLogKeepsTheRest) {
  REQUIRE_PROGRAM("arj");
  const ThreeWeeks log;
  Packed p;
  p.run = RunCase(PackingCase("@ARJ \"arj a -y\"", log.packed + log.kept),
                  BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(0, p.run.exit_status);
  EXPECT_NE(std::string::npos,
            p.run.stdout_bytes.find(
                "! Pack you log from 20/02 to 03/03 with ARJ.\n"));
  EXPECT_EQ(log.kept, p.run.files["t-mail.log"]);
  EXPECT_EQ(0u, p.run.files.count("newlog.tmp"));
  ASSERT_EQ(1u, p.run.files.count("old/logpack.arj"));

  const std::string arj = p.Archive("logpack.arj");
  EXPECT_NE(std::string::npos,
            Output("arj l '" + arj + "'").find("20020303.26"));
  const std::string out = p.dir.path() + "/x";
  mkdir(out.c_str(), 0777);
  Output("cd '" + out + "' && arj e -y '" + arj + "' >/dev/null 2>&1");
  EXPECT_EQ(log.packed, p.dir.Read("x/20020303.26"));
}

TEST(ArchiversTest, ASecondRunTheSameDayAddsNothing) {
  REQUIRE_PROGRAM("zip");
  const ThreeWeeks log;
  TranscriptCase c = PackingCase("@ZIP \"zip -9\"", log.kept);
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_NE(std::string::npos, r.stdout_bytes.find("Nothing to pack...\n\n"));
  EXPECT_EQ(log.kept, r.files["t-mail.log"]);
  EXPECT_EQ(0u, r.files.count("old/logpack.zip"));
}

// Lines the mailer writes while the archiver runs are not lost when the
// kept part takes the log's place.
TEST(ArchiversTest, LinesWrittenWhilePackingStayInTheLog) {
  const ThreeWeeks log;
  TranscriptCase c =
      PackingCase("@RAR \"rar a -grow:t-mail.log\"", log.packed + log.kept);
  c.tools = {"rar"};
  c.path_variable = "/nonexistent";
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(log.kept + "12/03 12:00:00 written while packing\r\n",
            r.files["t-mail.log"]);
  EXPECT_NE(std::string::npos, r.files["old/logpack.rar"].find(log.packed));
}

// The kept part is written beside the log, so a log on another file system
// than the working directory is packed all the same.
TEST(ArchiversTest, ALogOnAnotherFileSystemIsPacked) {
  struct stat shm, here;
  if (stat("/dev/shm", &shm) != 0 || stat("/tmp", &here) != 0 ||
      shm.st_dev == here.st_dev)
    GTEST_SKIP() << "no second file system at /dev/shm";
  char dir_template[] = "/dev/shm/brantlow-log-XXXXXX";
  ASSERT_NE(nullptr, mkdtemp(dir_template));
  const std::string log_path = std::string(dir_template) + "/t-mail.log";
  const ThreeWeeks log;
  {
    std::FILE* f = std::fopen(log_path.c_str(), "wb");
    ASSERT_NE(nullptr, f);
    std::fwrite(log.packed.data(), 1, log.packed.size(), f);
    std::fwrite(log.kept.data(), 1, log.kept.size(), f);
    std::fclose(f);
  }
  TranscriptCase c = PackingCase("@RAR \"rar a\"", "");
  c.inputs.erase("t-mail.log");
  c.inputs["brantlow.cfg"] =
      "LogFile " + log_path +
      "\r\nPackDay 7\r\nPackLog ./old\r\n@RAR \"rar a\"\r\n";
  c.tools = {"rar"};
  c.path_variable = "/nonexistent";
  // A day the log keeps: the stand-in cannot list an archive, which a
  // window before the log's first day would ask of it.
  c.args = {"/d=05.03"};
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(0, r.exit_status);
  EXPECT_NE(std::string::npos, r.files["old/logpack.rar"].find(log.packed));
  EXPECT_EQ(0u, r.files.count("newlog.tmp"));
  EXPECT_EQ(0u, r.files.count("old/20020303.26"));
  std::string kept_log;
  if (std::FILE* f = std::fopen(log_path.c_str(), "rb")) {
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, f))
      kept_log.append(buf, n);
    std::fclose(f);
  }
  EXPECT_EQ(log.kept, kept_log);
  std::remove(log_path.c_str());
  rmdir(dir_template);
}

}  // namespace
}  // namespace brantlow::e2e
