#include "log/log_scan.h"

#include "log/log_piece_reader.h"

namespace brantlow {

void ScanLog(ByteWindow& log, const Window& window, CutMode mode, Output* cut,
             SessionExtractor& extractor, ScanProgress* progress) {
  const WindowDay first = window.Day(0);
  const WindowDay second = window.Day(1);
  const bool two_days = window.crosses_midnight;
  LinePieces first_pieces, second_pieces;
  LogPieceReader reader(log);
  LogPiece raw;
  char line[kLogPieceLimit + 1];
  const bool jumps =
      progress == nullptr || progress->CanJump(kLogPieceLimit + 1);
  auto outside = [&](const char* bytes, std::size_t length) {
    return CertainlyOutside(bytes, length, first) &&
           (!two_days || CertainlyOutside(bytes, length, second));
  };
  for (;;) {
    if (jumps && CanSkip(first_pieces) && CanSkip(second_pieces) &&
        reader.SkipLines(outside) > 0) {
      SkipPiece(true, first_pieces);
      SkipPiece(true, second_pieces);
      if (progress != nullptr) progress->JumpTo(reader.position());
    }
    if (!reader.Next(raw)) break;
    if (progress != nullptr) progress->Advance(raw.end_position);
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
    ProcessLine(piece, first, mode, cut, extractor, first_pieces);
    if (two_days)
      ProcessLine(piece, second, mode, cut, extractor, second_pieces);
  }
}

}  // namespace brantlow
