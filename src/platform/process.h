// Outside programs: finding one the way the sysop's shell would, and
// running it with an explicit argument list (no shell) to its end.
#ifndef BRANTLOW_PLATFORM_PROCESS_H_
#define BRANTLOW_PLATFORM_PROCESS_H_

#include <string>
#include <string_view>
#include <vector>

namespace brantlow {

// The path of the program named exactly so (extension included): a name
// holding a directory is taken as that path; a bare name is tried in the
// current directory, then in each directory of PATH in order. Only an
// executable file counts. Empty when nothing is found or the name is empty.
std::string FindProgram(std::string_view name);

// The directories FindProgram searches for a bare name, in its order ("."
// first), to tell the user where a program was not found; empty for a
// name that holds a directory, which is looked up as it stands.
std::vector<std::string> ProgramSearchDirectories(std::string_view name);

struct ChildOutcome {
  enum class Kind { kNotStarted, kExited, kKilled };
  Kind kind = Kind::kNotStarted;
  int code = 0;  // the exit status, or the signal that ended it
};

// Starts arguments[0] with the whole list as its arguments and waits for
// it to end.
ChildOutcome RunProgram(const std::vector<std::string>& arguments);

// The same, with nothing to read on its standard input and what it prints
// (output and errors) written to a new file at output_path instead of the
// console; kNotStarted when that file cannot be made.
ChildOutcome RunProgramQuietly(const std::vector<std::string>& arguments,
                               const std::string& output_path);

// What each host's file gives the search in process.cc: the separator of
// the entries of PATH, the characters that make a name a path, and what
// counts as a program file.
extern const char kPathListSeparator;
extern const char kPathNameCharacters[];
bool IsProgramFile(const std::string& path);

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_PROCESS_H_
