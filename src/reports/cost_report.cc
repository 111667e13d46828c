#include "reports/cost_report.h"

#include <climits>
#include <string_view>

#include "base/table_frame.h"
#include "base/text_fields.h"
#include "base/time_of_day.h"
#include "platform/cp866.h"
#include "reports/whole_seconds.h"

namespace brantlow {

namespace {

constexpr float kPerMinute = 0.016666668f;
constexpr int kWidths[] = {18, 9, 9, 8, 8};

// Priced in single precision, as the tariffs are kept; a duration is whole
// seconds, which a float holds exactly up to 194 days.
void Price(float& cost, float& time, double duration, float add_on,
           float rate) {
  const float t = static_cast<float>(duration) + add_on;
  cost += t * kPerMinute * rate;
  time += t;
}

// The rate an entry prices a session at: by its direction and whether it
// started at night.
float RateOf(const CostEntry& entry, char kind, bool night) {
  if (kind == kIncoming)
    return night ? entry.incoming_night_rate : entry.incoming_day_rate;
  return night ? entry.outgoing_night_rate : entry.outgoing_day_rate;
}

bool Priced(const SessionRecord& r, const CostEntry& entry) {
  return (r.kind == kIncoming || r.kind == kOutgoing) &&
         FieldText(r.name) == FieldText(entry.name);
}

bool StartsAtNight(const CostTable& costs, const SessionRecord& r) {
  return costs.IsNight(
      static_cast<float>(TimeSeconds(FieldText(r.start_time))));
}

}  // namespace

void CalculateCosts(CostTable& costs, const SessionTable& table) {
  for (CostEntry& entry : costs.used()) {
    for (const SessionRecord& r : table) {
      if (!Priced(r, entry)) continue;
      const float rate = RateOf(entry, r.kind, StartsAtNight(costs, r));
      if (r.kind == kIncoming)
        Price(entry.incoming_cost, entry.incoming_time, r.duration,
              entry.add_on, rate);
      else
        Price(entry.outgoing_cost, entry.outgoing_time, r.duration,
              entry.add_on, rate);
    }
  }
}

double SessionCost(const CostTable& costs, const SessionRecord& r) {
  double total = 0;
  for (const CostEntry& entry : costs.used()) {
    if (!Priced(r, entry)) continue;
    float cost = 0, time = 0;
    Price(cost, time, r.duration, entry.add_on,
          RateOf(entry, r.kind, StartsAtNight(costs, r)));
    total += cost;
  }
  return total;
}

void WriteCostReport(const CostTable& costs, Output& out,
                     const ReportTexts& texts) {
  out.Write(MakeFrameLine(FrameLine::kTop, kWidths, 5));
  out.Write(texts.cost_headings);
  out.Write(MakeFrameLine(FrameLine::kSeparator, kWidths, 5));
  for (const CostEntry& entry : costs.used()) {
    const int in = WholeSeconds(entry.incoming_time);
    const int out_time = WholeSeconds(entry.outgoing_time);
    out.Printf(
        CP866("║%-18s│  %7.2f│  %7.2f│%2.2d:%2.2d:%2.2d│%2.2d:%2.2d:%2.2d║\n"),
        entry.name, entry.incoming_cost, entry.outgoing_cost, in / 3600,
        in % 3600 / 60, in % 60, out_time / 3600, out_time % 3600 / 60,
        out_time % 60);
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, kWidths, 5));
}

}  // namespace brantlow
