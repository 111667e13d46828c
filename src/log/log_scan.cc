#include "log/log_scan.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "base/text_fields.h"
#include "log/log_piece_reader.h"
#include "log/log_region.h"
#include "log/log_years.h"
#include "platform/cp866.h"

namespace brantlow {

bool LooksLikeTmailLine(const char* b, std::size_t length) {
  if (length < 14) return false;
  auto digit = [b](std::size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(b[i]) - '0') <= 9u;
  };
  return digit(0) && digit(1) && b[2] == '/' && digit(3) && digit(4) &&
         b[5] == ' ' && digit(6) && digit(7) && b[8] == ':' && digit(9) &&
         digit(10) && b[11] == ':' && digit(12) && digit(13);
}

namespace {

// What a scan does with the pieces its quick look does not pass over: the
// one-day window and the period are its two plans.
class ScanPlan {
 public:
  virtual ~ScanPlan() = default;
  virtual const DaySet& days() const = 0;
  // Whether pieces the quick look passes over may be dropped unseen: not
  // while a line the cut file is taking goes on.
  virtual bool CanSkip() const = 0;
  // A piece passed over; line_end when it ends its line.
  virtual void Skip(bool line_end) = 0;
  // A piece to look at: every byte of it, the text seen up to its first
  // NUL, and the year of the log it lies in. A piece that continues a line
  // longer than a read is never read as a line of its own. True when it
  // begins a line inside.
  virtual bool Take(std::string_view piece, std::string_view seen,
                    bool began_line, bool line_end, int year) = 0;
  // The year (counted from where the reading began) the last day is taken
  // from, -1 while none; and that day.
  virtual int TakenYear() const = 0;
  virtual DayMonth LastDay() const = 0;
  // The calendar year of the last day.
  virtual int LastYear() const = 0;
  // Before the reading: the year of the reading that holds a calendar
  // year is that year + shift.
  virtual void Anchor(int shift) = 0;
  // After a reading whose years could not be anchored before it. False
  // when the lines of the year asked for were passed over for a later
  // year's.
  virtual bool Finish(int shift) = 0;
  // A day of which only the lines from an hour on are looked at, the rest
  // passing by with other days'; null for none.
  virtual const DaySet* late_day() const { return nullptr; }
  virtual int late_hour() const { return 0; }
  // Whether a whole line of the late day from its hour may go to TakeLate,
  // passed over in bulk with the other days' lines around it.
  virtual bool TakesLateLines() const { return false; }
  // Such a line as seen: all Take would do with it.
  virtual void TakeLate(std::string_view) {}
};

// Days after the last day asked for whose lines show that the reading is
// past it: from the second day after, for a week.
constexpr int kPastFirst = 2;
constexpr int kPastDays = 8;

// The one loop over the pieces of the log, with the bookkeeping both
// plans share: lines, years, the dialect's dated lines, UTF-8 and the
// progress; other days' lines pass by in bulk.
class PieceLoop {
 public:
  // may_stop: the reading begins where the region search put it, or its
  // years are anchored, so it may end once past the days.
  // tomorrow: where the log's last dated line is watched for (the reading
  // of a log that cannot be read back from its end), the day after today;
  // none otherwise.
  PieceLoop(ByteWindow& log, const LogDialect& dialect, ScanPlan& plan,
            ScanProgress* progress, std::int64_t start, bool may_stop,
            std::optional<Date> tomorrow)
      : dialect_(dialect),
        plan_(plan),
        progress_(progress),
        look_(dialect),
        years_(dialect),
        reader_(log, start),
        jumps_(progress == nullptr || progress->CanJump(kLogPieceLimit + 1)),
        may_stop_(may_stop),
        watch_end_(tomorrow.has_value()),
        tomorrow_month_(tomorrow ? tomorrow->month : 0),
        late_(plan.late_day()),
        late_hour_(plan.late_hour()),
        taken_year_(plan.TakenYear()) {
    DayMonth d = plan.LastDay();
    for (int k = 1; k < kPastFirst + kPastDays; ++k) {
      d = DayAfter(d);
      if (d.day == 1 && d.month == 1) break;  // a later year says it at once
      if (k >= kPastFirst) past_.Add(d, k);
    }
  }

  ScanCounts Run() {
    counts_.start = reader_.position();
    if (progress_ != nullptr && counts_.start > 0)
      progress_->JumpTo(counts_.start);
    LogPiece raw;
    while (!past_days_) {
      if (jumps_ && line_start_ && passing_ && plan_.CanSkip()) SkipBulk();
      if (past_days_ || !reader_.Next(raw)) break;
      if (progress_ != nullptr) progress_->Advance(raw.end_position);
      Piece(raw);
    }
    counts_.end = reader_.position();
    return counts_;
  }

