#include "reports/address_summary.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/text_fields.h"
#include "platform/cp866.h"
#include "base/table_frame.h"
#include "reports/whole_seconds.h"

namespace brantlow {

namespace {

// The decimal number of at most width characters from column: blanks,
// one sign, digits. A name's 18 characters cannot leave the range.
std::int64_t KeyNumber(std::string_view name, std::size_t column,
                       std::size_t width) {
  std::string_view field =
      column < name.size() ? name.substr(column, width) : std::string_view();
  std::size_t i = 0;
  while (i < field.size() && std::isspace(static_cast<unsigned char>(field[i])))
    ++i;
  const bool negative = i < field.size() && field[i] == '-';
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
  std::int64_t value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
    value = value * 10 + (field[i] - '0');
  return negative ? -value : value;
}

// The four sort keys of a name and the prefixes that group them.
struct SortKeys {
  std::int64_t zone = 0;
  std::int64_t net = 0, node = 0, point = 0;
  std::size_t net_prefix = 0, node_prefix = 0, point_prefix = 0;  // 0: absent
  std::size_t length = 0;  // of the name
};

SortKeys KeysOf(const SessionRecord& record) {
  std::string_view name = FieldText(record.name);
  SortKeys keys;
  keys.length = name.size();
  keys.zone = KeyNumber(name, 0, name.size());
  std::size_t colon = name.find(':', 1);
  if (colon == std::string_view::npos) return keys;
  keys.net = KeyNumber(name, colon + 1, 10);
  keys.net_prefix = colon + 1;
  std::size_t slash = name.find('/', colon + 1);
  if (slash == std::string_view::npos) return keys;
  keys.node = KeyNumber(name, slash + 1, 10);
  keys.node_prefix = slash + 1;
  std::size_t point = name.find('.', slash + 1);
  if (point == std::string_view::npos) return keys;
  keys.point = KeyNumber(name, point + 1, 10);
  keys.point_prefix = point + 1;
  return keys;
}

// Whether the first prefix characters of the two names are the same (all
// of a shorter name).
bool BeginsWith(const SessionRecord& record, const SortKeys& record_keys,
                const SessionRecord& group, const SortKeys& group_keys,
                std::size_t prefix) {
  const std::size_t a = record_keys.length < prefix ? record_keys.length : prefix;
  const std::size_t b = group_keys.length < prefix ? group_keys.length : prefix;
  return a == b && std::memcmp(record.name, group.name, a) == 0;
}

void WriteRow(Output& out, const char* label, const SessionRecord& r) {
  const int s = WholeSeconds(r.duration);
  out.Printf(CP866("║%-18s│%10lld│%10lld│%8.0f│  %2.2d:%2.2d:%2.2d   ║\n"), label,
             static_cast<long long>(r.bytes_received),
             static_cast<long long>(r.bytes_sent), r.cps, s / 3600,
             s % 3600 / 60, s % 60);
}

constexpr int kWidths[] = {18, 10, 10, 8, 13};

}  // namespace

int SessionTotal(const SessionTable& table) {
  if (table.current != 0) return table.current + 1;
  return FieldText(table[0].start_time).size() >= 3 ? 1 : 0;
}

void SortAndMerge(SessionTable& table) {
  // Each name keeps its first record, in order, and takes in the later
  // ones in the order they come: one pass, the same sums.
  std::vector<SessionRecord> kept;
  std::vector<int> positive;
  std::unordered_map<std::string, std::size_t> by_name;
  for (int i = 0; i <= table.current; ++i) {
    const SessionRecord& r = table[i];
    auto [it, added] = by_name.try_emplace(std::string(FieldText(r.name)), kept.size());
    if (added) {
      kept.push_back(r);
      positive.push_back(r.cps > 0 ? 1 : 0);
      continue;
    }
    SessionRecord& k = kept[it->second];
    AddBytes(k.bytes_sent, r.bytes_sent);
    AddBytes(k.bytes_received, r.bytes_received);
    k.duration += r.duration;
    k.cps += r.cps;
    if (r.cps > 0) ++positive[it->second];
  }
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (positive[i] >= 1) kept[i].cps /= positive[i];
    table[static_cast<int>(i)] = kept[i];
  }
  for (int i = static_cast<int>(kept.size()); i <= table.current; ++i)
    table[i] = SessionRecord{};
  if (table.current >= 0) table.current = static_cast<int>(kept.size()) - 1;

