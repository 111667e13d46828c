#include "reports/session_list.h"

#include <cstdint>
#include <cstring>

#include "base/table_frame.h"
#include "base/text_fields.h"
#include "platform/cp866.h"

namespace brantlow {

namespace {

// A byte count as the "%lld" of the rows takes it.
long long Bytes(std::int64_t count) { return static_cast<long long>(count); }

// A one-character cell that was never set shows a blank.
char Cell(char c) { return c == '\0' ? ' ' : c; }

// A fixed field as a terminated text.
struct Text {
  char bytes[32];
  template <std::size_t N>
  explicit Text(const char (&field)[N]) {
    std::string_view view = FieldText(field);
    std::memcpy(bytes, view.data(), view.size());
    bytes[view.size()] = '\0';
  }
  const char* c_str() const { return bytes; }
};

void WriteTitle(const Window& w, Output& out) {
  const std::string first = TitleDateText(w.FirstDate(), w.today);
  if (w.crosses_midnight)
    out.Printf(CP866("\n         Статистика на %s-%s  время с "
                     "%2.2d:%2.2d по %2.2d:%2.2d \n"),
               first.c_str(), TitleDateText(w.SecondDate(), w.today).c_str(),
               w.start_hour, w.start_minute, w.end_hour, w.end_minute);
  else
    out.Printf(CP866("\n           Статистика на %s  время с "
                     "%2.2d:%2.2d по %2.2d:%2.2d \n"),
               first.c_str(), w.start_hour, w.start_minute, w.end_hour,
               w.end_minute);
}

}  // namespace

namespace {

// The columns' widths: time, crash mark, name, kind, bytes both ways, CPS,
// password; the crash mark with a crash-poll period, the kind in the
// statistics file.
int Widths(bool crash_column, bool statistics, int (&widths)[8]) {
  int count = 0;
  widths[count++] = 17;
  if (crash_column) widths[count++] = 1;
  widths[count++] = 18;
  if (statistics) widths[count++] = 1;
  for (int w : {10, 10, 6, 6}) widths[count++] = w;
  return count;
}

void WriteHeadings(bool crash_column, bool statistics, Output& out) {
  if (!statistics && !crash_column)
    out.Write(
        CP866("║      Время      │   Пользователь   │ Принято  │ Передано │ "
              "CPS  │Пароль║\n"));
  else if (!statistics)
    out.Write(
        CP866("║      Время      │С│   Пользователь   │ Принято  │ Передано │ "
              "CPS  │Пароль║\n"));
  else if (!crash_column)
    out.Write(
        CP866("║      Время      │      Адрес       │D│ Принято  │ Передано │ "
              "CPS  │Пароль║\n"));
  else
    out.Write(
        CP866("║      Время      │С│      Адрес       │D│ Принято  │ Передано "
              "│ CPS  │Пароль║\n"));
}

// One row: its cells written one after another, as the one format of its
// kind of list would write them. A hidden BBS caller shows "BBS call".
void WriteRow(const SessionRecord& r, bool crash_column, bool statistics,
              bool hidden, Output& out) {
  const Text start(r.start_time), end(r.end_time), name(r.name),
      password(r.password);
  out.Printf(CP866("║%8s-%8s│"), start.c_str(), end.c_str());
  if (crash_column) out.Printf(CP866("%c│"), Cell(r.crash_mark));
  if (hidden)
    out.Write(CP866("BBS call          │"));
  else
    out.Printf(CP866("%-18s│"), name.c_str());
  if (statistics) out.Printf(CP866("%c│"), Cell(r.kind));
  out.Printf(CP866("%10lld│%10lld│%6.0f│%-6s║\n"), Bytes(r.bytes_received),
             Bytes(r.bytes_sent), r.cps, password.c_str());
}

}  // namespace

void WriteSessionList(const Window& window, int crash_poll_period,
                      const SessionTable& table, Output& out, BbsMode bbs_mode,
                      SessionListTarget target, int& bbs_session_count) {
  const bool crash_column = crash_poll_period != 0;
  const bool statistics = target == SessionListTarget::kStatisticsFile;
  WriteTitle(window, out);
  int widths[8];
  const int count = Widths(crash_column, statistics, widths);
  out.Write(MakeFrameLine(FrameLine::kTop, widths, count));
  WriteHeadings(crash_column, statistics, out);
  out.Write(MakeFrameLine(FrameLine::kSeparator, widths, count));
  for (const SessionRecord& r : table) {
    if (!statistics && r.kind != kBbsCaller) continue;
    if (!statistics) ++bbs_session_count;
    const bool hidden = statistics && r.kind == kBbsCaller &&
                        bbs_mode == BbsMode::kUserFileHidden;
    WriteRow(r, crash_column, statistics, hidden, out);
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, widths, count));
}

}  // namespace brantlow
