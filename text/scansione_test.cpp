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

// The pair searched and the count against plain loops, at every place of
// texts of every length around the sixteen tried at once.
TEST(FindPairAndCountChar, AgreeWithPlainLoops)
{
    unsigned seed = 3;
    for (std::size_t length = 0; length <= 40; ++length) {
        for (int round = 0; round < 50; ++round) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i)
                text += "<!/a\n\xbc< "[(seed = seed * 1103515245u + 12345u) >> 16 & 7];
            text += '\0';  // the end must be readable
            const char* begin = text.data();
            const char* end = begin + length;
            const char* pair = begin;
            while (pair < end && !(pair[0] == '<' && (pair[1] == '!' || pair[1] == '/'))) ++pair;
            std::size_t lines = 0;
            for (const char* p = begin; p < end; ++p) lines += *p == '\n';
            EXPECT_EQ(FindPair(begin, end, '<', '!', '/'), pair) << text;
            EXPECT_EQ(CountChar(begin, end, '\n'), lines) << text;
        }
    }
}

}  // namespace
}  // namespace quadrivo
