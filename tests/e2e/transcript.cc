#include "tests/e2e/transcript.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/cp866.h"

namespace brantlow::e2e {

namespace {

bool StartsWith(const std::string& s, const char* prefix) {
  return s.rfind(prefix, 0) == 0;
}

std::string Trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  std::size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

// One escape or UTF-8 character at text[i]; its bytes go to out.
bool TakeUnit(const std::string& text, std::size_t& i, std::string& out,
              bool& no_line_end) {
  if (text[i] != '\\') {
    std::size_t len = 1;
    auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0xF0)
      len = 4;
    else if (b >= 0xE0)
      len = 3;
    else if (b >= 0xC0)
      len = 2;
    out += Utf8ToCp866(text.substr(i, len));
    i += len;
    return true;
  }
  if (i + 1 >= text.size()) return false;
  char e = text[i + 1];
  i += 2;
  switch (e) {
    case '\\': out += '\\'; return true;
    case 'r': out += '\r'; return true;
    case 'n': out += '\n'; return true;
    case 'b': out += '\b'; return true;
    case 't': out += '\t'; return true;
    case '{': out += '{'; return true;
    case '|': out += '|'; return true;
    case 'e': no_line_end = true; return i == text.size();
    case 'x': {
      if (i + 2 > text.size()) return false;
      char hex[3] = {text[i], text[i + 1], 0};
      char* end = nullptr;
      long v = std::strtol(hex, &end, 16);
      if (end != hex + 2) return false;
      out += static_cast<char>(v);
      i += 2;
      return true;
    }
    default: return false;
  }
}

bool Expand(const std::string& text, std::string& bytes, bool& no_line_end) {
  no_line_end = false;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '{') {
      std::size_t star = i + 1;
      std::string unit;
      bool dummy = false;
      if (star >= text.size() || !TakeUnit(text, star, unit, dummy) ||
          star >= text.size() || text[star] != '*')
        return false;
      std::size_t close = text.find('}', star);
      if (close == std::string::npos) return false;
      int count = std::atoi(text.substr(star + 1, close - star - 1).c_str());
      for (int k = 0; k < count; ++k) bytes += unit;
      i = close + 1;
      continue;
    }
    if (!TakeUnit(text, i, bytes, no_line_end)) return false;
  }
  return true;
}

std::vector<std::string> SplitArgs(const std::string& text, bool& ok) {
  std::vector<std::string> words;
  std::size_t i = 0;
  ok = true;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size()) break;
    std::string raw;
    if (text[i] == '"') {
      std::size_t close = text.find('"', i + 1);
      if (close == std::string::npos) {
        ok = false;
        return words;
      }
      raw = text.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      std::size_t end = text.find(' ', i);
      if (end == std::string::npos) end = text.size();
      raw = text.substr(i, end - i);
      i = end;
    }
    std::string bytes;
    bool no_line_end = false;
    if (!Expand(raw, bytes, no_line_end)) ok = false;
    words.push_back(bytes);
  }
  return words;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteWhole(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

void ListFiles(const std::string& root, const std::string& rel,
               std::map<std::string, std::string>& files) {
  std::string dir_path = rel.empty() ? root : root + "/" + rel;
  DIR* dir = opendir(dir_path.c_str());
  if (dir == nullptr) return;
  while (dirent* e = readdir(dir)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    std::string child = rel.empty() ? name : rel + "/" + name;
    struct stat st;
    if (lstat((root + "/" + child).c_str(), &st) != 0) continue;
    if (S_ISLNK(st.st_mode)) {
      char target[4096];
      ssize_t n = readlink((root + "/" + child).c_str(), target, sizeof target);
      files[child] = LinkText(
          std::string(target, n > 0 ? static_cast<std::size_t>(n) : 0));
    } else if (S_ISDIR(st.st_mode))
      ListFiles(root, child, files);
    else
      files[child] = ReadWhole(root + "/" + child);
  }
  closedir(dir);
}

std::string FindOnPath(const char* program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "/usr/bin:/bin");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    std::string candidate = dir + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

// The library is preloaded straight into the program rather than through the
// faketime wrapper: the wrapper makes a named semaphore per process id with
// O_EXCL and leaves it behind when a test kills it, so a later wrapper given
// the same id refuses to start.
std::string FaketimeLibrary() {
  if (const char* given = std::getenv("BRANTLOW_FAKETIME_LIBRARY"))
    return given;
  const char* dirs[] = {"/usr/lib/" BRANTLOW_LIBRARY_ARCHITECTURE "/faketime",
                        "/usr/lib/faketime", "/usr/lib64/faketime",
                        "/usr/local/lib/faketime"};
  for (const char* dir : dirs) {
    std::string candidate = std::string(dir) + "/libfaketime.so.1";
    if (access(candidate.c_str(), R_OK) == 0) return candidate;
  }
  return {};
}

// libfaketime names a semaphore and a shared memory object after the process
// that loaded it first and removes them at its exit; a killed program leaves
// them behind, which would fill /dev/shm over many runs.
void RemoveClockObjects(int pid) {
  const std::string id = std::to_string(pid);
  sem_unlink(("/faketime_sem_" + id).c_str());
  shm_unlink(("/faketime_shm_" + id).c_str());
}

}  // namespace

