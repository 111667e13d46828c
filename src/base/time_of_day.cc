#include "base/time_of_day.h"

#include <cstddef>

#include "base/text_fields.h"

namespace brantlow {

namespace {

// The numbers of an h:m:s text written without leading zeros, as the end
// given to a session still open when the window closes (8:5:59); false for
// any other text.
bool UnpaddedTime(std::string_view time, int (&parts)[3]) {
  std::size_t i = 0;
  for (int k = 0; k < 3; ++k) {
    std::size_t digits = 0;
    parts[k] = 0;
    while (i < time.size() && time[i] >= '0' && time[i] <= '9' && digits < 2) {
      parts[k] = parts[k] * 10 + (time[i++] - '0');
      ++digits;
    }
    if (digits == 0) return false;
    if (k < 2 && (i >= time.size() || time[i++] != ':')) return false;
  }
  return i == time.size();
}

}  // namespace

double TimeSeconds(std::string_view time) {
  // "hh:mm:ss" as a record holds it: read at once.
  auto digit = [&](std::size_t i) { return time[i] >= '0' && time[i] <= '9'; };
  if (time.size() == 8 && time[2] == ':' && time[5] == ':' && digit(0) &&
      digit(1) && digit(3) && digit(4) && digit(6) && digit(7)) {
    auto two = [&](std::size_t i) {
      return (time[i] - '0') * 10 + (time[i + 1] - '0');
    };
    return two(0) * 3600.0 + two(3) * 60.0 + two(6);
  }
  int parts[3];
  const bool padded = time.size() >= 6 && time[2] == ':' && time[5] == ':';
  if (!padded && UnpaddedTime(time, parts))
    return parts[0] * 3600.0 + parts[1] * 60.0 + parts[2];
  return FieldReal(time, 0, 2) * 3600 + FieldReal(time, 3, 2) * 60 +
         FieldReal(time, 6, 2);
}

}  // namespace brantlow
