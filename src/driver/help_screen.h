// The program's only usage text.
#ifndef BRANTLOW_DRIVER_HELP_SCREEN_H_
#define BRANTLOW_DRIVER_HELP_SCREEN_H_

namespace brantlow {

// Prints the help screen to standard output, waiting for a key between its
// two halves unless pause_off (PauseHelp NO) is set.
void ShowHelp(bool pause_off);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_HELP_SCREEN_H_
