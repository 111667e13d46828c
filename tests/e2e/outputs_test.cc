// The outputs beyond the CP866 reports (CSV, JSON, UTF-8, standard output,
// standard input) against the CP866 reports of the same run: every number
// a script reads must be the one the sysop reads.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/cp866.h"
#include "tests/e2e/json_value.h"
#include "tests/e2e/transcript.h"
#include "tests/temp_dir.h"

namespace brantlow::e2e {
namespace {

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(BRANTLOW_SOURCE_DIR) + "/" + name,
                   std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Split(const std::string& text, const std::string& by) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = text.find(by, from);
    parts.push_back(text.substr(from, at - from));
    if (at == std::string::npos) return parts;
    from = at + by.size();
  }
}

std::string Trim(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(0, 1);
  return s;
}

// The cells of a framed table row ("║a│b│c║"), or none for other lines.
std::vector<std::string> Cells(const std::string& line) {
  if (line.size() < 2 || line.front() != '\xBA' || line.back() != '\xBA')
    return {};
  std::vector<std::string> cells;
  std::string cell;
  for (std::size_t i = 1; i + 1 < line.size(); ++i) {
    if (line[i] == '\xB3') {
      cells.push_back(cell);
      cell.clear();
    } else {
      cell += line[i];
    }
  }
  cells.push_back(cell);
  return cells;
}

long long Seconds(const std::string& hms) {
  const std::vector<std::string> parts = Split(Trim(hms), ":");
  if (parts.size() != 3) return -1;
  return std::stoll(parts[0]) * 3600 + std::stoll(parts[1]) * 60 +
         std::stoll(parts[2]);
}

// CSV rows split at commas; the example's values hold no quoted field.
std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : Split(text, "\n"))
    if (!line.empty()) rows.push_back(Split(line, ","));
  return rows;
}

TranscriptCase ExampleDay(std::vector<std::string> extra) {
  TranscriptCase c;
  c.args = {"t-mail.log", "/d=15.03", "/c=120", "+a"};
  c.args.insert(c.args.end(), extra.begin(), extra.end());
  c.inputs["t-mail.log"] = ReadSource("examples/t-mail.log");
  c.inputs["brantlow.cfg"] = ReadSource("examples/brantlow.cfg");
  c.inputs["max.log"] = ReadSource("examples/max.log");
  return c;
}

