#include "log/log_region.h"

#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

#include "log/log_piece_reader.h"
#include "log/log_years.h"

namespace brantlow {

namespace {

constexpr std::size_t kBlock = 64 << 10;  // bytes read at a time
constexpr std::size_t kProbe = 4 << 10;   // bytes of one probe
constexpr std::int64_t kProbeReach =
    64 << 10;  // a probe's dated line lies this near
constexpr std::int64_t kTail = 256
                               << 10;  // read back from the end before probing
constexpr std::int64_t kNarrow =
    64 << 10;  // probes stop this close, lines take over

// A dated line, with the years begun after it up to the log's last line.
struct Stamp {
  std::int64_t offset = 0;  // the line's start
  DayMonth date;
  int back_years = 0;
};

// Days in time order across years: a later day is larger.
std::int64_t Order(int back_years, DayMonth d) {
  return -static_cast<std::int64_t>(back_years) * 512 + d.month * 32 + d.day;
}
std::int64_t Order(const Stamp& s) { return Order(s.back_years, s.date); }

// The forward count of years begins one between neighbouring dated lines
// when the newer's month is six or more below the older's.
bool YearBegins(DayMonth older, DayMonth newer) {
  return newer.month <= older.month - 6;
}

// The day steps days before d (after it for negative steps), as an order.
std::int64_t Shifted(DayMonth d, int back_years, int steps) {
  for (; steps > 0; --steps) {
    if (d.day == 1 && d.month == 1) ++back_years;
    d = DayBefore(d);
  }
  for (; steps < 0; ++steps) {
    if (d.day == 31 && d.month == 12) --back_years;
    d = DayAfter(d);
  }
  return Order(back_years, d);
}

// The first bytes of the line at start that end no later than end, for
// the date reader: up to one piece, without the line's end.
std::string_view LineStart(ByteWindow& log, std::int64_t start,
                           std::int64_t end, const std::vector<char>& buffer,
                           std::int64_t buffer_start, std::size_t buffered,
                           char (&own)[kLogPieceLimit + 1]) {
  std::int64_t want = end - start;
  if (want > static_cast<std::int64_t>(kLogPieceLimit)) want = kLogPieceLimit;
  std::size_t n = static_cast<std::size_t>(want);
  const char* bytes = own;
  if (start >= buffer_start &&
      start + want <= buffer_start + static_cast<std::int64_t>(buffered)) {
    bytes = buffer.data() + (start - buffer_start);
  } else {
    n = log.ReadAt(start, own, n);
  }
  const void* newline = std::memchr(bytes, '\n', n);
  if (newline != nullptr)
    n = static_cast<std::size_t>(static_cast<const char*>(newline) - bytes);
  return {bytes, n};
}

// Dated lines read back from a line start, newest first, their years
// counted back from a known newer dated line.
class BackReader {
 public:
  // newer: the dated line at end; null when end is the log's end.
  BackReader(ByteWindow& log, const LineDates& dates, std::int64_t end,
             const Stamp* newer)
      : log_(log), dates_(dates), pos_(end), buffer_(kBlock) {
    if (newer != nullptr) {
      have_newer_ = true;
      newer_ = newer->date;
      back_years_ = newer->back_years;
    }
  }

  // The next older dated line; false at the log's start or when the
  // bytes cannot be read (then failed()).
  bool Next(Stamp& line) {
    while (pos_ > 0) {
      std::int64_t start = 0;
      if (!FindLineStart(pos_, start)) return false;
      const std::int64_t end = pos_;
      pos_ = start;
      DayMonth d;
      char own[kLogPieceLimit + 1];
      if (!dates_.DateOf(LineStart(log_, start, end, buffer_, buffer_start_,
                                   buffered_, own),
                         d))
        continue;
      if (have_newer_ && YearBegins(d, newer_)) ++back_years_;
      have_newer_ = true;
      newer_ = d;
      line = {start, d, back_years_};
      return true;
    }
    return false;
  }

  bool failed() const { return failed_; }

