#include "platform/gzip_window.h"

#include <cstring>

namespace brantlow {

namespace {

constexpr std::size_t kGzipWindow = 256 << 10;

}  // namespace

std::string_view GzipWindow::At(std::int64_t offset) {
  if (handle_ == nullptr) return {};
  if (buffer_.empty()) buffer_.resize(kGzipWindow);
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

}  // namespace brantlow
