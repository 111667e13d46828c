// Hostile input: logs, configurations and BBS logs that no mailer would
// write. Whatever comes in, the run must end with its defined status,
// every report it leaves must keep its shape (CR LF lines, intact frames,
// nothing but the defined sections between the tables), the input files
// must be left as they were, and no file other than the expected reports
// may be left behind.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/report_shape.h"
#include "tests/e2e/transcript.h"

namespace brantlow::e2e {
namespace {

// ---------------------------------------------------------------------------
// Building text.

std::string Repeat(const std::string& unit, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += unit;
  return out;
}

// Lines written in UTF-8, as their CP866 bytes with CR LF line ends.
std::string Lines(std::initializer_list<std::string> utf8) {
  std::string out;
  for (const std::string& line : utf8) out += Cp866Of(line) + "\r\n";
  return out;
}

std::string Clock(int seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600,
                seconds / 60 % 60, seconds % 60);
  return text;
}

// A log line of 15.03 at the given second of the day, without its line
// end, and with it.
std::string Raw(int seconds, const std::string& utf8_message) {
  return "15/03 " + Clock(seconds) + " " + Cp866Of(utf8_message);
}

std::string At(int seconds, const std::string& utf8_message) {
  return Raw(seconds, utf8_message) + "\r\n";
}

// A frame line: left end, runs of fill as wide as the columns, marks
// between them, right end (UTF-8).
std::string FrameLine(const char* left, const char* fill, const char* mark,
                      const char* right, std::initializer_list<int> widths) {
  std::string line = left;
  bool first = true;
  for (int w : widths) {
    if (!first) line += mark;
    first = false;
    for (int i = 0; i < w; ++i) line += fill;
  }
  return line + right;
}

// A text padded with blanks to a width, on the right or on the left.
std::string Left(const std::string& text, std::size_t width) {
  return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

std::string Right(const std::string& text, std::size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// A row of the session list: times, crash mark (none when 0), name, kind,
// received, sent, CPS, password, with the frame's CP866 bars.
std::string ListRow(const std::string& times, char crash,
                    const std::string& name, char kind,
                    const std::string& received, const std::string& sent,
                    const std::string& cps, const std::string& password) {
  std::string row = "\xBA" + times + "\xB3";
  if (crash) row += std::string(1, crash) + "\xB3";
  row += Left(name, 18) + "\xB3" + std::string(1, kind) + "\xB3" +
         Right(received, 10) + "\xB3" + Right(sent, 10) + "\xB3" +
         Right(cps, 6) + "\xB3" + Left(password, 6) + "\xBA";
  return row;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 generator(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(byte(generator));
  return out;
}

// ---------------------------------------------------------------------------
// Hand-made reports for the checker.

const std::initializer_list<int> kListWidths = {17, 18, 1, 10, 10, 6, 6};
const std::initializer_list<int> kSummaryWidths = {18, 10, 10, 8, 13};
const std::initializer_list<int> kConnectWidths = {18, 48};

// The busy chart with half hour 20 busy in its bottom rows 0 to 3.
std::vector<std::string> Chart() {
  std::vector<std::string> rows = {""};
  for (int row = 16; row >= 0; --row) {
    std::string label = row == 16   ? "100%─┬"
                        : row == 12 ? " 75%─┼"
                        : row == 8  ? " 50%─┼"
                        : row == 4  ? " 25%─┼"
                                    : "     │";
    std::string cells =
        std::string(20, ' ') + (row <= 3 ? "▓" : " ") + std::string(27, ' ');
    rows.push_back(label + cells);
  }
  rows.push_back("     ┼─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬");
  rows.push_back("     0   2   4   6   8  10  12  14  16  18  20  22  24");
  return rows;
}

std::vector<std::string> SessionList() {
  return {
      "",
      "           Статистика на 15.03  время с 00:00 по 23:59 ",
      FrameLine("╔", "═", "╤", "╗", kListWidths),
      "║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  "
      "│Пароль║",
      FrameLine("╟", "─", "┼", "╢", kListWidths),
      "║10:00:00-10:00:30│2:5020/5          │i│      1234│       567│     0│   "
      "   ║",
      FrameLine("╚", "═", "╧", "╝", kListWidths),
  };
}

std::vector<std::string> Summary() {
  return {
      FrameLine("╔", "═", "╤", "╗", kSummaryWidths),
      "║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║",
      FrameLine("╟", "─", "┼", "╢", kSummaryWidths),
      "║2:5020/5          │      1234│       567│       0│  00:00:30   ║",
      FrameLine("╟", "─", "┼", "╢", kSummaryWidths),
      "║Всего: 1   cессий │      1234│       567│     0.0│  00:00:30   ║",
      FrameLine("╚", "═", "╧", "╝", kSummaryWidths),
  };
}

std::vector<std::string> Signature() {
  return {"", "Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026"};
}

std::vector<std::string> Join(
    std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

std::string Bytes(const std::vector<std::string>& utf8_lines) {
  std::string out;
  for (const std::string& line : utf8_lines) out += Cp866Of(line) + "\r\n";
  return out;
}

std::string GoodStatistics() {
  return Bytes(Join({Chart(), SessionList(), Summary(), Signature()}));
}

// Replaces the first occurrence of from (UTF-8) in the CP866 bytes.
std::string Replaced(const std::string& bytes, const std::string& from,
                     const std::string& to) {
  std::string f = Cp866Of(from);
  std::size_t at = bytes.find(f);
  if (at == std::string::npos) return "(replacement not found)";
  std::string out = bytes;
  out.replace(at, f.size(), Cp866Of(to));
  return out;
}

TEST(ReportShapeTest, AWholeStatisticsFileIsWellFormed) {
  EXPECT_EQ("", ReportShapeProblem(GoodStatistics()));
}

TEST(ReportShapeTest, ALineMarkerAndTheBbsSignatureAreWellFormed) {
  std::vector<std::string> bbs = {
      "", "Line 7",
      "Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026!!!!",
      "BBS & 2:5020/2026"};
  EXPECT_EQ("", ReportShapeProblem(Bytes(Join({Summary(), bbs}))));
  // The cut-only run's BBS-user file holds the signature alone.
  EXPECT_EQ("", ReportShapeProblem(Bytes(bbs)));
}

TEST(ReportShapeTest, TheConnectTablesShortTimeLineIsWellFormed) {
  // An empty window's blank record prints no time: its first line is 8
  // characters shorter than the frame.
  std::vector<std::string> table = {
      FrameLine("╔", "═", "╤", "╗", kConnectWidths),
      "║   Время/Адрес    │            Строка коннекта/Мэйлер              ║",
      FrameLine("╟", "─", "┼", "╢", kConnectWidths),
      "║" + std::string(10, ' ') + "│" + std::string(48, ' ') + "║",
      "║" + std::string(18, ' ') + "│" + std::string(48, ' ') + "║",
      FrameLine("╚", "═", "╧", "╝", kConnectWidths),
  };
  EXPECT_EQ("", ReportShapeProblem(Bytes(table)));
  // The same short line in the session list is a broken row.
  std::vector<std::string> list = SessionList();
  list[5] =
      "║10:00:00-10:00:30│2:5020/5│i│      1234│       567│     0│      ║";
  EXPECT_NE("", ReportShapeProblem(Bytes(list)));
}

TEST(ReportShapeTest, BrokenLineEndsAreFound) {
  const std::string good = GoodStatistics();
  std::string lf_only = good;
  lf_only.erase(lf_only.find("\r\n", 200), 1);
  EXPECT_NE(std::string::npos, ReportShapeProblem(lf_only).find("without CR"));
  std::string no_end = good.substr(0, good.size() - 2);
  EXPECT_NE(std::string::npos, ReportShapeProblem(no_end).find("no line end"));
  EXPECT_NE("", ReportShapeProblem(""));
  std::string nul = good;
  nul[300] = '\0';
  EXPECT_NE(std::string::npos, ReportShapeProblem(nul).find("NUL"));
}

TEST(ReportShapeTest, BrokenFramesAreFound) {
  const std::string good = GoodStatistics();
  // A byte count wider than its column pushes the row past the frame.
  std::string wide = Replaced(good, "│      1234│       567│     0│",
                              "│ 12345678901│       567│     0│");
  EXPECT_NE(std::string::npos,
            ReportShapeProblem(wide).find("characters wide"));
  // A cell line without its right edge.
  std::string open_row = Replaced(good, "│     0│      ║", "│     0│       ");
  EXPECT_NE("", ReportShapeProblem(open_row));
  // A column boundary that is not where the top line put it.
  std::string shifted = Replaced(good, "║2:5020/5          │      1234│",
                                 "║2:5020/5           │     1234│");
  EXPECT_NE(std::string::npos, ReportShapeProblem(shifted).find("column mark"));
  // A separator whose cross stands one place off.
  std::string rule = Cp866Of(FrameLine("╟", "─", "┼", "╢", kSummaryWidths));
  std::string bad_rule = rule;
  std::swap(bad_rule[19], bad_rule[20]);
  std::string crossed = good;
  crossed.replace(crossed.find(rule), rule.size(), bad_rule);
  EXPECT_NE(std::string::npos, ReportShapeProblem(crossed).find("separator"));
  // A bottom line one column short.
  std::string bottom = Cp866Of(FrameLine("╚", "═", "╧", "╝", kSummaryWidths));
  std::string short_bottom = good;
  short_bottom.replace(short_bottom.find(bottom), bottom.size(),
                       bottom.substr(0, bottom.size() - 2) + "\xBC");
  EXPECT_NE(std::string::npos, ReportShapeProblem(short_bottom).find("bottom"));
  // A table that never closes.
  std::string unclosed = Bytes(
      Join({SessionList(), {FrameLine("╔", "═", "╤", "╗", kSummaryWidths)}}));
  EXPECT_NE("", ReportShapeProblem(unclosed));
  // An empty line inside a table.
  std::vector<std::string> gap = SessionList();
  gap.insert(gap.begin() + 5, "");
  EXPECT_NE(std::string::npos,
            ReportShapeProblem(Bytes(gap)).find("empty line"));
  // A top line with a mark next to a mark.
  std::vector<std::string> zero = SessionList();
  zero[2] = "╔═══╤╤═══╗";
  EXPECT_NE("", ReportShapeProblem(Bytes(zero)));
}

TEST(ReportShapeTest, LinesOutsideTheSectionsAreFound) {
  // Text between two tables.
  std::string stray =
      Bytes(Join({SessionList(), {"stray text"}, Summary(), Signature()}));
  EXPECT_NE(std::string::npos,
            ReportShapeProblem(stray).find("outside the tables"));
  // A title without its session list under it.
  std::vector<std::string> title_only = {
      "", "           Статистика на 15.03  время с 00:00 по 23:59 ", ""};
  EXPECT_NE("", ReportShapeProblem(
                    Bytes(Join({title_only, Summary(), Signature()}))));
  // Anything after the signature.
  std::string after = Bytes(Join({Summary(), Signature(), {"more"}}));
  EXPECT_NE(std::string::npos,
            ReportShapeProblem(after).find("follow the signature"));
  // The line marker not followed by the signature.
  std::string marker =
      Bytes(Join({Summary(), {"", "Line 7", ""}, Signature()}));
  EXPECT_NE("", ReportShapeProblem(marker));
  // A BBS signature without its second line.
  std::string bbs = Bytes(Join(
      {Summary(),
       {"",
        "Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026!!!!"}}));
  EXPECT_NE("", ReportShapeProblem(bbs));
}

TEST(ReportShapeTest, BrokenChartsAreFound) {
  std::vector<std::string> chart = Chart();
  std::vector<std::string> rest = Join({SessionList(), Summary(), Signature()});
  // A row of 47 cells.
  std::vector<std::string> narrow = chart;
  narrow[3].pop_back();
  EXPECT_NE(std::string::npos,
            ReportShapeProblem(Bytes(Join({narrow, rest}))).find("48 cells"));
  // A block above a blank in the same column.
  std::vector<std::string> gap = chart;
  gap[17 - 6] = "     │" + std::string(20, ' ') + "▓" + std::string(27, ' ');
  gap[17 - 5] = "     │" + std::string(48, ' ');
  EXPECT_NE(std::string::npos,
            ReportShapeProblem(Bytes(Join({gap, rest}))).find("gap"));
  // Rows missing: the axis comes too early.
  std::vector<std::string> cut = chart;
  cut.erase(cut.begin() + 5);
  EXPECT_NE("", ReportShapeProblem(Bytes(Join({cut, rest}))));
  // A chart without its hour numbers.
  std::vector<std::string> no_hours = chart;
  no_hours.pop_back();
  EXPECT_NE("", ReportShapeProblem(Bytes(Join({no_hours, rest}))));
  // A cell that is neither a block nor a blank.
  std::vector<std::string> odd = chart;
  odd[4] = "     │" + std::string(20, ' ') + "#" + std::string(27, ' ');
  EXPECT_NE("", ReportShapeProblem(Bytes(Join({odd, rest}))));
}

TEST(ReportShapeTest, TablesAreListedWithTheirWidths) {
  std::vector<ShapeTable> tables = ReportTables(GoodStatistics());
  ASSERT_EQ(2u, tables.size());
  EXPECT_EQ((std::vector<int>{17, 18, 1, 10, 10, 6, 6}), tables[0].widths);
  EXPECT_EQ(3u, tables[0].inner.size());
  EXPECT_EQ((std::vector<int>{18, 10, 10, 8, 13}), tables[1].widths);
}

// ---------------------------------------------------------------------------
// Running the program on bad input.

struct Expected {
  int exit_status = 0;
  std::set<std::string> reports;  // must be left, and well formed
  std::set<std::string> others;   // may be left (cut files)
};

RunResult RunChecked(const TranscriptCase& c, const Expected& e) {
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(e.exit_status, r.exit_status)
      << "stdout:\n"
      << Printable(r.stdout_bytes.substr(0, 3000)) << "\nconsole:\n"
      << Printable(r.console_bytes.substr(0, 3000));
  for (const auto& [name, bytes] : c.inputs) {
    auto found = r.files.find(name);
    if (found == r.files.end()) {
      ADD_FAILURE() << "input " << Printable(name) << " is gone";
      continue;
    }
    EXPECT_TRUE(found->second == bytes)
        << "input " << Printable(name) << " was changed: " << bytes.size()
        << " bytes before, " << found->second.size() << " after";
  }
  for (const std::string& name : e.reports) {
    auto found = r.files.find(name);
    if (found == r.files.end()) {
      ADD_FAILURE() << "report " << Printable(name) << " is missing";
      continue;
    }
    EXPECT_EQ("", ReportShapeProblem(found->second))
        << "in " << Printable(name);
  }
  for (const auto& [name, bytes] : r.files) {
    if (c.inputs.count(name) || e.reports.count(name) || e.others.count(name))
      continue;
    ADD_FAILURE() << "unexpected file " << Printable(name) << " of "
                  << bytes.size() << " bytes";
  }
  return r;
}

TranscriptCase Case(const std::string& log,
                    std::vector<std::string> args = {"LOG", "/d=15.03", "+l",
                                                     "+a", "+b"}) {
  TranscriptCase c;
  c.date = "2026-03-15 12:00:00";
  c.args = std::move(args);
  c.inputs["LOG"] = log;
  return c;
}

const Expected kStatisticsAndBbs = {0, {"logdata.zvx", "maxdata.zvx"}, {}};

// The rows of the first table with the given widths.
std::vector<std::string> Rows(const std::string& report,
                              const std::vector<int>& widths) {
  for (const ShapeTable& t : ReportTables(report)) {
    if (t.widths != widths) continue;
    std::vector<std::string> rows;
    // Header lines stand above the first separator.
    bool past_header = false;
    for (const std::string& line : t.inner) {
      if (line[0] == '\xC7') {
        past_header = true;
        continue;
      }
      if (past_header) rows.push_back(line);
    }
    return rows;
  }
  return {};
}

const std::vector<int> kListColumns = {17, 18, 1, 10, 10, 6, 6};
const std::vector<int> kCrashListColumns = {17, 1, 18, 1, 10, 10, 6, 6};
const std::vector<int> kFilesColumns = {18, 25, 25};

// Sessions of a whole day, the shape a working mailer logs them in.
std::string OrdinaryDay() {
  std::string log;
  for (int hour = 1; hour < 24; hour += 2) {
    int t = hour * 3600;
    std::string address = "2:5020/" + std::to_string(hour);
    log += At(t, "■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS");
    log += At(t + 8, address + ", using T-Mail/2608.NT");
    log += At(t + 9, "Password protected session");
    log += At(t + 10, "HR-16 0000ff01.mo1 12480 OK: 0:06, 2080 cps, 42%");
    log += At(t + 20, "HS-16 1a2b3c4d.pkt 3210 OK: 0:02, 1605 cps, 11%");
    log += At(t + 30, "■ " + address + ", bytes 12480/3210, time 0:00:30");
  }
  return log;
}

// ---------------------------------------------------------------------------
// Garbage.

TEST(BadInputTest, RandomBytesAsTheLogGiveTheReportsOfAnEmptyLog) {
  TranscriptCase garbage = Case(RandomBytes(1 << 20, 20260315));
  RunResult r = RunChecked(garbage, kStatisticsAndBbs);
  // No piece of random bytes begins with 15/03, so the window stays empty.
  RunResult empty = RunCase(Case(""), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_TRUE(r.files["logdata.zvx"] == empty.files["logdata.zvx"])
      << Printable(r.files["logdata.zvx"]);
  EXPECT_TRUE(r.files["maxdata.zvx"] == empty.files["maxdata.zvx"]);
}

TEST(BadInputTest, RandomBytesBehindTheDatesOfTheWindow) {
  // Every line is dated inside the window, with random bytes after the
  // time; some carry a real phrase in front of the random part, so the
  // recognisers read random fields.
  std::mt19937 generator(1503);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 200);
  std::uniform_int_distribution<int> pick(0, 9);
  const char* phrases[] = {"■ Incoming call: CONNECT ",
                           "■ Outgoing call: CONNECT ",
                           "2:5020/5, using ",
                           "HR-16 ",
                           "HS-16 ",
                           "■ 2:5020/5, bytes ",
                           "Human caller.",
                           "Returned to T-Mail with errorlevel 2",
                           "Password protected session",
                           ""};
  std::string log;
  int t = 0;
  while (log.size() < 600000) {
    std::string line =
        "15/03 " + Clock(t / 8) + " " + Cp866Of(phrases[pick(generator)]);
    t += 1;
    for (int n = length(generator); n > 0; --n) {
      char c = static_cast<char>(byte(generator));
      if (c == '\n') c = ' ';
      line += c;
    }
    log += line + "\r\n";
  }
  RunChecked(Case(log), kStatisticsAndBbs);
  RunChecked(
      Case(log, {"LOG", "/d=15.03", "/c=300", "+l(-s)", "+a(-s)", "+b(-s)"}),
      {0, {"logdata.zvx", "maxdata.zvx", "conndata.zvx", "filedata.zvx"}, {}});
}

TEST(BadInputTest, ALogOfNulBytes) {
  TranscriptCase nul = Case(std::string(1 << 20, '\0'));
  RunResult r = RunChecked(nul, kStatisticsAndBbs);
  RunResult empty = RunCase(Case(""), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_TRUE(r.files["logdata.zvx"] == empty.files["logdata.zvx"])
      << Printable(r.files["logdata.zvx"]);
}

TEST(BadInputTest, NulBytesInsideTheLinesOfSessions) {
  std::string nul(1, '\0');
  std::string log = OrdinaryDay();
  // A NUL in the time, in the connect string, in the address, in the
  // mailer text, in a transfer line and in a summary line.
  log += "15/03 12:3" + nul + ":00 " +
         Cp866Of("■ Incoming call: CONNECT 2400") + "\r\n";
  log += Raw(45100, "■ Incoming call: CONNECT 96") + nul + "00/ARQ\r\n";
  log += Raw(45108, "2:50") + nul + "20/77, using T-" + nul + "Mail\r\n";
  log += At(45110, "HR-16 a" + nul + "b.pkt 100 OK: 0:01, 100 cps");
  log += Raw(45120, "■ 2:50") + nul + "20/77, bytes 1/2\r\n";
  log += nul + nul + "/03 12:40:00 " +
         Cp866Of("■ Incoming call: CONNECT 2400") + "\r\n";
  log += Repeat(nul, 5000) + "\r\n";
  log +=
      Raw(46000, "■ Outgoing call: CONNECT 33600") + Repeat(nul, 300) + "\r\n";
  log += Raw(46010, "2:5020/78, using ") + Repeat(nul, 100) + "\r\n";
  log += At(46020, "■ 2:5020/78, bytes 10/20, time 0:00:20");
  RunChecked(Case(log, {"LOG", "/d=15.03", "/c=60", "+l", "+a", "+b", "+F"}),
             {0, {"logdata.zvx", "maxdata.zvx"}, {"00002359.000"}});
}

// ---------------------------------------------------------------------------
// Long lines and the end of the file.

TEST(BadInputTest, LinesOfTenThousandCharactersInsideTheWindow) {
  const std::string x10000 = std::string(10000, 'x');
  std::string log = OrdinaryDay();
  // Long connect string, mailer text, transfer line and summary line.
  log += At(36000, "■ Incoming call: CONNECT 33600/" + std::string(9960, 'V'));
  log += At(36008, "2:5020/90, using " + std::string(9970, 'M'));
  log += At(36010,
            "HR-16 " + std::string(9000, 'n') + ".pkt 100 OK: 0:01, 100 cps");
  log += At(36012, "HS-16 s.pkt 100 OK: 0:01, 100 cps, " + x10000);
  log += At(36020, "■ 2:5020/90, bytes 100/100, time 0:00:20 " + x10000);
  // A line whose every read begins like a line of the window: 89
  // characters a piece, each a CONNECT line of its own.
  std::string unit =
      "15/03 14:00:00 " + Cp866Of("■ Incoming call: CONNECT 33600 ");
  unit += std::string(89 - unit.size(), 'c');
  log += Repeat(unit, 112) + "\r\n";
  log += At(50410, "■ 2:5020/91, bytes 1/1, time 0:00:10");
  log += At(54000, "Rescanning outbound " + x10000);
  log += At(54001, x10000);
  const std::string in_window = At(54002, "Rescanning outbound, 1 files found");
  log += in_window;
  RunResult r = RunChecked(
      Case(log, {"LOG", "/d=15.03", "/c=60", "+l", "+a", "+b", "+F"}),
      {0, {"logdata.zvx", "maxdata.zvx"}, {"00002359.000"}});
  // Lines of the window are cut into the cut file whole, long or short.
  EXPECT_NE(std::string::npos, r.files["00002359.000"].find(in_window));
  EXPECT_NE(std::string::npos,
            r.files["00002359.000"].find(
                At(36008, "2:5020/90, using " + std::string(9970, 'M'))));
}

TEST(BadInputTest, TransferEntriesLongerThanOneReadOfTheScratchFile) {
  // With a three-digit session index and a 17-character address, the
  // scratch entry of an 89-character transfer line is 98 characters long
  // and is read back in two pieces. The second piece is the end of the log
  // line, written so that it looks like an entry of session 9999, -5, 860
  // or 150, with a comma and a rate.
  std::string log;
  for (int i = 0; i < 150; ++i) {
    std::string address = "2:5020/" + std::to_string(i);
    log += At(i * 60, "■ Incoming call: CONNECT 33600/ARQ/V34");
    log += At(i * 60 + 5, address + ", using T-Mail/2608.NT");
    log += At(i * 60 + 9, "■ " + address + ", bytes 1/2");
  }
  log += At(36000, "■ Incoming call: CONNECT 33600/ARQ/V34");
  log += At(36005, "2:5020/1234.56789, using T-Mail/2608.NT");
  const std::string filler(61, 'f');
  int t = 36010;
  for (const char* tail : {"x9999 , 50", "x-5   , 50", "x860  , 50",
                           "x150  , 50", "x0    , 50", "x     , 50"}) {
    for (const char* tag : {"XR ", "XS "}) {
      std::string line = Raw(t++, tag) + filler + tail;
      EXPECT_EQ(89u, line.size());
      log += line + "\r\n";
    }
  }
  log += At(36100, "■ 2:5020/1234.56789, bytes 0/0, time 0:01:40");
  RunChecked(Case(log, {"LOG", "/d=15.03", "/c=60", "+l", "+a", "+b"}),
             kStatisticsAndBbs);
  RunChecked(Case(log, {"LOG", "/d=15.03", "+a(-s)"}),
             {0, {"logdata.zvx", "filedata.zvx"}, {}});
}

TEST(BadInputTest, ALogWhoseLastLineHasNoLineEnd) {
  std::string log = At(36000, "■ Incoming call: CONNECT 33600/ARQ");
  log += At(36008, "2:5020/5, using T-Mail/2608.NT");
  log += At(36030, "■ 2:5020/5, bytes 1234/567, time 0:00:22");
  log.resize(log.size() - 2);
  RunResult r = RunChecked(Case(log), kStatisticsAndBbs);
  // The summary line counts without its line end.
  std::vector<std::string> rows = Rows(r.files["logdata.zvx"], kListColumns);
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ(
      ListRow("10:00:00-10:00:30", 0, "2:5020/5", 'i', "1234", "567", "0", ""),
      rows[0]);
}

TEST(BadInputTest, ALogEndingInsideALongLineOrWithABareCr) {
  // The last line is longer than a read and has no line end.
  std::string log = OrdinaryDay() + At(80000, "■ Incoming call: CONNECT 33600");
  log += "15/03 22:13:30 2:5020/6, using " + std::string(150, 'M');
  RunChecked(Case(log), kStatisticsAndBbs);
  // The last line ends with a CR and no LF.
  std::string cr = OrdinaryDay() + At(80000, "■ Incoming call: CONNECT 33600");
  cr += "15/03 22:13:30 " + Cp866Of("■") + " 2:5020/6, bytes 5/6\r";
  RunChecked(Case(cr), kStatisticsAndBbs);
  // A CONNECT line and nothing else, without a line end.
  std::string one =
      "15/03 10:00:00 " + Cp866Of("■ Incoming call: CONNECT 2400");
  RunChecked(Case(one), kStatisticsAndBbs);
  // A single byte.
  RunChecked(Case("1"), kStatisticsAndBbs);
}

// ---------------------------------------------------------------------------
// Dates and times out of range.

// Lines dated 99/99, 00/00, 15/13, 32/03 and timed 99:99:99, 24:00:00,
// 10:99:99, ab:cd:ef and 1:2:3 around ordinary sessions. Within a session
// the times do not go back, so no duration comes out negative.
std::string OddDatesAndTimes() {
  std::string log;
  auto raw = [&](const std::string& date_time, const std::string& message) {
    log += date_time + " " + Cp866Of(message) + "\r\n";
  };
  raw("99/99 99:99:99", "■ Incoming call: CONNECT 33600/ARQ");
  raw("99/99 99:99:99", "2:5020/99, using T-Mail");
  raw("00/00 00:00:00", "■ Outgoing call: CONNECT 33600/ARQ");
  raw("15/13 10:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("32/03 10:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 99:99:99", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 24:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 -1:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 01:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 01:00:08", "2:5020/1, using T-Mail");
  raw("15/03 01:99:99", "■ 2:5020/1, bytes 10/20, time 0:00:20");
  raw("15/03 02:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 02:59:99", "2:5020/2, using T-Mail");
  raw("15/03 02:99:00", "HR-16 a.pkt 100 OK: 0:01, 100 cps");
  raw("15/03 02:99:99", "■ 2:5020/2, bytes 10/20, time 0:00:20");
  raw("15/03 1:2:3   ", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 3:4:5   ", "2:5020/3, using T-Mail");
  raw("15/03 03:00:00", "■ 2:5020/3, bytes 1/2");
  raw("15/03 ab:cd:ef", "■ Outgoing call: CONNECT 33600/ARQ");
  raw("15/03 ab:cd:ef", "2:5020/4, using T-Mail");
  raw("15/03 04:00:00", "■ 2:5020/4, bytes 1/2");
  raw("15/03 05:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 05:00:09", "2:5020/5, using T-Mail");
  raw("15/03 05:00:0", "");
  raw("15/03 05:00", "");
  raw("15/03", "");
  raw("15/03 05:01:00", "■ 2:5020/5, bytes 3/4");
  raw("1/3 05:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15-03-05:00:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 23:40:00", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 23:40:09", "2:5020/23, using T-Mail");
  raw("15/03 23:99:99", "HS-16 b.pkt 100 OK: 0:01, 100 cps");
  return log;
}

TEST(BadInputTest, DatesAndTimesOutOfRangeInTheLog) {
  const std::string log = OddDatesAndTimes();
  RunChecked(Case(log, {"LOG", "/d=15.03", "/c=999", "+l", "+a", "+b"}),
             kStatisticsAndBbs);
  // The same log read across midnight.
  RunChecked(Case(log, {"LOG", "/d=15.03", "/t=20:00-06:00", "+l", "+a", "+b"}),
             kStatisticsAndBbs);
}

TEST(BadInputTest, AWindowThatEndsAtHour99IsRefusedAndItsLinesAreRead) {
  // An end of 99:99 is out of range: the run stops before it reads, with
  // nothing written. Lines of hours 24 to 99 in a log read with a whole
  // day's window still leave well-formed reports.
  std::string log = OddDatesAndTimes();
  auto raw = [&](const std::string& date_time, const std::string& message) {
    log += date_time + " " + Cp866Of(message) + "\r\n";
  };
  raw("15/03 99:00:00", "■ 2:5020/23, bytes 5/6, time 75:20:00");
  raw("15/03 99:00:01", "■ Incoming call: CONNECT 33600/ARQ");
  raw("15/03 99:00:09", "2:5020/999, using T-Mail");
  raw("15/03 99:99:99", "■ 2:5020/999, bytes 5/6");
  raw("15/03 99:99:00", "■ Incoming call: CONNECT 33600/ARQ");
  RunChecked(
      Case(log, {"LOG", "/d=15.03", "/t=22:00-99:99", "+l", "+a", "+b", "+F"}),
      {1, {}, {}});
  RunChecked(
      Case(log, {"LOG", "/d=15.03", "/t=22:00-23:59", "+l", "+a", "+b", "+F"}),
      {0, {"logdata.zvx", "maxdata.zvx"}, {"22002359.000"}});
  RunChecked(Case(log, {"LOG", "/d=15.03", "/c=999", "+l(-s)", "+a(-s)"}),
             {0, {"logdata.zvx", "conndata.zvx", "filedata.zvx"}, {}});
}

// A session still open at the end of the log is closed at the window's end
// hour and minute with the seconds 59, written as every time is: a window
// ending before 10:00 once gave it a one-digit hour (8:0:59) that read
// back as 08:00:00, a call of 08:00:30 lasting -30 seconds.
TEST(BadInputTest, ASessionOpenAtTheEndOfAWindowBeforeTenKeepsTheFrame) {
  std::string log = Lines({
      "15/03 23:10:00 ■ Incoming call: CONNECT 33600/ARQ/V34",
      "15/03 23:10:08 2:5020/5, using T-Mail/2608.NT",
      "15/03 23:10:30 ■ 2:5020/5, bytes 100/200, time 0:00:22",
      "16/03 08:00:30 ■ Incoming call: CONNECT 33600/ARQ/V34",
      "16/03 08:00:38 2:5020/8, using T-Mail/2608.NT",
  });
  RunResult r = RunChecked(
      Case(log, {"LOG", "/d=15.03", "/t=23:00-08:00", "+l", "+a", "+b"}),
      kStatisticsAndBbs);
  // The session list shows the end time as it was set.
  EXPECT_NE(std::string::npos, r.files["logdata.zvx"].find(
                                   ListRow("08:00:30-08:00:59", 0, "2:5020/8",
                                           'i', "0", "0", "0", "") +
                                   "\r\n"));
}

// The station's clock set back an hour while a call was on: the summary
// line is timed before the CONNECT line. The call's row in the address
// summary must still keep the width of its frame.
TEST(BadInputTest, AClockSetBackDuringASessionKeepsTheFrame) {
  std::string log = Lines({
      "15/03 02:59:50 ■ Incoming call: CONNECT 33600/ARQ/V34",
      "15/03 02:59:58 2:5020/9, using T-Mail/2608.NT",
      "15/03 02:00:10 ■ 2:5020/9, bytes 100/200, time 0:00:20",
  });
  RunChecked(Case(log), kStatisticsAndBbs);
}

TEST(BadInputTest, AWindowOutOfRangeEndsWithStatusOneAndLeavesNoReport) {
  const std::string log = OddDatesAndTimes();
  RunChecked(Case(log, {"LOG", "/d=99.99", "+l", "+a", "+b"}), {1, {}, {}});
  RunChecked(Case(log, {"LOG", "/d=15.03", "/t=99:99-10:00", "+l", "+a", "+b"}),
             {1, {}, {}});
  RunChecked(Case(log, {"LOG", "/d=00.00"}), {1, {}, {}});
}

// ---------------------------------------------------------------------------
// Larger than most windows.

TEST(BadInputTest, NearlyTenThousandSessionsInOneWindow) {
  // One session every 8 seconds from 00:00:00 on; every tenth has a
  // transfer line.
  std::string log;
  // 9999: the totals line holds four digits of sessions.
  for (int i = 0; i < 9999; ++i) {
    int t = i * 8;
    std::string address = "2:5020/" + std::to_string(i);
    log += At(t, i % 2 ? "■ Outgoing call: CONNECT 33600/ARQ/V34"
                       : "■ Incoming call: CONNECT 33600/ARQ/V34");
    log += At(t + 1, address + ", using T-Mail/2608.NT");
    if (i % 10 == 0) log += At(t + 2, "HR-16 f.pkt 1000 OK: 0:01, 1000 cps");
    log += At(t + 5, "■ " + address + ", bytes 100/200, time 0:00:05");
  }
  RunResult r =
      RunChecked(Case(log, {"LOG", "/d=15.03", "/c=60", "+l", "+a", "+b"}),
                 kStatisticsAndBbs);
  std::vector<std::string> rows =
      Rows(r.files["logdata.zvx"], kCrashListColumns);
  // The table grows with the window: every session is listed.
  ASSERT_EQ(9999u, rows.size());
  EXPECT_EQ(ListRow("00:00:00-00:00:05", ' ', "2:5020/0", 'i', "100", "200",
                    "1000", ""),
            rows[0]);
  EXPECT_EQ(
      ListRow("00:00:08-00:00:13", ' ', "2:5020/1", 'o', "100", "200", "0", ""),
      rows[1]);
  EXPECT_EQ(ListRow("22:13:04-22:13:09", ' ', "2:5020/9998", 'i', "100", "200",
                    "0", ""),
            rows[9998]);
  const std::string& stats = r.files["logdata.zvx"];
  std::size_t total = stats.find(Cp866Of("║Всего: "));
  ASSERT_NE(std::string::npos, total);
  EXPECT_EQ(9999, std::atoi(stats.substr(total + 8, 4).c_str()));
}

TEST(BadInputTest, HundredThousandTransferLinesInOneWindow) {
  // 100 sessions of 2:5020/100 to 2:5020/199, each with 1000 transfer
  // lines, received and sent in turn, then its summary line.
  std::string log;
  int t = 3600;
  for (int s = 0; s < 100; ++s) {
    std::string address = "2:5020/" + std::to_string(100 + s);
    log += At(t, "■ Incoming call: CONNECT 33600/ARQ/V34");
    log += At(t + 1, address + ", using T-Mail/2608.NT");
    for (int j = 0; j < 1000; ++j) {
      std::string name = std::to_string(s) + "_" + std::to_string(j) + ".pkt";
      log += At(t + 2 + j / 10, (j % 2 ? "HS-16 s" : "HR-16 r") + name +
                                    " 1000 OK: 0:01, 2000 cps");
    }
    log += At(t + 200, "■ " + address + ", bytes 500000/500000, time 0:03:20");
    t += 300;
  }
  RunResult r = RunChecked(Case(log), kStatisticsAndBbs);
  // The line index of the files table keeps the first 2899 transfer lines
  // and the very last one: the groups of 2:5020/100, /101 and /102, each
  // with 430 rows (the sent names fill their 430 slots, the received ones
  // their 429), and 2:5020/199 read from its last line only: one row.
  std::vector<std::string> rows = Rows(r.files["logdata.zvx"], kFilesColumns);
  std::vector<std::size_t> group_rows;
  for (const std::string& row : rows) {
    if (row[0] == '\xC7') continue;
    if (row.compare(1, 18, std::string(18, ' ')) != 0) group_rows.push_back(0);
    if (!group_rows.empty()) ++group_rows.back();
  }
  EXPECT_EQ((std::vector<std::size_t>{430, 430, 430, 1}), group_rows);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ("\xBA" + Left("2:5020/100", 18) + "\xB3" + Left("r0_0.pkt", 25) +
                "\xB3" + Left("s0_1.pkt", 25) + "\xBA",
            rows[0]);
  EXPECT_EQ("\xBA" + Left("2:5020/199", 18) + "\xB3" + Left("", 25) + "\xB3" +
                Left("s99_999.pkt", 25) + "\xBA",
            rows.back());
}

// ---------------------------------------------------------------------------
// Configuration.

TEST(BadInputTest, AConfigurationOfOneMegabyteWithEveryKeyRepeated) {
  const std::string block = Lines({
      "String /C=060 +L +A +B ; the default commands",
      "Define_1 \"Running FrontDoor\"",
      "Define_2 \"Running BinkleyTerm\"",
      "Define_3 \"Running squish\"",
      "Define_4 \"Running toss\"",
      "Define_5 \"Running pack\"",
      "1_Name \"FrontDoor\"",
      "2_Name \"A name longer than its seventeen characters\"",
      "3_Name \"Squish\"",
      "4_Name \"Toss\"",
      "5_Name \"Pack\"",
      "1_Cycle yes",
      "2_Cycle no",
      "3_Cycle yes",
      "4_Cycle yes",
      "5_Cycle no",
      "PauseHelp no",
      "LogFile LOG",
      "@RUS",
      "@ENG",
      "PackLog ./packed",
      "PackDay 0",
      "ShredDir ./shred",
      "FilesEcho NO",
      "Cost 2:5020/5 1.50#0.50 2.00#1.00 30",
      "Cost 2:5020/7.0 0.10#0.05 0.20#0.10 0",
      "NightTime 23:00-07:00",
      "FilesNoScan *.TIC",
      "FilesKill nothing-here.*",
      "CrashCheck ALL",
      "BBSType MAX",
      "BBSLog max.log",
      "TmpDir ./scratch",
      "@ZIP \"zip -9\"",
      "@ARJ \"arj a -y\"",
      "@RAR \"rar a\"",
      "; a comment that holds LogFile elsewhere.log",
  });
  std::string config;
  while (config.size() < (1 << 20)) config += block;
  std::string log = OrdinaryDay();
  log += At(50000, "Running FrontDoor event A");
  log += At(50300, "Running FrontDoor event B");
  log += At(50600, "Rescanning outbound");
  log += At(51000, "■ Incoming call: CONNECT 33600/ARQ/V34");
  log += At(51010, "Human caller.");
  log += At(51300, "Returned to T-Mail with errorlevel 2");
  TranscriptCase c = Case(log, {"LOG", "/d=15.03"});
  c.inputs["brantlow.cfg"] = config;
  c.inputs["max.log"] = Lines({
      "+ 15 Mar 14:10:11 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 14:10:30 MAX  Connected at 33600 baud",
      "+ 15 Mar 14:10:40 MAX  John Smith calling",
      ": 15 Mar 14:12:00 MAX  CPS: 1500 (45000 bytes)",
      "+ 15 Mar 14:12:01 MAX  DL-File.zip",
      "+ 15 Mar 14:15:00 MAX  End, John Smith",
  });
  RunResult r = RunChecked(c, kStatisticsAndBbs);
  // The 32 cost entries end the statistics file.
  std::vector<ShapeTable> tables = ReportTables(r.files["logdata.zvx"]);
  ASSERT_FALSE(tables.empty());
  EXPECT_EQ((std::vector<int>{18, 9, 9, 8, 8}), tables.back().widths);
  EXPECT_EQ(2u + 1u + 32u, tables.back().inner.size());
}

TEST(BadInputTest, DirectoriesThatNameFilesOrCannotBeMade) {
  // The cut and scratch directories name a file, or lie below one: neither
  // can be made, the cut is dropped and the scratch file goes to the
  // current directory. The cut asked for is missing: status 2.
  for (const char* place : {"LOG", "LOG/below", "missing/deeper/still"}) {
    SCOPED_TRACE(place);
    TranscriptCase c =
        Case(OrdinaryDay(), {"LOG", "/d=15.03", "+F", "+l", "+a", "+b"});
    c.inputs["brantlow.cfg"] =
        std::string("ShredDir ") + place + "\r\nTmpDir " + place + "\r\n";
    RunResult r = RunChecked(c, {2,
                                 {"logdata.zvx", "maxdata.zvx"},
                                 {std::string(place) + "/00002359.000"}});
    EXPECT_NE(std::string::npos, r.files["logdata.zvx"].find("2:5020/23"));
  }
}

// ---------------------------------------------------------------------------
// CP866 pseudographics (bytes B0 to DF) where text is expected.

TEST(BadInputTest, PseudographicsInConfigurationValuesAndLogAddresses) {
  TranscriptCase c;
  c.date = "2026-03-15 12:00:00";
  c.args = {"/d=15.03", "+F", "+b"};
  c.inputs["brantlow.cfg"] = Lines({
      "String ║═▓ +l ▓═║ +a ═══ /c=30 ╬",
      "Define_1 \"═▓═\"",
      "1_Name \"║═▓ Proc ╔╗╚╝ ║═══║\"",
      "1_Cycle ▓yes▓",
      "Define_2 \"╔══╗\"",
      "2_Name \"╚══╝\"",
      "LogFile l▓g║.log",
      "ShredDir ║cut═",
      "TmpDir ▓tmp▓",
      "BBSType ║MAX║",
      "BBSLog m═x▓.log",
      "Cost 2:50▓20/5 1#1 1#1 0",
      "Cost ║═║ 1#2 3#4 5",
      "Cost ▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓ ▓#▓ ▓#▓ ▓",
      "FilesNoScan *.▓▓▓",
      "FilesKill ╬nothing╬.*",
      "NightTime ▓23:00-07:00▓",
      "PackLog ║pack║",
  });
  std::string log;
  log += At(36000, "■ Incoming call: CONNECT 33600/║═▓/V34 ╔═╗");
  log += At(36008, "2:50▓20/5, using ╔═══╗ ║▓▓║ ╚═══╝");
  log += At(36009, "Password protected session ║");
  log += At(36010, "HR-16 ║file═.▓▓▓ 100 OK: 0:01, 100 cps");
  log += At(36011, "HS-16 ▓▓▓.zip 100 OK: 0:01, ▓100 cps");
  log += At(36020, "■ 2:50▓20/5, bytes 100/100, time 0:00:20");
  log += At(37000, "■ Outgoing call: CONNECT ║║║║║║║║║║║║║║║║║║║║║║║║║║║║║║║║");
  log += At(37008, "▓2:5020/6, using ═");
  log += At(37010, "HS-16 ╔.pkt 100 OK: 0:01, 200 cps");
  log += At(37020, "■ ▓2:5020/6, bytes 1/2");
  log += At(38000, "■ Incoming call: CONNECT 2400");
  log += At(38008, "2:5020/7║, using ║");
  log += At(38020, "■ 2:5020/7║, bytes 3/4");
  log += At(39000, "═▓═ started ║");
  log += At(39100, "═▓═ started again");
  log += At(39200, "╔══╗ another");
  log += At(39300, "Rescanning outbound ░▒▓█");
  log += At(40000, "■ Incoming call: CONNECT 33600");
  log += At(40010, "Human caller.");
  log += At(40500, "Returned to T-Mail with errorlevel 2");
  c.inputs[Cp866Of("l▓g║.log")] = log;
  c.inputs[Cp866Of("m═x▓.log")] = Lines({
      "+ 15 Mar 11:06:50 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 11:07:00 MAX  Connected at 33600 baud",
      "+ 15 Mar 11:07:10 MAX  ║Boxed═User▓ with a long ╔╗ name calling",
      "+ 15 Mar 11:07:20 MAX  Bad pwd 1: ▓▓▓",
      ": 15 Mar 11:10:00 MAX  CPS: ▓1500 (▓45000 bytes)",
      "+ 15 Mar 11:10:01 MAX  DL-▓.zip",
      "+ 15 Mar 11:15:00 MAX  End, ║Boxed═User▓",
  });
  RunChecked(
      c, {0, {"logdata.zvx", "maxdata.zvx"}, {Cp866Of("║cut═/00002359.000")}});
}

// ---------------------------------------------------------------------------
// A BBS log that is no Maximus log.

// Callers passed on to the BBS at 10:00, 11:00, 12:00 and 13:00.
std::string HumanCallers() {
  std::string log = OrdinaryDay();
  for (int hour = 10; hour <= 13; ++hour) {
    int t = hour * 3600 + 600;
    log += At(t, "■ Incoming call: CONNECT 33600/ARQ/V34");
    log += At(t + 10, "Human caller.");
    log += At(t + 900, "Returned to T-Mail with errorlevel 2");
  }
  return log;
}

TranscriptCase BbsCase(const std::string& bbs_log) {
  TranscriptCase c = Case(HumanCallers());
  c.inputs["brantlow.cfg"] = Lines({"BBSType MAX", "BBSLog max.log"});
  c.inputs["max.log"] = bbs_log;
  return c;
}

TEST(BadInputTest, ABbsLogOfRandomBytes) {
  RunChecked(BbsCase(RandomBytes(1 << 20, 7)), kStatisticsAndBbs);
}

TEST(BadInputTest, AMailerLogGivenAsTheBbsLog) {
  RunChecked(BbsCase(HumanCallers()), kStatisticsAndBbs);
}

TEST(BadInputTest, MaximusLinesInTheWrongShape) {
  // Each call begins right, then goes wrong. The first: calling at the
  // start of the message or of the line, names of NULs and names past
  // column 40, rates without a size, sizes without a transfer, a line of
  // NULs, lines longer than a read. The second connects at no speed. The
  // third begins twice and never ends, the fourth ends the file without a
  // line end.
  std::string nul(1, '\0');
  std::string bbs = Lines({
      "+ 15 Mar 10:10:11 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 10:10:30 MAX  Connected at 33600 baud",
      "+ 15 Mar 10:10:40 MAX  calling",
      "calling",
      "xcalling",
      "+ 15 Mar 10:10:41 MAX  A caller whose name runs far past column forty "
      "calling",
      ": 15 Mar 10:12:00 MAX  CPS:",
      ": 15 Mar 10:12:01 MAX  CPS: 1500 (",
      ": 15 Mar 10:12:02 MAX  CPS: (((((((((",
      "+ 15 Mar 10:12:03 MAX  DL-",
      "+ 15 Mar 10:12:04 MAX  UL-",
      "+ 15 Mar 10:12:05 MAX  Bad pwd ",
      "+ 15 Mar 10:12:06 MAX  Caller dropped carrier",
  });
  bbs += "+ 15 Mar 10:12:40 MAX  " + Repeat(nul, 40) + " calling\r\n";
  bbs += Repeat(nul, 3000) + "\r\n";
  bbs += "+ 15 Mar 10:12:50 MAX  " + std::string(5000, 'N') + " calling\r\n";
  bbs += ": 15 Mar 10:13:00 MAX  CPS: 1700 (12000 bytes)" +
         std::string(3000, ' ') + "\r\n";
  bbs += "+ 15 Mar 10:13:01 MAX  UL-" + std::string(3000, 'u') + "\r\n";
  bbs += "+ 15 Mar 10:13:02 MAX  " + Cp866Of("═▓║ ╔╗ calling") + "\r\n";
  bbs += Lines({
      "+ 15 Mar 10:15:00 MAX  End,",
      "+ 15 Mar 11:10:11 MAX  Begin,",
      "+ 15 Mar 11:10:30 MAX  Connected at ",
      "+ 15 Mar 11:10:31 MAX  Connected at 999999999999999999 baud",
      "+ 15 Mar 11:15:00 MAX  End, somebody",
      "+ 15 Mar 12:10:11 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 12:10:12 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 12:10:40 MAX  Second Caller calling",
      "+ 15 Mar 12:10:41 MAX  CPS: 100 (10 bytes)",
      "+ 15 Mar 13:10:11 MAX  Begin, v3.01 (task=1)",
      "+ 15 Mar 13:10:40 MAX  Never Ends calling",
  });
  bbs += "+ 15 Mar 13:10:41 MAX  CPS: 200 (20 bytes)";  // no line end
  RunChecked(BbsCase(bbs), kStatisticsAndBbs);
  // The same across midnight, with the BBS users hidden: the BBS log is
  // read for both days.
  TranscriptCase hidden = BbsCase(bbs);
  hidden.args = {"LOG", "/d=15.03", "/t=09:00-08:00", "/c=600", "+l", "+b(-s)"};
  RunChecked(hidden, kStatisticsAndBbs);
}

TEST(BadInputTest, ABbsLogThatIsADirectoryOrEmpty) {
  TranscriptCase dir = BbsCase("");
  dir.inputs.erase("max.log");
  dir.directories.push_back("max.log");
  RunChecked(dir, kStatisticsAndBbs);
  RunChecked(BbsCase(""), kStatisticsAndBbs);
}

}  // namespace
}  // namespace brantlow::e2e
