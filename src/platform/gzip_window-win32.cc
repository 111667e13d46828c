#include "platform/gzip_window.h"

namespace brantlow {

// The Windows build carries no zlib: a .gz file is told, not read.
const bool kReadsGzip = false;

bool GzipContentDate(const char*, int&, int&, int&) { return false; }

bool GzipWindow::Open(const char*) {
  error_text_ = "compressed files are not read by this build";
  return false;
}

void GzipWindow::Close() {
  handle_ = nullptr;
  Forget();
}

std::size_t GzipWindow::ReadSome(char*, std::size_t) { return 0; }

}  // namespace brantlow
