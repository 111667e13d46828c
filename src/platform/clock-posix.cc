#include "platform/clock.h"

#include <cstdio>
#include <ctime>

namespace brantlow {

LocalDate Now() {
  LocalDate date;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return date;
  date.day = local.tm_mday;
  date.month = local.tm_mon + 1;
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed",
                                   "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr",
                                      "May", "Jun", "Jul", "Aug",
                                      "Sep", "Oct", "Nov", "Dec"};
  std::snprintf(date.text, sizeof date.text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n",
                kDays[local.tm_wday % 7], kMonths[local.tm_mon % 12],
                local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                local.tm_year + 1900);
  return date;
}

}  // namespace brantlow
