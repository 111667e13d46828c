#include "maintenance/log_packing.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

#include "base/text_fields.h"
#include "log/log_years.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/file_window.h"
#include "platform/process.h"
#include "platform/run_lock.h"
#include "platform/text_file.h"

namespace brantlow {

namespace {

constexpr std::size_t kMaxPackDirectory = 768;
constexpr int kOpenAttempts = 151;
// One read of the log takes at most this many characters.
constexpr std::size_t kPackReadLimit = 94;
constexpr std::size_t kMaxOptionWords = 3;
// How often, and how many times in a row, the old log is looked at after
// the new one took its place before its size counts as holding still.
constexpr auto kGrowthPoll = std::chrono::milliseconds(50);
constexpr int kStillPolls = 3;

struct PackerKind {
  const char* extension;
  const char* name;
};
constexpr PackerKind kPackerKinds[3] = {
    {".zip", "ZIP"}, {".arj", "ARJ"}, {".rar", "RAR"}};

const PackerKind& KindOf(int kind) {
  return kPackerKinds[kind >= 0 && kind <= 2 ? kind : 0];
}

// A T-Mail line carries its date as "dd/mm " at its start; another
// mailer's dated lines are the ones its dialect reads a stamp from.
bool IsDated(std::string_view line, const LogDialect& dialect) {
  if (&dialect != &TmailDialect()) return dialect.Stamp(line).has_value();
  return line.size() > 5 && line[2] == '/' && line[5] == ' ';
}

DayMonth LineDate(std::string_view line, const LogDialect& dialect) {
  if (&dialect != &TmailDialect()) {
    const std::optional<LineStamp> stamp = dialect.Stamp(line);
    return stamp ? stamp->date : DayMonth{};
  }
  return {FieldNumber(line, 0, 5), FieldNumber(line, 3, 5)};
}

// The date a part's name and the packing message begin with, "dd/mm" as
// a T-Mail line starts: that line itself, or another mailer's date so
// written.
std::string DateStart(std::string_view line, const LogDialect& dialect) {
  if (&dialect == &TmailDialect()) return std::string(line.substr(0, 5));
  if (!IsDated(line, dialect)) return "__/__";
  const DayMonth date = LineDate(line, dialect);
  char text[8];
  std::snprintf(text, sizeof text, "%02d/%02d", date.day % 100,
                date.month % 100);
  return text;
}

// Whether another mailer's log ends its lines in a bare LF, which its
// packed part and the log left keep; a T-Mail log is written with CR LF.
bool EndsLinesBare(const std::string& path, const LogDialect& dialect) {
  if (&dialect == &TmailDialect()) return false;
  FileWindow log;
  if (!log.Open(path.c_str())) return false;
  const std::string_view head = log.At(0);
  const std::size_t end = head.find('\n');
  return end != std::string_view::npos && (end == 0 || head[end - 1] != '\r');
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

// A date with the year the log's lines are counted to.
struct FullDate {
  int year = 0;
  DayMonth date;
};

bool NotAfter(const FullDate& a, const FullDate& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.date.month != b.date.month) return a.date.month < b.date.month;
  return a.date.day <= b.date.day;
}

std::string YearDigits(int year) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", ((year % 100) + 100) % 100);
  return text;
}

// Whether the archive's bytes hold the name anywhere: an entry of that
// name is then never replaced. A false match only costs a suffix.
bool ArchiveHolds(const std::string& archive_path, const std::string& name) {
  std::FILE* archive = std::fopen(archive_path.c_str(), "rb");
  if (archive == nullptr) return false;
  std::string window;
  char buf[1 << 15];
  bool found = false;
  while (!found) {
    const std::size_t n = std::fread(buf, 1, sizeof buf, archive);
    if (n == 0) break;
    window.append(buf, n);
    found = window.find(name) != std::string::npos;
    window.erase(0,
                 window.size() > name.size() ? window.size() - name.size() : 0);
  }
  std::fclose(archive);
  return found;
}

// "DDMMddmm.YY", with "-L" for a line other than 0 and "~k" for the k-th
// part of a name already taken, before the dot.
std::string DecoratedName(const std::string& base, int line, int k) {
  const std::size_t dot = base.rfind('.');
  std::string name = base.substr(0, dot);
  if (line != 0) name.append(1, '-').append(std::to_string(line));
  if (k != 0) name.append(1, '~').append(std::to_string(k));
  name.append(base, dot);
  return name;
}

// One pass of packing a log that is open and locked.
class Packing {
 public:
  Packing(const PackRequest& request, std::string log_path, TextFile& log)
      : request_(request), log_path_(std::move(log_path)), log_(log) {
    const DayMonth today = DateTextDay(request.date_text);
    const std::string_view text = request.date_text;
    this_year_ = text.size() >= 24 ? FieldNumber(text, 20, 4) : 0;
    cut_off_ = {
        this_year_ -
            (CutOffDate(today, request.pack_day).month > today.month ? 1 : 0),
        CutOffDate(today, request.pack_day)};
    today_month_ = today.month;
    std::snprintf(cut_off_text_, sizeof cut_off_text_, "%02d/%02d",
                  cut_off_.date.day % 100, cut_off_.date.month % 100);
    archive_path_ = JoinPath(
        request.pack_directory,
        std::string("logpack") + KindOf(request.packer_kind).extension);
  }

