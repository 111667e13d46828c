// Keeps runs that would write the same files apart: a run takes the lock
// of its name before it writes anything and holds it to its end. The
// system releases the lock of a run that dies; the lock file goes with
// the last run that held it.
#ifndef BRANTLOW_PLATFORM_RUN_LOCK_H_
#define BRANTLOW_PLATFORM_RUN_LOCK_H_

#include <cstdio>
#include <functional>
#include <string>

#include "platform/system_error.h"

namespace brantlow {

class RunLock {
 public:
  RunLock() = default;
  ~RunLock() { Release(); }
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // Takes the lock held through the file at path, waiting as long as
  // another run holds it; waiting() is called once, before the wait. The
  // file is the user's own (mode 0600, never reached through a link) in
  // a directory no one else may write to; false, with error telling why,
  // when no such lock can be had.
  [[nodiscard]] bool Acquire(const std::string& path,
                             const std::function<void()>& waiting,
                             SystemError& error);

  // Removes the lock file while it is still the one locked, then lets the
  // next run in.
  void Release();

 private:
  std::string path_;
  // The open lock file: a descriptor, or a handle on Windows.
  long long handle_ = -1;
};

// A lock on a file itself (or on a directory itself), not on a lock file
// beside it: held by whoever changes the file, from any directory and for
// any line, so that two runs never replace one log at once.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Waits for the lock on the file at path; once held, the path still
  // names the file locked (one that replaced it is locked instead).
  [[nodiscard]] bool Acquire(const std::string& path, SystemError& error);
  // Locks also the open file that is to take the path's place, before it
  // does, so that the next run waits for it too.
  [[nodiscard]] bool AlsoLock(std::FILE* stream, SystemError& error);
  void Release();

 private:
  long long handle_ = -1;
  long long successor_ = -1;
  [[maybe_unused]] bool directory_ = false;  // held through a mutex, on Windows
};

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_RUN_LOCK_H_
