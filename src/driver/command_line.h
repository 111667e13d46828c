// The command line, read in two passes: the first before the configuration
// (line number, help request), the second after it, so that the command
// line overrides the configuration.
#ifndef BRANTLOW_DRIVER_COMMAND_LINE_H_
#define BRANTLOW_DRIVER_COMMAND_LINE_H_

#include <span>
#include <string>
#include <string_view>

#include "base/calendar.h"
#include "driver/run_settings.h"

namespace brantlow {

// The arguments, the program's own name not counted.
using Arguments = std::span<const char* const>;

// An argument lowered to small letters (A to Z only), at most 767
// characters.
struct LoweredArgument {
  char text[768];
  std::size_t size;
  std::string_view view() const { return {text, size}; }
};
LoweredArgument Lower(const char* argument);

enum class FirstPassResult { kContinue, kHelpRequested };

// Sets the line number from "line" N; stops at "/?".
FirstPassResult FirstPass(Arguments args, RunSettings& settings);

// The first argument becomes the log path when it is longer than 2
// characters and the configuration left the path at its start value, or
// when it is "-", standard input, whatever the configuration says.
void TakeLogPath(Arguments args, RunSettings& settings);

// One mode command ("/c=", "+f", "-g", "+l", "+a", "+b"), lower-cased.
// Returns false when the text is none of them.
bool ApplyModeCommand(std::string_view lowered, RunSettings& settings);

// Window or period, crash-poll period and mode commands; unknown arguments
// ignored.
void SecondPass(Arguments args, Date today, RunSettings& settings);

// Today for an unset date; 00:00 to 23:59 for an unset window, and 23:59
// for an end the time value left unset.
void ApplyDefaults(Date today, RunSettings& settings);

// The message of the first failing range check, or an empty text.
std::string CheckSettings(const RunSettings& settings);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_COMMAND_LINE_H_
