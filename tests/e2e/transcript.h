// End-to-end transcripts: the files and arguments of a run, and everything
// the run must leave behind, written by hand in a readable text form.
//
// A transcript file holds one or more cases:
//
//   === case: a short name
//   date: 2026-03-15 12:00:00       the local time the program sees
//   args: LOG line7 /c=125          words of the command line
//   in LOG:                         a file given to the run
//   |15/03 09:54:52 ...             one line of content
//   dir SHRED                       an empty directory given to the run
//   tool bin/rar                    the stand-in archiver, installed there
//   path: bin:/usr/bin              PATH for the run (default: the test's)
//   stdin LOG                       an input given as standard input
//   locale: C.UTF-8                 LC_ALL for the run (default: C)
//   terminal: yes                   run on a terminal of its own (a pty)
//   link logdata.zvx -> /dev/full   a symbolic link given to the run
//   exit: 0
//   stdout:                         standard output, exactly
//   console:                        the console stream, exactly
//   stdout (utf8):                  as stdout: (console (utf8): as console:),
//                                   its CP866 text expected in UTF-8
//   out logdat7.zvx:                a file the run must leave
//   gone zorv7.tmp                  an input file the run must remove
//
// Content lines start with "|". Text is written in UTF-8 and stands for
// its CP866 bytes. Each content line ends with a line end: CR LF in files
// ("in NAME (lf):" gives LF), LF on stdout and console. Escapes: \\ \r \n
// \b \t \xHH, \{ for a brace, and \e at the end of a line for no line end.
// {C*N} repeats the character (or escape) C N times. A line "<< NAME"
// inside a section adds the content lines of the fragment file NAME.
//
// Without a terminal the console stream is standard error; on one, what
// the terminal was sent (standard error included), with no output
// processing, while standard output still goes to a file. Cases with a
// locale or a terminal are POSIX matters, left out under a runner.
//
// After the run every file in the directory must be an input left as it
// was, or an "out" file with exactly its bytes; nothing else may be there
// (installed tools are left out of that comparison).
#ifndef BRANTLOW_TESTS_E2E_TRANSCRIPT_H_
#define BRANTLOW_TESTS_E2E_TRANSCRIPT_H_

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brantlow::e2e {

// One content line of an expected text, as written: where it stands (in
// the transcript, or in a fragment that the "<< NAME" line at anchor
// brought in), its text and the bytes it stands for, line end included.
struct SourceLine {
  std::string file;
  int line = 0;
  int anchor = 0;
  std::string text;
  std::string bytes;
};

// Where one expected text (stdout, console or an out file) is written.
struct ExpectedSource {
  int header = 0;  // the line that opens the section
  std::string line_end;
  bool utf8 = false;
  std::vector<SourceLine> lines;
};

struct TranscriptCase {
  std::string file;  // the transcript it came from
  int line = 0;      // where the case starts
  std::string name;
  std::string date = "2026-03-15 12:00:00";
  std::vector<std::string> args;
  std::map<std::string, std::string> inputs;
  std::vector<std::string> directories;
  std::vector<std::string> tools;
  std::map<std::string, std::string> links;  // name -> target
  std::optional<std::string> path_variable;
  std::optional<std::string> standard_input;  // an input's name
  std::optional<std::string> locale;
  bool terminal = false;
  std::optional<int> exit_status;
  std::optional<std::string> stdout_text;
  std::optional<std::string> console_text;
  std::map<std::string, std::string> outputs;
  std::vector<std::string> gone;
  // Where the expectations stand, for the line diff and the bless mode:
  // by "stdout", "console" and "out NAME"; and the line of "exit:".
  std::map<std::string, ExpectedSource> sources;
  int exit_line = 0;
};

// Parses a transcript file; a malformed one gives an error text instead.
std::vector<TranscriptCase> ParseTranscript(const std::string& path,
                                            std::string& error);

// The expansion of one content line (without its line end); false when an
// escape is malformed.
bool ExpandContent(const std::string& text, std::string& bytes);

struct RunResult {
  int exit_status = -1;
  std::string stdout_bytes;
  std::string console_bytes;
  // Every file left, by path; a symbolic link as LinkText(its target).
  std::map<std::string, std::string> files;
};

// How a symbolic link left in the directory is listed.
std::string LinkText(const std::string& target);

// Whether libfaketime is there to fix the clock of a run.
bool HaveFaketime();

// Runs the program for the case in a fresh directory, without a terminal;
// tools are copies of the program at standin. BRANTLOW_TEST_PROGRAM names
// another build to run instead, BRANTLOW_TEST_RUNNER what runs it ("wine");
// with a runner, CR LF on standard output reads as LF.
RunResult RunCase(const TranscriptCase& c, const std::string& binary,
                  const std::string& standin);

// The same in two halves, for tests that act while the program runs.
struct RunningCase {
  int pid = -1;      // of the program
  std::string root;  // the case's directory
  std::string work;  // where the program runs
  std::vector<std::string> tools;
  int terminal = -1;  // the pty's master side, on a terminal
  std::string terminal_bytes;
  // What started it under a runner, so that a run the runner failed to
  // start (no byte on either stream; the program always says something)
  // is started again.
  TranscriptCase started;
  std::string binary, standin;
  int attempts = 1;
};
RunningCase StartCase(const TranscriptCase& c, const std::string& binary,
                      const std::string& standin);
RunResult FinishCase(RunningCase& running);

// A printable form of bytes for failure messages: CP866 shown as UTF-8,
// control bytes as escapes.
std::string Printable(const std::string& bytes);

}  // namespace brantlow::e2e

#endif  // BRANTLOW_TESTS_E2E_TRANSCRIPT_H_