  // The year of the reading of the last dated line read, and its day.
  int EndYear() const { return years_.year(); }
  std::optional<DayMonth> EndDay() const { return end_; }

 private:
  // What a line's first bytes show: a line of no day read (of another
  // day, or of the late day before its hour), of the late day from its
  // hour, or of a day read.
  enum class LineKind { kPasses, kLate, kDays };

  // Whole lines of other days, passed over on a look at their first bytes.
  void SkipBulk() {
    const DaySet& days = plan_.days();
    const std::size_t skipped =
        reader_.SkipLines([&](const char* bytes, std::size_t length) {
          if (const std::optional<LineKind> known = KindAsLooked(bytes, length))
            return *known == LineKind::kPasses;
          const LineKind kind = KindOf(bytes, length, days);
          std::string_view seen;
          if (kind == LineKind::kDays ||
              (kind == LineKind::kLate && !SeenLate(bytes, length, seen)))
            return false;
          years_.See(bytes, length);
          if (watch_end_) WatchEnd(bytes, length);
          if (NotePast(bytes, length)) return false;
          // The warnings ask only whether there is any: once one is
          // found, the lines passed over in bulk cost nothing more.
          if (counts_.tmail_lines == 0) CountDated(bytes, length);
          if (kind == LineKind::kLate) plan_.TakeLate(seen);
          KeepLooked(bytes, length, kind);
          return true;
        });
    if (skipped == 0) return;
    counts_.lines += static_cast<std::int64_t>(skipped);
    plan_.Skip(true);
    if (progress_ != nullptr) progress_->JumpTo(reader_.position());
  }

  // The kind of a line that begins as the one kept (its date and hour):
  // every look at those bytes would give the same, and change nothing.
  // Any other line drops the one kept, until KeepLooked.
  std::optional<LineKind> KindAsLooked(const char* bytes, std::size_t length) {
    if (looked_.length != 0 && length >= look_.dated_length() &&
        SameFirstBytes(bytes))
      return looked_.kind;
    looked_.length = 0;
    return std::nullopt;
  }
  // Whether a line long enough to be dated begins with the bytes kept: at
  // once where they are eight, as T-Mail's date and hour are.
  bool SameFirstBytes(const char* bytes) const {
    std::uint64_t word = 0;
    std::uint64_t kept = 0;
    if (looked_.length != sizeof word || look_.dated_length() < sizeof word)
      return std::memcmp(bytes, looked_.bytes, looked_.length) == 0;
    std::memcpy(&word, bytes, sizeof word);
    std::memcpy(&kept, looked_.bytes, sizeof kept);
    return word == kept;
  }
  // Keeps the first bytes of a line that began a piece, once looked at,
  // when the looks left the reading as it was: a dated line of the month
  // of the years so far, not past the days whatever the year taken.
  void KeepLooked(const char* bytes, std::size_t length, LineKind kind) {
    const std::size_t prefix = look_.prefix();
    const bool settled = kind != LineKind::kLate && prefix != 0 &&
                         prefix <= sizeof looked_.bytes &&
                         length >= look_.dated_length() && !watch_end_ &&
                         counts_.tmail_lines > 0 && past_lines_ == 0 &&
                         look_.Month(bytes, length) == years_.month() &&
                         (!may_stop_ || look_.Outside(bytes, length, past_));
    looked_.length = settled ? prefix : 0;
    if (!settled) return;
    std::memcpy(looked_.bytes, bytes, prefix);
    looked_.kind = kind;
  }

  // Two dated lines in a row after the last day (a week of days from the
  // second after it, or a later year) end a reading that may end.
  bool NotePast(const char* bytes, std::size_t length) {
    if (!may_stop_ || look_.Month(bytes, length) == 0) return false;
    const int taken = taken_year_;
    if (taken < 0) return false;
    bool past = years_.year() > taken;
    if (!past && years_.year() == taken &&
        !look_.Outside(bytes, length, past_)) {
      const std::optional<LineStamp> stamp = dialect_.Stamp({bytes, length});
      past = stamp && past_.Index(stamp->date.day, stamp->date.month) >= 0;
    }
    past_lines_ = past ? past_lines_ + 1 : 0;
    past_days_ = past_lines_ >= 2;
    return past_days_;
  }

