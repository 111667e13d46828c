#include "reports/session_list.h"

#include <cstdint>
#include <cstring>

#include "base/text_fields.h"
#include "platform/cp866.h"
#include "base/table_frame.h"

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
  if (w.crosses_midnight)
    out.Printf(CP866("\n         Статистика на %2.2d.%2.2d-%2.2d.%2.2d  время с "
                     "%2.2d:%2.2d по %2.2d:%2.2d \n"),
               w.first.day, w.first.month, w.second.day, w.second.month,
               w.start_hour, w.start_minute, w.end_hour, w.end_minute);
  else
    out.Printf(CP866("\n           Статистика на %2.2d.%2.2d  время с "
                     "%2.2d:%2.2d по %2.2d:%2.2d \n"),
               w.first.day, w.first.month, w.start_hour, w.start_minute,
               w.end_hour, w.end_minute);
}

}  // namespace

void WriteSessionList(const Window& window, int crash_poll_period,
                      const SessionTable& table, Output& out, BbsMode bbs_mode,
                      SessionListTarget target, int& bbs_session_count) {
  const bool crash_column = crash_poll_period != 0;
  const bool statistics = target == SessionListTarget::kStatisticsFile;

  WriteTitle(window, out);

  int widths[8];
  int count = 0;
  widths[count++] = 17;
  if (crash_column) widths[count++] = 1;
  widths[count++] = 18;
  if (statistics) widths[count++] = 1;
  widths[count++] = 10;
  widths[count++] = 10;
  widths[count++] = 6;
  widths[count++] = 6;

  out.Write(MakeFrameLine(FrameLine::kTop, widths, count));
  if (!statistics && !crash_column)
    out.Write(CP866("║      Время      │   Пользователь   │ Принято  │ Передано │ CPS  │Пароль║\n"));
  else if (!statistics)
    out.Write(CP866("║      Время      │С│   Пользователь   │ Принято  │ Передано │ CPS  │Пароль║\n"));
  else if (!crash_column)
    out.Write(CP866("║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║\n"));
  else
    out.Write(CP866("║      Время      │С│      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║\n"));
  out.Write(MakeFrameLine(FrameLine::kSeparator, widths, count));

  for (int i = 0; i <= table.current; ++i) {
    const SessionRecord& r = table[i];
    const Text start(r.start_time), end(r.end_time), name(r.name),
        password(r.password);
    const char crash = Cell(r.crash_mark);
    const char kind = Cell(r.kind);
    if (!statistics) {
      if (r.kind != kBbsCaller) continue;
      ++bbs_session_count;
      if (crash_column)
        out.Printf(CP866("║%8s-%8s│%c│%-18s│%10lld│%10lld│%6.0f│%-6s║\n"),
                   start.c_str(), end.c_str(), crash, name.c_str(),
                   Bytes(r.bytes_received), Bytes(r.bytes_sent), r.cps, password.c_str());
      else
        out.Printf(CP866("║%8s-%8s│%-18s│%10lld│%10lld│%6.0f│%-6s║\n"),
                   start.c_str(), end.c_str(), name.c_str(),
                   Bytes(r.bytes_received), Bytes(r.bytes_sent), r.cps, password.c_str());
    } else if (r.kind == kBbsCaller && bbs_mode == BbsMode::kUserFileHidden) {
      if (crash_column)
        out.Printf(CP866("║%8s-%8s│%c│BBS call          │%c│%10lld│%10lld│%6.0f│%-6s║\n"),
                   start.c_str(), end.c_str(), crash, kind,
                   Bytes(r.bytes_received), Bytes(r.bytes_sent), r.cps, password.c_str());
      else
        out.Printf(CP866("║%8s-%8s│BBS call          │%c│%10lld│%10lld│%6.0f│%-6s║\n"),
                   start.c_str(), end.c_str(), kind, Bytes(r.bytes_received),
                   Bytes(r.bytes_sent), r.cps, password.c_str());
    } else {
      if (crash_column)
        out.Printf(CP866("║%8s-%8s│%c│%-18s│%c│%10lld│%10lld│%6.0f│%-6s║\n"),
                   start.c_str(), end.c_str(), crash, name.c_str(), kind,
                   Bytes(r.bytes_received), Bytes(r.bytes_sent), r.cps, password.c_str());
      else
        out.Printf(CP866("║%8s-%8s│%-18s│%c│%10lld│%10lld│%6.0f│%-6s║\n"),
                   start.c_str(), end.c_str(), name.c_str(), kind,
                   Bytes(r.bytes_received), Bytes(r.bytes_sent), r.cps, password.c_str());
    }
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, widths, count));
}

}  // namespace brantlow
