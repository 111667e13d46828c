#include "driver/configuration.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "base/text_fields.h"
#include "driver/command_line.h"
#include "platform/file_system.h"

namespace brantlow {

namespace {

constexpr std::size_t kReadLimit = 89;

// The keys of the process definitions, one per definition.
constexpr std::string_view kDefineKeys[kProcessDefinitions] = {
    "Define_1", "Define_2", "Define_3", "Define_4", "Define_5"};
constexpr std::string_view kNameKeys[kProcessDefinitions] = {
    "1_Name", "2_Name", "3_Name", "4_Name", "5_Name"};
constexpr std::string_view kCycleKeys[kProcessDefinitions] = {
    "1_Cycle", "2_Cycle", "3_Cycle", "4_Cycle", "5_Cycle"};

// Whether any key can begin with a character: most positions of a line
// are passed over after this one look.
constexpr std::array<bool, 256> kKeyStarts = [] {
  std::array<bool, 256> starts{};
  for (char c : std::string_view("SD12345PL@FCNBTH"))
    starts[static_cast<unsigned char>(c)] = true;
  return starts;
}();

bool MayBeginKey(char c) { return kKeyStarts[static_cast<unsigned char>(c)]; }

// One piece of the file, changed in place by the capitalizing keys.
struct Line {
  char bytes[kReadLimit + 1];
  std::size_t size = 0;  // up to the first NUL

  std::string_view view() const { return {bytes, size}; }
  // From position on, without the line end.
  std::string_view Rest(std::size_t position) const {
    std::string_view rest = position < size ? view().substr(position) : "";
    if (!rest.empty() && rest.back() == '\n') rest.remove_suffix(1);
    return rest;
  }
  void Capitalize(std::size_t position) {
    for (std::size_t i = position; i < size; ++i)
      bytes[i] = AsciiUpper(bytes[i]);
  }
};

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

std::string Path(const Line& line, std::size_t from) {
  return WithoutBlanks(line.Rest(from));
}

std::string DirectoryPath(const Line& line, std::size_t from) {
  return std::string(WithoutTrailingSeparator(Path(line, from)));
}

// Capitalizes the rest of the line, then looks for word in it.
bool WordSearch(Line& line, std::size_t from, std::string_view word) {
  line.Capitalize(from);
  return line.Rest(from).find(word) != std::string_view::npos;
}

// The text between the first double quote after from and the next one
// (to the end of the line when the second is missing); false without any.
bool Quoted(const Line& line, std::size_t from, std::string_view& value) {
  std::string_view rest = line.Rest(from);
  std::size_t open = rest.find('"');
  if (open == std::string_view::npos) return false;
  std::size_t close = rest.find('"', open + 1);
  value = rest.substr(open + 1, close == std::string_view::npos
                                    ? std::string_view::npos
                                    : close - open - 1);
  return true;
}

int Number(const Line& line, std::size_t from) {
  std::string digits = WithoutBlanks(line.Rest(from)).substr(0, 7);
  return FieldNumber(digits, 0, 7);
}

template <std::size_t N>
void SetField(char (&field)[N], std::string_view text) {
  CopyField(field, text.substr(0, N - 1));
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

std::size_t SkipTo(std::string_view text, std::size_t i, char c) {
  while (i < text.size() && text[i] != c) ++i;
  return i;
}

// "Cost" name in-day#in-night out-day#out-night add-on.
void ReadCostLine(const Line& line, std::size_t from, CostTable& costs) {
  std::string_view text = line.Rest(from);
  CostEntry& entry = costs.Add();
  std::size_t i = SkipBlanks(text, 0);
  std::size_t name_end = SkipTo(text, i, ' ');
  std::string name(text.substr(i, name_end - i).substr(0, 18));
  i = name_end;

  auto real_here = [&](float& value) {
    i = SkipBlanks(text, i);
    value = static_cast<float>(FieldReal(text, i, 10));
  };
  auto night_rate = [&](float& value) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '#')) ++i;
    value = static_cast<float>(FieldReal(text, i, 10));
    i = SkipTo(text, i, ' ');
  };
  real_here(entry.incoming_day_rate);
  i = SkipTo(text, i, '#');
  night_rate(entry.incoming_night_rate);
  real_here(entry.outgoing_day_rate);
  i = SkipTo(text, i, '#');
  night_rate(entry.outgoing_night_rate);
  real_here(entry.add_on);

