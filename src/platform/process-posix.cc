#include "platform/process.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_system.h"

extern char** environ;

namespace brantlow {

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindProgram(std::string_view name) {
  if (name.empty()) return {};
  const std::string exact(name);
  if (exact.find('/') != std::string::npos)
    return IsExecutableFile(exact) ? exact : std::string();
  if (IsExecutableFile(exact)) return exact;
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  std::string_view dirs = path;
  while (!dirs.empty()) {
    std::size_t colon = dirs.find(':');
    std::string_view dir = dirs.substr(0, colon);
    dirs = colon == std::string_view::npos ? std::string_view()
                                           : dirs.substr(colon + 1);
    // An empty entry stands for the current directory, tried already.
    if (dir.empty()) continue;
    std::string candidate = JoinPath(dir, name);
    if (IsExecutableFile(candidate)) return candidate;
  }
  return {};
}

std::vector<std::string> ProgramSearchDirectories(std::string_view name) {
  std::vector<std::string> dirs;
  if (name.find_first_of("/") != std::string_view::npos) return dirs;
  dirs.emplace_back(".");
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "";
  while (!rest.empty()) {
    const std::size_t end = rest.find(':');
    if (end != 0) dirs.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view()
                                         : rest.substr(end + 1);
  }
  return dirs;
}

ChildOutcome RunProgram(const std::vector<std::string>& arguments) {
  ChildOutcome outcome;
  if (arguments.empty()) return outcome;
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
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
