// Reads the transfer scratch file back: every mailer session gets the mean
// rate of its transfers, and the last session and those that ended
// without a summary line their byte totals from the files they finished.
#ifndef BRANTLOW_FILES_TRANSFER_RATE_PASS_H_
#define BRANTLOW_FILES_TRANSFER_RATE_PASS_H_

#include <cstdint>
#include <deque>

#include "log/log_phrases.h"
#include "log/scratch_entry.h"
#include "log/session_table.h"
#include "platform/line_reader.h"

namespace brantlow {

// The rated entries of a day, in their order: taken as the entries are
// written, or read back from the scratch file.
class TransferRates final : public EntryListener {
 public:
  explicit TransferRates(const LogPhrases& phrases) : phrases_(phrases) {}
  void Take(const ReadEntry& entry) override;
  void Clear() override { rated_.clear(); }
  // Every session of the table its mean rate, and the byte totals where
  // its summary line gave none. The entries go then: a busy day's tens of
  // thousands take pages that the steps after it use again.
  void Apply(SessionTable& table);

 private:
  struct Rated {
    int session;
    bool sent;
    double rate;
    std::int64_t size;  // of the file, from a well-formed entry
  };
  const LogPhrases& phrases_;
  // In blocks that stay where they are: a busy day has tens of thousands,
  // and a vector would copy them all into new pages as it grows.
  std::deque<Rated> rated_;
};

// Reads the scratch entries from their start.
void RunTransferRatePass(SessionTable& table, LineReader& scratch,
                         const LogPhrases& phrases);

}  // namespace brantlow

#endif  // BRANTLOW_FILES_TRANSFER_RATE_PASS_H_
