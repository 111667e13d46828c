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

Date DateBefore(Date date) {
  const DayMonth d = DayBefore(date.day_month());
  return {d.day, d.month, date.year - (date.day == 1 && date.month == 1)};
}

Date DateAfter(Date date) {
  const DayMonth d = DayAfter(date.day_month());
  return {d.day, d.month, date.year + (d.day == 1 && d.month == 1)};
}

bool Earlier(Date a, Date b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day < b.day;
}

int LatestYear(DayMonth date, Date limit) {
  return Earlier(limit, {date.day, date.month, limit.year}) ? limit.year - 1
                                                            : limit.year;
}

std::string TitleDateText(Date date, Date today) {
  return date.year == today.year ? DayMonthText(date.day_month())
                                 : FullDateText(date);
}

std::string FullDateText(Date date) {
  char year[16];
  std::snprintf(year, sizeof year, ".%4.4d", date.year % 10000);
  return DayMonthText(date.day_month()) + year;
}

std::string IsoDateText(Date date) {
  char text[32];
  std::snprintf(text, sizeof text, "%4.4d-%2.2d-%2.2d", date.year % 10000,
                date.month % 100, date.day % 100);
  return text;
}

namespace {

// The four digits of a year after a '.' at at; 0 for anything else.
int YearAt(std::string_view text, std::size_t at) {
  if (at >= text.size() || text[at] != '.') return 0;
  for (std::size_t i = 1; i <= 4; ++i)
    if (!IsDigit(text, at + i)) return 0;
  return FieldNumber(text, at + 1, 4);
}

}  // namespace

Date DateValue(std::string_view arg, Date today) {
  if (PhraseAt(arg, "auto", 3)) return DateBefore(today);
  Date date;
  date.day = FieldNumber(arg, 3, 2);
  bool two_characters = date.day >= 10 || PhraseAt(arg, "0", 3);
  const std::size_t month_at = two_characters ? 6 : 5;
  date.month = FieldNumber(arg, month_at, 2);
  const std::size_t year_at = month_at + 2;
  if (year_at < arg.size() && arg[year_at] == '.') {
    date.year = YearAt(arg, year_at);
    if (date.year == 0 || year_at + 5 != arg.size()) date.day = 0;
    return date;
  }
  date.year = LatestYear(date.day_month(), DateAfter(today));
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

// dd.mm or d.mm from position at, with its year when one follows; the end
// of what was read goes to at.
bool DayOfPeriod(std::string_view text, std::size_t& at, DayMonth& date,
                 int& year) {
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
  year = 0;
  if (at < text.size() && text[at] == '.') {
    year = YearAt(text, at);
    if (year == 0) return false;
    at += 5;
  }
  return ValidDay(date);
}

// The days from first to last, both included; 0 when last lies before
// first or more than limit days on.
int DaysFromTo(Date first, Date last, int limit) {
  int days = 1;
  for (Date d = first; Earlier(d, last); d = DateAfter(d))
    if (++days > limit) return 0;
  return Earlier(last, first) ? 0 : days;
}

// The period of the last days days that end on last.
Period Ending(Date last, int days) {
  Date first = last;
  for (int i = 1; i < days; ++i) first = DateBefore(first);
  return {first.day_month(), last.day_month(), days, first.year, last.year};
}

}  // namespace

bool PeriodValue(std::string_view arg, Date today, Period& period) {
  const std::string_view value = arg.size() > 3 ? arg.substr(3) : "";
  if (value == "week") {
    period = Ending(DateBefore(today), 7);
    return ValidDay(period.last);
  }
  if (value == "month") {
    Date last = {1, today.month, today.year};
    last = DateBefore(last);
    period = Ending(last, last.day);
    return ValidDay(period.first);
  }
  std::size_t at = 0;
  int first_year = 0;
  int last_year = 0;
  if (!DayOfPeriod(value, at, period.first, first_year) || at >= value.size() ||
      value[at] != '-')
    return false;
  ++at;
  if (!DayOfPeriod(value, at, period.last, last_year) || at != value.size())
    return false;
  if (first_year == 0) {
    if (last_year != 0) return false;
    first_year = LatestYear(period.first, DateAfter(today));
  }
  const Date first{period.first.day, period.first.month, first_year};
  if (last_year == 0) {
    last_year = first_year;
    if (Earlier({period.last.day, period.last.month, last_year}, first))
      ++last_year;
  }
  period.days = DaysFromTo(
      first, {period.last.day, period.last.month, last_year}, kMaxPeriodDays);
  period.first_year = first_year;
  period.last_year = last_year;
  return period.days > 0;
}

}  // namespace brantlow