std::string LinkText(const std::string& target) {
  return "symbolic link to " + target;
}

bool HaveFaketime() { return !FaketimeLibrary().empty(); }

bool ExpandContent(const std::string& text, std::string& bytes) {
  bool no_line_end = false;
  return Expand(text, bytes, no_line_end);
}

std::vector<TranscriptCase> ParseTranscript(const std::string& path,
                                            std::string& error) {
  std::vector<TranscriptCase> cases;
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return cases;
  }
  std::string line;
  int number = 0;
  // Where content lines go, and the line end each gets.
  std::string* target = nullptr;
  ExpectedSource* source = nullptr;  // for an expected text
  // Sections whose CP866 text is expected as UTF-8: case, and whether it
  // is the console's (else standard output's).
  std::vector<std::pair<std::size_t, bool>> utf8;
  std::string line_end;
  auto fail = [&](const std::string& why) {
    error = path + ":" + std::to_string(number) + ": " + why;
  };
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (StartsWith(line, "|")) {
      if (target == nullptr) {
        fail("content line outside a section");
        return {};
      }
      bool no_line_end = false;
      const std::size_t before = target->size();
      if (!Expand(line.substr(1), *target, no_line_end)) {
        fail("bad escape in content line");
        return {};
      }
      if (!no_line_end) *target += line_end;
      if (source != nullptr)
        source->lines.push_back(
            {path, number, number, line, target->substr(before)});
      continue;
    }
    if (StartsWith(line, "<< ") && target != nullptr) {
      // A fragment file beside the transcript, in the same "|" form.
      std::string dir = path.substr(0, path.rfind('/') + 1);
      const std::string fragment_path = dir + Trim(line.substr(3));
      std::ifstream fragment(fragment_path);
      if (!fragment) {
        fail("cannot read fragment " + Trim(line.substr(3)));
        return {};
      }
      std::string piece;
      int piece_number = 0;
      while (std::getline(fragment, piece)) {
        ++piece_number;
        if (!piece.empty() && piece.back() == '\r') piece.pop_back();
        if (!StartsWith(piece, "|")) continue;
        bool no_line_end = false;
        const std::size_t before = target->size();
        if (!Expand(piece.substr(1), *target, no_line_end)) {
          fail("bad escape in fragment");
          return {};
        }
        if (!no_line_end) *target += line_end;
        if (source != nullptr)
          source->lines.push_back({fragment_path, piece_number, number, piece,
                                   target->substr(before)});
      }
      continue;
    }
    target = nullptr;
    source = nullptr;
    std::string t = Trim(line);
    if (t.empty() || t[0] == '#') continue;
    if (StartsWith(t, "=== case:")) {
      TranscriptCase c;
      c.file = path;
      c.line = number;
      c.name = Trim(t.substr(9));
      cases.push_back(c);
      continue;
    }
    if (cases.empty()) {
      fail("a case must begin with '=== case:'");
      return {};
    }
    TranscriptCase& c = cases.back();
    if (StartsWith(t, "date:")) {
      c.date = Trim(t.substr(5));
    } else if (StartsWith(t, "args:")) {
      bool ok = true;
      c.args = SplitArgs(Trim(t.substr(5)), ok);
      if (!ok) {
        fail("bad args");
        return {};
      }
    } else if (StartsWith(t, "exit:")) {
      c.exit_status = std::atoi(t.substr(5).c_str());
      c.exit_line = number;
    } else if (t == "stdout:" || t == "stdout (utf8):") {
      c.stdout_text = "";
      target = &*c.stdout_text;
      line_end = "\n";
      if (t != "stdout:") utf8.push_back({cases.size() - 1, false});
      source = &c.sources["stdout"];
      *source = {number, line_end, t != "stdout:", {}};
    } else if (t == "console:" || t == "console (utf8):") {
      c.console_text = "";
      target = &*c.console_text;
      line_end = "\n";
      if (t != "console:") utf8.push_back({cases.size() - 1, true});
      source = &c.sources["console"];
      *source = {number, line_end, t != "console:", {}};
    } else if (StartsWith(t, "locale:")) {
      c.locale = Trim(t.substr(7));
    } else if (StartsWith(t, "terminal:")) {
      c.terminal = Trim(t.substr(9)) == "yes";
    } else if ((StartsWith(t, "in ") || StartsWith(t, "out ")) &&
               t.back() == ':') {
      bool input = StartsWith(t, "in ");
      std::string name =
          Trim(t.substr(input ? 3 : 4, t.size() - (input ? 3 : 4) - 1));
      line_end = "\r\n";
      if (name.size() > 5 && name.compare(name.size() - 5, 5, " (lf)") == 0) {
        name = Trim(name.substr(0, name.size() - 5));
        line_end = "\n";
      }
      std::string& content = input ? c.inputs[name] : c.outputs[name];
      content.clear();
      target = &content;
      if (!input) {
        source = &c.sources["out " + name];
        *source = {number, line_end, false, {}};
      }
    } else if (StartsWith(t, "dir ")) {
      c.directories.push_back(Trim(t.substr(4)));
    } else if (StartsWith(t, "tool ")) {
      c.tools.push_back(Trim(t.substr(5)));
    } else if (StartsWith(t, "link ")) {
      std::string rest = Trim(t.substr(5));
      std::size_t arrow = rest.find(" -> ");
      if (arrow == std::string::npos) {
        fail("a link needs NAME -> TARGET");
        return {};
      }
      c.links[Trim(rest.substr(0, arrow))] = Trim(rest.substr(arrow + 4));
    } else if (StartsWith(t, "stdin ")) {
      c.standard_input = Trim(t.substr(6));
    } else if (StartsWith(t, "path:")) {
      c.path_variable = Trim(t.substr(5));
    } else if (StartsWith(t, "gone ")) {
      c.gone.push_back(Trim(t.substr(5)));
    } else {
      fail("unknown line: " + t);
      return {};
    }
  }
  for (const auto& [index, console] : utf8) {
    std::string& text =
        console ? *cases[index].console_text : *cases[index].stdout_text;
    std::string converted;
    AppendCp866AsUtf8(text, converted);
    text = converted;
  }
  return cases;
}

