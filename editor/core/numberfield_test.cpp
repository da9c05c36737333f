#include "editor/core/numberfield.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quadrivo::editor {

namespace {

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

TEST(NumberFieldTest, ReadsCommaOrPointAndRefusesTheRest)
{
    const ParseCase cases[] = {
        {"652,5", 652.5}, {"0,5", 0.5},  {" -0.5 ", -0.5}, {"+2.25", 2.25}, {"7", 7},
        {",5", 0.5},      {"1e3", 1000}, {"", {}},         {"abc", {}},     {"1,2.5", {}},
        {"2 5", {}},      {"inf", {}},   {"nan", {}},      {"-", {}},       {"3x", {}},
    };
    for (const ParseCase& c : cases) EXPECT_EQ(ParseDialogNumber(c.text), c.value) << c.text;
}

struct ProblemCase {
    const char* text;
    NumberLimits limits;
    const char* message;  // empty: accepted
};

TEST(NumberFieldTest, ProblemsNameTheFieldAndTheLimits)
{
    const NumberLimits scores{-1000000, 1000000};
    const NumberLimits minutes{0, 32767, true};
    const ProblemCase cases[] = {
        {"-0,5", scores, ""},
        {"abc", scores, "Il campo \"F\" deve contenere un numero."},
        {"99999999999", scores, "Il campo \"F\" deve contenere un numero compreso tra -1000000 e 1000000."},
        {"1e400", scores, "Il campo \"F\" deve contenere un numero compreso tra -1000000 e 1000000."},
        {"20", minutes, ""},
        {"2,5", minutes, "Il campo \"F\" deve contenere un numero intero."},
        {"", minutes, "Il campo \"F\" deve contenere un numero intero."},
        {"-1", minutes, "Il campo \"F\" deve contenere un numero intero compreso tra 0 e 32767."},
        {"0.5", {0, 1e15}, ""},
    };
    for (const ProblemCase& c : cases) EXPECT_EQ(NumberProblem(c.text, "F", c.limits), c.message) << c.text;
}

TEST(NumberFieldTest, ShownNumbersAreShortAndReadBackExactly)
{
    EXPECT_EQ(NumberText(-0.5f), "-0.5");
    EXPECT_EQ(NumberText(2.25f), "2.25");
    EXPECT_EQ(NumberText(0.1f), "0.1");
    EXPECT_EQ(NumberText(652.0), "652");
    EXPECT_EQ(NumberText(4e-7), "0.0000004");
    for (const float value : {0.1f, 1.0f / 3, -1234.567f, 3e-5f})
        EXPECT_EQ(static_cast<float>(*ParseDialogNumber(NumberText(value))), value);
}

}  // namespace

}  // namespace quadrivo::editor
