#include <windows.h>

#include "platform/file_window.h"

namespace brantlow {

namespace {

HANDLE Win32Handle(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

bool FileWindow::Open(const char* path) {
  Close();
  // The mailer may hold its log open for writing, and may rename it.
  HANDLE h =
      CreateFileA(path, GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  error_ = {};
  if (h == INVALID_HANDLE_VALUE) {
    error_ = LastSystemError();
    // A directory cannot be opened this way at all.
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      error_ = DirectoryError();
    return false;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(h, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    error_ = DirectoryError();
    ::CloseHandle(h);
    return false;
  }
  handle_ = reinterpret_cast<std::intptr_t>(h);
  LARGE_INTEGER size;
  size_ = GetFileSizeEx(h, &size) ? size.QuadPart : 0;
  return true;
}

bool FileWindow::OpenStandardInput() {
  Close();
  HANDLE h = GetStdHandle(STD_INPUT_HANDLE);
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return false;
  handle_ = reinterpret_cast<std::intptr_t>(h);
  owns_handle_ = false;
  size_ = 0;
  return true;
}

void FileWindow::CloseHandle() { ::CloseHandle(Win32Handle(handle_)); }

std::size_t FileWindow::ReadSome(char* into, std::size_t size) {
  DWORD got = 0;
  if (!ReadFile(Win32Handle(handle_), into, static_cast<DWORD>(size), &got,
                nullptr))
    return 0;
  return got;
}

bool FileWindow::SeekHandle(std::int64_t offset) {
  LARGE_INTEGER to{};
  to.QuadPart = offset;
  return SetFilePointerEx(Win32Handle(handle_), to, nullptr, FILE_BEGIN) != 0;
}

std::size_t FileWindow::ReadSomeAt(std::int64_t offset, char* into,
                                   std::size_t size) {
  // A positioned read of a handle opened for synchronous reading moves its
  // file pointer: the sequential reads take it back.
  LARGE_INTEGER zero{}, here{};
  if (!SetFilePointerEx(Win32Handle(handle_), zero, &here, FILE_CURRENT))
    return 0;
  OVERLAPPED at{};
  at.Offset =
      static_cast<DWORD>(static_cast<std::uint64_t>(offset) & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
  DWORD got = 0;
  const BOOL ok =
      ReadFile(Win32Handle(handle_), into, static_cast<DWORD>(size), &got, &at);
  SetFilePointerEx(Win32Handle(handle_), here, nullptr, FILE_BEGIN);
  return ok ? got : 0;
}

}  // namespace brantlow
