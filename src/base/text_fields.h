// Numbers and phrases at fixed columns of a line.
//
// A line is seen up to its first NUL byte, so every reader takes a
// string_view of that text; nothing is ever read past its end.
#ifndef BRANTLOW_BASE_TEXT_FIELDS_H_
#define BRANTLOW_BASE_TEXT_FIELDS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brantlow {

// The text of a fixed-width character field: up to its first NUL, at most
// N characters (a full field need not be terminated).
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
  std::size_t n = 0;
  while (n < N && field[n] != '\0') ++n;
  return {field, n};
}

// A C string as the text the readers see.
inline std::string_view LineText(const char* line) { return line; }

// White space before a number, as the C locale has it: the console's
// locale, which the program takes from the environment, must not change
// what a field says.
constexpr bool IsFieldSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// The decimal integer in at most width (capped at 20) characters from
// column: leading white space, one sign, digits. Saturates at the int range.
int ParseFieldNumber(std::string_view text, std::size_t column,
                     std::size_t width);
// The same; two digits, a date's or a time's, read in line: every line's
// stamp is read so.
inline int FieldNumber(std::string_view text, std::size_t column,
                       std::size_t width) {
  if (width == 2 && column + 1 < text.size()) {
    const unsigned tens = static_cast<unsigned char>(text[column]) - '0';
    const unsigned units = static_cast<unsigned char>(text[column + 1]) - '0';
    if (tens <= 9 && units <= 9) return static_cast<int>(tens * 10 + units);
  }
  return ParseFieldNumber(text, column, width);
}

// As FieldNumber, over width + 1 characters, as a decimal real number.
double FieldReal(std::string_view text, std::size_t column, std::size_t width);

// A byte count of a log line: after any blanks, 1 to 15 digits ended by a
// blank, "/", ",", ")" or the line end. Anything else there (a sign, a
// fraction, an exponent, a 16th digit, no digit) reads as 0 and is
// malformed; a field that the end of a piece of a line cuts before any
// character of it is just absent.
struct ByteField {
  std::int64_t value = 0;
  bool malformed = false;
  std::size_t end = 0;  // the column of the character that ends it
};
ByteField ReadByteField(std::string_view text, std::size_t column);

// Whether the first count characters of phrase stand at column. Inline:
// every line of the log is tried against every phrase.
inline bool PhraseAt(std::string_view text, std::string_view phrase,
                     std::size_t column, std::size_t count) {
  if (count == 0 || phrase.size() < count) return false;
  if (column > text.size() || text.size() - column < count) return false;
  // Most tries fail on the first character: no compare call for those.
  if (text[column] != phrase[0]) return false;
  return text.compare(column, count, phrase, 0, count) == 0;
}
inline bool PhraseAt(std::string_view text, std::string_view phrase,
                     std::size_t column) {
  return PhraseAt(text, phrase, column, phrase.size());
}

// The first column from from on where the whole phrase stands, or npos;
// an empty phrase stands nowhere.
std::size_t FindPhrase(std::string_view text, std::string_view phrase,
                       std::size_t from);

// The text without the blanks at its end, as a field padded to its width
// reads.
inline std::string TrimmedRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

// Case mapping of the ASCII letters alone: the CP866 letters above 0x7F
// keep their case, as the mailer's own comparisons do.
constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Copies text into a fixed field, cut to capacity - 1, terminated.
template <std::size_t N>
void CopyField(char (&field)[N], std::string_view text) {
  std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
  for (std::size_t i = 0; i < n; ++i) field[i] = text[i];
  for (std::size_t i = n; i < N; ++i) field[i] = '\0';
}

}  // namespace brantlow

#endif  // BRANTLOW_BASE_TEXT_FIELDS_H_
