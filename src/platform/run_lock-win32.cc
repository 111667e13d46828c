#include <io.h>
#include <windows.h>

#include <cctype>

#include "platform/run_lock.h"

namespace brantlow {

// Every run opens the lock file to be deleted when its last handle closes.
// While a closed run's file waits for that, it cannot be opened again: the
// next run keeps trying until the file is gone and it makes a new one.
bool RunLock::Acquire(const std::string& path,
                      const std::function<void()>& waiting,
                      SystemError& error) {
  Release();
  bool told = false;
  auto tell = [&] {
    if (!told) {
      told = true;
      waiting();
    }
  };
  for (;;) {
    HANDLE file = CreateFileA(
        path.c_str(), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
        nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      const DWORD code = GetLastError();
      if (code != ERROR_ACCESS_DENIED && code != ERROR_SHARING_VIOLATION) {
        error = LastSystemError();
        return false;
      }
      tell();
      Sleep(20);
      continue;
    }
    OVERLAPPED at = {};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY,
                    0, 1, 0, &at)) {
      tell();
      at = {};
      if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at)) {
        error = LastSystemError();
        CloseHandle(file);
        return false;
      }
    }
    path_ = path;
    handle_ = reinterpret_cast<long long>(file);
    return true;
  }
}

void RunLock::Release() {
  if (handle_ == -1) return;
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = -1;
}

namespace {

// Windows locks are mandatory: the byte locked lies far past any log's
// end, so that the mailer's writes are never refused.
bool LockFarByte(HANDLE file) {
  OVERLAPPED at = {};
  at.Offset = 0xFFFFFFF0u;
  at.OffsetHigh = 0x7FFFFFFFu;
  return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at) != 0;
}

}  // namespace

namespace {

// A directory's lock is a mutex named after its full path: Windows locks
// no byte of a directory.
bool LockDirectory(const std::string& path, long long& handle,
                   SystemError& error) {
  char full[MAX_PATH];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  if (n == 0 || n >= sizeof full) {
    error = LastSystemError();
    return false;
  }
  std::string name = "Local\\brantlow-";
  // File names are the same in any letter case.
  for (DWORD i = 0; i < n; ++i)
    name += full[i] == '\\' ? '/'
                            : static_cast<char>(std::toupper(
                                  static_cast<unsigned char>(full[i])));
  HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
  if (mutex == nullptr || WaitForSingleObject(mutex, INFINITE) == WAIT_FAILED) {
    error = LastSystemError();
    if (mutex != nullptr) CloseHandle(mutex);
    return false;
  }
  handle = reinterpret_cast<long long>(mutex);
  return true;
}

}  // namespace

bool FileLock::Acquire(const std::string& path, SystemError& error) {
  Release();
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    directory_ = true;
    return LockDirectory(path, handle_, error);
  }
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE || !LockFarByte(file)) {
    error = LastSystemError();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return false;
  }
  handle_ = reinterpret_cast<long long>(file);
  return true;
}

bool FileLock::AlsoLock(std::FILE* stream, SystemError& error) {
  HANDLE own = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  HANDLE copy = INVALID_HANDLE_VALUE;
  if (!DuplicateHandle(GetCurrentProcess(), own, GetCurrentProcess(), &copy, 0,
                       FALSE, DUPLICATE_SAME_ACCESS) ||
      !LockFarByte(copy)) {
    error = LastSystemError();
    if (copy != INVALID_HANDLE_VALUE) CloseHandle(copy);
    return false;
  }
  successor_ = reinterpret_cast<long long>(copy);
  return true;
}

void FileLock::Release() {
  if (directory_ && handle_ != -1)
    ReleaseMutex(reinterpret_cast<HANDLE>(handle_));
  directory_ = false;
  for (long long* held : {&successor_, &handle_}) {
    if (*held != -1) CloseHandle(reinterpret_cast<HANDLE>(*held));
    *held = -1;
  }
}

}  // namespace brantlow
