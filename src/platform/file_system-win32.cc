#include "platform/file_system.h"

#include <windows.h>
// windows.h names a function of its own so; ours is meant here.
#undef ReplaceFile

#include <cstring>

namespace brantlow {

namespace {

// Windows takes "/" as well as "\" in paths, and "C:" ends a drive name.
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

const char kPathSeparator = '\\';
const bool kFileNamesIgnoreCase = true;
const char kHostLineEnd[] = "\r\n";

std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (!path.empty() && !IsSeparator(path.back()) && path.back() != ':')
    path += kPathSeparator;
  path += name;
  return path;
}

std::size_t FileNameStart(std::string_view path) {
  std::size_t at = path.find_last_of("\\/:");
  return at == std::string_view::npos ? 0 : at + 1;
}

std::string_view WithoutTrailingSeparator(std::string_view path) {
  if (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
  return path;
}

bool IsDirectory(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeDirectory(const char* path) { return CreateDirectoryA(path, nullptr) != 0; }

bool RemoveFile(const char* path) { return DeleteFileA(path) != 0; }

bool CopyFileBytes(const char* from, const char* to) {
  if (GetFileAttributesA(from) == INVALID_FILE_ATTRIBUTES &&
      GetLastError() == ERROR_FILE_NOT_FOUND) {
    HANDLE file = CreateFileA(to, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  }
  return CopyFileA(from, to, FALSE) != 0;
}

bool TruncateFile(const char* path, std::int64_t size) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER at;
  at.QuadPart = size;
  const bool done =
      SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return done;
}

bool ReplaceFile(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool ListDirectory(const char* path,
                   const std::function<void(const char* name)>& visit) {
  const std::string pattern = JoinPath(path, "*");
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_FILE_NOT_FOUND && IsDirectory(path);
  do {
    if (std::strcmp(entry.cFileName, ".") == 0 ||
        std::strcmp(entry.cFileName, "..") == 0)
      continue;
    visit(entry.cFileName);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return true;
}

}  // namespace brantlow
