#include "text/utilita.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

TEST(Random, StaysWithinItsBounds)
{
    SeedRandom(7);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(Random(5, 5), 5);
        seen.insert(Random(0, 2));
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
    EXPECT_GE(Random(-3, -1), -3);
    EXPECT_LE(Random(-3, -1), -1);
}

TEST(RandomPermutation, HoldsEveryValueOnce)
{
    SeedRandom(11);
    for (int n : {1, 4, 37}) {
        int order[37];
        RandomPermutation(order, n);
        std::set<int> values(order, order + n);
        EXPECT_EQ(values.size(), static_cast<size_t>(n));
        EXPECT_EQ(*values.begin(), 0);
        EXPECT_EQ(*values.rbegin(), n - 1);
    }
    int untouched[1] = {42};
    RandomPermutation(untouched, 0);
    EXPECT_EQ(untouched[0], 42);
}

// Two tests made in the same second no longer draw the same orders, and a
// fixed seed gives a test the same ones again.
TEST(RandomPermutation, OneGeneratorThatTestsCanFix)
{
    auto draw = [] {
        std::vector<int> order(20);
        RandomPermutation(order.data(), 20);
        return order;
    };
    SeedRandom(3);
    const std::vector<int> first = draw();
    EXPECT_NE(draw(), first);
    SeedRandom(3);
    EXPECT_EQ(draw(), first);
}

TEST(Round, HalvesGoAwayFromZero)
{
    const struct {
        double x;
        int decimals;
        double result;
    } cases[] = {
        {0.125, 2, 0.13}, {-0.125, 2, -0.13}, {7.0, 0, 7.0},  {-1.5, 0, -2.0}, {0.0, 3, 0.0},
        {2.5, 0, 3.0},    {1.26, 1, 1.3},     {1.4, -1, 1.0}, {-2.4, 0, -2.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Round(c.x, c.decimals), c.result) << c.x << " " << c.decimals;
}

TEST(Round, ValuesBeyondTheIntRangeAreTruncatedNotWrapped)
{
    EXPECT_DOUBLE_EQ(Round(5e9, 0), 5e9);
    EXPECT_DOUBLE_EQ(Round(-5e9, 0), -5e9);
    EXPECT_DOUBLE_EQ(Round(3e9 + 0.7, 0), 3e9 + 1);
}

// Files keep the forms they have always had wherever those read back
// exactly; only the values they lost get the shortest exact text.
TEST(ExactNumbers, UsualFormWhenExactShortestOtherwise)
{
    const struct {
        double decimal;
        const char* decimalText;
        float single;
        const char* singleText;
        const char* generalText;
    } rows[] = {
        {2.5, "2.5", 2.5f, "2.5", "2.5"},
        {-3, "-3", -0.5f, "-0.5", "-0.5"},
        {652.125, "652.125", 100000, "100000", "100000"},
        {4e-7, "4e-07", 1e-8f, "1e-08", "1e-08"},
        {3.14159265358979, "3.14159265358979", 0.1f, "0.1", "0.1"},
        {1.0 / 3, "0.3333333333333333", 1.0f / 3, "0.33333334", "0.33333334"},
        {1e21, "1000000000000000000000", 123456.79f, "123456.789062", "123456.79"},
        {0, "0", -0.0f, "-0", "-0"},
        {-0.0, "-0", 3, "3", "3"},
        {999999999999999, "999999999999999", -1, "-1", "-1"},
    };
    for (const auto& row : rows) {
        EXPECT_STREQ(ExactDecimal(row.decimal).CStr(), row.decimalText);
        EXPECT_STREQ(ExactDecimal(row.single).CStr(), row.singleText);
        std::string appended = "x";
        AppendExactDecimal(appended, row.single);
        EXPECT_EQ(appended, std::string("x") + row.singleText);
        EXPECT_STREQ(ExactGeneral(row.single).CStr(), row.generalText);
        EXPECT_EQ(CStringa(row.decimalText).ToDouble(), row.decimal);
        EXPECT_EQ(static_cast<float>(CStringa(row.generalText).ToDouble()), row.single);
    }
}

TEST(Paths, DirOfKeepsTheLastSeparatorOfEitherKind)
{
    const struct {
        const char* path;
        const char* dir;
    } cases[] = {
        {"C:\\test\\a.tst", "C:\\test\\"}, {"a.tst", ""}, {"dir/a.tst", "dir/"},
        {"a\\b/c.tst", "a\\b/"},           {"/", "/"},    {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(DirOf(CStringa(c.path))), c.dir) << c.path;
#ifdef _WIN32
    EXPECT_EQ(PathSeparator(), '\\');
#else
    EXPECT_EQ(PathSeparator(), '/');
#endif
}

TEST(WriteLine, ScramblesTheTextItselfOnlyForFlagOne)
{
    const struct {
        int flag;
        const char* written;
    } cases[] = {{1, "No#&\n"}, {0, "Ab 0\n"}, {2, "Ab 0\n"}};
    for (const auto& c : cases) {
        CStringa text("Ab 0");
        std::ostringstream out;
        WriteLine(out, text, c.flag);
        EXPECT_EQ(out.str(), c.written) << c.flag;
        EXPECT_EQ(Str(text), std::string(c.written, 4)) << c.flag;
    }
    CStringa text("x");
    std::ostringstream out;
    WriteText(out, text, 1);
    EXPECT_EQ(out.str(), "k");
}

class FilesTest : public testing::Test {
protected:
    CStringa Path(const char* name) const { return CStringa((folder.Path() + "/" + name).c_str()); }

    TempFolder folder{"utilita"};
};

TEST_F(FilesTest, CreateIfMissingMakesAnEmptyFileAndKeepsAnExistingOne)
{
    const CStringa name = Path("a.lck");
    EXPECT_FALSE(FileExists(name));
    CreateIfMissing(name);
    EXPECT_TRUE(FileExists(name));
    EXPECT_EQ(std::filesystem::file_size(name.CStr()), 0u);

    ASSERT_TRUE(WriteFile(name.CStr(), "kept"));
    CreateIfMissing(name);
    EXPECT_EQ(std::filesystem::file_size(name.CStr()), 4u);
}

}  // namespace

}  // namespace quadrivo
