#include <windows.h>

#include <cstdio>

#include "platform/system_error.h"

namespace brantlow {

SystemError LastSystemError() { return {static_cast<int>(GetLastError())}; }

SystemError DirectoryError() { return {ERROR_DIRECTORY}; }

bool IsAlreadyThere(SystemError error) {
  return error.code == ERROR_FILE_EXISTS || error.code == ERROR_ALREADY_EXISTS;
}

bool IsNotFound(SystemError error) {
  return error.code == ERROR_FILE_NOT_FOUND ||
         error.code == ERROR_PATH_NOT_FOUND || error.code == ERROR_INVALID_NAME;
}

std::string SystemErrorText(SystemError error) {
  // The common reasons read as on the other hosts, so that one message
  // serves the sysop (and the tests) everywhere; the rest as the system
  // words them.
  switch (error.code) {
    case 0: return "Unknown error";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return "No such file or directory";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return "Permission denied";
    case ERROR_DIRECTORY: return "Is a directory";
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return "File exists";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "No space left on device";
    case ERROR_WRITE_PROTECT: return "Read-only file system";
    default: break;
  }
  char text[512];
  DWORD n = FormatMessageA(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(error.code), MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT),
      text, sizeof text, nullptr);
  if (n == 0)
    n = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(error.code), 0, text, sizeof text, nullptr);
  // The system's text ends with a full stop and a line end.
  while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' ||
                   text[n - 1] == ' ' || text[n - 1] == '.'))
    --n;
  if (n == 0) {
    std::snprintf(text, sizeof text, "system error %d", error.code);
    return text;
  }
  return std::string(text, n);
}

}  // namespace brantlow
