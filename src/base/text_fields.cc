#include "base/text_fields.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace brantlow {

namespace {

constexpr std::size_t kMaxFieldWidth = 20;

std::string_view Field(std::string_view text, std::size_t column,
                       std::size_t width) {
  if (column >= text.size()) return {};
  return text.substr(column, width);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int ParseFieldNumber(std::string_view text, std::size_t column,
                     std::size_t width) {
  if (width > kMaxFieldWidth) width = kMaxFieldWidth;
  std::string_view field = Field(text, column, width);
  std::size_t i = 0;
  while (i < field.size() && IsFieldSpace(field[i])) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < field.size() && IsDigit(field[i]); ++i) {
    value = value * 10 + (field[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) {
      value = static_cast<long long>(INT_MAX) + 1;
    }
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

namespace {

// The exponent at field[i] ("e", a sign, digits), copied to number when it
// is a whole one.
void CopyExponent(std::string_view field, std::size_t i, char* number,
                  std::size_t& n) {
  if (i + 1 >= field.size() || (field[i] != 'e' && field[i] != 'E')) return;
  std::size_t j = i + 1;
  if (field[j] == '+' || field[j] == '-') ++j;
  if (j >= field.size() || !IsDigit(field[j])) return;
  while (i < j) number[n++] = field[i++];
  while (i < field.size() && IsDigit(field[i])) number[n++] = field[i++];
}

// Copies the plain decimal number at the start of field (after blanks: a
// sign, digits, a fraction, an exponent) to number; the count of the
// digits before the exponent, 0 for no number.
std::size_t CopyDecimal(std::string_view field, char* number, std::size_t& n) {
  std::size_t i = 0, digits = 0;
  while (i < field.size() && IsFieldSpace(field[i])) ++i;
  if (i < field.size() && (field[i] == '+' || field[i] == '-'))
    number[n++] = field[i++];
  auto copy_digits = [&] {
    for (; i < field.size() && IsDigit(field[i]); ++digits)
      number[n++] = field[i++];
  };
  copy_digits();
  if (i < field.size() && field[i] == '.') {
    number[n++] = field[i++];
    copy_digits();
  }
  if (digits > 0) CopyExponent(field, i, number, n);
  return digits;
}

// Whole numbers of up to 15 digits are exact in a double: most fields
// (times, sizes, rates) are, and they need no library conversion.
bool ExactWhole(const char* number, std::size_t n, double& value) {
  const std::size_t k = number[0] == '+' || number[0] == '-' ? 1 : 0;
  if (n > 16 || n - k > 15) return false;
  double whole = 0;
  for (std::size_t m = k; m < n; ++m) {
    if (!IsDigit(number[m])) return false;
    whole = whole * 10 + (number[m] - '0');
  }
  value = number[0] == '-' ? -whole : whole;
  return true;
}

}  // namespace

double FieldReal(std::string_view text, std::size_t column, std::size_t width) {
  // Two digits of a time, a colon after them: the common case, read at once.
  if (width == 2 && column + 1 < text.size() && IsDigit(text[column]) &&
      IsDigit(text[column + 1]) &&
      (column + 2 == text.size() ||
       (!IsDigit(text[column + 2]) && text[column + 2] != '.')))
    return (text[column] - '0') * 10 + (text[column + 1] - '0');
  if (width > kMaxFieldWidth) width = kMaxFieldWidth;
  std::string_view field = Field(text, column, width + 1);
  // Blanks and up to 15 digits with no fraction or exponent after them (a
  // rate, a size) are exact as they are read.
  std::size_t i = 0;
  while (i < field.size() && IsFieldSpace(field[i])) ++i;
  std::size_t j = i;
  std::int64_t whole = 0;
  for (; j < field.size() && j - i < 16 && IsDigit(field[j]); ++j)
    whole = whole * 10 + (field[j] - '0');
  if (j > i && j - i <= 15 &&
      (j == field.size() || (field[j] != '.' && field[j] != 'e' &&
                             field[j] != 'E' && !IsDigit(field[j]))))
    return static_cast<double>(whole);
  // Only plain decimal notation is accepted: copy that prefix and let the
  // C library convert it, so the result is correctly rounded.
  char number[kMaxFieldWidth + 2];
  std::size_t n = 0;
  if (CopyDecimal(field, number, n) == 0) return 0.0;
  number[n] = '\0';
  double value = 0;
  if (ExactWhole(number, n, value)) return value;
  // Callers add the values up: a bound far inside the range keeps every
  // sum finite.
  value = std::strtod(number, nullptr);
  if (value > FLT_MAX) return FLT_MAX;
  if (value < -FLT_MAX) return -FLT_MAX;
  return value;
}

ByteField ReadByteField(std::string_view text, std::size_t column) {
  constexpr std::size_t kMaxDigits = 15;
  auto ends = [](char c) {
    return c == ' ' || c == '/' || c == ',' || c == ')' || c == '\n' ||
           c == '\r' || c == '\0';
  };
  ByteField field;
  std::size_t i = column;
  while (i < text.size() && text[i] == ' ') ++i;
  const std::size_t first = i;
  // The digits first, as most fields are; anything else before the end
  // makes the field malformed.
  const std::size_t digits_end = std::min(text.size(), first + kMaxDigits);
  std::int64_t value = 0;
  for (; i < digits_end; ++i) {
    const unsigned digit = static_cast<unsigned char>(text[i]) - '0';
    if (digit > 9) break;
    value = value * 10 + digit;
  }
  if (i < text.size() && !ends(text[i])) {
    field.malformed = true;
    while (i < text.size() && !ends(text[i])) ++i;
  }
  field.end = i;
  if (i == first && i < text.size()) field.malformed = true;  // no digit
  field.value = field.malformed ? 0 : value;
  return field;
}

std::size_t FindPhrase(std::string_view text, std::string_view phrase,
                       std::size_t from) {
  if (phrase.empty() || from > text.size()) return std::string_view::npos;
  if (phrase.size() < 2 || phrase[0] != ' ') return text.find(phrase, from);
  // A phrase after a blank: blanks are everywhere in a line, its next
  // character is looked for instead.
  const std::string_view rest = phrase.substr(1);
  for (std::size_t at = from + 1; at <= text.size(); ++at) {
    at = text.find(rest, at);
    if (at == std::string_view::npos) return at;
    if (text[at - 1] == ' ') return at - 1;
  }
  return std::string_view::npos;
}

}  // namespace brantlow
