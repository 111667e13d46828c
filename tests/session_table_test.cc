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
  EXPECT_EQ(1199, table.newest());
  EXPECT_EQ(kIncoming, table[1199].kind);
  // A merge drops the newest record; the next Append is zero-filled again.
  table.Current().kind = kOutgoing;
  table.DropNewest();
  table.Append();
  EXPECT_EQ(1199, table.newest());
  EXPECT_EQ('\0', table.Current().kind);
  table.Clear();
  EXPECT_TRUE(table.empty());
  table.Append();
  EXPECT_EQ('\0', table.Current().kind);
  EXPECT_EQ(0.0f, table.Current().bytes_sent);
}

}  // namespace
}  // namespace brantlow
