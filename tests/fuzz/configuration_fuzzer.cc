// The configuration file as bytes through both passes of its reader.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "driver/configuration.h"
#include "driver/run_context.h"
#include "platform/line_reader.h"

using namespace brantlow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  static auto run = std::make_unique<RunContext>();
  // Only what the reader fills is set back: the rest of the context is
  // large, and the reader never reads a table entry it did not write.
  run->settings = RunSettings{};
  run->processes = ProcessDefinitions{};
  run->costs.count = 0;
  run->files_no_scan.count = 0;
  run->files_kill.count = 0;
  ConfigurationTables tables{run->processes, run->costs, run->files_no_scan,
                             run->files_kill};
  MemoryLines file(std::string_view(reinterpret_cast<const char*>(data), size));
  ReadConfiguration(file, run->settings, tables);
  return 0;
}
