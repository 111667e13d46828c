// Tests each piece of the mailer log against one day of the reading window
// and hands what lies inside to the cut file and the session extractor.
#ifndef BRANTLOW_LOG_LINE_PROCESSOR_H_
#define BRANTLOW_LOG_LINE_PROCESSOR_H_

#include <cstddef>
#include <string_view>

#include "log/cut_mode.h"
#include "log/log_dialect.h"
#include "log/window.h"
#include "platform/output.h"

namespace brantlow {

// Whether a line (as seen up to its first NUL) lies inside the window.
bool InsideWindow(std::string_view line, const WindowDay& window);

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
void ProcessPiece(std::string_view piece, std::string_view line, bool inside,
                  CutMode mode, Output* cut, SessionReader& reader,
                  LinePieces& pieces);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LINE_PROCESSOR_H_
