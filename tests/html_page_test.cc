// The web page as a reader sees it: headless Chromium lays the page out,
// a probe script added to a copy reads the chart and the tables back from
// the layout, and they are compared with the CP866 statistics file of the
// same run of the example log. Skips where Chromium is missing, unless CI
// is set. BRANTLOW_EXAMPLE_PAGE=path also keeps the example page there.
#include "reports/html_page.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "driver/analysis.h"
#include "driver/command_line.h"
#include "driver/configuration.h"
#include "platform/cp866.h"
#include "platform/process.h"
#include "reports/address_summary.h"
#include "reports/link_health.h"
#include "reports/station_report.h"
#include "reports/whole_seconds.h"
#include "tests/memory_run_files.h"

namespace brantlow {
namespace {

using testing_support::MemoryFiles;
using Cells = std::vector<std::string>;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> Split(const std::string& text, const std::string& by) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(by, from)) != std::string::npos;
       from = at + by.size())
    parts.push_back(text.substr(from, at - from));
  parts.push_back(text.substr(from));
  return parts;
}

// h:mm:ss or hh:mm:ss as seconds, so both spellings compare.
long long Seconds(const std::string& text) {
  const auto parts = Split(Trim(text), ":");
  if (parts.size() != 3) return -1;
  return std::stoll(parts[0]) * 3600 + std::stoll(parts[1]) * 60 +
         std::stoll(parts[2]);
}

// The frames of a CP866 report, as rows of trimmed cells; a separator
// line is an empty row.
std::vector<std::vector<Cells>> ReportTables(const std::string& cp866) {
  std::string text;
  AppendCp866AsUtf8(cp866, text);
  std::vector<std::vector<Cells>> tables;
  for (std::string line : Split(text, "\n")) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("╔", 0) == 0) tables.emplace_back();
    if (tables.empty()) continue;
    if (line.rfind("╟", 0) == 0) tables.back().emplace_back();
    if (line.rfind("║", 0) != 0) continue;
    const std::string inner = line.substr(3, line.size() - 6);
    Cells cells;
    for (const std::string& cell : Split(inner, "│"))
      cells.push_back(Trim(cell));
    tables.back().push_back(cells);
  }
  return tables;
}

// The rows below the header of the report table whose header holds the
// word.
std::vector<Cells> ReportRows(const std::vector<std::vector<Cells>>& tables,
                              const std::string& word) {
  for (const auto& table : tables) {
    if (table.empty()) continue;
    const Cells& header = table.front();
    if (std::find(header.begin(), header.end(), word) == header.end()) continue;
    std::vector<Cells> rows;
    for (std::size_t i = 1; i < table.size(); ++i)
      if (!table[i].empty() && table[i] != Cells(table[i].size(), ""))
        rows.push_back(table[i]);
    // A two-line header keeps its second line out.
    if (!rows.empty() && rows.front()[0].empty() && word == "Стоимость")
      rows.erase(rows.begin());
    return rows;
  }
  ADD_FAILURE() << "no report table with " << word;
  return {};
}

struct ExampleRun {
  std::unique_ptr<RunContext> run = std::make_unique<RunContext>();
  Window window;
  std::string statistics;  // CP866, as the file holds it
  RunRecord record;        // as the run fills it
};

// The example log as `make demo` analyses it, with its configuration.
ExampleRun AnalyseExample() {
  ExampleRun ex;
  RunContext& run = *ex.run;
  const std::string dir = BRANTLOW_SOURCE_DIR "/examples/";
  const std::string configuration = ReadFile(dir + "brantlow.cfg");
  MemoryLines lines(configuration);
  ConfigurationTables tables{run.processes, run.costs, run.files_no_scan,
                             run.files_kill, &run.links};
  ReadConfiguration(lines, run.settings, tables);
  const char* const args[] = {"/d=15.03", "/c=120", "+l", "+a", "+b"};
  SecondPass(args, {16, 3, 2026}, run.settings);
  ApplyDefaults({16, 3, 2026}, run.settings);
  ex.window = MakeWindow(run.settings.start_date, run.settings.times,
                         run.settings.today);

  MemoryFiles files;
  files.bbs_log = ReadFile(dir + "max.log");
  files.Open(Destination::kScratch, OpenMode::kFresh);
  const std::string log = ReadFile(dir + "t-mail.log");
  MemoryWindow window(log);
  SilentProgress progress;
  Analyse(run, ex.window, window, files, progress, ex.record);
  ex.statistics = files.bytes(Destination::kStatistics);
  return ex;
}

