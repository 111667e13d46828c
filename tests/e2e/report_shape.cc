#include "tests/e2e/report_shape.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/e2e/transcript.h"

namespace brantlow::e2e {

namespace {

// Frame characters, as their CP866 bytes.
constexpr char kTopLeft = '\xC9';      // ╔
constexpr char kDouble = '\xCD';       // ═
constexpr char kTopMark = '\xD1';      // ╤
constexpr char kTopRight = '\xBB';     // ╗
constexpr char kEdge = '\xBA';         // ║
constexpr char kBar = '\xB3';          // │
constexpr char kRuleLeft = '\xC7';     // ╟
constexpr char kSingle = '\xC4';       // ─
constexpr char kCross = '\xC5';        // ┼
constexpr char kRuleRight = '\xB6';    // ╢
constexpr char kBottomLeft = '\xC8';   // ╚
constexpr char kBottomMark = '\xCF';   // ╧
constexpr char kBottomRight = '\xBC';  // ╝
constexpr char kBlock = '\xB2';        // ▓

// Code points of the CP866 bytes B0 to DF: shades, lines and blocks.
constexpr char32_t kPseudographics[48] = {
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
};

int ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0x0410 && cp <= 0x043F)
    return static_cast<int>(0x80 + (cp - 0x0410));
  if (cp >= 0x0440 && cp <= 0x044F)
    return static_cast<int>(0xE0 + (cp - 0x0440));
  if (cp == 0x0401) return 0xF0;  // Ё
  if (cp == 0x0451) return 0xF1;  // ё
  if (cp == 0x221A) return 0xFB;  // √
  if (cp == 0x25A0) return 0xFE;  // ■
  for (int i = 0; i < 48; ++i)
    if (kPseudographics[i] == cp) return 0xB0 + i;
  return '?';
}

struct Line {
  int number;        // from 1
  std::string text;  // without its CR LF
};

std::string Quote(const std::string& text) {
  std::string shown = Printable(text.substr(0, 120));
  if (text.size() > 120) shown += "...";
  return "\"" + shown + "\"";
}

std::string At(const Line& line, const std::string& what) {
  return "line " + std::to_string(line.number) + ": " + what + ": " +
         Quote(line.text);
}

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

// A number as "%2.2d" prints it: an optional minus and at least two digits.
bool TakeTwoDigitNumber(const std::string& s, std::size_t& i) {
  std::size_t j = i;
  if (j < s.size() && s[j] == '-') ++j;
  std::size_t digits = j;
  while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
  if (j - digits < 2) return false;
  i = j;
  return true;
}

// Matches s against a form whose '#' stands for a "%2.2d" number.
bool MatchesForm(const std::string& s, const std::string& form) {
  std::size_t i = 0;
  for (char f : form) {
    if (f == '#') {
      if (!TakeTwoDigitNumber(s, i)) return false;
    } else {
      if (i >= s.size() || s[i] != f) return false;
      ++i;
    }
  }
  return i == s.size();
}

