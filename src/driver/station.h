// The station run (--station): every line whose configuration file is in
// the directory, each run as a run of its own would be, then the station
// report over them.
#ifndef BRANTLOW_DRIVER_STATION_H_
#define BRANTLOW_DRIVER_STATION_H_

#include <cstdio>
#include <string_view>

#include "driver/command_line.h"
#include "driver/options.h"
#include "platform/clock.h"

namespace brantlow {

// The exit status: 0 when every line and the station's files went well;
// else 1 when a line stopped before its reports (or no line is
// configured), else 2 when something asked for failed.
int RunStation(Arguments args, const LocalDate& now, const LongOptions& options,
               std::FILE* report_stream, std::string_view program);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_STATION_H_
