// The older sources of a line's days: packed parts and rotated logs read
// ahead of the log itself, as one stream of lines in the order they were
// written, each day taken from one source only.
#ifndef BRANTLOW_LOG_LOG_HISTORY_H_
#define BRANTLOW_LOG_LOG_HISTORY_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/calendar.h"
#include "log/log_dialect.h"
#include "platform/file_window.h"

namespace brantlow {

// A day with its year: sources of one line lie in different years.
struct YearDay {
  int year = 0;
  DayMonth date;

  int key() const { return (year * 100 + date.month) * 100 + date.day; }
  friend bool operator<(const YearDay& a, const YearDay& b) {
    return a.key() < b.key();
  }
  friend bool operator==(const YearDay& a, const YearDay& b) {
    return a.key() == b.key();
  }
};

YearDay NextDay(YearDay day);
YearDay PreviousDay(YearDay day);
// The latest day of that day and month on or before limit.
YearDay LatestOnOrBefore(DayMonth date, YearDay limit);

// Where each day of a source begins: the first line of the day, and
// before the first day the source's own start.
struct SourceDays {
  struct Start {
    YearDay day;
    std::int64_t offset = 0;
  };
  std::vector<Start> starts;  // in order, days later than the one before
  std::int64_t size = 0;      // bytes read in all
  int last_month = 0;         // of the last dated line; 0 for none

  bool empty() const { return starts.empty(); }
  YearDay first() const { return starts.front().day; }
  YearDay last() const { return starts.back().day; }
  // Where the first day on or after day begins; size when none does.
  std::int64_t OffsetOf(YearDay day) const;
  // The years moved so that the first day lies in year.
  void SetFirstYear(int year);
  // The years moved so that the last day lies in year.
  void SetLastYear(int year);
};

// Reads a source once: its days, years counted from 0 where the months
// turn back. Days out of order (a stray earlier line) are not starts.
SourceDays SurveyDays(ByteWindow& source, const LogDialect& dialect);

// A stretch of one source: bytes begin to end of sources[source].
struct SourceSegment {
  std::size_t source = 0;
  std::int64_t begin = 0;
  std::int64_t end = 0;
  YearDay first;  // the first and last day it is taken for
  YearDay last;
};

// For each day from first to last (both taken, before the log's own first
// day) the first source, in the order given, whose days reach over it;
// the days of one source in a row are one segment. In day order.
std::vector<SourceSegment> ChooseSegments(
    YearDay first, YearDay last, const std::vector<SourceDays>& sources);

// The segments one after another, then the log whole, as one window: the
// scan reads it as it would a log never packed. A segment whose last line
// has no line end gets one. Sources are opened as they are reached and
// closed after; a source that fails is told through failures().
class SourceChain final : public ForwardWindow {
 public:
  using Opener = std::function<std::unique_ptr<ByteWindow>(std::size_t)>;

  SourceChain(std::vector<SourceSegment> segments, Opener open,
              ByteWindow& log);

  // The segments' bytes and the log's, for a bar.
  std::int64_t size() const override { return size_; }

  // The sources that could not be opened or read to their segment's end.
  const std::vector<std::size_t>& failures() const { return failures_; }

 private:
  // Up to size next bytes of the chain; 0 at its end.
  std::size_t ReadSome(char* into, std::size_t size) override;
  // Moves to the next segment, opening its source; false past the last.
  bool NextSegment();

  std::vector<SourceSegment> segments_;
  Opener open_;
  ByteWindow& log_;
  std::int64_t size_ = 0;
  std::size_t next_ = 0;  // the segment after the current one
  std::unique_ptr<ByteWindow> current_;
  ByteWindow* reading_ = nullptr;  // current_, or the log
  std::int64_t position_ = 0;      // in the current source
  std::int64_t end_ = -1;          // of the current segment; -1 to the end
  char last_byte_ = '\n';
  bool ended_ = false;
  std::vector<std::size_t> failures_;
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_HISTORY_H_