  PackOutcome Run(FileLock& lock);

 private:
  void CountYears();
  bool Decide();
  bool OpenPart(std::string_view first_line, int year);
  bool Split();
  bool Archive();
  PackOutcome Replace(FileLock& lock);
  bool CopyGrowth(std::int64_t& position, TextFile& to);

  const PackRequest& request_;
  const std::string log_path_;
  TextFile& log_;
  int this_year_ = 0;
  int today_month_ = 0;
  int first_year_ = 0;  // of the log's first lines
  FullDate cut_off_;
  char cut_off_text_[16] = {};
  std::string archive_path_;
  char first_line_[kPackReadLimit + 1] = {};
  std::size_t first_length_ = 0;
  std::vector<std::string> parts_;
  TextFile part_;
  TextFile kept_;
  std::int64_t read_up_to_ = 0;
  bool bare_newlines_ = false;  // the log's lines end in LF alone
};

// The log holds no year: its lines' years are counted back from its last
// line's, this year's unless that line's month lies after today's.
void Packing::CountYears() {
  const LogDialect& dialect = *request_.dialect;
  LogYears years(dialect);
  int last_month = 0;
  char buf[kPackReadLimit + 1];
  bool line_start = true;
  while (std::size_t n = log_.ReadLine(buf, kPackReadLimit)) {
    if (line_start) {
      years.See(buf, n);
      const std::string_view line(buf, n);
      if (IsDated(line, dialect)) last_month = LineDate(line, dialect).month;
    }
    line_start = buf[n - 1] == '\n';
  }
  const int last_year = this_year_ - (last_month > today_month_ ? 1 : 0);
  first_year_ = last_year - years.year();
}

// The first line longer than two characters decides whether to pack.
bool Packing::Decide() {
  log_.SeekStart();
  std::size_t n;
  while ((n = log_.ReadLine(first_line_, kPackReadLimit)) != 0 && n <= 2) {}
  first_length_ = n;
  const std::string_view first(first_line_, n);
  return n != 0 &&
         NotAfter({first_year_, LineDate(first, *request_.dialect)}, cut_off_);
}

// Each year's lines go to a part of their own, named with that year.
bool Packing::OpenPart(std::string_view first_line, int year) {
  part_.Close();
  const std::string base = PackedPartName(
      DateStart(first_line, *request_.dialect),
      year == cut_off_.year ? cut_off_text_ : "31/12", YearDigits(year));
  for (int k = 0;; ++k) {
    const std::string name = DecoratedName(base, request_.line_number, k);
    const std::string path = JoinPath(request_.pack_directory, name);
    if (ArchiveHolds(archive_path_, name)) continue;
    if (part_.OpenNew(path.c_str())) {
      if (bare_newlines_) part_.WriteBareNewlines();
      parts_.push_back(path);
      return true;
    }
    if (!IsAlreadyThere(part_.error())) {
      PrintTemporaryFileError(path, part_.error());
      return false;
    }
  }
}

// From the start again, so that the short lines before the deciding one
// keep their place. Only a dated line that begins a line of the log (not
// the rest of a long one) can end the packed part or begin a new year's.
bool Packing::Split() {
  log_.SeekStart();
  const LogDialect& dialect = *request_.dialect;
  LogYears years(dialect);
  bool keeping = false;
  bool line_start = true;
  int part_year = first_year_;
  if (!OpenPart(std::string_view(first_line_, first_length_), part_year))
    return false;
  char buf[kPackReadLimit + 1];
  while (std::size_t n = log_.ReadLine(buf, kPackReadLimit)) {
    const std::string_view piece(buf, n);
    if (line_start) years.See(buf, n);
    if (!keeping && line_start && IsDated(piece, dialect)) {
      const FullDate date{first_year_ + years.year(), LineDate(piece, dialect)};
      keeping = !NotAfter(date, cut_off_);
      if (!keeping && date.year != part_year &&
          !OpenPart(piece, part_year = date.year))
        return false;
    }
    (keeping ? kept_ : part_).Write(piece);
    line_start = buf[n - 1] == '\n';
  }
  read_up_to_ = log_.Tell();
  part_.Close();
  kept_.Flush();
  if (!part_.write_failed() && !kept_.write_failed()) return true;
  Print("\nError: Unable to write temporary file... Packing stopped!!!\n\n");
  if (part_.write_failed())
    Print(ReasonLine(parts_.back(), part_.error()));
  else
    Print(ReasonLine(request_.log_path, kept_.error()));
  return false;
}

bool Packing::Archive() {
  const PackerCommand command = SplitPackerCommand(request_.packer_command);
  const std::string program = FindProgram(command.program);
  if (program.empty()) {
    PrintPackerNotFound(command.program);
    return false;
  }
  std::vector<std::string> arguments{program};
  for (const std::string& option : command.options) arguments.push_back(option);
  arguments.push_back(archive_path_);
  for (const std::string& part : parts_) arguments.push_back(part);
  // Runs packing other logs into this archive wait for this one's archiver.
  FileLock archive_lock;
  SystemError lock_error;
  if (!archive_lock.Acquire(request_.pack_directory, lock_error)) {
    Print("Unable to lock the pack directory, log not packed\n");
    Print(ReasonLine(request_.pack_directory, lock_error));
    return false;
  }
  // What the archiver prints must follow our own lines.
  FlushConsole();
  const ChildOutcome outcome = RunProgram(arguments);
  if (outcome.kind == ChildOutcome::Kind::kExited && outcome.code == 0)
    return true;
  Print("Packer failed, log not packed\n");
  return false;
}

// Copies what the old log holds past position; false when nothing grew.
bool Packing::CopyGrowth(std::int64_t& position, TextFile& to) {
  if (!log_.SeekTo(position)) return false;
  char buf[kPackReadLimit + 1];
  bool grew = false;
  while (std::size_t n = log_.ReadLine(buf, kPackReadLimit)) {
    to.Write(std::string_view(buf, n));
    grew = true;
  }
  position = log_.Tell();
  to.Flush();
  return grew;
}

// The kept part takes the log's place with what the mailer appended
// meanwhile; what it appends to the old file after that (through a
// descriptor it kept open) follows, until the old file holds still.
PackOutcome Packing::Replace(FileLock& lock) {
  std::int64_t position = read_up_to_;
  while (CopyGrowth(position, kept_)) {}
  SystemError error;
  const bool locked = lock.AlsoLock(kept_.stream(), error);
  if (!locked || !kept_.Commit()) {
    if (locked) error = kept_.error();
    kept_.Close();
    Print("Unable to replace log, log not packed\n");
    Print(ReasonLine(request_.log_path, error));
    return PackOutcome::kFailed;
  }
  TextFile tail;
  if (!tail.OpenAppend(log_path_.c_str())) return PackOutcome::kDone;
  for (int still = 0; still < kStillPolls;) {
    std::this_thread::sleep_for(kGrowthPoll);
    still = CopyGrowth(position, tail) ? 0 : still + 1;
  }
  return PackOutcome::kDone;
}

PackOutcome Packing::Run(FileLock& lock) {
  CountYears();
  if (!Decide()) {
    Print("Nothing to pack...\n\n");
    return PackOutcome::kDone;
  }
  char from_date[6] = {};
  const std::string first_date = DateStart(
      std::string_view(first_line_, first_length_), *request_.dialect);
  for (std::size_t i = 0;
       i < 5 && i < first_date.size() && first_date[i] != '\n'; ++i)
    from_date[i] = first_date[i] != '\0' ? first_date[i] : ' ';
  if (!kept_.OpenReplacing(log_path_.c_str(), /*copy_old=*/false)) {
    PrintTemporaryFileError(request_.log_path, kept_.error());
    return PackOutcome::kFailed;
  }
  bare_newlines_ = EndsLinesBare(log_path_, *request_.dialect);
  if (bare_newlines_) kept_.WriteBareNewlines();
  if (!Split()) return PackOutcome::kFailed;
  Printf("! Pack you log from %s to %s with", from_date, cut_off_text_);
  Printf(" %s.\n", KindOf(request_.packer_kind).name);
  if (!Archive()) return PackOutcome::kFailed;
  // The old lines are in the archive now: their part files can go.
  for (const std::string& part : parts_) RemoveFile(part.c_str());
  return Replace(lock);
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
  const std::string& directory = request.pack_directory;
  if (!IsDirectory(directory.c_str())) MakeDirectory(directory.c_str());

  // The log is replaced where it really is, beside itself, under a lock
  // of its own that any run packing it takes.
  const std::string log_path = ResolvedPath(request.log_path);
  TextFile log;
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt)
    if (log.OpenRead(log_path.c_str())) break;
  if (!log.is_open()) {
    log_error = log.error();
    return PackOutcome::kLogUnreadable;
  }
  FileLock lock;
  SystemError lock_error;
  if (!lock.Acquire(log_path, lock_error)) {
    Print("Unable to lock log, log not packed\n");
    Print(ReasonLine(request.log_path, lock_error));
    return PackOutcome::kFailed;
  }
  // Another run may have replaced the log while this one waited.
  if (!log.OpenRead(log_path.c_str())) {
    log_error = log.error();
    return PackOutcome::kLogUnreadable;
  }
  Print("Packing log process...\n");
  Packing packing(request, log_path, log);
  return packing.Run(lock);
}

}  // namespace brantlow
