// What the reading pipeline needs to know of one mailer's log: where a
// line's date and time stand, and how its lines make sessions. Everything
// after the reading (the session table, the scratch entries, the steps and
// the outputs) is the same for every mailer.
#ifndef BRANTLOW_LOG_LOG_DIALECT_H_
#define BRANTLOW_LOG_LOG_DIALECT_H_

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "base/calendar.h"
#include "log/log_phrases.h"
#include "log/process_definitions.h"
#include "log/scratch_entry.h"
#include "log/session_table.h"
#include "log/window.h"
#include "platform/clock.h"

namespace brantlow {

// The date and time a dated line names. The logs write no year.
struct LineStamp {
  DayMonth date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The days a scan looks for (one, two across midnight, or a period's), for
// a dialect's quick look at a line's first bytes.
class DaySet {
 public:
  DaySet() { Clear(); }
  void Add(DayMonth date, int index) {
    if (!InRange(date.day, date.month)) return;
    index_[Cell(date.day, date.month)] = index;
    days_[static_cast<std::size_t>(date.day)] = true;
  }
  // Whether some wanted day has this day of the month.
  bool HasDay(int day) const {
    return day >= 0 && day <= 31 && days_[static_cast<std::size_t>(day)];
  }
  // Which wanted day a day and month name: -1 for none.
  int Index(int day, int month) const {
    return InRange(day, month) ? index_[Cell(day, month)] : -1;
  }

 private:
  static bool InRange(int day, int month) {
    return day >= 0 && day <= 31 && month >= 0 && month <= 12;
  }
  static std::size_t Cell(int day, int month) {
    return static_cast<std::size_t>(month * 32 + day);
  }
  void Clear() {
    index_.fill(-1);
    days_.fill(false);
  }
  std::array<int, 13 * 32> index_{};
  std::array<bool, 32> days_{};
};

// Where a dialect's dated lines keep their day and month, for a dialect
// that keeps them at fixed columns: the quick look reads them in line.
struct DateColumns {
  std::size_t day = 0;            // two digits
  bool day_blank_pads = false;    // " 5" for the 5th
  std::size_t month = 3;          // two digits, or three letters
  bool month_names = false;       // "Jan" to "Dec"
  std::size_t dated_length = 14;  // no dated line is shorter
  std::size_t hour = 6;           // two digits
};

// The month at the columns of a dated line's first bytes; 0 for none.
inline int MonthAt(const DateColumns& c, const char* p, std::size_t length) {
  if (length < c.dated_length) return 0;
  if (c.month_names) return MonthOfAbbreviation({p + c.month, 3});
  const unsigned m0 = static_cast<unsigned char>(p[c.month]) - '0';
  const unsigned m1 = static_cast<unsigned char>(p[c.month + 1]) - '0';
  if (m0 > 9 || m1 > 9) return 0;
  const int month = static_cast<int>(m0 * 10 + m1);
  return month >= 1 && month <= 12 ? month : 0;
}

// True only when the first bytes show that the line names none of the
// days. A line that begins with NUL is empty, and one without a digit where
// its day stands names none: their day reads as 0.
inline bool OutsideAt(const DateColumns& c, const char* p, std::size_t length,
                      const DaySet& days) {
  if (length >= 1 && p[0] == '\0') return !days.HasDay(0);
  auto digit = [&](std::size_t i) {
    return i < length &&
           static_cast<unsigned>(static_cast<unsigned char>(p[i]) - '0') <= 9u;
  };
  const bool tens =
      digit(c.day) || (c.day_blank_pads && length > c.day && p[c.day] == ' ');
  const bool units = digit(c.day + 1);
  if (!tens && !units) return !days.HasDay(0);
  if (!tens || !units) return false;
  const unsigned d1 = static_cast<unsigned char>(p[c.day + 1]) - '0';
  const unsigned d0 =
      p[c.day] == ' ' ? 0 : static_cast<unsigned char>(p[c.day]) - '0';
  const int day = static_cast<int>(d0 * 10 + d1);
  if (!days.HasDay(day)) return true;
  const std::size_t month_end = c.month + (c.month_names ? 3 : 2);
  if (length < month_end || p[c.day + 2] == '\0') return false;
  if (c.month_names) {
    const int month = MonthOfAbbreviation({p + c.month, 3});
    return month != 0 && days.Index(day, month) < 0;
  }
  const unsigned m0 = static_cast<unsigned char>(p[c.month]) - '0';
  const unsigned m1 = static_cast<unsigned char>(p[c.month + 1]) - '0';
  return m0 <= 9 && m1 <= 9 &&
         days.Index(day, static_cast<int>(m0 * 10 + m1)) < 0;
}

// Turns the lines inside a window into session records, in log order.
class SessionReader {
 public:
  virtual ~SessionReader() = default;
  // One line inside the window, as seen up to its first NUL.
  virtual void Read(std::string_view line) = 0;
  // The next piece of a line longer than one read, after the piece Read
  // was given; a dialect whose lines fit one read passes these by.
  virtual void Continue(std::string_view /*piece*/) {}
  // Whether a session it read still waits for its end: its lines may lie
  // past the window's end.
  virtual bool Open() const { return false; }
  // A line past the window's end while a session is open: it goes on
  // filling the open sessions and never opens one; a line that can only
  // begin a new session ends them.
  virtual void ReadAfter(std::string_view /*line*/) {}
  // Forgets every record and open session: the scan starts over with a
  // later year of the log.
  virtual void Reset() = 0;
  // Whether nothing read before line bears on the records read from it on
  // (a single-line mailer's call ends all that went before): a reader of
  // the sessions going on at a window's start may begin there afresh.
  virtual bool StartsAfresh(std::string_view /*line*/) const { return false; }
  // Lines whose byte counts held more than digits, read as 0.
  virtual std::int64_t malformed_lines() const { return 0; }
};

// What a reader fills and is told.
struct ReaderSetup {
  SessionTable& table;
  ScratchSink* scratch;  // one entry per file transfer; may be null
  const LogPhrases& phrases;
  const ProcessDefinitions& processes;
  bool detect_processes;  // off when no configuration file was read
  // Only when each session began and ended is wanted (the sessions going
  // on when a window begins): passwords and files are not read.
  bool spans_only = false;
};

class LogDialect {
 public:
  virtual ~LogDialect() = default;

  // The mailer's name, as messages give it ("T-Mail").
  virtual std::string_view name() const = 0;
  // The name the configuration's LogType gives it ("tmail").
  virtual std::string_view key() const = 0;

  // The columns of the day and month, for a dialect that keeps them
  // fixed: the two looks below then cost no call.
  virtual std::optional<DateColumns> date_columns() const { return {}; }

  // A look at a line's first bytes (a whole line, or its first piece):
  // true only when they show that the line names none of the days. Called
  // for every line of the log, so it must cost next to nothing.
  virtual bool CertainlyOutside(const char* bytes, std::size_t length,
                                const DaySet& days) const = 0;

  // The month of a dated line from its first bytes, 0 for a line that is
  // not dated; a cheap look first, for the years of the log.
  virtual int QuickMonth(const char* bytes, std::size_t length) const = 0;

  // The date and time of one of the dialect's dated lines.
  virtual std::optional<LineStamp> Stamp(std::string_view line) const = 0;

  // Whether a line (as seen up to its first NUL) lies inside one day of a
  // window; a line the quick look did not pass over.
  virtual bool Inside(std::string_view line, const WindowDay& day) const = 0;

  // The day a line is filed under in a period, for one the quick look did
  // not pass over; none for a line of no day.
  virtual std::optional<DayMonth> DayOf(std::string_view line) const = 0;

  virtual std::unique_ptr<SessionReader> MakeReader(
      const ReaderSetup& setup) const = 0;
};

// A dialect's two quick looks, read in line from its date columns when it
// keeps them fixed, else asked of the dialect.
class QuickLook {
 public:
  explicit QuickLook(const LogDialect& dialect) : dialect_(dialect) {
    const std::optional<DateColumns> columns = dialect.date_columns();
    fixed_ = columns.has_value();
    if (fixed_) columns_ = *columns;
  }
  bool Outside(const char* bytes, std::size_t length,
               const DaySet& days) const {
    return fixed_ ? OutsideAt(columns_, bytes, length, days)
                  : dialect_.CertainlyOutside(bytes, length, days);
  }
  // The hour of a dated line at fixed columns; -1 where none is read.
  int Hour(const char* bytes, std::size_t length) const {
    if (!fixed_ || length < columns_.hour + 2) return -1;
    const unsigned h0 = static_cast<unsigned char>(bytes[columns_.hour]) - '0';
    const unsigned h1 =
        static_cast<unsigned char>(bytes[columns_.hour + 1]) - '0';
    return h0 <= 9 && h1 <= 9 ? static_cast<int>(h0 * 10 + h1) : -1;
  }
  bool fixed() const { return fixed_; }
  // How many first bytes of a line decide all the looks read, where the
  // columns are fixed (0 elsewhere); and the length a dated line has.
  std::size_t prefix() const {
    if (!fixed_) return 0;
    return std::max({columns_.day + 3, columns_.month + 3, columns_.hour + 2});
  }
  std::size_t dated_length() const { return columns_.dated_length; }
  int Month(const char* bytes, std::size_t length) const {
    return fixed_ ? MonthAt(columns_, bytes, length)
                  : dialect_.QuickMonth(bytes, length);
  }
  const LogDialect& dialect() const { return dialect_; }

 private:
  const LogDialect& dialect_;
  bool fixed_ = false;  // the dialect's dates stand at fixed columns
  DateColumns columns_;
};

// The dialects the program reads, T-Mail first.
const LogDialect& TmailDialect();
const LogDialect& BinkdDialect();
// The dialect a LogType value names, case ignored; null for none.
const LogDialect* DialectNamed(std::string_view key);
// The dialect whose dated lines the first lines of a log look like; T-Mail
// when none do.
const LogDialect& DialectOfLines(std::string_view head);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_DIALECT_H_
