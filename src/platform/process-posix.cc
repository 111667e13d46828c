#include <fcntl.h>
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

namespace {

// Starts the program with the file actions given (none: the run's own
// descriptors) and waits for it.
ChildOutcome Spawn(const std::vector<std::string>& arguments,
                   const posix_spawn_file_actions_t* actions) {
  ChildOutcome outcome;
  if (arguments.empty()) return outcome;
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& a : arguments)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], actions, nullptr, argv.data(), environ) != 0)
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

}  // namespace

ChildOutcome RunProgram(const std::vector<std::string>& arguments) {
  return Spawn(arguments, nullptr);
}

ChildOutcome RunProgramQuietly(const std::vector<std::string>& arguments,
                               const std::string& output_path) {
  const int out =
      ::open(output_path.c_str(),
             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (out < 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out, 1);
  posix_spawn_file_actions_adddup2(&actions, out, 2);
  const ChildOutcome outcome = Spawn(arguments, &actions);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out);
  return outcome;
}

}  // namespace brantlow