// The record of the example run, as the run filled it.
RunRecord ExampleRecord(const ExampleRun& ex) { return ex.record; }

// Reads the layout back: one tab-separated line per bar (-1 high when it
// is not painted), per table row,
// and the viewport; a cell's lines are joined by ";".
constexpr char kProbe[] = R"js(<script>
(function () {
  var out = [];
  function t(s) { return s.replace(/[\t\r\n]+/g, ';').trim(); }
  // What is laid out but not shown reads as "(hidden)".
  function seen(e) {
    return e.checkVisibility({opacityProperty: true, visibilityProperty: true});
  }
  var svg = document.getElementById('busy');
  if (svg) {
    var grid = svg.querySelectorAll('line.grid');
    out.push(['plot', grid[grid.length - 1].getBoundingClientRect().top,
              svg.querySelector('line.axis').getBoundingClientRect().top].join('\t'));
    svg.querySelectorAll('rect.bar').forEach(function (b) {
      var r = b.getBoundingClientRect();
      var painted = seen(b) && getComputedStyle(b).fill !== 'none' &&
                    getComputedStyle(b).fill !== 'rgba(0, 0, 0, 0)';
      out.push(['bar', b.getAttribute('data-half-hour'), painted ? r.height : -1, r.bottom,
                t(b.parentNode.querySelector('title').textContent)].join('\t'));
    });
  }
  document.querySelectorAll('table').forEach(function (table) {
    table.querySelectorAll('tbody tr').forEach(function (tr) {
      var cells = ['row', table.id];
      tr.querySelectorAll('td').forEach(function (td) {
        cells.push(seen(td) ? t(td.innerText) : '(hidden)');
      });
      out.push(cells.join('\t'));
    });
  });
  document.querySelectorAll('.scroll table[id]').forEach(function (table) {
    var box = table.parentNode;
    out.push(['box', table.id, box.clientWidth, box.scrollWidth].join('\t'));
  });
  out.push(['view', window.innerWidth, document.documentElement.scrollWidth].join('\t'));
  out.push(['background', getComputedStyle(document.body).backgroundColor].join('\t'));
  out.push(['text', t(document.body.innerText)].join('\t'));
  var pre = document.createElement('pre');
  pre.id = 'probe';
  pre.textContent = out.join('\n');
  document.body.appendChild(pre);
})();
</script>
)js";

struct Layout {
  double plot_top = 0, plot_base = 0;
  struct Bar {
    double height, bottom;
    std::string title;
  };
  std::vector<Bar> bars;
  std::map<std::string, std::vector<Cells>> rows;  // by table id
  int width = 0, scroll_width = 0;
  // A table's scrolling box: its width and the width of what it holds.
  std::map<std::string, std::pair<int, int>> boxes;
  std::string background;
  std::string text;
};

std::string Unescape(std::string s) {
  const std::pair<const char*, const char*> entities[] = {{"&lt;", "<"},
                                                          {"&gt;", ">"},
                                                          {"&nbsp;", " "},
                                                          {"&quot;", "\""},
                                                          {"&amp;", "&"}};
  for (const auto& [entity, text] : entities)
    for (std::size_t at; (at = s.find(entity)) != std::string::npos;)
      s.replace(at, std::string(entity).size(), text);
  return s;
}

