// The one pass over the mailer log: every piece is tested against the
// day(s) of the window; what lies inside goes to the cut file and to the
// session extractor. Most of a long log lies on other days, and those
// lines pass by on a look at their first bytes.
#ifndef BRANTLOW_LOG_LOG_SCAN_H_
#define BRANTLOW_LOG_LOG_SCAN_H_

#include <cstddef>
#include <cstdint>

#include "log/line_processor.h"
#include "log/session_extractor.h"
#include "log/window.h"
#include "platform/file_window.h"
#include "platform/output.h"

namespace brantlow {

// Told how far the scan has come, for a progress display.
class ScanProgress {
 public:
  virtual ~ScanProgress() = default;
  // Whether reads of at most step bytes each may be passed over and told
  // at once, by JumpTo.
  virtual bool CanJump(std::int64_t step) const = 0;
  virtual void Advance(std::int64_t position) = 0;
  virtual void JumpTo(std::int64_t position) = 0;
};

// What the scan saw of the log as a whole, to tell the user when the
// report cannot be what was wanted (a log of another kind, or of other
// days). Lines passed by on a look at their first bytes are counted too.
struct ScanCounts {
  std::int64_t lines = 0;
  // Lines that begin "dd/mm hh:mm:ss", as the mailer's do; of the lines
  // passed over in bulk only the first such is counted.
  std::int64_t tmail_lines = 0;
  // Lines that hold Cyrillic encoded in UTF-8: a log converted from CP866.
  // Looked for only in the lines not passed by at once.
  std::int64_t utf8_lines = 0;
  // Lines inside the window, on either of its days.
  std::int64_t inside_lines = 0;
};

// Whether a line begins as the mailer's lines do: "dd/mm hh:mm:ss".
bool LooksLikeTmailLine(const char* bytes, std::size_t length);

// Whether the bytes hold two Cyrillic letters in a row encoded in UTF-8,
// which a CP866 text practically never does.
bool HoldsUtf8Cyrillic(const char* bytes, std::size_t length);

// Reads the log from its start to its end. cut may be null; progress may
// be null.
ScanCounts ScanLog(ByteWindow& log, const Window& window, CutMode mode, Output* cut,
             SessionExtractor& extractor, ScanProgress* progress);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_SCAN_H_
