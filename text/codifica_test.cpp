#include "text/codifica.h"

#include <gtest/gtest.h>

#include <string>

namespace quadrivo {

namespace {

TEST(Windows1252, EveryByteComesBackThroughItsCharacter)
{
    for (int b = 1; b < 256; ++b)
        EXPECT_EQ(Windows1252Of(CharOfWindows1252(static_cast<unsigned char>(b))), b) << b;
    EXPECT_EQ(Windows1252Of(0), -1);
    EXPECT_EQ(Windows1252Of(0x3A9), -1);  // Greek omega
}

TEST(Windows1252, ToAndFromUtf8)
{
    const struct {
        std::string windows1252, utf8;
    } rows[] = {
        {"perch\xe9 \x80", "perch\xc3\xa9 \xe2\x82\xac"},
        {"\x81", "\xc2\x81"},    // an undefined byte as the control of its number
        {"caf\xe9", "caf\xe9"},  // not UTF-8: most likely Windows-1252 already
    };
    EXPECT_EQ(Utf8FromWindows1252(rows[0].windows1252), rows[0].utf8);
    EXPECT_EQ(Utf8FromWindows1252(rows[1].windows1252), rows[1].utf8);
    EXPECT_EQ(Utf8FromWindows1252("\x81", UndefinedBytes::AsReplacement), "\xef\xbf\xbd");
    for (const auto& row : rows) EXPECT_EQ(Windows1252FromUtf8(row.utf8), row.windows1252);
    EXPECT_EQ(Windows1252FromUtf8("\xce\xa9.tst"), "?.tst");
}

}  // namespace

}  // namespace quadrivo
