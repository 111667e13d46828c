#include "log/bbs_log_reader.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "base/text_fields.h"
#include "base/time_of_day.h"
#include "platform/clock.h"

namespace brantlow {

namespace {

// One read of the BBS log takes at most this many characters.
constexpr std::size_t kBbsReadLimit = 77;

// Where the parts of a Maximus line stand.
constexpr std::size_t kDateColumn = 2;
constexpr std::size_t kHourColumn = 9;
constexpr std::size_t kMessageColumn = 18;
constexpr std::size_t kNameColumn = 23;
constexpr std::size_t kNameLastColumn = 40;
constexpr std::size_t kSpeedColumn = 35;
constexpr std::size_t kRateColumn = 28;
constexpr std::size_t kSizeSearchColumn = 29;
constexpr std::size_t kNameWidth = 18;

constexpr std::string_view kBegin = "MAX  Begin,";
constexpr std::string_view kConnected = "MAX  Connected at ";
constexpr std::string_view kCalling = "calling";
constexpr std::string_view kCarrierDropped = "MAX  Caller dropped carrier";
constexpr std::string_view kEnd = "MAX  End,";
constexpr std::string_view kBadPassword = "MAX  Bad pwd ";
constexpr std::string_view kRate = "MAX  CPS:";
constexpr std::string_view kDownload = "MAX  DL-";
constexpr std::string_view kUpload = "MAX  UL-";

enum class MatchState { kSearching, kInsideCall, kCallFinished };

// What one reading of the BBS log carries from call to call.
struct ReaderState {
  int rate_count = 0;
  std::int64_t pending_size = 0;
  bool size_pending = false;
};

bool At(std::string_view line, std::string_view phrase) {
  return PhraseAt(line, phrase, kMessageColumn);
}

// The line ends with "calling" and its newline.
bool EndsWithCalling(std::string_view line) {
  if (line.size() < kCalling.size() + 1) return false;
  return line.substr(line.size() - 1 - kCalling.size(), kCalling.size()) ==
         kCalling;
}

// The caller's name: from its column up to the blank before "calling",
// at most to the last name column, padded with blanks.
void TakeName(std::string_view line, SessionRecord& record) {
  const std::size_t phrase = line.size() - 1 - kCalling.size();
  std::size_t end = phrase >= 1 ? phrase - 1 : 0;  // one past the last
  if (end > kNameLastColumn + 1) end = kNameLastColumn + 1;
  std::string_view name;
  if (end > kNameColumn) name = line.substr(kNameColumn, end - kNameColumn);
  char padded[kNameWidth + 1];
  std::snprintf(padded, sizeof padded, "%-18.*s", static_cast<int>(name.size()),
                name.data());
  CopyField(record.name, padded);
  record.tag = SessionTag::kNone;
}

void TakeRate(std::string_view line, SessionRecord& record,
              ReaderState& state) {
  record.cps += FieldReal(line, kRateColumn, 10);
  ++state.rate_count;
  if (state.size_pending) return;
  std::size_t open = line.find('(', kSizeSearchColumn);
  if (open == std::string_view::npos) return;
  state.pending_size = ReadByteField(line, open + 1).value;
  state.size_pending = true;
}

// The call is over: its mean rate is taken.
void EndCall(SessionRecord& record, ReaderState& state, MatchState& match) {
  match = MatchState::kCallFinished;
  if (state.rate_count > 0) {
    record.cps /= state.rate_count;
    state.rate_count = 0;
  }
}

// The tests made on every line of the matching call, in their order.
void ReadCallLine(std::string_view line, SessionRecord& record,
                  std::string_view connect, ReaderState& state,
                  MatchState& match) {
  if (At(line, kConnected) &&
      FieldNumber(line, kSpeedColumn, 9) != FieldNumber(connect, 0, 9)) {
    match = MatchState::kSearching;  // a call of another mailer session
    return;
  }
  if (EndsWithCalling(line)) TakeName(line, record);
  if (At(line, kBadPassword)) CopyField(record.password, "?!");
  if (At(line, kRate)) TakeRate(line, record, state);
  if (At(line, kDownload) && state.size_pending) {
    AddBytes(record.bytes_sent, state.pending_size);
    state.size_pending = false;
  }
  if (At(line, kUpload) && state.size_pending) {
    AddBytes(record.bytes_received, state.pending_size);
    state.size_pending = false;
  }
  if (At(line, kCarrierDropped) && record.tag == SessionTag::kTerminalCall) {
    CopyField(record.name, "Carrier Dropped");
    record.tag = SessionTag::kNone;
  }
  if (At(line, kEnd)) EndCall(record, state, match);
}

}  // namespace

namespace {

// The month (1 to 12) whose abbreviation stands at columns 5 to 7 of a
// line, or 0.
int MonthOf(std::string_view line) {
  return line.size() < 8 ? 0 : MonthOfAbbreviation(line.substr(5, 3));
}

// Where the latest year of the BBS log that holds a line of the date key
// begins. A line whose month is at least six before that of the last line
// with one begins a new year, as in the mailer log.
std::int64_t LatestYearWith(std::string_view key, LineReader& log) {
  std::int64_t year_start = 0, found = 0;
  int last_month = 0;
  bool line_start = true;
  char buf[kBbsReadLimit + 1];
  if (!log.SeekTo(0)) return 0;
  for (;;) {
    const std::int64_t before = log.Tell();
    const std::size_t n = log.ReadLine(buf, kBbsReadLimit);
    if (n == 0) break;
    const std::string_view line(buf, n);
    const bool first_piece = line_start;
    line_start = buf[n - 1] == '\n';
    if (!first_piece) continue;
    if (const int month = MonthOf(line)) {
      if (last_month != 0 && month <= last_month - 6) year_start = before;
      last_month = month;
    }
    if (PhraseAt(line, key, kDateColumn)) found = year_start;
  }
  return found;
}

// The seconds of a day in which the BBS call of a record may begin: from
// the record's start to its end, inclusive. A record across midnight has
// its evening on the day it starts and its morning on the day after.
struct CallSpan {
  double from = 0;
  double to = -1;  // before from: no call of this day can be the record's
  bool empty() const { return to < from; }
};

CallSpan SpanOnDay(const SessionRecord& record, const Window& window,
                   bool reading_day_after) {
  CallSpan span;
  if (FieldText(record.end_time).empty()) return span;  // its end is unknown
  const double start = TimeSeconds(FieldText(record.start_time));
  const double end = TimeSeconds(FieldText(record.end_time));
  const bool across = end < start;
  const bool starts_day_after =
      window.crosses_midnight &&
      start < window.start_hour * 3600.0 + window.start_minute * 60.0;
  if (starts_day_after == reading_day_after)
    span = {start, across ? 86399.0 : end};
  else if (!starts_day_after && across)
    span = {0, end};
  return span;
}

// The task number of a begin line, "(task=N)"; -1 when it names none.
int TaskOf(std::string_view line) {
  constexpr std::string_view kTask = "(task=";
  const std::size_t at = FindPhrase(line, kTask, kMessageColumn);
  if (at == std::string_view::npos) return -1;
  const std::size_t digits = at + kTask.size();
  if (digits >= line.size() || line[digits] < '0' || line[digits] > '9')
    return -1;
  return FieldNumber(line, digits, 4);
}

// Whether a line begins the record's call: a begin line of the day, of the
// record's line (line 0 takes any task), inside the record's span.
bool BeginsCallOf(std::string_view line, std::string_view key,
                  const CallSpan& span, int line_number) {
  if (!PhraseAt(line, key, kDateColumn) || !At(line, kBegin)) return false;
  if (line_number != 0 && TaskOf(line) != line_number) return false;
  const std::string_view time =
      line.size() > kHourColumn ? line.substr(kHourColumn, 8) : "";
  const double t = TimeSeconds(time);
  return t >= span.from && t <= span.to;
}

// What tells a record's call among the begin lines.
struct CallKey {
  std::string_view date_key;
  CallSpan span;
  int line_number = 0;
  std::string_view connect;  // the record's, whose speed the call's repeats
};

// The call of one "Terminal Call" record: the first begin line that is
// its call, from resume on, and the lines of the call after it. resume
// moves past the call, for the next record.
void ReadCall(SessionRecord& record, const CallKey& call, LineReader& log,
              ReaderState& state, std::int64_t& resume) {
  MatchState match = MatchState::kSearching;
  char buf[kBbsReadLimit + 1];
  for (;;) {
    const std::int64_t before = log.Tell();
    const std::size_t n = log.ReadLine(buf, kBbsReadLimit);
    if (n == 0 || match == MatchState::kCallFinished) return;
    const std::string_view line(buf, n);
    bool begins = false;
    if (match == MatchState::kSearching &&
        BeginsCallOf(line, call.date_key, call.span, call.line_number)) {
      match = MatchState::kInsideCall;
      record.kind = kBbsCaller;
      begins = true;
    }
    if (match != MatchState::kInsideCall) continue;
    // A Maximus log below the trace level has no "End," lines: the next
    // call's begin line ends this one, and the next record starts there.
    if (!begins && At(line, kBegin)) {
      EndCall(record, state, match);
      resume = before;
      continue;
    }
    ReadCallLine(line, record, call.connect, state, match);
    if (match == MatchState::kCallFinished) resume = log.Tell();
  }
}

// What a day's reading needs besides the table.
struct DayToRead {
  DayMonth date;
  bool day_after = false;       // the day after the window's first day
  std::int64_t not_before = 0;  // no call of an earlier year of the log
};

// One day: returns where the year of the log that was searched begins.
std::int64_t ReadDay(SessionTable& table, const Window& window,
                     const DayToRead& day, int line_number, LineReader& log) {
  // "05 Jan": the day with its leading zero and the month's abbreviation.
  char date_key[16];
  const bool named = day.date.month >= 1 && day.date.month <= 12;
  std::snprintf(date_key, sizeof date_key, "%02d%s%s", day.date.day % 100,
                named ? " " : "",
                named ? kMonthAbbreviations[day.date.month - 1] : "");
  const std::string_view key = date_key;

  ReaderState state;
  std::int64_t resume = -1;  // found when the first record needs it
  std::int64_t year_start = day.not_before;
  for (SessionRecord& record : table) {
    if (record.tag != SessionTag::kTerminalCall) continue;
    const CallSpan span = SpanOnDay(record, window, day.day_after);
    if (span.empty()) continue;
    if (resume < 0) {
      const std::int64_t latest = LatestYearWith(key, log);
      if (latest > year_start) year_start = latest;
      resume = year_start;
    }
    if (!log.SeekTo(resume)) break;
    ReadCall(record, {key, span, line_number, table.Connect(record)}, log,
             state, resume);
  }
  return year_start;
}

}  // namespace

void ReadBbsLog(SessionTable& table, const Window& window, int line_number,
                LineReader& log) {
  const std::int64_t year =
      ReadDay(table, window, {window.first, false, 0}, line_number, log);
  // The morning after: of a window across midnight, or of a record that
  // runs past it. It lies in the same year of the log or a later one.
  ReadDay(table, window, {window.second, true, year}, line_number, log);
}

}  // namespace brantlow
