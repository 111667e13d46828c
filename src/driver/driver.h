// The whole run of the program, from banner to deletions.
#ifndef BRANTLOW_DRIVER_DRIVER_H_
#define BRANTLOW_DRIVER_DRIVER_H_

#include <string_view>

#include "driver/command_line.h"
#include "platform/clock.h"

namespace brantlow {

// One run at the given local date and time; returns the process exit
// status: 0 when all went well, 1 for a run stopped before reading the log,
// 2 for a run that failed at something asked of it or an unknown option.
// Holds no state between runs. The help screen names the program as
// program.
int Run(Arguments args, const LocalDate& now,
        std::string_view program = "brantlow");

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_DRIVER_H_
