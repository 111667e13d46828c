#include "reports/busy_histogram.h"

#include <gtest/gtest.h>

#include "platform/cp866.h"

namespace brantlow {
namespace {

// Each of the 17 row lines, top row first, and the rest of the file.
struct Chart {
  std::string rows[17];
  std::string rest;
};

Chart Draw(const BusyArray& busy) {
  MemoryOutput out;
  WriteBusyHistogram(busy, out);
  const std::string& text = out.bytes();
  Chart chart;
  std::size_t at = 0;
  for (std::string& row : chart.rows) {
    EXPECT_EQ(0u, text.compare(at, 2, "\r\n"));
    at += 2;
    std::size_t end = text.find("\r\n", at);
    row = text.substr(at, end - at);
    at = end;
  }
  chart.rest = text.substr(at);
  return chart;
}

TEST(BusyHistogram, EmptyChartAndAxis) {
  Chart chart = Draw(BusyArray{});
  EXPECT_EQ(std::string(CP866("100%─┬")) + std::string(48, ' '), chart.rows[0]);
  EXPECT_EQ(std::string(CP866(" 75%─┼")) + std::string(48, ' '), chart.rows[4]);
  EXPECT_EQ(std::string(CP866(" 50%─┼")) + std::string(48, ' '), chart.rows[8]);
  EXPECT_EQ(std::string(CP866(" 25%─┼")) + std::string(48, ' '),
            chart.rows[12]);
  EXPECT_EQ(std::string(CP866("     │")) + std::string(48, ' '),
            chart.rows[16]);
  std::string axis = "\r\n     \xC5";
  for (int i = 0; i < 24; ++i) axis += "\xC4\xC2";
  axis += "\r\n     0   2   4   6   8  10  12  14  16  18  20  22  24\r\n";
  EXPECT_EQ(axis, chart.rest);
}

TEST(BusyHistogram, ColumnHeights) {
  BusyArray busy{};
  busy[0] = 17;    // nothing
  busy[1] = 18;    // the bottom row only
  busy[2] = 900;   // rows 0 to 8
  busy[3] = 1800;  // every row
  busy[4] = 5000;  // every row, nothing more
  busy[5] = -600;  // nothing
  Chart chart = Draw(busy);
  auto cell = [&](int n, int k) {
    const std::string& row = chart.rows[16 - n];
    // Every label is six characters, so the columns stand under the axis.
    return row[6 + static_cast<std::size_t>(k)];
  };
  for (int n = 0; n <= 16; ++n) {
    EXPECT_EQ(' ', cell(n, 0)) << n;
    EXPECT_EQ(n == 0 ? '\xB2' : ' ', cell(n, 1)) << n;
    EXPECT_EQ(n <= 8 ? '\xB2' : ' ', cell(n, 2)) << n;
    EXPECT_EQ('\xB2', cell(n, 3)) << n;
    EXPECT_EQ('\xB2', cell(n, 4)) << n;
    EXPECT_EQ(' ', cell(n, 5)) << n;
  }
}

}  // namespace
}  // namespace brantlow
