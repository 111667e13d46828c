#include "log/log_history.h"

#include <algorithm>
#include <cstring>

#include "log/log_piece_reader.h"
#include "log/log_years.h"

namespace brantlow {

YearDay NextDay(YearDay day) {
  const DayMonth next = DayAfter(day.date);
  return {day.year + (next.month < day.date.month ? 1 : 0), next};
}

YearDay PreviousDay(YearDay day) {
  const DayMonth before = DayBefore(day.date);
  return {day.year - (before.month > day.date.month ? 1 : 0), before};
}

YearDay LatestOnOrBefore(DayMonth date, YearDay limit) {
  const YearDay same{limit.year, date};
  return limit < same ? YearDay{limit.year - 1, date} : same;
}

std::int64_t SourceDays::OffsetOf(YearDay day) const {
  const auto found =
      std::find_if(starts.begin(), starts.end(),
                   [&](const Start& s) { return !(s.day < day); });
  if (found == starts.end()) return size;
  return found == starts.begin() ? 0 : found->offset;
}

void SourceDays::SetFirstYear(int year) {
  if (empty()) return;
  const int shift = year - first().year;
  for (Start& s : starts) s.day.year += shift;
}

void SourceDays::SetLastYear(int year) {
  if (empty()) return;
  const int shift = year - last().year;
  for (Start& s : starts) s.day.year += shift;
}

SourceDays SurveyDays(ByteWindow& source, const LogDialect& dialect) {
  SourceDays days;
  LogYears years(dialect);
  LogPieceReader reader(source);
  LogPiece piece;
  bool line_start = true;
  std::int64_t offset = 0;
  while (reader.Next(piece)) {
    if (line_start) {
      years.See(piece.data, piece.raw_length);
      const std::optional<LineStamp> stamp =
          dialect.Stamp(std::string_view(piece.data, piece.raw_length));
      if (stamp) {
        const YearDay day{years.year(), stamp->date};
        if (days.empty() || days.last() < day)
          days.starts.push_back({day, offset});
        days.last_month = stamp->date.month;
      }
    }
    line_start = piece.line_end;
    offset = piece.end_position;
  }
  days.size = offset;
  return days;
}

std::vector<SourceSegment> ChooseSegments(
    YearDay first, YearDay last, const std::vector<SourceDays>& sources) {
  std::vector<SourceSegment> segments;
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  auto owner = [&](YearDay day) {
    for (std::size_t i = 0; i < sources.size(); ++i)
      if (!sources[i].empty() && !(day < sources[i].first()) &&
          !(sources[i].last() < day))
        return i;
    return kNone;
  };
  for (YearDay day = first; !(last < day); day = NextDay(day)) {
    const std::size_t i = owner(day);
    if (i == kNone) continue;
    if (!segments.empty() && segments.back().source == i &&
        NextDay(segments.back().last) == day) {
      segments.back().last = day;
      continue;
    }
    segments.push_back({i, 0, 0, day, day});
  }
  // Each segment reaches up to where the next day of its source begins,
  // so that a day the calendar steps over (29 February) stays with it.
  for (SourceSegment& s : segments) {
    const SourceDays& days = sources[s.source];
    s.begin = days.OffsetOf(s.first);
    s.end = days.OffsetOf(NextDay(s.last));
  }
  return segments;
}

SourceChain::SourceChain(std::vector<SourceSegment> segments, Opener open,
                         ByteWindow& log)
    : segments_(std::move(segments)),
      open_(std::move(open)),
      log_(log),
      size_(log.size()) {
  for (const SourceSegment& s : segments_) size_ += s.end - s.begin;
}

bool SourceChain::NextSegment() {
  if (reading_ != nullptr && end_ >= 0 && position_ < end_)
    failures_.push_back(segments_[next_ - 1].source);
  current_.reset();
  reading_ = nullptr;
  while (next_ < segments_.size()) {
    const SourceSegment& s = segments_[next_++];
    current_ = open_(s.source);
    if (!current_) {
      failures_.push_back(s.source);
      continue;
    }
    reading_ = current_.get();
    position_ = s.begin;
    end_ = s.end;
    return true;
  }
  if (ended_) return false;
  ended_ = true;
  reading_ = &log_;
  position_ = 0;
  end_ = -1;
  return true;
}

std::size_t SourceChain::ReadSome(char* into, std::size_t size) {
  for (;;) {
    if (reading_ == nullptr && !NextSegment()) return 0;
    std::string_view bytes = reading_->At(position_);
    if (end_ >= 0 && static_cast<std::int64_t>(bytes.size()) > end_ - position_)
      bytes = bytes.substr(0, static_cast<std::size_t>(end_ - position_));
    if (bytes.empty()) {
      if (reading_ == &log_) return 0;
      // A source's last line always ends before the next one begins.
      if (last_byte_ != '\n') {
        last_byte_ = '\n';
        *into = '\n';
        return 1;
      }
      if (!NextSegment()) return 0;
      continue;
    }
    const std::size_t n = std::min(size, bytes.size());
    std::memcpy(into, bytes.data(), n);
    position_ += static_cast<std::int64_t>(n);
    last_byte_ = into[n - 1];
    return n;
  }
}

}  // namespace brantlow
