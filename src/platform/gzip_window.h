// A gzip-compressed file read front to back through a window onto its
// decompressed bytes, for rotated logs kept as NAME.gz.
#ifndef BRANTLOW_PLATFORM_GZIP_WINDOW_H_
#define BRANTLOW_PLATFORM_GZIP_WINDOW_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_window.h"

namespace brantlow {

// Whether this build reads gzip files at all (the Windows build does not).
extern const bool kReadsGzip;

// The local date a gzip file's header gives its contents' last change
// (gzip keeps the original file's time); false when it gives none or the
// file cannot be read.
bool GzipContentDate(const char* path, int& year, int& month, int& day);

class GzipWindow final : public ForwardWindow {
 public:
  GzipWindow() = default;
  ~GzipWindow() override { Close(); }
  GzipWindow(const GzipWindow&) = delete;
  GzipWindow& operator=(const GzipWindow&) = delete;

  // False, with the reason in error_text(), when it cannot be opened.
  bool Open(const char* path);
  void Close();
  // Why the file could not be opened or was cut short: broken data, a
  // read error; empty while all is well.
  const std::string& error_text() const { return error_text_; }

  // Not known before the end: 0.
  std::int64_t size() const override { return 0; }

 private:
  // The host's read of up to size decompressed bytes; 0 at the end, when
  // not open, or on an error (then error_text_ says why).
  std::size_t ReadSome(char* into, std::size_t size) override;

  void* handle_ = nullptr;  // zlib's gzFile
  std::string error_text_;
};

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_GZIP_WINDOW_H_
