// Where the report text goes: a file, or memory in tests and fuzz targets.
// Text is written with "\n" line ends, which both outputs here store as
// CR LF, the line end of DOS text files. (The outputs for scripts do not
// come through here: their bytes are written as they are.)
#ifndef BRANTLOW_PLATFORM_OUTPUT_H_
#define BRANTLOW_PLATFORM_OUTPUT_H_

#include <cstdarg>
#include <string>
#include <string_view>

namespace brantlow {

class Output {
 public:
  virtual ~Output() = default;

  virtual void Write(std::string_view bytes) = 0;
  void Printf(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;
  void VPrintf(const char* format, va_list args);
};

// Keeps the bytes a file would hold.
class MemoryOutput final : public Output {
 public:
  void Write(std::string_view bytes) override;
  const std::string& bytes() const { return bytes_; }
  void Clear() { bytes_.clear(); }
  void Truncate(std::size_t size) {
    if (size < bytes_.size()) bytes_.resize(size);
  }

 private:
  std::string bytes_;
};

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_OUTPUT_H_
