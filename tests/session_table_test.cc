#include "log/session_table.h"

#include <string>
#include <string_view>

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
  // Texts set on records read back whole, cut to their room, up to a NUL;
  // a text many records repeat is shared, and setting one again leaves
  // the others as they were, through a Clear too.
  for (int i = 0; i < 3; ++i) {
    table.SetConnect(table[i], std::string(40, 'c') + std::to_string(i));
    table.SetMailer(table[i], "T-Mail/2608.NT");
  }
  table.SetMailer(table[1], std::string_view("Bink\0hidden", 11));
  EXPECT_EQ("T-Mail/2608.NT", table.Mailer(table[0]));
  EXPECT_EQ("Bink", table.Mailer(table[1]));
  EXPECT_EQ("T-Mail/2608.NT", table.Mailer(table[2]));
  EXPECT_EQ(std::string(28, 'c'), table.Connect(table[2]));
  table.Clear();
  EXPECT_TRUE(table.empty());
  table.Append();
  EXPECT_EQ('\0', table.Current().kind);
  EXPECT_EQ(0.0f, table.Current().bytes_sent);
  EXPECT_EQ("", table.Mailer(table.Current()));
  table.SetMailer(table.Current(), "T-Mail/2608.NT");
  EXPECT_EQ("T-Mail/2608.NT", table.Mailer(table.Current()));
}

}  // namespace
}  // namespace brantlow
