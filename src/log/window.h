// The reading window of a run: a day from a start to an end time, or,
// when the start is later than the end, the evening of one day and the
// morning of the next. Built once from the settings; every step that
// reads or names the window takes it.
#ifndef BRANTLOW_LOG_WINDOW_H_
#define BRANTLOW_LOG_WINDOW_H_

#include "base/calendar.h"

namespace brantlow {

// One day of the window, as the line test sees it; seconds are never
// examined.
struct WindowDay {
  int day = 0;
  int month = 0;
  int start_hour = 0;
  int start_minute = 0;
  int end_hour = 23;
  int end_minute = 59;
};

struct Window {
  DayMonth first;   // the day the window begins on
  DayMonth second;  // the day after it, where a midnight window ends
  int start_hour = 0;
  int start_minute = 0;
  int end_hour = 23;
  int end_minute = 59;
  bool crosses_midnight = false;
  int year = 0;  // of the first day
  // The run's day: the log's last line lies in the latest year that puts
  // it not after the day after.
  Date today;

  Date FirstDate() const { return {first.day, first.month, year}; }
  Date SecondDate() const {
    return {second.day, second.month,
            year + (second.day == 1 && second.month == 1)};
  }

  int day_count() const { return crosses_midnight ? 2 : 1; }

  // Day 0 is the first day (to 23:59 when the window crosses midnight),
  // day 1 the morning after.
  WindowDay Day(int k) const {
    if (!crosses_midnight)
      return {first.day,    first.month, start_hour,
              start_minute, end_hour,    end_minute};
    if (k == 0)
      return {first.day, first.month, start_hour, start_minute, 23, 59};
    return {second.day, second.month, 0, 0, end_hour, end_minute};
  }
};

inline Window MakeWindow(Date date, const WindowTimes& times, Date today) {
  Window w;
  w.first = date.day_month();
  w.second = DayAfter(w.first);
  w.year = date.year;
  w.today = today;
  w.start_hour = times.start_hour;
  w.start_minute = times.start_minute;
  w.end_hour = times.end_hour;
  w.end_minute = times.end_minute;
  w.crosses_midnight = times.start_hour > times.end_hour;
  return w;
}

}  // namespace brantlow

#endif  // BRANTLOW_LOG_WINDOW_H_
