// The machine's local date and time.
#ifndef BRANTLOW_PLATFORM_CLOCK_H_
#define BRANTLOW_PLATFORM_CLOCK_H_

namespace brantlow {

struct LocalDate {
  int day = 1;    // of the month, 1 to 31
  int month = 1;  // 1 to 12
  // "Mon Dec  7 05:26:43 2026\n": 24 characters and a line end.
  char text[64] = {};
};

LocalDate Now();

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_CLOCK_H_
