// Gives a fuzz input to the code under test as the file it would read.
#ifndef BRANTLOW_TESTS_FUZZ_FUZZ_FILE_H_
#define BRANTLOW_TESTS_FUZZ_FUZZ_FILE_H_

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace brantlow::fuzz {

// A path of this process's own in the temporary directory.
inline std::string ScratchPath(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir ? dir : "/tmp") + "/brantlow-fuzz-" +
         std::to_string(getpid()) + "-" + name;
}

// Writes the bytes to path, replacing what was there.
inline void WriteFile(const std::string& path, const std::uint8_t* data,
                      std::size_t size) {
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
}

}  // namespace brantlow::fuzz

#endif  // BRANTLOW_TESTS_FUZZ_FUZZ_FILE_H_
