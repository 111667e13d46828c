// printf formatting without an allocation for the common short text.
#ifndef BRANTLOW_PLATFORM_FORMAT_H_
#define BRANTLOW_PLATFORM_FORMAT_H_

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

namespace brantlow {

// Formats into local when the text fits, else into big; empty on a format
// error. The result points into one of the two.
std::string_view VFormat(char* local, std::size_t local_size, std::string& big,
                         const char* format, va_list args);

// What printf's "%<width>lld" writes, onto out: for tables of many rows,
// without a format to read for each.
void AppendNumber(std::string& out, long long value, int width);

// What "%<width>.0f" writes: the value rounded to a whole number, half
// to even as printf rounds.
void AppendWhole(std::string& out, double value, int width);

// What "%<width>.2d" writes of a value of 0 or more: two digits at least.
void AppendTwoDigits(std::string& out, int value, int width);

// What "%<width>s" (right) or "%-<width>s" (left) writes of text.
enum class Align { kLeft, kRight };
void AppendText(std::string& out, std::string_view text, int width,
                Align align);

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_FORMAT_H_
