#include "tests/e2e/transcript_bless.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/cp866.h"

namespace brantlow::e2e {

namespace {

// The actual text cut after each line end; the last piece may have none.
std::vector<std::string> Pieces(const std::string& bytes,
                                const std::string& line_end) {
  std::vector<std::string> pieces;
  std::size_t from = 0;
  while (from < bytes.size()) {
    std::size_t end = bytes.find(line_end, from);
    end = end == std::string::npos ? bytes.size() : end + line_end.size();
    pieces.push_back(bytes.substr(from, end - from));
    from = end;
  }
  return pieces;
}

enum class Step { kKeep, kRemove, kInsert };
struct Edit {
  Step step;
  std::size_t expected;  // index of the expected line (kKeep, kRemove)
  std::size_t actual;    // index of the actual line (kKeep, kInsert)
};

// The shortest edit from a to b by their longest common subsequence; the
// common head and tail are taken first, so that a small change in a long
// text costs little. A middle too large to compare is replaced whole.
std::vector<Edit> Align(const std::vector<std::string>& a,
                        const std::vector<std::string>& b) {
  std::size_t head = 0;
  while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
  std::size_t tail = 0;
  while (tail < a.size() - head && tail < b.size() - head &&
         a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
    ++tail;
  const std::size_t n = a.size() - head - tail;
  const std::size_t m = b.size() - head - tail;
  std::vector<Edit> edits;
  for (std::size_t i = 0; i < head; ++i) edits.push_back({Step::kKeep, i, i});
  if (n * m <= 16'000'000) {
    // lcs[i][j]: the common lines of a's middle from i and b's from j.
    std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
      for (std::size_t j = m; j-- > 0;)
        lcs[i][j] = a[head + i] == b[head + j]
                        ? lcs[i + 1][j + 1] + 1
                        : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
      if (i < n && j < m && a[head + i] == b[head + j]) {
        edits.push_back({Step::kKeep, head + i++, head + j++});
      } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
        edits.push_back({Step::kRemove, head + i++, head + j});
      } else {
        edits.push_back({Step::kInsert, head + i, head + j++});
      }
    }
  } else {
    for (std::size_t i = 0; i < n; ++i)
      edits.push_back({Step::kRemove, head + i, head});
    for (std::size_t j = 0; j < m; ++j)
      edits.push_back({Step::kInsert, head + n, head + j});
  }
  for (std::size_t k = 0; k < tail; ++k)
    edits.push_back({Step::kKeep, head + n + k, head + m + k});
  return edits;
}

std::vector<std::string> ExpectedLines(const ExpectedSource& expected) {
  std::vector<std::string> lines;
  for (const SourceLine& l : expected.lines) lines.push_back(l.bytes);
  return lines;
}

std::string WithoutLineEnd(const std::string& bytes, const std::string& end) {
  if (bytes.size() >= end.size() &&
      bytes.compare(bytes.size() - end.size(), end.size(), end) == 0)
    return bytes.substr(0, bytes.size() - end.size());
  return bytes + "\\e";
}

// One character or byte of a content line, escaped where it must be.
std::string Unit(const std::string& bytes, std::size_t& i, bool utf8) {
  const auto b = static_cast<unsigned char>(bytes[i]);
  char escaped[8];
  switch (b) {
    case '\\': ++i; return "\\\\";
    case '{': ++i; return "\\{";
    case '\r': ++i; return "\\r";
    case '\n': ++i; return "\\n";
    case '\t': ++i; return "\\t";
    case '\b': ++i; return "\\b";
    default: break;
  }
  if (b < 0x20 || b == 0x7F) {
    std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
    ++i;
    return escaped;
  }
  if (b < 0x80) return std::string(1, bytes[i++]);
  if (utf8) {
    std::size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    len = std::min(len, bytes.size() - i);
    std::string character = bytes.substr(i, len);
    i += len;
    return character;
  }
  std::string character;
  AppendCp866AsUtf8(bytes.substr(i, 1), character);
  if (Utf8ToCp866(character) != bytes.substr(i, 1)) {
    std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
    character = escaped;
  }
  ++i;
  return character;
}

// A run of one unit this long is written {UNIT*N}, as the frames are.
std::size_t RunWorthRepeating(const std::string& unit) {
  return unit == " " ? 12 : 6;
}

// A line of the file with its place, as the bless rewrites it.
struct LineChange {
  std::string file;
  int line = 0;          // 1-based; the new lines go before it
  bool in_case = false;  // moves with the case when the transcript changed
  std::vector<std::string> removed;
  std::vector<std::string> inserted;
};

std::vector<std::string> ReadLines(const std::string& path, bool& ok) {
  std::ifstream in(path, std::ios::binary);
  ok = static_cast<bool>(in);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool WriteLines(const std::string& path,
                const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& l : lines) out << l << '\n';
  return static_cast<bool>(out.flush());
}

bool SameLines(const std::vector<std::string>& lines, std::size_t at,
               const std::vector<std::string>& wanted) {
  if (at + wanted.size() > lines.size()) return false;
  for (std::size_t k = 0; k < wanted.size(); ++k) {
    std::string l = lines[at + k];
    if (!l.empty() && l.back() == '\r') l.pop_back();
    if (l != wanted[k]) return false;
  }
  return true;
}

// How far the case has moved in its transcript since it was read: other
// cases may have been blessed first.
int CaseShift(const TranscriptCase& c, const std::vector<std::string>& lines) {
  int best = -1;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::string t = lines[k];
    if (t.rfind("=== case:", 0) != 0) continue;
    t = t.substr(9);
    t.erase(0, t.find_first_not_of(" \t"));
    t.erase(t.find_last_not_of(" \t\r") + 1);
    const int number = static_cast<int>(k) + 1;
    if (t == c.name &&
        (best < 0 || std::abs(number - c.line) < std::abs(best - c.line)))
      best = number;
  }
  return best < 0 ? 0 : best - c.line;
}

