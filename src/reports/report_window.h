// The reading window as the reports name it in their titles.
#ifndef BRANTLOW_REPORTS_REPORT_WINDOW_H_
#define BRANTLOW_REPORTS_REPORT_WINDOW_H_

#include "base/calendar.h"

namespace brantlow {

struct ReportWindow {
  bool midnight = false;  // the window crosses midnight
  DayMonth start;
  DayMonth second;  // the day after start, used when midnight
  int start_hour = 0;
  int start_minute = 0;
  int end_hour = 23;
  int end_minute = 59;
};

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_REPORT_WINDOW_H_
