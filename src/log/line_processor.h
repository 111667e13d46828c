// Tests each piece of the mailer log against one day of the reading window
// and hands what lies inside to the cut file and the session extractor.
#ifndef BRANTLOW_LOG_LINE_PROCESSOR_H_
#define BRANTLOW_LOG_LINE_PROCESSOR_H_

#include <cstddef>
#include <string_view>

#include "log/session_extractor.h"
#include "log/window.h"
#include "platform/output.h"

namespace brantlow {

// What a run does with the lines inside the window.
enum class CutMode {
  kNone,            // extract sessions only
  kCutAndAnalyse,   // +F: copy them to the cut file, and extract
  kCutOnly,         // +f(-s): only copy them
};

inline bool Cuts(CutMode mode) { return mode != CutMode::kNone; }
inline bool Analyses(CutMode mode) { return mode != CutMode::kCutOnly; }

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
inline bool CertainlyOutside(const char* piece, std::size_t length,
                             const WindowDay& window) {
  // A line is seen up to its first NUL: one that begins with it is empty,
  // and its day reads as 0.
  if (length >= 1 && piece[0] == '\0') return window.day != 0;
  if (length < 2) return false;
  const unsigned d0 = static_cast<unsigned char>(piece[0]) - '0';
  const unsigned d1 = static_cast<unsigned char>(piece[1]) - '0';
  if (d0 > 9 || d1 > 9) return false;
  if (static_cast<int>(d0 * 10 + d1) != window.day) return true;
  if (length < 5 || piece[2] == '\0') return false;
  const unsigned m0 = static_cast<unsigned char>(piece[3]) - '0';
  const unsigned m1 = static_cast<unsigned char>(piece[4]) - '0';
  return m0 <= 9 && m1 <= 9 && static_cast<int>(m0 * 10 + m1) != window.month;
}

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
                 Output* cut, SessionExtractor& extractor, LinePieces& pieces);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LINE_PROCESSOR_H_
