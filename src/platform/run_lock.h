// Keeps runs that would write the same files apart: a run takes the lock
// of its name before it writes anything and holds it to its end. The
// system releases the lock of a run that dies; the lock file goes with
// the last run that held it.
#ifndef BRANTLOW_PLATFORM_RUN_LOCK_H_
#define BRANTLOW_PLATFORM_RUN_LOCK_H_

#include <functional>
#include <string>

namespace brantlow {

class RunLock {
 public:
  RunLock() = default;
  ~RunLock() { Release(); }
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // Takes the lock held through the file at path, waiting as long as
  // another run holds it; waiting() is called once, before the wait.
  // False when no lock file can be made there: the run then goes on
  // unguarded.
  bool Acquire(const std::string& path, const std::function<void()>& waiting);

  // Removes the lock file, then lets the next run in.
  void Release();

 private:
  std::string path_;
  // The open lock file: a descriptor, or a handle on Windows.
  long long handle_ = -1;
};

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_RUN_LOCK_H_
