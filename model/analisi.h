#ifndef QUADRIVO_MODEL_ANALISI_H
#define QUADRIVO_MODEL_ANALISI_H

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "student/studrispo.h"  // TCorrect

namespace quadrivo {

class CTest;

// The item analysis of a questionnaire over the student records loaded from
// its student file: how hard each enabled question was, how well it told the
// stronger students from the weaker ones, what they answered, and how
// consistent the test is as a whole.
//
// A student's points for a question count only where the record holds a
// valid answer to it: a question that a run never showed that student (runs
// with MaxQue ask each student a subset) is missing, not 0. A figure that the
// records leave undefined (no spread, too few students, equal score bounds)
// is empty, never NaN or infinite.

// What a question is marked with in the reports, as a bit set.
enum ItemFlag : unsigned {
    kTooEasy = 1u << 0,                 // facility above 90
    kTooHard = 1u << 1,                 // facility below 20
    kLowDiscrimination = 1u << 2,       // discrimination below 20
    kNegativeDiscrimination = 1u << 3,  // discrimination below 0
};

constexpr int kItemFlagCount = 4;
// The flags in the order the reports list them, with their Italian words.
struct ItemFlagName {
    ItemFlag flag;
    const char* text;
};
extern const ItemFlagName kItemFlagNames[kItemFlagCount];
// The words of the flags set in flags, joined by ", ".
std::string ItemFlagsText(unsigned flags);

// The judgements of an answer as TCorrect numbers them; Disable is the
// answer not given.
constexpr int kJudgementKinds = 6;

// The judgements in the order the reports list them, with their Italian
// words for one answer and for a count of answers.
struct JudgementName {
    TCorrect value;
    const char* one;
    const char* many;
};
extern const JudgementName kJudgementNames[kJudgementKinds];

struct CAnalisiDomanda {
    int question = 0;      // index in the test's question list
    int validAnswers = 0;  // records with a valid answer to it
    float minScore = 0;    // the question's own bounds
    float maxScore = 0;
    std::optional<double> meanScore;       // of the valid answers
    std::optional<double> facility;        // 0..100 when the scores lie within the bounds
    std::optional<double> stdDev;          // sample deviation of the points
    std::optional<double> discrimination;  // 100 x correlation with the rest of the test
    // Records whose answer is judged so, by TCorrect number; a record without
    // an answer to the question counts as Disable (not given).
    std::array<int, kJudgementKinds> judgements{};
    int sendBacks = 0;           // put-offs of the valid answers, added up
    int studentsPuttingOff = 0;  // records whose valid answer was put off at least once
    // For a choice question: per answer slot, the valid answers that marked it.
    std::vector<int> choiceCounts;
    unsigned flags = 0;  // ItemFlag bits
};

struct CAnalisi {
    int students = 0;                    // records loaded
    std::vector<CAnalisiDomanda> items;  // the enabled questions in storage order
    // Cronbach's alpha and the standard error of measurement, over the
    // records with a valid answer to every enabled question.
    int completeStudents = 0;
    std::optional<double> alpha;
    std::optional<double> sem;
    // The total scores counted in ten equal bins from the test's lowest to
    // its highest possible score; scores outside that range go to the end
    // bins, and with no range at all every score goes to the first bin.
    double binLow = 0;
    double binWidth = 0;
    std::array<int, 10> bins{};
};

// The analysis of test and its loaded student records. Reads only.
CAnalisi AnalyseItems(CTest& test);

// count as a percentage of total; empty when total is not above 0.
std::optional<double> Share(int count, int total);

}  // namespace quadrivo

#endif