std::string Chromium() {
  for (const char* name : {"chromium", "chromium-browser"})
    if (std::string path = FindProgram(name); !path.empty()) return path;
  return "";
}

class TempDirectory {
 public:
  TempDirectory() {
    char name[] = "/tmp/brantlow-html-XXXXXX";
    path_ = mkdtemp(name) != nullptr ? name : "";
  }
  ~TempDirectory() {
    if (!path_.empty() &&
        std::system(("rm -rf '" + path_ + "'").c_str()) != 0) {}
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The page laid out in a window of the given width by headless Chromium,
// with the probe's findings; nullopt when the browser gave nothing.
std::optional<Layout> Render(const std::string& page, int width,
                             const std::string& extra_flags = "") {
  TempDirectory dir;
  if (dir.path().empty()) return std::nullopt;
  std::string probed = page;
  probed.insert(probed.rfind("</body>"), kProbe);
  std::ofstream(dir.path() + "/page.html", std::ios::binary) << probed;
  const std::string command =
      "timeout 120 '" + Chromium() +
      "' --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
      " --disable-background-networking --disable-component-update"
      " --disable-sync --user-data-dir='" +
      dir.path() +
      "/profile'"
      " --window-size=" +
      std::to_string(width) + ",900 " + extra_flags + " --dump-dom 'file://" +
      dir.path() + "/page.html' 2>/dev/null";
  std::string dom;
  if (std::FILE* p = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;)
      dom.append(buffer, n);
    pclose(p);
  }
  const auto begin = dom.find("<pre id=\"probe\">");
  const auto end = dom.find("</pre>", begin);
  if (begin == std::string::npos || end == std::string::npos)
    return std::nullopt;
  Layout layout;
  const std::string probe = Unescape(dom.substr(begin + 16, end - begin - 16));
  for (const std::string& line : Split(probe, "\n")) {
    const Cells f = Split(line, "\t");
    if (f[0] == "plot") {
      layout.plot_top = std::stod(f[1]);
      layout.plot_base = std::stod(f[2]);
    } else if (f[0] == "bar") {
      layout.bars.push_back({std::stod(f[2]), std::stod(f[3]), f[4]});
    } else if (f[0] == "row") {
      layout.rows[f[1]].emplace_back(f.begin() + 2, f.end());
    } else if (f[0] == "box") {
      layout.boxes[f[1]] = {std::stoi(f[2]), std::stoi(f[3])};
    } else if (f[0] == "view") {
      layout.width = std::stoi(f[1]);
      layout.scroll_width = std::stoi(f[2]);
    } else if (f[0] == "background") {
      layout.background = f[1];
    } else if (f[0] == "text") {
      layout.text = f[1];
    }
  }
  return layout;
}

#define REQUIRE_CHROMIUM()                                             \
  do {                                                                 \
    if (Chromium().empty()) {                                          \
      if (std::getenv("CI") != nullptr) FAIL() << "no Chromium in CI"; \
      GTEST_SKIP() << "Chromium is not installed";                     \
    }                                                                  \
  } while (0)

// word: "занято" on a Russian page, "busy" on an English one.
std::string BusyTitle(int k, int seconds, const char* word) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d:%02d-%02d:%02d %s %d:%02d:%02d", k / 2,
                k % 2 * 30, (k + 1) / 2, (k + 1) % 2 * 30, word, seconds / 3600,
                seconds % 3600 / 60, seconds % 60);
  return text;
}

// Each of the 48 bars stands on the axis, is as tall as its half hour's
// share of 30 minutes (at most all of it) and names its exact busy time.
void ExpectBars(const Layout& layout, const BusyArray& busy,
                const char* word = "занято") {
  ASSERT_EQ(48u, layout.bars.size());
  const double full = layout.plot_base - layout.plot_top;
  ASSERT_GT(full, 100.0);
  for (int k = 0; k < 48; ++k) {
    const Layout::Bar& bar = layout.bars[static_cast<std::size_t>(k)];
    const int seconds = busy[static_cast<std::size_t>(k)];
    const double share = std::min(seconds, 1800) / 1800.0;
    EXPECT_NEAR(full * share, bar.height, 1.0) << "half hour " << k;
    EXPECT_NEAR(layout.plot_base, bar.bottom, 1.0) << "half hour " << k;
    EXPECT_EQ(BusyTitle(k, seconds, word), bar.title);
  }
}

