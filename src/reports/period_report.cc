#include "reports/period_report.h"

#include <cstdio>
#include <vector>

#include "base/table_frame.h"
#include "log/session_table.h"
#include "platform/cp866.h"
#include "reports/busy_histogram.h"

namespace brantlow {

namespace {

// Wide enough for a month of a busy station: 99,999 sessions, 10^12
// bytes, 9,999 hours; a wider value is printed whole.
constexpr int kDayWidths[] = {7, 7, 7, 7, 6, 14, 14, 12, 11};
constexpr int kAddressWidths[] = {18, 7, 7, 7, 14, 14, 8, 8, 8, 12, 11};

int Columns(int all, bool costs) { return costs ? all : all - 1; }

void WriteDayTable(const PeriodSummary& s, Output& out) {
  const int columns = Columns(9, s.costs);
  out.Write(MakeFrameLine(FrameLine::kTop, kDayWidths, columns));
  out.Write(
      CP866("║  Дата │ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      "
            "Передано│       Время"));
  out.Write(s.costs ? CP866("│  Стоимость║\n") : CP866("║\n"));
  out.Write(MakeFrameLine(FrameLine::kSeparator, kDayWidths, columns));
  DayTotals all;
  auto row = [&](const char* label, const DayTotals& d) {
    out.Printf(
        CP866("║%-7s│%7d│%7d│%7d│%6d│%14lld│%14lld│%12s"), label, d.sessions,
        d.incoming, d.outgoing, d.failures, static_cast<long long>(d.received),
        static_cast<long long>(d.sent), HoursMinutesSeconds(d.seconds).c_str());
    if (s.costs)
      out.Printf(CP866("│%11.2f║\n"), d.cost);
    else
      out.Write(CP866("║\n"));
  };
  for (const DayTotals& d : s.days) {
    char label[16];
    std::snprintf(label, sizeof label, " %2.2d.%2.2d", d.date.day % 100,
                  d.date.month % 100);
    row(label, d);
    AddTo(all, d);
  }
  out.Write(MakeFrameLine(FrameLine::kSeparator, kDayWidths, columns));
  row(CP866(" Всего"), all);
  out.Write(MakeFrameLine(FrameLine::kBottom, kDayWidths, columns));
}

}  // namespace

void WriteAddressTotalsTable(const std::vector<AddressTotals>& addresses,
                             bool costs, Output& out) {
  const int columns = Columns(11, costs);
  out.Write(MakeFrameLine(FrameLine::kTop, kAddressWidths, columns));
  out.Write(
      CP866("║       Адрес      │ Сессий│  Вход.│ Исход.│       Принято│      "
            "Передано│   Файлы│   Файлы│     CPS│       Время"));
  out.Write(costs ? CP866("│  Стоимость║\n") : CP866("║\n"));
  out.Write(
      CP866("║                  │       │       │       │              │       "
            "       │ принято│передано│        │            "));
  out.Write(costs ? CP866("│           ║\n") : CP866("║\n"));
  out.Write(MakeFrameLine(FrameLine::kSeparator, kAddressWidths, columns));
  AddressTotals all;
  auto row = [&](const char* name, const AddressTotals& a,
                 const char* cps_format) {
    out.Printf(CP866("║%-18s│%7d│%7d│%7d│%14lld│%14lld│%8d│%8d│"), name,
               a.sessions, a.incoming, a.outgoing,
               static_cast<long long>(a.received),
               static_cast<long long>(a.sent), a.files_received, a.files_sent);
    out.Printf(cps_format, a.cps_count > 0 ? a.cps_sum / a.cps_count : 0.0);
    out.Printf(CP866("│%12s"), HoursMinutesSeconds(a.seconds).c_str());
    if (costs)
      out.Printf(CP866("│%11.2f║\n"), a.cost);
    else
      out.Write(CP866("║\n"));
  };
  for (const AddressTotals& a : addresses) {
    row(a.name.c_str(), a, "%8.0f");
    AddTo(all, a);
  }
  out.Write(MakeFrameLine(FrameLine::kSeparator, kAddressWidths, columns));
  row(CP866("Всего"), all, "%8.1f");
  out.Write(MakeFrameLine(FrameLine::kBottom, kAddressWidths, columns));
}

namespace {

void WriteSilentLinks(const std::vector<std::string>& links, Output& out) {
  if (links.empty()) {
    out.Write(CP866("\nЛинки без сессий за период: нет\n"));
    return;
  }
  out.Write(CP866("\nЛинки без сессий за период:\n"));
  for (const std::string& link : links) out.Printf("  %s\n", link.c_str());
}

}  // namespace

void AddTo(DayTotals& sum, const DayTotals& day) {
  sum.sessions += day.sessions;
  sum.incoming += day.incoming;
  sum.outgoing += day.outgoing;
  sum.failures += day.failures;
  AddBytes(sum.received, day.received);
  AddBytes(sum.sent, day.sent);
  sum.seconds += day.seconds;
  sum.cost += day.cost;
}

void AddTo(AddressTotals& sum, const AddressTotals& a) {
  sum.sessions += a.sessions;
  sum.incoming += a.incoming;
  sum.outgoing += a.outgoing;
  AddBytes(sum.received, a.received);
  AddBytes(sum.sent, a.sent);
  sum.files_received += a.files_received;
  sum.files_sent += a.files_sent;
  sum.cps_sum += a.cps_sum;
  sum.cps_count += a.cps_count;
  sum.seconds += a.seconds;
  sum.cost += a.cost;
}

std::string HoursMinutesSeconds(long long seconds) {
  if (seconds < 0) seconds = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%2.2lld:%2.2lld", seconds / 3600,
                seconds % 3600 / 60, seconds % 60);
  return text;
}

void WritePeriodReport(const PeriodSummary& s, Output& out) {
  out.Printf(
      CP866(
          "\n      Статистика за период %2.2d.%2.2d-%2.2d.%2.2d, дней: %d \n"),
      s.period.first.day, s.period.first.month, s.period.last.day,
      s.period.last.month, s.period.days);
  WriteDayTable(s, out);
  WriteAddressTotalsTable(s.addresses, s.costs, out);
  if (s.silent_links) WriteSilentLinks(*s.silent_links, out);
  if (s.busy) WriteBusyHistogram(*s.busy, out);
}

}  // namespace brantlow
