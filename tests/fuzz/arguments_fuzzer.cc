// Command lines as bytes, words split at NUL bytes and line ends, through
// both argument passes, the defaults and the checks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
  TakeLogPath(args, settings);
  const Date today{15, 3, 2026};
  SecondPass(args, today, settings);
  ApplyDefaults(today, settings);
  CheckSettings(settings);
  return 0;
}
