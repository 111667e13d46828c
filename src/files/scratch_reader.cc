#include "files/scratch_reader.h"

#include <cstring>

namespace brantlow {

bool ScratchReader::Next(std::string_view& entry, std::int64_t& offset) {
  for (;;) {
    offset = file_.Tell();
    std::size_t n = file_.ReadLine(line_, kReadLimit);
    if (n == 0) return false;
    const bool continuation = continuing_;
    continuing_ = line_[n - 1] != '\n';
    if (continuation || line_[0] != '\xB2') continue;
    entry = std::string_view(line_, strnlen(line_, n));
    return true;
  }
}

}  // namespace brantlow
