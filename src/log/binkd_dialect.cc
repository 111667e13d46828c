#include "log/binkd_dialect.h"

#include <charconv>
#include <cstring>
#include <memory>

#include "base/text_fields.h"
#include "log/log_piece_reader.h"
#include "platform/clock.h"

namespace brantlow {

namespace {

constexpr std::size_t kDayColumn = 2;
constexpr std::size_t kMonthColumn = 5;
constexpr std::size_t kTimeColumn = 9;
constexpr std::size_t kPidColumn = 18;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// binkd's message levels, written before the date.
bool IsLevel(char c) {
  return c == ' ' || c == '+' || c == '-' || c == '?' || c == '!' || c == '*' ||
         c == '$' || c == '#' || c == '%';
}

// The day at the start of a dated line: two digits, or a blank and one.
int DayAt(std::string_view line) {
  const char a = line[kDayColumn], b = line[kDayColumn + 1];
  if (!IsDigit(b) || !(IsDigit(a) || a == ' ')) return 0;
  return (a == ' ' ? 0 : (a - '0') * 10) + (b - '0');
}

// The month a line names in English, 0 for none.
int MonthAt(std::string_view line) {
  return MonthOfAbbreviation(line.substr(kMonthColumn, 3));
}

bool TimeAt(std::string_view line) {
  const std::string_view t = line.substr(kTimeColumn, 8);
  return IsDigit(t[0]) && IsDigit(t[1]) && t[2] == ':' && IsDigit(t[3]) &&
         IsDigit(t[4]) && t[5] == ':' && IsDigit(t[6]) && IsDigit(t[7]);
}

std::string_view WithoutLineEnd(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A FidoNet address as a record names it: without its "@domain" and
// without a ".0" point.
std::string_view PlainAddress(std::string_view address) {
  address = address.substr(0, address.find_first_of("@ ,)"));
  if (address.size() > 2 && address.substr(address.size() - 2) == ".0")
    address.remove_suffix(2);
  return address;
}

// A remote host as binkd writes it, without the port an outgoing session
// adds ("host:port", "[v6]:port").
std::string_view PlainHost(std::string_view host) {
  host = host.substr(0, host.find(' '));
  if (StartsWith(host, "[")) return host.substr(1, host.find(']') - 1);
  const std::size_t colon = host.find(':');
  if (colon != std::string_view::npos &&
      host.find(':', colon + 1) == std::string_view::npos)
    host = host.substr(0, colon);
  return host;
}

float NumberAt(std::string_view text, std::size_t& at) {
  while (at < text.size() && text[at] == ' ') ++at;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data() + at, text.data() + text.size(), value);
  if (error != std::errc()) return 0;
  at = static_cast<std::size_t>(end - text.data());
  return static_cast<float>(value);
}

// Appends text to buffer at n, within capacity.
template <std::size_t N>
void Append(char (&buffer)[N], std::size_t& n, std::string_view text) {
  for (char c : text)
    if (n < N) buffer[n++] = c;
}

// The level, the date and the time, each where a dated line has it.
bool DatedShape(std::string_view line) {
  return line.size() >= kPidColumn && IsLevel(line[0]) && line[1] == ' ' &&
         line[4] == ' ' && line[8] == ' ' && line[17] == ' ' &&
         DayAt(line) != 0 && MonthAt(line) != 0 && TimeAt(line);
}

}  // namespace

bool ParseBinkdLine(std::string_view line, BinkdLine& parts) {
  if (!DatedShape(line)) return false;
  parts.day = DayAt(line);
  parts.month = MonthAt(line);
  parts.time = line.substr(kTimeColumn, 8);
  parts.pid = 0;
  std::size_t text = kPidColumn;
  if (line.size() > kPidColumn && line[kPidColumn] == '[') {
    const std::size_t close = line.find(']', kPidColumn);
    if (close == std::string_view::npos) return false;
    const auto [end, error] = std::from_chars(line.data() + kPidColumn + 1,
                                              line.data() + close, parts.pid);
    if (error != std::errc() || end != line.data() + close) return false;
    text = close + 2;
  }
  parts.text = text < line.size() ? WithoutLineEnd(line.substr(text)) : "";
  return true;
}

BinkdSessionReader::Running* BinkdSessionReader::Find(long pid) {
  for (Running& open : open_)
    if (open.record >= 0 && open.pid == pid) return &open;
  return nullptr;
}

BinkdSessionReader::Running& BinkdSessionReader::Start(const BinkdLine& parts,
                                                       char kind) {
  Running* slot = Find(parts.pid);
  for (std::size_t i = 0; slot == nullptr && i < kOpenLimit; ++i)
    if (open_[i].record < 0) slot = &open_[i];
  // Every slot taken: processes that ended without a word; the oldest goes.
  if (slot == nullptr) {
    slot = &open_[next_slot_];
    next_slot_ = (next_slot_ + 1) % kOpenLimit;
  }
  table_.Append();
  SessionRecord& record = table_.Current();
  record.kind = kind;
  CopyField(record.start_time, parts.time);
  CopyField(record.end_time, parts.time);
  // Until the remote gives an address, the session failed in its handshake.
  CopyField(record.name, "Handshake failure");
  *slot = Running{parts.pid, table_.newest(), false};
  return *slot;
}

// "rcvd: NAME (SIZE, CPS CPS, ADDRESS)" or "sent: PATH (...)": one scratch
// entry whose tail reads as a transfer line's: "NAME SIZE OK, CPS cps".
void BinkdSessionReader::Transfer(Running& open, std::string_view text,
                                  bool sent) {
  const std::size_t paren = text.rfind(" (");
  if (paren == std::string_view::npos || paren < 6) return;
  std::string_view name = text.substr(6, paren - 6);
  const std::size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  std::size_t at = paren + 2;
  const std::size_t size_at = at;
  while (at < text.size() && text[at] == ' ') ++at;
  const ByteField size = ReadByteField(text, at);
  at = size.end;
  const std::string_view size_text = text.substr(size_at, at - size_at);
  at = text.find(',', at);
  float cps = 0;
  if (at != std::string_view::npos) cps = NumberAt(text, ++at);
  SessionRecord& record = table_[open.record];
  AddBytes(sent ? record.bytes_sent : record.bytes_received, size.value);
  if (scratch_ == nullptr) return;
  std::size_t n = 0;
  Append(tail_, n, name);
  Append(tail_, n, " ");
  Append(tail_, n, size_text);
  Append(tail_, n, " OK, ");
  char digits[24];
  // A forged rate beyond any line's speed (or not a number) reads as 0.
  const long long rate =
      cps >= 0 && cps < 1e15f ? static_cast<long long>(cps) : 0;
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, rate);
  if (error == std::errc())
    Append(tail_, n,
           std::string_view(digits, static_cast<std::size_t>(end - digits)));
  Append(tail_, n, " cps");
  scratch_->Add(ScratchEntry{open.record, FieldText(record.name), sent,
                             std::string_view(tail_, n)});
}