  // The exchanges move record numbers, and the records once at the end:
  // a record is large, and a long day makes many exchanges.
  const std::size_t count = static_cast<std::size_t>(table.size());
  std::vector<SortKeys> keys(count);
  std::vector<int> at(count);
  for (std::size_t i = 0; i < count; ++i) {
    keys[i] = KeysOf(table[static_cast<int>(i)]);
    at[i] = static_cast<int>(i);
  }
  auto exchange = [&](int i, int j) {
    std::swap(at[static_cast<std::size_t>(i)], at[static_cast<std::size_t>(j)]);
  };
  auto key = [&](int i) -> const SortKeys& {
    return keys[static_cast<std::size_t>(at[static_cast<std::size_t>(i)])];
  };
  auto record = [&](int i) -> const SessionRecord& {
    return table[at[static_cast<std::size_t>(i)]];
  };
  const int last = table.current;
  for (int i = 0; i <= last; ++i)
    for (int j = 0; j <= last; ++j)
      if (key(i).zone < key(j).zone) exchange(i, j);
  // The number compares come first: they are cheap, and mostly false.
  auto begins = [&](int j, int i, std::size_t prefix) {
    return BeginsWith(record(j), key(j), record(i), key(i), prefix);
  };
  for (int i = 0; i <= last; ++i)
    for (int j = 0; j <= last; ++j)
      if (key(i).net_prefix && key(i).net < key(j).net &&
          begins(j, i, key(i).net_prefix))
        exchange(i, j);
  for (int i = 0; i <= last; ++i)
    for (int j = 0; j <= last; ++j)
      if (key(i).node_prefix && key(i).node < key(j).node &&
          begins(j, i, key(i).node_prefix))
        exchange(i, j);
  for (int i = 0; i <= last; ++i)
    for (int j = 0; j <= last; ++j)
      if (key(i).point_prefix && key(i).point < key(j).point &&
          begins(j, i, key(i).point_prefix))
        exchange(i, j);
  std::vector<SessionRecord> sorted(count);
  for (std::size_t i = 0; i < count; ++i) sorted[i] = table[at[i]];
  for (std::size_t i = 0; i < count; ++i) table[static_cast<int>(i)] = sorted[i];
}

void WriteAddressSummary(const SessionTable& table, Output& out,
                         BbsMode bbs_mode, SummaryTarget target,
                         int session_count) {
  const bool bbs_file = target == SummaryTarget::kBbsUserFile;
  out.Write(MakeFrameLine(FrameLine::kTop, kWidths, 5));
  out.Write(bbs_file
                ? CP866("║   Пользователь   │  Принято │ Передано │  CPS   │ Общее время ║\n")
                : CP866("║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║\n"));
  const std::string separator = MakeFrameLine(FrameLine::kSeparator, kWidths, 5);
  out.Write(separator);

  std::int64_t sent = 0, received = 0;
  double duration = 0, cps = 0;
  int with_cps = 0;
  int bbs_user = 0;
  for (int i = 0; i <= table.current; ++i) {
    const SessionRecord& r = table[i];
    if (bbs_file && r.kind != kBbsCaller) continue;
    char name[19];
    std::string_view text = FieldText(r.name);
    std::memcpy(name, text.data(), text.size());
    name[text.size()] = '\0';
    if (!bbs_file && bbs_mode == BbsMode::kUserFileHidden &&
        r.kind == kBbsCaller) {
      char label[32];
      std::snprintf(label, sizeof label, "BBS user %2.2d", ++bbs_user);
      WriteRow(out, label, r);
    } else {
      WriteRow(out, name, r);
    }
    AddBytes(sent, r.bytes_sent);
    AddBytes(received, r.bytes_received);
    duration += r.duration;
    cps += r.cps;
    if (r.cps > 0) ++with_cps;
  }
  out.Write(separator);
  const double total_cps = cps > 0 && with_cps > 0 ? cps / with_cps : cps;
  const int s = WholeSeconds(duration);
  out.Printf(CP866("║Всего: %-3d cессий │%10lld│%10lld│%8.1f│  %2.2d:%2.2d:%2.2d   ║\n"),
             session_count, static_cast<long long>(received),
             static_cast<long long>(sent), total_cps, s / 3600, s % 3600 / 60,
             s % 60);
  out.Write(MakeFrameLine(FrameLine::kBottom, kWidths, 5));
}

}  // namespace brantlow
