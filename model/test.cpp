#include "model/test.h"

#include <new>

#include "model/domanda.h"
#include "student/studente.h"
#include "text/utilita.h"
#include "text/errore.h"

namespace {

// A question allocates its answers in its constructor, where running out of
// memory throws instead of giving null: callers turn null into error 12.
CDomanda* NewQuestion(CErrore* errors)
{
    try {
        return new CDomanda(errors);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// Student records, like questions, may run out of memory: null, which
// callers turn into error 18.
std::unique_ptr<CStudente> NewStudent(CErrore* errors, int answers = 0)
{
    try {
        return answers > 0 ? std::make_unique<CStudente>(errors, answers) : std::make_unique<CStudente>(errors);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

bool CTest::PushStudent(std::unique_ptr<CStudente> student)
{
    try {
        Students.push_back(std::move(student));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

CTest::CTest(CErrore* errors) : Errors(errors), Params(errors) { Reset(); }

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
    delete[] ShownOrder;
}

void CTest::Reset()
{
    ErrorCode = 0;
    Scrambled = 0;
    QuestionCount_ = 0;
    EnabledCount_ = -1;
    ShownOrder = new int[MAX_QUESTIONS];
    for (int i = 0; i < MAX_QUESTIONS; ++i) {
        Questions[i] = nullptr;
        ShownOrder[i] = -1;
    }
    Students.clear();
    Randomize();
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
    for (int i = 0; i < other.QuestionCount_; ++i) {
        Questions[i] = NewQuestion(Errors);
        if (!Questions[i]) {
            ErrorCode = kNoMemoryForQuestion;
            Report(Errors, kNoMemoryForQuestion, QuestionCount_);
            break;
        }
        *Questions[i] = *other.Questions[i];
        QuestionCount_ += 1;
    }
    BuildOrder();

    ClearStudents();
    for (const auto& student : other.Students) {
        auto copy = NewStudent(Errors);
        if (!copy) {
            ErrorCode = kNoMemoryForStudent;
            Report(Errors, kNoMemoryForStudent, StudentCount());
            break;
        }
        *copy = *student;
        if (!PushStudent(std::move(copy))) {
            ErrorCode = kNoMemoryForStudent;
            Report(Errors, kNoMemoryForStudent, StudentCount());
            break;
        }
    }
    return *this;
}

bool CTest::operator==(const CTest& other) const
{
    if (!(Params == other.Params) || QuestionCount_ != other.QuestionCount_) return false;
    for (int i = 0; i < QuestionCount_; ++i)
        if (*Questions[i] != *other.Questions[i]) return false;
    if (StudentCount() != other.StudentCount()) return false;
    for (int j = 0; j < StudentCount(); ++j)
        if (*Students[j] != *other.Students[j]) return false;
    return true;
}

int CTest::AddQuestion()
{
    if (ErrorCode != 0) return ErrorCode;
    CDomanda* question = nullptr;
    if (QuestionCount_ < MAX_QUESTIONS) question = NewQuestion(Errors);
    if (!question) {
        ErrorCode = kNoMemoryForQuestion;
        Report(Errors, kNoMemoryForQuestion, QuestionCount_);
        return kNoMemoryForQuestion;
    }
    Questions[QuestionCount_] = question;
    QuestionCount_ += 1;
    return 0;
}

int CTest::AppendQuestion(const CDomanda& q)
{
    if (ErrorCode != 0) return ErrorCode;
    const int result = AddQuestion();
    if (result == 0) *Questions[QuestionCount_ - 1] = q;
    return result;
}

void CTest::RemoveQuestion(int index)
{
    if (index < 0 || index >= QuestionCount_) return;
    for (int k = index; k + 1 < QuestionCount_; ++k) *Questions[k] = *Questions[k + 1];
    delete Questions[QuestionCount_ - 1];
    Questions[QuestionCount_ - 1] = nullptr;
    QuestionCount_ -= 1;
}

void CTest::ClearQuestions()
{
    for (int i = 0; i < QuestionCount_; ++i) {
        delete Questions[i];
        Questions[i] = nullptr;
        ShownOrder[i] = -1;
    }
    QuestionCount_ = 0;
}

CDomanda* CTest::GetQuestion(int index)
{
    if (QuestionCount_ == 0 && AddQuestion() != 0) return nullptr;
    if (index < 0 || index >= QuestionCount_) index = 0;
    return Questions[index];
}

void CTest::SetQuestion(int index, const CDomanda& q)
{
    if (index < 0 || index >= QuestionCount_) return;
    *Questions[index] = q;
}

CDomanda* CTest::GetShownQuestion(int pos)
{
    if (QuestionCount_ == 0 && AddQuestion() != 0) return nullptr;
    int index = pos >= 0 && pos < QuestionCount_ ? ShownOrder[pos] : -1;
    // RemoveQuestion leaves the order as it was, so an entry may name a slot
    // past the list: it counts as empty.
    if (index < 0 || index >= QuestionCount_) index = ShownOrder[0];
    // An order not built yet, or no enabled question: the first question.
    if (index < 0 || index >= QuestionCount_) index = 0;
    return Questions[index];
}

int CTest::GetShownIndex(int pos) const
{
    if (pos < 0 || pos >= QuestionCount_) return 0;
    const int index = ShownOrder[pos];
    return index < 0 || index >= QuestionCount_ ? 0 : index;
}

void CTest::CountEnabled()
{
    EnabledCount_ = 0;
    for (int i = 0; i < QuestionCount_; ++i)
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
    if (m <= 0 || m > QuestionCount_) m = QuestionCount_;
    const int enabled = EnabledCount();
    return m < enabled ? m : enabled;
}

int CTest::NotAskedCount() { return QuestionCount_ - AskedCount(); }

int CTest::BuildOrder()
{
    CountEnabled();
    const int n = EnabledCount_;
    int enabled[MAX_QUESTIONS];
    int k = 0;
    for (int i = 0; i < QuestionCount_; ++i)
        if (Questions[i]->GetEnableQue()) enabled[k++] = i;
    if (Params.Random) {
        RandomPermutation(ShownOrder, n);
        for (int p = 0; p < n; ++p) ShownOrder[p] = enabled[ShownOrder[p]];
    } else {
        for (int p = 0; p < n; ++p) ShownOrder[p] = enabled[p];
    }
    for (int p = n; p < QuestionCount_; ++p) ShownOrder[p] = -1;
    return n;
}

int CTest::AddStudent()
{
    if (ErrorCode != 0) return ErrorCode;
    std::unique_ptr<CStudente> student;
    if (StudentCount() < MAX_STUDENTS) {
        student = NewStudent(Errors, QuestionCount_);
        if (student && student->Error() != 0) student.reset();
    }
    if (!student) {
        ErrorCode = kNoMemoryForStudent;
        Report(Errors, kNoMemoryForStudent, StudentCount());
        return kNoMemoryForStudent;
    }
    for (int i = 0; i < QuestionCount_; ++i) {
        CStudRispo* answer = student->Answer(i);
        answer->SetIDAns(i);
        const int limit = Questions[i]->GetTimeQue();
        answer->TimeAns().SetLimit(limit < 0 ? 0 : limit);
    }
    const int enabled = EnabledCount();
    for (int p = 0; p < enabled && p < QuestionCount_; ++p) {
        const int index = ShownOrder[p];
        if (index >= 0 && index < QuestionCount_) student->Answer(index)->SetRndAns(p);
    }
    if (!PushStudent(std::move(student))) {
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
