// File-name patterns with "*" and "?".
#ifndef BRANTLOW_BASE_WILDCARD_H_
#define BRANTLOW_BASE_WILDCARD_H_

#include <string_view>

namespace brantlow {

// Byte-wise, case-sensitive. "?" is one character; "*" a run of characters,
// found by scanning for the pattern character after it. A "*" followed by
// "*" or "?" matches nothing, a trailing "*" needs at least one character,
// and "ABC*" does not match "ABC".
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace brantlow

#endif  // BRANTLOW_BASE_WILDCARD_H_