// Holds the lock that lets one test process at a time rewrite transcripts.
class BlessLock {
 public:
  explicit BlessLock(const std::string& dir)
      : fd_(open(dir.c_str(), O_RDONLY | O_DIRECTORY)) {
    if (fd_ >= 0) flock(fd_, LOCK_EX);
  }
  ~BlessLock() {
    if (fd_ >= 0) close(fd_);
  }
  BlessLock(const BlessLock&) = delete;
  BlessLock& operator=(const BlessLock&) = delete;

 private:
  int fd_;
};

std::string ApplyToFile(const TranscriptCase& c, const std::string& file,
                        std::vector<LineChange> changes) {
  bool ok = false;
  std::vector<std::string> lines = ReadLines(file, ok);
  if (!ok) return "cannot read " + file + "\n";
  const int shift = file == c.file ? CaseShift(c, lines) : 0;
  std::sort(changes.begin(), changes.end(),
            [](const LineChange& x, const LineChange& y) {
              return x.line != y.line ? x.line > y.line
                                      : x.removed.size() > y.removed.size();
            });
  std::string report;
  for (const LineChange& change : changes) {
    const int line = change.line + (change.in_case ? shift : 0);
    const auto at = static_cast<std::size_t>(line - 1);
    const std::string place = file + ":" + std::to_string(line);
    if (at > lines.size()) {
      report += "cannot bless " + place + ": past the end\n";
      continue;
    }
    if (!change.removed.empty() && !SameLines(lines, at, change.removed)) {
      if (!SameLines(lines, at, change.inserted))
        report += "cannot bless " + place +
                  ": the line changed since the case read it\n";
      continue;
    }
    if (change.removed.empty() && !change.in_case &&
        SameLines(lines, at, change.inserted))
      continue;  // another case of the fragment did it
    auto first = lines.begin() + static_cast<std::ptrdiff_t>(at);
    first = lines.erase(
        first, first + static_cast<std::ptrdiff_t>(change.removed.size()));
    lines.insert(first, change.inserted.begin(), change.inserted.end());
    report += "blessed " + place + ": -" +
              std::to_string(change.removed.size()) + " +" +
              std::to_string(change.inserted.size()) + "\n";
  }
  if (!WriteLines(file, lines)) report += "cannot write " + file + "\n";
  return report;
}

