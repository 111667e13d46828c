#include "log/last_good.h"

#include <cstring>
#include <memory>

#include "log/log_piece_reader.h"
#include "platform/file_window.h"

namespace brantlow {

namespace {

// Lines between harvests: what the recogniser keeps stays small however
// long the log.
constexpr int kHarvestLines = 1 << 16;

void Harvest(const LinkRecogniser& links,
             const std::vector<std::string>& addresses,
             std::map<std::string, SessionStart, std::less<>>& last) {
  const LinkEvents& events = links.events();
  for (const std::string& address : addresses) {
    const auto found = events.find(address);
    if (found != events.end() && !found->second.good.empty())
      last[address] = found->second.good.back();
  }
}

}  // namespace

std::map<std::string, SessionStart, std::less<>> LastGoodSessions(
    const std::string& path, const LogDialect& dialect,
    const LogPhrases& phrases, const std::vector<std::string>& addresses) {
  std::map<std::string, SessionStart, std::less<>> last;
  FileWindow log;
  if (addresses.empty() || path == "-" || !log.Open(path.c_str())) return last;
  const std::unique_ptr<LinkRecogniser> links =
      MakeLinkRecogniser(dialect, phrases);
  LogPieceReader reader(log);
  LogPiece raw;
  char folded[kLogPieceLimit + 1];
  bool line_start = true;
  int lines = 0;
  while (reader.Next(raw)) {
    const std::string_view piece = raw.Folded(folded);
    const std::string_view seen(piece.data(),
                                strnlen(piece.data(), piece.size()));
    if (line_start)
      links->Read(seen);
    else
      links->Continue(seen);
    line_start = raw.line_end;
    if (line_start && ++lines == kHarvestLines) {
      Harvest(*links, addresses, last);
      links->Reset();
      lines = 0;
    }
  }
  Harvest(*links, addresses, last);
  return last;
}

}  // namespace brantlow
