#include "maintenance/line_history.h"

#include <algorithm>
#include <cstdio>

#include "base/text_fields.h"
#include "base/wildcard.h"
#include "maintenance/log_packing.h"
#include "platform/file_system.h"
#include "platform/gzip_window.h"
#include "platform/process.h"
#include "platform/text_file.h"

namespace brantlow {

namespace {

constexpr const char* kArchiveNames[3] = {"logpack.zip", "logpack.arj",
                                          "logpack.rar"};
// Tries at a directory name of its own for the unpacked parts.
constexpr int kDirectoryAttempts = 100;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         text.substr(text.size() - end.size()) == end;
}

bool IsCompressed(std::string_view path) { return EndsWith(path, ".gz"); }

std::string ArchivePath(const HistoryRequest& r) {
  return JoinPath(
      r.pack_directory,
      kArchiveNames[r.packer_kind >= 0 && r.packer_kind <= 2 ? r.packer_kind
                                                             : 0]);
}

// The archiver that reads back what the packer command packed.
std::string ArchiverName(const HistoryRequest& r) {
  if (r.packer_kind == 1) {
    const std::string packer = SplitPackerCommand(r.packer_command).program;
    return packer.empty() ? "arj" : packer;
  }
  if (r.packer_kind == 2) return FindProgram("unrar").empty() ? "rar" : "unrar";
  return "unzip";
}

// Its arguments to list the archive's members, a name a line or a name
// first on a line.
std::vector<std::string> ListArguments(const HistoryRequest& r,
                                       const std::string& archive) {
  if (r.packer_kind == 1) return {"l", "-y", archive};
  if (r.packer_kind == 2) return {"lb", archive};
  return {"-Z1", archive};
}

// Its arguments to unpack the members into directory, without paths.
std::vector<std::string> UnpackArguments(
    const HistoryRequest& r, const std::string& archive,
    const std::string& directory, const std::vector<std::string>& members) {
  std::vector<std::string> arguments;
  if (r.packer_kind == 1)
    arguments = {"e", "-y", archive, JoinPath(directory, "")};
  else if (r.packer_kind == 2)
    arguments = {"e", "-y", "-o+", archive};
  else
    arguments = {"-qq", "-o", "-j", archive};
  arguments.insert(arguments.end(), members.begin(), members.end());
  if (r.packer_kind == 2) arguments.push_back(JoinPath(directory, ""));
  if (r.packer_kind == 0) arguments.insert(arguments.end(), {"-d", directory});
  return arguments;
}

// A member of the archive that is a part of the line: its name as stored
// (with the path it was packed with) and as unpacked.
struct Member {
  std::string stored;
  std::string name;
  PartName part;
};

// The words of a file, each given to take.
template <typename Take>
void ForEachWord(const std::string& path, Take take) {
  TextFile file;
  if (!file.OpenRead(path.c_str())) return;
  char line[4096] = {};
  while (std::size_t n = file.ReadLine(line, sizeof line - 1)) {
    std::string_view rest(line, n);
    while (!rest.empty()) {
      const std::size_t start = rest.find_first_not_of(" \t\r\n");
      if (start == std::string_view::npos) break;
      rest.remove_prefix(start);
      const std::size_t end =
          std::min(rest.find_first_of(" \t\r\n"), rest.size());
      take(rest.substr(0, end));
      rest.remove_prefix(end);
    }
  }
}

// A directory of the run's own for the unpacked parts; empty when none
// can be made.
std::string MakeUnpackDirectory(const HistoryRequest& r) {
  for (int k = 0; k < kDirectoryAttempts; ++k) {
    const std::string path = JoinPath(
        r.temp_directory, "brantlow-history-" + std::to_string(r.line_number) +
                              "-" + std::to_string(k));
    if (MakeDirectory(path.c_str())) return path;
  }
  return {};
}

// The first line of what the archiver printed that says more than the
// archive's name, to tell why it failed.
std::string FirstOutputLine(const std::string& path) {
  TextFile file;
  if (!file.OpenRead(path.c_str())) return {};
  char line[240] = {};
  while (std::size_t n = file.ReadLine(line, sizeof line - 1)) {
    std::string_view text(line, n);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
      text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && text.front() != '[') return std::string(text);
  }
  return {};
}

int PartYear(int digits, int this_year) {
  const int year = this_year / 100 * 100 + digits;
  return year > this_year ? year - 100 : year;
}

bool Overlaps(YearDay a_first, YearDay a_last, YearDay b_first,
              YearDay b_last) {
  return !(a_last < b_first) && !(b_last < a_first);
}

