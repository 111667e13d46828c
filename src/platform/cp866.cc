#include "platform/cp866.h"

#include <cstdint>
#include <cstring>

namespace brantlow {

void AppendCp866AsUtf8(std::string_view cp866, std::string& out) {
  for (char c : cp866) {
    auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
      continue;
    }
    char32_t cp = kCp866High[b - 0x80];
    if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
}

std::string Utf8ToCp866(std::string_view utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    auto b = static_cast<unsigned char>(utf8[i]);
    int extra = (b & 0xE0) == 0xC0   ? 1
                : (b & 0xF0) == 0xE0 ? 2
                : (b & 0xF8) == 0xF0 ? 3
                                     : 0;
    if (b < 0x80 || extra == 0 || i + extra >= utf8.size()) {
      out.push_back(utf8[i++]);
      continue;
    }
    char32_t cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += 1 + extra;
    int byte = Cp866FromCodePoint(cp);
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return out;
}

namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The length of a UTF-8 sequence by its lead byte; 0 for a byte that
// cannot lead one.
std::size_t SequenceLength(unsigned char b) {
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 0;
}

// The code point of a whole sequence of length bytes; -1 for an overlong
// form, a surrogate or a value past U+10FFFF.
long CodePoint(const unsigned char* s, std::size_t length) {
  long cp = s[0] & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (s[k] & 0x3F);
  const long least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < least[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return -1;
  return cp;
}

// One character from i: its CP866 byte when it has one of 80 hex or more,
// else its bytes as they are (a character the piece cuts off included);
// false for bytes that are no UTF-8. high tells that a byte was converted.
bool ConvertOne(const unsigned char* s, std::size_t size, std::size_t& i,
                char* out, std::size_t& n, bool& high) {
  const std::size_t length = SequenceLength(s[i]);
  if (length == 0) return false;
  std::size_t k = 1;
  while (k < length && i + k < size && IsContinuation(s[i + k])) ++k;
  if (k < length && i + k < size) return false;  // a byte cannot go on
  const long cp = k == length ? CodePoint(s + i, length) : 0;
  if (cp < 0) return false;
  const int byte = k == length && length > 1
                       ? Cp866FromCodePoint(static_cast<char32_t>(cp))
                       : -1;
  if (byte >= 0x80) {
    out[n++] = static_cast<char>(byte);
    high = true;
  } else {
    for (std::size_t m = 0; m < k; ++m) out[n++] = static_cast<char>(s[i + m]);
  }
  i += k;
  return true;
}

}  // namespace

bool Utf8LineToCp866(std::string_view in, char* out, std::size_t& out_len) {
  const auto* s = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t size = in.size();
  // Most lines are plain ASCII: nothing to look at closer. Eight bytes
  // are looked at a time.
  std::size_t i = 0;
  for (std::uint64_t word = 0; i + 8 <= size; i += 8) {
    std::memcpy(&word, s + i, 8);
    if ((word & 0x8080808080808080ULL) != 0) break;
  }
  while (i < size && s[i] < 0x80) ++i;
  if (i == size) return false;
  // A byte that neither leads nor goes on a character: no UTF-8 (the
  // mailer's own "■" among them), nothing copied.
  if (!IsContinuation(s[i]) && SequenceLength(s[i]) == 0) return false;
  std::size_t n = 0;
  bool high = false;
  if (i > 0) {
    std::memcpy(out, in.data(), i);
    n = i;
  }
  // The tail of a character the piece before began.
  if (i == 0)
    while (i < size && i < 3 && IsContinuation(s[i])) out[n++] = in[i++];
  while (i < size)
    if (!ConvertOne(s, size, i, out, n, high)) return false;
  out_len = n;
  return high;
}

}  // namespace brantlow
