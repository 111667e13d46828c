// The tariffs of the configured partners and what their calls of the
// window cost.
#ifndef BRANTLOW_LOG_COST_TABLE_H_
#define BRANTLOW_LOG_COST_TABLE_H_

#include <array>

namespace brantlow {

struct CostEntry {
  char name[19];  // the address whose sessions it prices
  float incoming_day_rate;  // per minute
  float incoming_night_rate;
  float outgoing_day_rate;
  float outgoing_night_rate;
  float incoming_cost;  // accumulators
  float outgoing_cost;
  float incoming_time;  // seconds
  float outgoing_time;
  float add_on;  // seconds added to every priced session
};

inline constexpr int kCostEntries = 32;

struct CostTable {
  std::array<CostEntry, kCostEntries> entries{};
  int last = -1;  // index of the last entry; -1 while there is none

  // A fresh entry at the end; when the table is full, the 32nd again.
  CostEntry& Add() {
    if (last < kCostEntries - 1) ++last;
    CostEntry& entry = entries[static_cast<std::size_t>(last)];
    entry = CostEntry{};
    return entry;
  }
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_COST_TABLE_H_
