// The classic help screen, shown for /? and before a fatal exit; --help
// prints the shorter usage text of options.h instead.
#ifndef BRANTLOW_DRIVER_HELP_SCREEN_H_
#define BRANTLOW_DRIVER_HELP_SCREEN_H_

namespace brantlow {

// Prints the help screen to standard output, waiting for a key between its
// two halves unless pause_off (PauseHelp NO) is set.
void ShowHelp(bool pause_off);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_HELP_SCREEN_H_
