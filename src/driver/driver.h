// The whole run of the program, from banner to deletions.
#ifndef BRANTLOW_DRIVER_DRIVER_H_
#define BRANTLOW_DRIVER_DRIVER_H_

#include "driver/command_line.h"

namespace brantlow {

// Runs once; returns the process exit status (0, or 1 for a fatal exit).
int Run(Arguments args);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_DRIVER_H_
