#include "base/table_frame.h"

namespace brantlow {

std::string MakeFrameLine(FrameLine kind, const int* widths, int count) {
  // CP866: ╔ ═ ╤ ╗, ╟ ─ ┼ ╢, ╚ ═ ╧ ╝.
  const char kParts[3][4] = {{'\xC9', '\xCD', '\xD1', '\xBB'},
                             {'\xC7', '\xC4', '\xC5', '\xB6'},
                             {'\xC8', '\xCD', '\xCF', '\xBC'}};
  const char* part = kParts[static_cast<int>(kind)];
  std::string line(1, part[0]);
  for (int i = 0; i < count; ++i) {
    if (i > 0) line += part[2];
    line.append(static_cast<std::size_t>(widths[i]), part[1]);
  }
  line += part[3];
  line += '\n';
  return line;
}

std::string MakeFrameLine(FrameLine kind, std::initializer_list<int> widths) {
  return MakeFrameLine(kind, widths.begin(), static_cast<int>(widths.size()));
}

}  // namespace brantlow
