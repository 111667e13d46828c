#include "reports/link_health.h"

#include <gtest/gtest.h>

namespace brantlow {
namespace {

SessionStart At(int day, int hour, int minute) {
  return {{day, 3}, hour * 3600 + minute * 60};
}

// Two lines of one station over the same window across midnight: a link
// both reached is one row whose counts, hours, last session and longest
// gap are those of the two lines' sessions taken together.
TEST(LinkHealth, TwoLinesAddUpToOneRowPerLink) {
  const Window window =
      MakeWindow({14, 3, 2026}, {22, 0, 6, 0, true}, {16, 3, 2026});
  LinkEvents first;
  first["2:5020/1234"].calls = 2;
  first["2:5020/1234"].connected = 1;
  first["2:5020/1234"].failed[Slot(CallFailure::kBusy)] = 1;
  first["2:5020/1234"].good = {At(14, 22, 30)};
  LinkEvents second;
  second["2:5020/1234"].incoming = 1;
  second["2:5020/1234"].good = {At(15, 5, 15)};
  second["2:463/68"].calls = 1;
  second["2:463/68"].failed[Slot(CallFailure::kRefused)] = 1;

  LinkHealth station = EmptyLinkHealth(window);
  AddLinkEvents(station, first, WindowPlace(window));
  LinkHealth other = EmptyLinkHealth(window);
  AddLinkEvents(other, second, WindowPlace(window));
  AddLinkHealth(station, other);
  FinishLinks(station, std::vector<std::string>{"2:5030/77"});

  // 22:00 to 06:00 and its last minute: 481 minutes.
  ASSERT_EQ(481, station.minutes);
  ASSERT_EQ(3u, station.links.size());
  const LinkFigures& net463 = station.links[0];
  const LinkFigures& both = station.links[1];
  const LinkFigures& silent = station.links[2];
  EXPECT_EQ("2:463/68", net463.address);
  EXPECT_EQ(1, net463.failed[Slot(CallFailure::kRefused)]);
  EXPECT_EQ(481, net463.longest_gap);
  EXPECT_EQ("2:5020/1234", both.address);
  EXPECT_EQ(2, both.calls);
  EXPECT_EQ(1, both.connected);
  EXPECT_EQ(1, both.failed[Slot(CallFailure::kBusy)]);
  EXPECT_EQ(1, both.incoming);
  EXPECT_EQ(2, both.good);
  EXPECT_EQ(1, both.hours[22]);
  EXPECT_EQ(1, both.hours[5]);
  ASSERT_TRUE(both.last_good);
  EXPECT_EQ(15, both.last_good->date.day);
  // 22:30 is 30 minutes in, 05:15 is 435: the gap between them, 405.
  EXPECT_EQ(405, both.longest_gap);
  EXPECT_FALSE(both.silent());
  EXPECT_EQ("2:5030/77", silent.address);
  EXPECT_TRUE(silent.silent());
  EXPECT_EQ("08:01", GapText(silent.longest_gap));
}

}  // namespace
}  // namespace brantlow
