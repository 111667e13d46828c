#include "platform/file_window.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace brantlow {

namespace {

// Bytes read at a time: enough that system calls cost nothing next to the
// scan, few enough that the window stays in the processor's cache while
// it is scanned (measured faster than a memory map of the file, which can
// also fault when another program shortens the file).
constexpr std::size_t kReadWindow = 256 << 10;

}  // namespace

bool FileWindow::Open(const char* path) {
  Close();
  int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  size_ = S_ISREG(st.st_mode) ? static_cast<std::int64_t>(st.st_size) : 0;
  posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  return true;
}

void FileWindow::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
  buffer_.clear();
  buffer_.shrink_to_fit();
  buffered_ = 0;
  buffer_offset_ = 0;
}

std::string_view FileWindow::At(std::int64_t offset) {
  if (fd_ < 0) return {};
  if (buffer_.empty()) buffer_.resize(kReadWindow);
  std::int64_t skip = offset - buffer_offset_;
  if (skip < 0) return {};
  // Keep what lies after offset, then fill the rest of the buffer.
  if (static_cast<std::size_t>(skip) > buffered_)
    skip = static_cast<std::int64_t>(buffered_);
  const std::size_t kept = buffered_ - static_cast<std::size_t>(skip);
  std::memmove(buffer_.data(), buffer_.data() + skip, kept);
  buffered_ = kept;
  buffer_offset_ += skip;
  // Always read on: the mailer may have written more since the last end.
  bool at_end = false;
  while (!at_end && buffered_ < buffer_.size()) {
    ssize_t n = ::read(fd_, buffer_.data() + buffered_, buffer_.size() - buffered_);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      at_end = true;
      break;
    }
    buffered_ += static_cast<std::size_t>(n);
  }
  const std::size_t from = static_cast<std::size_t>(offset - buffer_offset_);
  if (from >= buffered_) return {};
  return {buffer_.data() + from, buffered_ - from};
}

}  // namespace brantlow
