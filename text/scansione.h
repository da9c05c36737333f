#ifndef QUADRIVO_TEXT_SCANSIONE_H
#define QUADRIVO_TEXT_SCANSIONE_H

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quadrivo {

// The first c in from..end, or end. Tags in our files lie a few characters
// apart, too close for a library call to pay off: eight characters are
// tested at once instead.
inline const char* FindChar(const char* from, const char* end, char c)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t ones = 0x0101010101010101u;
        constexpr std::uint64_t highs = 0x8080808080808080u;
        const std::uint64_t pattern = ones * static_cast<unsigned char>(c);
        while (end - from >= 8) {
            std::uint64_t word;
            std::memcpy(&word, from, sizeof word);
            const std::uint64_t x = word ^ pattern;
            // The lowest marked byte is the first that equals c.
            const std::uint64_t found = (x - ones) & ~x & highs;
            if (found != 0) return from + (std::countr_zero(found) >> 3);
            from += 8;
        }
    }
    while (from < end && *from != c) ++from;
    return from;
}

// The first place p in from..end where p[0] is a, p[1] is b1 or b2 and,
// when kThird, p[2] is c1 or c2; or end. The characters a match reads must
// be readable past end. Where the processor can, sixteen places are tried at
// once, and a stretch of sixteen without a costs one test: most have none.
template <bool kThird>
inline const char* FindFollowed(const char* from, const char* end, char a, char b1, char b2, char c1, char c2)
{
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(a);
    const __m128i seconds[] = {_mm_set1_epi8(b1), _mm_set1_epi8(b2)};
    const __m128i thirds[] = {_mm_set1_epi8(c1), _mm_set1_epi8(c2)};
    const auto either = [](__m128i chunk, const __m128i(&pair)[2]) {
        return _mm_or_si128(_mm_cmpeq_epi8(chunk, pair[0]), _mm_cmpeq_epi8(chunk, pair[1]));
    };
    while (end - from >= 16) {
        __m128i hits = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)), first);
        if (_mm_movemask_epi8(hits) == 0) {
            from += 16;
            continue;
        }
        hits =
            _mm_and_si128(hits, either(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 1)), seconds));
        if constexpr (kThird)
            hits = _mm_and_si128(hits,
                                 either(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 2)), thirds));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0) return from + std::countr_zero(mask);
        from += 16;
    }
#endif
    for (; from < end; ++from)
        if (from[0] == a && (from[1] == b1 || from[1] == b2) && (!kThird || from[2] == c1 || from[2] == c2))
            return from;
    return end;
}

// The first place p in from..end where p[0] is a, p[1] is b and p[2] is c
// or C, or end; end[0] and end[1] must be readable.
inline const char* FindTriple(const char* from, const char* end, char a, char b, char c, char C)
{
    return FindFollowed<true>(from, end, a, b, b, c, C);
}

// The first place p in from..end where *p is a and p[1] is b or c, or end;
// end itself must be readable.
inline const char* FindPair(const char* from, const char* end, char a, char b, char c)
{
    return FindFollowed<false>(from, end, a, b, c, '\0', '\0');
}

// How many times c occurs in from..end. Where the processor can, sixteen
// characters are compared at once: each one equal to c adds one to its own
// byte of a sum, which is added up before any of its bytes can overflow.
inline std::size_t CountChar(const char* from, const char* end, char c)
{
    std::size_t count = 0;
#if defined(__SSE2__)
    const __m128i pattern = _mm_set1_epi8(c);
    while (end - from >= 16) {
        __m128i sums = _mm_setzero_si128();
        for (int round = 0; round < 255 && end - from >= 16; ++round, from += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
            sums = _mm_sub_epi8(sums, _mm_cmpeq_epi8(chunk, pattern));  // equal bytes are -1
        }
        const __m128i total = _mm_sad_epu8(sums, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(total)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(total, 8)));
    }
#endif
    for (; from < end; ++from) count += *from == c;
    return count;
}

}  // namespace quadrivo

#endif
