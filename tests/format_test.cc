// The row writers put numbers together by hand for speed; every such cell
// must be the bytes printf writes for its format.
#include "platform/format.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace brantlow {
namespace {

std::string Printf(const char* format, double value, int width) {
  char text[512];
  std::snprintf(text, sizeof text, format, width, value);
  return text;
}

TEST(Format, CellsAreWhatPrintfWrites) {
  std::mt19937_64 random(25);
  std::vector<double> values = {0.0,
                                -0.0,
                                0.5,
                                1.5,
                                2.5,
                                -2.5,
                                -0.4,
                                0.49999999999999994,
                                4503599627370495.5,
                                9007199254740991.0,
                                9007199254740992.0,
                                1e300,
                                -1e20,
                                std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()};
  for (int i = 0; i < 20000; ++i) {
    const double whole = static_cast<double>(random() % 2000000) - 1000000;
    values.push_back(whole + 0.5);  // the halves, rounded to even
    values.push_back(whole / 8 + static_cast<double>(random() % 1000) / 997);
  }
  for (const double v : values) {
    for (const int width : {0, 6, 8}) {
      std::string cell;
      AppendWhole(cell, v, width);
      EXPECT_EQ(Printf("%*.0f", v, width), cell) << v;
    }
  }
  for (const long long n : {0LL, 7LL, -7LL, 1234567LL, -9223372036854775807LL,
                            9223372036854775807LL}) {
    std::string cell;
    AppendNumber(cell, n, 10);
    char text[64];
    std::snprintf(text, sizeof text, "%10lld", n);
    EXPECT_EQ(text, cell);
  }
  for (const int n : {0, 5, 10, 99, 100, 12345, -3}) {
    std::string cell;
    AppendTwoDigits(cell, n, 2);
    char text[64];
    std::snprintf(text, sizeof text, "%2.2d", n);
    EXPECT_EQ(text, cell);
  }
  std::string left, right;
  AppendText(left, "2:5020/4096", 18, Align::kLeft);
  AppendText(right, "a name longer than its width", 12, Align::kRight);
  EXPECT_EQ("2:5020/4096       ", left);
  EXPECT_EQ("a name longer than its width", right);
}

}  // namespace
}  // namespace brantlow
