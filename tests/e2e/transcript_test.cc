// Registers one test per transcript case found under tests/e2e.
#include "tests/e2e/transcript.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/transcript_bless.h"

namespace brantlow::e2e {
namespace {

// Where the first difference lies, with some context on both sides.
std::string Difference(const std::string& expected, const std::string& actual) {
  std::size_t i = 0;
  while (i < expected.size() && i < actual.size() && expected[i] == actual[i])
    ++i;
  std::size_t from = i > 80 ? i - 80 : 0;
  return "first difference at byte " + std::to_string(i) + "\n--- expected:\n" +
         Printable(expected.substr(from, 240)) + "\n--- actual:\n" +
         Printable(actual.substr(from, 240)) + "\n";
}

class TranscriptTest : public testing::Test {
 public:
  explicit TranscriptTest(TranscriptCase c) : case_(std::move(c)) {}

  void TestBody() override {
    ASSERT_TRUE(HaveFaketime()) << "faketime is needed to fix the run's date";
    if (std::getenv("BRANTLOW_TEST_RUNNER") != nullptr &&
        (case_.terminal || case_.locale || !case_.links.empty()))
      GTEST_SKIP()
          << "a terminal, a locale and symbolic links are POSIX matters";
    RunResult r = RunCase(case_, BRANTLOW_BINARY, BRANTLOW_STANDIN);
    SCOPED_TRACE(case_.file + ":" + std::to_string(case_.line));
    if (case_.exit_status && *case_.exit_status != r.exit_status) {
      if (BlessMode()) {
        std::printf("%s", BlessExit(case_, r.exit_status).c_str());
      } else {
        EXPECT_EQ(*case_.exit_status, r.exit_status);
      }
    }
    if (case_.stdout_text)
      Compare("stdout", *case_.stdout_text, r.stdout_bytes);
    if (case_.console_text)
      Compare("console", *case_.console_text, r.console_bytes);

    std::map<std::string, std::string> expected = case_.inputs;
    for (const auto& [name, target] : case_.links)
      expected[name] = LinkText(target);
    for (const std::string& g : case_.gone) expected.erase(g);
    for (const auto& [name, bytes] : case_.outputs) expected[name] = bytes;
    for (const auto& [name, bytes] : expected) {
      auto found = r.files.find(name);
      if (found == r.files.end()) {
        ADD_FAILURE() << "missing file " << name;
        continue;
      }
      if (case_.outputs.count(name) != 0) {
        Compare("out " + name, bytes, found->second);
      } else {
        EXPECT_TRUE(found->second == bytes)
            << "file " << name << ": " << Difference(bytes, found->second);
      }
    }
    for (const auto& [name, bytes] : r.files) {
      if (!expected.count(name)) {
        ADD_FAILURE() << "unexpected file " << name << ":\n"
                      << Printable(bytes);
      }
    }
  }

 private:
  // An expected text against the actual one: shown line by line where it
  // differs, or written back into the transcript in the bless mode.
  void Compare(const std::string& key, const std::string& expected,
               const std::string& actual) {
    if (expected == actual) return;
    const auto source = case_.sources.find(key);
    if (source == case_.sources.end()) {
      ADD_FAILURE() << key << ": " << Difference(expected, actual);
      return;
    }
    if (!BlessMode()) {
      ADD_FAILURE() << key << " differs (- expected, + actual):\n"
                    << LineDiff(source->second, actual)
                    << "(BRANTLOW_UPDATE=1 writes the actual text into the "
                       "transcript)";
      return;
    }
    const std::string report = BlessText(case_, source->second, actual);
    std::printf("%s: %s", key.c_str(), report.c_str());
    if (report.find("cannot") != std::string::npos) ADD_FAILURE() << report;
  }

  TranscriptCase case_;
};

std::string TestName(const std::string& text) {
  std::string name;
  for (char c : text)
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

void RegisterTranscripts() {
  std::vector<std::string> files;
  if (DIR* dir = opendir(BRANTLOW_TRANSCRIPTS)) {
    while (dirent* e = readdir(dir)) {
      std::string name = e->d_name;
      if (name.size() > 2 && name.compare(name.size() - 2, 2, ".t") == 0)
        files.push_back(name);
    }
    closedir(dir);
  }
  std::sort(files.begin(), files.end());
  for (const std::string& file : files) {
    std::string error;
    std::vector<TranscriptCase> cases =
        ParseTranscript(std::string(BRANTLOW_TRANSCRIPTS) + "/" + file, error);
    std::string suite = TestName(file.substr(0, file.size() - 2));
    if (!error.empty()) {
      testing::RegisterTest(suite.c_str(), "parse", nullptr, nullptr, __FILE__,
                            __LINE__, [error]() -> testing::Test* {
                              struct Failing : testing::Test {
                                std::string why;
                                void TestBody() override { FAIL() << why; }
                              };
                              auto* t = new Failing;
                              t->why = error;
                              return t;
                            });
      continue;
    }
    for (const TranscriptCase& c : cases) {
      testing::RegisterTest(
          suite.c_str(), TestName(c.name).c_str(), nullptr, nullptr,
          c.file.c_str(), c.line,
          [c]() -> testing::Test* { return new TranscriptTest(c); });
    }
  }
}

const bool registered = (RegisterTranscripts(), true);

// What the bless mode writes reads back as the bytes it stands for: CP866
// text, escapes, braces, long runs and a last line without its end.
TEST(TranscriptBless, ContentTextReadsBackAsItsBytes) {
  const std::string cp866_line =
      "\xC9\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBB \x8F\xE0\xA8 {x*2} \\";
  const std::string lines[] = {cp866_line + "\r\n", "a\tb\bc\x01\x7F\r\n",
                               std::string(40, ' ') + "x\r\n", "lone\nLF\r\n",
                               "no end"};
  for (const std::string& bytes : lines) {
    std::string back;
    EXPECT_TRUE(ExpandContent(ContentText(bytes, "\r\n", false), back));
    const bool ended =
        bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n";
    if (ended) back += "\r\n";  // the line end the section adds
    EXPECT_EQ(Printable(bytes), Printable(back))
        << ContentText(bytes, "\r\n", false);
  }
}

}  // namespace
}  // namespace brantlow::e2e
