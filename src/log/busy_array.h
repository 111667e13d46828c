// Seconds of line use in each half hour of the day, behind the histogram.
#ifndef BRANTLOW_LOG_BUSY_ARRAY_H_
#define BRANTLOW_LOG_BUSY_ARRAY_H_

#include <array>

#include "log/session_table.h"

namespace brantlow {

inline constexpr int kHalfHours = 48;
// Element k covers the half hour ending (k + 1) × 1800 s after midnight.
using BusyArray = std::array<int, kHalfHours>;

// Walks a half-hour cursor over the day; a session longer than its half
// hour moves the cursor along and fills the half hours it spans that
// nothing else was counted in.
void FillBusyArray(const SessionTable& table, BusyArray& busy);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_BUSY_ARRAY_H_
