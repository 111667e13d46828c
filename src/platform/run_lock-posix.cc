#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/run_lock.h"

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

namespace {

// A directory others may write to (without the sticky bit), or that is
// another user's, lets them remove or replace the lock file while held.
bool OnlyOursToWrite(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string dir =
      slash == std::string::npos ? "." : path.substr(0, slash + 1);
  struct stat st;
  if (stat(dir.c_str(), &st) != 0) return false;
  const bool others_write =
      (st.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (st.st_mode & S_ISVTX) == 0;
  if (others_write || (st.st_uid != geteuid() && geteuid() != 0)) {
    errno = EPERM;
    return false;
  }
  return true;
}

// Opens the lock file: never through a link, and only one of the user's.
int OpenLockFile(const std::string& path) {
  const int fd =
      open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  struct stat st;
  if (fd < 0 ||
      (fstat(fd, &st) == 0 && st.st_uid == geteuid() && S_ISREG(st.st_mode)))
    return fd;
  close(fd);
  errno = EPERM;
  return -1;
}

// Waits for the lock; false when the wait itself failed.
bool LockWaiting(int fd, const std::function<void()>& waiting, bool& told) {
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
  if (errno != EWOULDBLOCK) return false;
  if (!told) {
    told = true;
    waiting();
  }
  while (flock(fd, LOCK_EX) != 0)
    if (errno != EINTR) return false;
  return true;
}

}  // namespace

bool RunLock::Acquire(const std::string& path,
                      const std::function<void()>& waiting,
                      SystemError& error) {
  Release();
  bool told = false;
  if (!OnlyOursToWrite(path)) {
    error = LastSystemError();
    return false;
  }
  for (;;) {
    const int fd = OpenLockFile(path);
    if (fd < 0 || !LockWaiting(fd, waiting, told)) {
      error = LastSystemError();
      if (fd >= 0) close(fd);
      return false;
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
  // take it for the one at the path; and only while the path still names
  // it, so that no other run's file is removed.
  if (StillNamed(static_cast<int>(handle_), path_)) unlink(path_.c_str());
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
    while ((locked = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {}
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
