#include "base/calendar.h"

#include <cstdio>

#include "base/text_fields.h"

namespace brantlow {

namespace {

// Days of months 1 to 12; 0 for anything else, which has no last day.
int MonthLength(int month) {
  const int kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month >= 1 && month <= 12 ? kLengths[month] : 0;
}

bool IsDigit(std::string_view text, std::size_t i) {
  return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

}  // namespace

std::string DayMonthText(DayMonth date) {
  char text[16];
  std::snprintf(text, sizeof text, "%2.2d.%2.2d", date.day % 100,
                date.month % 100);
  return text;
}

std::string ClockText(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%2.2d:%2.2d", hour % 100, minute % 100);
  return text;
}

DayMonth DayBefore(DayMonth date) {
  if (date.day != 1) return {date.day - 1, date.month};
  switch (date.month) {
    case 1: return {31, 12};
    case 3: return {28, 2};
    case 5:
    case 7:
    case 10:
    case 12: return {30, date.month - 1};
    case 2:
    case 4:
    case 6:
    case 8:
    case 9:
    case 11: return {31, date.month - 1};
    default: return {date.day - 1, date.month};
  }
}

DayMonth DayAfter(DayMonth date) {
  if (date.month == 12 && date.day == 31) return {1, 1};
  int length = MonthLength(date.month);
  if (length != 0 && date.day == length) return {1, date.month + 1};
  return {date.day + 1, date.month};
}

DayMonth DateValue(std::string_view arg, DayMonth today) {
  if (PhraseAt(arg, "auto", 3)) return DayBefore(today);
  DayMonth date;
  date.day = FieldNumber(arg, 3, 2);
  bool two_characters = date.day >= 10 || PhraseAt(arg, "0", 3);
  date.month = FieldNumber(arg, two_characters ? 6 : 5, 2);
  return date;
}

void TimeValue(std::string_view arg, WindowTimes& times) {
  if (PhraseAt(arg, "auto", 3)) {
    times = {0, 0, 23, 59, true};
    return;
  }
  times.start_hour = FieldNumber(arg, 3, 2);
  times.start_minute = FieldNumber(arg, IsDigit(arg, 4) ? 6 : 5, 2);
  std::size_t dash = arg.rfind('-');
  if (dash == std::string_view::npos || dash < 5) return;
  times.end_hour = FieldNumber(arg, dash + 1, 2);
  times.end_minute =
      FieldNumber(arg, IsDigit(arg, dash + 2) ? dash + 4 : dash + 3, 2);
  times.end_given = true;
}

bool ValidDay(DayMonth date) {
  return date.day >= 1 && date.day <= MonthLength(date.month);
}

namespace {

// dd.mm or d.mm from position at; the end of what was read goes to at.
bool DayOfPeriod(std::string_view text, std::size_t& at, DayMonth& date) {
  std::size_t digits = 0;
  while (IsDigit(text, at + digits) && digits < 3) ++digits;
  if (digits < 1 || digits > 2 || at + digits >= text.size() ||
      text[at + digits] != '.')
    return false;
  date.day = FieldNumber(text, at, digits);
  at += digits + 1;
  digits = 0;
  while (IsDigit(text, at + digits) && digits < 3) ++digits;
  if (digits < 1 || digits > 2) return false;
  date.month = FieldNumber(text, at, digits);
  at += digits;
  return ValidDay(date);
}

}  // namespace

bool PeriodValue(std::string_view arg, DayMonth today, Period& period) {
  const std::string_view value = arg.size() > 3 ? arg.substr(3) : "";
  if (value == "week") {
    period.last = DayBefore(today);
    period.first = period.last;
    for (int i = 0; i < 6; ++i) period.first = DayBefore(period.first);
    period.days = 7;
    return ValidDay(period.last);
  }
  if (value == "month") {
    const int month = today.month == 1 ? 12 : today.month - 1;
    period.first = {1, month};
    period.last = {MonthLength(month), month};
    period.days = period.last.day;
    return ValidDay(period.first);
  }
  std::size_t at = 0;
  if (!DayOfPeriod(value, at, period.first) || at >= value.size() ||
      value[at] != '-')
    return false;
  ++at;
  if (!DayOfPeriod(value, at, period.last) || at != value.size()) return false;
  period.days = 1;
  for (DayMonth d = period.first;
       d.day != period.last.day || d.month != period.last.month;
       d = DayAfter(d)) {
    if (++period.days > kMaxPeriodDays) return false;
  }
  return true;
}

}  // namespace brantlow
