#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/file_system.h"

namespace brantlow {

const char kPathSeparator = '/';
const bool kFileNamesIgnoreCase = false;
const char kHostLineEnd[] = "\n";

std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (!path.empty() && path.back() != kPathSeparator) path += kPathSeparator;
  path += name;
  return path;
}

std::size_t FileNameStart(std::string_view path) {
  std::size_t slash = path.rfind(kPathSeparator);
  return slash == std::string_view::npos ? 0 : slash + 1;
}

std::string_view WithoutTrailingSeparator(std::string_view path) {
  if (!path.empty() && path.back() == kPathSeparator) path.remove_suffix(1);
  return path;
}

bool IsDirectory(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectory(const char* path) { return mkdir(path, 0777) == 0; }

bool RemoveFile(const char* path) { return unlink(path) == 0; }

bool RemoveEmptyDirectory(const char* path) { return rmdir(path) == 0; }

bool FileModifiedDate(const char* path, FileDate& date) {
  struct stat st;
  struct tm local;
  if (stat(path, &st) != 0 || localtime_r(&st.st_mtime, &local) == nullptr)
    return false;
  date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  return true;
}

namespace {

// A file the run may write: not another user's, unless the run is root.
bool Ours(const struct stat& st) {
  return geteuid() == 0 || st.st_uid == geteuid();
}

// Whether target may be replaced; its mode and owner are kept in st.
bool CheckTarget(const std::string& target, struct stat& st, bool& exists) {
  exists = false;
  if (lstat(target.c_str(), &st) != 0) return errno == ENOENT;
  exists = true;
  if (S_ISLNK(st.st_mode))
    errno = ELOOP;
  else if (S_ISDIR(st.st_mode))
    errno = EISDIR;
  else if (!S_ISREG(st.st_mode))
    errno = EINVAL;
  else if (!Ours(st))
    errno = EPERM;
  else
    return true;
  return false;
}

bool CopyInto(const std::string& from, int to) {
  const int in = open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (in < 0) return errno == ENOENT;
  char buf[1 << 14];
  ssize_t n;
  bool done = true;
  while (done && (n = read(in, buf, sizeof buf)) > 0)
    done = write(to, buf, static_cast<std::size_t>(n)) == n;
  if (n < 0) done = false;
  const int saved = errno;
  close(in);
  errno = saved;
  return done;
}

// Syncs the directory that holds path, so that a rename in it lasts.
bool SyncDirectoryOf(const std::string& path) {
  const std::size_t start = FileNameStart(path);
  const std::string dir = start == 0 ? "." : path.substr(0, start);
  const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool done = fsync(fd) == 0 || errno == EINVAL;
  close(fd);
  return done;
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::FILE* CreateUniqueBeside(const std::string& path, std::string& created,
                              SystemError& error) {
  const std::size_t start = FileNameStart(path);
  created = path.substr(0, start) + "." + path.substr(start) + ".XXXXXX";
  const int fd = mkostemp(created.data(), O_CLOEXEC);
  std::FILE* stream = fd < 0 ? nullptr : fdopen(fd, "wb");
  if (stream != nullptr) return stream;
  error = LastSystemError();
  if (fd >= 0) {
    close(fd);
    unlink(created.c_str());
  }
  return nullptr;
}

bool Replacement::Begin(const std::string& target, bool copy_old) {
  Abandon();
  error_ = {};
  target_ = target;
  failed_ = target;
  struct stat st;
  if (!CheckTarget(target, st, had_target_)) {
    error_ = LastSystemError();
    return false;
  }
  mode_ = had_target_ ? st.st_mode & 07777 : NewFileMode();
  owner_ = had_target_ ? st.st_uid : -1;
  group_ = had_target_ ? st.st_gid : -1;
  stream_ = CreateUniqueBeside(target, temporary_, error_);
  if (stream_ == nullptr) {
    temporary_.clear();
    failed_ = DirectoryOf(target);
    return false;
  }
  if (copy_old && (!CopyInto(target, fileno(stream_)) ||
                   std::fseek(stream_, 0, SEEK_END) != 0))
    return Fail();
  return true;
}

void Replacement::StartWriteOut() {
  // On Linux this starts writing out the pages written so far, and may
  // drop those already on the disk (read from there again if at all);
  // elsewhere it is a hint or nothing.
  if (stream_ != nullptr)
    (void)posix_fadvise(fileno(stream_), 0, 0, POSIX_FADV_DONTNEED);
}

bool Replacement::Commit() {
  if (stream_ == nullptr) return false;
  const int fd = fileno(stream_);
  if (std::fflush(stream_) != 0 || fsync(fd) != 0 || fchmod(fd, mode_) != 0)
    return Fail();
  if (had_target_ && geteuid() == 0 &&
      fchown(fd, static_cast<uid_t>(owner_), static_cast<gid_t>(group_)) != 0)
    return Fail();
  const int closed = std::fclose(stream_);
  stream_ = nullptr;
  if (closed != 0) return Fail();
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
    return FailAt(target_);
  temporary_.clear();
  if (!SyncDirectoryOf(target_)) {
    error_ = LastSystemError();
    failed_ = DirectoryOf(target_);
    return false;
  }
  return true;
}

namespace {

// A file system that keeps no second name of a file (link refused).
bool NoHardLinks(int error) {
  return error == EPERM || error == ENOTSUP || error == ENOSYS;
}

}  // namespace

Replacement::Placement Replacement::CommitNew(const std::string& name) {
  if (stream_ != nullptr) {
    const int fd = fileno(stream_);
    if (std::fflush(stream_) != 0 || fsync(fd) != 0 || fchmod(fd, mode_) != 0) {
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
  // A second name, made only where none is: the new file is whole the
  // moment it is there.
  if (link(temporary_.c_str(), name.c_str()) != 0) {
    if (errno == EEXIST) {
      error_ = LastSystemError();
      return Placement::kNameTaken;
    }
    struct stat st;
    if (!NoHardLinks(errno)) {
      Fail();
      return Placement::kFailed;
    }
    if (lstat(name.c_str(), &st) == 0) return Placement::kNameTaken;
    if (std::rename(temporary_.c_str(), name.c_str()) != 0) {
      Fail();
      return Placement::kFailed;
    }
  }
  unlink(temporary_.c_str());
  temporary_.clear();
  if (!SyncDirectoryOf(name)) {
    error_ = LastSystemError();
    return Placement::kFailed;
  }
  return Placement::kPlaced;
}

void Replacement::Abandon() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

std::FILE* OpenForWriting(const char* path, WriteMode mode,
                          SystemError& error) {
  const bool append = mode == WriteMode::kAppend;
  const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC |
                    (append ? O_APPEND : 0) |
                    (mode == WriteMode::kNew ? O_EXCL : 0);
  const int fd = open(path, flags, 0666);
  struct stat st;
  if (fd >= 0 && fstat(fd, &st) == 0 && !Ours(st))
    errno = EPERM;
  else if (fd >= 0 && (append || ftruncate(fd, 0) == 0)) {
    if (std::FILE* stream = fdopen(fd, append ? "ab" : "wb")) return stream;
  }
  error = LastSystemError();
  if (fd >= 0) close(fd);
  return nullptr;
}

bool TruncateStream(std::FILE* stream, std::int64_t size) {
  return std::fflush(stream) == 0 &&
         ftruncate(fileno(stream), static_cast<off_t>(size)) == 0 &&
         fseeko(stream, static_cast<off_t>(size), SEEK_SET) == 0;
}

std::string ResolvedPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved)
                                                     : path;
}

bool ListDirectory(const char* path,
                   const std::function<void(const char* name)>& visit) {
  DIR* dir = opendir(path);
  if (dir == nullptr) return false;
  while (dirent* entry = readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") == 0 ||
        std::strcmp(entry->d_name, "..") == 0)
      continue;
    visit(entry->d_name);
  }
  closedir(dir);
  return true;
}

}  // namespace brantlow
