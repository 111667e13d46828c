// The reading of a run whose days reach before its log's first day: the
// line's older sources, chosen day by day, read ahead of the log.
#ifndef BRANTLOW_DRIVER_HISTORY_READING_H_
#define BRANTLOW_DRIVER_HISTORY_READING_H_

#include <memory>
#include <string>
#include <vector>

#include "driver/run_context.h"
#include "log/log_history.h"
#include "maintenance/line_history.h"
#include "platform/clock.h"
#include "platform/file_window.h"

namespace brantlow {

class HistoryReading {
 public:
  // What the run reads: the chain of sources and log, or the log alone.
  ByteWindow& window(ByteWindow& log) {
    return chain_ ? static_cast<ByteWindow&>(*chain_) : log;
  }

  // Looks for the older sources when the run's days need them; says which
  // days come from where. False when a source could not be read (each told
  // as a warning, kept in warnings()).
  [[nodiscard]] bool Prepare(const RunContext& run, const LocalDate& now,
                             FileWindow& log);

  // After the reading: false when a source failed on the way (told as a
  // warning, added to the record's warnings).
  [[nodiscard]] bool Finish(std::vector<std::string>& record_warnings);

  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  void Warn(const std::string& text, std::vector<std::string>& to);

  std::unique_ptr<LineSources> sources_;
  std::unique_ptr<SourceChain> chain_;
  std::vector<std::string> warnings_;
};

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_HISTORY_READING_H_