// "done (to|from ADDRESS, OK|failed, S/R: 2/1 (3000123/2000000 bytes))": the
// byte counts replace the files' sums. Later lines of the process are not
// the session's.
void BinkdSessionReader::Done(Running& open, std::string_view text) {
  SessionRecord& record = table_[open.record];
  const std::size_t blank = text.find(' ', 6);
  if (!open.named && blank != std::string_view::npos)
    CopyField(record.name, PlainAddress(text.substr(blank + 1)));
  const std::size_t counts = text.find(" bytes)");
  const std::size_t paren =
      counts == std::string_view::npos ? counts : text.rfind('(', counts);
  if (paren != std::string_view::npos) {
    const ByteField sent = ReadByteField(text, paren + 1);
    if (sent.end < text.size() && text[sent.end] == '/') {
      record.bytes_sent = sent.value;
      record.bytes_received = ReadByteField(text, sent.end + 1).value;
    }
  }
  open = Running{};
}

void BinkdSessionReader::Message(Running& open, const BinkdLine& parts) {
  SessionRecord& record = table_[open.record];
  const std::string_view text = parts.text;
  CopyField(record.end_time, parts.time);
  if (StartsWith(text, "addr: ")) {
    if (!open.named) CopyField(record.name, PlainAddress(text.substr(6)));
    open.named = true;
    table_.AddAka(record, PlainAddress(text.substr(6)));
  } else if (StartsWith(text, "VER ")) {
    table_.SetMailer(record, text.substr(4));
  } else if (StartsWith(text, "outgoing session with ")) {
    SetConnect(record, PlainHost(text.substr(22)));
  } else if (StartsWith(text, "pwd protected session")) {
    std::memcpy(record.password, "passw ", sizeof record.password);
  } else if (text.find("incorrect password") != std::string_view::npos ||
             text.find("Bad password") != std::string_view::npos) {
    std::memcpy(record.password, "error ", sizeof record.password);
  } else if (StartsWith(text, "rcvd: ") || StartsWith(text, "sent: ")) {
    Transfer(open, text, text[0] == 's');
  } else if (StartsWith(text, "done (")) {
    Done(open, text);
  }
}