  // A node address with the point suffix ".0" is stored without it.
  std::size_t point = name.size() > 2 ? name.find(".0", 2) : std::string::npos;
  if (point != std::string::npos) name.resize(point);
  CopyField(entry.name, name);
}

bool IsDigit(std::string_view text, std::size_t i) {
  return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// hh:mm from the first digit at or after i; returns the first digit's
// position, or npos when there is none.
std::size_t ReadTime(std::string_view text, std::size_t i, float& seconds) {
  while (i < text.size() && !IsDigit(text, i)) ++i;
  if (i >= text.size()) return std::string_view::npos;
  int hour = FieldNumber(text, i, 2);
  int minute = FieldNumber(text, IsDigit(text, i + 1) ? i + 3 : i + 2, 2);
  seconds = static_cast<float>(hour * 3600.0 + minute * 60.0);
  return i;
}

void ReadNightLine(const Line& line, std::size_t from, CostTable& costs) {
  std::string_view text = line.Rest(from);
  float start = 0, end = 0;
  std::size_t first = ReadTime(text, 0, start);
  if (first != std::string_view::npos) {
    std::size_t dash = text.find('-', first + 3);
    if (dash != std::string_view::npos) ReadTime(text, dash + 1, end);
  }
  costs.night_start = start;
  costs.night_end = end;
}

// The String key's commands, at every position of the rest of the line.
void ReadCommandList(Line& line, std::size_t from, RunSettings& settings) {
  line.Capitalize(from);
  LoweredArgument lowered = Lower(std::string(line.Rest(from)).c_str());
  std::string_view commands = lowered.view();
  for (std::size_t p = 0; p < commands.size(); ++p)
    ApplyModeCommand(commands.substr(p), settings);
}

// Whether the key stands at pos of the text (its first letter tried
// alone first: most positions hold no key).
struct KeyAt {
  std::string_view text;
  std::size_t pos;
  bool operator()(std::string_view k) const {
    return k[0] == text[pos] && PhraseAt(text, k, pos);
  }
};

// The words after a key: the text between quotes, else the rest of the
// line up to a ";", without its outer blanks.
std::string Words(const Line& line, std::size_t from) {
  std::string_view value;
  if (Quoted(line, from, value)) return std::string(value);
  std::string_view rest = line.Rest(from);
  rest = rest.substr(0, rest.find(';'));
  const std::size_t first = rest.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  rest = rest.substr(first);
  return std::string(rest.substr(0, rest.find_last_not_of(' ') + 1));
}

// The keys of echo posting; false when none stands at pos. The origin's
// words are not searched for keys.
bool TryPostKeys(const Line& line, std::size_t pos, RunSettings& settings,
                 bool& skip_rest) {
  const KeyAt key{line.view(), pos};
  if (line.view()[pos] != 'P' || !key("Post")) return false;
  if (key("PostFrom")) {
    settings.post_from = Path(line, pos + 8);
  } else if (key("PostTo")) {
    settings.post_to = Path(line, pos + 6);
  } else if (key("PostPassword")) {
    settings.post_password = Path(line, pos + 12);
  } else if (key("PostOrigin")) {
    settings.post_origin = Words(line, pos + 10);
    skip_rest = true;
  } else if (key("PostDir")) {
    settings.post_directory = DirectoryPath(line, pos + 7);
  } else {
    return false;
  }
  return true;
}

enum class KeyOutcome { kNoKey, kGoOn, kSkipRest };

// The keys of the user-defined processes, which carry their definition's
// number: Define, Name and Cycle.
KeyOutcome TryProcessKeys(Line& line, std::size_t pos,
                          ConfigurationTables& tables) {
  const std::string_view text = line.view();
  const KeyAt key{text, pos};
  const int define = pos + 7 < text.size() ? text[pos + 7] - '1' : -1;
  if (text[pos] == 'D' && define >= 0 && define < kProcessDefinitions &&
      key(kDefineKeys[define])) {
    std::string_view value;
    if (Quoted(line, pos + 8, value))
      SetField(tables.processes[static_cast<std::size_t>(define)].pattern,
               value.substr(0, 39));
    return KeyOutcome::kSkipRest;
  }
  const int n = text[pos] - '1';
  if (n < 0 || n >= kProcessDefinitions) return KeyOutcome::kNoKey;
  ProcessDefinition& process = tables.processes[static_cast<std::size_t>(n)];
  std::string_view value;
  if (key(kNameKeys[n])) {
    if (Quoted(line, pos + 6, value)) {
      std::string padded(value.substr(0, 17));
      padded.resize(17, ' ');
      SetField(process.name, padded);
    }
    return KeyOutcome::kGoOn;
  }
  if (key(kCycleKeys[n])) {
    if (WordSearch(line, pos + 7, "YES")) process.cycle = true;
    return KeyOutcome::kGoOn;
  }
  return KeyOutcome::kNoKey;
}

// Pass A at one position; returns false when the rest of the line is to be
// skipped.
bool TryPassAKeys(Line& line, std::size_t pos, RunSettings& settings,
                  ConfigurationTables& tables) {
  const KeyAt key{line.view(), pos};
  if (key("String")) {
    ReadCommandList(line, pos + 6, settings);
    return true;
  }
  const KeyOutcome process = TryProcessKeys(line, pos, tables);
  if (process != KeyOutcome::kNoKey) return process == KeyOutcome::kGoOn;
  bool skip_rest = false;
  if (TryPostKeys(line, pos, settings, skip_rest)) return !skip_rest;
  if (key("PauseHelp")) {
    if (WordSearch(line, pos + 9, "NO")) settings.pause_help_off = true;
  } else if (key("LogFile")) {
    settings.log_file = Path(line, pos + 7);
    settings.log_path = *settings.log_file;
  } else if (key("LogType")) {
    settings.log_type = Path(line, pos + 7);
  } else if (key("@RUS")) {
    settings.language = LogLanguage::kRussian;
  } else if (key("@ENG")) {
    settings.language = LogLanguage::kEnglish;
  } else if (key("PackLog")) {
    settings.pack_directory = DirectoryPath(line, pos + 7);
  } else if (key("History")) {
    // The mask runs to the line's end: a key word inside it is no key.
    settings.history_masks.push_back(Path(line, pos + 7));
    return false;
  } else if (key("PackDay")) {
    settings.pack_day = Number(line, pos + 7);
  } else if (key("ShredDir")) {
    settings.cut_directory = DirectoryPath(line, pos + 8);
  } else if (key("FilesEcho")) {
    if (WordSearch(line, pos + 9, "NO")) settings.echo_mail = true;
    return false;
  }
  return true;
}

// Addresses separated by blanks, up to a ";".
void ReadLinks(const Line& line, std::size_t from,
               ConfigurationTables& tables) {
  if (tables.links == nullptr) return;
  if (!*tables.links) tables.links->emplace();
  std::string_view rest = line.Rest(from);
  rest = rest.substr(0, rest.find(';'));
  std::size_t i = 0;
  while (i < rest.size()) {
    i = SkipBlanks(rest, i);
    const std::size_t end = SkipTo(rest, i, ' ');
    if (end > i) (*tables.links)->emplace_back(rest.substr(i, end - i));
    i = end;
  }
}

// A FilesKill entry is kept in its case where the file system tells cases
// apart, and matched and shown so by the deletion.
void ReadFilesKill(const Line& line, std::size_t from,
                   ConfigurationTables& tables) {
  if (!kFileNamesIgnoreCase) {
    tables.files_kill.Add(Path(line, from));
    return;
  }
  Line upper = line;
  upper.Capitalize(from);
  tables.files_kill.Add(Path(upper, from));
}

// "en" or "ru", in any case; any other value leaves the language as it was.
void ReadLanguage(const Line& line, std::size_t from, RunSettings& settings) {
  Line upper = line;
  upper.Capitalize(from);
  const std::string value = Path(upper, from);
  if (value == "EN") settings.report_language = ReportLanguage::kEnglish;
  if (value == "RU") settings.report_language = ReportLanguage::kRussian;
}

// The archiver command of "@ZIP", "@ARJ" or "@RAR" "command", if one
// stands at pos.
void TryPackerKeys(const Line& line, std::size_t pos, RunSettings& settings) {
  const KeyAt key{line.view(), pos};
  constexpr std::string_view kPackers[] = {"@ZIP", "@ARJ", "@RAR"};
  for (int kind = 0; kind < 3; ++kind) {
    if (!key(kPackers[kind])) continue;
    std::string_view value;
    if (Quoted(line, pos + 4, value)) {
      settings.packer_kind = kind;
      settings.packer_command = std::string(value);
    }
    return;
  }
}

void TryPassBKeys(Line& line, std::size_t pos, RunSettings& settings,
                  ConfigurationTables& tables) {
  const KeyAt key{line.view(), pos};
  if (key("Cost")) {
    ReadCostLine(line, pos + 4, tables.costs);
  } else if (key("NightTime")) {
    ReadNightLine(line, pos + 9, tables.costs);
  } else if (key("FilesNoScan")) {
    Line upper = line;
    upper.Capitalize(pos + 11);
    tables.files_no_scan.Add(Path(upper, pos + 11));
  } else if (key("FilesKill")) {
    ReadFilesKill(line, pos + 9, tables);
  } else if (key("CrashCheck")) {
    if (WordSearch(line, pos + 10, "ALL")) settings.crash_check = true;
  } else if (key("BBSType")) {
    if (WordSearch(line, pos + 7, "MAX")) settings.bbs_type = true;
  } else if (key("Links")) {
    ReadLinks(line, pos + 5, tables);
  } else if (key("BBSLog")) {
    settings.bbs_log_path = Path(line, pos + 6);
  } else if (key("Language")) {
    ReadLanguage(line, pos + 8, settings);
  } else if (key("TmpDir")) {
    settings.temp_directory = DirectoryPath(line, pos + 6);
  } else {
    TryPackerKeys(line, pos, settings);
  }
}

template <typename TryKeys>
void ReadPass(LineReader& file, TryKeys try_keys) {
  file.SeekTo(0);
  Line line;
  while (std::size_t n = file.ReadLine(line.bytes, kReadLimit)) {
    line.size = strnlen(line.bytes, n);
    for (std::size_t pos = 0; pos < line.size && line.bytes[pos] != ';'; ++pos)
      if (MayBeginKey(line.bytes[pos]) && !try_keys(line, pos)) break;
  }
}

}  // namespace

void ReadConfiguration(LineReader& file, RunSettings& settings,
                       ConfigurationTables& tables) {
  ReadPass(file, [&](Line& line, std::size_t pos) {
    return TryPassAKeys(line, pos, settings, tables);
  });
  ReadPass(file, [&](Line& line, std::size_t pos) {
    // The origin's words are text, not keys, in this pass too.
    if (KeyAt{line.view(), pos}("PostOrigin")) return false;
    TryPassBKeys(line, pos, settings, tables);
    return true;
  });
}

}  // namespace brantlow
