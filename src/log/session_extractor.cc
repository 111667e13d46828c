#include "log/session_extractor.h"

#include <cstring>

#include "base/text_fields.h"

namespace brantlow {

namespace {

constexpr std::size_t kConnectColumn = 17;
constexpr std::size_t kConnectCompared = 21;
constexpr std::size_t kProcessFirstColumn = 15;

bool NamesEqual(const SessionRecord& a, const SessionRecord& b) {
  return FieldText(a.name) == FieldText(b.name);
}

}  // namespace

void SessionExtractor::CloseOpenProcesses(std::string_view line) {
  SessionTable& table = recognisers_.table;
  for (std::size_t i = 0; i < processes_.size(); ++i) {
    if (!open_[i]) continue;
    const ProcessDefinition& process = processes_[i];
    // A repeat of a cycling process folds into the record before it.
    if (process.cycle && table.newest() > 0 &&
        NamesEqual(table.Current(), table[table.newest() - 1]) &&
        FieldText(table.Current().name) == FieldText(process.name)) {
      table.DropNewest();
    }
    CopyLineTime(line, table.Current().end_time);
    open_[i] = false;
  }
}

bool SessionExtractor::MayConnect(std::string_view line) const {
  if (line.size() <= kConnectColumn) return false;
  const LogPhrases& p = recognisers_.phrases;
  auto may_begin = [&](std::string_view phrase) {
    return !phrase.empty() && line[kConnectColumn] == phrase[0];
  };
  return may_begin(p.incoming_connect) || may_begin(p.outgoing_connect);
}

void SessionExtractor::OpenConnect(std::string_view line) {
  const LogPhrases& p = recognisers_.phrases;
  char kind = 0;
  std::size_t phrase_length = 0;
  if (PhraseAt(line, p.incoming_connect, kConnectColumn, kConnectCompared)) {
    kind = kIncoming;
    phrase_length = p.incoming_connect.size();
  } else if (PhraseAt(line, p.outgoing_connect, kConnectColumn,
                      kConnectCompared)) {
    kind = kOutgoing;
    phrase_length = p.outgoing_connect.size();
  } else {
    return;
  }
  SessionTable& table = recognisers_.table;
  CloseUnfinished(recognisers_, Opening::kCall);
  table.Append();
  SessionRecord& record = table.Current();
  record.kind = kind;
  CopyLineTime(line, record.start_time);
  CopyLineTime(line, recognisers_.last_own);
  const std::size_t from = kConnectColumn + phrase_length + 1;
  if (from < line.size()) {
    const std::string_view rest = line.substr(from);
    table.SetConnect(record, rest.substr(0, rest.find('\n')));
  }
}

void SessionExtractor::DetectProcess(std::string_view line) {
  SessionTable& table = recognisers_.table;
  // The pattern that stands first in the line; at one column the first
  // definition wins.
  const ProcessDefinition* first = nullptr;
  std::size_t first_index = 0;
  std::size_t first_column = std::string_view::npos;
  for (std::size_t i = 0; i < processes_.size(); ++i) {
    const std::size_t c =
        FindPhrase(line, FieldText(processes_[i].pattern), kProcessFirstColumn);
    if (c < first_column) {
      first_column = c;
      first = &processes_[i];
      first_index = i;
    }
  }
  if (first == nullptr) return;
  CloseUnfinished(recognisers_, Opening::kProcess);
  table.Append();
  open_[first_index] = true;
  SessionRecord& record = table.Current();
  record.kind = kProcess;
  CopyLineTime(line, record.start_time);
  if (first->name[0] != '\0') CopyField(record.name, FieldText(first->name));
}

bool SessionExtractor::Open() const {
  return SessionOpen(recognisers_) || recognisers_.inside_terminal ||
         ProcessOpen();
}

bool SessionExtractor::Calls(std::string_view line) const {
  const LogPhrases& p = recognisers_.phrases;
  return PhraseAt(line, p.incoming_connect, kConnectColumn, kConnectCompared) ||
         PhraseAt(line, p.outgoing_connect, kConnectColumn, kConnectCompared);
}

std::optional<Opening> SessionExtractor::Opens(std::string_view line) const {
  const LogPhrases& p = recognisers_.phrases;
  if (Calls(line)) return Opening::kCall;
  if (PhraseAt(line, p.entering_terminal, kProcessFirstColumn))
    return Opening::kTerminal;
  if (!detect_processes_) return std::nullopt;
  for (const ProcessDefinition& process : processes_)
    if (FindPhrase(line, FieldText(process.pattern), kProcessFirstColumn) !=
        std::string_view::npos)
      return Opening::kProcess;
  return std::nullopt;
}

void SessionExtractor::ReadAfter(std::string_view line) {
  CloseOpenProcesses(line);
  if (const std::optional<Opening> opening = Opens(line)) {
    CloseUnfinished(recognisers_, *opening);
    return;
  }
  if (SessionOpen(recognisers_))
    RunRecognisers(line, recognisers_);
  else
    RecogniseTerminal(line, recognisers_);
}

void SessionExtractor::Extract(std::string_view line) {
  // Asked of every line: a process is seldom open, and most lines begin
  // with neither connect phrase's first letter.
  if (ProcessOpen()) CloseOpenProcesses(line);
  if (MayConnect(line)) OpenConnect(line);
  RecogniseTerminal(line, recognisers_);
  SessionTable& table = recognisers_.table;
  if (!table.empty()) {
    char kind = table.Current().kind;
    if (kind == kIncoming || kind == kOutgoing || kind == kTerminal ||
        kind == kBbsCaller)
      RunRecognisers(line, recognisers_);
  }
  if (detect_processes_) DetectProcess(line);
}

}  // namespace brantlow
