#include "platform/clock.h"

#include <windows.h>

#include <cstdio>

namespace brantlow {

LocalDate Now() {
  LocalDate date;
  SYSTEMTIME local;
  GetLocalTime(&local);
  date.day = local.wDay;
  date.month = local.wMonth;
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed",
                                   "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr",
                                      "May", "Jun", "Jul", "Aug",
                                      "Sep", "Oct", "Nov", "Dec"};
  std::snprintf(date.text, sizeof date.text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n",
                kDays[local.wDayOfWeek % 7], kMonths[(local.wMonth + 11) % 12],
                local.wDay, local.wHour, local.wMinute, local.wSecond,
                local.wYear);
  return date;
}

}  // namespace brantlow