TEST(Outputs, CsvAndJsonGiveTheNumbersOfTheStatisticsFile) {
  RunResult r = RunCase(ExampleDay({"--csv", "--json"}), BRANTLOW_BINARY,
                        BRANTLOW_STANDIN);
  ASSERT_EQ(0, r.exit_status) << Printable(r.stdout_bytes);
  // The run's last line names what it wrote.
  const std::string written =
      "\nWritten: logdata.zvx, sessions.csv, addresses.csv, brantlow.json\n";
  EXPECT_TRUE(r.stdout_bytes.ends_with(written)) << Printable(r.stdout_bytes);
  const std::vector<std::string> report = Split(r.files["logdata.zvx"], "\r\n");
  const auto sessions = CsvRows(r.files["sessions.csv"]);
  const auto addresses = CsvRows(r.files["addresses.csv"]);
  ASSERT_FALSE(sessions.empty());
  EXPECT_EQ("date", sessions[0][0]);
  EXPECT_EQ("cost", sessions[0].back());  // the example has tariffs

  // The session list: "hh:mm:ss-hh:mm:ss│C│name│D│received│sent│CPS│password".
  std::size_t row = 1;
  std::vector<std::vector<std::string>> list, summary, costs;
  for (const std::string& line : report) {
    const std::vector<std::string> cells = Cells(line);
    if (cells.size() == 8 && cells[0].size() == 17 && cells[0][8] == '-')
      list.push_back(cells);
    if (cells.size() == 5 && cells[4].size() == 13 && Seconds(cells[4]) >= 0 &&
        cells[0].find(CP866("cессий")) == std::string::npos &&
        Trim(cells[0]) != CP866("Адрес"))
      summary.push_back(cells);
    if (cells.size() == 5 && cells[3].size() == 8 && Seconds(cells[3]) >= 0)
      costs.push_back(cells);
  }
  ASSERT_EQ(list.size(), sessions.size() - 1);
  for (const auto& cells : list) {
    const std::vector<std::string>& s = sessions[row++];
    SCOPED_TRACE(cells[0]);
    EXPECT_EQ(Trim(cells[0].substr(0, 8)), s[1]);
    EXPECT_EQ(Trim(cells[0].substr(9)), s[2]);
    EXPECT_EQ(cells[1] == "!" ? "1" : "0", s[4]);
    EXPECT_EQ(Trim(cells[2]), s[5]);
    EXPECT_EQ(Trim(cells[3]), s[6]);
    EXPECT_EQ(Trim(cells[4]), s[7]);
    EXPECT_EQ(Trim(cells[5]), s[8]);
    EXPECT_LE(std::fabs(std::stod(cells[6]) - std::stod(s[9])), 0.5);
    EXPECT_EQ(Trim(cells[7]), s[10]);
  }

  // The address summary: name, received, sent, CPS, time on line.
  ASSERT_EQ(summary.size(), addresses.size() - 1);
  for (std::size_t i = 0; i < summary.size(); ++i) {
    const std::vector<std::string>& a = addresses[i + 1];
    SCOPED_TRACE(summary[i][0]);
    EXPECT_EQ(Trim(summary[i][0]), a[0]);
    EXPECT_EQ(Trim(summary[i][1]), a[4]);
    EXPECT_EQ(Trim(summary[i][2]), a[5]);
    EXPECT_LE(std::fabs(std::stod(summary[i][3]) - std::stod(a[8])), 0.5);
    EXPECT_EQ(Seconds(summary[i][4]), std::stoll(a[9]));
  }

  // The JSON: valid, and its totals those of the summary's totals line and
  // the cost report.
  JsonValue json;
  JsonReader reader;
  ASSERT_TRUE(reader.Read(r.files["brantlow.json"], json))
      << "not JSON at " << reader.error_at();
  EXPECT_EQ(static_cast<double>(list.size()),
            json["counts"]["sessions"].number);
  EXPECT_EQ(list.size(), json["sessions"].items.size());
  EXPECT_EQ(48u, json["busy"].items.size());
  for (const std::string& line : report) {
    const std::vector<std::string> cells = Cells(line);
    if (cells.size() != 5 ||
        cells[0].find(CP866("cессий")) == std::string::npos)
      continue;
    EXPECT_EQ(std::stod(cells[1]), json["totals"]["received"].number);
    EXPECT_EQ(std::stod(cells[2]), json["totals"]["sent"].number);
    EXPECT_EQ(Seconds(cells[4]), json["totals"]["duration"].number);
  }
  double report_cost = 0, session_cost = 0;
  for (const auto& cells : costs)
    report_cost += std::stod(cells[1]) + std::stod(cells[2]);
  for (std::size_t i = 1; i < sessions.size(); ++i)
    session_cost += std::stod(sessions[i].back());
  EXPECT_NEAR(report_cost, json["totals"]["cost"].number, 0.011);
  EXPECT_NEAR(report_cost, session_cost, 0.01 * costs.size() + 0.011);
}