  // The day of the last dated line: only the month decides its year but
  // in tomorrow's month, so that other lines are looked at once a month.
  void WatchEnd(const char* bytes, std::size_t length) {
    const int month = look_.Month(bytes, length);
    if (month == 0 ||
        (end_ && month == end_->month && month != tomorrow_month_))
      return;
    if (const std::optional<LineStamp> stamp = dialect_.Stamp({bytes, length}))
      end_ = stamp->date;
  }

  LineKind KindOf(const char* bytes, std::size_t length, const DaySet& days) {
    if (!look_.Outside(bytes, length, days)) return LineKind::kDays;
    return late_ == nullptr || look_.Outside(bytes, length, *late_) ||
                   look_.Hour(bytes, length) < late_hour_
               ? LineKind::kPasses
               : LineKind::kLate;
  }

  // A whole line of the late day as Piece would see it, when the plan
  // takes it in bulk and it needs no conversion from UTF-8 (which is
  // counted, a piece at a time).
  bool SeenLate(const char* bytes, std::size_t length, std::string_view& seen) {
    if (!plan_.TakesLateLines()) return false;
    LogPiece raw;
    raw.data = bytes;
    raw.raw_length = length;
    raw.crlf = length >= 2 && bytes[length - 2] == '\r';
    raw.line_end = true;
    std::string_view piece;
    return Look(raw, /*convert=*/false, piece, seen);
  }

  // The piece as a read gives it (CR LF folded), back in CP866 when a log
  // converted to UTF-8 holds it, and its text as seen, up to its first
  // NUL. False, with nothing done, for a piece to convert when convert is
  // off; a converted line is counted once.
  bool Look(const LogPiece& raw, bool convert, std::string_view& piece,
            std::string_view& seen) {
    piece = raw.Folded(line_);
    seen = piece;
    if (PlainAscii(piece)) return true;
    std::size_t length = 0;
    if (Utf8LineToCp866(piece, converted_, length)) {
      if (!convert) return false;
      counts_.utf8_lines += utf8_told_ ? 0 : 1;
      utf8_told_ = true;
      piece = {converted_, length};
    }
    seen = {piece.data(), strnlen(piece.data(), piece.size())};
    return true;
  }

  void CountDated(const char* bytes, std::size_t length) {
    counts_.tmail_lines += dialect_.Stamp({bytes, length}).has_value();
  }

  void Piece(const LogPiece& raw) {
    const bool began_line = line_start_;
    std::optional<LineKind> known;
    if (began_line) {
      known = KindAsLooked(raw.data, raw.raw_length);
      if (!known) {
        years_.See(raw.data, raw.raw_length);
        if (watch_end_) WatchEnd(raw.data, raw.raw_length);
      }
      ++counts_.lines;
      if (counts_.tmail_lines == 0) CountDated(raw.data, raw.raw_length);
      utf8_told_ = false;
      if (!known && NotePast(raw.data, raw.raw_length)) return;
    }
    line_start_ = raw.line_end;
    const LineKind kind =
        known ? *known : KindOf(raw.data, raw.raw_length, plan_.days());
    if (began_line && !known) KeepLooked(raw.data, raw.raw_length, kind);
    passing_ = kind == LineKind::kPasses && plan_.CanSkip();
    if (passing_) {
      plan_.Skip(raw.line_end);
      return;
    }
    std::string_view piece, seen;
    Look(raw, /*convert=*/true, piece, seen);
    if (plan_.Take(piece, seen, began_line, raw.line_end, years_.year()))
      ++counts_.inside_lines;
    const int taken = plan_.TakenYear();
    if (taken != taken_year_) looked_.length = 0;  // the past may be read anew
    taken_year_ = taken;
  }

