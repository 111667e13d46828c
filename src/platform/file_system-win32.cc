// rand_s, for temporary names no one can guess.
#define _CRT_RAND_S
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/file_system.h"

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

bool MakeDirectory(const char* path) {
  return CreateDirectoryA(path, nullptr) != 0;
}

bool RemoveFile(const char* path) { return DeleteFileA(path) != 0; }

bool RemoveEmptyDirectory(const char* path) {
  return RemoveDirectoryA(path) != 0;
}

bool FileModifiedDate(const char* path, FileDate& date) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  FILETIME local;
  SYSTEMTIME time;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
      !FileTimeToSystemTime(&local, &time))
    return false;
  date = {time.wYear, time.wMonth, time.wDay};
  return true;
}

std::FILE* CreateUniqueBeside(const std::string& path, std::string& created,
                              SystemError& error) {
  // Random names, tried until one is new.
  const std::size_t start = FileNameStart(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned int random = 0;
    rand_s(&random);
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", random);
    created = path.substr(0, start) + "~" + path.substr(start) + suffix;
    HANDLE file =
        CreateFileA(created.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      break;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY);
    std::FILE* stream = fd < 0 ? nullptr : _fdopen(fd, "wb");
    if (stream != nullptr) return stream;
    error = LastSystemError();
    if (fd < 0)
      CloseHandle(file);
    else
      _close(fd);
    DeleteFileA(created.c_str());
    return nullptr;
  }
  error = LastSystemError();
  return nullptr;
}

bool Replacement::Begin(const std::string& target, bool copy_old) {
  Abandon();
  error_ = {};
  target_ = target;
  failed_ = target;
  const DWORD attributes = GetFileAttributesA(target.c_str());
  had_target_ = attributes != INVALID_FILE_ATTRIBUTES;
  if (had_target_ && (attributes & (FILE_ATTRIBUTE_DIRECTORY |
                                    FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
    SetLastError((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                     ? ERROR_DIRECTORY
                     : ERROR_CANT_ACCESS_FILE);
    error_ = LastSystemError();
    return false;
  }
  stream_ = CreateUniqueBeside(target, temporary_, error_);
  if (stream_ == nullptr) {
    temporary_.clear();
    failed_ = DirectoryOf(target);
    return false;
  }
  if (copy_old && had_target_) {
    std::FILE* in = std::fopen(target.c_str(), "rb");
    if (in == nullptr) return Fail();
    char buf[1 << 14];
    std::size_t n;
    bool done = true;
    while (done && (n = std::fread(buf, 1, sizeof buf, in)) > 0)
      done = std::fwrite(buf, 1, n, stream_) == n;
    std::fclose(in);
    if (!done) return Fail();
  }
  return true;
}

void Replacement::StartWriteOut() {}

bool Replacement::Commit() {
  if (stream_ == nullptr) return false;
  if (std::fflush(stream_) != 0 || !FlushFileBuffers(reinterpret_cast<HANDLE>(
                                       _get_osfhandle(_fileno(stream_)))))
    return Fail();
  const int closed = std::fclose(stream_);
  stream_ = nullptr;
  if (closed != 0) return Fail();
  if (!MoveFileExA(temporary_.c_str(), target_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return FailAt(target_);
  temporary_.clear();
  return true;
}

Replacement::Placement Replacement::CommitNew(const std::string& name) {
  if (stream_ != nullptr) {
    if (std::fflush(stream_) != 0 || !FlushFileBuffers(reinterpret_cast<HANDLE>(
                                         _get_osfhandle(_fileno(stream_))))) {
      Fail();
      return Placement::kFailed;
    }
    const int closed = std::fclose(stream_);
    stream_ = nullptr;
    if (closed != 0) {
      Fail();
      return Placement::kFailed;
    }
  }
  if (temporary_.empty()) return Placement::kFailed;
  // Without MOVEFILE_REPLACE_EXISTING the move refuses a name in use.
  if (!MoveFileExA(temporary_.c_str(), name.c_str(), MOVEFILE_WRITE_THROUGH)) {
    error_ = LastSystemError();
    if (IsAlreadyThere(error_)) return Placement::kNameTaken;
    Abandon();
    return Placement::kFailed;
  }
  temporary_.clear();
  return Placement::kPlaced;
}

void Replacement::Abandon() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
  temporary_.clear();
}

std::FILE* OpenForWriting(const char* path, WriteMode mode,
                          SystemError& error) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    SetLastError(ERROR_CANT_ACCESS_FILE);
    error = LastSystemError();
    return nullptr;
  }
  if (mode == WriteMode::kNew) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      error = LastSystemError();
      return nullptr;
    }
    CloseHandle(file);
  }
  std::FILE* stream =
      std::fopen(path, mode == WriteMode::kAppend ? "ab" : "wb");
  if (stream == nullptr) error = LastSystemError();
  return stream;
}

bool TruncateStream(std::FILE* stream, std::int64_t size) {
  return std::fflush(stream) == 0 && _chsize_s(_fileno(stream), size) == 0 &&
         _fseeki64(stream, size, SEEK_SET) == 0;
}

std::string ResolvedPath(const std::string& path) { return path; }

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
