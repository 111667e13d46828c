#include <windows.h>

#include <deque>
#include <utility>

#include "platform/work_lane.h"

namespace brantlow {

// This build's standard library comes without threads: the host's own,
// with the same queue as on POSIX.
struct WorkLane::State {
  std::size_t waiting = 1;
  SRWLOCK lock = SRWLOCK_INIT;
  CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
  std::deque<std::function<void()>> jobs;
  bool running = false;  // a job is taken and not finished
  bool ending = false;
  HANDLE thread = nullptr;

  void Wait() { SleepConditionVariableSRW(&changed, &lock, INFINITE, 0); }

  void Work() {
    AcquireSRWLockExclusive(&lock);
    for (;;) {
      while (!ending && jobs.empty()) Wait();
      if (jobs.empty()) break;
      std::function<void()> job = std::move(jobs.front());
      jobs.pop_front();
      running = true;
      ReleaseSRWLockExclusive(&lock);
      WakeAllConditionVariable(&changed);
      job();
      job = nullptr;  // what it held goes before the lock is taken
      AcquireSRWLockExclusive(&lock);
      running = false;
      WakeAllConditionVariable(&changed);
    }
    ReleaseSRWLockExclusive(&lock);
  }

  static DWORD WINAPI Run(LPVOID state) {
    static_cast<State*>(state)->Work();
    return 0;
  }
};

WorkLane::WorkLane(std::size_t waiting) : state_(std::make_unique<State>()) {
  state_->waiting = waiting == 0 ? 1 : waiting;
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  if (info.dwNumberOfProcessors >= 2)
    state_->thread =
        CreateThread(nullptr, 0, &State::Run, state_.get(), 0, nullptr);
}

WorkLane::~WorkLane() {
  if (state_->thread == nullptr) return;
  AcquireSRWLockExclusive(&state_->lock);
  state_->ending = true;
  ReleaseSRWLockExclusive(&state_->lock);
  WakeAllConditionVariable(&state_->changed);
  WaitForSingleObject(state_->thread, INFINITE);
  CloseHandle(state_->thread);
}

void WorkLane::Post(std::function<void()> job) {
  if (state_->thread == nullptr) {
    job();
    return;
  }
  AcquireSRWLockExclusive(&state_->lock);
  while (state_->jobs.size() >= state_->waiting) state_->Wait();
  state_->jobs.push_back(std::move(job));
  ReleaseSRWLockExclusive(&state_->lock);
  WakeAllConditionVariable(&state_->changed);
}

void WorkLane::Drain() {
  if (state_->thread == nullptr) return;
  AcquireSRWLockExclusive(&state_->lock);
  while (!state_->jobs.empty() || state_->running) state_->Wait();
  ReleaseSRWLockExclusive(&state_->lock);
}

}  // namespace brantlow