 private:
  // The start of the line that ends at end: after the newline before it.
  bool FindLineStart(std::int64_t end, std::int64_t& start) {
    std::int64_t limit = end - 1;  // the line's own newline lies at limit
    while (limit > 0) {
      if (limit <= buffer_start_ ||
          limit > buffer_start_ + static_cast<std::int64_t>(buffered_)) {
        const std::int64_t from =
            limit > static_cast<std::int64_t>(kBlock)
                ? limit - static_cast<std::int64_t>(kBlock)
                : 0;
        const std::size_t size = static_cast<std::size_t>(limit - from);
        buffered_ = log_.ReadAt(from, buffer_.data(), size);
        buffer_start_ = from;
        if (buffered_ != size) {
          failed_ = true;
          return false;
        }
      }
      for (std::int64_t i = limit - 1; i >= buffer_start_; --i) {
        if (buffer_[static_cast<std::size_t>(i - buffer_start_)] == '\n') {
          start = i + 1;
          return true;
        }
      }
      limit = buffer_start_;
    }
    start = 0;
    return true;
  }

  ByteWindow& log_;
  const LineDates& dates_;
  std::int64_t pos_;  // the start of the line given last
  std::vector<char> buffer_;
  std::int64_t buffer_start_ = 0;
  std::size_t buffered_ = 0;
  bool have_newer_ = false;
  DayMonth newer_;
  int back_years_ = 0;
  bool failed_ = false;
};

// Dated lines read on from the first line that starts at or after from;
// their years are the caller's.
class ForwardReader {
 public:
  ForwardReader(ByteWindow& log, const LineDates& dates, std::int64_t from,
                std::size_t block)
      : log_(log), dates_(dates), buffer_(block) {
    // A line starts at from when the byte before it ends a line.
    pos_ = from > 0 ? from - 1 : 0;
    in_line_ = from > 0;
  }

  bool Next(Stamp& line) {
    for (;;) {
      if (in_line_ && !SkipLine()) return false;
      in_line_ = true;
      const std::int64_t start = pos_;
      if (!Load(start)) return false;
      DayMonth d;
      char own[kLogPieceLimit + 1];
      const std::int64_t end =
          start + static_cast<std::int64_t>(kLogPieceLimit);
      if (dates_.DateOf(LineStart(log_, start, end, buffer_, buffer_start_,
                                  buffered_, own),
                        d)) {
        line = {start, d, 0};
        return true;
      }
    }
  }

 private:
  // Makes the buffer hold offset; false at the end.
  bool Load(std::int64_t offset) {
    if (offset >= buffer_start_ &&
        offset < buffer_start_ + static_cast<std::int64_t>(buffered_))
      return true;
    buffer_start_ = offset;
    buffered_ = log_.ReadAt(offset, buffer_.data(), buffer_.size());
    return buffered_ != 0;
  }

  // Moves past the end of the line pos_ lies in; false at the log's end.
  bool SkipLine() {
    for (;;) {
      if (!Load(pos_)) return false;
      const std::size_t at = static_cast<std::size_t>(pos_ - buffer_start_);
      const void* newline =
          std::memchr(buffer_.data() + at, '\n', buffered_ - at);
      if (newline != nullptr) {
        pos_ = buffer_start_ +
               (static_cast<const char*>(newline) - buffer_.data()) + 1;
        return true;
      }
      pos_ = buffer_start_ + static_cast<std::int64_t>(buffered_);
    }
  }

  ByteWindow& log_;
  const LineDates& dates_;
  std::vector<char> buffer_;
  std::int64_t buffer_start_ = 0;
  std::size_t buffered_ = 0;
  std::int64_t pos_ = 0;
  bool in_line_ = false;  // pos_ is not a line start
};

// The outcome of a search: a line, or the log's start.
struct Found {
  std::int64_t offset = 0;
  int back_years = 0;
  RegionTrust trust = RegionTrust::kTrusted;
};

// The first dated line from at, its years counted from the newer line.
// Going back, a rise of more than a day begins a year (the probes are
// assumed never to pass over a whole one).
RegionTrust Probe(ByteWindow& log, const LineDates& dates, std::int64_t at,
                  const Stamp& newer, Stamp& line) {
  ForwardReader reader(log, dates, at, kProbe);
  if (!reader.Next(line) || line.offset - at > kProbeReach)
    return RegionTrust::kNoDatedLine;
  line.back_years = newer.back_years;
  if (Order(line) > Shifted(newer.date, newer.back_years, -1))
    ++line.back_years;
  return RegionTrust::kTrusted;
}

// Going back, the place where the lines have passed order: two dated lines
// at or before it in a row, so that one stray old line among the wanted
// days' is not taken for their beginning.
class PassedOrder {
 public:
  explicit PassedOrder(std::int64_t order) : order_(order) {}
  // The newer of the two once both are seen.
  std::optional<Found> See(const Stamp& line) {
    if (Order(line) > order_) {
      have_newer_ = false;
      return std::nullopt;
    }
    if (have_newer_) return Found{newer_.offset, newer_.back_years};
    newer_ = line;
    have_newer_ = true;
    return std::nullopt;
  }

