#include "model/test.h"

#include "model/domanda.h"
#include "student/studente.h"
#include "text/errore.h"
#include "text/utilita.h"

namespace quadrivo {

CTest::CTest(CErrore* errors) : Errors(errors), Params(errors)
{
    Reset();
}

CTest::CTest(CErrore* errors, const CStringa& directory, const CStringa& path) : CTest(errors)
{
    Directory = DirOf(directory);
    PathName = path;
    Load();
}

CTest::CTest(const CTest& other) : Errors(other.Errors), Params(other.Errors)
{
    Reset();
    *this = other;
    BuildOrder();
}

CTest::~CTest()
{
    ClearStudents();
    ClearQuestions();
}

void CTest::Reset()
{
    ErrorCode = 0;
    Scrambled = 0;
    EnabledCount_ = -1;
    Questions.clear();
    ShownOrder.assign(MAX_QUESTIONS, -1);
    Students.clear();
    Stamp = "";
    ResultFile = "";
}

CTest& CTest::operator=(const CTest& other)
{
    if (this == &other) return *this;
    Errors = other.Errors;
    ErrorCode = other.ErrorCode;
    PathName = other.PathName;
    Stamp = other.Stamp;
    Params = other.Params;

    ClearQuestions();
    for (const auto& question : other.Questions) {
        auto copy = MakeOrNull<CDomanda>(Errors);
        if (!copy || !AppendOrFail(Questions, std::move(copy))) {
            ErrorCode = kNoMemoryForQuestion;
            Report(Errors, kNoMemoryForQuestion, QuestionCount());
            break;
        }
        *Questions.back() = *question;
    }
    BuildOrder();

    ClearStudents();
    for (const auto& student : other.Students) {
        auto copy = MakeOrNull<CStudente>(Errors);
        if (copy) *copy = *student;
        if (!copy || !AppendOrFail(Students, std::move(copy))) {
            ErrorCode = kNoMemoryForStudent;
            Report(Errors, kNoMemoryForStudent, StudentCount());
            break;
        }
    }
    return *this;
}

bool CTest::operator==(const CTest& other) const
{
    if (!(Params == other.Params) || QuestionCount() != other.QuestionCount()) return false;
    for (int i = 0; i < QuestionCount(); ++i)
        if (*Questions[i] != *other.Questions[i]) return false;
    if (StudentCount() != other.StudentCount()) return false;
    for (int j = 0; j < StudentCount(); ++j)
        if (*Students[j] != *other.Students[j]) return false;
    return true;
}

int CTest::AddQuestion()
{
    if (ErrorCode != 0) return ErrorCode;
    auto question = QuestionCount() < MAX_QUESTIONS ? MakeOrNull<CDomanda>(Errors) : nullptr;
    if (!question || !AppendOrFail(Questions, std::move(question))) {
        ErrorCode = kNoMemoryForQuestion;
        Report(Errors, kNoMemoryForQuestion, QuestionCount());
        return kNoMemoryForQuestion;
    }
    return 0;
}

int CTest::AppendQuestion(const CDomanda& q)
{
    if (ErrorCode != 0) return ErrorCode;
    const int result = AddQuestion();
    if (result == 0) *Questions.back() = q;
    return result;
}

void CTest::RemoveQuestion(int index)
{
    if (index < 0 || index >= QuestionCount()) return;
    // The values move up, the objects stay where they are.
    for (int k = index; k + 1 < QuestionCount(); ++k) *Questions[k] = *Questions[k + 1];
    Questions.pop_back();
}

void CTest::ClearQuestions()
{
    for (int i = 0; i < QuestionCount(); ++i) ShownOrder[i] = -1;
    Questions.clear();
}

CDomanda* CTest::GetQuestion(int index)
{
    if (QuestionCount() == 0 && AddQuestion() != 0) return nullptr;
    if (index < 0 || index >= QuestionCount()) index = 0;
    return Questions[index].get();
}

void CTest::SetQuestion(int index, const CDomanda& q)
{
    if (index < 0 || index >= QuestionCount()) return;
    *Questions[index] = q;
}

CDomanda* CTest::GetShownQuestion(int pos)
{
    if (QuestionCount() == 0 && AddQuestion() != 0) return nullptr;
    int index = pos >= 0 && pos < QuestionCount() ? ShownOrder[pos] : -1;
    // RemoveQuestion leaves the order as it was, so an entry may name a slot
    // past the list: it counts as empty.
    if (index < 0 || index >= QuestionCount()) index = ShownOrder[0];
    // An order not built yet, or no enabled question: the first question.
    if (index < 0 || index >= QuestionCount()) index = 0;
    return Questions[index].get();
}

int CTest::GetShownIndex(int pos) const
{
    if (pos < 0 || pos >= QuestionCount()) return 0;
    const int index = ShownOrder[pos];
    return index < 0 || index >= QuestionCount() ? 0 : index;
}

void CTest::CountEnabled()
{
    EnabledCount_ = 0;
    for (int i = 0; i < QuestionCount(); ++i)
        if (Questions[i]->GetEnableQue()) EnabledCount_ += 1;
}

int CTest::EnabledCount()
{
    if (EnabledCount_ <= 0) CountEnabled();
    return EnabledCount_;
}

int CTest::AskedCount()
{
    int m = Params.MaxQue;
    if (m <= 0 || m > QuestionCount()) m = QuestionCount();
    const int enabled = EnabledCount();
    return m < enabled ? m : enabled;
}

int CTest::NotAskedCount()
{
    return QuestionCount() - AskedCount();
}

int CTest::BuildOrder()
{
    CountEnabled();
    const int n = EnabledCount_;
    int enabled[MAX_QUESTIONS];
    int k = 0;
    for (int i = 0; i < QuestionCount(); ++i)
        if (Questions[i]->GetEnableQue()) enabled[k++] = i;
    if (Params.Random) {
        RandomPermutation(ShownOrder.data(), n);
        for (int p = 0; p < n; ++p) ShownOrder[p] = enabled[ShownOrder[p]];
    } else {
        for (int p = 0; p < n; ++p) ShownOrder[p] = enabled[p];
    }
    for (int p = n; p < QuestionCount(); ++p) ShownOrder[p] = -1;
    return n;
}

int CTest::AddStudent()
{
    if (ErrorCode != 0) return ErrorCode;
    std::unique_ptr<CStudente> student;
    if (StudentCount() < MAX_STUDENTS) {
        student = MakeOrNull<CStudente>(Errors, QuestionCount());
        if (student && student->Error() != 0) student.reset();
    }
    if (!student) {
        ErrorCode = kNoMemoryForStudent;
        Report(Errors, kNoMemoryForStudent, StudentCount());
        return kNoMemoryForStudent;
    }
    for (int i = 0; i < QuestionCount(); ++i) {
        CStudRispo* answer = student->Answer(i);
        answer->SetIDAns(i);
        const int limit = Questions[i]->GetTimeQue();
        answer->TimeAns().SetLimit(limit < 0 ? 0 : limit);
    }
    const int enabled = EnabledCount();
    for (int p = 0; p < enabled && p < QuestionCount(); ++p) {
        const int index = ShownOrder[p];
        if (index >= 0 && index < QuestionCount()) student->Answer(index)->SetRndAns(p);
    }
    if (!AppendOrFail(Students, std::move(student))) {
        ErrorCode = kNoMemoryForStudent;
        Report(Errors, kNoMemoryForStudent, StudentCount());
    }
    return ErrorCode;
}

int CTest::AppendStudent(const CStudente& s)
{
    if (ErrorCode != 0) return ErrorCode;
    ErrorCode = AddStudent();
    if (ErrorCode == 0) *Students.back() = s;
    return ErrorCode;
}

void CTest::ClearStudents()
{
    Students.clear();
}

CStudente* CTest::GetStudent(int index)
{
    if (Students.empty() && AddStudent() != 0) return nullptr;
    if (index < 0 || index >= StudentCount()) index = 0;
    return Students[index].get();
}

CStudente* CTest::LastStudent()
{
    if (Students.empty() && AddStudent() != 0) return nullptr;
    return Students.back().get();
}

}  // namespace quadrivo
