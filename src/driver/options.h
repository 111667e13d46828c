// Long options, GNU style, beside the classic forms of the command line.
// Every argument that begins with "--" is one of them (or unknown), and is
// never taken as the log path or a command; "-h" is the short --help.
#ifndef BRANTLOW_DRIVER_OPTIONS_H_
#define BRANTLOW_DRIVER_OPTIONS_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/command_line.h"

namespace brantlow {

struct LongOptions {
  bool help = false;     // --help, -h
  bool version = false;  // --version
  bool utf8 = false;     // --utf8: report files in UTF-8
  // --lang=en, --lang=ru: the reports' language, over the configuration's.
  bool english = false;
  bool russian = false;
  // The options of the outputs table that were given ("--csv").
  std::vector<std::string_view> outputs;
  bool to_stdout = false;  // --stdout: the report on standard output too
  bool no_lock = false;    // --no-lock: go on when no lock can be taken
  // --station: every line whose configuration is here, and the station
  // report over them.
  bool station = false;
  // --post=AREA: the report as an echomail message of that area, in a
  // packet; the tag as given (it may be empty: the run tells).
  std::optional<std::string> post_area;
  // The first argument of the "--" form that names no option; empty when
  // every one was known.
  std::string unknown;

  bool Wants(std::string_view output_option) const {
    for (std::string_view o : outputs)
      if (o == output_option) return true;
    return false;
  }
};

// The options, and the other arguments in their order, for the classic
// passes of the command line.
struct SplitArguments {
  LongOptions options;
  std::vector<const char*> rest;

  Arguments classic() const { return {rest.data(), rest.size()}; }
};

SplitArguments SplitOptions(Arguments args);

// The English usage summary that --help prints.
std::string UsageText();

// Its lines for the options of the "--" form, one each, as the help
// screen lists them too.
std::string LongOptionLines();

// What --version prints: "brantlow " and the version.
std::string VersionText();

// The message for an option the program does not know, standard error's.
std::string UnknownOptionText(const std::string& option);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_OPTIONS_H_
