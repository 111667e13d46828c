// Calendar steps and the /d= and /t= values of the reading window.
//
// There is no year: February always has 28 days.
#ifndef BRANTLOW_BASE_CALENDAR_H_
#define BRANTLOW_BASE_CALENDAR_H_

#include <string>
#include <string_view>

namespace brantlow {

struct DayMonth {
  int day = 0;
  int month = 0;
  friend bool operator==(DayMonth, DayMonth) = default;
};

DayMonth DayBefore(DayMonth date);
// "dd.mm", as the reports write a day.
std::string DayMonthText(DayMonth date);
// "hh:mm", as the reports write a time of the window.
std::string ClockText(int hour, int minute);
DayMonth DayAfter(DayMonth date);

// The day of a lower-cased "/d=" argument: "auto" gives the day before
// today; otherwise dd.mm or d.mm, the separator not checked.
DayMonth DateValue(std::string_view arg, DayMonth today);

struct WindowTimes {
  int start_hour = 0;
  int start_minute = 0;
  int end_hour = 0;
  int end_minute = 0;
  bool end_given = false;
};

// Reads a lower-cased "/t=" argument into times: "auto" is 00:00 to 23:59;
// otherwise hh:mm-hh:mm with one- or two-character hours. Without a "-" at
// column 5 or later the end is left as it was.
void TimeValue(std::string_view arg, WindowTimes& times);

// A span of whole days, both ends included; the last may lie in the next
// year ("25.12-05.01").
struct Period {
  DayMonth first;
  DayMonth last;
  int days = 0;
};

inline constexpr int kMaxPeriodDays = 366;

// Reads a lower-cased "/p=" argument: "week" is the seven days that end
// yesterday, "month" the previous calendar month, otherwise dd.mm-dd.mm
// (d.mm too). False when it names no valid first or last day.
bool PeriodValue(std::string_view arg, DayMonth today, Period& period);

// Whether the day is one a calendar without leap years has.
bool ValidDay(DayMonth date);

}  // namespace brantlow

#endif  // BRANTLOW_BASE_CALENDAR_H_
