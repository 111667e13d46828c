#include "log/busy_array.h"

#include <climits>
#include <vector>

#include "base/text_fields.h"
#include "base/time_of_day.h"

namespace brantlow {

namespace {

// Adds in floating point and stores back truncated toward zero, within
// the int range.
void Add(int& element, float amount) {
  double sum = static_cast<double>(static_cast<float>(element) + amount);
  if (sum >= INT_MAX) sum = INT_MAX;
  if (sum <= INT_MIN) sum = INT_MIN;
  element = static_cast<int>(sum);
}

void AddAt(BusyArray& busy, int k, float amount) {
  if (k < kHalfHours) Add(busy[static_cast<std::size_t>(k)], amount);
}

// A record that starts in the half hour k, which ends at t: its seconds
// there, then (when it runs on) the half hours it fills and its last one;
// k and t move on to that last half hour.
void Walk(BusyArray& busy, float start, float end, int& k, float& t) {
  if (end <= t) {
    AddAt(busy, k, end - start);
    return;
  }
  AddAt(busy, k, t - start);
  const int first = k + 1;
  while (end > t) {
    ++k;
    t += 1800;
  }
  AddAt(busy, k, end - (t - 1800));
  for (int m = first; m < k && m < kHalfHours; ++m)
    if (busy[static_cast<std::size_t>(m)] == 0)
      busy[static_cast<std::size_t>(m)] = 1800;
}

}  // namespace

void FillBusyArray(const SessionTable& table, BusyArray& busy) {
  // Every record's times are read once, not once per half hour.
  std::vector<float> starts(static_cast<std::size_t>(table.size()));
  std::vector<float> ends(static_cast<std::size_t>(table.size()));
  for (int j = 0; j < table.size(); ++j) {
    starts[static_cast<std::size_t>(j)] =
        static_cast<float>(TimeSeconds(FieldText(table[j].start_time)));
    ends[static_cast<std::size_t>(j)] =
        static_cast<float>(TimeSeconds(FieldText(table[j].end_time)));
  }
  int k = 0;
  float t = 1800;
  while (t <= 86400) {
    for (int j = 0; j < table.size(); ++j) {
      const float start = starts[static_cast<std::size_t>(j)];
      const float end = ends[static_cast<std::size_t>(j)];
      if (t - 1800 <= start && start <= t) Walk(busy, start, end, k, t);
    }
    ++k;
    t += 1800;
  }
}

}  // namespace brantlow
