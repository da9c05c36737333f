#ifndef QUADRIVO_MODEL_TEST_H
#define QUADRIVO_MODEL_TEST_H

#include <cstddef>
#include <memory>
#include <vector>

#include "model/partest.h"
#include "student/studrispo.h"  // TCorrect
#include "text/limiti.h"
#include "text/stringa.h"

namespace quadrivo {

class CDomanda;
class CErrore;
class CLettore;
class CStudente;

// A questionnaire in memory: its general parameters and text, up to
// MAX_QUESTIONS owned questions with the order a run presents them, owned
// student records (as many as memory allows) with two orderings, the names
// of its files and a sticky error code.
//
// ErrorCode is sticky: the first failing operation sets it, and while it is
// not 0 Load, LoadStudents, the savers, AddQuestion, AppendQuestion,
// AddStudent and AppendStudent do nothing and return it, until SetError(0).
// Errors is not owned and must outlive the test.
class CTest {
public:
    using StudentList = std::vector<std::unique_ptr<CStudente>>;

    explicit CTest(CErrore* errors);
    // Directory = DirOf(directory), PathName = path, then Load(); the caller
    // tests Error() afterwards.
    CTest(CErrore* errors, const CStringa& directory, const CStringa& path);
    CTest(const CTest& other);
    ~CTest();
    // Copies Errors, ErrorCode, PathName, Stamp, Params, the questions and the
    // students, then rebuilds the order. Scrambled, Directory, ResultFile and
    // the student orderings stay the target's own.
    CTest& operator=(const CTest& other);
    bool operator==(const CTest& other) const;
    bool operator!=(const CTest& other) const { return !(*this == other); }

    // State and names.
    int Error() const { return ErrorCode; }
    void SetError(int code) { ErrorCode = code; }
    int IsScrambled() const { return Scrambled; }
    void ToggleScrambled() { Scrambled = Scrambled ? 0 : 1; }
    void SetScrambled(int flag) { Scrambled = flag ? 1 : 0; }
    const CStringa& GetDirectory() const { return Directory; }
    const CStringa& GetPathName() const { return PathName; }
    void SetPathName(const CStringa& path) { PathName = path; }
    CParTest& GetParams() { return Params; }
    const CParTest& GetParams() const { return Params; }
    void SetParams(const CParTest& params) { Params = params; }
    CErrore* GetErrors() const { return Errors; }

    // Loading and saving; each returns the error code.
    int Load();
    int LoadStudents();
    // A bare name (neither '\', '/' nor ':') goes to the directory of the
    // test's own file; ".tst" is added when the name has no extension. The
    // file is replaced only once the new text is wholly written.
    int SaveTo(const CStringa& name, int overwrite);
    int SaveCurrent();
    int SaveStudent(int toResultFile);

    // The family of files of this test, derived from PathName.
    CStringa TestFileName() const;
    CStringa TestFileNameOf(const CStringa& name) const;
    CStringa SiblingName(const CStringa& ext) const;
    CStringa StudentFileName() const;
    CStringa LockFileName() const;
    CStringa BareFileName() const;
    // Copy the name into buf of size bytes, cut to fit and always terminated.
    char* CopyTestFileName(char* buf, std::size_t size) const;
    char* CopyStudentFileName(char* buf, std::size_t size) const;
    const CStringa& GetStamp();
    void MakeStamp();
    bool LockExists() const;
    void CreateLock();
    CStringa ReadLock() const;
    bool OwnsLock();
    void RemoveLock() const;
    void CreateResultFile();
    void RemoveResultFile();
    const CStringa& GetResultFile() const { return ResultFile; }

    // Questions.
    int QuestionCount() const { return static_cast<int>(Questions.size()); }
    int AddQuestion();
    int AppendQuestion(const CDomanda& q);
    void RemoveQuestion(int index);
    void ClearQuestions();
    CDomanda* GetQuestion(int index);
    void SetQuestion(int index, const CDomanda& q);
    CDomanda* GetShownQuestion(int pos);
    int GetShownIndex(int pos) const;
    void CountEnabled();
    int EnabledCount();
    int AskedCount();
    int NotAskedCount();
    int BuildOrder();

    // Students.
    int StudentCount() const { return static_cast<int>(Students.size()); }
    int AddStudent();
    int AppendStudent(const CStudente& s);
    void ClearStudents();
    CStudente* GetStudent(int index);
    CStudente* LastStudent();

    // Statistics over the asked questions and the loaded student records.
    double TestMaxScore();
    double TestMinScore();
    double TestScoreVariance();
    double TestScoreStdDev();
    double TestMeanScore();
    double ClassMin() const;
    double ClassMax() const;
    double ClassMean() const;
    double ClassMean(int decimals) const;
    double ClassMedian();
    double ClassMedian(int decimals);
    double ClassStdDev() const;
    double ClassStdDev(int decimals) const;
    double ClassSampleStdDev() const;
    double ClassSampleStdDev(int decimals) const;
    static int ParseMinSec(const CStringa& text);
    int ClassTotalTime() const;
    double ClassMeanTime() const;
    double ClassTimeStdDev() const;
    int TotalAnswerTime() const;
    int ExpectedAnswers();
    int TimeByJudgement(TCorrect c) const;
    int CountByJudgement(TCorrect c) const;
    int QuestionTimeByJudgement(TCorrect c, int q) const;
    int QuestionCountByJudgement(TCorrect c, int q) const;
    int QuestionTime(int q) const;
    int QuestionAnsweredCount(int q) const;
    int QuestionSendBacks(int q) const;
    // The indexes of the records, StudentCount() of them; valid until the
    // next call or the next change of the records.
    const int* SortByScore();
    const int* SortByName();

private:
    void Reset();
    // Counts the <Student> sections left in reader beyond MAX_STUDENTS and
    // reports them (27): the records loaded stay.
    void ReportStudentsLeftOut(CLettore& reader);

    CErrore* Errors;
    int ErrorCode = 0;
    int Scrambled = 0;
    CStringa Directory;
    CStringa PathName;
    CStringa Stamp;
    CStringa ResultFile;
    CParTest Params;
    int EnabledCount_ = -1;
    std::vector<std::unique_ptr<CDomanda>> Questions;
    std::vector<int> ShownOrder;  // MAX_QUESTIONS entries, -1 past the enabled ones
    StudentList Students;
    std::vector<int> ScoreOrder;
    std::vector<int> NameOrder;
};

}  // namespace quadrivo

#endif
