#include <zlib.h>

#include <cerrno>

#include "platform/gzip_window.h"
#include "platform/system_error.h"

namespace brantlow {

const bool kReadsGzip = true;

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
  buffer_.clear();
  buffer_.shrink_to_fit();
  buffered_ = 0;
  buffer_offset_ = 0;
}

std::size_t GzipWindow::ReadSome(char* into, std::size_t size) {
  if (!error_text_.empty()) return 0;
  const auto file = static_cast<gzFile>(handle_);
  const int n = gzread(file, into, static_cast<unsigned>(size));
  if (n > 0) return static_cast<std::size_t>(n);
  int code = Z_OK;
  const char* message = gzerror(file, &code);
  // A file cut short reads as a clean end unless zlib is asked.
  if (code == Z_OK && !gzeof(file)) code = Z_BUF_ERROR;
  if (n < 0 || code != Z_OK)
    error_text_ = code == Z_ERRNO ? SystemErrorText(LastSystemError())
                                  : std::string("broken compressed data (") +
                                        message + ")";
  return 0;
}

}  // namespace brantlow
