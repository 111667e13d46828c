#include "platform/process.h"

#include <cstdlib>

#include "platform/file_system.h"

namespace brantlow {

namespace {

bool HoldsDirectory(std::string_view name) {
  return name.find_first_of(kPathNameCharacters) != std::string_view::npos;
}

// The directories of PATH in order; an empty entry (the current directory,
// searched first anyway) is left out.
std::vector<std::string_view> PathDirectories() {
  std::vector<std::string_view> dirs;
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "";
  while (!rest.empty()) {
    const std::size_t end = rest.find(kPathListSeparator);
    if (end != 0) dirs.push_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view()
                                         : rest.substr(end + 1);
  }
  return dirs;
}

}  // namespace

std::string FindProgram(std::string_view name) {
  if (name.empty()) return {};
  const std::string exact(name);
  if (HoldsDirectory(name)) return IsProgramFile(exact) ? exact : std::string();
  if (IsProgramFile(exact)) return exact;
  for (std::string_view dir : PathDirectories()) {
    std::string candidate = JoinPath(dir, name);
    if (IsProgramFile(candidate)) return candidate;
  }
  return {};
}

std::vector<std::string> ProgramSearchDirectories(std::string_view name) {
  std::vector<std::string> dirs;
  if (HoldsDirectory(name)) return dirs;
  dirs.emplace_back(".");
  for (std::string_view dir : PathDirectories()) dirs.emplace_back(dir);
  return dirs;
}

}  // namespace brantlow
