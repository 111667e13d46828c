#include "platform/console.h"

#include <cstdarg>
#include <string>

#include "platform/format.h"
#include "platform/system_error.h"

namespace brantlow {

void Printf(const char* format, ...) {
  char local[1024];
  std::string big;
  va_list args;
  va_start(args, format);
  std::string_view text = VFormat(local, sizeof local, big, format, args);
  va_end(args);
  Print(text);
}

void PrintAsGiven(std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

bool CopyFileToStream(const char* path, std::FILE* stream, SystemError& error) {
  std::FILE* in = std::fopen(path, "rb");
  if (in == nullptr) {
    error = LastSystemError();
    return false;
  }
  const bool terminal = StreamIsTerminal(stream);
  char buffer[1 << 14];
  bool done = true;
  std::size_t n;
  while (done && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
    if (terminal)
      for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(buffer[i]);
        if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F)
          buffer[i] = '?';
      }
    done = std::fwrite(buffer, 1, n, stream) == n;
  }
  if (done && std::ferror(in)) done = false;
  if (std::fflush(stream) != 0) done = false;
  if (!done) error = LastSystemError();
  std::fclose(in);
  return done;
}

}  // namespace brantlow
