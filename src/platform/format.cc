#include "platform/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace brantlow {

std::string_view VFormat(char* local, std::size_t local_size, std::string& big,
                         const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(local, local_size, format, copy);
  va_end(copy);
  if (n < 0) return {};
  const auto length = static_cast<std::size_t>(n);
  if (length < local_size) return {local, length};
  big.assign(length + 1, '\0');
  std::vsnprintf(big.data(), big.size(), format, args);
  return {big.data(), length};
}

namespace {

// Digits put at the end of a field of width blanks (or none, when they
// are wider), appended at once: a report's rows hold thousands.
void AppendRight(std::string& out, std::string_view digits, int width) {
  char field[64];
  const std::size_t wide =
      width > 0 ? static_cast<std::size_t>(width) : std::size_t{0};
  if (digits.size() >= wide || wide > sizeof field) {
    AppendText(out, digits, width, Align::kRight);
    return;
  }
  const std::size_t pad = wide - digits.size();
  std::memset(field, ' ', pad);
  std::memcpy(field + pad, digits.data(), digits.size());
  out.append(field, wide);
}

}  // namespace

void AppendNumber(std::string& out, long long value, int width) {
  char digits[24];
  const auto [end, error] =
      std::to_chars(digits, digits + sizeof digits, value);
  const std::string_view text(digits, error == std::errc() ? end - digits : 0);
  AppendRight(out, text, width);
}

void AppendWhole(std::string& out, double value, int width) {
  // Up to 2^53 every whole number is exact and rounding to the nearest,
  // half to even, is printf's; beyond, and for what is no number, printf.
  if (!std::isfinite(value) || std::fabs(value) >= 9007199254740992.0) {
    char text[512];
    std::snprintf(text, sizeof text, "%*.0f", width, value);
    out.append(text);
    return;
  }
  const double whole = std::nearbyint(value);
  char digits[24];
  std::size_t n = 0;
  if (std::signbit(whole)) digits[n++] = '-';
  const auto [end, error] =
      std::to_chars(digits + n, digits + sizeof digits,
                    static_cast<long long>(std::fabs(whole)));
  n = error == std::errc() ? static_cast<std::size_t>(end - digits) : 0;
  AppendRight(out, std::string_view(digits, n), width);
}

void AppendTwoDigits(std::string& out, int value, int width) {
  if (value >= 0 && value <= 99 && width <= 2) {  // a time's field
    const char digits[2] = {static_cast<char>('0' + value / 10),
                            static_cast<char>('0' + value % 10)};
    out.append(digits, 2);
    return;
  }
  if (value < 0) {
    char text[32];
    std::snprintf(text, sizeof text, "%*.2d", width, value);
    out.append(text);
    return;
  }
  char digits[16];
  std::size_t n = 0;
  if (value < 10) digits[n++] = '0';
  const auto [end, error] =
      std::to_chars(digits + n, digits + sizeof digits, value);
  n = error == std::errc() ? static_cast<std::size_t>(end - digits) : 0;
  AppendRight(out, std::string_view(digits, n), width);
}

void AppendText(std::string& out, std::string_view text, int width,
                Align align) {
  const std::size_t pad =
      width > 0 && text.size() < static_cast<std::size_t>(width)
          ? static_cast<std::size_t>(width) - text.size()
          : 0;
  if (align == Align::kRight && pad > 0) out.append(pad, ' ');
  out.append(text);
  if (align == Align::kLeft && pad > 0) out.append(pad, ' ');
}

}  // namespace brantlow
