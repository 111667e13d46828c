// Expected texts of a transcript against what a run left, line by line: a
// unified-style diff for a failure, and the bless mode
// (BRANTLOW_UPDATE=1), which writes what the run left back into the
// transcript (and into a fragment where the fragment's lines changed), so
// that `git diff` shows the change.
#ifndef BRANTLOW_TESTS_E2E_TRANSCRIPT_BLESS_H_
#define BRANTLOW_TESTS_E2E_TRANSCRIPT_BLESS_H_

#include <string>

#include "tests/e2e/transcript.h"

namespace brantlow::e2e {

// Whether BRANTLOW_UPDATE asks for expectations to be rewritten.
bool BlessMode();

// The lines of the expected text that differ from the actual one, with
// three lines of context: "-" lines with the file and line they are
// written at, "+" lines with their line number in the actual text.
std::string LineDiff(const ExpectedSource& expected, const std::string& actual);

// Rewrites the lines of the expected text so that they stand for actual,
// keeping every line that already does. Returns what was rewritten, or a
// text starting with "cannot" when a line to rewrite is no longer where
// the case read it (another case changed a shared fragment first: run the
// bless again).
std::string BlessText(const TranscriptCase& c, const ExpectedSource& expected,
                      const std::string& actual);

// Rewrites the "exit:" line of the case.
std::string BlessExit(const TranscriptCase& c, int status);

// The text of a content line (without its "|") that stands for bytes,
// which end with line_end unless the line is the last one and has none;
// in a (utf8) section the bytes are UTF-8 already.
std::string ContentText(const std::string& bytes, const std::string& line_end,
                        bool utf8);

}  // namespace brantlow::e2e

#endif  // BRANTLOW_TESTS_E2E_TRANSCRIPT_BLESS_H_
