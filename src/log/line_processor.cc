#include "log/line_processor.h"

#include <cstring>

#include "base/text_fields.h"

namespace brantlow {

bool CertainlyOutside(const char* piece, std::size_t length,
                      const WindowDay& window) {
  DaySet days;
  days.Add({window.day, window.month}, 0);
  return TmailDialect().CertainlyOutside(piece, length, days);
}

void ProcessLine(std::string_view piece, const WindowDay& day, CutMode mode,
                 Output* cut, SessionReader& reader, LinePieces& pieces) {
  // Readers see a line up to its first NUL; the cut file gets every byte.
  std::string_view line(piece.data(), strnlen(piece.data(), piece.size()));
  ProcessPiece(piece, line, InsideWindow(line, day), mode, cut, reader, pieces);
}

}  // namespace brantlow
