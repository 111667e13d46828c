#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/process.h"

extern char** environ;

namespace brantlow {

const char kPathListSeparator = ':';
const char kPathNameCharacters[] = "/";

bool IsProgramFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         access(path.c_str(), X_OK) == 0;
}

ChildOutcome RunProgram(const std::vector<std::string>& arguments) {
  ChildOutcome outcome;
  if (arguments.empty()) return outcome;
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& a : arguments)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
    return outcome;
  int status = 0;
  pid_t waited;
  do {
    waited = waitpid(pid, &status, 0);
  } while (waited < 0 && errno == EINTR);
  if (waited < 0) return outcome;
  if (WIFEXITED(status)) {
    outcome.kind = ChildOutcome::Kind::kExited;
    outcome.code = WEXITSTATUS(status);
  } else {
    outcome.kind = ChildOutcome::Kind::kKilled;
    outcome.code = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  }
  return outcome;
}

}  // namespace brantlow
