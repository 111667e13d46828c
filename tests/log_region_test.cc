#include "log/log_region.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "log/log_years.h"
#include "tests/temp_dir.h"

namespace brantlow {
namespace {

constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

DayMonth DateOfDay(int day_of_year) {
  int month = 0;
  while (day_of_year >= kMonthDays[month]) day_of_year -= kMonthDays[month++];
  return {day_of_year + 1, month + 1};
}

struct Line {
  std::int64_t offset;
  bool dated;
  DayMonth date;
  int year;           // as the forward count gives it
  int calendar_year;  // as the log was made
};

// A made-up log: lines per_day a day from a day of the first year on,
// some written up to a day late, some undated, some longer than a piece;
// days in skip have no line.
struct MadeLog {
  std::string bytes;
  std::vector<Line> lines;
  int calendar_ = 0;

  MadeLog(int first_day, int days, int per_day, unsigned seed,
          const std::vector<int>& skip = {}) {
    std::mt19937 random(seed);
    struct Event {
      std::int64_t written;
      std::int64_t minute;
    };
    std::vector<Event> events;
    for (int d = 0; d < days; ++d) {
      if (std::find(skip.begin(), skip.end(), d) != skip.end()) continue;
      for (int k = 0; k < per_day; ++k) {
        const std::int64_t minute =
            (first_day + d) * 1440LL + k * 1440 / per_day;
        const std::int64_t late = random() % 10 == 0 ? random() % 1440 : 0;
        events.push_back({minute + late, minute});
      }
    }
    std::stable_sort(
        events.begin(), events.end(),
        [](const Event& a, const Event& b) { return a.written < b.written; });
    LogYears years;
    for (const Event& e : events) {
      const DayMonth date = DateOfDay(static_cast<int>(e.minute / 1440 % 365));
      char text[160];
      const int minute = static_cast<int>(e.minute % 1440);
      std::snprintf(
          text, sizeof text, "%02d/%02d %02d:%02d:%02d  session line %u",
          date.day, date.month, minute / 60, minute % 60,
          static_cast<int>(random() % 60), static_cast<unsigned>(random()));
      std::string line = text;
      if (random() % 20 == 0) line += std::string(120, '=');
      calendar_ = static_cast<int>(e.minute / 1440 / 365);
      Add(line, true, date, years);
      if (random() % 8 == 0) Add("   + an undated line", false, {}, years);
      if (random() % 50 == 0) Add("", false, {}, years);
    }
  }

  void Add(const std::string& text, bool dated, DayMonth date,
           LogYears& years) {
    const std::string line = text + "\r\n";
    years.See(line.data(), line.size());
    lines.push_back({static_cast<std::int64_t>(bytes.size()), dated, date,
                     years.year(), calendar_});
    bytes += line;
  }

  // Where the first line of a wanted day of the latest year holding the
  // last day lies; -1 when no year holds it.
  // By the forward count of years (what a scan reports) or, with
  // calendar, by the years the lines were made in (a forward count sees
  // extra years where lines run a day late across a new year).
  std::int64_t Truth(DayMonth first, int days, bool calendar = false) const {
    auto year_of = [calendar](const Line& l) {
      return calendar ? l.calendar_year : l.year;
    };
    std::vector<DayMonth> wanted{first};
    for (int k = 1; k < days; ++k) wanted.push_back(DayAfter(wanted.back()));
    std::vector<int> before_last(static_cast<std::size_t>(days),
                                 0);  // new years after day k
    for (int k = days - 1; k-- > 0;)
      before_last[static_cast<std::size_t>(k)] =
          before_last[static_cast<std::size_t>(k) + 1] +
          (wanted[static_cast<std::size_t>(k) + 1].day == 1 &&
           wanted[static_cast<std::size_t>(k) + 1].month == 1);
    const DayMonth last = wanted.back();
    int year = -1;
    for (const Line& l : lines)
      if (l.dated && l.date.day == last.day && l.date.month == last.month)
        year = std::max(year, year_of(l));
    if (year < 0) return -1;
    for (const Line& l : lines)
      for (int k = 0; k < days; ++k) {
        const DayMonth d = wanted[static_cast<std::size_t>(k)];
        if (l.dated && l.date.day == d.day && l.date.month == d.month &&
            year_of(l) == year - before_last[static_cast<std::size_t>(k)])
          return l.offset;
      }
    return -1;
  }

  // The calendar years from the latest one holding the last wanted day to
  // the log's last dated line; -1 when none holds it.
  int BackYears(DayMonth first, int days) const {
    DayMonth last = first;
    for (int k = 1; k < days; ++k) last = DayAfter(last);
    int year = -1;
    for (const Line& l : lines)
      if (l.dated && l.date.day == last.day && l.date.month == last.month)
        year = std::max(year, l.calendar_year);
    return year < 0 ? -1 : lines.back().calendar_year - year;
  }

