#include <fcntl.h>
#include <langinfo.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/console.h"
#include "platform/cp866.h"

namespace brantlow {

namespace {

bool DetectUtf8Locale() {
  std::setlocale(LC_CTYPE, "");
  const char* codeset = nl_langinfo(CODESET);
  return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 ||
                                std::strcmp(codeset, "utf8") == 0);
}

// What the process's environment says, found out once.
bool LocaleIsUtf8() {
  static const bool utf8 = DetectUtf8Locale();
  return utf8;
}

// The console device: the controlling terminal, else standard error.
struct ConsoleDevice {
  std::FILE* stream = nullptr;
  bool terminal = false;
  bool convert = false;
};

ConsoleDevice OpenDevice() {
  ConsoleDevice d;
  d.stream = std::fopen("/dev/tty", "w");
  if (d.stream == nullptr) d.stream = stderr;
  d.terminal = isatty(fileno(d.stream)) != 0;
  d.convert = LocaleIsUtf8();
  return d;
}

// The device is opened once, on first use, and kept for the process.
const ConsoleDevice& Device() {
  static const ConsoleDevice device = OpenDevice();
  return device;
}

void WriteTo(std::FILE* stream, bool convert, std::string_view bytes) {
  if (!convert) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    return;
  }
  std::string utf8;
  AppendCp866AsUtf8(bytes, utf8);
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

}  // namespace

void Print(std::string_view bytes) { WriteTo(stdout, LocaleIsUtf8(), bytes); }

void PrintError(std::string_view bytes) {
  std::fflush(stdout);
  std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  std::fflush(stderr);
}

void Show(std::string_view bytes) {
  const ConsoleDevice& device = Device();
  // Standard output first, so that where both streams meet (cron's mail,
  // a pipe) the lines keep the order they were written in.
  std::fflush(stdout);
  WriteTo(device.stream, device.convert, bytes);
  std::fflush(device.stream);
}

bool ConsoleIsTerminal() { return Device().terminal; }

bool ConsoleIsUtf8() { return LocaleIsUtf8(); }

void WaitForKey() {
  std::fflush(stdout);
  int fd = open("/dev/tty", O_RDONLY | O_NOCTTY);
  if (fd < 0) return;
  termios saved;
  if (tcgetattr(fd, &saved) != 0) {
    close(fd);
    return;
  }
  termios raw = saved;
  raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSANOW, &raw) == 0) {
    char key;
    ssize_t got = read(fd, &key, 1);
    (void)got;
    tcsetattr(fd, TCSANOW, &saved);
  }
  close(fd);
}

std::FILE* DivertStandardOutput() {
  std::fflush(stdout);
  const int original = dup(STDOUT_FILENO);
  if (original < 0) return nullptr;
  if (dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
    close(original);
    return nullptr;
  }
  return fdopen(original, "wb");
}

bool StreamIsTerminal(std::FILE* stream) { return isatty(fileno(stream)) != 0; }

void IgnoreBrokenPipe() { signal(SIGPIPE, SIG_IGN); }

void FlushConsole() {
  std::fflush(stdout);
  std::fflush(Device().stream);
}

}  // namespace brantlow
