// Durations are seconds with a fraction; reports show them cut to whole
// seconds.
#ifndef BRANTLOW_REPORTS_WHOLE_SECONDS_H_
#define BRANTLOW_REPORTS_WHOLE_SECONDS_H_

#include <climits>

namespace brantlow {

// The fraction dropped, kept inside the int range. A negative duration (a
// clock set back during a session) shows as 0: a time printed with a sign
// would break the frame of its table.
inline int WholeSeconds(double seconds) {
  if (seconds >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (!(seconds > 0)) return 0;
  return static_cast<int>(seconds);
}

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_WHOLE_SECONDS_H_
