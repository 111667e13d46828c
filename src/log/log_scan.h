// The one pass over the mailer log: every piece is tested against the
// day(s) of the window; what lies inside goes to the cut file and to the
// session extractor. Most of a long log lies on other days, and those
// lines pass by on a look at their first bytes.
#ifndef BRANTLOW_LOG_LOG_SCAN_H_
#define BRANTLOW_LOG_LOG_SCAN_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/calendar.h"
#include "log/line_processor.h"
#include "log/log_dialect.h"
#include "log/window.h"
#include "platform/file_window.h"
#include "platform/output.h"

namespace brantlow {

// Told how far the scan has come, for a progress display.
class ScanProgress {
 public:
  virtual ~ScanProgress() = default;
  // Whether reads of at most step bytes each may be passed over and told
  // at once, by JumpTo.
  virtual bool CanJump(std::int64_t step) const = 0;
  virtual void Advance(std::int64_t position) = 0;
  virtual void JumpTo(std::int64_t position) = 0;
};

// What the scan saw of the log as a whole, to tell the user when the
// report cannot be what was wanted (a log of another kind, or of other
// days). Lines passed by on a look at their first bytes are counted too.
struct ScanCounts {
  // Where the reading began: the lines before it lie before the days
  // asked for, and were not read.
  std::int64_t start = 0;
  // Where it ended: the log's end, or past the last day asked for.
  std::int64_t end = 0;
  std::int64_t lines = 0;
  // Lines that begin "dd/mm hh:mm:ss", as the mailer's do; of the lines
  // passed over in bulk only the first such is counted.
  std::int64_t tmail_lines = 0;
  // Lines of a log converted from CP866 to UTF-8, read back as CP866.
  // Looked for only in the lines not passed by at once.
  std::int64_t utf8_lines = 0;
  // Lines inside the window, on either of its days.
  std::int64_t inside_lines = 0;
  // Lines of the days read whose byte counts were malformed and read as 0;
  // counted by the extractor, filled in by its owner.
  std::int64_t malformed_lines = 0;
  // The log could not be read back from its end (standard input), and the
  // lines of the year asked for were passed over for a later year's.
  bool year_passed_over = false;
};

// Whether a line begins as the mailer's lines do: "dd/mm hh:mm:ss".
bool LooksLikeTmailLine(const char* bytes, std::size_t length);

// Told when a later year of the log turns out to hold the window: what was
// cut and written to the scratch file so far came from an earlier year.
class ScanRestart {
 public:
  virtual ~ScanRestart() = default;
  // Empties the cut and scratch outputs back to how they were opened.
  virtual void DropOutputs() = 0;
};

// Reads the log from its start to its end. The log's years are counted
// back from its last dated line, which lies in the latest year that puts
// it not after the day after window.today; only the window's own year is
// taken (for a window across midnight its second day comes from that
// year, or from the next after a 31 December), and a day after the log's
// last line has none. Where the log cannot be read back from its end
// (standard input), the latest year holding a line of the first day (or
// without one, of the second) is read, the reader and the outputs starting
// over when a later year turns up, and dropped at the end when it is not
// the window's own. earlier, when given, reads the lines of the day before
// the window and of its first day before its start, and then the window's
// lines while a session it read goes on: the time on line of those
// sessions counts in the window's busy time. cut, progress, restart and
// earlier may be null.
ScanCounts ScanLog(ByteWindow& log, const LogDialect& dialect,
                   const Window& window, CutMode mode, Output* cut,
                   SessionReader& reader, ScanProgress* progress,
                   ScanRestart* restart, SessionReader* earlier = nullptr);

// A record still open when the window ends ends at the window's end.
void CloseAtWindowEnd(const Window& window, SessionTable& table);

// Where the lines of a period's days go: the extractor of a day in a given
// year of the log (counted from 0), made when first asked for.
class PeriodSink {
 public:
  virtual ~PeriodSink() = default;
  virtual SessionReader& Day(int day, int year) = 0;
  // The day's lines of years before min_year will not be used.
  virtual void Drop(int day, int min_year) = 0;
  // Days are told complete in their order when the reading has gone two
  // days past them in the year it would choose for them now, so that a
  // long period need not hold every day at once.
  virtual void Complete(int day, int year) = 0;
};

struct PeriodScan {
  ScanCounts counts;
  // The year each day is taken from; -1 for none (no line of the period).
  std::vector<int> years;
  // A day told complete got a line after all, or another of its years was
  // chosen at the end (lines far out of order, a year begun inside the
  // period): what was counted of it is wrong and the period must be read
  // again without telling days complete.
  bool completed_too_early = false;
};

// The days of a period in one pass: each line goes to the day its date
// names, exactly the lines the one-day run of that day would take. The
// days are those of the period's own years, the log's years counted as
// ScanLog counts them from today; where the log cannot be read back from
// its end, the years still held when the reading ends. Days are numbered
// from 0, the first. complete_early: days are told complete on the way.
PeriodScan ScanPeriod(ByteWindow& log, const LogDialect& dialect,
                      const Period& period, Date today, PeriodSink& sink,
                      ScanProgress* progress, bool complete_early = false);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_SCAN_H_