 private:
  std::int64_t order_;
  bool have_newer_ = false;
  Stamp newer_;
};

// The newest line at or before order, read line by line back from hi.
Found BackTo(ByteWindow& log, const LineDates& dates, const Stamp& hi,
             std::int64_t order) {
  BackReader back(log, dates, hi.offset, &hi);
  PassedOrder passed(order);
  Stamp line = hi;
  while (back.Next(line))
    if (const std::optional<Found> found = passed.See(line)) return *found;
  if (back.failed()) return {0, 0, RegionTrust::kNotSeekable};
  return {0, line.back_years};
}

// Probes at growing distances back from hi until one is at or before
// order, then halves the gap down to a few blocks.
Found Gallop(ByteWindow& log, const LineDates& dates, Stamp hi,
             std::int64_t order) {
  Stamp lo, probe;
  for (std::int64_t step = kNarrow;; step *= 2) {
    const std::int64_t at = hi.offset > step ? hi.offset - step : 0;
    const RegionTrust trust = Probe(log, dates, at, hi, probe);
    if (trust != RegionTrust::kTrusted) return {0, 0, trust};
    if (probe.offset < hi.offset && Order(probe) <= order) {
      lo = probe;
      break;
    }
    if (at == 0) return {0, probe.back_years};
    if (probe.offset < hi.offset) hi = probe;
  }
  while (hi.offset - lo.offset > kNarrow) {
    const RegionTrust trust =
        Probe(log, dates, lo.offset + (hi.offset - lo.offset) / 2, hi, probe);
    if (trust != RegionTrust::kTrusted) return {0, 0, trust};
    if (probe.offset >= hi.offset) break;
    // The years lo was given must follow from the probe's as well.
    const int lo_years =
        probe.back_years + (Order(probe.back_years, lo.date) >
                            Shifted(probe.date, probe.back_years, -1));
    if (lo_years != lo.back_years) return {0, 0, RegionTrust::kMonthsDisagree};
    (Order(probe) <= order ? lo : hi) = probe;
  }
  return BackTo(log, dates, hi, order);
}

// The start of the newest line at or before order; the log's start when
// none is.
Found LastAtOrBefore(ByteWindow& log, const LineDates& dates,
                     std::int64_t order) {
  BackReader back(log, dates, log.size(), nullptr);
  PassedOrder passed(order);
  Stamp line;
  while (back.Next(line)) {
    if (const std::optional<Found> found = passed.See(line)) return *found;
    if (log.size() - line.offset > kTail && Order(line) > order)
      return Gallop(log, dates, line, order);
  }
  if (back.failed()) return {0, 0, RegionTrust::kNotSeekable};
  return {0, line.back_years};
}

}  // namespace

LogRegion FindLogRegion(ByteWindow& log, const LineDates& dates, DayMonth first,
                        int days, int back_years) {
  LogRegion region;
  char byte;
  if (log.size() <= 0 || log.ReadAt(0, &byte, 1) != 1) {
    region.trust = RegionTrust::kNotSeekable;
    return region;
  }
  int new_years = 0;  // the 1 Januaries after first, up to the last day
  DayMonth day = first;
  for (int k = 1; k < days; ++k) {
    day = DayAfter(day);
    if (day.day == 1 && day.month == 1) ++new_years;
  }
  {
    BackReader back(log, dates, log.size(), nullptr);
    Stamp end;
    if (!back.Next(end)) {
      region.trust =
          back.failed() ? RegionTrust::kNotSeekable : RegionTrust::kNoDatedLine;
      return region;
    }
  }
  const Found start =
      LastAtOrBefore(log, dates, Shifted(first, back_years + new_years, 2));
  region.start = start.offset;
  region.trust = start.trust;
  return region;
}

std::optional<DayMonth> LastDatedDay(ByteWindow& log, const LineDates& dates) {
  char byte;
  if (log.size() <= 0 || log.ReadAt(0, &byte, 1) != 1) return std::nullopt;
  BackReader back(log, dates, log.size(), nullptr);
  Stamp end;
  if (!back.Next(end)) return std::nullopt;
  return end.date;
}

}  // namespace brantlow
