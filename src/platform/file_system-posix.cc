#include "platform/file_system.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

bool CopyFileBytes(const char* from, const char* to) {
  std::FILE* in = std::fopen(from, "rb");
  if (in == nullptr && errno != ENOENT) return false;
  std::FILE* out = std::fopen(to, "wb");
  bool done = out != nullptr;
  if (in != nullptr) {
    char buf[1 << 14];
    std::size_t n;
    while (done && (n = std::fread(buf, 1, sizeof buf, in)) > 0)
      done = std::fwrite(buf, 1, n, out) == n;
    if (std::ferror(in)) done = false;
    std::fclose(in);
  }
  if (out != nullptr && std::fclose(out) != 0) done = false;
  return done;
}

bool TruncateFile(const char* path, std::int64_t size) {
  return truncate(path, static_cast<off_t>(size)) == 0;
}

bool ReplaceFile(const char* from, const char* to) {
  return std::rename(from, to) == 0;
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
