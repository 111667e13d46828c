#include "log/busy_array.h"

#include <algorithm>

#include "base/text_fields.h"
#include "base/time_of_day.h"

namespace brantlow {

namespace {

constexpr double kDay = 86400;
constexpr double kHalfHour = 1800;

double WindowStart(const Window& w) {
  return w.start_hour * 3600.0 + w.start_minute * 60.0;
}

// The window's last minute is inside it, to its last second.
double WindowEnd(const Window& w) {
  return (w.crosses_midnight ? kDay : 0) + w.end_hour * 3600.0 +
         w.end_minute * 60.0 + 60;
}

// Adds the seconds from start to end to the half hours they fall in.
void Spread(double start, double end, BusyArray& busy) {
  while (start < end) {
    const double boundary =
        (static_cast<long long>(start / kHalfHour) + 1) * kHalfHour;
    const double until = std::min(end, boundary);
    const auto k = static_cast<std::size_t>(
        static_cast<long long>(start / kHalfHour) % kHalfHours);
    busy[k] += static_cast<int>(until - start);
    start = until;
  }
}

}  // namespace

std::vector<BusySpan> SessionSpans(const SessionTable& table,
                                   const Window& window) {
  std::vector<BusySpan> spans;
  spans.reserve(static_cast<std::size_t>(table.size()));
  const double window_start = WindowStart(window);
  for (const SessionRecord& record : table) {
    const std::string_view start_text = FieldText(record.start_time);
    const std::string_view end_text = FieldText(record.end_time);
    if (start_text.size() < 5 || end_text.size() < 5) continue;
    double start = TimeSeconds(start_text);
    if (window.crosses_midnight && start < window_start) start += kDay;
    const double start_of_day = start >= kDay ? start - kDay : start;
    double end = TimeSeconds(end_text);
    end += end < start_of_day ? kDay : 0;
    spans.push_back({start, end + (start - start_of_day)});
  }
  return spans;
}

std::vector<BusySpan> EarlierSpans(const SessionTable& table,
                                   const Window& window) {
  const double window_start = WindowStart(window);
  std::vector<BusySpan> spans;
  for (const BusySpan& span : SessionSpans(table, Window{}))
    spans.push_back(span.start < window_start
                        ? span
                        : BusySpan{span.start - kDay, span.end - kDay});
  return spans;
}

void FillBusyArray(std::vector<BusySpan> spans, const Window& window,
                   std::span<const BusySpan> earlier, BusyArray& busy) {
  // In start order; the union of the spans alone counts, so equal starts
  // may come in any order. A log's own spans mostly are in order already.
  auto by_start = [](const BusySpan& a, const BusySpan& b) {
    return a.start < b.start;
  };
  if (!std::is_sorted(spans.begin(), spans.end(), by_start))
    std::sort(spans.begin(), spans.end(), by_start);
  std::vector<BusySpan> before(earlier.begin(), earlier.end());
  std::sort(before.begin(), before.end(), by_start);
  const double window_start = WindowStart(window);
  const double window_end = WindowEnd(window);
  // Covered up to here already: overlapping time counts once.
  double covered = window_start;
  auto take = [&](const BusySpan& span) {
    const double from = std::max(span.start, covered);
    const double to = std::min(span.end, window_end);
    if (to <= from) return;
    Spread(from, to, busy);
    covered = to;
  };
  // The two lists merged as they are taken.
  std::size_t i = 0, j = 0;
  while (i < spans.size() || j < before.size())
    if (j == before.size() ||
        (i < spans.size() && !by_start(before[j], spans[i])))
      take(spans[i++]);
    else
      take(before[j++]);
}

std::vector<BusySpan> SpansAfter(std::span<const BusySpan> spans,
                                 double day_end) {
  std::vector<BusySpan> after;
  for (const BusySpan& span : spans)
    if (span.end > day_end)
      after.push_back(
          {std::max(span.start, day_end) - day_end, span.end - day_end});
  return after;
}

}  // namespace brantlow
