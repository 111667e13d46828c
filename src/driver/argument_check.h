// The classic arguments taken strictly: each one is of a form the program
// knows, with a value it can read whole, or the run does not start. A
// mistyped argument must not quietly become today's report.
#ifndef BRANTLOW_DRIVER_ARGUMENT_CHECK_H_
#define BRANTLOW_DRIVER_ARGUMENT_CHECK_H_

#include <optional>
#include <string>

#include "base/calendar.h"
#include "driver/command_line.h"
#include "driver/run_settings.h"

namespace brantlow {

// An argument the run refuses, and what would have been allowed there.
struct ArgumentFault {
  std::string argument;
  std::string allowed;
};

// The first argument of no known form or with a value out of range; none
// when every one is good. The first argument may be the log path (one of
// no known form, longer than 2 characters, or "-").
std::optional<ArgumentFault> CheckArguments(Arguments args, Date today);

// After the configuration: a first argument that is a command while no
// LogFile names the log leaves the run without a log.
std::optional<ArgumentFault> CheckLogPathGiven(Arguments args,
                                               const RunSettings& settings);

// The arguments the classic passes read as commands: the log path, when
// the first argument is one, left out.
Arguments ArgumentsAfterLogPath(Arguments args);

// The line that points from a refused run to the usage summary.
inline constexpr char kHelpPointer[] = "brantlow --help lists the options\n";

// The two lines standard error gets for a refused argument.
std::string ArgumentFaultText(const ArgumentFault& fault);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_ARGUMENT_CHECK_H_
