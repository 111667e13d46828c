#include "driver/options.h"

#include <string_view>

namespace brantlow {

namespace {

// The known options: a flag of LongOptions each. New outputs and modes
// add a line here.
struct OptionName {
  std::string_view name;
  bool LongOptions::*flag;
};

constexpr OptionName kOptions[] = {
    {"--help", &LongOptions::help},
    {"--version", &LongOptions::version},
    {"--utf8", &LongOptions::utf8},
    {"--csv", &LongOptions::csv},
    {"--json", &LongOptions::json},
    {"--html", &LongOptions::html},
    {"--stdout", &LongOptions::to_stdout},
};

}  // namespace

SplitArguments SplitOptions(Arguments args) {
  SplitArguments split;
  for (const char* arg : args) {
    const std::string_view text = arg;
    if (text == "-h") {
      split.options.help = true;
      continue;
    }
    if (text.substr(0, 2) != "--") {
      split.rest.push_back(arg);
      continue;
    }
    bool known = false;
    for (const OptionName& option : kOptions) {
      if (text == option.name) {
        split.options.*option.flag = true;
        known = true;
      }
    }
    if (!known && split.options.unknown.empty())
      split.options.unknown = std::string(text);
  }
  return split;
}

}  // namespace brantlow
