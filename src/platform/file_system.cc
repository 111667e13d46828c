#include "platform/file_system.h"

namespace brantlow {

bool Replacement::Fail() { return FailAt(temporary_); }

bool Replacement::FailAt(const std::string& at) {
  error_ = LastSystemError();
  failed_ = at;
  Abandon();
  return false;
}

std::string Replacement::DirectoryOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

}  // namespace brantlow