std::string Apply(const TranscriptCase& c,
                  const std::vector<LineChange>& changes) {
  const BlessLock lock(c.file.substr(0, c.file.rfind('/') + 1));
  std::vector<std::string> files;
  for (const LineChange& change : changes)
    if (std::find(files.begin(), files.end(), change.file) == files.end())
      files.push_back(change.file);
  std::string report;
  for (const std::string& file : files) {
    std::vector<LineChange> mine;
    for (const LineChange& change : changes)
      if (change.file == file) mine.push_back(change);
    report += ApplyToFile(c, file, mine);
  }
  return report;
}

// Where lines inserted after expected line `after` (none: -1) and before
// `next` (none: the end) go: into a fragment only between two of its own
// lines, else into the transcript.
LineChange InsertionPlace(const TranscriptCase& c, const ExpectedSource& e,
                          long after, std::size_t next) {
  const bool has_next = next < e.lines.size();
  if (after < 0) {
    const int line = has_next ? e.lines[next].anchor : e.header + 1;
    return {c.file, line, true, {}, {}};
  }
  const SourceLine& p = e.lines[static_cast<std::size_t>(after)];
  if (p.file == c.file) return {c.file, p.line + 1, true, {}, {}};
  if (has_next && e.lines[next].file == p.file &&
      e.lines[next].anchor == p.anchor)
    return {p.file, p.line + 1, false, {}, {}};
  return {c.file, p.anchor + 1, true, {}, {}};
}

// The changes of one run of removed and inserted lines.
void HunkChanges(const TranscriptCase& c, const ExpectedSource& e,
                 const std::vector<std::size_t>& removed,
                 const std::vector<std::string>& inserted, long before,
                 std::size_t next, std::vector<LineChange>& changes) {
  const std::size_t paired = std::min(removed.size(), inserted.size());
  for (std::size_t k = 0; k < removed.size(); ++k) {
    const SourceLine& l = e.lines[removed[k]];
    LineChange change{l.file, l.line, l.file == c.file, {l.text}, {}};
    if (k < paired) change.inserted.push_back(inserted[k]);
    changes.push_back(change);
  }
  if (inserted.size() <= paired) return;
  const long after =
      removed.empty() ? before : static_cast<long>(removed.back());
  LineChange place = InsertionPlace(c, e, after, next);
  place.inserted.assign(inserted.begin() + static_cast<std::ptrdiff_t>(paired),
                        inserted.end());
  changes.push_back(place);
}

std::string DiffLine(char mark, const std::string& bytes,
                     const std::string& line_end, const std::string& where) {
  std::string text = WithoutLineEnd(bytes, line_end);
  return std::string(1, mark) + Printable(text) + "    (" + where + ")\n";
}

}  // namespace

bool BlessMode() {
  const char* update = std::getenv("BRANTLOW_UPDATE");
  return update != nullptr && *update != '\0' && std::string(update) != "0";
}

std::string ContentText(const std::string& bytes, const std::string& line_end,
                        bool utf8) {
  bool line_ended = bytes.size() >= line_end.size() &&
                    bytes.compare(bytes.size() - line_end.size(),
                                  line_end.size(), line_end) == 0;
  const std::string body =
      line_ended ? bytes.substr(0, bytes.size() - line_end.size()) : bytes;
  std::vector<std::string> units;
  for (std::size_t i = 0; i < body.size();)
    units.push_back(Unit(body, i, utf8));
  std::string text;
  for (std::size_t k = 0; k < units.size();) {
    std::size_t run = 1;
    while (k + run < units.size() && units[k + run] == units[k]) ++run;
    if (run >= RunWorthRepeating(units[k])) {
      text += "{" + units[k] + "*" + std::to_string(run) + "}";
    } else {
      for (std::size_t r = 0; r < run; ++r) text += units[k];
    }
    k += run;
  }
  return line_ended ? text : text + "\\e";
}