class Gathering {
 public:
  Gathering(const HistoryRequest& r, YearDay first, YearDay last,
            LineSources& sources)
      : r_(r), first_(first), last_(last), s_(sources) {}

  void Parts();
  void HistoryFiles();

 private:
  // Runs the archiver with the arguments, what it says going to said;
  // false (with the problem told) when it fails.
  bool RunArchiver(const std::string& archive,
                   const std::vector<std::string>& arguments,
                   const std::string& said);
  std::vector<Member> ListParts(const std::string& archive);
  void AddPart(const Member& member);
  void AddHistoryFile(const std::string& path);
  // Surveys the source; false (with the problem told) when it fails.
  bool Survey(const std::string& path, SourceDays& days);
  void Problem(const std::string& path, const std::string& reason) {
    s_.problems.push_back(path + ": " + reason);
  }

  const HistoryRequest& r_;
  const YearDay first_;
  const YearDay last_;
  LineSources& s_;
};

bool Gathering::RunArchiver(const std::string& archive,
                            const std::vector<std::string>& arguments,
                            const std::string& said) {
  const std::string name = ArchiverName(r_);
  std::vector<std::string> command{FindProgram(name)};
  if (command[0].empty()) {
    Problem(archive, name + " not found to unpack it");
    return false;
  }
  command.insert(command.end(), arguments.begin(), arguments.end());
  const ChildOutcome outcome = RunProgramQuietly(command, said);
  if (outcome.kind == ChildOutcome::Kind::kExited && outcome.code == 0)
    return true;
  std::string reason =
      outcome.kind == ChildOutcome::Kind::kNotStarted
          ? name + " could not be started"
          : name + " failed (status " + std::to_string(outcome.code) + ")";
  const std::string first_line = FirstOutputLine(said);
  if (!first_line.empty()) reason += ": " + first_line;
  Problem(archive, reason);
  return false;
}

// The line's parts the archive lists that reach over the days, oldest
// first.
std::vector<Member> Gathering::ListParts(const std::string& archive) {
  std::vector<Member> members;
  const std::string said = JoinPath(s_.unpacked_directory, "list.out");
  if (!RunArchiver(archive, ListArguments(r_, archive), said)) return members;
  ForEachWord(said, [&](std::string_view word) {
    const std::string name(word.substr(FileNameStart(word)));
    const std::optional<PartName> part = ReadPartName(name);
    if (!part || part->line != r_.line_number) return;
    const int year = PartYear(part->year_digits, r_.this_year);
    if (!Overlaps({year, part->first}, {year, part->last}, first_, last_))
      return;
    members.push_back({std::string(word), name, *part});
  });
  std::sort(members.begin(), members.end(),
            [this](const Member& a, const Member& b) {
              const YearDay da{PartYear(a.part.year_digits, r_.this_year),
                               a.part.first};
              const YearDay db{PartYear(b.part.year_digits, r_.this_year),
                               b.part.first};
              return da == db ? a.name < b.name : da < db;
            });
  return members;
}

void Gathering::Parts() {
  const std::string archive = ArchivePath(r_);
  FileWindow probe;
  if (!probe.Open(archive.c_str())) {
    // Nothing was packed yet: no part to read.
    if (!IsNotFound(probe.error()))
      Problem(archive, SystemErrorText(probe.error()));
    return;
  }
  probe.Close();
  s_.unpacked_directory = MakeUnpackDirectory(r_);
  if (s_.unpacked_directory.empty()) {
    Problem(archive, "no directory to unpack it in under " +
                         JoinPath(r_.temp_directory, ""));
    return;
  }
  const std::vector<Member> members = ListParts(archive);
  if (members.empty()) return;
  std::vector<std::string> stored;
  for (const Member& m : members) stored.push_back(m.stored);
  if (!RunArchiver(archive,
                   UnpackArguments(r_, archive, s_.unpacked_directory, stored),
                   JoinPath(s_.unpacked_directory, "unpack.out")))
    return;
  for (const Member& m : members) AddPart(m);
}

void Gathering::AddPart(const Member& member) {
  const std::string path = JoinPath(s_.unpacked_directory, member.name);
  SourceDays days;
  if (!Survey(path, days)) return;
  days.SetFirstYear(PartYear(member.part.year_digits, r_.this_year));
  s_.paths.push_back(path);
  s_.is_part.push_back(true);
  s_.days.push_back(std::move(days));
}

