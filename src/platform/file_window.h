// A file read front to back through a window onto its bytes, read in large
// blocks, so that a log of gigabytes is scanned in memory with a fixed,
// small buffer, whatever its size.
#ifndef BRANTLOW_PLATFORM_FILE_WINDOW_H_
#define BRANTLOW_PLATFORM_FILE_WINDOW_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/system_error.h"

namespace brantlow {

// Bytes read front to back, a file's or memory's.
class ByteWindow {
 public:
  virtual ~ByteWindow() = default;

  // The size at opening.
  virtual std::int64_t size() const = 0;

  // The bytes from offset on: as much as the window holds (hundreds of
  // kilobytes) or what is left. Valid until the next call; offsets only
  // move forward, and bytes after the last offset are kept. Empty at the
  // end; a file that grows is read on.
  virtual std::string_view At(std::int64_t offset) = 0;

  // Up to size bytes from offset into into, apart from the window At
  // keeps: how many were read, 0 at the end and where the bytes cannot be
  // read out of order (standard input).
  virtual std::size_t ReadAt(std::int64_t offset, char* into,
                             std::size_t size) = 0;

  // Back to the start for a second reading; false where the bytes cannot
  // be read again (standard input, a chain of sources).
  virtual bool Rewind() { return false; }
};

// A window over bytes that come only in order (a decompressed file, a
// chain of sources): what lies before the window is gone, and bytes
// skipped past it are read and dropped.
class ForwardWindow : public ByteWindow {
 public:
  std::string_view At(std::int64_t offset) override;
  // The bytes cannot be read out of order: always 0.
  std::size_t ReadAt(std::int64_t, char*, std::size_t) override { return 0; }

 protected:
  // Up to size next bytes; 0 at the end.
  virtual std::size_t ReadSome(char* into, std::size_t size) = 0;
  // Lets go of what the window holds, for a source opened anew.
  void Forget() {
    buffer_ = {};
    buffered_ = 0;
    buffer_offset_ = 0;
  }

 private:
  std::vector<char> buffer_;
  std::size_t buffered_ = 0;
  std::int64_t buffer_offset_ = 0;
};

// Bytes the caller holds, for tests and fuzz targets.
class MemoryWindow final : public ByteWindow {
 public:
  explicit MemoryWindow(std::string_view bytes) : bytes_(bytes) {}
  std::int64_t size() const override {
    return static_cast<std::int64_t>(bytes_.size());
  }
  std::string_view At(std::int64_t offset) override {
    if (offset < 0 || static_cast<std::size_t>(offset) >= bytes_.size())
      return {};
    return bytes_.substr(static_cast<std::size_t>(offset));
  }
  std::size_t ReadAt(std::int64_t offset, char* into,
                     std::size_t size) override {
    const std::string_view from = At(offset);
    const std::size_t n = from.size() < size ? from.size() : size;
    if (n != 0) std::memcpy(into, from.data(), n);
    return n;
  }
  bool Rewind() override { return true; }

 private:
  std::string_view bytes_;
};

class FileWindow final : public ByteWindow {
 public:
  FileWindow() = default;
  ~FileWindow() override { Close(); }
  FileWindow(const FileWindow&) = delete;
  FileWindow& operator=(const FileWindow&) = delete;

  // False when the file cannot be opened for reading or is a directory.
  bool Open(const char* path);
  // Standard input, read to its end; its size is not known (0).
  bool OpenStandardInput();
  void Close();
  bool is_open() const { return handle_ != kNoHandle; }
  // Why the last Open failed.
  SystemError error() const { return error_; }

  std::int64_t size() const override { return size_; }
  std::string_view At(std::int64_t offset) override;
  std::size_t ReadAt(std::int64_t offset, char* into,
                     std::size_t size) override;
  bool Rewind() override;

 private:
  // The host's read of up to size bytes; 0 at the end or on an error.
  std::size_t ReadSome(char* into, std::size_t size);
  // The host's read at a position, leaving ReadSome's position alone; 0
  // at the end, on an error or for standard input.
  std::size_t ReadSomeAt(std::int64_t offset, char* into, std::size_t size);
  // Moves ReadSome's position to offset; false where it cannot (a pipe).
  bool SeekHandle(std::int64_t offset);
  void CloseHandle();

  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;  // a descriptor or a HANDLE
  bool owns_handle_ = true;           // standard input is left open
  SystemError error_;
  std::int64_t size_ = 0;
  std::vector<char> buffer_;
  std::size_t buffered_ = 0;
  std::int64_t buffer_offset_ = 0;
};

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_FILE_WINDOW_H_
