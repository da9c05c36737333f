#include "text/scansione.h"

#include <gtest/gtest.h>

#include <string>

namespace quadrivo {
namespace {

// The character sought at every place of texts of every length around the
// eight tested at once, among bytes that differ from it by one bit or have
// the high bit set.
TEST(FindChar, FindsTheFirstOccurrenceAtEveryPlace)
{
    for (const char sought : {'<', '\0', '\xff'}) {
        std::string filler;
        for (const char c : {'=', ';', '\x1c', '\xbc', '\x7c', '\xfe', '\x01', '\x3d'})
            if (c != sought) filler += c;
        for (std::size_t length = 0; length <= 24; ++length) {
            for (std::size_t at = 0; at <= length; ++at) {
                std::string text;
                for (std::size_t i = 0; i < length; ++i) text += filler[i % filler.size()];
                if (at < length) text[at] = sought;
                if (at + 3 < length) text[at + 3] = sought;
                const char* begin = text.data();
                EXPECT_EQ(FindChar(begin, begin + length, sought) - begin, static_cast<long>(at))
                    << "length " << length << ", at " << at << ", byte " << int(sought);
            }
        }
    }
}

// The pair and triple searched and the count against plain loops, at every
// place of texts of every length around the sixteen tried at once, with
// '<' everywhere or at one place only.
TEST(FindPairAndCountChar, AgreeWithPlainLoops)
{
    unsigned seed = 3;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (std::size_t length = 0; length <= 40; ++length) {
        for (int round = 0; round < 50; ++round) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i) text += "<!/a\n\xbc<A"[next() & 7];
            if (round % 2 == 1) {
                for (char& c : text)
                    if (c == '<') c = ' ';
                // A tag's start, whole or cut short by the end.
                if (length > 0) text.replace(next() % length, 3, round % 4 == 1 ? "</A" : "<!a");
                text.resize(length);
            }
            text += std::string(2, '\0');  // the end must be readable
            const char* begin = text.data();
            const char* end = begin + length;
            const char* pair = begin;
            while (pair < end && !(pair[0] == '<' && (pair[1] == '!' || pair[1] == '/'))) ++pair;
            const char* triple = begin;
            while (triple < end &&
                   !(triple[0] == '<' && triple[1] == '/' && (triple[2] == 'a' || triple[2] == 'A')))
                ++triple;
            std::size_t lines = 0;
            for (const char* p = begin; p < end; ++p) lines += *p == '\n';
            EXPECT_EQ(FindPair(begin, end, '<', '!', '/'), pair) << text;
            EXPECT_EQ(FindTriple(begin, end, '<', '/', 'a', 'A'), triple) << text;
            EXPECT_EQ(CountChar(begin, end, '\n'), lines) << text;
        }
    }
}

}  // namespace
}  // namespace quadrivo