bool Gathering::Survey(const std::string& path, SourceDays& days) {
  if (IsCompressed(path)) {
    GzipWindow file;
    if (!file.Open(path.c_str())) {
      Problem(path, file.error_text());
      return false;
    }
    days = SurveyDays(file, *r_.dialect);
    if (!file.error_text().empty()) Problem(path, file.error_text());
    return file.error_text().empty();
  }
  FileWindow file;
  if (!file.Open(path.c_str())) {
    Problem(path, SystemErrorText(file.error()));
    return false;
  }
  days = SurveyDays(file, *r_.dialect);
  return true;
}

void Gathering::AddHistoryFile(const std::string& path) {
  // A file last changed before the first day holds none of the days. A
  // compressed one was last changed when its header says.
  FileDate changed;
  if (!(IsCompressed(path) && GzipContentDate(path.c_str(), changed.year,
                                              changed.month, changed.day)) &&
      !FileModifiedDate(path.c_str(), changed))
    return;
  const YearDay changed_on{changed.year, {changed.day, changed.month}};
  if (changed_on < first_) return;
  SourceDays days;
  if (!Survey(path, days) || days.empty()) return;
  // Its last line's year is the year it was last changed, or the one
  // before when that line's month lies after the change's.
  days.SetLastYear(changed.year - (days.last_month > changed.month ? 1 : 0));
  if (!Overlaps(days.first(), days.last(), first_, last_)) return;
  s_.paths.push_back(path);
  s_.is_part.push_back(false);
  s_.days.push_back(std::move(days));
}

void Gathering::HistoryFiles() {
  for (const std::string& mask : r_.history_masks) {
    const std::size_t at = FileNameStart(mask);
    const std::string directory = at == 0 ? "." : mask.substr(0, at);
    const std::string pattern = mask.substr(at);
    std::vector<std::string> names;
    if (!ListDirectory(directory.c_str(), [&](const char* name) {
          if (WildcardMatch(pattern, name)) names.emplace_back(name);
        })) {
      Problem(mask, "its directory cannot be read");
      continue;
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
      AddHistoryFile(at == 0 ? name : JoinPath(mask.substr(0, at), name));
  }
}

}  // namespace

std::optional<PartName> ReadPartName(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot < 8) return {};
  const std::string_view stem = name.substr(0, dot);
  const std::string_view digits = name.substr(dot + 1);
  if (!AllDigits(stem.substr(0, 8)) || digits.size() != 2 || !AllDigits(digits))
    return {};
  PartName part{{FieldNumber(stem, 0, 2), FieldNumber(stem, 2, 2)},
                {FieldNumber(stem, 4, 2), FieldNumber(stem, 6, 2)},
                FieldNumber(digits, 0, 2),
                0};
  std::string_view rest = stem.substr(8);
  if (!rest.empty() && rest[0] == '-') {
    const std::size_t end = std::min(rest.find('~'), rest.size());
    if (!AllDigits(rest.substr(1, end - 1))) return {};
    part.line = FieldNumber(rest, 1, end - 1);
    rest.remove_prefix(end);
  }
  if (!rest.empty() && (rest[0] != '~' || !AllDigits(rest.substr(1))))
    return {};
  if (!ValidDay(part.first) || !ValidDay(part.last)) return {};
  return part;
}

LineSources::~LineSources() {
  if (unpacked_directory.empty()) return;
  std::vector<std::string> names;
  ListDirectory(unpacked_directory.c_str(),
                [&](const char* name) { names.emplace_back(name); });
  for (const std::string& name : names)
    RemoveFile(JoinPath(unpacked_directory, name).c_str());
  RemoveEmptyDirectory(unpacked_directory.c_str());
}

std::unique_ptr<ByteWindow> LineSources::Open(std::size_t source) const {
  const std::string& path = paths[source];
  if (IsCompressed(path)) {
    auto file = std::make_unique<GzipWindow>();
    if (!file->Open(path.c_str())) return nullptr;
    return file;
  }
  auto file = std::make_unique<FileWindow>();
  if (!file->Open(path.c_str())) return nullptr;
  return file;
}

bool MayHaveSources(const HistoryRequest& request) {
  if (!request.history_masks.empty()) return true;
  FileWindow archive;
  return archive.Open(ArchivePath(request).c_str()) ||
         !IsNotFound(archive.error());
}

std::unique_ptr<LineSources> SourcesOfLine(const HistoryRequest& request,
                                           YearDay first, YearDay last) {
  auto sources = std::make_unique<LineSources>();
  Gathering gathering(request, first, last, *sources);
  gathering.Parts();
  gathering.HistoryFiles();
  sources->segments = ChooseSegments(first, last, sources->days);
  return sources;
}

}  // namespace brantlow
