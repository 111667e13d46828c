// A stand-in for an outside archiver, for the log packing transcripts.
//
// It writes its arguments, one per line, to "archiver.txt" in the current
// directory. Then, unless an option word asks otherwise, it "adds" the
// arguments after the archive (the first whose name holds "logpack") to it:
// for each it appends a line "member: PATH" and the member's bytes to the
// archive file. Option words:
// -fail exits with status 1, -kill ends it with SIGKILL, -hang writes its
// process id to "archiver.pid" and sleeps until it is killed, -grow:NAME
// appends a line to the file NAME first, as a mailer writing its log
// meanwhile would, and -killparent kills the program that started it with
// SIGKILL once the member is added, -slow waits half a second first;
// anything else is taken as an ordinary option.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

bool Add(std::FILE* archive, const char* path) {
  std::FILE* member = std::fopen(path, "rb");
  if (member == nullptr) return false;
  std::fprintf(archive, "member: %s\n", path);
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, member))
    std::fwrite(buf, 1, n, archive);
  std::fclose(member);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::FILE* record = std::fopen("archiver.txt", "wb")) {
    for (int i = 0; i < argc; ++i) std::fprintf(record, "%s\n", argv[i]);
    std::fclose(record);
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "-grow:", 6) == 0)
      if (std::FILE* grown = std::fopen(argv[i] + 6, "ab")) {
        std::fputs("12/03 12:00:00 written while packing\r\n", grown);
        std::fclose(grown);
      }
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-fail") == 0) return 1;
    if (std::strcmp(argv[i], "-kill") == 0) kill(getpid(), SIGKILL);
    if (std::strcmp(argv[i], "-slow") == 0) usleep(500000);
    if (std::strcmp(argv[i], "-hang") == 0) {
      if (std::FILE* pid = std::fopen("archiver.pid", "wb")) {
        std::fprintf(pid, "%d\n", static_cast<int>(getpid()));
        std::fclose(pid);
      }
      for (;;) pause();
    }
  }
  int at = 1;
  while (at < argc - 1 && std::strstr(argv[at], "logpack") == nullptr) ++at;
  if (at >= argc - 1) return 2;
  std::FILE* archive = std::fopen(argv[at], "ab");
  if (archive == nullptr) return 3;
  bool added = true;
  for (int i = at + 1; i < argc; ++i) added = Add(archive, argv[i]) && added;
  if (std::fclose(archive) != 0 || !added) return 3;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-killparent") == 0) kill(getppid(), SIGKILL);
  return 0;
}