  const LogDialect& dialect_;
  ScanPlan& plan_;
  ScanProgress* const progress_;
  const QuickLook look_;
  LogYears years_;
  LogPieceReader reader_;
  const bool jumps_;
  ScanCounts counts_;
  char line_[kLogPieceLimit + 1];
  char converted_[kLogPieceLimit + 1];
  bool line_start_ = true;  // the next piece begins a line
  // The last piece passed by: lines are passed over in bulk only then,
  // the lines of the days read being taken one by one.
  bool passing_ = true;
  bool utf8_told_ = false;  // the current line was counted as UTF-8
  const bool may_stop_;
  DaySet past_;             // the days after the last whose lines end it
  int past_lines_ = 0;      // dated lines in a row past the last day
  bool past_days_ = false;  // the reading is past the days: it ends
  const bool watch_end_;
  const int tomorrow_month_;
  std::optional<DayMonth> end_;  // of the last dated line, when watched
  const DaySet* const late_;     // the plan's late day, null for none
  const int late_hour_;
  int taken_year_;  // the plan's, asked again only when it takes a piece
  // The first bytes of the last line looked at, when a line beginning
  // with them is of its kind and passes the looks alike.
  struct Looked {
    char bytes[16] = {};
    std::size_t length = 0;  // 0: none kept
    LineKind kind = LineKind::kPasses;
  };
  Looked looked_;
};

// Below this, a log is read from its start: it costs next to nothing.
constexpr std::int64_t kRegionWorthwhile = 1 << 20;

// Where the reading of a log begins, and whether its years are anchored
// to the calendar before it.
struct ReadingStart {
  std::int64_t start = 0;
  bool anchored = false;
};

// The years begun in the log after its first dated line, counted over the
// whole log as a scan counts them, on the first bytes of each line (read
// apart from the scan's forward window).
int YearsOfLog(ByteWindow& log, const LogDialect& dialect) {
  LogYears years(dialect);
  std::vector<char> block(std::size_t{1} << 20);
  std::int64_t offset = 0;  // where the next block is read from
  bool line_start = true;   // offset begins a line
  for (;;) {
    const std::size_t n = log.ReadAt(offset, block.data(), block.size());
    if (n == 0) break;
    std::size_t at = 0;
    while (at < n) {
      const void* end = std::memchr(block.data() + at, '\n', n - at);
      // A line the block cuts is read again from its start.
      if (end == nullptr && n == block.size() && at > 0) break;
      const std::size_t length =
          end == nullptr ? n - at
                         : static_cast<std::size_t>(
                               static_cast<const char*>(end) - block.data()) -
                               at;
      if (line_start)
        years.See(block.data() + at, std::min(length, kLogPieceLimit));
      line_start = end != nullptr;
      at += end == nullptr ? length : length + 1;
    }
    offset += static_cast<std::int64_t>(at);
  }
  return years.year();
}

// The region of the days when the log is long enough for one and no year
// can begin between the last of them and the log's end (they lie in the
// year of its last dated line, or after it): the year of that line is then
// the reading's last. Else the whole log, its years counted first.
ReadingStart StartOfReading(ByteWindow& log, const LogDialect& dialect,
                            ScanPlan& plan, DayMonth first, int days,
                            int end_calendar_year) {
  ReadingStart reading;
  const int back_years = end_calendar_year - plan.LastYear();
  if (back_years <= 0 && log.size() >= kRegionWorthwhile) {
    const LogRegion region =
        FindLogRegion(log, DialectLineDates(dialect), first, days, back_years);
    if (region.trusted() && region.start >= kRegionWorthwhile) {
      reading.start = region.start;
      return reading;
    }
  }
  plan.Anchor(YearsOfLog(log, dialect) - end_calendar_year);
  reading.anchored = true;
  return reading;
}

// Reads the log from where the lines of the days begin (first and the
// days after it), found without reading the whole log; from its start
// when that place cannot be trusted (standard input among them). The
// log's years are counted back from its last dated line, which lies in
// the latest year that puts it not after tomorrow.
ScanCounts ScanPieces(ByteWindow& log, const LogDialect& dialect,
                      ScanPlan& plan, ScanProgress* progress, DayMonth first,
                      int days, Date today) {
  const Date tomorrow = DateAfter(today);
  const DialectLineDates dates(dialect);
  ReadingStart reading;
  std::optional<int> end_calendar_year;
  if (const std::optional<DayMonth> end = LastDatedDay(log, dates)) {
    end_calendar_year = LatestYear(*end, tomorrow);
    reading =
        StartOfReading(log, dialect, plan, first, days, *end_calendar_year);
  }
  std::optional<Date> watch;
  if (!end_calendar_year) watch = tomorrow;
  // A long log read whole for an earlier year also ends past the days.
  const bool may_stop = reading.start > 0 ||
                        (reading.anchored && log.size() >= kRegionWorthwhile);
  PieceLoop loop(log, dialect, plan, progress, reading.start, may_stop, watch);
  ScanCounts counts = loop.Run();
  if (!end_calendar_year && loop.EndDay())
    end_calendar_year = LatestYear(*loop.EndDay(), tomorrow);
  if (!reading.anchored && end_calendar_year) {
    const bool kept = plan.Finish(loop.EndYear() - *end_calendar_year);
    counts.year_passed_over = watch && !kept;
  }
  return counts;
}

// One window: its first day in its own year, its second day in that year
// or the next. Until the years are anchored, the latest year with a line
// of its first day: the reader and the outputs start over when a later
// year turns up.
class WindowPlan final : public ScanPlan {
 public:
  WindowPlan(const LogDialect& dialect, const Window& window, CutMode mode,
             Output* cut, SessionReader& reader, SessionReader* earlier,
             ScanRestart* restart)
      : dialect_(dialect),
        first_(window.Day(0)),
        second_(window.Day(1)),
        two_days_(window.crosses_midnight),
        // The morning after a 31 December lies in the next year of the log.
        second_offset_(window.first.day == 31 && window.first.month == 12),
        first_calendar_year_(window.year),
        mode_(mode),
        cut_(cut),
        reader_(reader),
        day_before_(LateOn(DayBefore(window.first))),
        before_start_(EarlierOn(window)),
        earlier_(earlier),
        late_by_hour_(earlier != nullptr && QuickLook(dialect).fixed()),
        restart_(restart) {
    days_.Add(window.first, 0);
    if (two_days_) days_.Add(window.second, 1);
    // The day before, from its noon: at fixed columns its earlier lines
    // pass by on their hour; otherwise all of it is looked at.
    if (late_by_hour_)
      late_.Add(DayBefore(window.first), 0);
    else if (earlier_ != nullptr)
      days_.Add(DayBefore(window.first), 2);
  }

