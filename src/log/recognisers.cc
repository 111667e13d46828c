#include "log/recognisers.h"

#include <algorithm>
#include <cstring>

#include "base/text_fields.h"

namespace brantlow {

namespace {

constexpr std::size_t kAddressColumn = 15;
constexpr std::size_t kUsingFirstColumn = 20;
constexpr std::size_t kPasswordFirstColumn = 12;
constexpr std::size_t kPasswordLastColumn = 42;
constexpr std::size_t kBytesLastColumn = 70;
constexpr std::size_t kTailSearchColumn = 17;
constexpr std::size_t kAddressLength = 17;

// Protocol tags of the transfer lines.
constexpr std::string_view kSent[] = {"JS-", "HS-", "ZS-", "XS"};
constexpr std::string_view kReceived[] = {"JR-", "HR-", "ZR-", "XR"};

// The line without its line end.
std::string_view WithoutLineEnd(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  return text;
}

bool IsAddressCharacter(char c) {
  return (c >= '0' && c <= '9') || c == ':' || c == '/' || c == '.';
}

void SetPassword(SessionRecord& record, const char (&status)[7]) {
  std::memcpy(record.password, status, sizeof record.password);
}

// The entry of one transfer line for the scratch file; tells whether the
// size after the file name was malformed.
bool AddTransferEntry(std::string_view line, const RecogniserState& state,
                      bool sent) {
  // The tail: everything after the first blank at or after column 17; with
  // none before the last character, the last character alone.
  std::size_t start = line.empty() ? 0 : line.size() - 1;
  for (std::size_t k = kTailSearchColumn; k + 1 < line.size(); ++k) {
    if (line[k] == ' ') {
      start = k + 1;
      break;
    }
  }
  std::string_view tail = start < line.size() ? line.substr(start) : "";
  if (state.scratch != nullptr)
    state.scratch->Add(ScratchEntry{state.table.newest(),
                                    FieldText(state.table.Current().name), sent,
                                    WithoutLineEnd(tail)});
  const std::size_t size = tail.find(' ');
  return size != std::string_view::npos &&
         ReadByteField(tail, size + 1).malformed;
}

}  // namespace

void CopyLineTime(std::string_view line, char (&field)[9]) {
  std::string_view time = line.size() > 6 ? line.substr(6, 8) : "";
  CopyField(field, WithoutLineEnd(time));
}

void RecogniseSessionEvents(std::string_view line, RecogniserState& state) {
  const LogPhrases& p = state.phrases;
  SessionTable& table = state.table;
  if (PhraseAt(line, p.handshake_failure, kEventColumn)) {
    SessionRecord& record = table.Current();
    if (record.name[0] == '\0') {
      CopyField(record.name, "Handshake failure");
      record.tag = SessionTag::kHandshakeFailure;
    }
    CopyLineTime(line, record.end_time);
  }
  if (PhraseAt(line, p.human_caller, kEventColumn)) {
    CopyField(table.Current().name, "Terminal Call");
    table.Current().tag = SessionTag::kTerminalCall;
    state.human_caller_pending = true;
  }
  if (state.human_caller_pending &&
      (PhraseAt(line, p.return_level_2, kEventColumn) ||
       PhraseAt(line, p.return_level_0, kEventColumn))) {
    CopyLineTime(line, table.Current().end_time);
    state.human_caller_pending = false;
  }
  RecogniseTerminal(line, state);
}

void RecogniseTerminalPhrases(std::string_view line, RecogniserState& state) {
  const LogPhrases& p = state.phrases;
  SessionTable& table = state.table;
  if (!state.inside_terminal &&
      PhraseAt(line, p.entering_terminal, kEventColumn)) {
    CloseUnfinished(state, Opening::kTerminal);
    table.Append();
    SessionRecord& record = table.Current();
    CopyLineTime(line, record.start_time);
    CopyLineTime(line, state.last_own);
    CopyField(record.name, "Terminal Emulator");
    record.kind = kTerminal;
    state.inside_terminal = true;
    state.terminal_record = table.newest();
  }
  if (state.inside_terminal &&
      PhraseAt(line, p.leaving_terminal, kEventColumn)) {
    // A process may have begun while the emulator ran: the period's own
    // record ends.
    const int r =
        state.terminal_record >= 0 && state.terminal_record <= table.newest()
            ? state.terminal_record
            : table.newest();
    CopyLineTime(line, table[r].end_time);
    state.inside_terminal = false;
  }
}

bool RecogniseAddressAndMailer(std::string_view line, SessionTable& table,
                               SessionRecord& record,
                               const LogPhrases& phrases) {
  const std::size_t found =
      FindPhrase(line, phrases.using_mailer, kUsingFirstColumn);
  if (found == std::string_view::npos) return false;

  std::string_view mailer =
      WithoutLineEnd(line.substr(found + phrases.using_mailer.size()));
  if (!mailer.empty()) table.SetMailer(record, mailer);

  // The address: its characters from column 15, ending before a point
  // suffix ".0", which is not part of the name.
  std::size_t length = 0;
  while (length < kAddressLength && kAddressColumn + length < line.size()) {
    std::size_t at = kAddressColumn + length;
    char c = line[at];
    if (!IsAddressCharacter(c)) break;
    if (c == '.' && at + 1 < line.size() && line[at + 1] == '0') break;
    ++length;
  }
  if (length > 0) {
    CopyField(record.name, line.substr(kAddressColumn, length));
    record.tag = SessionTag::kNone;
  }
  return true;
}

bool RecognisePassword(std::string_view line, SessionRecord& record,
                       const LogPhrases& phrases) {
  // Most lines hold none of the phrases: find that out with a look for
  // their first characters over the columns where one may begin.
  const std::string_view starts =
      line.substr(std::min(kPasswordFirstColumn, line.size()),
                  kPasswordLastColumn - kPasswordFirstColumn + 1);
  // A first letter the phrases share is looked for once.
  const char* looked_for = nullptr;
  auto may_begin = [&](std::string_view phrase) {
    if (phrase.empty()) return false;
    if (looked_for != nullptr && *looked_for == phrase[0]) return false;
    looked_for = phrase.data();
    return starts.find(phrase[0]) != std::string_view::npos;
  };
  if (!may_begin(phrases.password_protected) &&
      !may_begin(phrases.password_mismatch) && !may_begin(phrases.bad_password))
    return false;
  // Every column is tried in turn, the later finds writing over the
  // earlier: the last column with a phrase decides, and at one column the
  // protected session before the mismatch before the bad password.
  std::size_t decided = 0;
  const char(*status)[7] = nullptr;
  auto last_column = [&](std::string_view phrase, const char(&text)[7]) {
    const std::string_view searched =
        line.substr(0, kPasswordLastColumn + phrase.size());
    for (std::size_t at = FindPhrase(searched, phrase, kPasswordFirstColumn);
         at <= kPasswordLastColumn; at = FindPhrase(searched, phrase, at + 1)) {
      if (status == nullptr || at > decided) {
        decided = at;
        status = &text;
      }
    }
  };
  last_column(phrases.password_protected, "passw ");
  last_column(phrases.password_mismatch, "mism  ");
  last_column(phrases.bad_password, "error ");
  if (status == nullptr) return false;
  SetPassword(record, *status);
  return true;
}

namespace {

// Every tag's second letter says S or R: most lines end there.
char TransferDirection(std::string_view line) {
  const std::size_t letter = kEventColumn + 1;
  return line.size() > letter ? line[letter] : '\0';
}

bool IsTransferLine(std::string_view line) {
  const char direction = TransferDirection(line);
  if (direction != 'S' && direction != 'R') return false;
  for (std::string_view tag : direction == 'S' ? kSent : kReceived)
    if (PhraseAt(line, tag, kEventColumn)) return true;
  return false;
}

bool IsSessionKind(char kind) {
  return kind == kIncoming || kind == kOutgoing || kind == kTerminal ||
         kind == kBbsCaller;
}

}  // namespace

bool SessionOpen(const RecogniserState& state) {
  if (state.table.empty()) return false;
  const SessionRecord& record = state.table.Current();
  return IsSessionKind(record.kind) && record.end_time[0] == '\0';
}

void CloseUnfinished(RecogniserState& state, Opening opening) {
  SessionTable& table = state.table;
  if (opening == Opening::kProcess) {
    const char kind = table.empty() ? '\0' : table.Current().kind;
    if (state.human_caller_pending || (kind != kIncoming && kind != kOutgoing))
      return;
  } else if (state.inside_terminal && state.terminal_record >= 0 &&
             state.terminal_record <= table.newest()) {
    SessionRecord& period = table[state.terminal_record];
    if (period.end_time[0] == '\0') {
      CopyField(period.end_time, FieldText(period.start_time));
      period.kind = kNoEnd;
    }
    state.inside_terminal = false;
  }
  if (opening != Opening::kProcess) state.human_caller_pending = false;
  if (!SessionOpen(state)) return;
  SessionRecord& record = table.Current();
  CopyField(record.end_time, state.last_own[0] != '\0'
                                 ? FieldText(state.last_own)
                                 : FieldText(record.start_time));
  record.kind = kNoEnd;
}

bool RecogniseTransfer(std::string_view line, const RecogniserState& state) {
  const char direction = TransferDirection(line);
  if (direction != 'S' && direction != 'R') return false;
  for (std::string_view tag : direction == 'S' ? kSent : kReceived)
    if (PhraseAt(line, tag, kEventColumn))
      return AddTransferEntry(line, state, direction == 'S');
  return false;
}

bool RecogniseSummary(std::string_view line, SessionRecord& record,
                      const LogPhrases& phrases) {
  if (line.size() <= kEventColumn || line[kEventColumn] != '\xFE') return false;
  const std::string_view name = FieldText(record.name);
  if (!PhraseAt(line, name, 17)) return false;
  CopyLineTime(line, record.end_time);
  const std::size_t c = FindPhrase(line, phrases.bytes, name.size() + 16);
  if (c > kBytesLastColumn) return false;
  // "received/sent"
  const ByteField received = ReadByteField(line, c + phrases.bytes.size());
  AddBytes(record.bytes_received, received.value);
  if (received.end >= line.size() || line[received.end] != '/')
    return received.malformed;
  const ByteField sent = ReadByteField(line, received.end + 1);
  AddBytes(record.bytes_sent, sent.value);
  return received.malformed || sent.malformed;
}

void RunRecognisers(std::string_view line, RecogniserState& state) {
  RecogniseSessionEvents(line, state);
  SessionRecord& record = state.table.Current();
  bool own =
      RecogniseAddressAndMailer(line, state.table, record, state.phrases);
  if (state.spans_only) {
    if (own || IsTransferLine(line)) CopyLineTime(line, state.last_own);
    if (RecogniseSummary(line, record, state.phrases)) ++state.malformed_lines;
    return;
  }
  own = RecognisePassword(line, record, state.phrases) || own;
  const bool transfer_line = IsTransferLine(line);
  if (own || transfer_line) CopyLineTime(line, state.last_own);
  const bool transfer = transfer_line && RecogniseTransfer(line, state);
  const bool summary = RecogniseSummary(line, record, state.phrases);
  if (transfer || summary) ++state.malformed_lines;
}

}  // namespace brantlow
