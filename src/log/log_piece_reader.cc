#include "log/log_piece_reader.h"

#include <cstring>

namespace brantlow {

std::string_view LogPiece::Folded(char* out) const {
  std::memcpy(out, data, raw_length);
  std::size_t n = raw_length;
  if (crlf) {
    out[n - 2] = '\n';
    --n;
  }
  out[n] = '\0';
  return {out, n};
}

bool LogPieceReader::Refill() {
  if (at_end_) return cursor_ != end_;
  std::string_view view = file_.At(position_);
  if (view.size() < kLogPieceLimit + 1)
    at_end_ = true;  // the file's last bytes
  cursor_ = view.data();
  end_ = view.data() + view.size();
  chunk_ = chunk_end_ = cursor_;
  return !view.empty();
}

}  // namespace brantlow