  const DaySet& days() const override { return days_; }
  const DaySet* late_day() const override {
    return late_by_hour_ ? &late_ : nullptr;
  }
  // The earlier reader reads the lines waiting for it.
  void SettleEarlier() {
    if (!waiting_) return;
    waiting_ = false;
    std::string_view lines = waiting_lines_;
    for (std::size_t end = lines.find('\0'); end != std::string_view::npos;
         end = lines.find('\0')) {
      earlier_->Read(lines.substr(0, end));
      lines.remove_prefix(end + 1);
    }
    waiting_lines_.clear();
    earlier_open_ = earlier_->Open();
  }
  int late_hour() const override { return day_before_.start_hour; }
  // Before the window, a late line goes only to the earlier reader.
  bool TakesLateLines() const override { return !entered_; }
  void TakeLate(std::string_view seen) override {
    Skip(true);
    Before(seen);
  }
  int TakenYear() const override {
    return two_days_ ? SecondYear() : first_year_;
  }
  DayMonth LastDay() const override {
    return two_days_ ? DayMonth{second_.day, second_.month}
                     : DayMonth{first_.day, first_.month};
  }
  int LastYear() const override {
    return first_calendar_year_ + (two_days_ ? second_offset_ : 0);
  }
  void Anchor(int shift) override {
    anchored_ = true;
    first_year_ = first_calendar_year_ + shift;
  }
  // The year taken is kept only when it is the one asked for.
  bool Finish(int shift) override {
    const int taken =
        first_year_ >= 0 ? first_year_ : second_only_ - second_offset_;
    const int wanted = first_calendar_year_ + shift;
    if ((first_year_ < 0 && second_only_ < 0) || taken == wanted) return true;
    reader_.Reset();
    if (restart_ != nullptr) restart_->DropOutputs();
    return taken < wanted;
  }
  // Not while a session of the window goes on past its end.
  bool CanSkip() const override {
    return brantlow::CanSkip(first_pieces_) &&
           brantlow::CanSkip(second_pieces_) && !Trailing();
  }
  void Skip(bool line_end) override {
    SkipPiece(line_end, first_pieces_);
    if (two_days_) SkipPiece(line_end, second_pieces_);
  }

  bool Take(std::string_view piece, std::string_view seen, bool began_line,
            bool line_end, int year) override {
    const bool in_first = began_line && dialect_.Inside(seen, first_);
    const bool in_second =
        began_line && two_days_ && dialect_.Inside(seen, second_);
    if (!anchored_ &&
        (year != first_year_ || (two_days_ && year != SecondYear())))
      ChooseYear(year, in_first, in_second);
    Day(piece, seen, in_first, line_end, year == first_year_, first_pieces_);
    if (two_days_)
      Day(piece, seen, in_second, line_end, year == SecondYear(),
          second_pieces_);
    if (in_first || in_second) {
      entered_ = true;
      SettleEarlier();
      if (earlier_open_) {
        earlier_->ReadAfter(seen);
        earlier_open_ = earlier_->Open();
      }
    } else if (began_line && !Before(seen)) {
      if (entered_ && !after_) after_ = dialect_.DayOf(seen).has_value();
      if (Trailing()) Trail(seen);
    }
    return in_first || in_second;
  }

