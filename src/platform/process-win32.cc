#include <windows.h>

#include "platform/process.h"

namespace brantlow {

const char kPathListSeparator = ';';
const char kPathNameCharacters[] = "\\/:";

bool IsProgramFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

namespace {

// One argument as the C runtime of the child splits it again: quoted when
// it holds blanks or quotes, with backslashes before a quote doubled.
void AppendQuoted(std::string& line, const std::string& argument) {
  if (!argument.empty() &&
      argument.find_first_of(" \t\"") == std::string::npos) {
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
    if (c == '"')
      line.append(backslashes * 2 + 1, '\\');
    else
      line.append(backslashes, '\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, '\\');
  line += '"';
}

}  // namespace

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
  if (!CreateProcessA(arguments[0].c_str(), line.data(), nullptr, nullptr, TRUE,
                      0, nullptr, nullptr, &startup, &process))
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
