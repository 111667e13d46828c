#include <zlib.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "platform/gzip_window.h"
#include "platform/system_error.h"

namespace brantlow {

const bool kReadsGzip = true;

namespace {

// zlib's message begins with the file's path, which the caller names.
std::string WithoutPath(const char* message) {
  std::string text = message != nullptr ? message : "";
  const std::size_t colon = text.rfind(": ");
  return colon == std::string::npos ? text : text.substr(colon + 2);
}

}  // namespace

bool GzipContentDate(const char* path, int& year, int& month, int& day) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  unsigned char header[8] = {};
  const bool read = std::fread(header, 1, sizeof header, file) == sizeof header;
  std::fclose(file);
  if (!read || header[0] != 0x1F || header[1] != 0x8B) return false;
  const auto time = static_cast<std::time_t>(
      header[4] | (header[5] << 8) | (header[6] << 16) |
      (static_cast<std::uint32_t>(header[7]) << 24));
  struct tm local;
  if (time == 0 || localtime_r(&time, &local) == nullptr) return false;
  year = local.tm_year + 1900;
  month = local.tm_mon + 1;
  day = local.tm_mday;
  return true;
}

bool GzipWindow::Open(const char* path) {
  Close();
  error_text_.clear();
  errno = 0;
  gzFile file = gzopen(path, "rb");
  if (file == nullptr) {
    error_text_ = errno != 0 ? SystemErrorText(LastSystemError())
                             : "not enough memory to read it";
    return false;
  }
  gzbuffer(file, 64 << 10);
  handle_ = file;
  return true;
}

void GzipWindow::Close() {
  if (handle_ != nullptr) gzclose(static_cast<gzFile>(handle_));
  handle_ = nullptr;
  Forget();
}

std::size_t GzipWindow::ReadSome(char* into, std::size_t size) {
  if (handle_ == nullptr || !error_text_.empty()) return 0;
  const auto file = static_cast<gzFile>(handle_);
  const int n = gzread(file, into, static_cast<unsigned>(size));
  if (n > 0) return static_cast<std::size_t>(n);
  int code = Z_OK;
  const char* message = gzerror(file, &code);
  // A file cut short reads as a clean end unless zlib is asked.
  if (code == Z_OK && !gzeof(file)) code = Z_BUF_ERROR;
  if (n < 0 || code != Z_OK)
    error_text_ = code == Z_ERRNO
                      ? SystemErrorText(LastSystemError())
                      : "broken compressed data (" + WithoutPath(message) + ")";
  return 0;
}

}  // namespace brantlow