 private:
  // The day before's lines that may hold a session still going on at
  // midnight: from 18:00, a dial-up session of six hours being a long one.
  static WindowDay LateOn(DayMonth d) {
    return {d.day, d.month, 18, 0, 23, 59};
  }

  // The first day's time before the window; none for a window from 00:00.
  static WindowDay EarlierOn(const Window& w) {
    const int minutes = w.start_hour * 60 + w.start_minute - 1;
    if (minutes < 0) return {};
    return {w.first.day, w.first.month, 0, 0, minutes / 60, minutes % 60};
  }

  // A line of the day before the window or of its first day before its
  // start goes to the reader of the sessions it may find open at its
  // start; a new stretch of such lines, a year later, starts it over.
  bool Before(std::string_view seen) {
    if (earlier_ == nullptr) return false;
    if (!dialect_.Inside(seen, day_before_) &&
        (before_start_.day == 0 || !dialect_.Inside(seen, before_start_)))
      return false;
    if (entered_) {
      if (!after_) return true;  // a stray line inside the window
      earlier_->Reset();
      earlier_open_ = waiting_ = false;
      waiting_lines_.clear();
      entered_ = after_ = trail_done_ = false;
    }
    if (earlier_->StartsAfresh(seen)) {
      earlier_->Reset();
      waiting_lines_.clear();
      waiting_ = true;
    }
    if (waiting_) {
      waiting_lines_.append(seen).push_back('\0');
      return true;
    }
    earlier_->Read(seen);
    earlier_open_ = earlier_->Open();
    return true;
  }
  bool Trailing() const { return entered_ && !trail_done_ && reader_.Open(); }

  // A line past the window's end goes to the sessions still open, up to the
  // day after the window's last: a session is counted whole where it began.
  void Trail(std::string_view seen) {
    const std::optional<DayMonth> date = dialect_.DayOf(seen);
    if (!date) return;
    const bool near = *date == LastDay() || *date == DayAfter(LastDay());
    if (near) reader_.ReadAfter(seen);
    trail_done_ = !near || !reader_.Open();
  }

  int SecondYear() const {
    return anchored_ || first_year_ >= 0 ? first_year_ + second_offset_
                                         : second_only_;
  }

  // A line of the window in a year not taken yet: a later year than the
  // one taken, which then gives way.
  void ChooseYear(int year, bool in_first, bool in_second) {
    const int old_first = first_year_;
    const int old_second = SecondYear();
    if (in_first)
      first_year_ = year;
    else if (first_year_ < 0 && in_second)
      second_only_ = year;
    if ((old_first >= 0 && old_first != first_year_) ||
        (two_days_ && old_second >= 0 && old_second != SecondYear())) {
      reader_.Reset();
      entered_ = after_ = trail_done_ = false;
      first_pieces_.copying = false;
      second_pieces_.copying = false;
      if (restart_ != nullptr) restart_->DropOutputs();
    }
  }

  // One day's share of a piece: the lines of other years pass by.
  void Day(std::string_view piece, std::string_view seen, bool inside,
           bool line_end, bool this_year, LinePieces& pieces) {
    if (this_year)
      ProcessPiece(piece, seen, inside, mode_, cut_, reader_, pieces);
    else
      SkipPiece(line_end, pieces);
  }

  const LogDialect& dialect_;
  const WindowDay first_;
  const WindowDay second_;
  const bool two_days_;
  const int second_offset_;
  const int first_calendar_year_;
  const CutMode mode_;
  Output* const cut_;
  SessionReader& reader_;
  const WindowDay day_before_;
  const WindowDay before_start_;
  SessionReader* const earlier_;
  bool earlier_open_ = false;  // earlier_->Open() since its last line
  // The lines since the last that starts the earlier reader afresh wait
  // for the window (the lines before it bear on nothing the window sees):
  // each seen, ended by a NUL.
  std::string waiting_lines_;
  bool waiting_ = false;
  // The day before passes by on its hour until day_before_'s start.
  const bool late_by_hour_;
  ScanRestart* const restart_;
  DaySet days_;
  DaySet late_;
  // The years of the reading taken: those of the days asked for once
  // anchored; before, the latest year with a line of the first day, or of
  // the second while first_year_ < 0.
  bool anchored_ = false;
  int first_year_ = -1;
  int second_only_ = -1;
  LinePieces first_pieces_, second_pieces_;
  bool entered_ = false;     // a line of the window was read
  bool after_ = false;       // and a dated line after it
  bool trail_done_ = false;  // the lines past its end were followed
};

}  // namespace

