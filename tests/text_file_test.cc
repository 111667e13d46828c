#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/console.h"
#include "platform/run_lock.h"

namespace brantlow {
namespace {

class TextFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/brantlow-textfile-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir));
    dir_ = dir;
    path_ = dir_ + "/file.txt";
  }
  void TearDown() override {
    std::remove(path_.c_str());
    rmdir(dir_.c_str());
  }
  void Put(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  std::string Get() {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Every piece a reader with the given limit sees.
  std::string Pieces(std::size_t limit) {
    TextFile f;
    EXPECT_TRUE(f.OpenRead(path_.c_str()));
    std::string all;
    char buf[128];
    while (std::size_t n = f.ReadLine(buf, limit))
      all += "[" + std::string(buf, n) + "]";
    return all;
  }
  std::string dir_, path_;
};

TEST_F(TextFileTest, CrLfAndLfReadTheSame) {
  Put("one\r\ntwo\nthree\r\n");
  std::string crlf = Pieces(89);
  Put("one\ntwo\nthree\n");
  EXPECT_EQ(crlf, Pieces(89));
  EXPECT_EQ("[one\n][two\n][three\n]", crlf);
}

TEST_F(TextFileTest, LongLinesComeInPieces) {
  Put("abcdefgh\r\nxy");
  EXPECT_EQ("[abc][def][gh\n][xy]", Pieces(3));
  // The line end counts after its CR is dropped.
  Put("abc\r\n");
  EXPECT_EQ("[abc][\n]", Pieces(3));
  EXPECT_EQ("[abc\n]", Pieces(4));
}

TEST_F(TextFileTest, LoneCrAndNulAreKept) {
  Put(std::string("a\rb\0c\n", 6));
  EXPECT_EQ(std::string("[a\rb\0c\n]", 8), Pieces(89));
}

TEST_F(TextFileTest, WritesCrLfAndTracksPosition) {
  {
    TextFile f;
    ASSERT_TRUE(f.OpenWrite(path_.c_str()));
    f.Write("a\nb");
    f.Printf("%d\n", 42);
  }
  EXPECT_EQ("a\r\nb42\r\n", Get());
  {
    TextFile f;
    ASSERT_TRUE(f.OpenAppend(path_.c_str()));
    f.Write("\n");
  }
  EXPECT_EQ("a\r\nb42\r\n\r\n", Get());
  TextFile f;
  ASSERT_TRUE(f.OpenRead(path_.c_str()));
  ASSERT_TRUE(f.SeekEnd());
  EXPECT_EQ(10, f.Tell());
  ASSERT_TRUE(f.SeekStart());
  char buf[16];
  EXPECT_EQ(2u, f.ReadLine(buf, 15));
  EXPECT_EQ(3, f.Tell());  // the CR was read too
}

TEST_F(TextFileTest, LongFormattedText) {
  std::string big(5000, 'x');
  {
    TextFile f;
    ASSERT_TRUE(f.OpenWrite(path_.c_str()));
    f.Printf("%s\n", big.c_str());
  }
  EXPECT_EQ(big + "\r\n", Get());
}

TEST_F(TextFileTest, DirectoriesAndMissingFilesDoNotOpen) {
  TextFile f;
  EXPECT_FALSE(f.OpenRead(dir_.c_str()));
  EXPECT_FALSE(f.OpenRead("./"));
  EXPECT_FALSE(f.OpenWrite(dir_.c_str()));
  EXPECT_FALSE(f.OpenRead((dir_ + "/missing").c_str()));
  EXPECT_FALSE(f.is_open());
}

// A replaced file keeps its mode, is never written through a link at its
// name, and leaves no temporary behind, whether committed or not.
TEST_F(TextFileTest, ReplacingKeepsTheModeAndRefusesALink) {
  Put("old\r\n");
  chmod(path_.c_str(), 0600);
  {
    TextFile f;
    ASSERT_TRUE(f.OpenReplacing(path_.c_str(), /*copy_old=*/true));
    f.Write("new\n");
    ASSERT_TRUE(f.Commit());
  }
  EXPECT_EQ("old\r\nnew\r\n", Get());
  struct stat st;
  ASSERT_EQ(0, stat(path_.c_str(), &st));
  EXPECT_EQ(0600u, st.st_mode & 07777);
  {
    TextFile f;
    ASSERT_TRUE(f.OpenReplacing(path_.c_str(), /*copy_old=*/false));
    f.Write("dropped\n");
  }
  EXPECT_EQ("old\r\nnew\r\n", Get());
  const std::string link = dir_ + "/link";
  ASSERT_EQ(0, symlink(path_.c_str(), link.c_str()));
  TextFile f;
  EXPECT_FALSE(f.OpenReplacing(link.c_str(), false));
  EXPECT_FALSE(f.OpenWrite(link.c_str()));
  SystemError error;
  EXPECT_EQ(FileOutcome::kNotOpened, WriteWholeFile(link, "x", error));
  EXPECT_EQ("old\r\nnew\r\n", Get());
  unlink(link.c_str());
  unlink(path_.c_str());
  EXPECT_EQ(0, rmdir(dir_.c_str())) << "a temporary was left";
  mkdir(dir_.c_str(), 0700);
}

// A new file is put in only under a name no file has, even one made after
// the writing began; the temporary waits for the next name.
TEST_F(TextFileTest, ANewFileNeverReplacesOne) {
  Put("old");
  const std::string fresh = dir_ + "/fresh.pkt";
  {
    Replacement file;
    ASSERT_TRUE(file.Begin(fresh, /*copy_old=*/false));
    std::fputs("new", file.stream());
    EXPECT_EQ(Replacement::Placement::kNameTaken, file.CommitNew(path_));
    EXPECT_EQ(Replacement::Placement::kPlaced, file.CommitNew(fresh));
  }
  EXPECT_EQ("old", Get());
  std::ifstream in(fresh, std::ios::binary);
  std::stringstream placed;
  placed << in.rdbuf();
  EXPECT_EQ("new", placed.str());
  unlink(fresh.c_str());
  unlink(path_.c_str());
  EXPECT_EQ(0, rmdir(dir_.c_str())) << "a temporary was left";
  mkdir(dir_.c_str(), 0700);
}

// A replacement that fails names the file that failed: the directory its
// temporary could not be made in, the temporary whose writing failed (a
// file size limit stands in for a full disk), or the target it could not
// be renamed to.
TEST_F(TextFileTest, AFailedReplacementNamesTheFileThatFailed) {
  TextFile f;
  const std::string missing = dir_ + "/missing";
  EXPECT_FALSE(f.OpenReplacing((missing + "/file.txt").c_str(), false));
  EXPECT_EQ(missing, f.failed_file());

  rlimit saved;
  ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 8;
  ASSERT_TRUE(f.OpenReplacing(path_.c_str(), false));
  ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
  f.Write(std::string(100, 'x'));
  const bool committed = f.Commit();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(committed);
  EXPECT_EQ(0u, f.failed_file().find(dir_ + "/.file.txt.")) << f.failed_file();

  ASSERT_TRUE(f.OpenReplacing(path_.c_str(), false));
  ASSERT_EQ(0, mkdir(path_.c_str(), 0700));
  f.Write("x\n");
  EXPECT_FALSE(f.Commit());
  EXPECT_EQ(path_, f.failed_file());
  EXPECT_EQ("Is a directory", SystemErrorText(f.error()));
  EXPECT_EQ(0, rmdir(path_.c_str()));
}

// The run lock: the user's own file, never reached through a link nor made
// in a directory others may write to, and removed only while still the
// file this run locked.
TEST_F(TextFileTest, RunLockIsPrivateAndRemovesOnlyItsOwnFile) {
  const std::string lock_path = dir_ + "/brantlow.lck";
  const auto no_wait = [] {};
  SystemError error;
  {
    RunLock lock;
    ASSERT_TRUE(lock.Acquire(lock_path, no_wait, error));
    struct stat st;
    ASSERT_EQ(0, stat(lock_path.c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 07777);
    // Another run's file now stands at the path: it stays.
    ASSERT_EQ(0, rename(lock_path.c_str(), path_.c_str()));
    std::ofstream(lock_path) << "another run's";
  }
  EXPECT_EQ(0, access(lock_path.c_str(), F_OK));
  unlink(lock_path.c_str());
  ASSERT_EQ(0, symlink(path_.c_str(), lock_path.c_str()));
  RunLock lock;
  EXPECT_FALSE(lock.Acquire(lock_path, no_wait, error));
  unlink(lock_path.c_str());
  chmod(dir_.c_str(), 0777);
  EXPECT_FALSE(lock.Acquire(lock_path, no_wait, error));
  chmod(dir_.c_str(), 0700);
  EXPECT_EQ(0, access(lock_path.c_str(), F_OK) == 0 ? 1 : 0)
      << "a lock file was made";
}

// A report copied to a terminal shows a remote's control bytes as "?"; to
// a file or a pipe it goes byte for byte.
TEST_F(TextFileTest, ReportCopiesShowControlBytesOnlyOnATerminal) {
  const std::string report = "ok\t\x1B[2J\x07\x08 \xA0\r\n";
  Put(report);
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(0, grantpt(master));
  ASSERT_EQ(0, unlockpt(master));
  std::FILE* terminal = std::fopen(ptsname(master), "wb");
  ASSERT_NE(nullptr, terminal);
  termios raw;
  tcgetattr(fileno(terminal), &raw);
  cfmakeraw(&raw);
  tcsetattr(fileno(terminal), TCSANOW, &raw);
  SystemError error;
  EXPECT_TRUE(CopyFileToStream(path_.c_str(), terminal, error));
  char shown[64];
  const ssize_t n = read(master, shown, sizeof shown);
  EXPECT_EQ("ok\t?[2J?? \xA0\r\n",
            std::string(shown, n > 0 ? static_cast<std::size_t>(n) : 0));
  std::fclose(terminal);
  close(master);
  const std::string copy = dir_ + "/copy";
  std::FILE* file = std::fopen(copy.c_str(), "wb");
  EXPECT_TRUE(CopyFileToStream(path_.c_str(), file, error));
  std::fclose(file);
  std::ifstream in(copy, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(report, bytes.str());
  unlink(copy.c_str());
}

}  // namespace
}  // namespace brantlow
