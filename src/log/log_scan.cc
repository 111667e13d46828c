#include "log/log_scan.h"

#include <cstring>

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

}  // namespace brantlow
