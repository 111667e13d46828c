#include "files/transfer_rate_pass.h"

#include <cstdint>
#include <vector>

#include "base/text_fields.h"
#include "log/scratch_entry.h"

namespace brantlow {

namespace {

constexpr std::size_t kScanFirst = 6;
constexpr std::size_t kScanLast = 79;
constexpr std::size_t kCancelCompared = 16;

// The rate after the first comma of an entry's tail, unless the transfer
// was cancelled before it (at the comma's column at the latest): false for
// an entry with none. Only the columns holding the phrase's first letter
// are tried: a busy day has tens of thousands of entries.
bool RateOf(std::string_view entry, const LogPhrases& phrases, double& rate) {
  const std::string_view scanned = entry.substr(0, kScanLast + 1);
  const std::size_t comma = scanned.find(',', kScanFirst);
  const std::size_t tried =
      comma == std::string_view::npos ? scanned.size() : comma + 1;
  const std::string_view cancelled = phrases.cancelled;
  if (!cancelled.empty())
    for (std::size_t c = scanned.find(cancelled[0], kScanFirst); c < tried;
         c = scanned.find(cancelled[0], c + 1))
      if (PhraseAt(entry, cancelled, c, kCancelCompared)) return false;
  if (comma == std::string_view::npos) return false;
  rate = FieldReal(entry, comma + 1, 10);
  return true;
}

// The size a well-formed entry's tail gives after the file name.
std::int64_t EntrySize(const ReadEntry& entry) {
  const std::size_t blank = entry.tail.find(' ');
  if (!entry.well_formed || blank == std::string_view::npos) return 0;
  return ReadByteField(entry.tail, blank + 1).value;
}

// Bytes of the files a session finished, by direction.
struct Finished {
  std::int64_t sent = 0;
  std::int64_t received = 0;
};

// A session without its summary line's byte counts takes those of its
// finished files: the last one, which the window may have cut, and any
// that never got a summary line.
void TakeFinished(SessionRecord& record, bool last, const Finished& files) {
  if (record.bytes_sent != 0 || record.bytes_received != 0) return;
  if (last ? record.cps <= 0 : record.kind != kNoEnd) return;
  record.bytes_sent = files.sent;
  record.bytes_received = files.received;
}

}  // namespace

void TransferRates::Take(const ReadEntry& entry) {
  double rate = 0;
  if (RateOf(entry.text, phrases_, rate))
    rated_.push_back({entry.session, entry.sent, rate, EntrySize(entry)});
}

void TransferRates::Apply(SessionTable& table) {
  if (table.empty()) {
    rated_ = {};
    return;
  }
  const auto slots = static_cast<std::size_t>(table.size());
  std::vector<int> counts(slots, 0);
  std::vector<Finished> finished(slots);
  const int last = table.newest();
  for (const Rated& r : rated_) {
    if (r.session < 0 || r.session > last) continue;
    const auto slot = static_cast<std::size_t>(r.session);
    ++counts[slot];
    table[r.session].cps += r.rate;
    AddBytes(r.sent ? finished[slot].sent : finished[slot].received, r.size);
  }
  for (int i = 0; i <= last; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (counts[slot] == 0) continue;
    table[i].cps /= counts[slot];
    TakeFinished(table[i], i == last, finished[slot]);
  }
  rated_ = {};
}

void RunTransferRatePass(SessionTable& table, LineReader& scratch,
                         const LogPhrases& phrases) {
  if (table.empty() || !scratch.SeekTo(0)) return;
  TransferRates rates(phrases);
  ScratchReader reader(scratch);
  ReadEntry read;
  while (reader.Next(read)) rates.Take(read);
  rates.Apply(table);
}

}  // namespace brantlow
