#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/work_lane.h"

namespace brantlow {

struct WorkLane::State {
  std::size_t waiting;
  std::mutex lock;
  std::condition_variable changed;
  std::deque<std::function<void()>> jobs;
  bool running = false;  // a job is taken and not finished
  bool ending = false;
  std::thread thread;

  void Work() {
    std::unique_lock<std::mutex> held(lock);
    for (;;) {
      changed.wait(held, [this] { return ending || !jobs.empty(); });
      if (jobs.empty()) return;
      std::function<void()> job = std::move(jobs.front());
      jobs.pop_front();
      running = true;
      held.unlock();
      changed.notify_all();
      job();
      job = nullptr;  // what it held goes before the lock is taken
      held.lock();
      running = false;
      changed.notify_all();
    }
  }
};

WorkLane::WorkLane(std::size_t waiting) : state_(std::make_unique<State>()) {
  state_->waiting = waiting == 0 ? 1 : waiting;
  if (std::thread::hardware_concurrency() >= 2)
    state_->thread = std::thread([this] { state_->Work(); });
}

WorkLane::~WorkLane() {
  if (!state_->thread.joinable()) return;
  {
    const std::lock_guard<std::mutex> held(state_->lock);
    state_->ending = true;
  }
  state_->changed.notify_all();
  state_->thread.join();
}

void WorkLane::Post(std::function<void()> job) {
  if (!state_->thread.joinable()) {
    job();
    return;
  }
  std::unique_lock<std::mutex> held(state_->lock);
  state_->changed.wait(
      held, [this] { return state_->jobs.size() < state_->waiting; });
  state_->jobs.push_back(std::move(job));
  held.unlock();
  state_->changed.notify_all();
}

void WorkLane::Drain() {
  std::unique_lock<std::mutex> held(state_->lock);
  state_->changed.wait(
      held, [this] { return state_->jobs.empty() && !state_->running; });
}

}  // namespace brantlow
