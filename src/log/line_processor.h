// Tests each piece of the mailer log against one day of the reading window
// and hands what lies inside to the cut file and the session extractor.
#ifndef BRANTLOW_LOG_LINE_PROCESSOR_H_
#define BRANTLOW_LOG_LINE_PROCESSOR_H_

#include <string_view>

#include "log/session_extractor.h"
#include "platform/text_file.h"

namespace brantlow {

// One day of the reading window; seconds are never examined.
struct ReadingWindow {
  int day = 0;
  int month = 0;
  int start_hour = 0;
  int start_minute = 0;
  int end_hour = 23;
  int end_minute = 59;
};

// Whether a line (as seen up to its first NUL) lies inside the window.
bool InsideWindow(std::string_view line, const ReadingWindow& window);

// What one day of the window remembers between pieces: a line longer than
// a read arrives in pieces, and the cut file takes all of a line whose
// first piece lay inside the window, so that no line is cut short there.
struct LinePieces {
  bool continuing = false;  // the last piece had no line end
  bool copying = false;     // the line it belongs to goes to the cut file
};

// piece is every byte of one read, NUL bytes included. Cut mode 0 extracts
// sessions, 1 copies the piece to the cut file and extracts, 2 only copies.
void ProcessLine(std::string_view piece, const ReadingWindow& window,
                 int cut_mode, TextFile& cut_file, SessionExtractor& extractor,
                 LinePieces& pieces);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LINE_PROCESSOR_H_
