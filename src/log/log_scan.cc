#include "log/log_scan.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/text_fields.h"
#include "log/log_piece_reader.h"
#include "log/log_years.h"

#include <cstring>

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

bool HoldsUtf8Cyrillic(const char* b, std::size_t length) {
  // Most lines hold no lead byte at all.
  if (std::memchr(b, '\xD0', length) == nullptr &&
      std::memchr(b, '\xD1', length) == nullptr)
    return false;
  // D0 or D1, then a continuation byte: one letter of U+0400 to U+047F.
  auto letter = [b](std::size_t i) {
    const auto lead = static_cast<unsigned char>(b[i]);
    const auto next = static_cast<unsigned char>(b[i + 1]);
    return (lead == 0xD0 || lead == 0xD1) && (next & 0xC0) == 0x80;
  };
  for (std::size_t i = 0; i + 3 < length; ++i)
    if (letter(i) && letter(i + 2)) return true;
  return false;
}

namespace {

// Whether a byte D0 or D1 (a UTF-8 Cyrillic lead) is among the first
// length, eight at a time: short lines cost less than two memchr calls.
bool HoldsCyrillicLead(const char* b, std::size_t length) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighs = 0x8080808080808080u;
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    std::uint64_t w;
    std::memcpy(&w, b + i, 8);
    const std::uint64_t x = (w & ~kOnes) ^ (0xD0 * kOnes);
    if (((x - kOnes) & ~x & kHighs) != 0) return true;
  }
  for (; i < length; ++i)
    if ((static_cast<unsigned char>(b[i]) & 0xFE) == 0xD0) return true;
  return false;
}

// A piece with no digit in its first two bytes reads as day 0, which names
// no day of a window or period; one with a UTF-8 letter is still looked at
// for the warning. Lines of other text then cost what dated lines do.
bool Dayless(const char* b, std::size_t length) {
  auto digit = [b](std::size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(b[i]) - '0') <= 9u;
  };
  return !(length >= 1 && digit(0)) && !(length >= 2 && digit(1)) &&
         (length < 4 || !HoldsCyrillicLead(b, length) ||
          !HoldsUtf8Cyrillic(b, length));
}

}  // namespace

