// Box-drawn frame lines of the report tables: a run of "═" or "─" as wide
// as each column, with the joints between them.
#ifndef BRANTLOW_BASE_TABLE_FRAME_H_
#define BRANTLOW_BASE_TABLE_FRAME_H_

#include <initializer_list>
#include <string>

namespace brantlow {

enum class FrameLine { kTop, kSeparator, kBottom };

// The frame line over columns of the given widths, with its line end.
std::string MakeFrameLine(FrameLine kind, std::initializer_list<int> widths);
std::string MakeFrameLine(FrameLine kind, const int* widths, int count);

}  // namespace brantlow

#endif  // BRANTLOW_BASE_TABLE_FRAME_H_
