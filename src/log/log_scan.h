// The one pass over the mailer log: every piece is tested against the
// day(s) of the window; what lies inside goes to the cut file and to the
// session extractor. Most of a long log lies on other days, and those
// lines pass by on a look at their first bytes.
#ifndef BRANTLOW_LOG_LOG_SCAN_H_
#define BRANTLOW_LOG_LOG_SCAN_H_

#include <cstdint>
#include <vector>

#include "base/calendar.h"

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

// Told when a later year of the log turns out to hold the window: what was
// cut and written to the scratch file so far came from an earlier year.
class ScanRestart {
 public:
  virtual ~ScanRestart() = default;
  // Empties the cut and scratch outputs back to how they were opened.
  virtual void DropOutputs() = 0;
};

// Reads the log from its start to its end. Only the latest year of the
// log that holds a line of the window's first day is taken (for a window
// across midnight its second day comes from that year, or from the next
// after a 31 December; without any line of the first day, the latest year
// with a line of the second day decides); when a later year turns up, the
// extractor and the outputs start over. cut, progress and restart may be
// null.
void ScanLog(ByteWindow& log, const Window& window, CutMode mode, Output* cut,
             SessionExtractor& extractor, ScanProgress* progress,
             ScanRestart* restart);

// A record still open when the window ends ends at the window's end.
void CloseAtWindowEnd(const Window& window, SessionTable& table);

// The days of a period in one pass: each line goes to the extractor of the
// day its date names, exactly the lines the one-day run of that day would
// take. extractors holds one per day, first day first.
void ScanPeriod(ByteWindow& log, const Period& period,
                const std::vector<SessionExtractor*>& extractors,
                ScanProgress* progress);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_SCAN_H_
