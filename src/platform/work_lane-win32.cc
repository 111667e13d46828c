#include <utility>

#include "platform/work_lane.h"

namespace brantlow {

// This build's threads come without the standard library's; jobs run as
// they are posted, in the same order, on the one core.
struct WorkLane::State {};

WorkLane::WorkLane(std::size_t) {}
WorkLane::~WorkLane() = default;

void WorkLane::Post(std::function<void()> job) { job(); }
void WorkLane::Drain() {}

}  // namespace brantlow
