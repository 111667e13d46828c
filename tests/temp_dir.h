// A fresh directory for one test, removed with everything in it.
#ifndef BRANTLOW_TESTS_TEMP_DIR_H_
#define BRANTLOW_TESTS_TEMP_DIR_H_

#include <ftw.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace brantlow::testing_support {

class TempDir {
 public:
  TempDir() {
    char name[] = "/tmp/brantlow-test-XXXXXX";
    if (mkdtemp(name) != nullptr) path_ = name;
  }
  ~TempDir() {
    if (!path_.empty()) nftw(path_.c_str(), Remove, 16, FTW_DEPTH | FTW_PHYS);
  }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  std::string Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
  }

 private:
  static int Remove(const char* p, const struct stat*, int, struct FTW*) {
    return ::remove(p);
  }
  std::string path_;
};

}  // namespace brantlow::testing_support

#endif  // BRANTLOW_TESTS_TEMP_DIR_H_