ScanCounts ScanLog(ByteWindow& log, const Window& window, CutMode mode,
                   Output* cut, SessionExtractor& extractor,
                   ScanProgress* progress, ScanRestart* restart) {
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
  ScanCounts counts;
  bool line_start = true;   // the next piece begins a line
  bool utf8_told = false;   // the current line was counted as UTF-8
  auto outside = [&](const char* bytes, std::size_t length) {
    const bool passed = (CertainlyOutside(bytes, length, first) &&
                         (!two_days || CertainlyOutside(bytes, length, second))) ||
                        (first.day != 0 && second.day != 0 && Dayless(bytes, length));
    if (!passed) return false;
    years.See(bytes, length);
    // The warnings ask only whether there is any: once one is found, the
    // lines passed over in bulk cost nothing more.
    if (counts.tmail_lines == 0 && length >= 14)
      counts.tmail_lines += LooksLikeTmailLine(bytes, length);
    return true;
  };
  for (;;) {
    std::size_t skipped = 0;
    if (jumps && line_start && CanSkip(first_pieces) &&
        CanSkip(second_pieces) && (skipped = reader.SkipLines(outside)) > 0) {
      counts.lines += static_cast<std::int64_t>(skipped);
      SkipPiece(true, first_pieces);
      SkipPiece(true, second_pieces);
      if (progress != nullptr) progress->JumpTo(reader.position());
    }
    if (!reader.Next(raw)) break;
    if (progress != nullptr) progress->Advance(raw.end_position);
    if (line_start) {
      years.See(raw.data, raw.raw_length);
      ++counts.lines;
      counts.tmail_lines += LooksLikeTmailLine(raw.data, raw.raw_length);
      utf8_told = false;
    }
    const bool began_line = line_start;
    line_start = raw.line_end;
    if (CanSkip(first_pieces) && (!two_days || CanSkip(second_pieces)) &&
        ((CertainlyOutside(raw.data, raw.raw_length, first) &&
          (!two_days || CertainlyOutside(raw.data, raw.raw_length, second))) ||
         (first.day != 0 && second.day != 0 && Dayless(raw.data, raw.raw_length)))) {
      SkipPiece(raw.line_end, first_pieces);
      if (two_days) SkipPiece(raw.line_end, second_pieces);
      continue;
    }
    const std::string_view piece = raw.Folded(line);
    if (!utf8_told && HoldsUtf8Cyrillic(piece.data(), piece.size())) {
      utf8_told = true;
      ++counts.utf8_lines;
    }
    if (began_line) {
      const std::string_view seen(piece.data(),
                                  strnlen(piece.data(), piece.size()));
      counts.inside_lines += InsideWindow(seen, first) ||
                             (two_days && InsideWindow(seen, second));
    }
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
  return counts;
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

PeriodScan ScanPeriod(ByteWindow& log, const Period& period, PeriodSink& sink,
                      ScanProgress* progress) {
  const DayIndex index(period);
  // Days before a 31 December the period crosses lie a year before its
  // last day.
  std::vector<int> offset(static_cast<std::size_t>(period.days), 0);
  {
    DayMonth d = period.first;
    for (int k = 0; k < period.days; ++k, d = DayAfter(d))
      if (d.day == 1 && d.month == 1)
        for (int before = 0; before < k; ++before)
          offset[static_cast<std::size_t>(before)] = -1;
  }
  PeriodScan scan;
  scan.years.assign(static_cast<std::size_t>(period.days), -1);
  std::vector<int> latest(static_cast<std::size_t>(period.days), -1);
  int last_day_year = -1;  // the latest year with a line of the last day
  int newest = -1;         // the latest year with a line of any day
  auto floor_of = [&](int k) {
    const int by_last = last_day_year >= 0
                            ? last_day_year + offset[static_cast<std::size_t>(k)]
                            : -1;
    return by_last > newest - 1 ? by_last : newest - 1;
  };

  LogYears years;
  LogPieceReader reader(log);
  LogPiece raw;
  char line[kLogPieceLimit + 1];
  const bool jumps =
      progress == nullptr || progress->CanJump(kLogPieceLimit + 1);
  ScanCounts& counts = scan.counts;
  auto outside = [&](const char* bytes, std::size_t length) {
    if (!index.CertainlyOutside(bytes, length) && !Dayless(bytes, length)) return false;
    years.See(bytes, length);
    if (counts.tmail_lines == 0 && length >= 14)
      counts.tmail_lines += LooksLikeTmailLine(bytes, length);
    return true;
  };
  bool line_start = true;
  bool utf8_told = false;
  for (;;) {
    std::size_t skipped = 0;
    if (jumps && line_start && (skipped = reader.SkipLines(outside)) > 0) {
      counts.lines += static_cast<std::int64_t>(skipped);
      if (progress != nullptr) progress->JumpTo(reader.position());
    }
    if (!reader.Next(raw)) break;
    if (progress != nullptr) progress->Advance(raw.end_position);
    const bool began_line = line_start;
    if (line_start) {
      years.See(raw.data, raw.raw_length);
      ++counts.lines;
      counts.tmail_lines += LooksLikeTmailLine(raw.data, raw.raw_length);
      utf8_told = false;
    }
    line_start = raw.line_end;
    if (index.CertainlyOutside(raw.data, raw.raw_length) || Dayless(raw.data, raw.raw_length))
      continue;
    const std::string_view piece = raw.Folded(line);
    if (!utf8_told && HoldsUtf8Cyrillic(piece.data(), piece.size())) {
      utf8_told = true;
      ++counts.utf8_lines;
    }
    const std::string_view text(piece.data(), strnlen(piece.data(), piece.size()));
    const DayMonth date{FieldNumber(text, 0, 2), FieldNumber(text, 3, 2)};
    const int k = index(date.day, date.month);
    if (k < 0 || !InsideWindow(text, WindowDay{date.day, date.month, 0, 0, 23, 59}))
      continue;
    if (began_line) ++counts.inside_lines;
    const int year = years.year();
    const std::size_t day = static_cast<std::size_t>(k);
    if (year > newest || (k == period.days - 1 && year > last_day_year)) {
      if (year > newest) newest = year;
      if (k == period.days - 1 && year > last_day_year) last_day_year = year;
      // The years before the ones that can still be chosen go.
      for (int j = 0; j < period.days; ++j) sink.Drop(j, floor_of(j));
    }
    if (year < floor_of(k)) continue;
    if (year > latest[day]) latest[day] = year;
    sink.Day(k, year).Extract(text);
  }

  // The last day's latest year decides; without a line of the last day,
  // the latest year any day of the period was seen in.
  int chosen = last_day_year;
  if (chosen < 0)
    for (int k = 0; k < period.days; ++k)
      if (latest[static_cast<std::size_t>(k)] >= 0) {
        const int y = latest[static_cast<std::size_t>(k)] - offset[static_cast<std::size_t>(k)];
        if (y > chosen) chosen = y;
      }
  if (chosen >= 0)
    for (int k = 0; k < period.days; ++k)
      scan.years[static_cast<std::size_t>(k)] = chosen + offset[static_cast<std::size_t>(k)];
  return scan;
}

}  // namespace brantlow
