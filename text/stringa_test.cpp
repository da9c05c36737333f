#include "text/stringa.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string Str(const CStringa& s) { return std::string(s.CStr(), s.Length()); }

TEST(StringaNumbers, DoubleDropsTrailingZerosButNeverPastThePoint)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {2.5, "2.5"},   {3.0, "3"},      {10.0, "10"},    {0.125, "0.125"}, {1.0000004, "1"},
        {-0.0000001, "-0"}, {2.0, "2"},  {0.5, "0.5"},    {-1.25, "-1.25"}, {100.0, "100"},
        {0.001, "0.001"}, {-3.0, "-3"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(CStringa(c.value)), c.text) << c.value;
}

TEST(StringaNumbers, HugeDoubleIsPrintedWhole)
{
    const CStringa s(1e300);
    EXPECT_EQ(s.Length(), 301u);
    EXPECT_EQ(*s.At(0), '1');
}

TEST(StringaNumbers, IntAndLong)
{
    EXPECT_EQ(Str(CStringa(7)), "7");
    EXPECT_EQ(Str(CStringa(-12L)), "-12");
}

TEST(StringaSearch, IsCaseInsensitiveAndLeavesPosAtTheEnd)
{
    const CStringa abc("abc");
    unsigned pos = 99;
    EXPECT_TRUE(abc.Search(CStringa("B"), pos, 0));
    EXPECT_EQ(pos, 1u);
    EXPECT_FALSE(abc.Search(CStringa("bc"), pos, 2));
    EXPECT_EQ(pos, 2u);
    EXPECT_FALSE(abc.Search(CStringa("x"), pos, 0));
    EXPECT_EQ(pos, 3u);
    EXPECT_FALSE(abc.Search(CStringa("abcd"), pos, 0));
    EXPECT_TRUE(CStringa("<TEST>").Search(CStringa("<test>"), pos, 0));
    EXPECT_EQ(pos, 0u);
}

}  // namespace