TEST(HtmlPage, ExampleLogReadsAsItsStatisticsFile) {
  REQUIRE_CHROMIUM();
  const ExampleRun ex = AnalyseExample();
  const RunRecord record = ExampleRecord(ex);
  std::string page;
  WriteHtmlPage(record, page);
  if (const char* keep = std::getenv("BRANTLOW_EXAMPLE_PAGE"))
    std::ofstream(keep, std::ios::binary) << page;

  // Self-contained: nothing to run, nothing to fetch.
  EXPECT_EQ(std::string::npos, page.find("<script"));
  EXPECT_EQ(std::string::npos, page.find("://"));
  EXPECT_EQ(std::string::npos, page.find(" src="));
  EXPECT_EQ(std::string::npos, page.find("url("));

  const std::optional<Layout> layout = Render(page, 900);
  ASSERT_TRUE(layout) << "Chromium rendered nothing";
  EXPECT_NE(
      std::string::npos,
      layout->text.find("Статистика на 15.03.2026 время с 00:00 по 23:59"));
  // One language throughout: the report's headings, never English ones.
  EXPECT_NE(std::string::npos, page.find("<html lang=\"ru\">"));
  for (const char* heading :
       {"Занятость линии по получасам", "Сессии", "Файлы", "Коннекты и мэйлеры",
        "Адреса", "Стоимость", "Сделано brantlow"})
    EXPECT_NE(std::string::npos, layout->text.find(heading)) << heading;
  for (const char* english : {"Busy", "Sessions", "Files", "Connects",
                              "Addresses", "Costs", "Made by", "Log:"})
    EXPECT_EQ(std::string::npos, layout->text.find(english)) << english;
  ExpectBars(*layout, ex.run->busy);
  // The example has a busy night and afternoon: the chart is not empty.
  EXPECT_GT(*std::max_element(ex.run->busy.begin(), ex.run->busy.end()), 600);

  const auto tables = ReportTables(ex.statistics);
  const auto& rows = layout->rows;

  // Every session row of the statistics file, cell for cell.
  const std::vector<Cells> sessions = ReportRows(tables, "Пароль");
  ASSERT_EQ(record.sessions.size(), sessions.size());
  ASSERT_EQ(sessions.size(), rows.at("sessions").size());
  for (std::size_t i = 0; i < sessions.size(); ++i) {
    // The page adds each session's cost after the report's columns.
    Cells page = rows.at("sessions")[i];
    if (page.size() == sessions[i].size() + 1) {
      char cost[32] = "";  // blank where the call cost nothing
      if (record.sessions[i].cost != 0)
        std::snprintf(cost, sizeof cost, "%.2f", record.sessions[i].cost);
      EXPECT_EQ(cost, page.back()) << "session " << i;
      page.pop_back();
    }
    EXPECT_EQ(sessions[i], page) << "session " << i;
  }

  // The address summary and its totals; times compare as seconds.
  std::vector<Cells> addresses = ReportRows(tables, "Общее время");
  const std::vector<Cells>& page_addresses = rows.at("addresses");
  ASSERT_EQ(addresses.size(), page_addresses.size());
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    const Cells& want = addresses[i];
    const Cells& got = page_addresses[i];
    ASSERT_EQ(5u, got.size());
    if (i + 1 == addresses.size()) {
      EXPECT_EQ(std::stoi(want[0].substr(want[0].find(' '))),
                std::stoi(got[0].substr(got[0].find(' '))));
    } else {
      EXPECT_EQ(want[0], got[0]);
    }
    EXPECT_EQ(Cells(want.begin() + 1, want.begin() + 4),
              Cells(got.begin() + 1, got.begin() + 4))
        << "address " << i;
    EXPECT_EQ(Seconds(want[4]), Seconds(got[4])) << "address " << i;
  }

  // Costs, with two decimals.
  const std::vector<Cells> costs = ReportRows(tables, "Стоимость");
  ASSERT_EQ(costs.size(), rows.at("costs").size());
  for (std::size_t i = 0; i < costs.size(); ++i) {
    const Cells& got = rows.at("costs")[i];
    EXPECT_EQ(Cells(costs[i].begin(), costs[i].begin() + 3),
              Cells(got.begin(), got.begin() + 3));
    EXPECT_EQ(Seconds(costs[i][3]), Seconds(got[3]));
    EXPECT_EQ(Seconds(costs[i][4]), Seconds(got[4]));
  }

  // The connect table: the report's two lines per session in one row.
  const std::vector<Cells> connects = ReportRows(tables, "Время/Адрес");
  ASSERT_EQ(connects.size(), 2 * rows.at("connects").size());
  for (std::size_t i = 0; i < rows.at("connects").size(); ++i)
    EXPECT_EQ((Cells{connects[2 * i][0], connects[2 * i + 1][0],
                     connects[2 * i][1], connects[2 * i + 1][1]}),
              rows.at("connects")[i]);

  // The files table, a cell's names one per line.
  ASSERT_EQ(record.files->size(), rows.at("files").size());
  for (std::size_t i = 0; i < record.files->size(); ++i) {
    const FilesRow& f = (*record.files)[i];
    auto joined = [](const std::vector<std::string>& names) {
      std::string text;
      for (const std::string& n : names) text += (text.empty() ? "" : ";") + n;
      return text;
    };
    EXPECT_EQ((Cells{f.name, joined(f.received), joined(f.sent)}),
              rows.at("files")[i]);
  }
}

