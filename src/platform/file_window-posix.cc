#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_window.h"

namespace brantlow {

bool FileWindow::Open(const char* path) {
  Close();
  error_ = {};
  int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error_ = LastSystemError();
    return false;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    error_ = S_ISDIR(st.st_mode) ? DirectoryError() : LastSystemError();
    ::close(fd);
    return false;
  }
  handle_ = fd;
  size_ = S_ISREG(st.st_mode) ? static_cast<std::int64_t>(st.st_size) : 0;
  posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  return true;
}

bool FileWindow::OpenStandardInput() {
  Close();
  handle_ = STDIN_FILENO;
  owns_handle_ = false;
  size_ = 0;
#ifdef F_SETPIPE_SZ
  // A pipe of a megabyte lets the writer run ahead while lines are read,
  // not stop every 64 kB; where it cannot grow, it stays as it is.
  struct stat st;
  if (fstat(STDIN_FILENO, &st) == 0 && S_ISFIFO(st.st_mode))
    (void)fcntl(STDIN_FILENO, F_SETPIPE_SZ, 1 << 20);
#endif
  return true;
}

void FileWindow::CloseHandle() { ::close(static_cast<int>(handle_)); }

std::size_t FileWindow::ReadSome(char* into, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(static_cast<int>(handle_), into, size);
    if (n < 0 && errno == EINTR) continue;
    return n > 0 ? static_cast<std::size_t>(n) : 0;
  }
}

bool FileWindow::SeekHandle(std::int64_t offset) {
  return ::lseek(static_cast<int>(handle_), static_cast<off_t>(offset),
                 SEEK_SET) == static_cast<off_t>(offset);
}

std::size_t FileWindow::ReadSomeAt(std::int64_t offset, char* into,
                                   std::size_t size) {
  for (;;) {
    const ssize_t n = ::pread(static_cast<int>(handle_), into, size,
                              static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    return n > 0 ? static_cast<std::size_t>(n) : 0;
  }
}

}  // namespace brantlow
