// Saving questionnaires and student records through CTest.

#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cctype>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/domanda.h"
#include "model/risposta.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "student/tempo.h"
#include "text/utilita.h"
#include "tstfile/testfiles_test.h"

namespace quadrivo {

namespace {

using Messages = std::vector<std::string>;

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

std::time_t FixedClock()
{
    return 1'700'000'000;
}

const std::string kParamsOfNewTest = "<!--- parametri generali Test --->\n" + kNewTestParams;

const std::string kNewQuestion =
    "<Question>\n"
    "<ParQue>\n"
    "EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, \n"
    "TimeQue = 0, TypeQue = MultipleAnswer, HintMode = Natural, \n"
    "ClassQue = \"\", Image = \"\", \n"
    "Random = No, Selection = Single, TypeSel = Sign, AddTxtNum = None</ParQue>\n"
    "<TextQue>\n"
    "0\n"
    "</TextQue>\n"
    "</Question>\n";

// Runs write while no file may grow past limit bytes: writes beyond it fail
// with EFBIG, as on a full disk, instead of stopping the program with SIGXFSZ.
// Windows has no such limit; its tests skip first.
#ifndef _WIN32
void WithFileSizeLimit(rlim_t limit, const std::function<void()>& write)
{
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = limit;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
}
#else
void WithFileSizeLimit(std::size_t, const std::function<void()>&)
{
    FAIL() << kNoPosixFiles;
}
#endif

class ScrittoreTest : public testing::Test, protected RecordedReports {
protected:
    void SetUp() override { test.SetPathName(Path("quiz")); }

    CStringa Path(const std::string& name) const { return CStringa((dir + name).c_str()); }

    std::unique_ptr<CTest> Load(const std::string& name) { return LoadTest(&errors, dir, name); }