void BinkdSessionReader::Line(std::string_view line) {
  BinkdLine parts;
  if (!ParseBinkdLine(line, parts)) return;
  const std::string_view text = parts.text;
  if (StartsWith(text, "incoming session with ")) {
    Running& open = Start(parts, kIncoming);
    SetConnect(table_[open.record], PlainHost(text.substr(22)));
  } else if (StartsWith(text, "call to ")) {
    // Until a session is reached, the address called stands for the host.
    Running& open = Start(parts, kOutgoing);
    SetConnect(table_[open.record], PlainAddress(text.substr(8)));
  } else if (StartsWith(text, "rc(")) {
    // The parent's word that a process ended: "rc(4242)=0".
    long pid = 0;
    std::from_chars(text.data() + 3, text.data() + text.size(), pid);
    if (Running* ended = Find(pid)) *ended = Running{};
  } else if (Running* open = Find(parts.pid)) {
    Message(*open, parts);
  }
}

void BinkdSessionReader::Read(std::string_view line) {
  if (gathering_) Line(std::string_view(line_, line_length_));
  gathering_ = false;
  // A full read without its line end: the rest comes in pieces.
  if (line.size() >= kLogPieceLimit && line.back() != '\n') {
    line_length_ = 0;
    Append(line_, line_length_, line);
    gathering_ = true;
    return;
  }
  Line(line);
}

void BinkdSessionReader::Continue(std::string_view piece) {
  if (!gathering_) return;
  Append(line_, line_length_, piece);
  if (piece.size() >= kLogPieceLimit && piece.back() != '\n') return;
  gathering_ = false;
  Line(std::string_view(line_, line_length_));
}

bool BinkdSessionReader::Open() const {
  for (const Running& open : open_)
    if (open.record >= 0) return true;
  return false;
}

// Past the window only the open sessions' own lines count: a new session
// there belongs to the next window.
void BinkdSessionReader::ReadAfter(std::string_view line) {
  BinkdLine parts;
  if (!ParseBinkdLine(line, parts)) return;
  const std::string_view text = parts.text;
  if (StartsWith(text, "incoming session with ") ||
      StartsWith(text, "call to "))
    return;
  Line(line);
}

void BinkdSessionReader::Reset() {
  table_.Clear();
  open_ = {};
  next_slot_ = 0;
  gathering_ = false;
}

namespace {

class BinkdDialectImpl final : public LogDialect {
 public:
  std::string_view name() const override { return "binkd"; }
  std::string_view key() const override { return "binkd"; }

  // A piece that does not begin as a dated line names no day either: the
  // later pieces of binkd's many long lines pass by with it.
  bool CertainlyOutside(const char* bytes, std::size_t length,
                        const DaySet& days) const override {
    if (length < kTimeColumn) return true;
    const std::string_view line(bytes, length);
    if (!IsLevel(line[0]) || line[1] != ' ' || line[4] != ' ') return true;
    const int day = DayAt(line);
    return day == 0 || !days.HasDay(day) || days.Index(day, MonthAt(line)) < 0;
  }

  int QuickMonth(const char* bytes, std::size_t length) const override {
    if (length < kPidColumn) return 0;
    const std::string_view line(bytes, length);
    if (!IsLevel(line[0]) || line[1] != ' ' || line[4] != ' ' || line[8] != ' ')
      return 0;
    return MonthAt(line);
  }

  // Looked at for every line the quick look does not pass over (the
  // pieces of long lines among them): the date and time alone.
  std::optional<LineStamp> Stamp(std::string_view line) const override {
    if (!DatedShape(line)) return std::nullopt;
    auto two = [&line](std::size_t i) {
      return (line[i] - '0') * 10 + line[i + 1] - '0';
    };
    LineStamp stamp;
    stamp.date = {DayAt(line), MonthAt(line)};
    stamp.hour = two(kTimeColumn);
    stamp.minute = two(kTimeColumn + 3);
    stamp.second = two(kTimeColumn + 6);
    return stamp;
  }

  bool Inside(std::string_view line, const WindowDay& w) const override {
    const std::optional<LineStamp> s = Stamp(line);
    if (!s || s->date.day != w.day || s->date.month != w.month) return false;
    const int minute = s->hour * 60 + s->minute;
    return minute >= w.start_hour * 60 + w.start_minute &&
           minute <= w.end_hour * 60 + w.end_minute;
  }

  std::optional<DayMonth> DayOf(std::string_view line) const override {
    const std::optional<LineStamp> s = Stamp(line);
    if (!s) return std::nullopt;
    return s->date;
  }

  std::unique_ptr<SessionReader> MakeReader(
      const ReaderSetup& setup) const override {
    return std::make_unique<BinkdSessionReader>(setup.table, setup.scratch);
  }
};

}  // namespace

const LogDialect& BinkdDialect() {
  static const BinkdDialectImpl dialect;
  return dialect;
}

}  // namespace brantlow
