#include "platform/text_file.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/cp866.h"
#include "platform/file_system.h"

namespace brantlow {

namespace {
constexpr std::size_t kWriteBufferSize = 1 << 16;
}

void TextFile::BufferWrites() {
  if (!write_buffer_)
    write_buffer_ = std::make_unique<char[]>(kWriteBufferSize);
  std::setvbuf(file_, write_buffer_.get(), _IOFBF, kWriteBufferSize);
}

bool TextFile::Open(const char* path, char mode) {
  Close();
  write_failed_ = false;
  open_failed_ = true;
  error_ = {};
  if (NamesDirectory(path)) {
    error_ = DirectoryError();
    return false;
  }
  if (mode == 'r') {
    file_ = std::fopen(path, "rb");
    if (file_ == nullptr) error_ = LastSystemError();
  } else {
    file_ = OpenForWriting(path,
                           mode == 'a'   ? WriteMode::kAppend
                           : mode == 'x' ? WriteMode::kNew
                                         : WriteMode::kTruncate,
                           error_);
  }
  if (file_ == nullptr) return false;
  // Re-check: the path may have been swapped for a directory meanwhile.
  if (IsDirectoryStream(file_)) {
    Close();
    error_ = DirectoryError();
    return false;
  }
  open_failed_ = false;
  if (mode != 'r') BufferWrites();
  return true;
}

bool TextFile::OpenRead(const char* path) {
  read_position_ = 0;
  return reading_ = Open(path, 'r');
}
bool TextFile::OpenWrite(const char* path) {
  reading_ = false;
  return Open(path, 'w');
}
bool TextFile::OpenNew(const char* path) {
  reading_ = false;
  return Open(path, 'x');
}
bool TextFile::OpenAppend(const char* path) {
  reading_ = false;
  return Open(path, 'a');
}

bool TextFile::OpenUnique(const std::string& path, std::string& created) {
  Close();
  reading_ = false;
  write_failed_ = false;
  open_failed_ = true;
  error_ = {};
  if (NamesDirectory(path.c_str())) {
    error_ = DirectoryError();
    return false;
  }
  file_ = CreateUniqueBeside(path, created, error_);
  if (file_ == nullptr) return false;
  open_failed_ = false;
  BufferWrites();
  return true;
}

bool TextFile::OpenReplacing(const char* target, bool copy_old) {
  Close();
  reading_ = false;
  write_failed_ = false;
  open_failed_ = true;
  error_ = {};
  failed_file_.clear();
  if (NamesDirectory(target)) {
    error_ = DirectoryError();
    return false;
  }
  if (!replacement_.Begin(target, copy_old)) {
    error_ = replacement_.error();
    failed_file_ = replacement_.failed_file();
    return false;
  }
  file_ = replacement_.stream();
  open_failed_ = false;
  BufferWrites();
  return true;
}

bool TextFile::Commit() {
  if (file_ == nullptr || !replacement_.active()) return false;
  file_ = nullptr;
  read_next_ = read_end_ = 0;
  if (write_failed_) {
    // The writes that failed went to the temporary.
    failed_file_ = replacement_.temporary();
    replacement_.Abandon();
    return false;
  }
  if (replacement_.Commit()) return true;
  WriteFailed();
  error_ = replacement_.error();
  failed_file_ = replacement_.failed_file();
  return false;
}

bool TextFile::TruncateTo(std::int64_t size) {
  if (file_ == nullptr || reading_) return false;
  if (TruncateStream(file_, size)) return true;
  WriteFailed();
  return false;
}

void TextFile::Close() {
  if (file_ == nullptr) return;
  if (replacement_.active()) {
    replacement_.Abandon();
  } else if (std::fclose(file_) != 0) {
    WriteFailed();
  }
  file_ = nullptr;
  read_next_ = read_end_ = 0;
}

bool TextFile::FillReadBuffer() {
  read_next_ = 0;
  read_end_ = std::fread(read_buffer_, 1, sizeof read_buffer_, file_);
  return read_end_ > 0;
}

std::size_t TextFile::ReadLine(char* buf, std::size_t max_chars) {
  std::size_t n = 0;
  if (file_ == nullptr) {
    buf[0] = '\0';
    return 0;
  }
  while (n < max_chars) {
    if (read_next_ == read_end_ && !FillReadBuffer()) break;
    // A run of bytes that are neither CR nor LF is copied at once.
    const char* from = read_buffer_ + read_next_;
    const std::size_t run =
        PlainRun(from, std::min(read_end_ - read_next_, max_chars - n));
    std::memcpy(buf + n, from, run);
    n += run;
    read_next_ += run;
    read_position_ += static_cast<std::int64_t>(run);
    if (n == max_chars || read_next_ == read_end_) continue;
    char c = read_buffer_[read_next_++];
    ++read_position_;
    if (c == '\r' && (read_next_ < read_end_ || FillReadBuffer()) &&
        read_buffer_[read_next_] == '\n') {
      c = '\n';
      ++read_next_;
      ++read_position_;
    }
    buf[n++] = c;
    if (c == '\n') break;
  }
  buf[n] = '\0';
  return n;
}

void TextFile::Write(std::string_view bytes) {
  if (file_ == nullptr) return;
  if (utf8_) {
    std::string text;
    AppendCp866AsUtf8(bytes, text);
    std::string converted;
    for (char c : text) {
      if (c == '\n')
        converted += kHostLineEnd;
      else
        converted += c;
    }
    if (std::fwrite(converted.data(), 1, converted.size(), file_) !=
        converted.size())
      write_failed_ = true;
    return;
  }
  if (bare_newlines_) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
      WriteFailed();
    return;
  }
  // Each run up to a line end, the line end as CR LF: a row of a report
  // put together and written at once, a long text a run at a time.
  const bool whole = bytes.size() <= kWholeWrite;
  with_crlf_.clear();
  auto put = [&](const char* run, std::size_t n) {
    if (whole)
      with_crlf_.append(run, n);
    else if (n > 0 && std::fwrite(run, 1, n, file_) != n)
      WriteFailed();
  };
  for (std::size_t start = 0; start < bytes.size();) {
    const void* found =
        std::memchr(bytes.data() + start, '\n', bytes.size() - start);
    const std::size_t end =
        found == nullptr ? bytes.size()
                         : static_cast<std::size_t>(
                               static_cast<const char*>(found) - bytes.data());
    put(bytes.data() + start, end - start);
    if (found == nullptr) break;
    put("\r\n", 2);
    start = end + 1;
  }
  if (whole && !with_crlf_.empty() &&
      std::fwrite(with_crlf_.data(), 1, with_crlf_.size(), file_) !=
          with_crlf_.size())
    WriteFailed();
}

