// User-defined processes: a pattern that marks a log line as the start of
// a process, the name its record gets, and whether consecutive records of
// it merge into one.
#ifndef BRANTLOW_LOG_PROCESS_DEFINITIONS_H_
#define BRANTLOW_LOG_PROCESS_DEFINITIONS_H_

#include <array>

namespace brantlow {

struct ProcessDefinition {
  char pattern[40] = "\xB2\xB3\xB4";  // ▓│┤, which mailer logs never write
  char name[18] = "Unknown process";
  bool cycle = false;
};

inline constexpr int kProcessDefinitions = 5;
using ProcessDefinitions = std::array<ProcessDefinition, kProcessDefinitions>;

}  // namespace brantlow

#endif  // BRANTLOW_LOG_PROCESS_DEFINITIONS_H_