    // Files of the directory, hidden ones included.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder{"scrittore"};
    std::string dir = folder.Path() + "/";
    CTest test{&errors};
};

TEST_F(ScrittoreTest, TestWithoutQuestionsIsWrittenLineForLine)
{
    ASSERT_EQ(test.SaveCurrent(), 0);
    EXPECT_EQ(ReadFile(dir + "quiz.tst"), "<Test>\n\n" + kParamsOfNewTest + "\n</Test>\n");
}

TEST_F(ScrittoreTest, QuestionsAreNumberedFromOneAfterABlankLine)
{
    test.AddQuestion();
    test.AddQuestion();
    ASSERT_EQ(test.SaveCurrent(), 0);
    EXPECT_EQ(ReadFile(dir + "quiz.tst"), "<Test>\n\n" + kParamsOfNewTest + "\n<!--- domanda 1 --->\n" +
                                              kNewQuestion + "\n<!--- domanda 2 --->\n" + kNewQuestion +
                                              "\n</Test>\n");
}

TEST_F(ScrittoreTest, NewFileIsReadableByTheGroup)
{
    QV_SKIP_WITHOUT_POSIX_FILES();
    const mode_t saved = ::umask(0002);
    ASSERT_EQ(test.SaveCurrent(), 0);
    ::umask(saved);
    struct stat info;
    ASSERT_EQ(stat((dir + "quiz.tst").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0664u);
}

TEST_F(ScrittoreTest, SavingOverAFileKeepsItsPermissions)
{
    QV_SKIP_WITHOUT_POSIX_FILES();
    ASSERT_EQ(test.SaveCurrent(), 0);
    ASSERT_EQ(chmod((dir + "quiz.tst").c_str(), 0640), 0);
    test.AddQuestion();
    ASSERT_EQ(test.SaveCurrent(), 0);
    struct stat info;
    ASSERT_EQ(stat((dir + "quiz.tst").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Files(), std::vector<std::string>{"quiz.tst"});
}

TEST_F(ScrittoreTest, SavingThroughALinkReplacesTheFileItNames)
{
    // Making a link needs a privilege there that a user seldom has.
    QV_SKIP_WITHOUT_POSIX_FILES();
    std::filesystem::create_directory(dir + "archivio");
    ASSERT_EQ(test.SaveTo(Path("archivio/quiz.tst"), 1), 0);
    std::filesystem::create_symlink(dir + "archivio/quiz.tst", dir + "quiz.tst");
    test.AddQuestion();
    ASSERT_EQ(test.SaveCurrent(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir + "quiz.tst"));
    EXPECT_NE(ReadFile(dir + "archivio/quiz.tst").find("<!--- domanda 1 --->"), std::string::npos);
}

TEST_F(ScrittoreTest, ReadOnlyFileIsNotSavedOver)
{
    if (IsSuperUser()) GTEST_SKIP() << "root may write any file";
    ASSERT_EQ(test.SaveCurrent(), 0);
    const std::string before = ReadFile(dir + "quiz.tst");
    ASSERT_EQ(chmod((dir + "quiz.tst").c_str(), 0444), 0);
    test.AddQuestion();
    EXPECT_EQ(test.SaveCurrent(), kCannotCreate);
    EXPECT_EQ(ReadFile(dir + "quiz.tst"), before);
}

// Where SaveTo puts a name, for a test whose file is corso/vecchio.tst and
// with the fixture's directory as the current one.
struct NameCase {
    const char* name;
    const char* file;  // relative to the current directory
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << c.name;
}

// The name typed, with '_' for what a test name cannot hold.
std::string CaseName(const NameCase& c)
{
    std::string name = c.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

class SaveToNameTest : public ScrittoreTest, public testing::WithParamInterface<NameCase> {
protected:
    void SetUp() override
    {
        ScrittoreTest::SetUp();
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        std::filesystem::create_directories(dir + "corso");
        std::filesystem::create_directories(dir + "sub");
        test.SetPathName(Path("corso/vecchio.tst"));
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    std::filesystem::path previous;
};

TEST_P(SaveToNameTest, WritesTheExpectedFile)
{
    if (kFileNamesHaveDrives && std::string(GetParam().name).find(':') != std::string::npos)
        GTEST_SKIP() << "names another drive here";
    ASSERT_EQ(test.SaveTo(CStringa(GetParam().name), 0), 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(dir + GetParam().file));
    EXPECT_EQ(std::filesystem::directory_iterator(dir + "sub") == std::filesystem::directory_iterator(),
              std::string(GetParam().file).rfind("sub/", 0) != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Writer, SaveToNameTest,
    testing::Values(NameCase{"quiz", "corso/quiz.tst"}, NameCase{"quiz.txt", "corso/quiz.txt"},
                    NameCase{"D:quiz", "D:quiz.tst"}, NameCase{"sub/quiz", "sub/quiz.tst"},
                    NameCase{"sub/quiz.v2", "sub/quiz.v2"}, NameCase{"C:\\dati\\quiz", "C:\\dati\\quiz.tst"}),
    [](const auto& info) { return CaseName(info.param); });

TEST_F(ScrittoreTest, ExistingFileWithoutOverwriteIsKeptAndTheErrorSticks)
{
    WriteFile(dir + "quiz.tst", "vecchio");
    test.AddQuestion();
    EXPECT_EQ(test.SaveTo(CStringa("quiz"), 0), kFileExists);
    EXPECT_EQ(recorder.messages, Messages{"Il file \"" + dir + "quiz.tst\" esiste gia'"});
    EXPECT_EQ(ReadFile(dir + "quiz.tst"), "vecchio");

    recorder.Clear();
    EXPECT_EQ(test.SaveTo(CStringa("altro"), 1), kFileExists);
    EXPECT_EQ(test.Load(), kFileExists);
    EXPECT_EQ(test.LoadStudents(), kFileExists);
    EXPECT_EQ(test.SaveStudent(0), kFileExists);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(Files(), std::vector<std::string>{"quiz.tst"});

    test.SetError(0);
    EXPECT_EQ(test.SaveTo(CStringa("altro"), 0), 0);
}

TEST_F(ScrittoreTest, UnreadableFileCountsAsExisting)
{
    if (IsSuperUser()) GTEST_SKIP() << "root may read any file";
    WriteFile(dir + "quiz.tst", "vecchio");
    ASSERT_EQ(chmod((dir + "quiz.tst").c_str(), 0), 0);
    EXPECT_EQ(test.SaveTo(CStringa("quiz"), 0), kFileExists);
    ASSERT_EQ(chmod((dir + "quiz.tst").c_str(), 0600), 0);
    EXPECT_EQ(ReadFile(dir + "quiz.tst"), "vecchio");
}

TEST_F(ScrittoreTest, ScrambledSaveScramblesEveryLineButTheBlankOnes)
{
    test.GetParams().TextTest = "Prima riga\n\nterza riga";
    CDomanda question(&errors);
    question.SetTextQue("Qual \xE8 la capitale?");
    question.AddAnswer();
    test.AppendQuestion(question);
    ASSERT_EQ(test.SaveTo(CStringa("chiaro"), 1), 0);
    test.SetScrambled(1);
    ASSERT_EQ(test.SaveTo(CStringa("cifrato"), 1), 0);

    const auto plain = Lines(ReadFile(dir + "chiaro.tst"));
    const auto scrambled = Lines(ReadFile(dir + "cifrato.tst"));
    ASSERT_EQ(scrambled.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        std::string expected = plain[i];
        for (char& c : expected) c = ScrambleChar(c);
        EXPECT_EQ(scrambled[i], expected) << "line " << i + 1;
    }
    const auto back = Load("cifrato.tst");
    EXPECT_EQ(back->Error(), 0);
    EXPECT_EQ(back->IsScrambled(), 1);
    EXPECT_TRUE(*back == test);
}

TEST_F(ScrittoreTest, BlankLinesAroundTheTextAreNotKept)
{
    test.GetParams().TextTest = "\n\n  Leggi bene.\nPoi rispondi.  \n\n";
    ASSERT_EQ(test.SaveCurrent(), 0);
    const auto back = Load("quiz.tst");
    EXPECT_EQ(Str(back->GetParams().TextTest), "Leggi bene.\nPoi rispondi.");
}

TEST_F(ScrittoreTest, FailedWriteKeepsThePreviousFileByteForByte)
{
    QV_SKIP_WITHOUT_POSIX_FILES();
    for (int i = 0; i < 3; ++i) test.AddQuestion();
    ASSERT_EQ(test.SaveCurrent(), 0);
    const std::string before = ReadFile(dir + "quiz.tst");
    for (int i = 0; i < 30; ++i) test.AddQuestion();

    int result = 0;
    ASSERT_NO_FATAL_FAILURE(WithFileSizeLimit(before.size() + 100, [&] { result = test.SaveCurrent(); }));

    EXPECT_EQ(result, kCannotCreate);
    EXPECT_EQ(recorder.messages, Messages{"Non riesco a creare il file \"" + dir + "quiz.tst\""});
    EXPECT_EQ(test.Error(), 0);
    EXPECT_EQ(ReadFile(dir + "quiz.tst"), before);
    EXPECT_EQ(Files(), std::vector<std::string>{"quiz.tst"});
}

// The bundled sample is kept exactly as this program writes it, so that it
// also shows the layout of both kinds of file.
TEST_F(ScrittoreTest, SampleFilesAreWrittenByteForByteAgain)
{
    const std::string& examples = kExamplesDir;
    const auto sample = LoadTest(&errors, examples, "geografia.tst");
    ASSERT_EQ(sample->Error(), 0);
    ASSERT_EQ(sample->LoadStudents(), 0);

    CTest copy(*sample);
    copy.SetPathName(Path("geografia.tst"));
    copy.ClearStudents();
    ASSERT_EQ(copy.SaveCurrent(), 0);
    EXPECT_EQ(ReadFile(dir + "geografia.tst"), ReadFile(examples + "geografia.tst"));
    copy.SetScrambled(1);
    ASSERT_EQ(copy.SaveTo(CStringa("geografia-cifrato"), 1), 0);
    EXPECT_EQ(ReadFile(dir + "geografia-cifrato.tst"), ReadFile(examples + "geografia-cifrato.tst"));
    for (int j = 0; j < sample->StudentCount(); ++j) {
        ASSERT_EQ(copy.AppendStudent(*sample->GetStudent(j)), 0);
        ASSERT_EQ(copy.SaveStudent(0), 0);
    }
    EXPECT_EQ(ReadFile(dir + "geografia.stu"), ReadFile(examples + "geografia.stu"));
}

// Student records: a test of two questions with a fixed clock, so that the
// records read back compare equal timers.
class StudentiTest : public ScrittoreTest {
protected:
    void SetUp() override
    {
        ScrittoreTest::SetUp();
        previous = SetClock(FixedClock);
        CDomanda number(&errors);
        number.SetTypeQue(TQue::SingleNumber);
        test.AppendQuestion(number);
        CDomanda choice(&errors);
        choice.AddAnswer();
        choice.AddAnswer();
        test.AppendQuestion(choice);
        test.BuildOrder();
        ASSERT_EQ(test.SaveCurrent(), 0);
    }
    void TearDown() override { SetClock(previous); }

    // A finished run: both answers given and judged.
    void AddRun(const char* name, float score)
    {
        ASSERT_EQ(test.AddStudent(), 0);
        CStudente& student = *test.LastStudent();
        student.SetNameStudent(CStringa(name));
        student.SetTimeInit(CStringa("Mon Mar  4 10:00:00 2024"));
        student.SetTimeLength(CStringa("3:20"));
        student.SetTotalScore(score);
        CStudRispo& number = *student.Answer(0);
        number.SetIsValid(1);
        number.SetIsCorrect(TCorrect::Yes);
        number.PutLineAns(CStringa("3,5"));
        number.PutNumber(3.5);
        number.TimeAns().SetElapsed(42);
        CStudRispo& choice = *student.Answer(1);
        choice.SetIsValid(1);
        choice.SetIsCorrect(TCorrect::No);
        choice.PutTypeQue(TQue::MultipleAnswer);
        choice.PutStNumRisp(2);
        choice.PutChoice(1, 1);
        choice.PutStRndRisp(0, 1);
        choice.PutStRndRisp(1, 0);
        choice.AddScore(-1);
    }

    ClockFunction previous = nullptr;
};

TEST_F(StudentiTest, TwoAppendsAreReadBackInOrder)
{
    AddRun("Rossi Maria", 2.5f);
    ASSERT_EQ(test.SaveStudent(0), 0);
    AddRun("Bianchi Luca", -1);
    ASSERT_EQ(test.SaveStudent(0), 0);

    const auto lines = Lines(ReadFile(dir + "quiz.stu"));
    std::vector<std::size_t> dashed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "<!" + std::string(70, '-') + ">") dashed.push_back(i);
    ASSERT_EQ(dashed.size(), 2u);
    for (std::size_t i : dashed) EXPECT_EQ(lines.at(i + 1), "<Student>");

    const auto back = Load("quiz.tst");
    ASSERT_EQ(back->LoadStudents(), 0);
    ASSERT_EQ(back->StudentCount(), 2);
    EXPECT_TRUE(*back->GetStudent(0) == *test.GetStudent(0));
    EXPECT_TRUE(*back->GetStudent(1) == *test.GetStudent(1));
}

TEST_F(StudentiTest, WithoutStudentsThereIsNothingToSave)
{
    EXPECT_EQ(test.SaveStudent(0), kCannotCreate);
    EXPECT_EQ(recorder.messages, Messages{"Non riesco a creare il file \"Studente ignoto\""});
    EXPECT_EQ(test.Error(), 0);
    EXPECT_FALSE(FileExists(Path("quiz.stu")));
}

TEST_F(StudentiTest, ResultFileHoldsOnlyTheLastRecord)
{
    AddRun("Rossi Maria", 2.5f);
    test.CreateResultFile();
    ASSERT_EQ(Str(test.GetResultFile()), dir + "quiz.000");
    ASSERT_EQ(test.SaveStudent(1), 0);
    ASSERT_EQ(test.SaveStudent(1), 0);
    const std::string text = ReadFile(dir + "quiz.000");
    EXPECT_EQ(text.find("<Student>"), text.rfind("<Student>"));
    EXPECT_FALSE(FileExists(Path("quiz.stu")));
}

TEST_F(StudentiTest, FailedAppendLeavesTheStudentFileAsItWas)
{
    QV_SKIP_WITHOUT_POSIX_FILES();
    AddRun("Rossi Maria", 2.5f);
    ASSERT_EQ(test.SaveStudent(0), 0);
    const std::string before = ReadFile(dir + "quiz.stu");

    int result = 0;
    ASSERT_NO_FATAL_FAILURE(WithFileSizeLimit(before.size() + 50, [&] { result = test.SaveStudent(0); }));

    EXPECT_EQ(result, kCannotCreate);
    EXPECT_EQ(recorder.messages, Messages{"Non riesco a creare il file \"" + dir + "quiz.stu\""});
    EXPECT_EQ(ReadFile(dir + "quiz.stu"), before);
}

// Questionnaires of every kind, drawn with a fixed seed. Only values that
// the file can hold are drawn: texts without '"', '<' and blanks at their
// ends, numbers of at most three decimals, whole precisions where the file
// keeps only whole ones, and the fields a kind of question does not write
// left at their defaults.
class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    // Fills the parameters and adds questions; the questions meant, in order.
    std::vector<CDomanda> Fill(CTest& test)
    {
        std::vector<CDomanda> meant;
        CParTest& p = test.GetParams();
        p.Name = Text(30);
        p.Random = Flag();
        p.Save = Flag();
        p.Time = Int(-5, 120);
        p.ViewScore = Flag();
        p.Exit = Flag();
        p.AskConfirm = Flag();
        p.CorrectAnswer = Flag();
        p.SendBack = Int(0, 5);
        p.Password = Text(12);
        p.MaxQue = Int(0, 10);
        p.ForceAns = Flag();
        p.ViewHint = Flag();
        p.ViewComm = Flag();
        p.StudComm = Flag();
        p.ClassTest = Text(10);
        p.TextTest = Text(200, true);
        for (int n = Int(0, 8); n > 0; --n) {
            CDomanda question(test.GetErrors());
            Fill(question);
            test.AppendQuestion(question);
            if (Flag()) {
                CDomanda other(test.GetErrors());
                Fill(other);
                test.SetQuestion(test.QuestionCount() - 1, other);
                question = other;
            }
            meant.push_back(question);
        }
        return meant;
    }

private:
    void Fill(CDomanda& q)
    {
        const TQue type = static_cast<TQue>(Int(0, 6));
        q.SetTypeQue(type);
        // Now and then a question longer than the 32 KB sections of old.
        q.SetTextQue(Text(Int(0, 40) == 0 ? 40000 : 150, true));
        q.SetEnableQue(Flag());
        q.SetScoreIfSkip(Score());
        q.SetScoreIfLate(Score());
        q.SetScoreIfSendBack(Score());
        q.SetTimeQue(Int(-10, 600));
        q.SetHintMode(static_cast<THint>(Int(0, 3)));
        q.SetClassQue(Text(10));
        q.SetImage(Text(20));
        TAdd add = TAdd::None;
        if (type == TQue::MultipleAnswer) {
            q.SetRandom(Flag());
            q.SetSelection(static_cast<TSel>(Int(0, 1)));
            q.SetTypeSel(static_cast<TTypeSel>(Int(0, 2)));
            add = static_cast<TAdd>(Int(0, 2));
            q.SetAddTxtNum(add);
        }
        const bool number = type == TQue::SingleNumber || add == TAdd::Number;
        const bool text = type == TQue::SingleText || add == TAdd::Text;
        if (number) {
            q.SetNumOk(Flag() ? Int(-1'000'000, 1'000'000) / 1000.0 : Real());
            q.SetPrecision(Flag() ? Int(0, 10'000) / 1000.0 : std::fabs(Real()));
        }
        if (text) {
            q.SetTextOk(Text(20));
            q.SetPrecision(Int(-3, 3));
        }
        if (number || text) {
            q.SetScoreIfOk(Score());
            q.SetScoreIfBad(Score());
            q.SetScoreIfNear(Score());
        }
        for (int n = Int(0, MAX_ANSWERS); n > 0; --n) {
            CRisposta answer(q.GetErrors());
            answer.SetScore(Score());
            answer.SetCorrect(Flag());
            answer.SetTextAns(Text(60, true));
            q.AddAnswer(answer);
        }
    }

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    int Flag() { return Int(0, 1); }
    // Mostly quarter points, now and then any float or double at all: 1e-8,
    // 0.1 or 123456.79 must come back as they were.
    float Score()
    {
        return Int(0, 3) > 0 ? static_cast<float>(Int(-40, 40)) / 4 : static_cast<float>(Real());
    }
    double Real() { return std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random_), Int(-40, 40)); }

    CStringa Text(int longest, bool lines = false)
    {
        static const std::string kChars =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789      .,;:!?'()-+*/=>%&#"
            "\xE0\xE8\xE9\xEC\xF2\xF9\xC8\x80";
        std::string text;
        for (int n = Int(0, longest); n > 0; --n) {
            if (lines && Int(0, 30) == 0)
                text += '\n';
            else
                text += kChars[Int(0, static_cast<int>(kChars.size()) - 1)];
        }
        const auto first = text.find_first_not_of(" \n");
        const auto last = text.find_last_not_of(" \n");
        return CStringa(first == std::string::npos ? "" : text.substr(first, last - first + 1).c_str());
    }

    std::mt19937 random_;
};

// A student who answered every question of test, with every field set to
// something other than its initial value; choice positions run over -1..19.
void FillStudent(CTest& test, int seed)
{
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    ASSERT_EQ(test.AddStudent(), 0);
    CStudente& s = *test.LastStudent();
    s.SetNameStudent("Rossi Maria");
    s.SetTimeInit("Mon Dec  7 09:30:00 2026");
    s.SetTimeLength("12:05");
    s.SetTotalScore(1.0f / 3);
    for (int i = 0; i < s.AnswerCount(); ++i) {
        CStudRispo& a = *s.Answer(i);
        const TQue type = test.GetQuestion(i)->GetTypeQue();
        a.SetIsValid(1);
        a.SetIsCorrect(static_cast<TCorrect>(pick(0, 4)));
        a.TimeAns().SetElapsed(pick(0, 5000));
        a.IncNumSendBack();
        a.AddScore(static_cast<float>(pick(-1000, 1000)) / 7);
        a.PutTypeQue(type);
        a.PutLineAns(type == TQue::SingleNumber ? CStringa("2,75") : CStringa("Parigi, Francia"));
        if (type == TQue::SingleNumber) a.PutNumber(2.75);
        if (type != TQue::MultipleAnswer) continue;
        a.PutStNumRisp(MAX_STUDENT_CHOICES);
        for (int k = 0; k < MAX_STUDENT_CHOICES; ++k) {
            a.PutChoice(k, pick(0, 1));
            a.PutStRndRisp(k, (i + k) % 21 - 1);
        }
    }
}

// A loaded test shows each enabled question once, and each question each of
// its answers once.
void ExpectOrdersShowEachOnce(CTest& test)
{
    auto sorted = [](std::vector<int> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    std::vector<int> enabled, shown;
    for (int i = 0; i < test.QuestionCount(); ++i) {
        CDomanda& q = *test.GetQuestion(i);
        if (q.GetEnableQue()) enabled.push_back(i);
        std::vector<int> answers, every;
        for (int p = 0; p < q.GetAnswerCount(); ++p)
            answers.push_back(q.GetShownIndex(p)), every.push_back(p);
        EXPECT_EQ(sorted(answers), every) << "question " << i;
    }
    for (std::size_t p = 0; p < enabled.size(); ++p) shown.push_back(test.GetShownIndex(static_cast<int>(p)));
    EXPECT_EQ(sorted(shown), enabled);
}

TEST_F(ScrittoreTest, EveryGeneratedQuestionnaireLoadsBackEqual)
{
    Generator generator(20240611);
    for (int round = 0; round < 150; ++round) {
        CTest original(&errors);
        original.SetPathName(Path("quiz"));
        const std::vector<CDomanda> meant = generator.Fill(original);
        for (int scrambled = 0; scrambled <= 1; ++scrambled) {
            original.SetScrambled(scrambled);
            ASSERT_EQ(original.SaveCurrent(), 0);
            const auto back = Load("quiz.tst");
            ASSERT_EQ(back->Error(), 0)
                << "round " << round << ": " << testing::PrintToString(recorder.messages);
            EXPECT_EQ(back->IsScrambled(), scrambled);
            ASSERT_TRUE(*back == original) << "round " << round << "\n" << ReadFile(dir + "quiz.tst");
            ExpectOrdersShowEachOnce(*back);
            for (std::size_t i = 0; i < meant.size(); ++i)
                ASSERT_TRUE(*back->GetQuestion(static_cast<int>(i)) == meant[i])
                    << "round " << round << ", " << i;
        }
    }
}

// A long questionnaire goes to the disk in stretches, which join up into
// the whole file. A question that cannot be saved, found after some of them
// went, leaves the old file as it was and nothing beside it.
TEST_F(ScrittoreTest, LongQuestionnaireIsWrittenWholeOrNotAtAll)
{
    Generator generator(11);
    CTest original(&errors);
    original.SetPathName(Path("quiz"));
    while (original.QuestionCount() < 600) generator.Fill(original);
    for (int scrambled = 0; scrambled <= 1; ++scrambled) {
        original.SetScrambled(scrambled);
        ASSERT_EQ(original.SaveCurrent(), 0);
        ASSERT_GT(ReadFile(dir + "quiz.tst").size(), 1'000'000u);
        const auto back = Load("quiz.tst");
        ASSERT_EQ(back->Error(), 0);
        EXPECT_TRUE(*back == original) << "scrambled " << scrambled;
    }

    const std::string before = ReadFile(dir + "quiz.tst");
    original.GetQuestion(500)->SetTextQue(CStringa(std::string(MAX_SECTION_TEXT, 'x').c_str()));
    recorder.messages.clear();
    EXPECT_EQ(original.SaveCurrent(), kSectionTooLongToSave);
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(ReadFile(dir + "quiz.tst"), before);
    EXPECT_EQ(Files(), std::vector<std::string>{"quiz.tst"});
}

// A long test's student record is far past the 32 KB sections of old, and
// it comes back whole: every field the file holds, timers by their seconds.
TEST_F(ScrittoreTest, EveryGeneratedStudentRecordLoadsBack)
{
    Generator generator(7);
    for (const int questions : {1, 40, 300}) {
        CTest original(&errors);
        original.SetPathName(Path("lungo"));
        while (original.QuestionCount() < questions) generator.Fill(original);
        while (original.QuestionCount() > questions) original.RemoveQuestion(0);
        ASSERT_NO_FATAL_FAILURE(FillStudent(original, questions));
        std::filesystem::remove(dir + "lungo.stu");
        ASSERT_EQ(original.SaveCurrent(), 0);
        ASSERT_EQ(original.SaveStudent(0), 0);

        const auto back = Load("lungo.tst");
        ASSERT_EQ(back->LoadStudents(), 0) << testing::PrintToString(recorder.messages);
        ASSERT_EQ(back->StudentCount(), 1);
        CStudente& saved = *original.LastStudent();
        CStudente& loaded = *back->LastStudent();
        for (int i = 0; i < saved.AnswerCount(); ++i) {
            CStudRispo& answer = *saved.Answer(i);
            ASSERT_EQ(answer.GetTimeAns(), loaded.Answer(i)->GetTimeAns()) << i;
            answer.TimeAns() = loaded.Answer(i)->TimeAns();
        }
        EXPECT_TRUE(loaded == saved) << ReadFile(dir + "lungo.stu");
    }
    EXPECT_GT(ReadFile(dir + "lungo.stu").size(), 32767u);
}

// The format has no escapes: a text that would load back otherwise is
// refused, and nothing is written.
TEST_F(ScrittoreTest, TextsTheFileCannotHoldAreRefused)
{
    using Change = std::function<void(CTest&)>;
    const struct {
        const char* what;
        Change change;
        std::string message;
    } rows[] = {
        {"quote in the name", [](CTest& t) { t.GetParams().Name = "il \"vero\" test"; },
         "Il campo Name del test contiene *\"*, che il file non puo' contenere"},
        {"comment start in the text", [](CTest& t) { t.GetParams().TextTest = "<!DOCTYPE html>"; },
         "Il campo TextTest del test contiene *<!*, che il file non puo' contenere"},
        {"comment start in a question", [](CTest& t) { t.GetQuestion(0)->SetTextQue("3 <! 4"); },
         "Il campo TextQue della domanda 1 contiene *<!*, che il file non puo' contenere"},
        {"closing tag in an answer",
         [](CTest& t) { t.GetQuestion(1)->GetAnswer(0).SetTextAns("a</textans>b"); },
         "Il campo TextAns della risposta 1 della domanda 2 contiene *</TextAns>*, che il file non puo' "
         "contenere"},
        {"closing tag of another section", [](CTest& t) { t.GetQuestion(1)->SetImage("x</Question>"); },
         "Il campo Image della domanda 2 contiene *</Question>*, che il file non puo' contenere"},
        {"comment start after a closing tag", [](CTest& t) { t.GetQuestion(0)->SetTextQue("</ans> <!x"); },
         "Il campo TextQue della domanda 1 contiene *<!*, che il file non puo' contenere"},
        {"two closing tags, in any case, one behind a '<'",
         [](CTest& t) { t.GetQuestion(0)->SetTextQue("<</ans> </ANSWER"); },
         "Il campo TextQue della domanda 1 contiene *</Ans>*, che il file non puo' contenere"},
        {"the tags' own order decides", [](CTest& t) { t.GetQuestion(0)->SetClassQue("</StPar></Test>"); },
         "Il campo ClassQue della domanda 1 contiene *</Test>*, che il file non puo' contenere"},
        {"what a scrambled file would read as <Test>",
         [](CTest& t) {
             t.SetScrambled(1);
             t.GetParams().ClassTest = "a?Grfg;b";
         },
         "Il campo ClassTest del test contiene *?Grfg;*, che il file non puo' contenere"},
        {"a question past the section limit",
         [](CTest& t) { t.GetQuestion(1)->SetTextQue(std::string(MAX_SECTION_TEXT, 'x').c_str()); },
         "Non posso salvare il file \"DIR/quiz.tst\": la domanda 2 supera 8388608 byte"},
    };
    for (const auto& row : rows) {
        CTest t(&errors);
        t.SetPathName(Path("quiz"));
        for (int i = 0; i < 2; ++i) {
            CDomanda q(&errors);
            q.AddAnswer(CRisposta(&errors));
            t.AppendQuestion(q);
        }
        row.change(t);
        recorder.Clear();
        EXPECT_NE(t.SaveCurrent(), 0) << row.what;
        EXPECT_EQ(t.Error(), 0) << row.what;
        EXPECT_EQ(recorder.messages, Messages{Replaced(row.message, "DIR/", dir)}) << row.what;
        EXPECT_TRUE(Files().empty()) << row.what;
    }
    // "3 < 4" and a quote in a text of its own are stored as they are.
    test.GetParams().TextTest = "3 < 4, \"citato\"";
    ASSERT_EQ(test.SaveCurrent(), 0);
    EXPECT_EQ(Load("quiz.tst")->GetParams().TextTest, test.GetParams().TextTest);
}

TEST_F(ScrittoreTest, StudentTextsTheFileCannotHoldAreRefused)
{
    test.AddQuestion();
    ASSERT_EQ(test.AddStudent(), 0);
    test.LastStudent()->Answer(0)->SetIsValid(1);
    test.LastStudent()->Answer(0)->PutLineAns("un \"virgolettato\"");
    EXPECT_EQ(test.SaveStudent(0), kTextNotStorable);
    EXPECT_EQ(recorder.messages, Messages{"Il campo LineAns della risposta 1 dello studente 1 contiene *\"*, "
                                          "che il file non puo' contenere"});
    EXPECT_TRUE(Files().empty());
}

}  // namespace

}  // namespace quadrivo
