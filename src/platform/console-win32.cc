#include <conio.h>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/console.h"

namespace brantlow {

namespace {

// The console device (CONOUT$), its code page set to 866 for the run and
// given back at the end; standard error when there is no console.
struct ConsoleDevice {
  HANDLE handle = INVALID_HANDLE_VALUE;
  UINT saved_output_page = 0;
  UINT saved_input_page = 0;
};

void RestoreCodePage();

ConsoleDevice OpenDevice() {
  ConsoleDevice d;
  d.handle = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  DWORD mode = 0;
  if (d.handle != INVALID_HANDLE_VALUE && !GetConsoleMode(d.handle, &mode)) {
    CloseHandle(d.handle);
    d.handle = INVALID_HANDLE_VALUE;
  }
  if (d.handle == INVALID_HANDLE_VALUE) {
    // Standard error stands in for the console: it gets the bytes as
    // they are, its own line ends among them.
    _setmode(_fileno(stderr), _O_BINARY);
  } else {
    d.saved_output_page = GetConsoleOutputCP();
    d.saved_input_page = GetConsoleCP();
    SetConsoleOutputCP(866);
    SetConsoleCP(866);
    std::atexit(RestoreCodePage);
  }
  return d;
}

// The device is opened once, on first use, and kept for the process.
const ConsoleDevice& Device() {
  static const ConsoleDevice device = OpenDevice();
  return device;
}

void RestoreCodePage() {
  const ConsoleDevice& d = Device();
  if (d.handle == INVALID_HANDLE_VALUE) return;
  if (d.saved_output_page != 0) SetConsoleOutputCP(d.saved_output_page);
  if (d.saved_input_page != 0) SetConsoleCP(d.saved_input_page);
}

}  // namespace

void Print(std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void PrintError(std::string_view bytes) {
  // Line ends as written, as the console stream's own when it stands in.
  _setmode(_fileno(stderr), _O_BINARY);
  std::fflush(stdout);
  std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  std::fflush(stderr);
}

bool ConsoleIsTerminal() { return Device().handle != INVALID_HANDLE_VALUE; }

// The console is set to code page 866 for the run.
bool ConsoleIsUtf8() { return false; }

void Show(std::string_view bytes) {
  const ConsoleDevice& device = Device();
  if (device.handle == INVALID_HANDLE_VALUE) {
    std::fflush(stdout);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fflush(stderr);
    return;
  }
  std::fflush(stdout);
  DWORD written = 0;
  WriteFile(device.handle, bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

void WaitForKey() {
  std::fflush(stdout);
  if (Device().handle == INVALID_HANDLE_VALUE) return;
  _getch();
}

std::FILE* DivertStandardOutput() {
  std::fflush(stdout);
  const int original = _dup(_fileno(stdout));
  if (original < 0) return nullptr;
  if (_dup2(_fileno(stderr), _fileno(stdout)) < 0) {
    _close(original);
    return nullptr;
  }
  _setmode(original, _O_BINARY);
  return _fdopen(original, "wb");
}

bool StreamIsTerminal(std::FILE* stream) {
  return _isatty(_fileno(stream)) != 0;
}

// Windows sends no signal for a closed pipe: the write fails.
void IgnoreBrokenPipe() {}

void FlushConsole() {
  std::fflush(stdout);
  std::fflush(stderr);
}

}  // namespace brantlow
