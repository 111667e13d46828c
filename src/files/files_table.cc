#include "files/files_table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/table_frame.h"
#include "base/text_fields.h"
#include "base/wildcard.h"
#include "log/scratch_entry.h"
#include "platform/cp866.h"

namespace brantlow {

namespace {

constexpr std::size_t kMaxLines = 2900;
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

// The name a slot holds, as its cell shows it; an empty slot has none.
std::string_view CellText(LineReader& scratch, std::int64_t offset,
                          char (&cell)[kCellWidth + 1]) {
  if (offset == 0) return {};
  scratch.SeekTo(offset);
  const std::size_t n = scratch.ReadLine(cell, kCellWidth);
  const std::string_view text(cell, n);
  return text.substr(0, text.find_first_of(std::string_view(" \n\0", 3)));
}

// One cell: the name as the log wrote it, padded to the cell's width.
void WriteCell(Output& out, std::string_view name, const char* closing) {
  char cell[kCellWidth];
  const std::size_t n = name.size() < kCellWidth ? name.size() : kCellWidth;
  for (std::size_t i = 0; i < kCellWidth; ++i) cell[i] = i < n ? name[i] : ' ';
  out.Write(std::string_view(cell, kCellWidth));
  out.Write(closing);
}

// One address group: a row for each pair of names, received on the left.
void Draw(Output& out, const FilesListing& group) {
  char label[19];
  std::snprintf(label, sizeof label, "%-18.*s",
                static_cast<int>(group.name.size()), group.name.data());
  out.Write(CP866("║"));
  out.Write(label);
  out.Write(CP866("│"));
  const std::size_t rows = std::max(group.received.size(), group.sent.size());
  for (std::size_t r = 0; r < rows; ++r) {
    if (r > 0) out.Write(CP866("║                  │"));
    WriteCell(out, r < group.received.size() ? group.received[r] : "",
              CP866("│"));
    WriteCell(out, r < group.sent.size() ? group.sent[r] : "", CP866("║\n"));
  }
}

// The first scratch line of every address group, and its session, in the
// order the groups first appear.
struct GroupStarts {
  std::vector<std::int64_t> offsets;
  std::vector<int> sessions;
};

GroupStarts FindGroups(const SessionTable& table, LineReader& scratch) {
  std::vector<std::int64_t> offsets;
  std::vector<int> sessions;
  {
    scratch.SeekTo(0);
    ScratchReader reader(scratch);
    ReadEntry entry;
    while (reader.Next(entry)) {
      const int session = entry.session;
      if (session < 0 || session > table.newest()) continue;
      // A full index keeps its last place for the latest line.
      if (offsets.size() == kMaxLines) {
        offsets.pop_back();
        sessions.pop_back();
      }
      offsets.push_back(entry.offset);
      sessions.push_back(session);
    }
  }
  const int count = static_cast<int>(offsets.size());
  int groups = 0;
  std::unordered_set<std::string_view> seen;
  for (int i = 0; i < count; ++i) {
    const std::string_view name =
        NameOf(table, sessions[static_cast<std::size_t>(i)]);
    if (!seen.insert(name).second) continue;
    offsets[static_cast<std::size_t>(groups)] =
        offsets[static_cast<std::size_t>(i)];
    sessions[static_cast<std::size_t>(groups)] =
        sessions[static_cast<std::size_t>(i)];
    ++groups;
  }
  offsets.resize(static_cast<std::size_t>(groups));
  sessions.resize(static_cast<std::size_t>(groups));
  return {std::move(offsets), std::move(sessions)};
}

}  // namespace

namespace {

// One address group while the entries are read.
struct Listed {
  std::int64_t start = 0;  // its first entry; earlier ones are not its own
  int next_sent = 1, next_received = 2;  // the slot rule of the table
  FilesListing listing;
  // Cells to read again: direction (sent), index, file offset.
  std::vector<std::tuple<bool, std::size_t, std::int64_t>> long_cells;
};

// Whether the file an entry names is left out of the table.
bool LeftOut(const ReadEntry& entry, const FilesTableOptions& options) {
  char upper[kCellWidth * 4];
  std::string_view name = entry.tail.substr(0, entry.tail.find_first_of(" \n"));
  const std::size_t n = name.size() < sizeof upper ? name.size() : sizeof upper;
  for (std::size_t i = 0; i < n; ++i) upper[i] = AsciiUpper(name[i]);
  return Excluded(std::string_view(upper, n), options);
}

// An entry's name into its group's cells, while a slot is free.
void AddEntry(const ReadEntry& entry, Listed& g) {
  int& next = entry.sent ? g.next_sent : g.next_received;
  if (next >= kSlots) return;
  next += 2;
  std::vector<std::string>& names =
      entry.sent ? g.listing.sent : g.listing.received;
  // The cell shows at most its width of the name; a name that runs past
  // this read is read again from the file later.
  const std::string_view cell = entry.tail.substr(0, kCellWidth);
  const std::size_t end = cell.find_first_of(std::string_view(" \n", 2));
  names.emplace_back(cell.substr(0, end));
  if (end == std::string_view::npos && cell.size() < kCellWidth &&
      entry.tail_column + cell.size() >= kScratchReadLimit)
    g.long_cells.emplace_back(
        entry.sent, names.size() - 1,
        entry.offset + static_cast<std::int64_t>(entry.tail_column));
}

}  // namespace

std::vector<FilesListing> ListFiles(const SessionTable& table,
                                    const FilesTableOptions& options,
                                    LineReader& scratch) {
  // One pass over the entries: each goes to the group of its name, if that
  // group has begun by then.
  const GroupStarts starts = FindGroups(table, scratch);
  std::vector<Listed> groups(starts.offsets.size());
  std::unordered_map<std::string_view, Listed*> by_name;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    groups[g].start = starts.offsets[g];
    groups[g].listing.name = std::string(NameOf(table, starts.sessions[g]));
    by_name.emplace(NameOf(table, starts.sessions[g]), &groups[g]);
  }
  scratch.SeekTo(0);
  ScratchReader reader(scratch);
  ReadEntry entry;
  while (reader.Next(entry)) {
    if (!entry.well_formed) continue;
    const std::string_view address = entry.name.substr(0, kAddressLimit);
    auto found = by_name.find(address);
    if (found == by_name.end() || entry.offset < found->second->start) continue;
    if (!LeftOut(entry, options)) AddEntry(entry, *found->second);
  }
  std::vector<FilesListing> listings;
  char text[kCellWidth + 1];
  for (Listed& g : groups) {
    if (g.listing.sent.empty() && g.listing.received.empty()) continue;
    // The table rules off every group but the last that began, listed or not.
    g.listing.rule_after = &g != &groups.back();
    for (const auto& [sent, index, offset] : g.long_cells)
      (sent ? g.listing.sent : g.listing.received)[index] =
          std::string(CellText(scratch, offset, text));
    listings.push_back(std::move(g.listing));
  }
  return listings;
}

void DrawFilesTable(const std::vector<FilesListing>& listing, Output& out,
                    const ReportTexts& texts) {
  out.Write(MakeFrameLine(FrameLine::kTop, kWidths, 3));
  const std::string_view bar = CP866("│");
  std::string heading(CP866("║"));
  heading.append(texts.files_address).append(bar);
  heading.append(texts.files_received).append(bar);
  heading.append(texts.files_sent).append(CP866("║\n"));
  out.Write(heading);
  const std::string rule = MakeFrameLine(FrameLine::kSeparator, kWidths, 3);
  out.Write(rule);
  for (const FilesListing& group : listing) {
    Draw(out, group);
    if (group.rule_after) out.Write(rule);
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, kWidths, 3));
}

void WriteFilesTable(const SessionTable& table, Output& out,
                     const FilesTableOptions& options, LineReader& scratch,
                     const ReportTexts& texts) {
  DrawFilesTable(ListFiles(table, options, scratch), out, texts);
}

}  // namespace brantlow
