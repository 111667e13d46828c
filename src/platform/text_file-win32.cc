#include <sys/stat.h>
#include <windows.h>

#include "platform/text_file.h"

namespace brantlow {

bool TextFile::NamesDirectory(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool TextFile::IsDirectoryStream(std::FILE* file) {
  struct _stat64 st;
  return _fstat64(_fileno(file), &st) == 0 && (st.st_mode & _S_IFDIR) != 0;
}

std::int64_t TextFile::TellStream(std::FILE* file) { return _ftelli64(file); }

bool TextFile::SeekStream(std::FILE* file, std::int64_t offset, int whence) {
  return _fseeki64(file, offset, whence) == 0;
}

}  // namespace brantlow
