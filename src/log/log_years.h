// Mailer logs write no year: a log kept for more than a year holds each
// day more than once. Years are counted where the months turn back.
#ifndef BRANTLOW_LOG_LOG_YEARS_H_
#define BRANTLOW_LOG_LOG_YEARS_H_

#include <cstddef>
#include <string_view>

#include "log/log_dialect.h"

namespace brantlow {

// Counts the years of a log from the first pieces of its lines, in order.
// A dated line whose month is at least six below that of the dated line
// before it begins a new year; a stray line a month or two back does not.
class LogYears {
 public:
  explicit LogYears(const LogDialect& dialect = TmailDialect())
      : look_(dialect) {}

  // Takes the first piece of a line (bytes from the start of the line).
  // Cheap for the usual line, whose month is that of the line before.
  void See(const char* line, std::size_t length) {
    const int month = look_.Month(line, length);
    if (month == 0 || month == last_month_) return;
    if (!look_.dialect().Stamp(std::string_view(line, length))) return;
    if (last_month_ != 0 && month <= last_month_ - 6) ++year_;
    last_month_ = month;
  }

  // The year of the lines seen last, counted from 0.
  int year() const { return year_; }
  // The month of the last dated line; 0 before the first.
  int month() const { return last_month_; }

 private:
  QuickLook look_;
  int year_ = 0;
  int last_month_ = 0;  // of the last dated line; 0 before the first
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_YEARS_H_
