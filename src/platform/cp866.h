// CP866, the code page of every text the program reads and writes.
//
// Sources are kept in UTF-8 so that Russian texts and box characters stay
// readable; Cp866Literal turns such a literal into its CP866 bytes at compile
// time, and a character outside the code page is a compile error.
#ifndef BRANTLOW_PLATFORM_CP866_H_
#define BRANTLOW_PLATFORM_CP866_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brantlow {

// Unicode code points of the bytes 0x80 to 0xFF.
inline constexpr std::array<char32_t, 128> kCp866High = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418,
    0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421,
    0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433,
    0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C,
    0x043D, 0x043E, 0x043F, 0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561,
    0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B,
    0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568,
    0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518,
    0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x0440, 0x0441, 0x0442,
    0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B,
    0x044C, 0x044D, 0x044E, 0x044F, 0x0401, 0x0451, 0x0404, 0x0454, 0x0407,
    0x0457, 0x040E, 0x045E, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4,
    0x25A0, 0x00A0,
};

// The CP866 byte of a code point; -1 when the code page has none.
constexpr int Cp866FromCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kCp866High.size(); ++i)
    if (kCp866High[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

// A UTF-8 string literal held as its CP866 bytes, terminated.
template <std::size_t N>
struct Cp866Literal {
  char bytes[N] = {};
  std::size_t size = 0;

  constexpr Cp866Literal(const char (&utf8)[N]) {
    std::size_t i = 0;
    while (i + 1 < N) {
      auto b = static_cast<unsigned char>(utf8[i]);
      char32_t cp = 0;
      int extra = 0;
      if (b < 0x80) {
        cp = b;
      } else if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F;
        extra = 1;
      } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F;
        extra = 2;
      } else {
        throw "not a CP866 character";
      }
      for (int k = 1; k <= extra; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
      i += 1 + extra;
      int byte = Cp866FromCodePoint(cp);
      if (byte < 0) throw "not a CP866 character";
      bytes[size++] = static_cast<char>(byte);
    }
    bytes[size] = '\0';
  }

  constexpr const char* c_str() const { return bytes; }
  constexpr std::string_view view() const { return {bytes, size}; }
};

// Appends the UTF-8 form of CP866 bytes to out (used on the way to a UTF-8
// terminal, and by tests that write expected bytes in readable form).
void AppendCp866AsUtf8(std::string_view cp866, std::string& out);

// The CP866 bytes of a UTF-8 text; characters outside the code page become
// "?". Malformed UTF-8 bytes are kept as they are.
std::string Utf8ToCp866(std::string_view utf8);

// A line of a text converted from CP866 to UTF-8, back in CP866: true when
// in is valid UTF-8 and holds a character CP866 writes with a byte of 0x80
// or more; out (room for in.size() bytes) then holds the CP866 text and
// out_len its length. A character the code page lacks stays as it is, and
// so do the ends of a character cut by the start or end of in (a line
// read in pieces). Nothing is allocated.
bool Utf8LineToCp866(std::string_view in, char* out, std::size_t& out_len);

// Whether text holds neither a NUL nor a byte of 0x80 or more: such a line
// is seen whole and needs no conversion, which one look at it tells.
inline bool PlainAscii(std::string_view text) {
  const char* p = text.data();
  const std::size_t n = text.size();
#if defined(__SSE2__)
  // Sixteen bytes a step, the last sixteen read again where they overlap.
  if (n >= 16) {
    const __m128i zero = _mm_setzero_si128();
    auto odd = [p, zero](std::size_t at) {
      const __m128i bytes =
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
      return _mm_movemask_epi8(
                 _mm_or_si128(bytes, _mm_cmpeq_epi8(bytes, zero))) != 0;
    };
    for (std::size_t i = 0; i + 16 <= n; i += 16)
      if (odd(i)) return false;
    return !odd(n - 16);
  }
#endif
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  // A zero byte borrows into its high bit (and only it borrows); a high
  // byte has it set. The last eight bytes are read again where they
  // overlap.
  auto odd = [p](std::size_t at) {
    std::uint64_t word = 0;
    std::memcpy(&word, p + at, 8);
    return (((word - kOnes) | word) & kHighs) != 0;
  };
  if (n >= 8) {
    for (std::size_t i = 0; i + 8 <= n; i += 8)
      if (odd(i)) return false;
    return !odd(n - 8);
  }
  for (std::size_t i = 0; i < n; ++i)
    if (p[i] == '\0' || static_cast<unsigned char>(p[i]) >= 0x80) return false;
  return true;
}

}  // namespace brantlow

// A CP866 literal with static storage: CP866("╔═") is a const char*.
#define CP866(s)                                            \
  ([]() -> const char* {                                    \
    static constexpr ::brantlow::Cp866Literal kLiteral_(s); \
    return kLiteral_.c_str();                               \
  }())

#endif  // BRANTLOW_PLATFORM_CP866_H_
