#include "log/session_table.h"

#include <memory>

#include <gtest/gtest.h>

namespace brantlow {
namespace {

TEST(SessionTable, StartsEmptyAndZeroFilled) {
  auto table = std::make_unique<SessionTable>();
  EXPECT_TRUE(table->empty());
  EXPECT_EQ(-1, table->current);
  EXPECT_EQ(0, table->size());
  EXPECT_EQ('\0', table->records[859].kind);
  EXPECT_EQ(0.0f, table->records[0].bytes_sent);
}

TEST(SessionTable, AppendStopsAtTheLastSlot) {
  auto table = std::make_unique<SessionTable>();
  for (int i = 0; i < kMaxSessions; ++i) ASSERT_TRUE(table->Append());
  EXPECT_EQ(kMaxSessions - 1, table->current);
  EXPECT_FALSE(table->Append());
  EXPECT_EQ(kMaxSessions - 1, table->current);
  EXPECT_EQ(&table->records[kMaxSessions - 1], &table->Current());
}

}  // namespace
}  // namespace brantlow