// The page of an English run is English throughout: not one Cyrillic
// letter, as the example log names nothing in Cyrillic.
TEST(HtmlPage, EnglishPageOfTheExample) {
  REQUIRE_CHROMIUM();
  const ExampleRun ex = AnalyseExample();
  RunRecord record = ExampleRecord(ex);
  record.language = ReportLanguage::kEnglish;
  std::string page;
  WriteHtmlPage(record, page);
  EXPECT_NE(std::string::npos, page.find("<html lang=\"en\">"));
  const std::optional<Layout> layout = Render(page, 900);
  ASSERT_TRUE(layout) << "Chromium rendered nothing";
  EXPECT_NE(
      std::string::npos,
      layout->text.find("Statistics for 15.03.2026 time from 00:00 to 23:59"));
  for (const char* heading :
       {"Busy time per half hour", "Sessions", "Files", "Connects and mailers",
        "Addresses", "Costs", "Total: 15 sessions", "Made by brantlow"})
    EXPECT_NE(std::string::npos, layout->text.find(heading)) << heading;
  const std::size_t cyrillic = layout->text.find_first_of("\xD0\xD1");
  EXPECT_EQ(std::string::npos, cyrillic)
      << layout->text.substr(cyrillic == std::string::npos ? 0 : cyrillic, 40);
  ExpectBars(*layout, ex.run->busy, "busy");
}

TEST(HtmlPage, FitsAPhoneAndFollowsTheDarkScheme) {
  REQUIRE_CHROMIUM();
  const ExampleRun ex = AnalyseExample();
  std::string page;
  WriteHtmlPage(ExampleRecord(ex), page);
  const std::optional<Layout> phone = Render(page, 390);
  ASSERT_TRUE(phone);
  // Wide tables scroll in their own box; the page itself does not.
  EXPECT_LE(phone->scroll_width, phone->width);
  ExpectBars(*phone, ex.run->busy);

  const std::optional<Layout> dark = Render(page, 900, "--force-dark-mode");
  ASSERT_TRUE(dark);
  EXPECT_NE(phone->background, dark->background);
  int red = 255, green = 255, blue = 255;
  std::sscanf(dark->background.c_str(), "rgb(%d, %d, %d)", &red, &green, &blue);
  EXPECT_LT(red + green + blue, 150) << dark->background;
}

