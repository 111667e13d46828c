#include "platform/run_lock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brantlow {

namespace {

// Whether the path still names the file open at fd: a run that let go
// removes the file first, and a run that was waiting on it must then
// lock the file that now stands there.
bool StillNamed(int fd, const std::string& path) {
  struct stat open_file, named;
  return fstat(fd, &open_file) == 0 && stat(path.c_str(), &named) == 0 &&
         open_file.st_dev == named.st_dev && open_file.st_ino == named.st_ino;
}

}  // namespace

bool RunLock::Acquire(const std::string& path,
                      const std::function<void()>& waiting) {
  Release();
  bool told = false;
  for (;;) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      if (errno != EWOULDBLOCK) {
        close(fd);
        return false;
      }
      if (!told) {
        told = true;
        waiting();
      }
      while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
          close(fd);
          return false;
        }
      }
    }
    if (StillNamed(fd, path)) {
      path_ = path;
      handle_ = fd;
      return true;
    }
    close(fd);
  }
}

void RunLock::Release() {
  if (handle_ < 0) return;
  // Removed while still held, so that no run can lock the old file and
  // take it for the one at the path.
  unlink(path_.c_str());
  close(static_cast<int>(handle_));
  handle_ = -1;
}

bool FileLock::Acquire(const std::string& path, SystemError& error) {
  Release();
  // Each turn, another run has put a new file in the old one's place.
  for (int turn = 0; turn < 1000; ++turn) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) break;
    int locked;
    while ((locked = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
      error = LastSystemError();
      close(fd);
      return false;
    }
    if (StillNamed(fd, path)) {
      handle_ = fd;
      return true;
    }
    close(fd);
  }
  error = LastSystemError();
  return false;
}

bool FileLock::AlsoLock(std::FILE* stream, SystemError& error) {
  const int fd = fcntl(fileno(stream), F_DUPFD_CLOEXEC, 0);
  if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error = LastSystemError();
    if (fd >= 0) close(fd);
    return false;
  }
  successor_ = fd;
  return true;
}

void FileLock::Release() {
  for (long long* held : {&successor_, &handle_}) {
    if (*held >= 0) close(static_cast<int>(*held));
    *held = -1;
  }
}

}  // namespace brantlow
