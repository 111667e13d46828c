// The classic help screen, shown for /? and before a fatal exit; --help
// prints the shorter usage text of options.h instead.
#ifndef BRANTLOW_DRIVER_HELP_SCREEN_H_
#define BRANTLOW_DRIVER_HELP_SCREEN_H_

#include <string_view>

namespace brantlow {

// The name the program was started as, without its directory and a
// ".exe", as it is typed; "brantlow" when the host gave none.
std::string_view ProgramName(const char* started_as);

// Prints the help screen to standard output, naming the program as
// program, waiting for a key between its two halves unless pause_off
// (PauseHelp NO) is set.
void ShowHelp(bool pause_off, std::string_view program);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_HELP_SCREEN_H_
