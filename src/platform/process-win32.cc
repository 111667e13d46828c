#include "platform/process.h"

#include <windows.h>

#include <cstdlib>

#include "platform/file_system.h"

namespace brantlow {

namespace {

bool IsProgramFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// One argument as the C runtime of the child splits it again: quoted when
// it holds blanks or quotes, with backslashes before a quote doubled.
void AppendQuoted(std::string& line, const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) {
    line += argument;
    return;
  }
  line += '"';
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') line.append(backslashes * 2 + 1, '\\');
    else line.append(backslashes, '\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, '\\');
  line += '"';
}

}  // namespace

std::string FindProgram(std::string_view name) {
  if (name.empty()) return {};
  const std::string exact(name);
  if (exact.find_first_of("\\/:") != std::string::npos)
    return IsProgramFile(exact) ? exact : std::string();
  if (IsProgramFile(exact)) return exact;
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  std::string_view dirs = path;
  while (!dirs.empty()) {
    std::size_t semicolon = dirs.find(';');
    std::string_view dir = dirs.substr(0, semicolon);
    dirs = semicolon == std::string_view::npos ? std::string_view()
                                               : dirs.substr(semicolon + 1);
    if (dir.empty()) continue;
    std::string candidate = JoinPath(dir, name);
    if (IsProgramFile(candidate)) return candidate;
  }
  return {};
}

std::vector<std::string> ProgramSearchDirectories(std::string_view name) {
  std::vector<std::string> dirs;
  if (name.find_first_of("\\/:") != std::string_view::npos) return dirs;
  dirs.emplace_back(".");
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "";
  while (!rest.empty()) {
    const std::size_t end = rest.find(';');
    if (end != 0) dirs.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view()
                                         : rest.substr(end + 1);
  }
  return dirs;
}

ChildOutcome RunProgram(const std::vector<std::string>& arguments) {
  ChildOutcome outcome;
  if (arguments.empty()) return outcome;
  std::string line;
  for (const std::string& a : arguments) {
    if (!line.empty()) line += ' ';
    AppendQuoted(line, a);
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(arguments[0].c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                      nullptr, nullptr, &startup, &process))
    return outcome;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  if (GetExitCodeProcess(process.hProcess, &code)) {
    outcome.kind = ChildOutcome::Kind::kExited;
    outcome.code = static_cast<int>(code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return outcome;
}

}  // namespace brantlow
