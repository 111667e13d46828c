// A month of one line read back after packing: the days packed away come
// from the archive (zip, arj: the real archivers) and the oldest from a
// rotated .gz, each day from one source, so the period report is the one
// made before packing, and every session written is counted once.
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

bool Installed(const char* program) {
  std::string probe = std::string("command -v ") + program + " >/dev/null 2>&1";
  return std::system(probe.c_str()) == 0;
}

#define REQUIRE_PROGRAM(p)                           \
  do {                                               \
    if (!Installed(p)) {                             \
      if (std::getenv("BRANTLOW_REQUIRE_ARCHIVERS")) \
        FAIL() << p << " is not installed";          \
      GTEST_SKIP() << p << " is not installed";      \
    }                                                \
  } while (0)

// Day d of month m holds 1 + d % 3 sessions, each with an address of its
// own; the truth the reports are checked against.
int SessionsOn(int day) { return 1 + day % 3; }

std::string DayLines(int day, int month) {
  std::string lines;
  for (int k = 0; k < SessionsOn(day); ++k) {
    char text[512];
    const int node = day * 10 + k;
    std::snprintf(
        text, sizeof text,
        "%02d/%02d %02d:00:00 \xFE Incoming call: CONNECT 33600/ARQ/V34\r\n"
        "%02d/%02d %02d:00:20 2:50%02d/%d, using T-Mail/2608.NT\r\n"
        "%02d/%02d %02d:03:00 \xFE 2:50%02d/%d, bytes 100/200, time "
        "0:02:40\r\n",
        day, month, 9 + k, day, month, 9 + k, month, node, day, month, 9 + k,
        month, node);
    lines += text;
  }
  return lines;
}

// The rotated log: 25/10 to 06/11, its last two days also in the log.
// The log: 05/11 to 30/11, and 01/12 (today) at its end.
struct Station {
  std::string rotated;
  std::string log;
  Station() {
    for (int d = 25; d <= 31; ++d) rotated += DayLines(d, 10);
    for (int d = 1; d <= 6; ++d) rotated += DayLines(d, 11);
    for (int d = 5; d <= 30; ++d) log += DayLines(d, 11);
    log += DayLines(1, 12);
  }
  static int NovemberSessions() {
    int n = 0;
    for (int d = 1; d <= 30; ++d) n += SessionsOn(d);
    return n;
  }
};

// The bytes of a gzip file whose header dates its contents 06/11/2026
// at noon.
std::string Gzipped(const std::string& text) {
  z_stream z{};
  EXPECT_EQ(Z_OK, deflateInit2(&z, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY));
  std::tm noon{};
  noon.tm_year = 126;
  noon.tm_mon = 10;
  noon.tm_mday = 6;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  gz_header header{};
  header.time = static_cast<uLong>(std::mktime(&noon));
  header.os = 3;
  deflateSetHeader(&z, &header);
  std::string out(deflateBound(&z, text.size()) + 64, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(Z_STREAM_END, deflate(&z, Z_FINISH));
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

TranscriptCase MonthCase(const std::string& packing) {
  const Station station;
  TranscriptCase c;
  c.name = "history";
  c.date = "2026-12-01 12:00:00";
  c.args = {"/p=01.11-30.11", "--json"};
  c.inputs["t-mail.log"] = station.log;
  c.inputs["old/t-mail.log.1.gz"] = Gzipped(station.rotated);
  c.inputs["brantlow.cfg"] =
      "LogFile t-mail.log\r\nHistory old/t-mail.log.*.gz\r\n" + packing;
  return c;
}

// The number after "key": in text, from where the first "after" stands.
long long NumberAfter(const std::string& text, const std::string& after,
                      const std::string& key) {
  std::size_t at = text.find(after);
  if (at == std::string::npos) return -1;
  at = text.find("\"" + key + "\":", at);
  if (at == std::string::npos) return -1;
  return std::atoll(text.c_str() + at + key.size() + 3);
}

// Each day of November in the JSON output holds the sessions written.
void ExpectEveryDayOnce(const std::string& json) {
  const std::string days = json.substr(json.find("\"days\":["));
  for (int d = 1; d <= 30; ++d) {
    char date[32];
    std::snprintf(date, sizeof date, "{\"date\":\"2026-11-%02d\"", d);
    EXPECT_EQ(SessionsOn(d), NumberAfter(days, date, "sessions")) << date;
  }
}

// The period before packing, then after it with the packer given: the
// same report, every session once; the log keeps 22/11 on.
void ExpectSameMonth(const std::string& packer_line,
                     const std::string& archive) {
  RunResult before = RunCase(MonthCase(""), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, before.exit_status) << before.stdout_bytes;
  EXPECT_NE(std::string::npos,
            before.stdout_bytes.find("01.11-04.11 read from 0 packed part(s), "
                                     "1 History file(s)"))
      << before.stdout_bytes;
  EXPECT_EQ(
      Station::NovemberSessions(),
      NumberAfter(before.files["brantlow.json"], "\"totals\"", "sessions"));
  ExpectEveryDayOnce(before.files["brantlow.json"]);

  RunResult after = RunCase(
      MonthCase("PackDay 10\r\nPackLog ./old\r\n" + packer_line + "\r\n"),
      BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, after.exit_status) << after.stdout_bytes;
  ASSERT_EQ(1u, after.files.count("old/" + archive));
  EXPECT_EQ(0u, after.files["t-mail.log"].find("22/11 "));
  EXPECT_NE(std::string::npos,
            after.stdout_bytes.find("01.11-21.11 read from 1 packed part(s), "
                                    "1 History file(s)"))
      << after.stdout_bytes;
  EXPECT_EQ(before.files.at("perdata.zvx"), after.files.at("perdata.zvx"));
  EXPECT_EQ(
      Station::NovemberSessions(),
      NumberAfter(after.files["brantlow.json"], "\"totals\"", "sessions"));
  ExpectEveryDayOnce(after.files["brantlow.json"]);
  // Nothing unpacked is left behind.
  for (const auto& [path, bytes] : after.files)
    EXPECT_EQ(std::string::npos, path.find("brantlow-history")) << path;
}

TEST(HistoryTest, AMonthPackedWithZipReadsAsBeforePacking) {
  REQUIRE_PROGRAM("zip");
  REQUIRE_PROGRAM("unzip");
  ExpectSameMonth("@ZIP \"zip -9\"", "logpack.zip");
}

TEST(HistoryTest, AMonthPackedWithArjReadsAsBeforePacking) {
  REQUIRE_PROGRAM("arj");
  ExpectSameMonth("@ARJ \"arj a -y\"", "logpack.arj");
}

// An archive the archiver cannot read: the run says which and why, reads
// what it has, and does not end with status 0.
TEST(HistoryTest, ABrokenArchiveIsToldAndTheRunFails) {
  REQUIRE_PROGRAM("unzip");
  TranscriptCase c = MonthCase("PackLog ./old\r\n@ZIP \"zip -9\"\r\n");
  c.inputs["old/logpack.zip"] = "PK\x03\x04 not a zip archive";
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(2, r.exit_status);
  EXPECT_NE(std::string::npos,
            r.stdout_bytes.find("Warning: ./old/logpack.zip: unzip failed"))
      << r.stdout_bytes;
  EXPECT_NE(std::string::npos, r.files["brantlow.json"].find("logpack.zip"));
  EXPECT_EQ(1u, r.files.count("perdata.zvx"));
}

}  // namespace
}  // namespace brantlow::e2e
