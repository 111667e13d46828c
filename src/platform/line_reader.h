// Reading text a line at a time, from a file or from memory. A CR that
// stands directly before LF is dropped, so CR LF and LF text read alike;
// positions are byte offsets that can be sought back to.
#ifndef BRANTLOW_PLATFORM_LINE_READER_H_
#define BRANTLOW_PLATFORM_LINE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brantlow {

// How many of the size bytes at from come before the first CR or LF: a
// run a line reader copies at once.
std::size_t PlainRun(const char* from, std::size_t size);

class LineReader {
 public:
  virtual ~LineReader() = default;

  // Reads one line of at most max_chars characters into buf (which holds
  // max_chars + 1), stopping after a line end, and terminates it. Returns
  // the number of characters read, NUL bytes included; 0 at the end.
  virtual std::size_t ReadLine(char* buf, std::size_t max_chars) = 0;
  virtual std::int64_t Tell() = 0;
  virtual bool SeekTo(std::int64_t position) = 0;
};

// Lines of bytes held by the caller, which must outlive the reader.
class MemoryLines final : public LineReader {
 public:
  explicit MemoryLines(std::string_view bytes) : bytes_(bytes) {}
  std::size_t ReadLine(char* buf, std::size_t max_chars) override;
  std::int64_t Tell() override { return static_cast<std::int64_t>(next_); }
  bool SeekTo(std::int64_t position) override;

 private:
  std::string_view bytes_;
  std::size_t next_ = 0;
};

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_LINE_READER_H_