  const Line* LineAt(std::int64_t offset) const {
    for (const Line& l : lines)
      if (l.offset == offset) return &l;
    return nullptr;
  }
};

// The region starts at a line, never after the first line a scan reports,
// and within a few days' bytes of the first line of the wanted days.
void ExpectRegion(const MadeLog& log, DayMonth first, int days,
                  std::int64_t near) {
  MemoryWindow window(log.bytes);
  const int back = log.BackYears(first, days);
  const LogRegion region =
      FindLogRegion(window, TmailLineDates(), first, days, back < 0 ? 0 : back);
  SCOPED_TRACE(testing::Message()
               << first.day << "/" << first.month << " +" << days);
  ASSERT_TRUE(region.trusted());
  const std::int64_t truth = log.Truth(first, days);
  if (truth < 0) return;
  const std::int64_t made = log.Truth(first, days, true);
  EXPECT_LE(region.start, truth);
  // Where a late line across a new year begins one more year, the scan's
  // day begins after the made one.
  EXPECT_LE(made - region.start, near);
  EXPECT_NE(nullptr, log.LineAt(region.start));
}

TEST(LogRegion, FindsDaysOfTheLatestYearHoldingThem) {
  // From 10 March, two years and a half, 60 lines a day (about 4 kB).
  const MadeLog log(68, 900, 60, 1);
  const std::int64_t near = 4 * 6000 + (128 << 10);
  ExpectRegion(log, {25, 8}, 1, near);  // the day before the last
  ExpectRegion(log, {26, 8}, 1, near);  // the last
  ExpectRegion(log, {20, 8}, 1, near);  // near the end
  ExpectRegion(log, {15, 3}, 1, near);  // the middle of the last year
  ExpectRegion(log, {2, 1}, 1, near);   // its first days
  ExpectRegion(log, {1, 1}, 1, near);
  ExpectRegion(log, {12, 10}, 1, near);  // only in the years before
  ExpectRegion(log, {10, 3}, 1, near);   // the log's first day
  ExpectRegion(log, {28, 2}, 2, near);   // windows across midnight
  ExpectRegion(log, {31, 12}, 2, near);  // and across the new year
  ExpectRegion(log, {26, 8}, 2, near);   // the second day after the log
  ExpectRegion(log, {19, 8}, 7, near);   // a week near the end
  ExpectRegion(log, {1, 3}, 31, near);   // a month of the last year
  ExpectRegion(log, {10, 8}, 31,
               near);  // one the log ends inside: the year before
  ExpectRegion(log, {20, 12}, 31, near);  // one across the new year
  ExpectRegion(log, {27, 8}, 365, near);  // a whole year
}

TEST(LogRegion, GapsAndShortLogs) {
  // The last year lacks 15 March: the year before holds it.
  const MadeLog gap(68, 900, 60, 2, {730 + 73 - 68});
  ExpectRegion(gap, {15, 3}, 1, 4 * 6000 + (128 << 10));
  ExpectRegion(gap, {14, 3}, 2, 4 * 6000 + (128 << 10));
  // Two months: a day outside them is in no year.
  const MadeLog short_log(100, 60, 30, 3);
  ExpectRegion(short_log, {1, 12}, 1, 0);
  ExpectRegion(short_log, {20, 4}, 1, 4 * 3000 + (128 << 10));
}

TEST(LogRegion, SaysWhenItCannotBeTrusted) {
  MemoryWindow empty("");
  EXPECT_EQ(RegionTrust::kNotSeekable,
            FindLogRegion(empty, TmailLineDates(), {1, 1}, 1, 0).trust);
  const std::string undated(300000, 'x');
  MemoryWindow text(undated);
  EXPECT_EQ(RegionTrust::kNoDatedLine,
            FindLogRegion(text, TmailLineDates(), {1, 1}, 1, 0).trust);
  // Dated lines only at the end: a probe further back finds none.
  std::string tail_only(2 << 20, 'x');
  tail_only += "\r\n";
  for (int k = 0; k < 9000; ++k)
    tail_only += "20/05 10:00:00 line of the last day\r\n";
  MemoryWindow sparse(tail_only);
  EXPECT_EQ(RegionTrust::kNoDatedLine,
            FindLogRegion(sparse, TmailLineDates(), {1, 5}, 1, 0).trust);
}

TEST(LogRegion, ReadsAFileAtPositions) {
  const MadeLog log(300, 200, 40, 4);
  testing_support::TempDir dir;
  dir.Write("t-mail.log", log.bytes);
  FileWindow file;
  ASSERT_TRUE(file.Open(dir.File("t-mail.log").c_str()));
  const std::string_view ahead = file.At(0);  // the forward window stays put
  const LogRegion region = FindLogRegion(file, TmailLineDates(), {1, 2}, 1,
                                         log.BackYears({1, 2}, 1));
  ASSERT_TRUE(region.trusted());
  const std::int64_t truth = log.Truth({1, 2}, 1);
  EXPECT_LE(region.start, truth);
  EXPECT_LT(truth - region.start, 4 * 3000 + (128 << 10));
  EXPECT_EQ(log.bytes.substr(0, 100), std::string(ahead.substr(0, 100)));
  EXPECT_EQ(log.bytes.substr(100, 100),
            std::string(file.At(100).substr(0, 100)));
}

}  // namespace
}  // namespace brantlow
