#include "reports/period_report.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/table_frame.h"
#include "log/session_table.h"
#include "platform/cp866.h"
#include "platform/format.h"
#include "reports/busy_histogram.h"

namespace brantlow {

namespace {

// Wide enough for a month of a busy station: 99,999 sessions, 10^12
// bytes, 9,999 hours; a wider value is printed whole.
constexpr int kDayWidths[] = {7, 7, 7, 7, 6, 14, 14, 12, 11};
constexpr int kAddressWidths[] = {18, 7, 7, 7, 14, 14, 8, 8, 8, 12, 11};

int Columns(int all, bool costs) { return costs ? all : all - 1; }

void WriteDayTable(const PeriodSummary& s, const ReportTexts& t, Output& out) {
  const int columns = Columns(9, s.costs);
  out.Write(MakeFrameLine(FrameLine::kTop, kDayWidths, columns));
  out.Write(t.period_day_heading);
  if (s.costs) out.Write(t.period_cost_heading);
  out.Write(CP866("║\n"));
  out.Write(MakeFrameLine(FrameLine::kSeparator, kDayWidths, columns));
  DayTotals all;
  auto row = [&](std::string_view label, const DayTotals& d) {
    out.Printf(
        CP866("║%-7.*s│%7d│%7d│%7d│%6d│%14lld│%14lld│%12s"),
        static_cast<int>(label.size()), label.data(), d.sessions, d.incoming,
        d.outgoing, d.failures, static_cast<long long>(d.received),
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
  row(t.period_day_total, all);
  out.Write(MakeFrameLine(FrameLine::kBottom, kDayWidths, columns));
}

// An address's row, or the totals' (CPS with a decimal), put together as
// "║%-18s│%7d│%7d│%7d│%14lld│%14lld│%8d│%8d│%8.0f│%12s[│%11.2f]║" writes
// it: a long period has a row for each of thousands of addresses.
enum class RowKind { kAddress, kTotal };
void AddressRow(std::string_view name, const AddressTotals& a, bool costs,
                RowKind kind, std::string& line) {
  const std::string_view bar = CP866("│");
  line.clear();
  line.append(CP866("║"));
  AppendText(line, name, 18, Align::kLeft);
  for (const int n : {a.sessions, a.incoming, a.outgoing}) {
    line.append(bar);
    AppendNumber(line, n, 7);
  }
  for (const std::int64_t n : {a.received, a.sent}) {
    line.append(bar);
    AppendNumber(line, static_cast<long long>(n), 14);
  }
  for (const int n : {a.files_received, a.files_sent}) {
    line.append(bar);
    AppendNumber(line, n, 8);
  }
  line.append(bar);
  const double cps = a.cps_count > 0 ? a.cps_sum / a.cps_count : 0.0;
  char real[512];
  if (kind == RowKind::kAddress) {
    AppendWhole(line, cps, 8);
  } else {
    std::snprintf(real, sizeof real, "%8.1f", cps);
    line.append(real);
  }
  line.append(bar);
  AppendText(line, HoursMinutesSeconds(a.seconds), 12, Align::kRight);
  if (costs) {
    std::snprintf(real, sizeof real, "%11.2f", a.cost);
    line.append(bar).append(real);
  }
  line.append(CP866("║\n"));
}

}  // namespace

void WriteAddressTotalsTable(const std::vector<AddressTotals>& addresses,
                             bool costs, const ReportTexts& t, Output& out) {
  const int columns = Columns(11, costs);
  out.Write(MakeFrameLine(FrameLine::kTop, kAddressWidths, columns));
  out.Write(t.period_address_heading);
  if (costs) out.Write(t.period_cost_heading);
  out.Write(CP866("║\n"));
  out.Write(t.period_address_heading_2);
  out.Write(costs ? CP866("│           ║\n") : CP866("║\n"));
  out.Write(MakeFrameLine(FrameLine::kSeparator, kAddressWidths, columns));
  AddressTotals all;
  std::string line;
  for (const AddressTotals& a : addresses) {
    AddressRow(a.name, a, costs, RowKind::kAddress, line);
    out.Write(line);
    AddTo(all, a);
  }
  out.Write(MakeFrameLine(FrameLine::kSeparator, kAddressWidths, columns));
  AddressRow(t.period_address_total, all, costs, RowKind::kTotal, line);
  out.Write(line);
  out.Write(MakeFrameLine(FrameLine::kBottom, kAddressWidths, columns));
}

namespace {

void WriteSilentLinks(const std::vector<std::string>& links,
                      const ReportTexts& t, Output& out) {
  out.Write("\n");
  out.Write(t.silent_links);
  if (links.empty()) {
    out.Write(t.silent_none);
    out.Write("\n");
    return;
  }
  out.Write("\n");
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

void WritePeriodReport(const PeriodSummary& s, Output& out,
                       const ReportTexts& texts) {
  std::string title = "\n      ";
  title.append(texts.period_title);
  title += TitleDates(s.period.FirstDate(), s.period.LastDate(), s.today);
  title.append(texts.period_days);
  out.Write(title);
  out.Printf("%d \n", s.period.days);
  WriteDayTable(s, texts, out);
  WriteAddressTotalsTable(s.addresses, s.costs, texts, out);
  if (s.silent_links) WriteSilentLinks(*s.silent_links, texts, out);
  if (s.busy) WriteBusyHistogram(*s.busy, out);
}

}  // namespace brantlow
