// Tests each piece of the mailer log against one day of the reading window
// and hands what lies inside to the cut file and the session extractor.
#ifndef BRANTLOW_LOG_LINE_PROCESSOR_H_
#define BRANTLOW_LOG_LINE_PROCESSOR_H_

#include <cstddef>
#include <string_view>

#include "base/text_fields.h"
#include "log/cut_mode.h"
#include "log/log_dialect.h"
#include "log/window.h"
#include "platform/output.h"

namespace brantlow {

// Whether a line (as seen up to its first NUL) lies inside the window.
// In line, as ProcessPiece: both are asked of every line of the days read.
inline bool InsideWindow(std::string_view line, const WindowDay& w) {
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

// What one day of the window remembers between pieces: a line longer than
// a read arrives in pieces, and the cut file takes all of a line whose
// first piece lay inside the window, so that no line is cut short there.
struct LinePieces {
  bool continuing = false;  // the last piece had no line end
  bool copying = false;     // the line it belongs to goes to the cut file
};

// A quick look at a piece's first bytes: true only when its day or month
// digits show that it lies outside the window.
bool CertainlyOutside(const char* piece, std::size_t length,
                      const WindowDay& window);

// Whether a piece outside the window can pass by without ProcessLine: it
// can, unless it continues a line the cut file is taking.
inline bool CanSkip(const LinePieces& pieces) {
  return !(pieces.continuing && pieces.copying);
}

// What ProcessLine does with a piece outside the window, for one that can
// be skipped.
inline void SkipPiece(bool line_end, LinePieces& pieces) {
  pieces.copying = false;
  pieces.continuing = !line_end;
}

// piece is every byte of one read, NUL bytes included. cut may be null
// (no cut file could be made): the cut copy is then dropped.
void ProcessLine(std::string_view piece, const WindowDay& day, CutMode mode,
                 Output* cut, SessionReader& reader, LinePieces& pieces);

// As ProcessLine, for a piece whose line test is done: line is the piece
// up to its first NUL, and inside tells whether the line it begins lies
// in the window.
inline void ProcessPiece(std::string_view piece, std::string_view line,
                         bool inside, CutMode mode, Output* cut,
                         SessionReader& reader, LinePieces& pieces) {
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

#endif  // BRANTLOW_LOG_LINE_PROCESSOR_H_
