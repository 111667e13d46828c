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
#define REQUIRE_PROGRAM(p)                                             \
  do {                                                                 \
    if (!Installed(p)) {                                               \
      if (std::getenv("BRANTLOW_REQUIRE_ARCHIVERS"))                   \
        FAIL() << p << " is not installed";                            \
      GTEST_SKIP() << p << " is not installed";                        \
    }                                                                  \
  } while (0)

std::string Output(const std::string& command) {
  std::string out;
  if (std::FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    pclose(p);
  }
  return out;
}

// A log of three weeks, 20/02 to 12/03, one session a day, CR LF lines.
std::string DayLines(int day, int month) {
  char lines[512];
  std::snprintf(lines, sizeof lines,
                "%02d/%02d 10:00:00 \xFE Incoming call: CONNECT 33600/ARQ/V34\r\n"
                "%02d/%02d 10:00:20 2:5020/%d, using T-Mail/2608.NT\r\n"
                "%02d/%02d 10:03:00 \xFE 2:5020/%d, bytes 100/200, time 0:02:40\r\n",
                day, month, day, month, day * 10 + month, day, month,
                day * 10 + month);
  return lines;
}

struct ThreeWeeks {
  std::string packed, kept;
  ThreeWeeks() {
    for (int d = 20; d <= 28; ++d) packed += DayLines(d, 2);
    for (int d = 1; d <= 3; ++d) packed += DayLines(d, 3);
    for (int d = 4; d <= 12; ++d) kept += DayLines(d, 3);
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
      "LogFile t-mail.log\r\nPackDay 7\r\nPackLog ./old\r\n" + packer_line + "\r\n";
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
            p.run.stdout_bytes.find("! Pack you log from 20/02 to 03/03 with ZIP.\n"));
  EXPECT_EQ(log.kept, p.run.files["t-mail.log"]);
  EXPECT_EQ(0u, p.run.files.count("newlog.tmp"));
  EXPECT_EQ(0u, p.run.files.count("old/20020303.26"));
  ASSERT_EQ(1u, p.run.files.count("old/logpack.zip"));

  const std::string zip = p.Archive("logpack.zip");
  EXPECT_NE(std::string::npos,
            Output("unzip -l '" + zip + "'").find("old/20020303.26"));
  EXPECT_EQ(log.packed, Output("unzip -p '" + zip + "' old/20020303.26"));
  // The statistics come from the shortened log: 02/03 is gone from it,
  // though the same run without packing shows that day's session.
  EXPECT_EQ(std::string::npos, p.run.files["logdata.zvx"].find("2:5020/23"));
  TranscriptCase unpacked = PackingCase("", log.packed + log.kept);
  unpacked.inputs["brantlow.cfg"] = "LogFile t-mail.log\r\n";
  RunResult control = RunCase(unpacked, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_NE(std::string::npos, control.files["logdata.zvx"].find("2:5020/23"));
}

TEST(ArchiversTest, ArjHoldsTheOldLinesAndTheLogKeepsTheRest) {
  REQUIRE_PROGRAM("arj");
  const ThreeWeeks log;
  Packed p;
  p.run = RunCase(PackingCase("@ARJ \"arj a -y\"", log.packed + log.kept),
                  BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(0, p.run.exit_status);
  EXPECT_NE(std::string::npos,
            p.run.stdout_bytes.find("! Pack you log from 20/02 to 03/03 with ARJ.\n"));
  EXPECT_EQ(log.kept, p.run.files["t-mail.log"]);
  EXPECT_EQ(0u, p.run.files.count("newlog.tmp"));
  ASSERT_EQ(1u, p.run.files.count("old/logpack.arj"));

  const std::string arj = p.Archive("logpack.arj");
  EXPECT_NE(std::string::npos, Output("arj l '" + arj + "'").find("20020303.26"));
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

}  // namespace
}  // namespace brantlow::e2e