RunningCase StartCase(const TranscriptCase& c, const std::string& binary,
                      const std::string& standin) {
  RunningCase running;
  char dir_template[] = "/tmp/brantlow-e2e-XXXXXX";
  const char* dir = mkdtemp(dir_template);
  if (dir == nullptr) return running;
  const std::string root = dir;
  running.root = root;
  running.work = root + "/work";
  running.tools = c.tools;
  if (std::getenv("BRANTLOW_TEST_RUNNER") != nullptr) {
    running.started = c;
    running.binary = binary;
    running.standin = standin;
  }
  const std::string work = root + "/work";
  mkdir(work.c_str(), 0777);
  for (const std::string& d : c.directories)
    mkdir((work + "/" + d).c_str(), 0777);
  for (const auto& [name, bytes] : c.inputs) {
    std::string path = work + "/" + name;
    // Create the parent directories of nested inputs.
    for (std::size_t slash = name.find('/'); slash != std::string::npos;
         slash = name.find('/', slash + 1))
      mkdir((work + "/" + name.substr(0, slash)).c_str(), 0777);
    WriteWhole(path, bytes);
  }
  for (const auto& [name, target] : c.links)
    if (symlink(target.c_str(), (work + "/" + name).c_str()) != 0)
      return running;
  const std::string standin_bytes = ReadWhole(standin);
  for (const std::string& name : c.tools) {
    for (std::size_t slash = name.find('/'); slash != std::string::npos;
         slash = name.find('/', slash + 1))
      mkdir((work + "/" + name.substr(0, slash)).c_str(), 0777);
    const std::string path = work + "/" + name;
    WriteWhole(path, standin_bytes);
    chmod(path.c_str(), 0755);
  }

  const std::string faketime = FaketimeLibrary();
  const std::string out_path = root + "/stdout";
  const std::string console_path = root + "/console";

  // The runner is found on the test's own PATH, before the case sets one.
  std::vector<std::string> runner_words;
  if (const char* runner = std::getenv("BRANTLOW_TEST_RUNNER")) {
    std::stringstream split(runner);
    for (std::string word; split >> word;) runner_words.push_back(word);
    if (!runner_words.empty() &&
        runner_words[0].find('/') == std::string::npos) {
      const std::string found = FindOnPath(runner_words[0].c_str());
      if (!found.empty()) runner_words[0] = found;
    }
  }

  // A terminal of the run's own: the pty's other side becomes its
  // controlling terminal.
  std::string terminal_name;
  if (c.terminal) {
    running.terminal = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (running.terminal < 0 || grantpt(running.terminal) != 0 ||
        unlockpt(running.terminal) != 0 || ptsname(running.terminal) == nullptr)
      return running;
    terminal_name = ptsname(running.terminal);
    fcntl(running.terminal, F_SETFL,
          fcntl(running.terminal, F_GETFL) | O_NONBLOCK);
  }

  pid_t pid = fork();
  if (pid == 0) {
    // No controlling terminal, unless the case asks for one: the console
    // stream goes to standard error.
    setsid();
    if (chdir(work.c_str()) != 0) _exit(126);
    int in = open(c.standard_input ? c.standard_input->c_str() : "/dev/null",
                  O_RDONLY);
    int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    int err = open(console_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (c.terminal) {
      err = open(terminal_name.c_str(), O_RDWR);
      if (err < 0) _exit(126);
      termios raw;
      if (tcgetattr(err, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(err, TCSANOW, &raw);
      }
    }
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    setenv("TZ", "UTC", 1);
    setenv("LC_ALL", c.locale ? c.locale->c_str() : "C", 1);
    // libfaketime is preloaded, so it comes before the sanitizer runtime.
    setenv("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0", 1);
    setenv("FAKETIME_DONT_FAKE_MONOTONIC", "1", 1);
    if (c.path_variable) setenv("PATH", c.path_variable->c_str(), 1);
    if (!faketime.empty()) {
      setenv("LD_PRELOAD", faketime.c_str(), 1);
      // A bare date stops the clock at that time for the whole run; a runner
      // such as wine waits on the clock, so under one it goes on from there.
      setenv(
          "FAKETIME",
          (std::getenv("BRANTLOW_TEST_RUNNER") ? "@" + c.date : c.date).c_str(),
          1);
    }
    std::vector<std::string> words;
    // Another build of the program may stand in, with the program that runs
    // it: brantlow.exe under wine.
    if (!runner_words.empty())
      words.insert(words.end(), runner_words.begin(), runner_words.end());
    const char* program = std::getenv("BRANTLOW_TEST_PROGRAM");
    words.push_back(program != nullptr ? program : binary);
    for (const std::string& a : c.args) words.push_back(a);
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  running.pid = pid;
  return running;
}

RunResult FinishCase(RunningCase& running) {
  RunResult result;
  if (running.pid <= 0) return result;
  const std::string& root = running.root;
  const std::string& work = running.work;
  const std::string out_path = root + "/stdout";
  const std::string console_path = root + "/console";
  // The program is held unreaped while the clock library's objects are
  // removed, so that no new process can take its id meanwhile.
  siginfo_t ended{};
  if (running.terminal >= 0) {
    // What the terminal is sent is taken as it comes, so that the program
    // never waits on a full terminal.
    char buf[4096];
    auto drain = [&] {
      ssize_t n;
      while ((n = read(running.terminal, buf, sizeof buf)) > 0)
        running.terminal_bytes.append(buf, static_cast<std::size_t>(n));
    };
    for (;;) {
      pollfd p{running.terminal, POLLIN, 0};
      poll(&p, 1, 50);
      drain();
      ended.si_pid = 0;
      if (waitid(P_PID, running.pid, &ended, WEXITED | WNOWAIT | WNOHANG) ==
              0 &&
          ended.si_pid == running.pid)
        break;
    }
    drain();
    close(running.terminal);
    running.terminal = -1;
  }
  while (waitid(P_PID, running.pid, &ended, WEXITED | WNOWAIT) != 0 &&
         errno == EINTR) {}
  RemoveClockObjects(running.pid);
  int status = 0;
  while (waitpid(running.pid, &status, 0) < 0 && errno == EINTR) {}
  running.pid = -1;
  result.exit_status =
      WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.stdout_bytes = ReadWhole(out_path);
  // Standard output of the Windows build ends its lines as Windows does.
  if (std::getenv("BRANTLOW_TEST_RUNNER") != nullptr) {
    std::string lf;
    for (std::size_t i = 0; i < result.stdout_bytes.size(); ++i)
      if (!(result.stdout_bytes[i] == '\r' &&
            i + 1 < result.stdout_bytes.size() &&
            result.stdout_bytes[i + 1] == '\n'))
        lf += result.stdout_bytes[i];
    result.stdout_bytes = lf;
  }
  result.console_bytes = running.terminal_bytes.empty()
                             ? ReadWhole(console_path)
                             : running.terminal_bytes;
  ListFiles(work, "", result.files);
  for (const std::string& name : running.tools) result.files.erase(name);
  std::string remove = "rm -rf '" + root + "'";
  if (std::system(remove.c_str()) != 0) {}
  // Now and then wine ends a run before the program starts; the program
  // itself prints its banner or a message first.
  if (std::getenv("BRANTLOW_TEST_RUNNER") != nullptr &&
      result.exit_status != 0 && result.stdout_bytes.empty() &&
      result.console_bytes.empty() && running.attempts < 3) {
    RunningCase again =
        StartCase(running.started, running.binary, running.standin);
    again.attempts = running.attempts + 1;
    return FinishCase(again);
  }
  return result;
}

RunResult RunCase(const TranscriptCase& c, const std::string& binary,
                  const std::string& standin) {
  RunningCase running = StartCase(c, binary, standin);
  return FinishCase(running);
}

std::string Printable(const std::string& bytes) {
  std::string out;
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    if (b == '\n') {
      out += "\\n\n";
    } else if (b == '\r') {
      out += "\\r";
    } else if (b == '\b') {
      out += "\\b";
    } else if (b < 0x20 || b == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    } else {
      AppendCp866AsUtf8(std::string_view(&ch, 1), out);
    }
  }
  return out;
}

}  // namespace brantlow::e2e
