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

namespace {

// Starts the program, with the standard handles given when startup says
// so, and waits for it.
ChildOutcome Spawn(const std::vector<std::string>& arguments,
                   STARTUPINFOA& startup) {
  ChildOutcome outcome;
  if (arguments.empty()) return outcome;
  std::string line;
  for (const std::string& a : arguments) {
    if (!line.empty()) line += ' ';
    AppendQuoted(line, a);
  }
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

}  // namespace

ChildOutcome RunProgram(const std::vector<std::string>& arguments) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  return Spawn(arguments, startup);
}

ChildOutcome RunProgramQuietly(const std::vector<std::string>& arguments,
                               const std::string& output_path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out =
      CreateFileA(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return {};
  HANDLE in = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ, &inherit,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = out;
  const ChildOutcome outcome = Spawn(arguments, startup);
  if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
  CloseHandle(out);
  return outcome;
}

}  // namespace brantlow
