#include "log/log_history.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "maintenance/line_history.h"

namespace brantlow {
namespace {

SourceDays Survey(const std::string& bytes, int first_year) {
  MemoryWindow window(bytes);
  SourceDays days = SurveyDays(window, TmailDialect());
  days.SetFirstYear(first_year);
  return days;
}

// A part of 27/02 to 01/03 (with a 29/02 line, which the calendar steps
// over) and an older rotated log of 25/02 to 02/03 that overlaps it: each
// day from one source, the part first, 29/02 with the part's 28/02, the
// rotated log only where the part holds nothing.
TEST(LogHistoryTest, EachDayComesFromTheFirstSourceThatHoldsIt) {
  const std::string part =
      "27/02 10:00:00 a\n28/02 10:00:00 b\n29/02 10:00:00 c\n"
      "01/03 10:00:00 d\n";
  const std::string rotated =
      "header\n25/02 09:00:00 e\n26/02 09:00:00 f\n27/02 09:00:00 g\n"
      "02/03 09:00:00 h";
  const std::vector<SourceDays> sources{Survey(part, 2024),
                                        Survey(rotated, 2024)};
  const std::vector<SourceSegment> segments =
      ChooseSegments({2024, {25, 2}}, {2024, {2, 3}}, sources);
  ASSERT_EQ(3u, segments.size());
  EXPECT_EQ(1u, segments[0].source);  // 25/02-26/02, with its header
  EXPECT_EQ(0, segments[0].begin);
  EXPECT_EQ(0u, segments[1].source);  // 27/02-01/03, 29/02 included
  EXPECT_EQ(0, segments[1].begin);
  EXPECT_EQ(static_cast<std::int64_t>(part.size()), segments[1].end);
  EXPECT_EQ(1u, segments[2].source);  // 02/03, its last line unended

  // The chain reads them in order, then the log, each line whole.
  const std::string log = "03/03 08:00:00 i\n";
  MemoryWindow log_window(log);
  const std::string* bytes[] = {&part, &rotated};
  SourceChain chain(
      segments,
      [&](std::size_t i) { return std::make_unique<MemoryWindow>(*bytes[i]); },
      log_window);
  std::string read;
  for (std::string_view v; !(v = chain.At(read.size())).empty();)
    read.append(v.substr(0, 7));
  EXPECT_EQ("header\n25/02 09:00:00 e\n26/02 09:00:00 f\n" + part +
                "02/03 09:00:00 h\n" + log,
            read);
  EXPECT_TRUE(chain.failures().empty());
}

TEST(LogHistoryTest, PartNamesGiveTheirDaysLineAndYear) {
  const auto plain = ReadPartName("01112111.26");
  ASSERT_TRUE(plain);
  EXPECT_EQ(1, plain->first.day);
  EXPECT_EQ(11, plain->first.month);
  EXPECT_EQ(21, plain->last.day);
  EXPECT_EQ(11, plain->last.month);
  EXPECT_EQ(26, plain->year_digits);
  EXPECT_EQ(0, plain->line);
  const auto line = ReadPartName("01112111-7~2.26");
  ASSERT_TRUE(line);
  EXPECT_EQ(7, line->line);
  EXPECT_FALSE(ReadPartName("0111211.26"));
  EXPECT_FALSE(ReadPartName("01112111-x.26"));
  EXPECT_FALSE(ReadPartName("01132111.26"));
  EXPECT_FALSE(ReadPartName("logpack.zip"));
}

}  // namespace
}  // namespace brantlow
