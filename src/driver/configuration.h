// The configuration file: the settings that do not change from run to run.
// Keys are found anywhere in a line before its first ";", even inside
// other values, and the file is read in two passes.
#ifndef BRANTLOW_DRIVER_CONFIGURATION_H_
#define BRANTLOW_DRIVER_CONFIGURATION_H_

#include <optional>
#include <string>
#include <vector>

#include "base/mask_list.h"
#include "driver/run_settings.h"
#include "log/cost_table.h"
#include "log/process_definitions.h"
#include "platform/line_reader.h"

namespace brantlow {

// The process-wide tables the configuration fills.
struct ConfigurationTables {
  ProcessDefinitions& processes;
  CostTable& costs;
  MaskList& files_no_scan;
  MaskList& files_kill;
  // Links: every address of the key's lines, in order; null leaves them.
  std::optional<std::vector<std::string>>* links = nullptr;
};

// Reads the open file from its start, twice; prints nothing.
void ReadConfiguration(LineReader& file, RunSettings& settings,
                       ConfigurationTables& tables);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_CONFIGURATION_H_
