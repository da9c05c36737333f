// End-to-end tests of `tsttool stats`: the built program runs on files
// written here and on the bundled example, in text and in JSON.
//
// QV_TSTTOOL is the path of the tsttool program, QV_SOURCE_DIR the root of
// the sources.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "tstfile/testfiles_test.h"

namespace quadrivo::tsttool {

namespace {

// Two questions: a choice worth 3 or -1, a number worth 2 or 0.
const char* const kTest =
    "<Test>\n"
    "<ParTest>Name = \"Geografia \xe8\", MaxQue = 0, ClassTest = \"\"</ParTest>\n"
    "<TextTest>Prova</TextTest>\n"
    "<Question>\n"
    "<ParQue>TypeQue = MultipleAnswer, Selection = Single</ParQue>\n"
    "<TextQue>Qual \xe8 la capitale\n d\x92Italia?</TextQue>\n"
    "<Answer><ParAns>Score = 3, Correct = Yes</ParAns><TextAns>Roma</TextAns></Answer>\n"
    "<Answer><ParAns>Score = -1, Correct = No</ParAns><TextAns>Milano</TextAns></Answer>\n"
    "</Question>\n"
    "<Question>\n"
    "<ParQue>TypeQue = SingleNumber, ScoreIfOk = 2, ScoreIfBad = 0, NumOk = 7</ParQue>\n"
    "<TextQue>Quanti sono i colli di Roma?</TextQue>\n"
    "</Question>\n"
    "</Test>\n";

std::string Student(const char* name, const char* time, const char* score, const std::string& answers)
{
    return std::string("<Student>\n<StPar>NameTest = \"classe.tst\", NameStudent = \"") + name +
           "\", TimeInit = \"x\", TimeLength = \"" + time + "\", TotalScore = " + score + "</StPar>\n" +
           answers + "</Student>\n";
}

std::string Ans(int id, const char* judgement, int seconds, int sendBacks)
{
    return "<Ans>IDAns = " + std::to_string(id) + ", IsValid = Yes, IsCorrect = " + judgement +
           ", TimeAns = " + std::to_string(seconds) + ", NumSendBack = " + std::to_string(sendBacks) +
           "</Ans>\n";
}

// Three students: 'bianchi' 3, 'Bianchi' 5, "Arco Nicolò" 4 (who answered
// only the first question, and skipped it).
std::string ClassFile()
{
    return Student("bianchi", "1:15", "3", Ans(0, "Yes", 40, 1) + Ans(1, "No", 35, 0)) +
           Student("Bianchi", "0:45", "5", Ans(0, "Yes", 20, 0) + Ans(1, "Yes", 25, 0)) +
           Student("Arco Nicol\xf2", "0:30", "4", Ans(0, "Skip", 10, 2));
}

class TsttoolStatsTest : public testing::Test {
protected:
    // Writes the file in the fixture's folder and gives its path.
    std::string Write(const std::string& name, const std::string& content)
    {
        const std::string path = dir_ + name;
        WriteFile(path, content);
        return path;
    }

    // Runs `tsttool stats` with the arguments, each quoted.
    ToolRun Stats(const std::vector<std::string>& args)
    {
        std::string arguments = "stats";
        for (const std::string& a : args) arguments += " '" + a + "'";
        return RunTsttool(dir_, arguments);
    }

