// T-Mail writes no year: a log kept for more than a year holds each day
// more than once. Years are counted where the months turn back.
#ifndef BRANTLOW_LOG_LOG_YEARS_H_
#define BRANTLOW_LOG_LOG_YEARS_H_

#include <cstddef>

namespace brantlow {

// Counts the years of a log from the first pieces of its lines, in order.
// A dated line (dd/mm hh:mm:ss in its first 14 characters, day 1 to 31,
// month 1 to 12) whose month is at least six below that of the dated line
// before it begins a new year; a stray line a month or two back does not.
class LogYears {
 public:
  // Takes the first piece of a line (bytes from the start of the line).
  // Cheap for the usual line, whose month is that of the line before.
  void See(const char* line, std::size_t length) {
    if (length < 14) return;
    const unsigned m0 = Digit(line[3]), m1 = Digit(line[4]);
    if (m0 > 9 || m1 > 9) return;
    const int month = static_cast<int>(m0 * 10 + m1);
    if (month == last_month_) return;
    if (!Dated(line, month)) return;
    if (last_month_ != 0 && month <= last_month_ - 6) ++year_;
    last_month_ = month;
  }

  // The year of the lines seen last, counted from 0.
  int year() const { return year_; }

  // Whether a line's first bytes make it a dated line, and its day and
  // month then: the lines the years are counted on.
  static bool DateOf(const char* line, std::size_t length, int& day, int& month) {
    if (length < 14) return false;
    const unsigned m0 = Digit(line[3]), m1 = Digit(line[4]);
    if (m0 > 9 || m1 > 9) return false;
    month = static_cast<int>(m0 * 10 + m1);
    if (!Dated(line, month)) return false;
    day = static_cast<int>(Digit(line[0]) * 10 + Digit(line[1]));
    return true;
  }

 private:
  static unsigned Digit(char c) {
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
  }
  static bool Dated(const char* line, int month) {
    if (month < 1 || month > 12) return false;
    if (line[2] != '/' || line[5] != ' ' || line[8] != ':' || line[11] != ':')
      return false;
    for (int i : {0, 1, 6, 7, 9, 10, 12, 13})
      if (Digit(line[i]) > 9) return false;
    const unsigned day = Digit(line[0]) * 10 + Digit(line[1]);
    return day >= 1 && day <= 31;
  }

  int year_ = 0;
  int last_month_ = 0;  // of the last dated line; 0 before the first
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_YEARS_H_
