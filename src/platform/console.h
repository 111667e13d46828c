// The two ways text reaches the user: standard output (messages, summary,
// help) and the console device (progress bar, report step lines), which
// bypasses any redirection of standard output.
//
// Bytes are CP866; where the locale's character set is UTF-8 they are
// converted on the way out, to a terminal, a file or a pipe alike.
#ifndef BRANTLOW_PLATFORM_CONSOLE_H_
#define BRANTLOW_PLATFORM_CONSOLE_H_

#include <cstdio>
#include <string_view>

#include "platform/system_error.h"

namespace brantlow {

// Writes to standard output.
void Print(std::string_view bytes);
void Printf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Writes to standard output as they are, never converted: a path or a
// name the user typed, already in the console's own encoding.
void PrintAsGiven(std::string_view bytes);

// Writes to standard error as they are, for messages that stop the run
// before it starts.
void PrintError(std::string_view bytes);

// Writes straight to the console device.
void Show(std::string_view bytes);

// Whether the console device is a terminal that a progress display with
// backspaces suits; false under cron or in a pipe.
bool ConsoleIsTerminal();

// Whether the console's text is UTF-8 (the locale's character set), so
// that what the user typed is UTF-8 too.
bool ConsoleIsUtf8();

// Waits for one key press at the console, without echo; returns at once
// when there is no console to read from.
void WaitForKey();

// Sends what would go to standard output to standard error from now on,
// and returns a stream onto the original standard output, for a report
// that is to be piped on; null when that cannot be done.
std::FILE* DivertStandardOutput();

// Whether the stream is a terminal.
bool StreamIsTerminal(std::FILE* stream);

// Copies the file's bytes to the stream as they are, except that on a
// terminal control bytes other than tab, CR and LF show as "?". False,
// with error telling why, when the file cannot be read or the stream
// takes not all of it (a full device, a reader gone).
[[nodiscard]] bool CopyFileToStream(const char* path, std::FILE* stream,
                                    SystemError& error);

// A reader that goes away makes later writes fail, instead of ending the
// process before it has tidied up.
void IgnoreBrokenPipe();

// Flushes both streams; called before the process ends.
void FlushConsole();

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_CONSOLE_H_
