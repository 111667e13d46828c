#include "log/session_table.h"

#include <gtest/gtest.h>

namespace brantlow {
namespace {

TEST(SessionTable, GrowsPastTheOldLimitAndReusesAFreedSlot) {
  SessionTable table;
  EXPECT_TRUE(table.empty());
  EXPECT_EQ(0, table.size());
  for (int i = 0; i < 1200; ++i) {
    table.Append();
    EXPECT_EQ('\0', table.Current().kind);
    table.Current().kind = kIncoming;
  }
  EXPECT_EQ(1199, table.current);
  EXPECT_EQ(kIncoming, table[1199].kind);
  // A merge clears the newest record and steps back; the next Append
  // takes the cleared slot.
  table.Current() = SessionRecord{};
  --table.current;
  table.Append();
  EXPECT_EQ(1199, table.current);
  EXPECT_EQ('\0', table.Current().kind);
  table.Clear();
  EXPECT_TRUE(table.empty());
  table.Append();
  EXPECT_EQ('\0', table.Current().kind);
  EXPECT_EQ(0.0f, table.Current().bytes_sent);
}

}  // namespace
}  // namespace brantlow