// A period by hand: the per-day and per-address tables with their totals
// rows, the silent links, the mean chart with a half hour over 30 minutes,
// and names of the log shown as text, never as markup.
TEST(HtmlPage, PeriodPage) {
  REQUIRE_CHROMIUM();
  RunRecord r;
  r.is_period = true;
  // A period of last year: the page always names the years.
  r.period = {{1, 3}, {3, 3}, 3, 2025, 2025};
  r.costs = true;
  r.days = {{{1, 3, 2025}, 5, 3, 2, 1, 12345, 678, 600, 1.5},
            {{2, 3, 2025}, 0, 0, 0, 0, 0, 0, 0, 0},
            {{3, 3, 2025}, 2, 2, 0, 0, 4096, 100000, 3725, 0.25}};
  r.totals = {{0, 0}, 7, 5, 2, 1, 16441, 100678, 4325, 1.75};
  r.addresses = {
      {"2:5020/1234", 6, 4, 2, 16441, 678, 3, 1, 5000, 2, 4000, 1.75},
      {"Ann & <b>Bob</b>", 1, 1, 0, 0, 100000, 0, 2, 2101, 1, 325, 0}};
  r.silent_links = std::vector<std::string>{"2:463/68", "2:5030/55"};
  BusyArray busy{};
  busy[0] = 2000;  // a session counted into its half hour twice
  busy[19] = 900;
  busy[47] = 1;
  r.busy = busy;
  std::string page;
  WriteHtmlPage(r, page);
  const std::optional<Layout> layout = Render(page, 900);
  ASSERT_TRUE(layout);
  EXPECT_NE(
      std::string::npos,
      layout->text.find("Статистика за период 01.03.2025-03.03.2025, дней: 3"));
  ExpectBars(*layout, busy);
  EXPECT_EQ(
      (std::vector<Cells>{
          {"01.03.2025", "5", "3", "2", "1", "12345", "678", "0:10:00", "1.50"},
          {"02.03.2025", "0", "0", "0", "0", "0", "0", "0:00:00", "0.00"},
          {"03.03.2025", "2", "2", "0", "0", "4096", "100000", "1:02:05",
           "0.25"},
          {"Всего", "7", "5", "2", "1", "16441", "100678", "1:12:05", "1.75"}}),
      layout->rows.at("days"));
  // CPS: 5000/2 and 2101/1 per address; (5000 + 2101) / 3 over the period.
  EXPECT_EQ((std::vector<Cells>{{"2:5020/1234", "6", "4", "2", "16441", "678",
                                 "3", "1", "2500", "1:06:40", "1.75"},
                                {"Ann & <b>Bob</b>", "1", "1", "0", "0",
                                 "100000", "0", "2", "2101", "0:05:25", "0.00"},
                                {"Всего", "7", "5", "2", "16441", "100678", "3",
                                 "3", "2367.0", "1:12:05", "1.75"}}),
            layout->rows.at("addresses"));
  EXPECT_NE(std::string::npos,
            layout->text.find("Линки без сессий за период;2:463/68;2:5030/55"));
}

