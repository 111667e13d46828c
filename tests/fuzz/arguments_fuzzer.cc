// Command lines as bytes, words split at NUL bytes and line ends, through
// the strict check, both argument passes, the defaults and the checks. A
// command line the strict check accepts passes the range checks too
// (unless a log named "line..." gave the line number, as it may).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/argument_check.h"
#include "driver/command_line.h"
#include "driver/run_settings.h"

using namespace brantlow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::vector<std::string> words(1);
  for (std::size_t i = 0; i < size && words.size() < 64; ++i) {
    if (data[i] == '\0' || data[i] == '\n')
      words.emplace_back();
    else
      words.back() += static_cast<char>(data[i]);
  }
  std::vector<const char*> argv;
  for (const std::string& w : words) argv.push_back(w.c_str());
  const Arguments args(argv.data(), argv.size());
  RunSettings settings;
  if (FirstPass(args, settings) == FirstPassResult::kHelpRequested) return 0;
  const Date today{15, 3, 2026};
  const bool accepted = !CheckArguments(args, today).has_value();
  CheckLogPathGiven(args, settings);
  TakeLogPath(args, settings);
  SecondPass(ArgumentsAfterLogPath(args), today, settings);
  ApplyDefaults(today, settings);
  const bool checked = CheckSettings(settings).empty();
  const bool log_named_line = Lower(argv[0]).view().starts_with("line");
  if (accepted && !checked && !log_named_line) std::abort();
  return 0;
}