ScanCounts ScanLog(ByteWindow& log, const LogDialect& dialect,
                   const Window& window, CutMode mode, Output* cut,
                   SessionReader& reader, ScanProgress* progress,
                   ScanRestart* restart, SessionReader* earlier) {
  WindowPlan plan(dialect, window, mode, cut, reader, earlier, restart);
  const ScanCounts counts =
      ScanPieces(log, dialect, plan, progress, window.first, window.day_count(),
                 window.today);
  plan.SettleEarlier();
  return counts;
}
void CloseAtWindowEnd(const Window& window, SessionTable& table) {
  if (table.empty()) return;
  SessionRecord& last = table.Current();
  if (FieldText(last.end_time).size() >= 5) return;
  std::snprintf(last.end_time, sizeof last.end_time, "%02d:%02d:59",
                window.end_hour, window.end_minute);
}

namespace {

// A period: each line goes to the reader of its day in its year; the days
// come from one stretch of the log, chosen at the end.
class PeriodPlan final : public ScanPlan {
 public:
  PeriodPlan(const LogDialect& dialect, const Period& period, PeriodSink& sink,
             bool complete_early)
      : dialect_(dialect),
        last_(period.last),
        last_calendar_year_(period.last_year),
        days_count_(period.days),
        sink_(sink),
        offset_(static_cast<std::size_t>(period.days), 0),
        latest_(static_cast<std::size_t>(period.days), -1),
        complete_early_(complete_early),
        completed_year_(static_cast<std::size_t>(period.days), -1) {
    DayMonth d = period.first;
    for (int k = 0; k < period.days; ++k, d = DayAfter(d)) {
      days_.Add(d, k);
      // Days before a 31 December the period crosses lie a year before
      // its last day.
      if (d.day == 1 && d.month == 1)
        for (int before = 0; before < k; ++before) offset_[Slot(before)] = -1;
    }
  }

  const DaySet& days() const override { return days_; }
  int TakenYear() const override { return last_day_year_; }
  DayMonth LastDay() const override { return last_; }
  int LastYear() const override { return last_calendar_year_; }
  void Anchor(int shift) override {
    anchored_ = true;
    last_day_year_ = last_calendar_year_ + shift;
  }
  bool Finish(int shift) override {
    const int wanted = last_calendar_year_ + shift;
    bool kept = true;
    for (int k = 0; k < days_count_; ++k)
      if (wanted + offset_[Slot(k)] < Floor(k)) kept = false;
    anchored_ = true;
    last_day_year_ = wanted;
    return kept;
  }
  // Not while a line a reader took goes on in pieces, nor while the last
  // day read has a session going on past its midnight.
  bool CanSkip() const override {
    return continued_ == nullptr &&
           !(current_ != nullptr && current_->Open()) && trailing_ == nullptr;
  }
  void Skip(bool) override {}

  bool Take(std::string_view, std::string_view seen, bool began_line,
            bool line_end, int year) override {
    if (continued_ != nullptr) {
      continued_->Continue(seen);
      if (line_end) continued_ = nullptr;
      return false;
    }
    if (!began_line) return false;
    const std::optional<DayMonth> date = dialect_.DayOf(seen);
    if (!date) return false;
    const int k = days_.Index(date->day, date->month);
    const bool inside =
        k >= 0 &&
        dialect_.Inside(seen, WindowDay{date->day, date->month, 0, 0, 23, 59});
    SessionReader* reader = inside ? DayReader(k, year) : nullptr;
    Follow(reader, *date, seen);
    if (reader == nullptr) return inside;
    if (complete_early_) CompleteBefore(k, year);
    reader->Read(seen);
    if (!line_end) continued_ = reader;
    return true;
  }

  // The last day's latest year decides; without a line of the last day,
  // the latest year any day of the period was seen in.
  std::vector<int> Years() const {
    int chosen = last_day_year_;
    if (!anchored_ && chosen < 0)
      for (int k = 0; k < days_count_; ++k)
        if (latest_[Slot(k)] >= 0 &&
            latest_[Slot(k)] - offset_[Slot(k)] > chosen)
          chosen = latest_[Slot(k)] - offset_[Slot(k)];
    std::vector<int> years(static_cast<std::size_t>(days_count_), -1);
    for (int k = 0; k < days_count_; ++k)
      if (chosen + offset_[Slot(k)] >= 0)
        years[Slot(k)] = chosen + offset_[Slot(k)];
    return years;
  }

