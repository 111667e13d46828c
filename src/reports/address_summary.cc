#include "reports/address_summary.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/table_frame.h"
#include "base/text_fields.h"
#include "platform/cp866.h"
#include "platform/format.h"
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
  while (i < field.size() && IsFieldSpace(field[i])) ++i;
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
  std::size_t length = 0;                                         // of the name
};

SortKeys KeysOf(std::string_view name) {
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

// Counts marks over positions 0 to n-1, and finds the k-th unmarked one.
class PositionCounter {
 public:
  explicit PositionCounter(std::size_t n) : tree_(n + 1, 0) {}
  void Mark(std::size_t position) {
    for (std::size_t i = position + 1; i < tree_.size(); i += i & (~i + 1))
      ++tree_[i];
  }
  // Marks among positions 0 to end-1.
  std::size_t Before(std::size_t end) const {
    std::size_t sum = 0;
    for (std::size_t i = end; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
  }
  // The position with k unmarked positions before it, itself unmarked.
  std::size_t UnmarkedAt(std::size_t k) const {
    std::size_t step = 1;
    while (step * 2 < tree_.size()) step *= 2;
    std::size_t at = 0;
    for (; step > 0; step /= 2) {
      const std::size_t next = at + step;
      if (next < tree_.size() && step - tree_[next] <= k) {
        at = next;
        k -= step - tree_[next];
      }
    }
    return at;
  }

 private:
  std::vector<std::size_t> tree_;
};

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// The text before a compared number; none when the name has no such number.
std::optional<std::string_view> Prefix(std::string_view name,
                                       std::size_t length) {
  if (length == 0) return std::nullopt;
  return name.substr(0, length);
}

// The exchange pass "for every i, for every j: exchange items i and j when
// i's key is below j's" is not stable; its order is reproduced here in
// O(n log n). Its first row moves each new highest key, met left to right,
// to the place of the next; every later row inserts item i into the sorted
// items before it, after its equals, and turns each run of higher keys by
// one (the run's first item to its end).
// Writes the run of equal keys by_key[begin, end) in the order the later
// rows leave it: each item is put just before the run's head, and every
// lower key inserted after it moves the head on by one.
void PlaceRun(const std::vector<int>& first_row,
              const std::vector<std::size_t>& by_key, std::size_t begin,
              std::size_t end, const PositionCounter& lower,
              std::vector<int>& items, std::size_t& out) {
  const std::size_t m = end - begin;
  std::vector<std::size_t> insert_at(m);
  std::size_t head = 0;
  for (std::size_t t = 0; t < m; ++t) {
    insert_at[t] = head;
    const std::size_t from = by_key[begin + t] + 1;
    const std::size_t to = t + 1 < m ? by_key[begin + t + 1] : first_row.size();
    head = (head + 1 + lower.Before(to) - lower.Before(from)) % (t + 1);
  }
  // Later insertions shift earlier ones: placed last to first, each item
  // takes the free slot its insertion index names.
  std::vector<int> run(m);
  PositionCounter taken(m);
  for (std::size_t t = m; t-- > 0;) {
    const std::size_t slot = taken.UnmarkedAt(insert_at[t]);
    taken.Mark(slot);
    run[slot] = first_row[by_key[begin + t]];
  }
  for (std::size_t k = 0; k < m; ++k) items[out++] = run[(head + k) % m];
}

template <typename Key>
void ExchangeOrder(std::vector<int>& items, const Key& key) {
  const std::size_t n = items.size();
  if (n < 2) return;
  std::vector<int> first_row = items;
  std::size_t highest = 0;
  for (std::size_t j = 1; j < n; ++j) {
    if (key(items[highest]) < key(items[j])) {
      first_row[j] = items[highest];
      highest = j;
    }
  }
  first_row[0] = items[highest];
  std::vector<std::size_t> by_key(n);
  for (std::size_t i = 0; i < n; ++i) by_key[i] = i;
  std::stable_sort(by_key.begin(), by_key.end(),
                   [&](std::size_t a, std::size_t b) {
                     return key(first_row[a]) < key(first_row[b]);
                   });
  PositionCounter lower(n);
  std::size_t out = 0;
  for (std::size_t begin = 0; begin < n;) {
    std::size_t end = begin + 1;
    while (end < n &&
           !(key(first_row[by_key[begin]]) < key(first_row[by_key[end]])))
      ++end;
    PlaceRun(first_row, by_key, begin, end, lower, items, out);
    for (std::size_t i = begin; i < end; ++i) lower.Mark(by_key[i]);
    begin = end;
  }
}

// One exchange pass over each class of names sharing a prefix (items of an
// empty prefix take no part), each class keeping the places it holds.
template <typename Key, typename Class>
void ExchangePass(std::vector<int>& at, const Key& key, const Class& class_of) {
  std::unordered_map<std::string_view, std::vector<std::size_t>> places;
  for (std::size_t i = 0; i < at.size(); ++i) {
    const std::optional<std::string_view> prefix = class_of(at[i]);
    if (prefix) places[*prefix].push_back(i);
  }
  std::vector<int> items;
  for (auto& [prefix, where] : places) {
    items.clear();
    for (std::size_t i : where) items.push_back(at[i]);
    ExchangeOrder(items, key);
    for (std::size_t k = 0; k < where.size(); ++k) at[where[k]] = items[k];
  }
}

// A row put together as "║%-18s│%10lld│%10lld│%8.0f│  %2.2d:%2.2d:%2.2d   ║"
// in line, which the rows share, writes it: a busy day has thousands.
void WriteRow(Output& out, const char* label, const SessionRecord& r,
              std::string& line) {
  const int s = WholeSeconds(r.duration);
  const std::string_view bar = CP866("│");
  line.clear();
  line.append(CP866("║"));
  AppendText(line, label, 18, Align::kLeft);
  line.append(bar);
  AppendNumber(line, r.bytes_received, 10);
  line.append(bar);
  AppendNumber(line, r.bytes_sent, 10);
  line.append(bar);
  AppendWhole(line, r.cps, 8);
  line.append(bar).append("  ");
  AppendTwoDigits(line, s / 3600, 2);
  line.push_back(':');
  AppendTwoDigits(line, s % 3600 / 60, 2);
  line.push_back(':');
  AppendTwoDigits(line, s % 60, 2);
  line.append(CP866("   ║\n"));
  out.Write(line);
}

constexpr int kWidths[] = {18, 10, 10, 8, 13};

void WriteHeadings(std::string_view name, const ReportTexts& t, Output& out) {
  const std::string_view bar = CP866("│");
  std::string line(CP866("║"));
  line.append(name).append(bar).append(t.summary_received).append(bar);
  line.append(t.summary_sent).append(bar).append("  CPS   ").append(bar);
  line.append(t.summary_time).append(CP866("║\n"));
  out.Write(line);
}

}  // namespace

int SessionTotal(const SessionTable& table) {
  if (table.newest() != 0) return table.newest() + 1;
  return FieldText(table[0].start_time).size() >= 3 ? 1 : 0;
}

void SortAndMerge(SessionTable& table) {
  // Each name keeps its first record, in order, and takes in the later
  // ones in the order they come: one pass, the same sums. The first
  // records take the sums where they stand (a record is large).
  std::vector<int> kept;
  std::vector<int> positive;
  std::unordered_map<std::string_view, std::size_t> by_name;
  for (int i = 0; i < table.size(); ++i) {
    const SessionRecord& r = table[i];
    auto [it, added] = by_name.try_emplace(FieldText(r.name), kept.size());
    if (added) {
      kept.push_back(i);
      positive.push_back(r.cps > 0 ? 1 : 0);
      continue;
    }
    SessionRecord& k = table[kept[it->second]];
    AddBytes(k.bytes_sent, r.bytes_sent);
    AddBytes(k.bytes_received, r.bytes_received);
    k.duration += r.duration;
    k.cps += r.cps;
    if (r.cps > 0) ++positive[it->second];
  }
  for (std::size_t i = 0; i < kept.size(); ++i)
    if (positive[i] >= 1) table[kept[i]].cps /= positive[i];

  std::vector<std::string_view> names;
  names.reserve(kept.size());
  for (const int i : kept) names.push_back(FieldText(table[i].name));
  std::vector<int> order = SummaryOrder(names);
  for (int& i : order) i = kept[static_cast<std::size_t>(i)];
  table.Reorder(order);
}

std::vector<int> SummaryOrder(const std::vector<std::string_view>& names) {
  const std::size_t count = names.size();
  std::vector<SortKeys> keys(count);
  std::vector<int> at(count);
  for (std::size_t i = 0; i < count; ++i) {
    keys[i] = KeysOf(names[i]);
    at[i] = static_cast<int>(i);
  }
  ExchangePass(
      at, [&](int r) { return keys[Index(r)].zone; },
      [](int) { return std::optional<std::string_view>(""); });
  ExchangePass(
      at, [&](int r) { return keys[Index(r)].net; },
      [&](int r) {
        return Prefix(names[Index(r)], keys[Index(r)].net_prefix);
      });
  ExchangePass(
      at, [&](int r) { return keys[Index(r)].node; },
      [&](int r) {
        return Prefix(names[Index(r)], keys[Index(r)].node_prefix);
      });
  ExchangePass(
      at, [&](int r) { return keys[Index(r)].point; },
      [&](int r) {
        return Prefix(names[Index(r)], keys[Index(r)].point_prefix);
      });
  return at;
}

void WriteAddressSummary(const SessionTable& table, Output& out,
                         BbsMode bbs_mode, SummaryTarget target,
                         int session_count, const ReportTexts& texts) {
  const bool bbs_file = target == SummaryTarget::kBbsUserFile;
  out.Write(MakeFrameLine(FrameLine::kTop, kWidths, 5));
  WriteHeadings(bbs_file ? texts.summary_user : texts.summary_address, texts,
                out);
  const std::string separator =
      MakeFrameLine(FrameLine::kSeparator, kWidths, 5);
  out.Write(separator);

  std::int64_t sent = 0, received = 0;
  double duration = 0, cps = 0;
  int with_cps = 0;
  int bbs_user = 0;
  std::string line;
  for (const SessionRecord& r : table) {
    if (bbs_file && r.kind != kBbsCaller) continue;
    char name[19];
    std::string_view text = FieldText(r.name);
    std::memcpy(name, text.data(), text.size());
    name[text.size()] = '\0';
    if (!bbs_file && bbs_mode == BbsMode::kUserFileHidden &&
        r.kind == kBbsCaller) {
      char label[32];
      std::snprintf(label, sizeof label, "BBS user %2.2d", ++bbs_user);
      WriteRow(out, label, r, line);
    } else {
      WriteRow(out, name, r, line);
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
  std::string total(CP866("║"));
  total.append(texts.total_before);
  out.Write(total);
  out.Printf("%-3d", session_count);
  out.Write(texts.total_after);
  out.Printf(CP866("│%10lld│%10lld│%8.1f│  %2.2d:%2.2d:%2.2d   ║\n"),
             static_cast<long long>(received), static_cast<long long>(sent),
             total_cps, s / 3600, s % 3600 / 60, s % 60);
  out.Write(MakeFrameLine(FrameLine::kBottom, kWidths, 5));
}

}  // namespace brantlow
