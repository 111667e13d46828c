// The chart of line use per half hour that opens the statistics file.
#ifndef BRANTLOW_REPORTS_BUSY_HISTOGRAM_H_
#define BRANTLOW_REPORTS_BUSY_HISTOGRAM_H_

#include "log/busy_array.h"
#include "platform/output.h"

namespace brantlow {

// 17 rows of 6 % each, top row first, then the time axis.
void WriteBusyHistogram(const BusyArray& busy, Output& out);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_BUSY_HISTOGRAM_H_
