#include "files/files_table.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "files/scratch_reader.h"
#include "base/text_fields.h"
#include "base/wildcard.h"
#include "platform/cp866.h"
#include "platform/text_file.h"
#include "base/table_frame.h"

namespace brantlow {

namespace {

constexpr int kMaxLines = 2900;
constexpr int kSlots = 860;  // slot 0, then sent (odd) and received (even)
constexpr std::size_t kCellWidth = 25;
constexpr std::size_t kAddressLimit = 512;
constexpr int kWidths[] = {18, 25, 25};

constexpr std::string_view kEchoMasks[] = {"*.SU?", "*.MO?", "*.TU?", "*.WE?",
                                           "*.TH?", "*.FR?", "*.SA?", "*.TIC",
                                           "*.PKT", "*.PKH"};

// The grouping key of a line: the name of the session its index names.
std::string_view NameOf(const SessionTable& table, int index) {
  return FieldText(table[index].name);
}

bool Excluded(std::string_view upper_name, const FilesTableOptions& options) {
  if (options.echo_mail)
    for (std::string_view mask : kEchoMasks)
      if (WildcardMatch(mask, upper_name)) return true;
  if (options.no_scan != nullptr)
    for (int i = 0; i < kMaskListEntries; ++i) {
      std::string_view mask = (*options.no_scan)[i];
      if (!mask.empty() && WildcardMatch(mask, upper_name)) return true;
    }
  return false;
}

// The name slots of one address group.
struct Group {
  std::array<std::int64_t, kSlots> slots{};
  int session = 0;
  int highest = 0;
};

void Collect(TextFile& scratch, const SessionTable& table, std::int64_t first,
             const FilesTableOptions& options, Group& group) {
  scratch.SeekTo(first);
  ScratchReader reader(scratch);
  std::string_view entry;
  std::int64_t offset = 0;
  int next_sent = 1, next_received = 2;
  const std::string_view key = NameOf(table, group.session);
  char upper[kCellWidth * 4];
  while (reader.Next(entry, offset)) {
    std::size_t open = entry.find('\xDB', 1);
    if (open == std::string_view::npos) continue;
    std::size_t close = entry.find('\xDB', open + 1);
    if (close == std::string_view::npos) continue;
    std::string_view address = entry.substr(open + 1, close - open - 1);
    if (address.size() > kAddressLimit) address = address.substr(0, kAddressLimit);
    if (address != key) continue;
    const bool sent = PhraseAt(entry, "~s~", close + 1);
    if (!sent && !PhraseAt(entry, "~r~", close + 1)) continue;
    const std::size_t name_at = close + 4;
    std::string_view name = name_at < entry.size() ? entry.substr(name_at) : "";
    name = name.substr(0, name.find_first_of(" \n"));
    const std::size_t n = name.size() < sizeof upper ? name.size() : sizeof upper;
    for (std::size_t i = 0; i < n; ++i) {
      char c = name[i];
      upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (Excluded(std::string_view(upper, n), options)) continue;
    int& next = sent ? next_sent : next_received;
    if (next >= kSlots) continue;  // this direction is full
    group.slots[static_cast<std::size_t>(next)] = offset + static_cast<std::int64_t>(name_at);
    if (next > group.highest) group.highest = next;
    next += 2;
  }
}

// One cell: the name as the log wrote it, at most 25 characters.
void WriteCell(TextFile& scratch, TextFile& out, std::int64_t offset,
               const char* closing) {
  char cell[kCellWidth + 1];
  std::size_t n = 0;
  if (offset != 0) {
    scratch.SeekTo(offset);
    n = scratch.ReadLine(cell, kCellWidth);
    std::string_view text(cell, n);
    n = text.find_first_of(std::string_view(" \n\0", 3));
    if (n == std::string_view::npos) n = text.size();
  }
  for (std::size_t i = n; i < kCellWidth; ++i) cell[i] = ' ';
  out.Write(std::string_view(cell, kCellWidth));
  out.Write(closing);
}

void Draw(TextFile& scratch, TextFile& out, const SessionTable& table,
          const Group& group) {
  std::string_view name = NameOf(table, group.session);
  char label[19];
  std::snprintf(label, sizeof label, "%-18.*s", static_cast<int>(name.size()), name.data());
  out.Write(CP866("║"));
  out.Write(label);
  out.Write(CP866("│"));
  for (int k = 2; k <= group.highest + 1; k += 2) {
    WriteCell(scratch, out, k < kSlots ? group.slots[static_cast<std::size_t>(k)] : 0,
              CP866("│"));
    WriteCell(scratch, out, group.slots[static_cast<std::size_t>(k - 1)], CP866("║\n"));
    if (k < group.highest) out.Write(CP866("║                  │"));
  }
}

}  // namespace

FileOutcome WriteFilesTable(const SessionTable& table, const std::string& path,
                            bool fresh, const FilesTableOptions& options,
                            const char* scratch_path) {
  // Without a scratch file (one that could not be made) there is no table.
  TextFile scratch;
  if (!scratch.OpenRead(scratch_path)) return FileOutcome::kOk;
  TextFile out;
  if (!(fresh ? out.OpenWrite(path.c_str()) : out.OpenAppend(path.c_str())))
    return FileOutcome::kNotOpened;
  out.Write(MakeFrameLine(FrameLine::kTop, kWidths, 3));
  out.Write(CP866("║       Адрес      │     Принятые файлы      │    Переданные файлы     ║\n"));
  const std::string rule = MakeFrameLine(FrameLine::kSeparator, kWidths, 3);
  out.Write(rule);

  // The line index, reduced to the first line of every address group.
  static std::array<std::int64_t, kMaxLines> offsets;
  static std::array<int, kMaxLines> sessions;
  int count = 0;
  {
    ScratchReader reader(scratch);
    std::string_view entry;
    std::int64_t offset = 0;
    while (reader.Next(entry, offset)) {
      const int session = FieldNumber(entry, 1, 4);
      if (session < 0 || session > table.current) continue;
      const int at = count < kMaxLines ? count++ : kMaxLines - 1;
      offsets[static_cast<std::size_t>(at)] = offset;
      sessions[static_cast<std::size_t>(at)] = session;
    }
  }
  int groups = 0;
  for (int i = 0; i < count; ++i) {
    const std::string_view name = NameOf(table, sessions[static_cast<std::size_t>(i)]);
    bool seen = false;
    for (int g = 0; g < groups && !seen; ++g)
      seen = NameOf(table, sessions[static_cast<std::size_t>(g)]) == name;
    if (seen) continue;
    offsets[static_cast<std::size_t>(groups)] = offsets[static_cast<std::size_t>(i)];
    sessions[static_cast<std::size_t>(groups)] = sessions[static_cast<std::size_t>(i)];
    ++groups;
  }

  static Group group;
  for (int g = 0; g < groups; ++g) {
    group = Group{};
    group.session = sessions[static_cast<std::size_t>(g)];
    Collect(scratch, table, offsets[static_cast<std::size_t>(g)], options, group);
    if (group.highest == 0) continue;
    Draw(scratch, out, table, group);
    if (g < groups - 1) out.Write(rule);
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, kWidths, 3));
  out.Close();
  return out.outcome();
}

}  // namespace brantlow
