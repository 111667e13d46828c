// Durations are floats of seconds; reports show them cut to whole seconds.
#ifndef BRANTLOW_REPORTS_WHOLE_SECONDS_H_
#define BRANTLOW_REPORTS_WHOLE_SECONDS_H_

#include <climits>

namespace brantlow {

// The fraction dropped, kept inside the int range.
inline int WholeSeconds(float seconds) {
  if (seconds >= static_cast<float>(INT_MAX)) return INT_MAX;
  if (seconds <= static_cast<float>(INT_MIN)) return INT_MIN;
  return static_cast<int>(seconds);
}

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_WHOLE_SECONDS_H_