  bool CompletedTooEarly(const std::vector<int>& years) const {
    bool wrong = late_line_;
    for (int k = 0; k < completed_; ++k)
      wrong = wrong || years[Slot(k)] != completed_year_[Slot(k)];
    return wrong;
  }

 private:
  static std::size_t Slot(int k) { return static_cast<std::size_t>(k); }

  // The reader of day k in the year, unless that year can no longer be
  // chosen.
  SessionReader* DayReader(int k, int year) {
    if (anchored_ && year != last_day_year_ + offset_[Slot(k)]) return nullptr;
    if (!anchored_) NoteYear(k, year);
    if (year < Floor(k)) return nullptr;
    if (k < completed_) {
      late_line_ = true;
      return nullptr;
    }
    if (year > latest_[Slot(k)]) latest_[Slot(k)] = year;
    return &sink_.Day(k, year);
  }

  // Two lines in a row of days of the period, in one year of its last
  // day, complete the days two or more before the earlier of them.
  void CompleteBefore(int k, int year) {
    const int last_day_year = year - offset_[Slot(k)];
    const int before = std::min(k, previous_day_);
    const bool in_row = last_day_year == previous_year_;
    previous_day_ = k;
    previous_year_ = last_day_year;
    if (!in_row) return;
    for (; completed_ <= before - 2; ++completed_) {
      const int y = last_day_year + offset_[Slot(completed_)];
      completed_year_[Slot(completed_)] = y;
      sink_.Complete(completed_, y);
    }
  }

  // A day's session still open at its midnight goes on in the next day's
  // lines: they go to it first, until it ends, as far as that next day.
  void Follow(SessionReader* reader, DayMonth date, std::string_view seen) {
    const bool left = reader != nullptr
                          ? reader != current_
                          : current_ != nullptr && date != current_date_;
    if (left) {
      if (current_ != nullptr && current_->Open()) {
        trailing_ = current_;
        trail_until_ = DayAfter(current_date_);
      }
      current_ = reader;
      current_date_ = date;
    }
    if (trailing_ == nullptr || trailing_ == reader) return;
    const bool near = date == trail_until_;
    if (near) trailing_->ReadAfter(seen);
    if (!near || !trailing_->Open()) trailing_ = nullptr;
  }

  // The earliest year of day k that can still be chosen.
  int Floor(int k) const {
    const int by_last =
        last_day_year_ >= 0 ? last_day_year_ + offset_[Slot(k)] : -1;
    return by_last > newest_ - 1 ? by_last : newest_ - 1;
  }

  void NoteYear(int k, int year) {
    const bool last_day = k == days_count_ - 1;
    if (year <= newest_ && !(last_day && year > last_day_year_)) return;
    if (year > newest_) newest_ = year;
    if (last_day && year > last_day_year_) last_day_year_ = year;
    // The years before the ones that can still be chosen go.
    for (int j = 0; j < days_count_; ++j) sink_.Drop(j, Floor(j));
  }

  const LogDialect& dialect_;
  const DayMonth last_;
  const int last_calendar_year_;
  const int days_count_;
  PeriodSink& sink_;
  DaySet days_;
  std::vector<int> offset_;
  std::vector<int> latest_;
  // The year of the last day: the one asked for once anchored; before,
  // the latest year with a line of it.
  bool anchored_ = false;
  int last_day_year_ = -1;
  int newest_ = -1;  // the latest year with a line of any day
  // The reader of a line whose next piece is still to come.
  SessionReader* continued_ = nullptr;
  SessionReader* current_ = nullptr;   // of the day last read
  DayMonth current_date_;              // that day
  SessionReader* trailing_ = nullptr;  // a day before, its session open
  DayMonth trail_until_;               // the last day it may go on to
  const bool complete_early_;
  int completed_ = 0;                // the days before it were told complete
  std::vector<int> completed_year_;  // in these years
  int previous_day_ = -1;            // of the last line read of the period
  int previous_year_ = -1;           // the last day's year that line puts it in
  bool late_line_ = false;           // a line of a day told complete came
};

}  // namespace

PeriodScan ScanPeriod(ByteWindow& log, const LogDialect& dialect,
                      const Period& period, Date today, PeriodSink& sink,
                      ScanProgress* progress, bool complete_early) {
  PeriodPlan plan(dialect, period, sink, complete_early);
  PeriodScan scan;
  scan.counts = ScanPieces(log, dialect, plan, progress, period.first,
                           period.days, today);
  scan.years = plan.Years();
  scan.completed_too_early = plan.CompletedTooEarly(scan.years);
  return scan;
}

}  // namespace brantlow
