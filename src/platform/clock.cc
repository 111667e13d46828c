#include "platform/clock.h"

#include <cstdio>

namespace brantlow {

LocalDate LocalDateOf(int year, int month, int day, int weekday, int hour,
                      int minute, int second) {
  const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  LocalDate date;
  date.day = day;
  date.month = month;
  date.year = year;
  std::snprintf(date.text, sizeof date.text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n",
                kDays[((weekday % 7) + 7) % 7],
                kMonthAbbreviations[((month + 11) % 12 + 12) % 12], day, hour,
                minute, second, year);
  return date;
}

}  // namespace brantlow