    TempFolder folder{"tsttool_stats_"};
    std::string dir_ = folder.Path() + "/";
};

// Lines with runs of blanks folded into one and no blanks at their ends, so
// that a check does not depend on column widths.
std::vector<std::string> Folded(const std::vector<std::string>& lines)
{
    std::vector<std::string> folded;
    for (const std::string& line : lines) {
        std::string f;
        for (char c : line)
            if (c != ' ' || (!f.empty() && f.back() != ' ')) f += c;
        if (!f.empty() && f.back() == ' ') f.pop_back();
        folded.push_back(f);
    }
    return folded;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& wanted)
{
    for (const std::string& line : lines)
        if (line == wanted) return true;
    return false;
}

// The lines from the one titled title up to the next blank line.
std::vector<std::string> Section(const std::string& text, const std::string& title)
{
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : Lines(text)) {
        if (inside && line.empty()) break;
        if (inside) section.push_back(line);
        if (line == title) inside = true;
    }
    return section;
}

TEST_F(TsttoolStatsTest, TextReportShowsTheClassFigures)
{
    const std::string test = Write("classe.tst", kTest);
    Write("classe.stu", ClassFile());
    const ToolRun run = Stats({test});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto lines = Folded(Lines(run.out));
    const char* const expected[] = {
        "Punteggio minimo -1.00",
        "Punteggio massimo 5.00",
        "Punteggio medio per domanda a caso 0.50",
        "Deviazione standard a caso 2.00",
        "Studenti 3",
        "Minimo 3.00",
        "Massimo 5.00",
        "Media 4.00",
        "Mediana 4.00",
        "Deviazione standard 0.82",
        "Deviazione standard campionaria 1.00",
        "Tempo totale 2:30",
        "Tempo medio 0:50",
        "Esatte 3 1:25",
        "Saltate 1 0:10",
        "Non date 1 0:00",
        "1 si 3 2 0 0 1 0 0 3 1:10 Qual \xc3\xa8 la capitale d\xe2\x80\x99Italia?",
        "2 si 2 1 0 1 0 0 1 0 1:00 Quanti sono i colli di Roma?",
    };
    for (const char* line : expected) EXPECT_TRUE(HasLine(lines, line)) << line << "\n" << run.out;

    // Names in UTF-8.
    EXPECT_EQ(Folded(Section(run.out, "Studenti per punteggio")),
              (std::vector<std::string>{"N. Studente Punteggio Tempo", "1 Bianchi 5.00 0:45",
                                        "2 Arco Nicol\xc3\xb2 4.00 0:30", "3 bianchi 3.00 1:15"}));
    EXPECT_EQ(Folded(Section(run.out, "Studenti per nome")),
              (std::vector<std::string>{"N. Studente Punteggio Tempo", "1 Arco Nicol\xc3\xb2 4.00 0:30",
                                        "2 Bianchi 5.00 0:45", "3 bianchi 3.00 1:15"}));
}

TEST_F(TsttoolStatsTest, TextReportAlignsTheFigureColumns)
{
    const std::string test = Write("classe.tst", kTest);
    Write("classe.stu", ClassFile());
    const ToolRun run = Stats({test});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> figures = Section(run.out, "Test");
    for (const std::string& line : Section(run.out, "Classe")) figures.push_back(line);
    ASSERT_FALSE(figures.empty());
    for (const std::string& line : figures) EXPECT_EQ(line.size(), figures[0].size()) << line;
}

TEST_F(TsttoolStatsTest, JsonCarriesTheSameFigures)
{
    const std::string test = Write("classe.tst", kTest);
    Write("classe.stu", ClassFile());
    const ToolRun run = Stats({test, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["error"], 0);
    EXPECT_EQ(doc["name"], "Geografia \xc3\xa8");
    EXPECT_EQ(doc["test"]["TestMaxScore"], 5.0);
    EXPECT_EQ(doc["test"]["TestMeanScore"], 0.5);
    const auto& c = doc["class"];
    EXPECT_EQ(c["StudentCount"], 3);
    EXPECT_EQ(c["ClassMin"], 3.0);
    EXPECT_EQ(c["ClassMean"], 4.0);
    EXPECT_EQ(c["ClassMedian"], 4.0);
    EXPECT_EQ(c["ClassStdDev"], 0.82);
    EXPECT_EQ(c["ClassSampleStdDev"], 1.0);
    EXPECT_EQ(c["ClassTotalTime"], 150);
    EXPECT_EQ(c["ClassMeanTime"], 50);
    ASSERT_EQ(doc["judgements"].size(), 6u);
    EXPECT_EQ(doc["judgements"][0], nlohmann::json({{"IsCorrect", "Yes"}, {"count", 3}, {"time", 85}}));
    ASSERT_EQ(doc["questions"].size(), 2u);
    const auto& q = doc["questions"][0];
    EXPECT_EQ(q["TextQue"], "Qual \xc3\xa8 la capitale\n d\xe2\x80\x99Italia?");
    EXPECT_EQ(q["answered"], 3);
    EXPECT_EQ(q["judgements"]["Skip"], 1);
    EXPECT_EQ(q["sendBacks"], 3);
    EXPECT_EQ(q["time"], 70);
    EXPECT_EQ(doc["questions"][1]["judgements"]["Disable"], 1);
    std::vector<std::string> names;
    for (const auto& s : doc["byScore"]) names.push_back(s["NameStudent"]);
    EXPECT_EQ(names, (std::vector<std::string>{"Bianchi", "Arco Nicol\xc3\xb2", "bianchi"}));
    EXPECT_EQ(doc["byName"][0]["TotalScore"], 4.0);
}

// The class gives every student 0 points: spreads and correlations are
// undefined, and come out as null and as a dash, never as NaN.
TEST_F(TsttoolStatsTest, ItemAnalysisAndCsvFiles)
{
    const std::string test = Write("classe.tst", kTest);
    Write("classe.stu", ClassFile());
    const ToolRun json =
        Stats({test, "--items", "--json", "--csv", dir_ + "s.csv", "--items-csv", dir_ + "d.csv"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto items = nlohmann::json::parse(json.out)["items"];
    ASSERT_EQ(items["questions"].size(), 2u);
    const auto& q = items["questions"][0];
    EXPECT_EQ(q["facility"], 25.0);
    EXPECT_TRUE(q["discrimination"].is_null());
    EXPECT_EQ(q["judgements"]["Skip"], nlohmann::json({{"count", 1}, {"share", 33.33}}));
    EXPECT_EQ(q["choiceCounts"], nlohmann::json({0, 0}));
    EXPECT_EQ(items["questions"][1]["flags"], nlohmann::json({"troppo difficile"}));
    EXPECT_TRUE(items["alpha"].is_null());
    EXPECT_EQ(items["distribution"].size(), 10u);

    const auto students = Lines(ReadFile(dir_ + "s.csv"));
    ASSERT_EQ(students.size(), 4u);
    EXPECT_EQ(students[0],
              "\xEF\xBB\xBFStudente;Punteggio;Tempo;D1 punti;D1 giudizio;D2 punti;D2 giudizio\r");
    EXPECT_EQ(students[3], "Arco Nicol\xc3\xb2;4;0:00:30;0;Saltata;;Non data\r");
    EXPECT_EQ(Lines(ReadFile(dir_ + "d.csv")).size(), 3u);

    const ToolRun text = Stats({test, "--items"});
    EXPECT_NE(text.out.find("Alfa di Cronbach                \xe2\x80\x94"), std::string::npos) << text.out;
    EXPECT_EQ(Stats({test, "--csv"}).status, 2);
    EXPECT_EQ(Stats({test, "--csv", dir_ + "manca/s.csv"}).status, 15);
}

// A long test and a large class are counted whole: one student answered
// all 300 questions (a record far past the 32 KB sections of old), and 250
// records stand in the file.
TEST_F(TsttoolStatsTest, LongTestsAndLargeClassesAreCountedWhole)
{
    std::string test = "<Test>\n<ParTest>Name = \"lunga\"</ParTest>\n<TextTest>t</TextTest>\n";
    for (int i = 0; i < 300; ++i)
        test +=
            "<Question><ParQue>TypeQue = SingleNumber, ScoreIfOk = "
            "1</ParQue><TextQue>q</TextQue></Question>\n";
    const std::string path = Write("classe.tst", test + "</Test>\n");
    std::string everything;
    for (int i = 0; i < 300; ++i) everything += Ans(i, "Yes", 3, 0);
    std::string students = Student("Tutto", "15:00", "300", everything);
    for (int j = 1; j < 250; ++j) students += Student("Uno", "0:03", "1", Ans(0, "Yes", 3, 0));
    Write("classe.stu", students);

    const ToolRun run = Stats({path, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["class"]["StudentCount"], 250);
    EXPECT_EQ(doc["class"]["ClassMax"], 300.0);
    EXPECT_EQ(doc["questions"][299]["answered"], 1);
}

TEST_F(TsttoolStatsTest, MissingStudentFileStillReportsAndExitsWithTheLoadCode)
{
    const std::string test = Write("classe.tst", kTest);
    const ToolRun run = Stats({test});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("classe.stu"), std::string::npos) << run.err;
    const auto lines = Folded(Lines(run.out));
    EXPECT_TRUE(HasLine(lines, "Studenti 0")) << run.out;
    EXPECT_TRUE(HasLine(lines, "Minimo -")) << run.out;
    EXPECT_TRUE(HasLine(lines, "Media 0.00")) << run.out;
    EXPECT_EQ(run.out.find("nan"), std::string::npos);

    const ToolRun json = Stats({test, "--json"});
    EXPECT_EQ(json.status, 3);
    const auto doc = nlohmann::json::parse(json.out);
    EXPECT_EQ(doc["error"], 3);
    EXPECT_EQ(doc["class"]["StudentCount"], 0);
    EXPECT_TRUE(doc["class"]["ClassMin"].is_null());
    EXPECT_EQ(doc["class"]["ClassSampleStdDev"], 0.0);
    EXPECT_TRUE(doc["byScore"].empty());
}

TEST_F(TsttoolStatsTest, FailedQuestionnaireLoadPrintsNothing)
{
    const ToolRun run = Stats({dir_ + "assente.tst"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("assente.tst"), std::string::npos) << run.err;
}

TEST_F(TsttoolStatsTest, BundledExampleGivesACompleteReport)
{
    const std::string example = kExamplesDir + "geografia.tst";
    ASSERT_TRUE(std::filesystem::exists(kExamplesDir + "geografia.stu"));
    const ToolRun text = Stats({example});
    ASSERT_EQ(text.status, 0) << text.err;
    for (const char* title : {"Test", "Classe", "Risposte per giudizio", "Risposte per domanda",
                              "Studenti per punteggio", "Studenti per nome"})
        EXPECT_FALSE(Section(text.out, title).empty()) << title;
    EXPECT_EQ(text.out.find("nan"), std::string::npos);

    const ToolRun json = Stats({example, "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto doc = nlohmann::json::parse(json.out);
    const int students = doc["class"]["StudentCount"];
    EXPECT_GT(students, 0);
    EXPECT_EQ(doc["byScore"].size(), static_cast<std::size_t>(students));
    EXPECT_EQ(doc["byName"].size(), static_cast<std::size_t>(students));
    EXPECT_EQ(doc["questions"].size(), static_cast<std::size_t>(doc["test"]["QuestionCount"]));
    int answered = 0;
    for (const auto& j : doc["judgements"]) answered += j["count"].get<int>();
    EXPECT_EQ(answered, students * doc["test"]["QuestionCount"].get<int>());

    // The text shows the JSON's figures.
    const auto lines = Folded(Lines(text.out));
    EXPECT_TRUE(HasLine(lines, "Studenti " + std::to_string(students)));
    const std::pair<const char*, const char*> figures[] = {
        {"Minimo", "ClassMin"},
        {"Massimo", "ClassMax"},
        {"Media", "ClassMean"},
        {"Mediana", "ClassMedian"},
        {"Deviazione standard", "ClassStdDev"},
        {"Deviazione standard campionaria", "ClassSampleStdDev"},
    };
    for (const auto& [label, key] : figures) {
        char value[64];
        std::snprintf(value, sizeof value, "%.2f", doc["class"][key].get<double>());
        EXPECT_TRUE(HasLine(lines, std::string(label) + " " + value)) << label;
    }
}

}  // namespace

}  // namespace quadrivo::tsttool
