// The tariffs of the configured partners and what their calls of the
// window cost.
#ifndef BRANTLOW_LOG_COST_TABLE_H_
#define BRANTLOW_LOG_COST_TABLE_H_

#include <array>
#include <cstddef>
#include <span>

namespace brantlow {

struct CostEntry {
  char name[19];            // the address whose sessions it prices
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

// Which calls the night rates price.
enum class TariffMode {
  kDayOnly,              // no night period: every call at the day rate
  kNightAcrossMidnight,  // the night begins before midnight and ends after
  kNightWithinDay,       // the night lies within one day
};

struct CostTable {
  std::array<CostEntry, kCostEntries> entries{};
  int count = 0;  // entries in use, from the first
  // The night period (NightTime), seconds after midnight; the same start
  // and end mean none.
  float night_start = 0;
  float night_end = 0;

  TariffMode mode() const {
    if (night_start == night_end) return TariffMode::kDayOnly;
    return night_start > night_end ? TariffMode::kNightAcrossMidnight
                                   : TariffMode::kNightWithinDay;
  }
  // Whether a call that starts s seconds after midnight is priced at night.
  bool IsNight(float s) const {
    switch (mode()) {
      case TariffMode::kNightAcrossMidnight:
        return !(night_end < s && s < night_start);
      case TariffMode::kNightWithinDay: return night_start < s && s < night_end;
      case TariffMode::kDayOnly: break;
    }
    return false;
  }

  // A fresh entry at the end; when the table is full, the 32nd again.
  CostEntry& Add() {
    if (count < kCostEntries) ++count;
    CostEntry& entry = entries[static_cast<std::size_t>(count - 1)];
    entry = CostEntry{};
    return entry;
  }
  bool empty() const { return count == 0; }
  // The entries in use.
  std::span<CostEntry> used() { return std::span(entries).first(InUse()); }
  std::span<const CostEntry> used() const {
    return std::span(entries).first(InUse());
  }

 private:
  std::size_t InUse() const { return static_cast<std::size_t>(count); }
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_COST_TABLE_H_
