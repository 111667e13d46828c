#include "log/link_events.h"

#include <charconv>
#include <optional>

#include "base/text_fields.h"
#include "log/binkd_dialect.h"
#include "log/log_piece_reader.h"

namespace brantlow {

LinkCounts& LinkRecogniser::At(std::string_view address) {
  const auto found = events_.find(address);
  if (found != events_.end()) return found->second;
  return events_.emplace(std::string(address), LinkCounts{}).first->second;
}

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// An address the recognisers keep between lines, without allocating.
class HeldAddress {
 public:
  void Set(std::string_view text) {
    size_ = text.copy(text_.data(), text_.size());
  }
  void Clear() { size_ = 0; }
  bool empty() const { return size_ == 0; }
  std::string_view view() const { return {text_.data(), size_}; }

 private:
  std::array<char, 24> text_{};
  std::size_t size_ = 0;
};

// An address as the session table keeps it: "2:5020/1234", without the
// domain binkd adds or a point 0.
std::string_view PlainLink(std::string_view text) {
  text = text.substr(0, text.find_first_of("@ ,)"));
  if (text.size() > 2 && text.substr(text.size() - 2) == ".0")
    text.remove_suffix(2);
  return text;
}

bool LooksLikeAddress(std::string_view text) {
  return !text.empty() && text[0] >= '0' && text[0] <= '9' &&
         text.find(':') != std::string_view::npos &&
         text.find('/') != std::string_view::npos;
}

// The modem's answers to a dial that give no connect, as T-Mail writes
// them on a line of their own.
struct ModemAnswer {
  std::string_view text;
  CallFailure failure;
};
constexpr ModemAnswer kModemAnswers[] = {
    {"NO CARRIER", CallFailure::kNoCarrier},
    {"BUSY", CallFailure::kBusy},
    {"NO ANSWER", CallFailure::kNoAnswer},
    {"NO DIAL TONE", CallFailure::kNoDialTone},
    {"NO DIALTONE", CallFailure::kNoDialTone},
};

// "dd/mm hh:mm:ss text": the text at column 15, the connect phrases and
// the summary's address after the session mark at 17.
constexpr std::size_t kTextColumn = 15;
constexpr std::size_t kMarkedColumn = 17;
constexpr std::string_view kDialing = "Dialing ";

class TmailLinks final : public LinkRecogniser {
 public:
  explicit TmailLinks(const LogPhrases& phrases) : phrases_(phrases) {}

  void Read(std::string_view line) override {
    if (line.size() <= kTextColumn) return;
    const std::string_view text = TrimLineEnd(line.substr(kTextColumn));
    if (text.empty()) return;
    if (StartsWith(text, kDialing)) {
      Dial(text.substr(kDialing.size()));
    } else if (PhraseAt(line, phrases_.outgoing_connect, kMarkedColumn)) {
      Open(line, true);
    } else if (PhraseAt(line, phrases_.incoming_connect, kMarkedColumn)) {
      Open(line, false);
    } else if (PhraseAt(line, phrases_.handshake_failure, kTextColumn)) {
      if (outgoing_ && !called_.empty())
        ++At(called_.view()).failed[Slot(CallFailure::kHandshake)];
      Forget();
    } else if (text[0] == '\xFE') {
      Summary(line);
    } else if (!dialled_.empty()) {
      Answer(text);
    }
  }

 protected:
  void Forget() override {
    dialled_.Clear();
    called_.Clear();
    open_ = false;
  }

 private:
  static std::string_view TrimLineEnd(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
      text.remove_suffix(1);
    return text;
  }

  void Dial(std::string_view rest) {
    const std::string_view address = PlainLink(rest);
    if (!LooksLikeAddress(address)) return;
    ++At(address).calls;
    dialled_.Set(address);
  }

  void Answer(std::string_view text) {
    for (const ModemAnswer& answer : kModemAnswers) {
      if (text == answer.text) {
        ++At(dialled_.view()).failed[Slot(answer.failure)];
        dialled_.Clear();
        return;
      }
    }
  }

  void Open(std::string_view line, bool outgoing) {
    called_.Clear();
    if (outgoing && !dialled_.empty()) {
      ++At(dialled_.view()).connected;
      called_.Set(dialled_.view());
    }
    dialled_.Clear();
    open_ = true;
    outgoing_ = outgoing;
    start_ = {{FieldNumber(line, 0, 2), FieldNumber(line, 3, 2)},
              FieldNumber(line, 6, 2) * 3600 + FieldNumber(line, 9, 2) * 60 +
                  FieldNumber(line, 12, 2)};
  }

  // "■ 2:5020/1234, bytes 92468/2870, time 0:00:53"
  void Summary(std::string_view line) {
    if (line.size() <= kMarkedColumn) return;
    const std::string_view rest = line.substr(kMarkedColumn);
    const std::size_t comma = rest.find(", ");
    if (!open_ || comma == std::string_view::npos ||
        FindPhrase(rest, phrases_.bytes, comma) == std::string_view::npos)
      return;
    const std::string_view address = PlainLink(rest.substr(0, comma));
    if (!LooksLikeAddress(address)) return;
    LinkCounts& link = At(address);
    link.good.push_back(start_);
    if (!outgoing_) ++link.incoming;
    Forget();
  }

