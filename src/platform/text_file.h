// Text files in the DOS convention, whatever the host.
//
// Reading drops a CR that stands directly before LF, so CR LF and LF files
// read alike; writing turns every "\n" into CR LF. The files are opened as
// bytes and the convention is kept here, on Windows too: positions stay
// byte offsets that can be sought back to, and a Ctrl-Z in a log does not
// end it early. A path that names a directory never opens.
#ifndef BRANTLOW_PLATFORM_TEXT_FILE_H_
#define BRANTLOW_PLATFORM_TEXT_FILE_H_

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/output.h"
#include "platform/system_error.h"

namespace brantlow {

// How the writing of a file went, for the caller to tell the user.
enum class FileOutcome {
  kOk,           // opened, and every write taken (or nothing to write)
  kNotOpened,    // could not be created or opened
  kWriteFailed,  // a write or the closing failed: a full disk and the like
};

class TextFile final : public Output, public LineReader {
 public:
  TextFile() = default;
  ~TextFile() override { Close(); }
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Each returns false when the file cannot be opened (or is a directory).
  bool OpenRead(const char* path);
  bool OpenWrite(const char* path);   // creates or truncates
  bool OpenAppend(const char* path);  // creates when missing
  bool OpenNew(const char* path);     // refuses a file already there
  // Creates a new file beside path under an unpredictable name, put in
  // created; refused when path names a directory.
  bool OpenUnique(const std::string& path, std::string& created);
  // Writes a file that replaces target when committed, beginning as a
  // copy of it with copy_old; closed uncommitted, target stays as it was.
  bool OpenReplacing(const char* target, bool copy_old);
  // Puts a file opened replacing in its target's place; false, with
  // error() telling why, when it was not written whole or cannot be put.
  [[nodiscard]] bool Commit();
  // Cuts a file open for writing back to size bytes.
  bool TruncateTo(std::int64_t size);
  void Close();
  bool is_open() const { return file_ != nullptr; }
  // The open stream, for a lock to be taken on it.
  std::FILE* stream() const { return file_; }

  // Reads one line of at most max_chars characters into buf (which holds
  // max_chars + 1), stopping after a line end, and terminates it. Returns
  // the number of characters read, NUL bytes included; 0 at end of file.
  std::size_t ReadLine(char* buf, std::size_t max_chars) override;

  // Writes bytes, each "\n" as CR LF.
  void Write(std::string_view bytes) override;

  // From now on writes turn CP866 text into UTF-8, with the host's line
  // ends instead of CR LF.
  void WriteUtf8() { utf8_ = true; }
  // Lines end in a bare LF, as a log written that way keeps them.
  void WriteBareNewlines() { bare_newlines_ = true; }

  // Hands buffered writes to the system, so that a failure shows in
  // outcome() while the file stays open.
  void Flush();
  // After Flush, for a file that replaces another: its write-out begins.
  void StartWriteOut() {
    if (replacement_.active()) replacement_.StartWriteOut();
  }

  // Byte position; the size is the position at the end.
  std::int64_t Tell() override;
  bool SeekStart();
  bool SeekEnd();
  bool SeekTo(std::int64_t position) override;

  // True once a write has failed (full disk and the like).
  bool write_failed() const { return write_failed_; }

  // The outcome of the last opening for writing and what followed; call
  // it after Close, which is when buffered writes fail.
  FileOutcome outcome() const {
    return open_failed_    ? FileOutcome::kNotOpened
           : write_failed_ ? FileOutcome::kWriteFailed
                           : FileOutcome::kOk;
  }

  // Why the last opening, or the first failed write since, failed.
  SystemError error() const { return error_; }
  // The file that error is about when it is not the one opened: the
  // temporary of a replacement, or the directory it was to be made in;
  // empty otherwise.
  const std::string& failed_file() const { return failed_file_; }

 private:
  bool Open(const char* path, char mode);

  // What the host does differently: one implementation each.
  static bool NamesDirectory(const char* path);
  static bool IsDirectoryStream(std::FILE* file);
  static std::int64_t TellStream(std::FILE* file);
  static bool SeekStream(std::FILE* file, std::int64_t offset, int whence);

  std::FILE* file_ = nullptr;
  // Given to a stream opened for writing, before replacement_ so that it
  // outlives the stream: the C library's own block is 4 kB, a system call
  // for every few report lines.
  std::unique_ptr<char[]> write_buffer_;
  void BufferWrites();
  Replacement replacement_;
  bool write_failed_ = false;
  bool utf8_ = false;
  bool bare_newlines_ = false;
  bool open_failed_ = false;
  // A write of up to kWholeWrite bytes with its line ends turned to
  // CR LF, handed on whole; a longer one goes a run at a time.
  static constexpr std::size_t kWholeWrite = 4096;
  std::string with_crlf_;
  SystemError error_;
  std::string failed_file_;
  // Marks the file's writing failed, keeping the first reason.
  void WriteFailed();
  // Lines are cut from a block read here, not a byte at a time.
  bool FillReadBuffer();
  char read_buffer_[1 << 14];
  std::size_t read_next_ = 0;
  std::size_t read_end_ = 0;
  // Read position kept here, so that asking for it costs no system call.
  std::int64_t read_position_ = 0;
  bool reading_ = false;
};

// Writes bytes as they are to a file of their own, under a temporary name
// beside it first, so that the file is either whole or as it was; error
// tells why it is not.
// failed_file, when given, is set to the file the error is about.
FileOutcome WriteWholeFile(const std::string& path, std::string_view bytes,
                           SystemError& error,
                           std::string* failed_file = nullptr);

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_TEXT_FILE_H_
