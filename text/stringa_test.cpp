#include "text/stringa.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <sstream>
#include <string>
#include <vector>

namespace {

// While set, array allocations fail: the only way a string loses its buffer.
bool failArrays = false;

class AllocationFailure {
public:
    AllocationFailure() { failArrays = true; }
    ~AllocationFailure() { failArrays = false; }
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;
};

}  // namespace

// The program's array allocations go through these, so that a test can make
// them fail; each pair allocates and frees with the same functions.
void* operator new[](std::size_t size)
{
    void* block = failArrays ? nullptr : std::malloc(size ? size : 1);
    if (!block) throw std::bad_alloc();
    return block;
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

namespace quadrivo {
namespace {

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

TEST(StringaNumbers, DoubleDropsTrailingZerosButNeverPastThePoint)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {2.5, "2.5"}, {3.0, "3"},   {10.0, "10"},     {0.125, "0.125"}, {1.0000004, "1"}, {-0.0000001, "-0"},
        {2.0, "2"},   {0.5, "0.5"}, {-1.25, "-1.25"}, {100.0, "100"},   {0.001, "0.001"}, {-3.0, "-3"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(CStringa(c.value)), c.text) << c.value;
}

TEST(StringaNumbers, HugeDoubleIsPrintedWhole)
{
    const CStringa s(1e300);
    EXPECT_EQ(s.Length(), 301u);
    EXPECT_EQ(*s.At(0), '1');
}

// Every text reads as atof reads it, bit for bit: the short decimals a file
// holds, random ones at the edge of fifteen digits, and what atof alone can
// read; and the shorter ones as atoi reads them.
TEST(StringaNumbers, ToDoubleAndToIntReadAsAtofAndAtoi)
{
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "+7",
                                      "3",
                                      "-1",
                                      "0.1",
                                      "2.5",
                                      ".5",
                                      "5.",
                                      "-.25",
                                      "1e3",
                                      " 3",
                                      "3 ",
                                      "",
                                      "-",
                                      ".",
                                      "1.2.3",
                                      "0x10",
                                      "1,5",
                                      "inf",
                                      "nan",
                                      "999999999999999",
                                      "9999999999999999",
                                      "0.000000000000001",
                                      "123456.789012345",
                                      "00000000000000012"};
    unsigned seed = 11;
    for (int i = 0; i < 2000; ++i) {
        std::string t = (seed = seed * 1103515245u + 12345u) & 0x10000 ? "-" : "";
        const unsigned digits = 1 + (seed >> 17) % 15;
        const unsigned point = (seed >> 21) % (digits + 1);
        for (unsigned d = 0; d < digits; ++d) {
            if (d == point && d > 0) t += '.';
            t += static_cast<char>('0' + ((seed = seed * 1103515245u + 12345u) >> 16) % 10);
        }
        texts.push_back(t);
    }
    for (const std::string& t : texts) {
        const double expected = std::atof(t.c_str());
        const double got = CStringa(t.c_str()).ToDouble();
        EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << t << ": " << got << " vs " << expected;
        if (t.size() <= 9) {
            EXPECT_EQ(CStringa(t.c_str()).ToInt(), std::atoi(t.c_str())) << t;
        }
    }
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

namespace {

CStringa NotOk()
{
    AllocationFailure failing;
    return CStringa("lost");
}

TEST(StringaBasics, AtClampsToTheTerminator)
{
    const CStringa s("ab");
    EXPECT_EQ(*s.At(1), 'b');
    EXPECT_EQ(*s.At(2), '\0');
    EXPECT_EQ(*s.At(99), '\0');
    EXPECT_EQ(*s.At(static_cast<unsigned>(-1)), '\0');
}

TEST(StringaBasics, ComparisonsAreCaseSensitiveAndByteWise)
{
    EXPECT_TRUE(CStringa() == CStringa(""));
    EXPECT_FALSE(CStringa("Ab") == CStringa("ab"));
    EXPECT_TRUE(CStringa("Ab") != CStringa("ab"));
    EXPECT_TRUE(CStringa("b") > CStringa("a"));
    EXPECT_FALSE(CStringa("a") > CStringa("a"));
    EXPECT_TRUE(CStringa("\xE8") > CStringa("z"));  // bytes compare unsigned, as strcmp
}

TEST(StringaParts, ExtractLeavesDestUnchangedOutOfRange)
{
    const CStringa abcd("abcd");
    const struct {
        unsigned pos, count;
        const char* result;
    } cases[] = {
        {3, 2, "old"}, {2, 2, "cd"},   {4, 0, ""},
        {5, 0, "old"}, {0, 4, "abcd"}, {1, static_cast<unsigned>(-1), "old"},
    };
    for (const auto& c : cases) {
        CStringa dest("old");
        abcd.Extract(dest, c.pos, c.count);
        EXPECT_EQ(Str(dest), c.result) << c.pos << "," << c.count;
    }
}

TEST(StringaParts, UnquoteTakesTheTextBetweenTheFirstTwoQuotes)
{
    const struct {
        const char* text;
        const char* result;
    } cases[] = {
        {"x = \"Il Nome\"", "Il Nome"}, {"\"\"", ""}, {"no quotes", ""}, {"\"open", ""}, {"\"a\"b\"c\"", "a"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(Unquote(CStringa(c.text))), c.result) << c.text;
}

TEST(StringaEdit, TrimRemovesCLocaleWhiteSpaceOnly)
{
    const struct {
        const char* text;
        const char* result;
    } cases[] = {
        {"  a b  ", "a b"}, {"   ", ""}, {"", ""}, {"\t\n\v\f\rx\r\n", "x"}, {"\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const auto& c : cases) {
        CStringa s(c.text);
        s.Trim();
        EXPECT_EQ(Str(s), c.result) << c.text;
    }
}

TEST(StringaEdit, ToLowerFoldsOnlyAsciiLetters)
{
    EXPECT_EQ(Str(Lower(CStringa("AbZ@[\xC8\xE8"))), "abz@[\xC8\xE8");
}

TEST(StringaEdit, InsertAndRemovePositions)
{
    CStringa s("ab");
    s.Insert(0, 'x');
    EXPECT_EQ(Str(s), "xab");
    s.Insert(3, 'y');
    EXPECT_EQ(Str(s), "xaby");
    s.Insert(5, 'z');
    EXPECT_EQ(Str(s), "xaby");

    CStringa t("abcd");
    t.Remove(1, 2);
    EXPECT_EQ(Str(t), "ad");
    t.Remove(1, 0);
    t.Remove(0, 2);
    EXPECT_EQ(Str(t), "ad");
    t.Remove(0, 1);
    EXPECT_EQ(Str(t), "");
}

TEST(StringaSearch, NoMatchLeavesPosPastTheLastCandidate)
{
    const CStringa text("hello");
    unsigned pos = 77;
    EXPECT_FALSE(text.Search(CStringa("LX"), pos, 0));
    EXPECT_EQ(pos, 4u);  // 5 - 2 + 1
    pos = 77;
    EXPECT_FALSE(text.Search(CStringa("lo"), pos, 4));
    EXPECT_EQ(pos, 4u);
    pos = 77;
    EXPECT_FALSE(text.Search(CStringa("o"), pos, 9));
    EXPECT_EQ(pos, 9u);  // a start beyond the last candidate stays
    pos = 77;
    EXPECT_FALSE(text.Search(NotOk(), pos, 0));
    EXPECT_EQ(pos, 77u);
}

TEST(StringaSearch, EmptyPatternIsFoundOnlyAtTheEnd)
{
    unsigned pos = 0;
    EXPECT_TRUE(CStringa("abc").Search(CStringa(""), pos, 0));
    EXPECT_EQ(pos, 3u);
}

TEST(StringaSearch, AccentedBytesMatchOnlyThemselves)
{
    unsigned pos = 0;
    EXPECT_FALSE(CStringa("\xC8").Search(CStringa("\xE8"), pos, 0));
    EXPECT_TRUE(CStringa("perch\xE8").Search(CStringa("PERCH\xE8"), pos, 0));
}

TEST(StringaSearch, FindReturnsPositionOrMinusOne)
{
    const CStringa text("a\"b\"c");
    EXPECT_EQ(Find(text, CStringa("\""), 0), 1);
    EXPECT_EQ(Find(text, CStringa("\""), 2), 3);
    EXPECT_EQ(Find(text, CStringa("\""), 4), -1);
    EXPECT_EQ(Find(CStringa(""), CStringa(""), 0), -1);
    EXPECT_EQ(Find(text, CStringa("a\"b\"cd"), 0), -1);
    EXPECT_EQ(Find(text, NotOk(), 0), -1);
}

TEST(StringaPaths, FileNameCountsBothSeparatorsAfterTheDrive)
{
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\dir\\sub\\test.tst", "test.tst"},
        {"a:b", "b"},
        {"plain", "plain"},
        {"dir/sub/a.tst", "a.tst"},
        {"dir\\", ""},
        {"x/y:z", "z"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(FileName(CStringa(c.path))), c.name) << c.path;
    EXPECT_FALSE(HasExtension(CStringa("dir.d\\name")));
    EXPECT_TRUE(HasExtension(CStringa("dir\\name.tst")));
}

// The substitution of scrambled files, written as the ranges it swaps.
char ExpectedScramble(unsigned byte)
{
    const struct {
        unsigned first, last;
        int shift;
    } ranges[] = {
        {'A', 'M', 13},   {'N', 'Z', -13},  {'a', 'm', 13},  {'n', 'z', -13}, {0x20, 0x22, 3},
        {0x23, 0x25, -3}, {0x26, 0x2F, 10}, {'0', '9', -10}, {0x3A, 0x3C, 3}, {0x3D, 0x3F, -3},
    };
    for (const auto& r : ranges)
        if (byte >= r.first && byte <= r.last) return static_cast<char>(byte + r.shift);
    return static_cast<char>(byte);
}

TEST(StringaScramble, EveryByteFollowsTheTable)
{
    for (unsigned byte = 0; byte < 256; ++byte)
        EXPECT_EQ(ScrambleChar(static_cast<char>(byte)), ExpectedScramble(byte)) << byte;
    EXPECT_EQ(ScrambleChar('a'), 'n');
    EXPECT_EQ(ScrambleChar('Z'), 'M');
    EXPECT_EQ(ScrambleChar(' '), '#');
    EXPECT_EQ(ScrambleChar('5'), '+');
    EXPECT_EQ(ScrambleChar(';'), '>');
    EXPECT_EQ(ScrambleChar('@'), '@');
}

TEST(StringaScramble, IsSelfInverseOverAllBytes)
{
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        EXPECT_EQ(ScrambleChar(ScrambleChar(c)), c) << byte;
    }
}

// A string that is assigned over and over keeps its buffer; every edit,
// also one whose pieces lie in that buffer, must give what a fresh string
// gives.
TEST(StringaReuse, EditsOfAReusedBufferGiveTheTextsOfAFreshOne)
{
    const struct {
        const char* what;
        void (*edit)(CStringa&);
        std::string expected;
    } rows[] = {
        {"shorter text", [](CStringa& s) { s = "abc"; }, "abc"},
        {"trim", [](CStringa& s) { s.Trim(); }, "ciao mondo"},
        {"own middle", [](CStringa& s) { s.Extract(s, 2, 4); }, "ciao"},
        {"own end", [](CStringa& s) { s.ExtractRange(s, 7, 11); }, "mondo"},
        {"own whole", [](CStringa& s) { s.Extract(s, 0, 14); }, "  ciao mondo  "},
        {"own tail", [](CStringa& s) { s = Tail(s, 7); }, "mondo  "},
        {"appended to itself", [](CStringa& s) { s += s; }, "  ciao mondo    ciao mondo  "},
        {"insert", [](CStringa& s) { s.Insert(2, '!'); }, "  !ciao mondo  "},
        {"remove", [](CStringa& s) { s.Remove(0, 1); }, "ciao mondo  "},
        {"emptied", [](CStringa& s) { s = ""; }, ""},
        {"much longer", [](CStringa& s) { s = std::string(100, 'z').c_str(); }, std::string(100, 'z')},
    };
    for (const auto& row : rows) {
        CStringa s("  ciao");
        s = "0123456789 0123456789";  // a buffer with room to spare
        s = "  ciao mondo  ";         // written into it
        row.edit(s);
        EXPECT_EQ(std::string(s.CStr(), s.Length()), row.expected) << row.what;
        EXPECT_EQ(s.CStr()[s.Length()], '\0') << row.what;
    }
}

TEST(StringaAllocation, AssigningToAStringThatIsNotOkLeavesItNotOk)
{
    CStringa lost = NotOk();
    lost = CStringa("x");
    EXPECT_FALSE(lost.IsOk());
    lost += CStringa("x");
    EXPECT_FALSE(lost.IsOk());
    lost = "back";  // the C-string form always takes a fresh buffer
    EXPECT_EQ(Str(lost), "back");
    CStringa reader = NotOk();  // SetText, like it, gives a reader's text back
    EXPECT_TRUE(reader.SetText("ab\0c", 4));
    EXPECT_EQ(Str(reader), std::string("ab\0c", 4));
}

TEST(StringaAllocation, FailedAppendKeepsTheOldText)
{
    CStringa s("old");
    const CStringa more("er");
    {
        AllocationFailure failing;
        s += more;
    }
    EXPECT_EQ(Str(s), "old");
}

TEST(StringaAllocation, OperationsOnAStringThatIsNotOkAreNoOps)
{
    CStringa lost = NotOk();
    lost.Trim();
    lost.ToLower();
    lost.Insert(0, 'x');
    lost.Remove(0, 0);
    lost.Scramble();
    EXPECT_FALSE(lost.IsOk());
    EXPECT_EQ(lost.Length(), 0u);
    EXPECT_EQ(lost.CStr(), nullptr);
    EXPECT_EQ(lost.ToInt(), 0);
    EXPECT_TRUE(lost != lost);
    CStringa dest("kept");
    lost.Extract(dest, 0, 0);
    EXPECT_EQ(Str(dest), "kept");
    EXPECT_EQ(Str(CStringa("a") + lost), "a");
    EXPECT_EQ(Str("a" + lost), "a");
    EXPECT_EQ(Str(Tail(lost, 0)), "");
}

}  // namespace

}  // namespace quadrivo
