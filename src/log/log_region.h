// Where in a long log the lines of a few days begin, found without reading
// the log: lines are written in time order, so the days near the end are
// read back from it, and a day further back is found by probing the log
// at growing then halving distances.
#ifndef BRANTLOW_LOG_LOG_REGION_H_
#define BRANTLOW_LOG_LOG_REGION_H_

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/calendar.h"
#include "log/log_dialect.h"
#include "platform/file_window.h"

namespace brantlow {

// Reads the day and month a dated line begins with; each log dialect has
// its own.
class LineDates {
 public:
  virtual ~LineDates() = default;
  // line: the line's first bytes (up to 89), without its end.
  virtual bool DateOf(std::string_view line, DayMonth& date) const = 0;
};

// A dialect's dated lines: the lines the years are counted on.
class DialectLineDates : public LineDates {
 public:
  explicit DialectLineDates(const LogDialect& dialect) : dialect_(dialect) {}
  bool DateOf(std::string_view line, DayMonth& date) const override {
    const std::optional<LineStamp> stamp = dialect_.Stamp(line);
    if (stamp) date = stamp->date;
    return stamp.has_value();
  }

 private:
  const LogDialect& dialect_;
};

// "dd/mm hh:mm:ss" at the start of a line.
class TmailLineDates final : public DialectLineDates {
 public:
  TmailLineDates() : DialectLineDates(TmailDialect()) {}
};

// Whether the place found can be used, and why not.
enum class RegionTrust {
  kTrusted,
  kNotSeekable,     // standard input, or an empty file
  kNoDatedLine,     // the log's end or a probe showed no dated line
  kMonthsDisagree,  // going back, the months rose where no year began
};

struct LogRegion {
  // A line start; 0 for the whole file. The forward scan from it counts
  // its years from there.
  std::int64_t start = 0;
  RegionTrust trust = RegionTrust::kTrusted;

  bool trusted() const { return trust == RegionTrust::kTrusted; }
};

// The place from which a forward scan sees every line of the days first
// to first + days - 1 (one day, the two of a window across midnight, or a
// period's) in the year of the log back_years before the year of its last
// dated line (counted at the last of the days; below 0 for a year after
// it), lines being at most a day out of order: the start of the last line
// dated two or more days before first in that year. The whole file
// (start 0) when the log begins later than that line. Untrusted results
// send the caller to the forward scan of the whole file.
LogRegion FindLogRegion(ByteWindow& log, const LineDates& dates, DayMonth first,
                        int days, int back_years);

// The day and month of the log's last dated line, read back from its end;
// none when it has none or cannot be read so (standard input).
std::optional<DayMonth> LastDatedDay(ByteWindow& log, const LineDates& dates);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_REGION_H_
