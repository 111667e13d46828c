// Calendar steps and the /d= and /t= values of the reading window.
//
// February always has 28 days: mailer logs write no year, so a 29 February
// could not be told from the one of another year.
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

// A day of a known year, as the days asked for are.
struct Date {
  int day = 0;
  int month = 0;
  int year = 0;

  DayMonth day_month() const { return {day, month}; }
};

DayMonth DayBefore(DayMonth date);
// "dd.mm", as the reports write a day.
std::string DayMonthText(DayMonth date);
// "hh:mm", as the reports write a time of the window.
std::string ClockText(int hour, int minute);
DayMonth DayAfter(DayMonth date);

Date DateBefore(Date date);
Date DateAfter(Date date);
// Whether a lies before b.
bool Earlier(Date a, Date b);

// The year that makes the day the latest one not after limit: a day
// written without a year is the last such day up to tomorrow, so that a
// station clock a little ahead still reads as this year.
int LatestYear(DayMonth date, Date limit);

// The date as a report's title writes it: "dd.mm" in the year of today,
// "dd.mm.yyyy" in any other.
std::string TitleDateText(Date date, Date today);
// "dd.mm.yyyy", as the web page writes a date.
std::string FullDateText(Date date);
// "yyyy-mm-dd", as files for scripts write a date.
std::string IsoDateText(Date date);

// The day of a lower-cased "/d=" argument: "auto" gives the day before
// today; dd.mm or d.mm (the separator not checked) the latest such day not
// after tomorrow; dd.mm.yyyy names its year. A year that is not four
// digits gives a day of 0.
Date DateValue(std::string_view arg, Date today);

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
  int first_year = 0;
  int last_year = 0;

  Date FirstDate() const { return {first.day, first.month, first_year}; }
  Date LastDate() const { return {last.day, last.month, last_year}; }
};

// A day and month stand at most once in a period.
inline constexpr int kMaxPeriodDays = 365;

// Reads a lower-cased "/p=" argument: "week" is the seven days that end
// yesterday, "month" the previous calendar month, otherwise dd.mm-dd.mm
// (d.mm too): the first day the latest such day not after tomorrow, the
// last the first such day on or after it; dd.mm.yyyy-dd.mm.yyyy names the
// years (the first's year alone is taken too). False when it names no
// valid first or last day, or more days than a year has.
bool PeriodValue(std::string_view arg, Date today, Period& period);

// Whether the day is one a calendar without leap years has.
bool ValidDay(DayMonth date);

}  // namespace brantlow

#endif  // BRANTLOW_BASE_CALENDAR_H_
