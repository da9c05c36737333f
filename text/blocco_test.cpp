#include "text/blocco.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs Parse(const std::string& text)
{
    CParametro pairs[PARAM_CAPACITY];
    unsigned count = 99;
    EXPECT_EQ(ParseParams(CStringa(text.c_str()), pairs, count), 0);
    Pairs result;
    for (unsigned i = 0; i < count && i < PARAM_CAPACITY; ++i)
        result.emplace_back(Str(pairs[i].Name), Str(pairs[i].Value));
    return result;
}

struct ParamsCase {
    const char* name;
    std::string text;
    Pairs pairs;
};

void PrintTo(const ParamsCase& c, std::ostream* out)
{
    *out << c.name;
}

class ParseParamsGrammar : public testing::TestWithParam<ParamsCase> {};

TEST_P(ParseParamsGrammar, GivesThePairs)
{
    EXPECT_EQ(Parse(GetParam().text), GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ParseParamsGrammar,
    testing::Values(
        ParamsCase{"CommaSeparated", "Score = 3, IsCorrect=Late", {{"score", "3"}, {"iscorrect", "late"}}},
        ParamsCase{"QuotedValueKeepsQuotesCaseCommasAndEquals",
                   "LineAns = \"Due, Tre = 5\" , Choice = X-",
                   {{"lineans", "\"Due, Tre = 5\""}, {"choice", "x-"}}},
        ParamsCase{"EmptyUnquotedValueReadsTheComma", "a = , b = 2", {{"a", ","}, {"b", "2"}}},
        ParamsCase{"ValueEndsBeforeATag", "x = 1</Ans>", {{"x", "1"}}},
        ParamsCase{"NameEndsAfterATag", "<ParQue>Kind=Text", {{"kind", "text"}}},
        ParamsCase{"BlanksAloneSeparateItems", "a=1 b=2\nc\t=\t3", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
        ParamsCase{"WordsWithoutEqualsAreIgnored", "noise a = 1 more noise", {{"a", "1"}}},
        ParamsCase{"NoEqualsNoPairs", "just words, no items", {}}, ParamsCase{"EmptyText", "", {}},
        ParamsCase{"UnterminatedQuoteEndsTheScan", "a = \"open, b = 2", {{"a", ""}}},
        ParamsCase{"EqualsAtTheEndLeavesTheValueEmpty", "a = 1, b =", {{"a", "1"}, {"b", ""}}},
        ParamsCase{"EqualsWithNothingBeforeItNamesNothing", "= 5, a = 1", {{"a", "1"}}},
        ParamsCase{"EqualsWithBlanksBeforeItNamesNothing", "  \n = \"x = y\" a = 1", {{"a", "1"}}},
        ParamsCase{"ValueMadeOfEqualsStillEnds", "a = = =", {{"a", "="}, {"=", "="}, {"=", ""}}},
        ParamsCase{"AccentedBytesAreNotFolded", "Text = \xC8Ok", {{"text", "\xC8ok"}}}),
    [](const testing::TestParamInfo<ParamsCase>& info) { return std::string(info.param.name); });

TEST(ParseParams, StopsAtFiftyPairs)
{
    std::string text;
    for (int i = 0; i < 60; ++i) text += "p" + std::to_string(i) + " = " + std::to_string(i) + ", ";
    const Pairs pairs = Parse(text);
    ASSERT_EQ(pairs.size(), PARAM_CAPACITY);
    EXPECT_EQ(pairs.back(), (std::pair<std::string, std::string>{"p49", "49"}));
}

class GetTagTest : public testing::Test, protected RecordedReports {
protected:
    CBlocco Block(const char* text, int first = 4, int last = 9)
    {
        CBlocco block(&errors, text);
        block.SetLines(first, last);
        return block;
    }

    CBlocco out{&errors, "unchanged"};
    unsigned open = 0;
    unsigned close = 0;
};

TEST_F(GetTagTest, CutsTheContentWithoutRegardToCase)
{
    EXPECT_EQ(GetTag(Block("x <parque> a = 1 </PARQUE> y"), CStringa("ParQue"), out, 0, open, close), 0);
    EXPECT_EQ(Str(out.Text), " a = 1 ");
    EXPECT_EQ(open, 10u);
    EXPECT_EQ(close, 17u);
    EXPECT_EQ(out.FirstLine, 4);
    EXPECT_EQ(out.LastLine, 9);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(GetTagTest, NextRecordStartsAtThePreviousClose)
{
    const CBlocco in = Block("<Answer>1</Answer><Answer>2</Answer>");
    ASSERT_EQ(GetTag(in, CStringa("Answer"), out, 0, open, close), 0);
    ASSERT_EQ(GetTag(in, CStringa("Answer"), out, close, open, close), 0);
    EXPECT_EQ(Str(out.Text), "2");
    EXPECT_EQ(GetTag(in, CStringa("Answer"), out, close, open, close, false), kMissingOpeningTag);
}

TEST_F(GetTagTest, MissingCloseReportsLinesThenTheTag)
{
    EXPECT_EQ(GetTag(Block("<TextQue>abc"), CStringa("TextQue"), out, 0, open, close), kMissingClosingTag);
    EXPECT_EQ(Str(out.Text), "unchanged");
    EXPECT_EQ(out.FirstLine, 4);
    EXPECT_EQ(out.LastLine, 9);
    EXPECT_EQ(recorder.codes, (std::vector<int>{kErrorLines, kMissingClosingTag}));
    EXPECT_EQ(recorder.messages,
              (std::vector<std::string>{"Errore nelle linee 4 ... 9", "Tag </TextQue> errato"}));
}

TEST_F(GetTagTest, MissingOpenReportsLinesThenTheTag)
{
    EXPECT_EQ(GetTag(Block("abc</TextQue>"), CStringa("TextQue"), out, 0, open, close), kMissingOpeningTag);
    EXPECT_EQ(Str(out.Text), "unchanged");
    EXPECT_EQ(recorder.codes, (std::vector<int>{kErrorLines, kMissingOpeningTag}));
    EXPECT_EQ(recorder.messages.back(), "Tag <TextQue> errato");
}

TEST_F(GetTagTest, NoReportWithoutTheFlag)
{
    EXPECT_EQ(GetTag(Block("<a>"), CStringa("a"), out, 0, open, close, false), kMissingClosingTag);
    EXPECT_EQ(GetTag(Block("<a></a>"), CStringa("a"), out, 99, open, close, false), kMissingOpeningTag);
    EXPECT_TRUE(recorder.codes.empty());
}

// On random texts made of the characters that tags are built from, GetTag
// finds what searches for "<name>" and then "</name>" find, and FindTag on
// the same text as a stretch of a longer one finds it too.
TEST_F(GetTagTest, FindsWhatASearchForTheTagFinds)
{
    const char alphabet[] = "<</>aAbq ";
    const char* const names[] = {"a", "ab", "Ab", "q", "aba"};
    unsigned seed = 7;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const unsigned length = next() % 40;
        for (unsigned i = 0; i < length; ++i) text += alphabet[next() % (sizeof alphabet - 1)];
        const CStringa name(names[next() % 5]);
        const unsigned start = next() % 4;
        const CStringa whole(text.c_str());
        unsigned expectOpen = 0;
        unsigned expectClose = 0;
        int expected = kMissingOpeningTag;
        if (whole.Search("<" + name + CStringa(">"), expectOpen, start)) {
            expectOpen += name.Length() + 2;
            expected =
                whole.Search("</" + name + CStringa(">"), expectClose, expectOpen) ? 0 : kMissingClosingTag;
        }
        CBlocco in(&errors, text.c_str());
        ASSERT_EQ(GetTag(in, name, out, start, open, close, false), expected) << text << " / " << Str(name);
        if (expected == 0) {
            EXPECT_EQ(std::make_pair(open, close), std::make_pair(expectOpen, expectClose)) << text;
        }

        const CBlocco longer(&errors, ("<a></a>" + text + "</a>").c_str());
        CTratto part{&longer, 0, 0};
        ASSERT_EQ(FindTag(CTratto{&longer, 7, 7 + length}, name, part, start, open, close, false), expected)
            << text;
        if (expected == 0) {
            EXPECT_EQ(std::make_pair(open, close), std::make_pair(expectOpen, expectClose)) << text;
            EXPECT_EQ(std::make_pair(part.Begin, part.End), std::make_pair(7 + expectOpen, 7 + expectClose));
        }
    }
}

TEST_F(GetTagTest, LoneInvalidAnswerReadsAsLate)
{
    const struct {
        const char* text;
        const char* name;
        const char* content;
    } cases[] = {
        {"<ans>IsValid = No</ANS>", "Ans", "IsValid = No, IsCorrect = Late"},
        {"<Ans> IsValid = No</Ans>", "Ans", " IsValid = No"},
        {"<Ans>IsValid = no</Ans>", "Ans", "IsValid = no"},
        {"<Ans>IsValid = No</Ans>", "ans", "IsValid = No"},
        {"<Other>IsValid = No</Other>", "Other", "IsValid = No"},
    };
    for (const auto& c : cases) {
        CBlocco result(&errors);
        EXPECT_EQ(GetTag(Block(c.text), CStringa(c.name), result, 0, open, close), 0);
        EXPECT_EQ(Str(result.Text), c.content) << c.text << " / " << c.name;
    }
}

TEST(StripComments, RemovesCommentsAndResumesAfterTheRemovedStart)
{
    const struct {
        const char* text;
        const char* result;
    } cases[] = {
        {"a<!-- x -->b", "ab"},
        {"a<!x", "a<!x"},
        {"<!a><!b>c", "<!b>c"},
        {"<!a>x<!b>c", "xc"},
        {"<!--- parametri generali Test --->\n<ParTest>", "\n<ParTest>"},
        {"<!x<!y>z", "z"},
        {"<!>", ""},
        {"", ""},
        {"<", "<"},
        {"a<!b>", "a"},
        {"<!a>\n<!b>\n<!c>\nd", "\n\n\nd"},
    };
    for (const auto& c : cases) {
        CBlocco block(nullptr, c.text);
        StripComments(block);
        EXPECT_EQ(Str(block.Text), c.result) << c.text;
        // The reader removes them in place in its own copy of the file.
        std::string text = c.text;
        text.resize(RemoveComments(text.data(), static_cast<unsigned>(text.size())));
        EXPECT_EQ(text, c.result) << c.text;
    }
}

}  // namespace

}  // namespace quadrivo
