#include "log/log_scan.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "base/text_fields.h"
#include "log/log_piece_reader.h"
#include "log/log_years.h"

namespace brantlow {

void ScanLog(ByteWindow& log, const Window& window, CutMode mode, Output* cut,
             SessionExtractor& extractor, ScanProgress* progress,
             ScanRestart* restart) {
  const WindowDay first = window.Day(0);
  const WindowDay second = window.Day(1);
  const bool two_days = window.crosses_midnight;
  // The morning after a 31 December lies in the next year of the log.
  const int second_offset =
      window.first.day == 31 && window.first.month == 12 ? 1 : 0;
  LogYears years;
  int first_year = -1;   // latest year with a line of the first day
  int second_only = -1;  // latest with one of the second, while first_year < 0
  auto second_year = [&] {
    return first_year >= 0 ? first_year + second_offset : second_only;
  };
  LinePieces first_pieces, second_pieces;
  LogPieceReader reader(log);
  LogPiece raw;
  char line[kLogPieceLimit + 1];
  const bool jumps =
      progress == nullptr || progress->CanJump(kLogPieceLimit + 1);
  auto outside = [&](const char* bytes, std::size_t length) {
    if (!CertainlyOutside(bytes, length, first) ||
        (two_days && !CertainlyOutside(bytes, length, second)))
      return false;
    years.See(bytes, length);
    return true;
  };
  bool line_start = true;  // the next piece begins a line
  for (;;) {
    if (jumps && line_start && CanSkip(first_pieces) &&
        CanSkip(second_pieces) && reader.SkipLines(outside) > 0) {
      SkipPiece(true, first_pieces);
      SkipPiece(true, second_pieces);
      if (progress != nullptr) progress->JumpTo(reader.position());
    }
    if (!reader.Next(raw)) break;
    if (progress != nullptr) progress->Advance(raw.end_position);
    if (line_start) years.See(raw.data, raw.raw_length);
    line_start = raw.line_end;
    if (CanSkip(first_pieces) &&
        CertainlyOutside(raw.data, raw.raw_length, first) &&
        (!two_days ||
         (CanSkip(second_pieces) &&
          CertainlyOutside(raw.data, raw.raw_length, second)))) {
      SkipPiece(raw.line_end, first_pieces);
      if (two_days) SkipPiece(raw.line_end, second_pieces);
      continue;
    }
    const std::string_view piece = raw.Folded(line);
    const int year = years.year();
    if (year != first_year || (two_days && year != second_year())) {
      // A line of the window in a year not taken yet: a later year than
      // the one taken, which then gives way.
      const std::string_view seen(piece.data(),
                                  strnlen(piece.data(), piece.size()));
      const int old_first = first_year;
      const int old_second = second_year();
      if (InsideWindow(seen, first))
        first_year = year;
      else if (two_days && first_year < 0 && InsideWindow(seen, second))
        second_only = year;
      if ((old_first >= 0 && old_first != first_year) ||
          (two_days && old_second >= 0 && old_second != second_year())) {
        extractor.Reset();
        first_pieces.copying = false;
        second_pieces.copying = false;
        if (restart != nullptr) restart->DropOutputs();
      }
    }
    if (year == first_year)
      ProcessLine(piece, first, mode, cut, extractor, first_pieces);
    else
      SkipPiece(raw.line_end, first_pieces);
    if (!two_days) continue;
    if (year == second_year())
      ProcessLine(piece, second, mode, cut, extractor, second_pieces);
    else
      SkipPiece(raw.line_end, second_pieces);
  }
}

void CloseAtWindowEnd(const Window& window, SessionTable& table) {
  if (table.empty()) return;
  SessionRecord& last = table.Current();
  if (FieldText(last.end_time).size() >= 5) return;
  std::snprintf(last.end_time, sizeof last.end_time, "%d:%d:59",
                window.end_hour, window.end_minute);
}

namespace {

// Which day of the period a day and month name: -1 for none. Day and
// month numbers outside the calendar name none.
class DayIndex {
 public:
  explicit DayIndex(const Period& period) {
    for (auto& month : index_) month.fill(-1);
    DayMonth d = period.first;
    for (int k = 0; k < period.days; ++k, d = DayAfter(d))
      index_[static_cast<std::size_t>(d.month)][static_cast<std::size_t>(d.day)] = k;
  }
  int operator()(int day, int month) const {
    if (day < 0 || day > 31 || month < 0 || month > 12) return -1;
    return index_[static_cast<std::size_t>(month)][static_cast<std::size_t>(day)];
  }
  // True only when the piece's day and month digits name no day of the
  // period; a piece whose start is not two digits, a separator and two
  // digits needs a closer look.
  bool CertainlyOutside(const char* piece, std::size_t length) const {
    if (length >= 1 && piece[0] == '\0') return (*this)(0, 0) < 0;
    if (length < 5) return false;
    const unsigned d0 = static_cast<unsigned char>(piece[0]) - '0';
    const unsigned d1 = static_cast<unsigned char>(piece[1]) - '0';
    const unsigned m0 = static_cast<unsigned char>(piece[3]) - '0';
    const unsigned m1 = static_cast<unsigned char>(piece[4]) - '0';
    if (d0 > 9 || d1 > 9 || m0 > 9 || m1 > 9 || piece[2] == '\0') return false;
    return (*this)(static_cast<int>(d0 * 10 + d1), static_cast<int>(m0 * 10 + m1)) < 0;
  }

 private:
  std::array<std::array<int, 32>, 13> index_;
};

}  // namespace

void ScanPeriod(ByteWindow& log, const Period& period,
                const std::vector<SessionExtractor*>& extractors,
                ScanProgress* progress) {
  const DayIndex index(period);
  LogPieceReader reader(log);
  LogPiece raw;
  char line[kLogPieceLimit + 1];
  const bool jumps =
      progress == nullptr || progress->CanJump(kLogPieceLimit + 1);
  auto outside = [&](const char* bytes, std::size_t length) {
    return index.CertainlyOutside(bytes, length);
  };
  for (;;) {
    if (jumps && reader.SkipLines(outside) > 0 && progress != nullptr)
      progress->JumpTo(reader.position());
    if (!reader.Next(raw)) break;
    if (progress != nullptr) progress->Advance(raw.end_position);
    if (index.CertainlyOutside(raw.data, raw.raw_length)) continue;
    const std::string_view piece = raw.Folded(line);
    const std::string_view text(piece.data(), strnlen(piece.data(), piece.size()));
    const int k = index(FieldNumber(text, 0, 2), FieldNumber(text, 3, 2));
    if (k < 0) continue;
    const DayMonth date{FieldNumber(text, 0, 2), FieldNumber(text, 3, 2)};
    if (InsideWindow(text, WindowDay{date.day, date.month, 0, 0, 23, 59}))
      extractors[static_cast<std::size_t>(k)]->Extract(text);
  }
}

}  // namespace brantlow
