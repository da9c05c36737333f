#ifndef QUADRIVO_TEXT_SCANSIONE_H
#define QUADRIVO_TEXT_SCANSIONE_H

#include <bit>
#include <cstdint>
#include <cstring>

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

}  // namespace quadrivo

#endif
