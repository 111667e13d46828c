#include "maintenance/log_packing.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/text_fields.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/text_file.h"

namespace brantlow {

namespace {

constexpr std::size_t kMaxPackDirectory = 768;
constexpr int kOpenAttempts = 151;
// One read of the log takes at most this many characters.
constexpr std::size_t kPackReadLimit = 94;
constexpr std::size_t kMaxOptionWords = 3;
constexpr const char* kKeptPartPath = "newlog.tmp";

struct PackerKind {
  const char* extension;
  const char* name;
};
constexpr PackerKind kPackerKinds[3] = {
    {".zip", "ZIP"}, {".arj", "ARJ"}, {".rar", "RAR"}};

const PackerKind& KindOf(int kind) {
  return kPackerKinds[kind >= 0 && kind <= 2 ? kind : 0];
}

DayMonth LineDate(std::string_view line) {
  return {FieldNumber(line, 0, 5), FieldNumber(line, 3, 5)};
}

// A line that carries a date: "dd/mm " at its start.
bool IsDated(std::string_view line) {
  return line.size() > 5 && line[2] == '/' && line[5] == ' ';
}

bool FitsFileName(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x20 && b != 0x7F && std::strchr("/\\:*?\"<>|", c) == nullptr;
}

void PrintTemporaryFileError(const std::string& path, SystemError error) {
  Print("\nError: Unable to open temporary file... Packing stopped!!!\n\n");
  Print(ReasonLine(path, error));
}

// Names the program that was not found, and where it was looked for.
void PrintPackerNotFound(const std::string& program) {
  Print("Packer not found\n");
  if (program.empty()) {
    Print("  the packer command names no program\n");
    return;
  }
  std::string line = "  " + program + ": not found";
  const std::vector<std::string> dirs = ProgramSearchDirectories(program);
  for (std::size_t i = 0; i < dirs.size(); ++i)
    line += (i == 0 ? " in " : ", ") + dirs[i];
  Print(line + "\n");
}

// Lines the mailer appended to the log after it was read go on into the
// kept part, so that replacing the log loses none of them.
bool CarryGrownTail(const std::string& log_path, std::int64_t read_up_to) {
  TextFile log;
  if (!log.OpenRead(log_path.c_str()) || !log.SeekEnd()) return false;
  if (log.Tell() == read_up_to) return true;
  if (log.Tell() < read_up_to || !log.SeekTo(read_up_to)) return false;
  TextFile kept;
  if (!kept.OpenAppend(kKeptPartPath)) return false;
  char buf[kPackReadLimit + 1];
  while (std::size_t n = log.ReadLine(buf, kPackReadLimit))
    kept.Write(std::string_view(buf, n));
  kept.Close();
  return !kept.write_failed();
}

}  // namespace

DayMonth DateTextDay(std::string_view date_text) {
  DayMonth today{FieldNumber(date_text, 8, 2), 0};
  if (date_text.size() >= 7)
    today.month = MonthOfAbbreviation(date_text.substr(4, 3));
  return today;
}

DayMonth CutOffDate(DayMonth today, int pack_day) {
  if (today.day > pack_day) return {today.day - pack_day, today.month};
  DayMonth date = today;
  for (int i = 0; i < pack_day; ++i) date = DayBefore(date);
  return date;
}

bool OnOrBefore(DayMonth line, DayMonth cut_off) {
  if (line.month == 12 && cut_off.month == 1) return true;
  if (line.month == 1 && cut_off.month == 12) return false;
  if (line.month != cut_off.month) return line.month < cut_off.month;
  return line.day <= cut_off.day;
}

PackerCommand SplitPackerCommand(std::string_view command) {
  PackerCommand split;
  std::size_t blank = command.find(' ');
  split.program = std::string(command.substr(0, blank));
  if (blank == std::string_view::npos) return split;
  std::string_view rest = command.substr(blank);
  while (split.options.size() < kMaxOptionWords) {
    std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    rest.remove_prefix(start);
    std::size_t end = rest.find(' ');
    split.options.emplace_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end);
  }
  return split;
}

std::string PackedPartName(std::string_view first_line,
                           std::string_view cut_off_text,
                           std::string_view year_digits) {
  auto at = [](std::string_view text, std::size_t i) {
    return i < text.size() && FitsFileName(text[i]) ? text[i] : '_';
  };
  std::string name;
  for (std::size_t i : {0, 1, 3, 4}) name += at(first_line, i);
  for (std::size_t i : {0, 1, 3, 4}) name += at(cut_off_text, i);
  name += '.';
  for (std::size_t i : {0, 1}) name += at(year_digits, i);
  return name;
}

