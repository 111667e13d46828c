// The host's reason for a failed file operation: kept where the call
// failed, and told to the user beside the path ("t-mail.log: No such file
// or directory").
#ifndef BRANTLOW_PLATFORM_SYSTEM_ERROR_H_
#define BRANTLOW_PLATFORM_SYSTEM_ERROR_H_

#include <string>
#include <string_view>

namespace brantlow {

// errno on POSIX, the system error code on Windows; 0 for none.
struct SystemError {
  int code = 0;
};

// The reason of the call that has just failed.
SystemError LastSystemError();

// The reason given when a path names a directory where a file is wanted.
SystemError DirectoryError();

// Whether the reason is that a file is already there by that name.
bool IsAlreadyThere(SystemError error);

// Whether the reason is that nothing is there by that name.
bool IsNotFound(SystemError error);

// The host's text for the reason, in the form the POSIX hosts use
// ("Permission denied"), without a line end.
std::string SystemErrorText(SystemError error);

// The line that follows a message about a file: two blanks, the path as
// given, ": " and the reason, with its line end.
inline std::string ReasonLine(std::string_view path, SystemError error) {
  std::string line = "  ";
  line.append(path);
  line += ": ";
  line += SystemErrorText(error);
  line += '\n';
  return line;
}

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_SYSTEM_ERROR_H_