void TextFile::WriteFailed() {
  if (!write_failed_) error_ = LastSystemError();
  write_failed_ = true;
}

void TextFile::Flush() {
  if (file_ != nullptr && !reading_ && std::fflush(file_) != 0) WriteFailed();
}

std::int64_t TextFile::Tell() {
  if (file_ == nullptr) return -1;
  if (reading_) return read_position_;
  return TellStream(file_);
}

bool TextFile::SeekStart() { return SeekTo(0); }

bool TextFile::SeekEnd() {
  if (file_ == nullptr || !SeekStream(file_, 0, SEEK_END)) return false;
  read_position_ = TellStream(file_);
  read_next_ = read_end_ = 0;
  return true;
}

bool TextFile::SeekTo(std::int64_t position) {
  if (file_ == nullptr || !SeekStream(file_, position, SEEK_SET)) return false;
  read_position_ = position;
  read_next_ = read_end_ = 0;
  return true;
}

FileOutcome WriteWholeFile(const std::string& path, std::string_view bytes,
                           SystemError& error, std::string* failed_file) {
  std::string unused;
  std::string& failed = failed_file != nullptr ? *failed_file : unused;
  failed = path;
  if (IsDirectory(path.c_str())) {
    error = DirectoryError();
    return FileOutcome::kNotOpened;
  }
  Replacement file;
  if (!file.Begin(path, /*copy_old=*/false)) {
    error = file.error();
    failed = file.failed_file();
    return FileOutcome::kNotOpened;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) !=
      bytes.size()) {
    error = LastSystemError();
    failed = file.temporary();
    file.Abandon();
    return FileOutcome::kWriteFailed;
  }
  if (!file.Commit()) {
    error = file.error();
    failed = file.failed_file();
    return FileOutcome::kWriteFailed;
  }
  return FileOutcome::kOk;
}

}  // namespace brantlow