std::string LineDiff(const ExpectedSource& expected,
                     const std::string& actual) {
  const std::vector<std::string> a = ExpectedLines(expected);
  const std::vector<std::string> b = Pieces(actual, expected.line_end);
  const std::vector<Edit> edits = Align(a, b);
  constexpr std::size_t kContext = 3;
  std::vector<std::size_t> changed;
  for (std::size_t k = 0; k < edits.size(); ++k)
    if (edits[k].step != Step::kKeep) changed.push_back(k);
  std::string out;
  for (std::size_t g = 0; g < changed.size();) {
    // Changes closer than twice the context share one hunk.
    std::size_t last = g;
    while (last + 1 < changed.size() &&
           changed[last + 1] - changed[last] <= 2 * kContext + 1)
      ++last;
    const std::size_t from = changed[g] > kContext ? changed[g] - kContext : 0;
    const std::size_t to = std::min(edits.size(), changed[last] + 1 + kContext);
    out += "@@ expected line " + std::to_string(edits[from].expected + 1) +
           ", actual line " + std::to_string(edits[from].actual + 1) + " @@\n";
    for (std::size_t h = from; h < to; ++h) {
      const Edit& e = edits[h];
      if (e.step == Step::kInsert) {
        out += DiffLine('+', b[e.actual], expected.line_end,
                        "actual line " + std::to_string(e.actual + 1));
        continue;
      }
      const SourceLine& l = expected.lines[e.expected];
      const std::string where =
          l.file.substr(l.file.rfind('/') + 1) + ":" + std::to_string(l.line);
      out += DiffLine(e.step == Step::kKeep ? ' ' : '-', a[e.expected],
                      expected.line_end, where);
    }
    g = last + 1;
  }
  return out;
}

std::string BlessText(const TranscriptCase& c, const ExpectedSource& expected,
                      const std::string& actual) {
  const std::vector<std::string> b = Pieces(actual, expected.line_end);
  const std::vector<Edit> edits = Align(ExpectedLines(expected), b);
  std::vector<LineChange> changes;
  long before = -1;  // the last expected line before the hunk
  for (std::size_t k = 0; k < edits.size();) {
    if (edits[k].step == Step::kKeep) {
      before = static_cast<long>(edits[k++].expected);
      continue;
    }
    std::vector<std::size_t> removed;
    std::vector<std::string> inserted;
    for (; k < edits.size() && edits[k].step != Step::kKeep; ++k) {
      if (edits[k].step == Step::kRemove) {
        removed.push_back(edits[k].expected);
      } else {
        inserted.push_back("|" + ContentText(b[edits[k].actual],
                                             expected.line_end, expected.utf8));
      }
    }
    const std::size_t next =
        k < edits.size() ? edits[k].expected : expected.lines.size();
    HunkChanges(c, expected, removed, inserted, before, next, changes);
    if (!removed.empty()) before = static_cast<long>(removed.back());
  }
  return changes.empty() ? std::string() : Apply(c, changes);
}

std::string BlessExit(const TranscriptCase& c, int status) {
  const BlessLock lock(c.file.substr(0, c.file.rfind('/') + 1));
  bool ok = false;
  std::vector<std::string> lines = ReadLines(c.file, ok);
  const auto at =
      static_cast<std::size_t>(c.exit_line + CaseShift(c, lines) - 1);
  const std::string place = c.file + ":" + std::to_string(at + 1);
  if (!ok || at >= lines.size() ||
      lines[at].find_first_not_of(" \t") == std::string::npos ||
      lines[at].compare(lines[at].find_first_not_of(" \t"), 5, "exit:") != 0)
    return "cannot bless " + place + ": no exit line there\n";
  lines[at] = "exit: " + std::to_string(status);
  if (!WriteLines(c.file, lines)) return "cannot write " + c.file + "\n";
  return "blessed " + place + ": exit " + std::to_string(status) + "\n";
}

}  // namespace brantlow::e2e
