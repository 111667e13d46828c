// Work handed to a second core: a long period's days are counted there
// while the log is still being read.
#ifndef BRANTLOW_PLATFORM_WORK_LANE_H_
#define BRANTLOW_PLATFORM_WORK_LANE_H_

#include <cstddef>
#include <functional>
#include <memory>

namespace brantlow {

// Jobs run one after another in the order posted, on a thread of their
// own where the host has a core to spare, else each as it is posted; so
// they see the same state in the same order either way. A job must not
// touch what the poster goes on using.
class WorkLane {
 public:
  // waiting: how many jobs may wait before Post waits for room, so that
  // the poster cannot run far ahead and hold every job's data at once.
  explicit WorkLane(std::size_t waiting);
  ~WorkLane();  // runs what was posted first
  WorkLane(const WorkLane&) = delete;
  WorkLane& operator=(const WorkLane&) = delete;

  void Post(std::function<void()> job);
  // Returns once every job posted has run.
  void Drain();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_WORK_LANE_H_
