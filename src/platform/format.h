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

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_FORMAT_H_
