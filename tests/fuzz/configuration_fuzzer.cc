// The configuration file as bytes through both passes of its reader.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "driver/configuration.h"
#include "driver/run_settings.h"
#include "base/mask_list.h"
#include "log/process_definitions.h"
#include "platform/text_file.h"
#include "log/cost_table.h"
#include "tests/fuzz/fuzz_file.h"

using namespace brantlow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = fuzz::ScratchPath("cfg");
  fuzz::WriteFile(path, data, size);
  static auto processes = std::make_unique<ProcessDefinitions>();
  static auto costs = std::make_unique<CostTable>();
  static auto no_scan = std::make_unique<MaskList>();
  static auto kill = std::make_unique<MaskList>();
  *processes = ProcessDefinitions{};
  *costs = CostTable{};
  *no_scan = MaskList{};
  *kill = MaskList{};
  RunSettings settings;
  ConfigurationTables tables{*processes, *costs, *no_scan, *kill};
  TextFile file;
  if (file.OpenRead(path.c_str())) ReadConfiguration(file, settings, tables);
  return 0;
}
