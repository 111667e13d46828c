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
constexpr std::size_t kTotalsScanFirst = 9;

// The size after the first blank that follows the marker at column; a
// malformed one is 0.
std::int64_t SizeAfter(std::string_view entry, std::size_t& column) {
  column += 3;
  while (column < entry.size() && entry[column] != ' ') ++column;
  if (column >= entry.size()) return 0;
  return ReadByteField(entry, column + 1).value;
}

}  // namespace

namespace {

// The rate after the first comma of an entry's tail, unless the transfer
// was cancelled before it: false for an entry with none.
bool RateOf(std::string_view entry, const LogPhrases& phrases, double& rate) {
  for (std::size_t c = kScanFirst; c <= kScanLast && c < entry.size(); ++c) {
    if (PhraseAt(entry, phrases.cancelled, c, kCancelCompared)) return false;
    if (entry[c] == ',') {
      rate = FieldReal(entry, c + 1, 10);
      return true;
    }
  }
  return false;
}

// The last session's bytes from its transfer entries, from offset on.
void AddLastSessionTotals(SessionRecord& last, int index, LineReader& scratch,
                          std::int64_t offset) {
  scratch.SeekTo(offset);
  ScratchReader again(scratch);
  ReadEntry read;
  while (again.Next(read)) {
    if (read.session != index) continue;
    const std::string_view entry = read.text;
    for (std::size_t c = kTotalsScanFirst; c < entry.size(); ++c) {
      if (PhraseAt(entry, "~s~", c))
        AddBytes(last.bytes_sent, SizeAfter(entry, c));
      if (PhraseAt(entry, "~r~", c))
        AddBytes(last.bytes_received, SizeAfter(entry, c));
    }
  }
}

}  // namespace

void RunTransferRatePass(SessionTable& table, LineReader& scratch,
                         const LogPhrases& phrases) {
  if (table.empty() || !scratch.SeekTo(0)) return;
  std::vector<int> counts(static_cast<std::size_t>(table.size()), 0);
  const int last = table.newest();
  std::int64_t last_offset = -1;
  ScratchReader reader(scratch);
  ReadEntry read;
  while (reader.Next(read)) {
    const int index = read.session;
    if (last_offset < 0 && index == last) last_offset = read.offset;
    double rate = 0;
    if (index < 0 || index > last || !RateOf(read.text, phrases, rate))
      continue;
    ++counts[static_cast<std::size_t>(index)];
    table[index].cps += rate;
  }
  for (int i = 0; i <= last; ++i)
    if (counts[static_cast<std::size_t>(i)] > 0)
      table[i].cps /= counts[static_cast<std::size_t>(i)];

  SessionRecord& l = table[last];
  if (l.bytes_sent == 0 && l.bytes_received == 0 && l.cps > 0)
    AddLastSessionTotals(l, last, scratch, last_offset < 0 ? 0 : last_offset);
}

}  // namespace brantlow
