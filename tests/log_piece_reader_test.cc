#include "log/log_piece_reader.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_window.h"
#include "platform/text_file.h"
#include "tests/temp_dir.h"

namespace brantlow {
namespace {

using testing_support::TempDir;

struct Read {
  std::string bytes;
  std::int64_t end;
  bool operator==(const Read&) const = default;
};

// The pieces as line reads of at most 89 characters give them.
std::vector<Read> ByLineReads(const std::string& path) {
  std::vector<Read> reads;
  TextFile file;
  EXPECT_TRUE(file.OpenRead(path.c_str()));
  char buf[kLogPieceLimit + 1];
  while (std::size_t n = file.ReadLine(buf, kLogPieceLimit))
    reads.push_back({std::string(buf, n), file.Tell()});
  return reads;
}

// The same through the piece reader; with skip, SkipLines passes over the
// lines that begin with a digit, recording what it passed.
std::vector<Read> ByPieceReader(const std::string& path, bool skip = false) {
  std::vector<Read> reads;
  FileWindow window;
  EXPECT_TRUE(window.Open(path.c_str()));
  LogPieceReader reader(window);
  LogPiece piece;
  char buf[kLogPieceLimit + 1];
  for (;;) {
    if (skip) {
      std::int64_t before = reader.position();
      reader.SkipLines([&](const char* bytes, std::size_t length) {
        if (length < 1 || bytes[0] < '0' || bytes[0] > '9') return false;
        // What was passed over must be a whole line of one read.
        std::string raw(bytes, length);
        EXPECT_EQ('\n', raw.back());
        if (raw.size() >= 2 && raw[raw.size() - 2] == '\r')
          raw.erase(raw.size() - 2, 1);
        before += static_cast<std::int64_t>(length);
        reads.push_back({raw, before});
        return true;
      });
      EXPECT_EQ(before, reader.position());
    }
    if (!reader.Next(piece)) break;
    reads.push_back({std::string(piece.Folded(buf)), piece.end_position});
    EXPECT_EQ(piece.line_end, reads.back().bytes.back() == '\n')
        << testing::PrintToString(reads.back().bytes) << " at "
        << piece.end_position;
  }
  return reads;
}

TEST(LogPieceReaderTest, CutsPiecesExactlyAsLineReadsDo) {
  TempDir dir;
  const std::string long89(89, 'x'), long88(88, 'y');
  const std::string cases[] = {
      "",
      "one line\r\ntwo\nthree",
      long89 + "\n",          // 90 characters: a piece of 89, then "\n"
      long88 + "\r\n",        // CR LF as the 89th character
      long88 + "\r" + "z\n",  // a CR not before LF stays
      long89 + "\r\n",        // the CR LF begins the next piece
      std::string(300, 'q') + "\r\n\r\n\n",
      std::string("nul\0byte\r\n", 10) + "\r",
      "\r\r\n\r",
  };
  for (const std::string& bytes : cases) {
    dir.Write("log", bytes);
    EXPECT_EQ(ByLineReads(dir.File("log")), ByPieceReader(dir.File("log")))
        << testing::PrintToString(bytes);
    EXPECT_EQ(ByLineReads(dir.File("log")),
              ByPieceReader(dir.File("log"), true))
        << testing::PrintToString(bytes);
  }
}

TEST(LogPieceReaderTest, AgreesWithLineReadsOverManyWindowsOfRandomLines) {
  TempDir dir;
  std::mt19937 random(12345);
  std::string bytes;
  // Well over one read window, with lines of every length around the
  // limit, CR LF and bare LF, stray CRs and NUL bytes.
  while (bytes.size() < (3u << 20)) {
    int length = static_cast<int>(random() % 200);
    if (random() % 4 == 0) length = 85 + static_cast<int>(random() % 8);
    for (int i = 0; i < length; ++i) {
      unsigned r = random() % 64;
      bytes += r == 0   ? '\r'
               : r == 1 ? '\0'
                        : static_cast<char>('0' + random() % 40);
    }
    bytes += random() % 2 ? "\r\n" : "\n";
  }
  dir.Write("log", bytes);
  const std::vector<Read> expected = ByLineReads(dir.File("log"));
  EXPECT_TRUE(expected == ByPieceReader(dir.File("log")));
  EXPECT_TRUE(expected == ByPieceReader(dir.File("log"), true));
}

TEST(FileWindowTest, ReadsOnWhenTheFileGrowsAndRefusesDirectories) {
  TempDir dir;
  dir.Write("log", "first\n");
  FileWindow window;
  ASSERT_TRUE(window.Open(dir.File("log").c_str()));
  EXPECT_EQ(6, window.size());
  EXPECT_EQ("first\n", window.At(0));
  dir.Write("log", "first\nsecond\n");
  EXPECT_EQ("second\n", window.At(6));
  EXPECT_EQ("", window.At(13));
  EXPECT_FALSE(window.Open(dir.path().c_str()));
  EXPECT_FALSE(window.Open(dir.File("missing").c_str()));
}

}  // namespace
}  // namespace brantlow
