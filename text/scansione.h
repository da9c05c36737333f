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

// The first place p in from..end where p[0] is a, p[1] is b and p[2] is c
// or C, or end; end[0] and end[1] must be readable. Where the processor can,
// sixteen places are tried at once.
inline const char* FindTriple(const char* from, const char* end, char a, char b, char c, char C)
{
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(a);
    const __m128i second = _mm_set1_epi8(b);
    const __m128i third = _mm_set1_epi8(c);
    const __m128i other = _mm_set1_epi8(C);
    while (end - from >= 16) {
        // Most stretches of sixteen hold no a at all: they cost one test.
        const __m128i firsts = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)), first);
        if (_mm_movemask_epi8(firsts) == 0) {
            from += 16;
            continue;
        }
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 1));
        const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 2));
        const __m128i hits =
            _mm_and_si128(_mm_and_si128(firsts, _mm_cmpeq_epi8(next, second)),
                          _mm_or_si128(_mm_cmpeq_epi8(after, third), _mm_cmpeq_epi8(after, other)));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0) return from + std::countr_zero(mask);
        from += 16;
    }
#endif
    for (; from < end; ++from)
        if (from[0] == a && from[1] == b && (from[2] == c || from[2] == C)) return from;
    return end;
}

// The first place p in from..end where *p is a and p[1] is b or c, or end;
// end itself must be readable. Where the processor can, sixteen places are
// tried at once.
inline const char* FindPair(const char* from, const char* end, char a, char b, char c)
{
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(a);
    const __m128i second = _mm_set1_epi8(b);
    const __m128i other = _mm_set1_epi8(c);
    while (end - from >= 16) {
        const __m128i firsts = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)), first);
        if (_mm_movemask_epi8(firsts) == 0) {
            from += 16;
            continue;
        }
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 1));
        const __m128i hits =
            _mm_and_si128(firsts, _mm_or_si128(_mm_cmpeq_epi8(next, second), _mm_cmpeq_epi8(next, other)));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0) return from + std::countr_zero(mask);
        from += 16;
    }
#endif
    for (; from < end; ++from)
        if (from[0] == a && (from[1] == b || from[1] == c)) return from;
    return end;
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
