// Reads the entries of the transfer scratch file one by one. A piece of an
// entry longer than a read is skipped: it carries no session mark.
#ifndef BRANTLOW_FILES_SCRATCH_READER_H_
#define BRANTLOW_FILES_SCRATCH_READER_H_

#include <cstdint>
#include <string_view>

#include "platform/text_file.h"

namespace brantlow {

class ScratchReader {
 public:
  explicit ScratchReader(TextFile& file) : file_(file) {}

  // The next entry that begins with its "▓" mark, as seen up to its first
  // NUL; false at the end of the file. offset is where it begins.
  bool Next(std::string_view& entry, std::int64_t& offset);

 private:
  static constexpr std::size_t kReadLimit = 88;
  TextFile& file_;
  char line_[kReadLimit + 1];
  bool continuing_ = false;
};

}  // namespace brantlow

#endif  // BRANTLOW_FILES_SCRATCH_READER_H_
