#include "driver/day_numbers.h"

#include <cstdint>
#include <memory>

#include "base/calendar.h"
#include "base/text_fields.h"
#include "base/time_of_day.h"
#include "reports/address_summary.h"
#include "reports/cost_report.h"
#include "reports/whole_seconds.h"

namespace brantlow {

namespace {

bool Incoming(char kind) { return kind == kIncoming || kind == kBbsCaller; }

}  // namespace

void CountSessions(const SessionTable& table, DayTotals& day,
                   AddressMap* addresses) {
  day.sessions += SessionTotal(table);
  for (const SessionRecord& r : table) {
    if (r.kind == 0) continue;  // the blank record of an empty window
    const int incoming = Incoming(r.kind) ? 1 : 0;
    const int outgoing = r.kind == kOutgoing ? 1 : 0;
    day.incoming += incoming;
    day.outgoing += outgoing;
    if (r.tag == SessionTag::kHandshakeFailure) ++day.failures;
    if (addresses == nullptr) continue;
    AddressTotals& a = (*addresses)[std::string(FieldText(r.name))];
    ++a.sessions;
    a.incoming += incoming;
    a.outgoing += outgoing;
    if (r.cps > 0) {
      a.cps_sum += r.cps;
      ++a.cps_count;
    }
  }
}

void CountFiles(const std::vector<FilesListing>& files, AddressMap& addresses) {
  for (const FilesListing& f : files) {
    AddressTotals& a = addresses[f.name];
    a.files_received += static_cast<int>(f.received.size());
    a.files_sent += static_cast<int>(f.sent.size());
  }
}

void CountCosts(const CostTable& costs, DayTotals& day, AddressMap* addresses) {
  for (const CostEntry& entry : costs.used()) {
    const double cost = entry.incoming_cost + entry.outgoing_cost;
    day.cost += cost;
    if (addresses == nullptr) continue;
    if (AddressTotals* a = addresses->Find(std::string(FieldText(entry.name))))
      a->cost += cost;
  }
}

void CountFolded(const SessionTable& table, DayTotals& day,
                 AddressMap* addresses) {
  std::int64_t received = 0, sent = 0;
  double duration = 0;
  for (const SessionRecord& r : table) {
    AddBytes(received, r.bytes_received);
    AddBytes(sent, r.bytes_sent);
    duration += r.duration;
    if (r.kind == 0 || addresses == nullptr) continue;
    AddressTotals& a = (*addresses)[std::string(FieldText(r.name))];
    AddBytes(a.received, r.bytes_received);
    AddBytes(a.sent, r.bytes_sent);
    a.seconds += WholeSeconds(r.duration);
  }
  AddBytes(day.received, received);
  AddBytes(day.sent, sent);
  day.seconds += WholeSeconds(duration);
}

std::vector<AddressTotals> InSummaryOrder(AddressMap& addresses) {
  // Sorted as the summary's records would be, their names as a record
  // holds them.
  constexpr std::size_t kNameField = sizeof(SessionRecord::name) - 1;
  std::vector<std::string_view> names;
  names.reserve(addresses.order().size());
  for (const std::string& name : addresses.order())
    names.push_back(std::string_view(name).substr(0, kNameField));
  std::vector<AddressTotals> sorted;
  sorted.reserve(names.size());
  for (const int i : SummaryOrder(names))
    if (AddressTotals* a =
            addresses.Find(std::string(names[static_cast<std::size_t>(i)])))
      sorted.push_back(*a);
  return sorted;
}

namespace {

std::vector<std::string> SplitBlanks(std::string_view text) {
  std::vector<std::string> words;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    if (blank != 0) words.emplace_back(text.substr(0, blank));
    if (blank == std::string_view::npos) break;
    text.remove_prefix(blank + 1);
  }
  return words;
}

}  // namespace

void AddSessionRows(const SessionTable& table, const Window& window,
                    const CostTable& costs, std::vector<SessionRow>& rows) {
  const double window_start =
      window.start_hour * 3600.0 + window.start_minute * 60.0;
  for (const SessionRecord& r : table) {
    if (r.kind == 0) continue;
    SessionRow row;
    // Across midnight, a session that starts before the window's start
    // time started on the morning after.
    const bool second_day = window.crosses_midnight &&
                            TimeSeconds(FieldText(r.start_time)) < window_start;
    row.date = second_day ? window.SecondDate() : window.FirstDate();
    row.start = std::string(FieldText(r.start_time));
    row.end = std::string(FieldText(r.end_time));
    row.seconds = WholeSeconds(r.duration);
    row.crash_poll = r.crash_mark == '!';
    row.name = TrimmedRight(FieldText(r.name));
    row.kind = r.kind;
    row.received = r.bytes_received;
    row.sent = r.bytes_sent;
    row.cps = r.cps;
    row.password = TrimmedRight(FieldText(r.password));
    row.connect = TrimmedRight(table.Connect(r));
    row.mailer = TrimmedRight(table.Mailer(r));
    row.akas = SplitBlanks(table.Akas(r));
    if (!costs.empty()) row.cost = SessionCost(costs, r);
    rows.push_back(std::move(row));
  }
}

}  // namespace brantlow
