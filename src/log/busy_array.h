// Seconds of line use in each half hour of the day, behind the histogram.
#ifndef BRANTLOW_LOG_BUSY_ARRAY_H_
#define BRANTLOW_LOG_BUSY_ARRAY_H_

#include <array>
#include <span>
#include <vector>

#include "log/session_table.h"
#include "log/window.h"

namespace brantlow {

inline constexpr int kHalfHours = 48;
// Element k covers the half hour ending (k + 1) × 1800 s after midnight.
using BusyArray = std::array<int, kHalfHours>;

// A time on line, in seconds from the midnight that begins the window's
// first day.
struct BusySpan {
  double start = 0;
  double end = 0;
};

// Every session's time on line: from its start to its end, an end before
// the start lying on the next day; a start before a midnight window's
// start lies on its second day.
std::vector<BusySpan> SessionSpans(const SessionTable& table,
                                   const Window& window);

// Each half hour of the window gets the seconds in it during which the
// line was in use by a session of spans (the table's, SessionSpans) or by
// one of earlier (the tails of sessions that began before the window);
// time outside the window counts nowhere, and time covered twice counts
// once, so no value lies below 0 or above 1800.
void FillBusyArray(std::vector<BusySpan> spans, const Window& window,
                   std::span<const BusySpan> earlier, BusyArray& busy);

// The time on line of sessions read from the lines before the window:
// those that began on its first day before its start, and those of the
// day before, which lie a day back.
std::vector<BusySpan> EarlierSpans(const SessionTable& table,
                                   const Window& window);

// The parts of spans after day_end seconds, counted from there: a day's
// sessions past its midnight are the next day's tails.
std::vector<BusySpan> SpansAfter(std::span<const BusySpan> spans,
                                 double day_end);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_BUSY_ARRAY_H_