  const LogPhrases& phrases_;
  HeldAddress dialled_;  // dialled, no answer from the modem yet
  HeldAddress called_;   // the address the open outgoing session called
  bool open_ = false;    // a session is open
  bool outgoing_ = false;
  SessionStart start_;
};

// binkd's reasons for a failed connect, as the system's error texts give
// them.
CallFailure ConnectFailure(std::string_view reason) {
  if (reason.find("refused") != std::string_view::npos)
    return CallFailure::kRefused;
  if (reason.find("timed out") != std::string_view::npos)
    return CallFailure::kTimedOut;
  return CallFailure::kNetwork;
}

// binkd's lines of one process: "call to ADDR" or "incoming session with",
// then "connected", "connection to ADDR failed: REASON" or "getaddrinfo
// failed", and "done (to|from ADDR, OK|failed, ...)".
class BinkdLinks final : public LinkRecogniser {
 public:
  // A line longer than one read is gathered from its pieces first.
  void Read(std::string_view piece) override {
    if (gathering_) Line({line_.data(), length_});
    gathering_ = false;
    if (piece.size() >= kLogPieceLimit && piece.back() != '\n') {
      length_ = 0;
      Gather(piece);
      gathering_ = true;
      return;
    }
    Line(piece);
  }

  void Continue(std::string_view piece) override {
    if (!gathering_) return;
    Gather(piece);
    if (piece.size() >= kLogPieceLimit && piece.back() != '\n') return;
    gathering_ = false;
    Line({line_.data(), length_});
  }

 protected:
  void Forget() override {
    processes_ = {};
    next_ = 0;
    gathering_ = false;
  }

 private:
  void Gather(std::string_view piece) {
    for (char c : piece)
      if (length_ < line_.size()) line_[length_++] = c;
  }

  void Line(std::string_view line) {
    BinkdLine parts;
    if (!ParseBinkdLine(line, parts)) return;
    const std::string_view text = parts.text;
    if (StartsWith(text, "call to ")) {
      const std::string_view address = PlainLink(text.substr(8));
      if (!LooksLikeAddress(address)) return;
      ++At(address).calls;
      Start(parts).address.Set(address);
    } else if (StartsWith(text, "incoming session with ")) {
      Start(parts).incoming = true;
    } else if (Process* process = Find(parts.pid)) {
      Message(*process, text);
    }
  }

  struct Process {
    long pid = 0;  // 0: the slot is free
    HeldAddress address;
    SessionStart start;
    bool incoming = false;
    bool connected = false;
    bool failed = false;   // a failure was counted for this call
    bool named = false;    // the remote gave its address
    bool refused = false;  // the remote refused the password
  };
  static constexpr std::size_t kProcesses = 32;

  Process& Start(const BinkdLine& parts) {
    Process* slot = Find(parts.pid);
    if (slot == nullptr) slot = Find(0);
    if (slot == nullptr) slot = &processes_[next_++ % kProcesses];
    *slot = Process{};
    slot->pid = parts.pid;
    const std::string_view t = parts.time;
    slot->start = {{parts.day, parts.month},
                   FieldNumber(t, 0, 2) * 3600 + FieldNumber(t, 3, 2) * 60 +
                       FieldNumber(t, 6, 2)};
    return *slot;
  }

  Process* Find(long pid) {
    for (Process& p : processes_)
      if (p.pid == pid) return &p;
    return nullptr;
  }

  void Fail(Process& p, CallFailure why) {
    if (p.incoming || p.address.empty() || p.failed) return;
    p.failed = true;
    ++At(p.address.view()).failed[Slot(why)];
  }

  void Message(Process& p, std::string_view text) {
    if (text == "connected" && !p.incoming && !p.address.empty()) {
      p.connected = true;
      ++At(p.address.view()).connected;
    } else if (StartsWith(text, "connection to ")) {
      const std::size_t colon = text.find("failed: ");
      if (colon != std::string_view::npos)
        Fail(p, ConnectFailure(text.substr(colon)));
    } else if (StartsWith(text, "getaddrinfo failed") ||
               text.find("cannot resolve") != std::string_view::npos ||
               text.find("unknown host") != std::string_view::npos) {
      Fail(p, CallFailure::kUnresolved);
    } else if (StartsWith(text, "addr: ")) {
      p.named = true;
    } else if (text.find("Bad password") != std::string_view::npos ||
               text.find("incorrect password") != std::string_view::npos) {
      p.refused = true;
    } else if (StartsWith(text, "done (")) {
      Done(p, text);
    }
  }

  // "done (to 2:5090/12@fidonet, OK, S/R: 1/0 (2048/0 bytes))"
  void Done(Process& p, std::string_view text) {
    const std::size_t blank = text.find(' ', 6);
    const std::string_view address = blank == std::string_view::npos
                                         ? std::string_view()
                                         : PlainLink(text.substr(blank + 1));
    const bool ok = text.find(", OK,") != std::string_view::npos;
    if (ok && LooksLikeAddress(address)) {
      LinkCounts& link = At(address);
      link.good.push_back(p.start);
      if (p.incoming) ++link.incoming;
    } else if (!ok && p.connected && (!p.named || p.refused)) {
      Fail(p, CallFailure::kHandshake);
    }
    p = Process{};
  }

  std::array<Process, kProcesses> processes_{};
  std::size_t next_ = 0;  // the slot taken when every one is in use
  std::array<char, 512> line_{};
  std::size_t length_ = 0;
  bool gathering_ = false;
};

}  // namespace

std::unique_ptr<LinkRecogniser> MakeLinkRecogniser(const LogDialect& dialect,
                                                   const LogPhrases& phrases) {
  if (&dialect == &BinkdDialect()) return std::make_unique<BinkdLinks>();
  return std::make_unique<TmailLinks>(phrases);
}

}  // namespace brantlow
