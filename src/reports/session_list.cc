#include "reports/session_list.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "base/table_frame.h"
#include "base/text_fields.h"
#include "log/window_title.h"
#include "platform/cp866.h"
#include "platform/format.h"

namespace brantlow {

namespace {

// A byte count as the "%lld" of the rows takes it.
long long Bytes(std::int64_t count) { return static_cast<long long>(count); }

// A one-character cell that was never set shows a blank.
char Cell(char c) { return c == '\0' ? ' ' : c; }

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

// The heading cells of the columns present, between the frame's edges.
void WriteHeadings(bool crash_column, bool statistics, const ReportTexts& t,
                   Output& out) {
  std::string line(CP866("║"));
  const std::string_view bar = CP866("│");
  line.append(t.list_time).append(bar);
  if (crash_column) line.append(t.list_crash).append(bar);
  line.append(statistics ? t.list_address : t.list_user).append(bar);
  if (statistics) line.append("D").append(bar);
  line.append(t.list_received).append(bar).append(t.list_sent).append(bar);
  line.append(" CPS  ").append(bar).append(t.list_password);
  line.append(CP866("║\n"));
  out.Write(line);
}

// One row: its cells put together as the one format of its kind of list
// would write them (a busy day has thousands). A hidden BBS caller shows
// "BBS call".
void WriteRow(const SessionRecord& r, bool crash_column, bool statistics,
              bool hidden, std::string& line, Output& out) {
  const std::string_view bar = CP866("│");
  line.clear();
  line.append(CP866("║"));
  AppendText(line, FieldText(r.start_time), 8, Align::kRight);
  line.push_back('-');
  AppendText(line, FieldText(r.end_time), 8, Align::kRight);
  line.append(bar);
  if (crash_column) line.append(1, Cell(r.crash_mark)).append(bar);
  if (hidden) {
    line.append(CP866("BBS call          │"));
  } else {
    AppendText(line, FieldText(r.name), 18, Align::kLeft);
    line.append(bar);
  }
  if (statistics) line.append(1, Cell(r.kind)).append(bar);
  AppendNumber(line, Bytes(r.bytes_received), 10);
  line.append(bar);
  AppendNumber(line, Bytes(r.bytes_sent), 10);
  line.append(bar);
  AppendWhole(line, r.cps, 6);
  line.append(bar);
  AppendText(line, FieldText(r.password), 6, Align::kLeft);
  line.append(CP866("║\n"));
  out.Write(line);
}

}  // namespace

void WriteSessionList(const Window& window, int crash_poll_period,
                      const SessionTable& table, Output& out, BbsMode bbs_mode,
                      SessionListTarget target, int& bbs_session_count,
                      const ReportTexts& texts) {
  const bool crash_column = crash_poll_period != 0;
  const bool statistics = target == SessionListTarget::kStatisticsFile;
  out.Write(WindowTitle(texts.statistics_title, window, texts));
  int widths[8];
  const int count = Widths(crash_column, statistics, widths);
  out.Write(MakeFrameLine(FrameLine::kTop, widths, count));
  WriteHeadings(crash_column, statistics, texts, out);
  out.Write(MakeFrameLine(FrameLine::kSeparator, widths, count));
  std::string line;
  for (const SessionRecord& r : table) {
    if (!statistics && r.kind != kBbsCaller) continue;
    if (!statistics) ++bbs_session_count;
    const bool hidden = statistics && r.kind == kBbsCaller &&
                        bbs_mode == BbsMode::kUserFileHidden;
    WriteRow(r, crash_column, statistics, hidden, line, out);
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, widths, count));
}

}  // namespace brantlow
