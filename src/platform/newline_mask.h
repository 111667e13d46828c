// Where the line ends are in 64 bytes of text, as one bit per byte: the
// log scan finds every line of a long log this way, 64 bytes a step, with
// the processor's vector compare where it has one.
#ifndef BRANTLOW_PLATFORM_NEWLINE_MASK_H_
#define BRANTLOW_PLATFORM_NEWLINE_MASK_H_

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brantlow {

// Bit i is set when p[i] is "\n"; p[0] to p[63] must be readable.
inline std::uint64_t NewlineMask(const char* p) {
#if defined(__SSE2__)
  const __m128i newline = _mm_set1_epi8('\n');
  auto bits = [&](int i) {
    const __m128i bytes =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, newline))));
  };
  return bits(0) | bits(1) << 16 | bits(2) << 32 | bits(3) << 48;
#else
  std::uint64_t mask = 0;
  for (int i = 0; i < 64; ++i)
    if (p[i] == '\n') mask |= std::uint64_t{1} << i;
  return mask;
#endif
}

}  // namespace brantlow

#endif  // BRANTLOW_PLATFORM_NEWLINE_MASK_H_
