// Directories and file names on the host.
#ifndef BRANTLOW_PLATFORM_FILE_SYSTEM_H_
#define BRANTLOW_PLATFORM_FILE_SYSTEM_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

// Makes to a copy of the bytes of from, or an empty file when from does
// not exist; false when that cannot be done.
bool CopyFileBytes(const char* from, const char* to);

// Cuts the file back to its first size bytes.
bool TruncateFile(const char* path, std::int64_t size);

// Puts the file from in place of the file to in one step, so that to never
// goes missing; false (and nothing changed) when that cannot be done, as
// across file systems.
bool ReplaceFile(const char* from, const char* to);

// Calls visit with the name of every entry of the directory, "." and ".."
// left out, in the order the host lists them. False when it cannot be read.
bool ListDirectory(const char* path,
                   const std::function<void(const char* name)>& visit);

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_FILE_SYSTEM_H_
