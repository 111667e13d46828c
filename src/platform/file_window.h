// A file read front to back through a window onto its bytes, read in large
// blocks, so that a log of gigabytes is scanned in memory with a fixed,
// small buffer, whatever its size.
#ifndef BRANTLOW_PLATFORM_FILE_WINDOW_H_
#define BRANTLOW_PLATFORM_FILE_WINDOW_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace brantlow {

class FileWindow {
 public:
  FileWindow() = default;
  ~FileWindow() { Close(); }
  FileWindow(const FileWindow&) = delete;
  FileWindow& operator=(const FileWindow&) = delete;

  // False when the file cannot be opened for reading or is a directory.
  bool Open(const char* path);
  void Close();
  bool is_open() const { return handle_ != kNoHandle; }

  // The size at opening.
  std::int64_t size() const { return size_; }

  // The bytes from offset on: as much as the window holds (hundreds of
  // kilobytes) or what is left of the file. Valid until the next call;
  // offsets only move forward, and bytes after the last offset are kept.
  // Empty at the end of the file; a file that grows is read on.
  std::string_view At(std::int64_t offset);

 private:
  // The host's read of up to size bytes; 0 at the end or on an error.
  std::size_t ReadSome(char* into, std::size_t size);
  void CloseHandle();

  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;  // a descriptor or a HANDLE
  std::int64_t size_ = 0;
  std::vector<char> buffer_;
  std::size_t buffered_ = 0;
  std::int64_t buffer_offset_ = 0;
};

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_FILE_WINDOW_H_
