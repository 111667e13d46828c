#include "log/line_processor.h"

namespace brantlow {

void ProcessLine(std::string_view, const ReadingWindow&, int, SessionTable&,
                 LineOutputs&) {}

}  // namespace brantlow
