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

}  // namespace
}  // namespace quadrivo