PackOutcome PackLog(const PackRequest& request, SystemError& log_error) {
  if (request.pack_directory.size() > kMaxPackDirectory) {
    Print("\nToo long PATH in PackLog, packing stopped!!!\n");
    return PackOutcome::kFailed;
  }
  const DayMonth cut_off =
      CutOffDate(DateTextDay(request.date_text), request.pack_day);
  char cut_off_text[16];
  std::snprintf(cut_off_text, sizeof cut_off_text, "%02d/%02d",
                cut_off.day % 100, cut_off.month % 100);
  const std::string_view date_text = request.date_text;
  const std::string_view year =
      date_text.size() >= 24 ? date_text.substr(22, 2) : std::string_view();

  const std::string& directory = request.pack_directory;
  if (!IsDirectory(directory.c_str())) MakeDirectory(directory.c_str());
  const PackerKind& kind = KindOf(request.packer_kind);
  const std::string archive_path =
      JoinPath(directory, std::string("logpack") + kind.extension);

  TextFile log;
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt)
    if (log.OpenRead(request.log_path.c_str())) break;
  if (!log.is_open()) {
    log_error = log.error();
    return PackOutcome::kLogUnreadable;
  }

  Print("Packing log process...\n");

  // The first line longer than two characters decides whether to pack.
  char buf[kPackReadLimit + 1];
  std::size_t n;
  while ((n = log.ReadLine(buf, kPackReadLimit)) != 0 && n <= 2) {
  }
  const std::string_view first(buf, n);
  if (n == 0 || !OnOrBefore(LineDate(first), cut_off)) {
    Print("Nothing to pack...\n\n");
    return PackOutcome::kDone;
  }
  char from_date[6] = {};
  for (std::size_t i = 0; i < 5 && i < n && buf[i] != '\n'; ++i)
    from_date[i] = buf[i] != '\0' ? buf[i] : ' ';
  const std::string packed_path =
      JoinPath(directory, PackedPartName(first, cut_off_text, year));

  TextFile packed, kept;
  if (!packed.OpenWrite(packed_path.c_str())) {
    PrintTemporaryFileError(packed_path, packed.error());
    return PackOutcome::kFailed;
  }
  if (!kept.OpenWrite(kKeptPartPath)) {
    PrintTemporaryFileError(kKeptPartPath, kept.error());
    return PackOutcome::kFailed;
  }

  // From the start again, so that the short lines before the deciding one
  // keep their place. Only a dated line that begins a line of the log (not
  // the rest of a long one) can end the packed part.
  log.SeekStart();
  bool keeping = false;
  bool line_start = true;
  while ((n = log.ReadLine(buf, kPackReadLimit)) != 0) {
    const std::string_view piece(buf, n);
    if (!keeping && line_start && IsDated(piece) &&
        !OnOrBefore(LineDate(piece), cut_off))
      keeping = true;
    (keeping ? kept : packed).Write(piece);
    line_start = buf[n - 1] == '\n';
  }
  const std::int64_t read_up_to = log.Tell();
  log.Close();
  packed.Close();
  kept.Close();
  if (packed.write_failed() || kept.write_failed()) {
    Print("\nError: Unable to write temporary file... Packing stopped!!!\n\n");
    if (packed.write_failed())
      Print(ReasonLine(packed_path, packed.error()));
    else
      Print(ReasonLine(kKeptPartPath, kept.error()));
    return PackOutcome::kFailed;
  }

  Printf("! Pack you log from %s to %s with", from_date, cut_off_text);
  Printf(" %s.\n", kind.name);

  const PackerCommand command = SplitPackerCommand(request.packer_command);
  const std::string program = FindProgram(command.program);
  if (program.empty()) {
    PrintPackerNotFound(command.program);
    return PackOutcome::kFailed;
  }
  std::vector<std::string> arguments{program};
  for (const std::string& option : command.options) arguments.push_back(option);
  arguments.push_back(archive_path);
  arguments.push_back(packed_path);
  // What the archiver prints must follow our own lines.
  FlushConsole();
  const ChildOutcome outcome = RunProgram(arguments);
  if (outcome.kind != ChildOutcome::Kind::kExited || outcome.code != 0) {
    Print("Packer failed, log not packed\n");
    return PackOutcome::kFailed;
  }

  // The old lines are in the archive now: their part file can go, and the
  // kept part takes the log's place in one step.
  RemoveFile(packed_path.c_str());
  if (!CarryGrownTail(request.log_path, read_up_to) ||
      !ReplaceFile(kKeptPartPath, request.log_path.c_str())) {
    RemoveFile(kKeptPartPath);
    Print("Unable to replace log, log not packed\n");
    return PackOutcome::kFailed;
  }
  return PackOutcome::kDone;
}

}  // namespace brantlow
