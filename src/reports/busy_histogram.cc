#include "reports/busy_histogram.h"

#include "platform/cp866.h"

namespace brantlow {

void WriteBusyHistogram(const BusyArray& busy, Output& out) {
  for (int n = 16; n >= 0; --n) {
    out.Write("\n");
    switch (n) {
      case 16: out.Write(CP866("100%─┬")); break;
      case 12: out.Write(CP866(" 75%─┼")); break;
      case 8: out.Write(CP866(" 50%─┼")); break;
      case 4: out.Write(CP866(" 25%─┼")); break;
      default: out.Write(CP866("     │")); break;
    }
    char columns[kHalfHours];
    for (int k = 0; k < kHalfHours; ++k)
      columns[k] =
          6 * n < busy[static_cast<std::size_t>(k)] / 18 ? '\xB2' : ' ';
    out.Write(std::string_view(columns, kHalfHours));
  }
  out.Write("\n");
  out.Write(
      CP866("     ┼─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬\n"
            "     0   2   4   6   8  10  12  14  16  18  20  22  24\n"));
}

}  // namespace brantlow
