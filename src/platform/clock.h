// The machine's local date and time.
#ifndef BRANTLOW_PLATFORM_CLOCK_H_
#define BRANTLOW_PLATFORM_CLOCK_H_

#include <string_view>

namespace brantlow {

// The English month abbreviations of the C library's dates ("Jan" first),
// which the date text below and the logs that copy it use.
inline constexpr char kMonthAbbreviations[12][4] = {"Jan", "Feb", "Mar", "Apr",
                                                    "May", "Jun", "Jul", "Aug",
                                                    "Sep", "Oct", "Nov", "Dec"};

// The month (1 to 12) whose abbreviation the text begins with, or 0. Logs
// ask it of every line: no call, and most names fail on their first letter.
inline int MonthOfAbbreviation(std::string_view text) {
  if (text.size() < 3) return 0;
  for (int m = 0; m < 12; ++m) {
    const char* name = kMonthAbbreviations[m];
    if (text[0] == name[0] && text[1] == name[1] && text[2] == name[2])
      return m + 1;
  }
  return 0;
}

struct LocalDate {
  int day = 1;    // of the month, 1 to 31
  int month = 1;  // 1 to 12
  int year = 1970;
  // "Mon Dec  7 05:26:43 2026\n": 24 characters and a line end.
  char text[64] = {};
};

LocalDate Now();

// The record of a date and time given by its parts (month 1 to 12,
// weekday 0 for Sunday); each host's Now reads its clock into it.
LocalDate LocalDateOf(int year, int month, int day, int weekday, int hour,
                      int minute, int second);

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_CLOCK_H_
