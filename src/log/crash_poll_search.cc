#include "log/crash_poll_search.h"

#include <array>

#include "log/text_fields.h"

namespace brantlow {

namespace {

double Hour(std::string_view time) { return FieldReal(time, 0, 2); }

}  // namespace

namespace {

// The numbers of an h:m:s text written without leading zeros, as the end
// given to a session still open when the window closes (8:5:59); false for
// any other text.
bool UnpaddedTime(std::string_view time, int (&parts)[3]) {
  std::size_t i = 0;
  for (int k = 0; k < 3; ++k) {
    std::size_t digits = 0;
    parts[k] = 0;
    while (i < time.size() && time[i] >= '0' && time[i] <= '9' && digits < 2) {
      parts[k] = parts[k] * 10 + (time[i++] - '0');
      ++digits;
    }
    if (digits == 0) return false;
    if (k < 2 && (i >= time.size() || time[i++] != ':')) return false;
  }
  return i == time.size();
}

}  // namespace

double TimeSeconds(std::string_view time) {
  int parts[3];
  const bool padded = time.size() >= 6 && time[2] == ':' && time[5] == ':';
  if (!padded && UnpaddedTime(time, parts))
    return parts[0] * 3600.0 + parts[1] * 60.0 + parts[2];
  return FieldReal(time, 0, 2) * 3600 + FieldReal(time, 3, 2) * 60 +
         FieldReal(time, 6, 2);
}

void SearchCrashPolls(SessionTable& table, int period, bool midnight,
                      bool any_kind) {
  if (table.current == -1) table.current = 0;
  table[0].crash_mark = ' ';
  if (period > 0)
    for (int i = 1; i <= table.current; ++i) table[i].crash_mark = ' ';

  // Start times never change here: convert them once.
  static std::array<double, kMaxSessions> start_seconds;
  static std::array<double, kMaxSessions> start_hour;
  for (int i = 0; i <= table.current; ++i) {
    start_seconds[static_cast<std::size_t>(i)] = TimeSeconds(FieldText(table[i].start_time));
    start_hour[static_cast<std::size_t>(i)] = Hour(FieldText(table[i].start_time));
  }

  for (int i = 0; i <= table.current; ++i) {
    SessionRecord& record = table[i];
    if (FieldText(record.start_time).size() > 4 &&
        FieldText(record.end_time).size() < 4) {
      CopyField(record.end_time, FieldText(record.start_time));
      record.kind = kNoEnd;
    }
    const double start = start_seconds[static_cast<std::size_t>(i)];
    const double end = TimeSeconds(FieldText(record.end_time));
    const double end_hour = Hour(FieldText(record.end_time));
    if (end_hour < start_hour[static_cast<std::size_t>(i)] && midnight)
      record.duration = static_cast<float>(end + 86400 - start);
    else
      record.duration = static_cast<float>(end - start);

    if (period <= 0) continue;
    for (int j = i + 1; j <= table.current; ++j) {
      SessionRecord& later = table[j];
      double later_start = start_seconds[static_cast<std::size_t>(j)];
      if (end_hour > start_hour[static_cast<std::size_t>(j)]) later_start += 86400;
      if (later_start - end > period) continue;
      if (FieldText(later.name) != FieldText(record.name)) continue;
      if (!any_kind && (record.kind != kIncoming || later.kind != kIncoming))
        continue;
      later.crash_mark = '!';
    }
  }
}

}  // namespace brantlow
