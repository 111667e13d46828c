#include <cerrno>
#include <cstring>

#include "platform/system_error.h"

namespace brantlow {

SystemError LastSystemError() { return {errno}; }

SystemError DirectoryError() { return {EISDIR}; }

bool IsAlreadyThere(SystemError error) { return error.code == EEXIST; }

bool IsNotFound(SystemError error) {
  return error.code == ENOENT || error.code == ENOTDIR;
}

std::string SystemErrorText(SystemError error) {
  if (error.code == 0) return "Unknown error";
  return std::strerror(error.code);
}

}  // namespace brantlow