// Link health: the table with its hour grids is whole on a desktop and
// folds into one card per link on a phone, every figure still shown and
// nothing scrolling sideways.
TEST(HtmlPage, LinkTableFoldsIntoCardsOnAPhone) {
  REQUIRE_CHROMIUM();
  RunRecord r;
  r.window = MakeWindow({15, 3, 2026}, {0, 0, 23, 59, true}, {16, 3, 2026});
  LinkHealth h = EmptyLinkHealth(r.window);
  LinkEvents events;
  LinkCounts& busy = events["2:5020/1234.12345"];
  busy.calls = 12;
  busy.connected = 9;
  busy.failed[Slot(CallFailure::kBusy)] = 3;
  busy.incoming = 4;
  for (int hour : {0, 8, 8, 23}) busy.good.push_back({{15, 3}, hour * 3600});
  events["2:463/68"].failed[Slot(CallFailure::kRefused)] = 2;
  events["2:463/68"].calls = 2;
  AddLinkEvents(h, events, WindowPlace(r.window));
  FinishLinks(h, std::vector<std::string>{"2:5030/77"});
  r.links = h;
  r.links_asked = true;
  std::string page;
  WriteHtmlPage(r, page);
  for (int width : {390, 1280}) {
    const std::optional<Layout> layout = Render(page, width);
    ASSERT_TRUE(layout);
    EXPECT_LE(layout->scroll_width, layout->width) << width;
    ASSERT_EQ(1u, layout->boxes.count("links"));
    EXPECT_LE(layout->boxes.at("links").second, layout->boxes.at("links").first)
        << width;
    EXPECT_EQ(
        (std::vector<Cells>{{"2:463/68", "2", "0", "0", "0", "0", "0", "0", "2",
                             "0", "0", "никогда", "24:00", ""},
                            {"2:5020/1234.12345", "12", "9", "0", "3", "0", "0",
                             "0", "0", "4", "4", "15.03 23:00", "15:00", ""},
                            {"2:5030/77 (молчит)", "0", "0", "0", "0", "0", "0",
                             "0", "0", "0", "0", "никогда", "24:00", ""}}),
        layout->rows.at("links"))
        << width;
  }
}

// Beside the common probe: every cell of the station page's tables lies
// inside the window with some width (the headers too when they show, on a
// desktop), and on a phone every cell carries its column's label.
constexpr char kFitProbe[] = R"js(<script>
(function () {
  var w = window.innerWidth, cells = 0, outside = 0, labelled = 0;
  var desktop = getComputedStyle(document.querySelector('table.cards thead')).position !== 'absolute';
  document.querySelectorAll('table.cards td, table.cards th').forEach(function (c) {
    if (c.tagName === 'TH' && !desktop) return;
    var r = c.getBoundingClientRect();
    ++cells;
    if (r.width <= 0 || r.left < -0.5 || r.right > w + 0.5) ++outside;
    var label = getComputedStyle(c, '::before').content;
    if (c.tagName === 'TD' && label === '"' + c.getAttribute('data-label') + '"') ++labelled;
  });
  var p = document.createElement('p');
  p.textContent = 'fit cells=' + cells + ' outside=' + outside + ' labelled=' + labelled;
  document.body.appendChild(p);
})();
</script>
)js";

// A station of a month with tariffs: the eleven columns of its addresses,
// a line with a long log path, a line that made no report.
StationSummary ExampleStation() {
  StationSummary s;
  RunRecord line;
  line.is_period = true;
  line.period = {{1, 12}, {31, 12}, 31};
  line.costs = true;
  line.totals = {{0, 0},    1234,      1000,  234,   12,
                 987654321, 123456789, 98765, 1234.5};
  line.addresses = {
      {"2:5020/1234.56", 99999, 50000, 49999, 987654321012, 123456789012, 9999,
       9999, 50000, 2, 3600000, 99999.99},
      {"2:463/68", 7, 5, 2, 16441, 678, 3, 1, 5000, 2, 4000, 1.75}};
  line.days = {line.totals};
  line.days[0].date = {1, 12};
  BusyArray busy{};
  busy[20] = 1800;
  busy[21] = 900;
  line.busy = busy;
  s.lines.push_back({0, "/var/spool/ftn/logs/binkd.log", "binkd", line, ""});
  busy[30] = 1200;
  line.busy = busy;
  s.lines.push_back({1,
                     "/home/fido/t-mail/line-one-with-a-long-name/t-mail.log",
                     "T-Mail", line, ""});
  s.lines.push_back({2, "t2.log", "", std::nullopt,
                     "Error: Unable to open InFile \n  t2.log: No such file or "
                     "directory\n"});
  s.station = line;
  s.station.addresses = line.addresses;
  s.charted_lines = 2;
  return s;
}

