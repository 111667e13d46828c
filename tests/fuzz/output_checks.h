// The checks the outputs fuzz target makes of what a run writes.
#ifndef BRANTLOW_TESTS_FUZZ_OUTPUT_CHECKS_H_
#define BRANTLOW_TESTS_FUZZ_OUTPUT_CHECKS_H_

#include <string_view>

namespace brantlow {

// Aborts unless every output is valid UTF-8, each CSV record has its
// header's field count, the JSON is one strict JSON value and every "<"
// of the page opens one of the page's own tags.
void CheckOutputs(std::string_view sessions, std::string_view addresses,
                  std::string_view json, std::string_view page);

}  // namespace brantlow

#endif  // BRANTLOW_TESTS_FUZZ_OUTPUT_CHECKS_H_
