#include "platform/file_window.h"

#include <cstring>

namespace brantlow {

namespace {

// Bytes read at a time: enough that system calls cost nothing next to the
// scan, few enough that the window stays in the processor's cache while
// it is scanned (measured faster than a memory map of the file, which can
// also fault when another program shortens the file).
constexpr std::size_t kReadWindow = 256 << 10;

}  // namespace

void FileWindow::Close() {
  if (handle_ != kNoHandle && owns_handle_) CloseHandle();
  owns_handle_ = true;
  handle_ = kNoHandle;
  size_ = 0;
  buffer_.clear();
  buffer_.shrink_to_fit();
  buffered_ = 0;
  buffer_offset_ = 0;
}

std::string_view FileWindow::At(std::int64_t offset) {
  if (handle_ == kNoHandle) return {};
  if (buffer_.empty()) buffer_.resize(kReadWindow);
  std::int64_t skip = offset - buffer_offset_;
  if (skip < 0) return {};
  // Far beyond what is held: a file (not a pipe) is read on from there.
  if (static_cast<std::size_t>(skip) > buffered_ && owns_handle_ &&
      SeekHandle(offset)) {
    buffered_ = 0;
    buffer_offset_ = offset;
    skip = 0;
  }
  // Keep what lies after offset, then fill the rest of the buffer.
  if (static_cast<std::size_t>(skip) > buffered_)
    skip = static_cast<std::int64_t>(buffered_);
  const std::size_t kept = buffered_ - static_cast<std::size_t>(skip);
  std::memmove(buffer_.data(), buffer_.data() + skip, kept);
  buffered_ = kept;
  buffer_offset_ += skip;
  // Always read on: the mailer may have written more since the last end.
  while (buffered_ < buffer_.size()) {
    const std::size_t got =
        ReadSome(buffer_.data() + buffered_, buffer_.size() - buffered_);
    if (got == 0) break;
    buffered_ += got;
  }
  const std::size_t from = static_cast<std::size_t>(offset - buffer_offset_);
  if (from >= buffered_) return {};
  return {buffer_.data() + from, buffered_ - from};
}

std::string_view ForwardWindow::At(std::int64_t offset) {
  constexpr std::size_t kForwardWindow = 256 << 10;
  if (buffer_.empty()) buffer_.resize(kForwardWindow);
  if (offset < buffer_offset_) return {};
  // Bytes skipped beyond what is held are read and dropped.
  while (static_cast<std::size_t>(offset - buffer_offset_) > buffered_) {
    buffer_offset_ += static_cast<std::int64_t>(buffered_);
    buffered_ = ReadSome(buffer_.data(), buffer_.size());
    if (buffered_ == 0) return {};
  }
  const auto skip = static_cast<std::size_t>(offset - buffer_offset_);
  std::memmove(buffer_.data(), buffer_.data() + skip, buffered_ - skip);
  buffered_ -= skip;
  buffer_offset_ = offset;
  while (buffered_ < buffer_.size()) {
    const std::size_t got =
        ReadSome(buffer_.data() + buffered_, buffer_.size() - buffered_);
    if (got == 0) break;
    buffered_ += got;
  }
  return {buffer_.data(), buffered_};
}

bool FileWindow::Rewind() {
  if (handle_ == kNoHandle || !owns_handle_ || !SeekHandle(0)) return false;
  buffered_ = 0;
  buffer_offset_ = 0;
  return true;
}

std::size_t FileWindow::ReadAt(std::int64_t offset, char* into,
                               std::size_t size) {
  if (handle_ == kNoHandle || !owns_handle_ || offset < 0) return 0;
  std::size_t done = 0;
  while (done < size) {
    const std::size_t got = ReadSomeAt(offset + static_cast<std::int64_t>(done),
                                       into + done, size - done);
    if (got == 0) break;
    done += got;
  }
  return done;
}

}  // namespace brantlow
