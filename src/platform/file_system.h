// Directories and file names on the host.
#ifndef BRANTLOW_PLATFORM_FILE_SYSTEM_H_
#define BRANTLOW_PLATFORM_FILE_SYSTEM_H_

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "platform/system_error.h"

namespace brantlow {

// The separator written into paths the program builds.
extern const char kPathSeparator;

// The line end of the host's own text files: "\n", or "\r\n" on Windows.
extern const char kHostLineEnd[];

// Whether the host's file names are the same in any letter case.
extern const bool kFileNamesIgnoreCase;

// dir + separator + name, the separator added only when dir does not
// already end with one.
std::string JoinPath(std::string_view dir, std::string_view name);

// Where the file name begins: just after the last separator, or 0.
std::size_t FileNameStart(std::string_view path);

// The path without one trailing separator.
std::string_view WithoutTrailingSeparator(std::string_view path);

bool IsDirectory(const char* path);

// Creates one directory level.
bool MakeDirectory(const char* path);

bool RemoveFile(const char* path);
// Removes an empty directory.
bool RemoveEmptyDirectory(const char* path);

// A local calendar date, as the host's clock gives it.
struct FileDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The local date of the file's last change; false when it cannot be read.
bool FileModifiedDate(const char* path, FileDate& date);

// The one way the program replaces a file: written under an unpredictable
// name beside it, then put in its place whole, so that a killed run leaves
// either the old file or the new one, never a cut one, and a planted link
// is never written through.
class Replacement {
 public:
  Replacement() = default;
  ~Replacement() { Abandon(); }
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;

  // Creates the temporary beside target, exclusively and never through a
  // link; with copy_old it begins as a copy of target's bytes. Refuses a
  // target that is a link, not a plain file, or another user's.
  [[nodiscard]] bool Begin(const std::string& target, bool copy_old);
  std::FILE* stream() const { return stream_; }
  bool active() const { return stream_ != nullptr; }

  // Syncs the temporary, gives it the target's mode (and owner, where the
  // run may), renames it over the target and syncs the directory. The
  // stream is closed either way; on failure the temporary is removed.
  [[nodiscard]] bool Commit();
  // Asks the system to begin writing out what the temporary holds so far,
  // where it can be asked: the commit's sync then waits for less.
  void StartWriteOut();
  // Closes and removes the temporary; the target stays as it was.
  void Abandon();

  // Where CommitNew put the temporary.
  enum class Placement { kPlaced, kNameTaken, kFailed };
  // Puts the temporary in at name beside it, only where no file has that
  // name: never over one, not even one made a moment before. The stream is
  // closed either way; kNameTaken keeps the temporary for another name,
  // kFailed removes it.
  [[nodiscard]] Placement CommitNew(const std::string& name);

  SystemError error() const { return error_; }
  // The file the error is about: the target, the temporary, or the
  // directory the temporary was to be made in.
  const std::string& failed_file() const { return failed_; }
  const std::string& temporary() const { return temporary_; }

 private:
  // Keeps the reason, names the temporary (or at) as what failed, and
  // abandons; false.
  bool Fail();
  bool FailAt(const std::string& at);
  // The directory part of path, "." when it has none.
  static std::string DirectoryOf(const std::string& path);
  std::string failed_;
  std::string target_;
  std::string temporary_;
  std::FILE* stream_ = nullptr;
  SystemError error_;
  bool had_target_ = false;
  unsigned mode_ = 0;
  long long owner_ = -1;
  long long group_ = -1;
};

// Creates a new file beside path under an unpredictable name made from
// it, exclusively and never through a link, open for writing; the name is
// put in created. Null with error set when none can be made.
std::FILE* CreateUniqueBeside(const std::string& path, std::string& created,
                              SystemError& error);

enum class WriteMode {
  kTruncate,  // emptied, or created
  kAppend,    // added to, or created
  kNew,       // created; one already there is refused
};

// Opens path for writing without following a link at its name, refusing
// a file of another user; null with error set otherwise.
std::FILE* OpenForWriting(const char* path, WriteMode mode, SystemError& error);

// Cuts an open stream back to its first size bytes and writes on from there.
bool TruncateStream(std::FILE* stream, std::int64_t size);

// The path with its links resolved, so that a file can be replaced where
// it really is; the path itself when it cannot be resolved.
std::string ResolvedPath(const std::string& path);

// Calls visit with the name of every entry of the directory, "." and ".."
// left out, in the order the host lists them. False when it cannot be read.
bool ListDirectory(const char* path,
                   const std::function<void(const char* name)>& visit);

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_FILE_SYSTEM_H_