TEST(HtmlPage, StationPageFitsAPhoneAndADesktop) {
  REQUIRE_CHROMIUM();
  std::string page;
  WriteStationPage(ExampleStation(), page);
  page.insert(page.rfind("</body>"), kFitProbe);
  for (int width : {390, 1280}) {
    SCOPED_TRACE(width);
    const std::optional<Layout> layout = Render(page, width);
    ASSERT_TRUE(layout) << "Chromium rendered nothing";
    EXPECT_LE(layout->scroll_width, layout->width);
    // Cells: the lines' 2 rows, totals (11 each) and the failed line's 4;
    // a day and the totals of 9; 3 address rows of 11; on a desktop the
    // headers too (11, 9, 11). On a phone every cell carries its label.
    const int cells = 3 * 11 + 4 + 2 * 9 + 3 * 11;
    const int headers = width == 390 ? 0 : 11 + 9 + 11;
    const std::string fit =
        "fit cells=" + std::to_string(cells + headers) +
        " outside=0 labelled=" + std::to_string(width == 390 ? cells : 0);
    EXPECT_NE(std::string::npos, layout->text.find(fit)) << layout->text;
    for (const auto& [table, rows] : layout->rows)
      for (const Cells& row : rows)
        for (const std::string& cell : row) EXPECT_NE("(hidden)", cell);
    EXPECT_EQ((Cells{"2:5020/1234.56", "99999", "50000", "49999",
                     "987654321012", "123456789012", "9999", "9999", "25000",
                     "1000:00:00", "99999.99"}),
              layout->rows.at("addresses")[0]);
  }
}

// The station page speaks one language, the run's, in its headings,
// column labels (on the cards too), the link section and the footer: the
// example names nothing in Cyrillic, so an English page has no Cyrillic
// byte at all, and a Russian one none of the English words.
TEST(HtmlPage, StationPageUsesOneLanguage) {
  StationSummary s = ExampleStation();
  LinkHealth links = EmptyLinkHealth(s.station.window);
  FinishLinks(links, std::vector<std::string>{"2:5030/77"});
  s.station.links = links;
  s.station.links_asked = true;

  std::string russian;
  WriteStationPage(s, russian);
  EXPECT_NE(std::string::npos, russian.find("<html lang=\"ru\">"));
  for (const char* word :
       {"Статистика станции за период 01.12-31.12, дней: 31, линий: 3", "Линии",
        "Адреса всех линий", "Станция: занятость", "Линки", "никогда",
        "(молчит)", "data-label=\"Ошибка\"", "Сделано brantlow"})
    EXPECT_NE(std::string::npos, russian.find(word)) << word;
  for (const char* word :
       {"Lines", "Line ", "Station", "mean", "Address", "never", "silent)",
        "data-label=\"Error\"", "Made by"})
    EXPECT_EQ(std::string::npos, russian.find(word)) << word;

  s.station.language = ReportLanguage::kEnglish;
  std::string english;
  WriteStationPage(s, english);
  EXPECT_NE(std::string::npos, english.find("<html lang=\"en\">"));
  for (const char* word :
       {"Station statistics for the period 01.12-31.12, days: 31, lines: 3",
        "Lines", "Addresses of all lines", "Station: busy time", "Links",
        "never", "(silent)", "data-label=\"Error\"", "Made by brantlow"})
    EXPECT_NE(std::string::npos, english.find(word)) << word;
  const std::size_t cyrillic = english.find_first_of("\xD0\xD1");
  EXPECT_EQ(std::string::npos, cyrillic)
      << english.substr(cyrillic == std::string::npos ? 0 : cyrillic, 60);
}

}  // namespace
}  // namespace brantlow
