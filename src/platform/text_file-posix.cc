#include <sys/stat.h>

#include "platform/text_file.h"

namespace brantlow {

bool TextFile::NamesDirectory(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool TextFile::IsDirectoryStream(std::FILE* file) {
  struct stat st;
  return fstat(fileno(file), &st) == 0 && S_ISDIR(st.st_mode);
}

std::int64_t TextFile::TellStream(std::FILE* file) {
  return static_cast<std::int64_t>(ftello(file));
}

bool TextFile::SeekStream(std::FILE* file, std::int64_t offset, int whence) {
  return fseeko(file, static_cast<off_t>(offset), whence) == 0;
}

}  // namespace brantlow
