#include "reports/address_summary.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
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
};

// What the passes read of a name: its keys, and its class in each pass
// after the zones' (the number of the text before its net, node or point
// among the names'; kNoClass without one).
constexpr std::uint32_t kNoClass = UINT32_MAX;
struct NameKeys {
  std::int64_t zone, net, node, point;
  std::uint32_t net_class, node_class, point_class;
};

SortKeys KeysOf(std::string_view name) {
  SortKeys keys;
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

// Numbers the distinct names it is shown, in the order first shown: one
// flat table probed in turn, where a map would allocate a node for each
// of a busy day's thousands of names. It grows with the names.
class NameIndex {
 public:
  // expected: how many names are likely, room for them made at once.
  explicit NameIndex(std::size_t expected = 0) {
    names_.reserve(expected);
    std::size_t slots = 64;
    while (slots < 2 * expected) slots *= 2;
    slots_.assign(slots, kEmpty);
  }
  std::size_t size() const { return names_.size(); }
  // The name's number, and whether it was new.
  std::pair<std::size_t, bool> Add(std::string_view name) {
    if (2 * (names_.size() + 1) > slots_.size()) Grow();
    const std::size_t at = Find(name);
    if (slots_[at] != kEmpty) return {slots_[at], false};
    slots_[at] = static_cast<std::uint32_t>(names_.size());
    names_.push_back(name);
    return {slots_[at], true};
  }

 private:
  static constexpr std::uint32_t kEmpty = UINT32_MAX;
  static std::size_t Hash(std::string_view name) {
    std::uint64_t h = 14695981039346656037ULL;  // FNV-1a
    for (const char c : name) {
      h ^= static_cast<unsigned char>(c);
      h *= 1099511628211ULL;
    }
    return static_cast<std::size_t>(h ^ (h >> 29));
  }
  // The name's slot, or the empty one where it would go.
  std::size_t Find(std::string_view name) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = Hash(name) & mask;
    while (slots_[at] != kEmpty && names_[slots_[at]] != name)
      at = (at + 1) & mask;
    return at;
  }
  void Grow() {
    slots_.assign(2 * slots_.size(), kEmpty);
    for (std::size_t k = 0; k < names_.size(); ++k)
      slots_[Find(names_[k])] = static_cast<std::uint32_t>(k);
  }
  std::vector<std::uint32_t> slots_;
  std::vector<std::string_view> names_;
};

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// The lower keys between a run's places: gap t between its places t and
// t + 1, the last gap up to the end. The lower keys are by_key's first
// begin places; the run's own places are unmarked in lower. Few lower keys
// are counted off in place order, many by lower.
std::vector<std::size_t> Gaps(const std::vector<std::size_t>& by_key,
                              std::size_t begin, std::size_t end, std::size_t n,
                              const PositionCounter& lower) {
  std::vector<std::size_t> gaps(end - begin);
  if (8 * begin <= gaps.size()) {
    std::vector<std::size_t> places(by_key.begin(),
                                    by_key.begin() + static_cast<long>(begin));
    std::sort(places.begin(), places.end());
    auto next = std::upper_bound(places.begin(), places.end(), by_key[begin]);
    for (std::size_t t = 0; t < gaps.size(); ++t) {
      const std::size_t to = begin + t + 1 < end ? by_key[begin + t + 1] : n;
      for (; next != places.end() && *next < to; ++next) ++gaps[t];
    }
    return gaps;
  }
  std::size_t before = lower.Before(by_key[begin]);
  for (std::size_t t = 0; t < gaps.size(); ++t) {
    const std::size_t next =
        lower.Before(begin + t + 1 < end ? by_key[begin + t + 1] : n);
    gaps[t] = next - before;
    before = next;
  }
  return gaps;
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
  if (m == 1) {  // most runs: nothing to turn
    items[out++] = first_row[by_key[begin]];
    return;
  }
  const std::vector<std::size_t> gaps =
      Gaps(by_key, begin, end, first_row.size(), lower);
  // How far the head moves on among the t + 1 items placed.
  auto moves = [&](std::size_t t) {
    return gaps[t] <= t ? gaps[t] : gaps[t] % (t + 1);
  };
  std::size_t all_moves = 0;
  for (std::size_t t = 0; t < m; ++t) all_moves += moves(t);
  // Few lower keys among the run's: the ring of the run is walked, each
  // item put before the head and the head moved on by its gap.
  if (all_moves <= 8 * m) {
    std::vector<std::size_t> next(m);
    std::size_t head = 0, before_head = 0;
    for (std::size_t t = 1; t < m; ++t) {
      next[before_head] = t;
      next[t] = head;
      before_head = t;
      for (std::size_t k = moves(t); k > 0; --k) {
        before_head = head;
        head = next[head];
      }
    }
    for (std::size_t k = 0; k < m; ++k, head = next[head])
      items[out++] = first_row[by_key[begin + head]];
    return;
  }
  std::vector<std::size_t> insert_at(m);
  std::size_t head = 0;
  for (std::size_t t = 0; t < m; ++t) {
    insert_at[t] = head;
    head = (head + 1 + gaps[t]) % (t + 1);
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

// The places 0 to n-1 in the order of their keys, equal keys in place
// order: counted out when the keys span no more than a few times n values
// (net and node numbers do), else sorted.
std::vector<std::size_t> StableOrder(const std::vector<std::int64_t>& keys) {
  const std::size_t n = keys.size();
  std::vector<std::size_t> order(n);
  const auto bounds = std::minmax_element(keys.begin(), keys.end());
  const auto low = static_cast<std::uint64_t>(*bounds.first);
  const auto span = static_cast<std::uint64_t>(*bounds.second) - low;
  if (span >= 4 * n + 64) {
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::stable_sort(
        order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
  }
  std::vector<std::size_t> next(static_cast<std::size_t>(span) + 2, 0);
  auto slot = [&](std::size_t i) {
    return static_cast<std::size_t>(static_cast<std::uint64_t>(keys[i]) - low);
  };
  for (std::size_t i = 0; i < n; ++i) ++next[slot(i) + 1];
  for (std::size_t v = 1; v < next.size(); ++v) next[v] += next[v - 1];
  for (std::size_t i = 0; i < n; ++i) order[next[slot(i)]++] = i;
  return order;
}

template <typename Key>
void ExchangeOrder(std::vector<int>& items, const Key& key) {
  const std::size_t n = items.size();
  if (n < 2) return;
  std::vector<std::int64_t> item_keys(n);
  for (std::size_t j = 0; j < n; ++j) item_keys[j] = key(items[j]);
  // Keys all equal: no exchange is made.
  if (std::all_of(item_keys.begin(), item_keys.end(),
                  [&](std::int64_t k) { return k == item_keys[0]; }))
    return;
  std::vector<int> first_row = items;
  std::vector<std::int64_t> keys = item_keys;  // of first_row
  std::size_t highest = 0;
  for (std::size_t j = 1; j < n; ++j) {
    if (item_keys[highest] < item_keys[j]) {
      first_row[j] = items[highest];
      keys[j] = item_keys[highest];
      highest = j;
    }
  }
  first_row[0] = items[highest];
  keys[0] = item_keys[highest];
  const std::vector<std::size_t> by_key = StableOrder(keys);
  PositionCounter lower(n);
  std::size_t out = 0;
  for (std::size_t begin = 0; begin < n;) {
    std::size_t end = begin + 1;
    while (end < n && keys[by_key[end]] == keys[by_key[begin]]) ++end;
    PlaceRun(first_row, by_key, begin, end, lower, items, out);
    for (std::size_t i = begin; i < end; ++i) lower.Mark(by_key[i]);
    begin = end;
  }
}

// One exchange pass over each class of names sharing a prefix (items of
// no class take no part), each class keeping the places it holds. The
// places are grouped by class in one list, a class's in order.
template <typename Key, typename Class>
void ExchangePass(std::vector<int>& at, std::size_t class_count, const Key& key,
                  const Class& class_of) {
  std::vector<std::size_t> first(class_count + 1, 0);  // of each in places
  for (const int r : at)
    if (class_of(r) != kNoClass) ++first[class_of(r) + 1];
  for (std::size_t c = 1; c < first.size(); ++c) first[c] += first[c - 1];
  std::vector<std::size_t> places(first.back());
  std::vector<std::size_t> next(first.begin(), first.end() - 1);
  for (std::size_t i = 0; i < at.size(); ++i)
    if (class_of(at[i]) != kNoClass) places[next[class_of(at[i])]++] = i;
  std::vector<int> items;
  for (std::size_t c = 0; c < class_count; ++c) {
    if (first[c + 1] - first[c] < 2) continue;
    items.clear();
    for (std::size_t k = first[c]; k < first[c + 1]; ++k)
      items.push_back(at[places[k]]);
    ExchangeOrder(items, key);
    for (std::size_t k = first[c]; k < first[c + 1]; ++k)
      at[places[k]] = items[k - first[c]];
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
  NameIndex by_name(static_cast<std::size_t>(table.size()));
  for (int i = 0; i < table.size(); ++i) {
    const SessionRecord& r = table[i];
    const auto [name, added] = by_name.Add(FieldText(r.name));
    if (added) {
      kept.push_back(i);
      positive.push_back(r.cps > 0 ? 1 : 0);
      continue;
    }
    SessionRecord& k = table[kept[name]];
    AddBytes(k.bytes_sent, r.bytes_sent);
    AddBytes(k.bytes_received, r.bytes_received);
    k.duration += r.duration;
    k.cps += r.cps;
    if (r.cps > 0) ++positive[name];
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
  std::vector<NameKeys> keys(count);
  // The classes are numbered here, in one pass over the names, so that
  // the passes below read no name again.
  NameIndex nets, nodes, points;
  auto number = [](NameIndex& index, std::string_view name,
                   std::size_t prefix) {
    return prefix == 0 ? kNoClass
                       : static_cast<std::uint32_t>(
                             index.Add(name.substr(0, prefix)).first);
  };
  std::vector<int> at(count);
  for (std::size_t i = 0; i < count; ++i) {
    const SortKeys k = KeysOf(names[i]);
    keys[i] = {k.zone,
               k.net,
               k.node,
               k.point,
               number(nets, names[i], k.net_prefix),
               number(nodes, names[i], k.node_prefix),
               number(points, names[i], k.point_prefix)};
    at[i] = static_cast<int>(i);
  }
  // Every name takes part in the zones' pass: one class.
  ExchangeOrder(at, [&](int r) { return keys[Index(r)].zone; });
  ExchangePass(
      at, nets.size(), [&](int r) { return keys[Index(r)].net; },
      [&](int r) { return keys[Index(r)].net_class; });
  ExchangePass(
      at, nodes.size(), [&](int r) { return keys[Index(r)].node; },
      [&](int r) { return keys[Index(r)].node_class; });
  ExchangePass(
      at, points.size(), [&](int r) { return keys[Index(r)].point; },
      [&](int r) { return keys[Index(r)].point_class; });
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