TEST(Outputs, StandardOutputStandardInputAndUtf8) {
  // Under a runner the program is the Windows build: its host line end is
  // CR LF, and the harness reads CR LF on standard output as LF.
  const bool windows = std::getenv("BRANTLOW_TEST_RUNNER") != nullptr;
  const std::string host_line_end = windows ? "\r\n" : "\n";

  // --stdout: the statistics file alone on standard output.
  RunResult piped =
      RunCase(ExampleDay({"--stdout"}), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, piped.exit_status);
  std::string report = piped.files["logdata.zvx"];
  if (windows) {
    std::string lf;
    for (const std::string& line : Split(report, "\r\n")) lf += line + "\n";
    report = lf.substr(0, lf.size() - 1);
  }
  EXPECT_EQ(report, piped.stdout_bytes);
  EXPECT_NE(std::string::npos, piped.console_bytes.find("InFile!!!"));

  // "-": the same log from standard input gives the same report.
  TranscriptCase from_pipe = ExampleDay({});
  from_pipe.args[0] = "-";
  from_pipe.standard_input = "t-mail.log";
  RunResult from_stdin = RunCase(from_pipe, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, from_stdin.exit_status);
  EXPECT_EQ(piped.files["logdata.zvx"], from_stdin.files["logdata.zvx"]);
  EXPECT_EQ(std::string::npos,
            from_stdin.console_bytes.find("\xB1\xB1\xB1"));  // no bar
  // A pipe is not packed, and says so.
  from_pipe.inputs["brantlow.cfg"] +=
      "PackDay 14\r\nPackLog ./pack/\r\n@ZIP \"zip -9\"\r\n";
  RunResult unpacked = RunCase(from_pipe, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(0, unpacked.exit_status);
  EXPECT_NE(std::string::npos,
            unpacked.stdout_bytes.find(
                "The log comes from standard input: it is not packed"));
  EXPECT_EQ(piped.files["logdata.zvx"], unpacked.files["logdata.zvx"]);

  // --utf8: the same text in UTF-8 with the host's line ends.
  RunResult utf8 =
      RunCase(ExampleDay({"--utf8"}), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  std::string expected;
  for (const std::string& line : Split(piped.files["logdata.zvx"], "\r\n")) {
    AppendCp866AsUtf8(line, expected);
    expected += host_line_end;
  }
  expected.resize(expected.size() - host_line_end.size());
  EXPECT_EQ(expected, utf8.files["logdata.zvx"]);

  // The link health report (+h) the same way.
  RunResult links =
      RunCase(ExampleDay({"+h"}), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  RunResult links_utf8 =
      RunCase(ExampleDay({"+h", "--utf8"}), BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_FALSE(links.files["lnkdata.zvx"].empty());
  expected.clear();
  for (const std::string& line : Split(links.files["lnkdata.zvx"], "\r\n")) {
    AppendCp866AsUtf8(line, expected);
    expected += host_line_end;
  }
  expected.resize(expected.size() - host_line_end.size());
  EXPECT_EQ(expected, links_utf8.files["lnkdata.zvx"]);
}

TEST(Outputs, ALogConvertedToUtf8GivesTheReportsOfItsCp866Log) {
  std::string utf8;
  const std::string command = "iconv -f CP866 -t UTF-8 '" +
                              std::string(BRANTLOW_SOURCE_DIR) +
                              "/examples/t-mail.log'";
  if (std::FILE* p = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0)
      utf8.append(buffer, n);
    if (pclose(p) != 0) utf8.clear();
  }
  if (utf8.empty()) GTEST_SKIP() << "no iconv to convert the example log";
  const TranscriptCase cp866 = ExampleDay({"--csv"});
  ASSERT_NE(cp866.inputs.at("t-mail.log"), utf8);
  TranscriptCase converted = cp866;
  converted.inputs["t-mail.log"] = utf8;
  RunResult before = RunCase(cp866, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  RunResult after = RunCase(converted, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, after.exit_status);
  before.files.erase("t-mail.log");
  after.files.erase("t-mail.log");
  EXPECT_EQ(before.files, after.files);
  const std::string told =
      "Warning: t-mail.log is UTF-8 encoded: read as CP866 text\n";
  const std::size_t at = after.stdout_bytes.find(told);
  ASSERT_NE(std::string::npos, at) << Printable(after.stdout_bytes);
  EXPECT_EQ(before.stdout_bytes, after.stdout_bytes.erase(at, told.size()));
}

TEST(Outputs, ForgedNumbersStillGiveValidJson) {
  TranscriptCase c;
  c.args = {"LOG", "/d=15.03", "-g", "--json", "--csv"};
  c.inputs["LOG"] =
      "15/03 01:00:00 \xFE Incoming call: CONNECT 33600/ARQ/V34\r\n"
      "15/03 01:00:06 2:5020/1, using T-Mail/2608.NT\r\n"
      "15/03 01:00:10 HR-16 a.pkt 100 OK: 0:01, 1e39 cps\r\n"
      "15/03 01:00:30 \xFE 2:5020/1, bytes 1e39/0, time 0:00:30\r\n";
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, r.exit_status);
  JsonValue json;
  ASSERT_TRUE(JsonReader().Read(r.files["brantlow.json"], json))
      << r.files["brantlow.json"];
  // Its counts read as 0/0: the last session takes them from its transfer.
  EXPECT_EQ(100, json["totals"]["received"].number);
  ASSERT_EQ(1u, json["warnings"].items.size());
  EXPECT_EQ("1 line of LOG holds a malformed byte count: read as 0",
            json["warnings"].items[0].text);
  EXPECT_EQ(std::string::npos, r.files["sessions.csv"].find("inf"));
}

TEST(Outputs, AnOutputThatCannotBeMadeIsToldAndEndsWithStatusTwo) {
  TranscriptCase c = ExampleDay({"--csv"});
  c.directories.push_back("sessions.csv");  // a directory stands in its way
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  EXPECT_EQ(2, r.exit_status);
  EXPECT_NE(std::string::npos,
            r.stdout_bytes.find("Error: Unable to create sessions.csv\n"
                                "  sessions.csv: Is a directory\n"));
  EXPECT_EQ(1u, r.files.count("addresses.csv"));  // the rest is written
}

TEST(Outputs, APeriodsJsonDaysAreThePeriodReportsRows) {
  TranscriptCase c = ExampleDay({"--json"});
  c.args = {"t-mail.log", "/p=13.03-16.03", "--json"};
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, r.exit_status);
  JsonValue json;
  ASSERT_TRUE(JsonReader().Read(r.files["brantlow.json"], json));
  std::size_t day = 0;
  for (const std::string& line : Split(r.files["perdata.zvx"], "\r\n")) {
    const std::vector<std::string> cells = Cells(line);
    if (cells.size() != 9 || Trim(cells[0]).size() != 5 ||
        Trim(cells[0])[2] != '.')
      continue;
    ASSERT_LT(day, json["days"].items.size());
    const JsonValue& d = json["days"].items[day++];
    // The report's dd.mm of this year, the JSON's yyyy-mm-dd.
    const std::string date = Trim(cells[0]);
    EXPECT_EQ("2026-" + date.substr(3, 2) + "-" + date.substr(0, 2),
              d["date"].text);
    EXPECT_EQ(std::stod(cells[1]), d["sessions"].number);
    EXPECT_EQ(std::stod(cells[5]), d["received"].number);
    EXPECT_EQ(std::stod(cells[6]), d["sent"].number);
    EXPECT_EQ(Seconds(cells[7]), d["duration"].number);
  }
  EXPECT_EQ(4u, day);
}

// --stdout copies this run's report or nothing; a standard output that
// cannot take it is a failure, and the run still tidies up after itself.
TEST(Outputs, StandardOutputThatFailsOrHasNoReportToCopy) {
  if (std::getenv("BRANTLOW_TEST_RUNNER") != nullptr)
    GTEST_SKIP() << "POSIX devices";
  testing_support::TempDir dir;
  dir.Write("t-mail.log", ReadSource("examples/t-mail.log"));
  dir.Write("brantlow.cfg", ReadSource("examples/brantlow.cfg"));
  dir.Write("max.log", ReadSource("examples/max.log"));
  dir.Write("old-report", "the report of an earlier day\r\n");
  // Runs the program in dir with out as its standard output.
  auto run = [&](int out) {
    const pid_t pid = fork();
    if (pid == 0) {
      if (chdir(dir.path().c_str()) != 0) _exit(126);
      const int err = open("err", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(out, 1);
      dup2(err, 2);
      execl(BRANTLOW_BINARY, BRANTLOW_BINARY, "t-mail.log", "/d=15.03",
            "--stdout", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(out);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  };
  int reader_gone[2];
  ASSERT_EQ(0, pipe(reader_gone));
  close(reader_gone[0]);
  struct Case {
    int out;
    const char* reason;
  } cases[] = {{open("/dev/full", O_WRONLY), "No space left on device"},
               {reader_gone[1], "Broken pipe"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    EXPECT_EQ(2, run(c.out));
    EXPECT_NE(std::string::npos,
              dir.Read("err").find(
                  "Error: Unable to copy the report to standard output\n"
                  "  standard output: " +
                  std::string(c.reason)));
    EXPECT_EQ("", dir.Read("brantlow.lck") + dir.Read("zorvex.tmp"));
  }
  // A report that cannot be written leaves standard output empty, even
  // with an old report standing behind a link at its name.
  unlink(dir.File("logdata.zvx").c_str());
  ASSERT_EQ(0, symlink("old-report", dir.File("logdata.zvx").c_str()));
  EXPECT_EQ(2, run(open(dir.File("out").c_str(), O_WRONLY | O_CREAT, 0644)));
  EXPECT_EQ("", dir.Read("out"));
}

// A remote's strings reach a spreadsheet as text, never as a formula, and
// no control byte of theirs reaches the CSV or the page.
TEST(Outputs, FormulaCellsAndControlBytesFromTheLog) {
  TranscriptCase c;
  c.args = {"LOG", "/d=15.03", "--csv", "--html"};
  c.inputs["LOG"] =
      "15/03 10:00:00 \xFE Incoming call: CONNECT "
      "=HYPERLINK(\"http://x/?a,b\")\x1B\r\n"
      "15/03 10:00:20 2:5020/7, using @Mailer\x07\x08/2608\r\n"
      "15/03 10:03:00 \xFE 2:5020/7, bytes 100/200, time 0:02:40\r\n";
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, r.exit_status) << Printable(r.stdout_bytes);
  const std::string& csv = r.files["sessions.csv"];
  EXPECT_NE(std::string::npos,
            csv.find(",\"'=HYPERLINK(\"\"http://x/?a,b\"\")?\",'@Mailer?"
                     "?/2608\n"))
      << Printable(csv);
  for (const char* name : {"sessions.csv", "addresses.csv", "logdata.html"})
    for (char b : r.files[name])
      EXPECT_FALSE(static_cast<unsigned char>(b) < 0x20 && b != '\n') << name;
}

// A log name typed in UTF-8 on a UTF-8 console is that name in the JSON
// warnings too, not converted a second time.
TEST(Outputs, AUtf8LogNameStaysItselfInTheJsonWarnings) {
  if (std::getenv("BRANTLOW_TEST_RUNNER") != nullptr)
    GTEST_SKIP() << "the locale is a POSIX matter";
  const std::string name =
      "\xD0\xB6\xD1\x83\xD1\x80\xD0\xBD\xD0\xB0\xD0\xBB.log";
  TranscriptCase c;
  c.args = {name, "/d=15.03", "--json"};
  c.inputs[name] = "14/03 09:53:39 Rescanning outbound, 12 files found\r\n";
  c.locale = "C.UTF-8";
  RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
  ASSERT_EQ(0, r.exit_status) << Printable(r.stdout_bytes);
  EXPECT_NE(std::string::npos,
            r.files["brantlow.json"].find(
                "\"no line of " + name +
                " lies inside the window 15.03 00:00-23:59\""))
      << Printable(r.files["brantlow.json"]);
}

// A link planted at the name of any file the run makes is never written
// through: the run refuses that file with its reason and ends with status 2.
TEST(Outputs, PlantedLinksAreNotFollowed) {
  if (std::getenv("BRANTLOW_TEST_RUNNER") != nullptr)
    GTEST_SKIP() << "symbolic links are POSIX matters";
  for (const char* name : {"sessions.csv", "addresses.csv", "brantlow.json",
                           "logdata.html", "conndata.zvx", "filedata.zvx"}) {
    SCOPED_TRACE(name);
    TranscriptCase c =
        ExampleDay({"+l(-s)", "+a(-s)", "+F", "--csv", "--json", "--html"});
    c.inputs["victim"] = "a file of the victim's\n";
    c.links[name] = "victim";
    RunResult r = RunCase(c, BRANTLOW_BINARY, BRANTLOW_STANDIN);
    EXPECT_EQ(2, r.exit_status);
    EXPECT_NE(std::string::npos,
              r.stdout_bytes.find("Too many levels of symbolic links"))
        << Printable(r.stdout_bytes);
    EXPECT_EQ("a file of the victim's\n", r.files["victim"]);
    EXPECT_EQ(0u, r.files[name].find("symbolic link to "));
  }
}

}  // namespace
}  // namespace brantlow::e2e
