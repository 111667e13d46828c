#include "driver/file_names.h"

namespace brantlow {

std::string NumberedName(const char* single, const char* stem,
                         const char* extension, int line_number) {
  if (line_number == 0) return single;
  return std::string(stem) + std::to_string(line_number) + extension;
}

}  // namespace brantlow