bool IsDecimal(const std::string& s, std::size_t from, std::size_t to) {
  if (from >= to) return false;
  for (std::size_t i = from; i < to; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// zone:net/node, with an optional .point.
bool IsFidoAddress(const std::string& s) {
  std::size_t colon = s.find(':');
  std::size_t slash = s.find('/');
  if (colon == std::string::npos || slash == std::string::npos || slash < colon)
    return false;
  std::size_t dot = s.find('.', slash);
  std::size_t end = dot == std::string::npos ? s.size() : dot;
  if (!IsDecimal(s, 0, colon) || !IsDecimal(s, colon + 1, slash) ||
      !IsDecimal(s, slash + 1, end))
    return false;
  return dot == std::string::npos || IsDecimal(s, dot + 1, s.size());
}

// The line marker of multi-line mode: "Line " and 1 to 99.
bool IsLineMarker(const std::string& s) {
  if (!StartsWith(s, "Line ")) return false;
  std::string n = s.substr(5);
  if (n.empty() || n.size() > 2 || n[0] == '0' || !IsDecimal(n, 0, n.size()))
    return false;
  return true;
}

// The signature line: "Made by ", the program's words, then "FidoNet " and
// the maker's address, with "!!!!" after it in the BBS-user file.
bool IsSignature(const std::string& s, bool& bbs) {
  if (!StartsWith(s, "Made by ")) return false;
  std::string rest = s;
  bbs = rest.size() >= 4 && rest.compare(rest.size() - 4, 4, "!!!!") == 0;
  if (bbs) rest.resize(rest.size() - 4);
  std::size_t fido = rest.rfind(" FidoNet ");
  if (fido == std::string::npos) return false;
  for (std::size_t i = 0; i < fido; ++i) {
    auto b = static_cast<unsigned char>(rest[i]);
    if (b < 0x20 || b >= 0x7F) return false;
  }
  return IsFidoAddress(rest.substr(fido + 9));
}

bool IsBbsSignatureTail(const std::string& s) {
  return StartsWith(s, "BBS & ") && IsFidoAddress(s.substr(6));
}

struct Frame {
  std::vector<int> widths;
  std::vector<std::size_t> marks;  // positions of the column marks
  std::size_t width = 0;           // characters of the top line
};

// The top line "╔═══╤═══╗"; false when the line is no intact top line.
bool ReadTop(const std::string& s, Frame& frame, std::string& why) {
  frame = Frame{};
  if (s.size() < 3 || s.back() != kTopRight) {
    why = "a top frame line must end with ╗";
    return false;
  }
  int run = 0;
  for (std::size_t i = 1; i + 1 < s.size(); ++i) {
    if (s[i] == kDouble) {
      ++run;
    } else if (s[i] == kTopMark) {
      if (run == 0) {
        why = "a column of width 0 in the top frame line";
        return false;
      }
      frame.widths.push_back(run);
      frame.marks.push_back(i);
      run = 0;
    } else {
      why = "a top frame line holds only ═ runs and ╤ marks";
      return false;
    }
  }
  if (run == 0) {
    why = "a column of width 0 in the top frame line";
    return false;
  }
  frame.widths.push_back(run);
  frame.width = s.size();
  return true;
}

// A separator or bottom line: left, runs of fill, mark at the top line's
// marks, right.
bool IsRuleLike(const std::string& s, const Frame& frame, char left, char fill,
                char mark, char right) {
  if (s.size() != frame.width || s.front() != left || s.back() != right)
    return false;
  std::size_t next_mark = 0;
  for (std::size_t i = 1; i + 1 < s.size(); ++i) {
    bool at_mark =
        next_mark < frame.marks.size() && frame.marks[next_mark] == i;
    if (at_mark) {
      if (s[i] != mark) return false;
      ++next_mark;
    } else if (s[i] != fill) {
      return false;
    }
  }
  return true;
}

// Reports of earlier versions printed a record's start time unpadded in
// the connect table, so the first line of a record whose time text is
// shorter than 8 characters was shorter by as much: "║", the time, 10
// blanks, "│", 48 characters, "║". The checker still takes such lines.
bool IsShortConnectTimeLine(const std::string& s, const Frame& frame) {
  if (frame.widths != std::vector<int>{18, 48}) return false;
  if (s.size() >= frame.width || s.size() + 8 < frame.width) return false;
  if (s.front() != kEdge || s.back() != kEdge) return false;
  std::size_t bar = s.size() - 50;
  if (s[bar] != kBar) return false;
  for (std::size_t i = bar - 10; i < bar; ++i)
    if (s[i] != ' ') return false;
  return true;
}

// The address summary's totals line prints the session count in at least
// three places ("%-3d"); a window of 1,000 sessions or more widens the
// line by the extra digits, as a value wider than its field does.
bool IsWideTotalsLine(const std::string& s, const Frame& frame) {
  static const std::string kTotals = Cp866Of("║Всего: ");
  if (s.compare(0, kTotals.size(), kTotals) != 0) return false;
  std::size_t digits = 0;
  while (kTotals.size() + digits < s.size() &&
         s[kTotals.size() + digits] >= '0' && s[kTotals.size() + digits] <= '9')
    ++digits;
  return digits > 3 && s.size() == frame.width + digits - 3;
}

const std::string& HistogramLabel(int row) {
  static const std::string k100 = Cp866Of("100%─┬");
  static const std::string k75 = Cp866Of(" 75%─┼");
  static const std::string k50 = Cp866Of(" 50%─┼");
  static const std::string k25 = Cp866Of(" 25%─┼");
  static const std::string kPlain = Cp866Of("     │");
  switch (row) {
    case 16: return k100;
    case 12: return k75;
    case 8: return k50;
    case 4: return k25;
    default: return kPlain;
  }
}

bool LooksLikeHistogramRow(const std::string& s) {
  for (int row : {16, 12, 8, 4, 0})
    if (StartsWith(s, HistogramLabel(row))) return true;
  return false;
}

// The chart from its top row on, at lines[k]: 17 rows of a label and 48
// cells, then the two axis lines. Leaves k at the line after the chart and
// returns "", or returns the problem.
std::string CheckHistogram(const std::vector<Line>& lines, std::size_t& k) {
  static const std::string kAxis =
      Cp866Of("     ┼─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬");
  static const std::string kHours =
      "     0   2   4   6   8  10  12  14  16  18  20  22  24";
  if (k == 0 || !lines[k - 1].text.empty())
    return At(lines[k], "the busy chart must follow an empty line");
  std::vector<std::string> cells;
  for (int row = 16; row >= 0; --row) {
    if (k >= lines.size())
      return "line " + std::to_string(lines.back().number) +
             ": the busy chart ends before its last row";
    const Line& line = lines[k];
    const std::string& label = HistogramLabel(row);
    if (!StartsWith(line.text, label))
      return At(line, "busy chart row " + std::to_string(row) +
                          " must begin with its label");
    std::string row_cells = line.text.substr(label.size());
    if (row_cells.size() != 48)
      return At(line, "a busy chart row holds 48 cells, this one " +
                          std::to_string(row_cells.size()));
    for (char c : row_cells)
      if (c != kBlock && c != ' ')
        return At(line, "a busy chart cell is ▓ or a blank");
    cells.push_back(row_cells);
    ++k;
  }
  // A column filled in one row is filled in every row below it.
  for (std::size_t r = 0; r + 1 < cells.size(); ++r)
    for (std::size_t c = 0; c < 48; ++c)
      if (cells[r][c] == kBlock && cells[r + 1][c] != kBlock)
        return At(lines[k - 17 + r], "busy chart column " + std::to_string(c) +
                                         " has a gap below this row");
  if (k >= lines.size() || lines[k].text != kAxis)
    return k < lines.size()
               ? At(lines[k], "the busy chart's time axis expected")
               : "the busy chart ends without its time axis";
  ++k;
  if (k >= lines.size() || lines[k].text != kHours)
    return k < lines.size()
               ? At(lines[k], "the busy chart's hour numbers expected")
               : "the busy chart ends without its hour numbers";
  ++k;
  return "";
}

// The titles of the statistics, connect and files reports, in Russian and
// in English, over one day or two.
bool IsWindowTitle(const std::string& s) {
  static const std::vector<std::string> kForms = [] {
    std::vector<std::string> forms;
    for (const char* heading :
         {"Статистика на #.#", "Коннекты и мэйлеры на #.#", "Файлы на #.#"}) {
      forms.push_back(Cp866Of(std::string("           ") + heading +
                              "  время с #:# по #:# "));
      forms.push_back(Cp866Of(std::string("         ") + heading +
                              "-#.#  время с #:# по #:# "));
    }
    for (const char* heading :
         {"Statistics for #.#", "Connects and mailers for #.#",
          "Files received and sent for #.#"}) {
      forms.push_back(std::string("           ") + heading +
                      "  time from #:# to #:# ");
      forms.push_back(std::string("         ") + heading +
                      "-#.#  time from #:# to #:# ");
    }
    return forms;
  }();
  for (const std::string& form : kForms)
    if (MatchesForm(s, form)) return true;
  return false;
}

std::string Check(const std::string& bytes, std::vector<ShapeTable>* tables) {
  if (bytes.empty()) return "the file is empty";
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\0') return "a NUL byte at offset " + std::to_string(i);

  std::vector<Line> lines;
  std::size_t from = 0;
  int number = 0;
  while (from < bytes.size()) {
    ++number;
    std::size_t lf = bytes.find('\n', from);
    if (lf == std::string::npos)
      return "line " + std::to_string(number) +
             ": the last line has no line end: " + Quote(bytes.substr(from));
    if (lf == from || bytes[lf - 1] != '\r')
      return "line " + std::to_string(number) +
             ": a line end without CR before its LF: " +
             Quote(bytes.substr(from, lf - from));
    lines.push_back({number, bytes.substr(from, lf - 1 - from)});
    from = lf + 1;
  }

  std::size_t k = 0;
  while (k < lines.size()) {
    const Line& line = lines[k];
    const std::string& s = line.text;
    if (s.empty()) {
      ++k;
      continue;
    }
    if (s[0] == kTopLeft) {
      Frame frame;
      std::string why;
      if (!ReadTop(s, frame, why)) return At(line, why);
      ShapeTable table;
      table.widths = frame.widths;
      ++k;
      bool closed = false;
      bool after_rule = false;
      while (k < lines.size()) {
        const Line& row = lines[k];
        const std::string& t = row.text;
        if (t.empty()) return At(row, "an empty line inside a table");
        if (t[0] == kBottomLeft) {
          if (t.size() != frame.width)
            return At(row, "the bottom frame line is " +
                               std::to_string(t.size()) +
                               " characters wide, its top line " +
                               std::to_string(frame.width));
          if (!IsRuleLike(t, frame, kBottomLeft, kDouble, kBottomMark,
                          kBottomRight))
            return At(row,
                      "the bottom frame line does not close the columns of "
                      "its top line with ╧ and ╝");
          closed = true;
          ++k;
          break;
        }
        if (t[0] == kRuleLeft) {
          if (t.size() != frame.width)
            return At(row, "a separator line is " + std::to_string(t.size()) +
                               " characters wide, its top line " +
                               std::to_string(frame.width));
          if (!IsRuleLike(t, frame, kRuleLeft, kSingle, kCross, kRuleRight))
            return At(row,
                      "a separator line does not cross the columns of its "
                      "top line with ┼ and end with ╢");
          after_rule = true;
          table.inner.push_back(t);
          ++k;
          continue;
        }
        if (t[0] != kEdge)
          return At(row, "a table line must begin with ║, ╟ or ╚");
        if (t.back() != kEdge)
          return At(row, "a table line beginning with ║ must end with ║");
        if (t.size() != frame.width) {
          if (!(after_rule && IsShortConnectTimeLine(t, frame)) &&
              !IsWideTotalsLine(t, frame))
            return At(row, "a table line is " + std::to_string(t.size()) +
                               " characters wide, its top line " +
                               std::to_string(frame.width));
        } else {
          for (std::size_t m : frame.marks)
            if (t[m] != kBar)
              return At(row, "no │ under the column mark at character " +
                                 std::to_string(m + 1));
        }
        after_rule = false;
        table.inner.push_back(t);
        ++k;
      }
      if (!closed)
        return At(line, "the table that begins here has no bottom frame line");
      if (tables != nullptr) tables->push_back(table);
      continue;
    }
    if (LooksLikeHistogramRow(s)) {
      if (!StartsWith(s, HistogramLabel(16)))
        return At(line, "a busy chart row outside a whole chart");
      std::string problem = CheckHistogram(lines, k);
      if (!problem.empty()) return problem;
      continue;
    }
    if (IsWindowTitle(s)) {
      if (k + 1 >= lines.size() || lines[k + 1].text.empty() ||
          lines[k + 1].text[0] != kTopLeft)
        return At(line,
                  "a window title must stand right above its session list");
      ++k;
      continue;
    }
    if (IsLineMarker(s)) {
      bool bbs = false;
      if (k + 1 >= lines.size() || !IsSignature(lines[k + 1].text, bbs))
        return At(line, "the line marker must stand right above the signature");
      ++k;
      continue;
    }
    bool bbs = false;
    if (IsSignature(s, bbs)) {
      std::size_t last = k;
      if (bbs) {
        if (k + 1 >= lines.size() || !IsBbsSignatureTail(lines[k + 1].text))
          return At(line,
                    "the BBS signature must go on with \"BBS & \" and the "
                    "maker's address");
        last = k + 1;
      }
      if (last + 1 != lines.size())
        return At(lines[last + 1], "nothing may follow the signature");
      return "";
    }
    return At(line, "a line outside the tables that no report section writes");
  }
  return "";
}

}  // namespace

std::string Cp866Of(std::string_view utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    auto b = static_cast<unsigned char>(utf8[i]);
    char32_t cp = b;
    std::size_t len = 1;
    if (b >= 0xF0) {
      len = 4;
      cp = b & 0x07;
    } else if (b >= 0xE0) {
      len = 3;
      cp = b & 0x0F;
    } else if (b >= 0xC0) {
      len = 2;
      cp = b & 0x1F;
    }
    for (std::size_t j = 1; j < len && i + j < utf8.size(); ++j)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + j]) & 0x3F);
    out += static_cast<char>(ByteOf(cp));
    i += len;
  }
  return out;
}

std::string ReportShapeProblem(const std::string& bytes) {
  return Check(bytes, nullptr);
}

std::vector<ShapeTable> ReportTables(const std::string& bytes) {
  std::vector<ShapeTable> tables;
  if (!Check(bytes, &tables).empty()) tables.clear();
  return tables;
}

}  // namespace brantlow::e2e
