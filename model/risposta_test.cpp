#include "model/risposta.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "text/blocco.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

class RispostaTest : public testing::Test, protected RecordedReports {
protected:
    // content is what lies between <Answer> and </Answer>.
    int ReadFrom(CRisposta& answer, const char* content, int index = 0)
    {
        CBlocco block(&errors, content);
        return answer.Read(index, block);
    }

    std::string Written(const CRisposta& answer, int scrambled = 0)
    {
        std::ostringstream out;
        answer.Write(out, scrambled);
        return out.str();
    }
};

TEST_F(RispostaTest, ReadsPairsInEitherOrderAndTrimsTheText)
{
    struct Row {
        const char* content;
        float score;
        int correct;
        const char* text;
    };
    const Row rows[] = {
        {"<ParAns>Score = 2.5, Correct = Yes</ParAns><TextAns>Roma</TextAns>", 2.5f, 1, "Roma"},
        {"<parans>Correct = yes, Score = -0.5</parans><textans>Roma</textans>", -0.5f, 1, "Roma"},
        {"<ParAns>Correct = YES</ParAns><TextAns>\n  Milano \r\n</TextAns>", -1, 1, "Milano"},
        {"<ParAns>Correct = \"Yes\", Score = abc</ParAns><TextAns></TextAns>", 0, 0, ""},
    };
    for (const Row& row : rows) {
        CRisposta answer(&errors);
        EXPECT_EQ(ReadFrom(answer, row.content), 0) << row.content;
        EXPECT_EQ(answer.GetScore(), row.score) << row.content;
        EXPECT_EQ(answer.IsCorrect(), row.correct) << row.content;
        EXPECT_EQ(answer.GetTextAns(), CStringa(row.text)) << row.content;
    }
    EXPECT_TRUE(recorder.codes.empty());
}

// Parameters as Write puts them are read at once; each row must give what
// the parameter list reader gives, whichever way it is read.
TEST_F(RispostaTest, WrittenParametersReadAsTheListReaderReadsThem)
{
    const char* const lists[] = {
        "Score = 3, Correct = Yes",     "Score = -1, Correct = No",           "Score = 0.1, Correct = No",
        "Score = +7.25, Correct = Yes", "Score = 1e3, Correct = No",          "Score = --1, Correct = Yes",
        "Score = , Correct = No",       "Score = 3, Correct = Yes ",          "score = 3, correct = yes",
        "Score = 3, Correct = Maybe",   "Score = 3, Points = 2, Correct = No"};
    for (const char* list : lists) {
        CRisposta read(&errors);
        const int result =
            ReadFrom(read, ("<ParAns>" + std::string(list) + "</ParAns><TextAns>t</TextAns>").c_str());
        CRisposta expected(&errors);
        CParametro pairs[PARAM_CAPACITY];
        unsigned count = 0;
        ParseParams(CStringa(list), pairs, count);
        EXPECT_EQ(result, expected.ApplyParAns(0, pairs, count)) << list;
        if (result == 0) expected.SetTextAns(CStringa("t"));
        EXPECT_EQ(read, expected) << list;
    }
}

// An answer laid out as Write lays it out is read at once; a blank in front
// leaves the layout but not the meaning, so both reads must agree.
TEST_F(RispostaTest, WrittenLayoutReadsAsAnyOtherLayout)
{
    const char* const contents[] = {
        "\n<ParAns>Score = 3, Correct = Yes</ParAns>\n<TextAns> Roma \n</TextAns>\n",
        "\n<ParAns>Score = 1, Correct = No</ParAns>\n<TextAns>a<b</TextAns>\n",
        "\n<ParAns>Score = 1, Correct = No</ParAns>\n<TextAns>x</TextAns>y</TextAns>\n",
        "\n<ParAns>Score = 1<, Correct = No</ParAns>\n<TextAns>x</TextAns>\n",
        "\n<ParAns>Score = 1, Points = 2</ParAns>\n<TextAns>x</TextAns>\n",
        "\n<ParAns>Score = 1, Correct = No</ParAns>\n<TextAns>x\n",
        "\n<ParAns>Score = 2</ParAns><ParAns>Correct = Yes</ParAns>\n<TextAns>x</TextAns>\n",
    };
    for (const char* content : contents) {
        const std::size_t before = recorder.codes.size();
        CRisposta written(&errors);
        const int result = ReadFrom(written, content);
        const std::size_t reports = recorder.codes.size() - before;
        CRisposta other(&errors);
        EXPECT_EQ(ReadFrom(other, (" " + std::string(content)).c_str()), result) << content;
        EXPECT_EQ(written, other) << content;
        EXPECT_EQ(recorder.codes.size() - before, 2 * reports) << content;
    }
}

TEST_F(RispostaTest, UnknownNameReports13OnceAndLeavesTheTextUnread)
{
    CRisposta answer(&errors);
    EXPECT_EQ(ReadFrom(answer, "<ParAns>Points = 3, Score = 2</ParAns><TextAns>x</TextAns>", 4),
              kUnknownAnswerParameter);
    ASSERT_EQ(recorder.codes, std::vector<int>{kUnknownAnswerParameter});
    EXPECT_EQ(recorder.messages[0], "Risposta 4 : nel tag <parans> parametro *points* non riconosciuto");
    EXPECT_EQ(answer.GetScore(), 2.0f);
    EXPECT_EQ(answer.GetTextAns(), CStringa(""));
}

TEST_F(RispostaTest, MissingTagsReturnTheirCodeAfterReporting)
{
    CRisposta answer(&errors);
    EXPECT_EQ(ReadFrom(answer, "<TextAns>x</TextAns>"), kMissingOpeningTag);
    EXPECT_EQ(ReadFrom(answer, "<ParAns>Score = 1</ParAns><TextAns>x"), kMissingClosingTag);
    EXPECT_EQ(recorder.codes,
              (std::vector<int>{kErrorLines, kMissingOpeningTag, kErrorLines, kMissingClosingTag}));
    EXPECT_EQ(answer.GetScore(), 1.0f);  // the list was applied before <TextAns> failed
}

TEST_F(RispostaTest, WritesFourLines)
{
    CRisposta answer(&errors);
    answer.SetTextAns("Parigi");
    EXPECT_EQ(Written(answer),
              "<Answer>\n<ParAns>Score = -1, Correct = No</ParAns>\n<TextAns>Parigi</TextAns>\n</Answer>\n");
    answer.SetScore(1.25f);
    answer.SetCorrect(1);
    EXPECT_EQ(
        Written(answer),
        "<Answer>\n<ParAns>Score = 1.25, Correct = Yes</ParAns>\n<TextAns>Parigi</TextAns>\n</Answer>\n");
    answer.SetScore(3);
    EXPECT_NE(Written(answer).find("Score = 3, "), std::string::npos);
}

}  // namespace

}  // namespace quadrivo
