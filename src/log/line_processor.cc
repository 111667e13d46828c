#include "log/line_processor.h"

#include <cstring>

#include "base/text_fields.h"

namespace brantlow {

bool InsideWindow(std::string_view line, const WindowDay& w) {
  if (FieldNumber(line, 0, 2) != w.day) return false;
  if (FieldNumber(line, 3, 2) != w.month) return false;
  int hour = FieldNumber(line, 6, 2);
  if (hour < w.start_hour || hour > w.end_hour) return false;
  if (hour == w.start_hour || hour == w.end_hour) {
    int minute = FieldNumber(line, 9, 2);
    if (hour == w.start_hour && minute < w.start_minute) return false;
    if (hour == w.end_hour && minute > w.end_minute) return false;
  }
  return true;
}

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

void ProcessPiece(std::string_view piece, std::string_view line, bool inside,
                  CutMode mode, Output* cut, SessionReader& reader,
                  LinePieces& pieces) {
  // A later piece of a long line is no line of its own, whatever it
  // looks like: the cut file takes it with its line, and the reader that
  // took the line's start gets the rest of it.
  const bool starts_line = !pieces.continuing;
  if (starts_line) pieces.copying = inside;
  if (pieces.copying && Cuts(mode) && cut != nullptr) cut->Write(piece);
  pieces.continuing = !piece.empty() && piece.back() != '\n';
  if (!Analyses(mode)) return;
  if (starts_line && inside)
    reader.Read(line);
  else if (!starts_line && pieces.copying)
    reader.Continue(line);
}

}  // namespace brantlow
