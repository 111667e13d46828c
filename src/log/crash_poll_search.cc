#include "log/crash_poll_search.h"

#include <vector>

#include "base/text_fields.h"
#include "base/time_of_day.h"

namespace brantlow {

namespace {

double Hour(std::string_view time) { return FieldReal(time, 0, 2); }

// A record's duration; one without an end ends where it began, with no
// end (kind "?"). An end before the start lies on the next day: a session
// is counted whole, across midnight too.
void SetDuration(SessionRecord& record, double start) {
  if (FieldText(record.start_time).size() > 4 &&
      FieldText(record.end_time).size() < 4) {
    CopyField(record.end_time, FieldText(record.start_time));
    record.kind = kNoEnd;
  }
  const double end = TimeSeconds(FieldText(record.end_time));
  record.duration = end < start ? end + 86400 - start : end - start;
}

}  // namespace

void SearchCrashPolls(SessionTable& table, int period, bool any_kind) {
  if (table.empty()) table.Append();
  table[0].crash_mark = ' ';
  // Without a period only the durations are wanted.
  if (period <= 0) {
    for (SessionRecord& record : table)
      SetDuration(record, TimeSeconds(FieldText(record.start_time)));
    return;
  }
  for (int i = 1; i < table.size(); ++i) table[i].crash_mark = ' ';

  // Start times never change here: convert them once.
  std::vector<double> start_seconds(static_cast<std::size_t>(table.size()));
  std::vector<double> start_hour(static_cast<std::size_t>(table.size()));
  for (int i = 0; i < table.size(); ++i) {
    start_seconds[static_cast<std::size_t>(i)] =
        TimeSeconds(FieldText(table[i].start_time));
    start_hour[static_cast<std::size_t>(i)] =
        Hour(FieldText(table[i].start_time));
  }

  for (int i = 0; i < table.size(); ++i) {
    SessionRecord& record = table[i];
    SetDuration(record, start_seconds[static_cast<std::size_t>(i)]);
    const double end = TimeSeconds(FieldText(record.end_time));
    const double end_hour = Hour(FieldText(record.end_time));
    for (int j = i + 1; j < table.size(); ++j) {
      SessionRecord& later = table[j];
      double later_start = start_seconds[static_cast<std::size_t>(j)];
      if (end_hour > start_hour[static_cast<std::size_t>(j)])
        later_start += 86400;
      if (later_start - end > period) continue;
      if (FieldText(later.name) != FieldText(record.name)) continue;
      if (!any_kind && (record.kind != kIncoming || later.kind != kIncoming))
        continue;
      later.crash_mark = '!';
    }
  }
}

}  // namespace brantlow
