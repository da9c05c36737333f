#include "student/studente.h"

#include <locale>
#include <new>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>

#include "text/blocco.h"
#include "text/errore.h"
#include "text/utilita.h"

namespace quadrivo {

CStudente::CStudente(CErrore* errors) : Errors(errors) {}

CStudente::CStudente(CErrore* errors, int n) : Errors(errors)
{
    try {
        if (n > 0)
            Answers.reserve(static_cast<std::size_t>(n < MAX_STUDENT_ANSWERS ? n : MAX_STUDENT_ANSWERS));
    } catch (const std::bad_alloc&) {
        // the first AddAnswer that fails reports it
    }
    for (int i = 0; i < n; ++i) {
        ErrorCode = AddAnswer();
        if (ErrorCode) break;
    }
}

CStudente::CStudente(const CStudente& other) : Errors(other.Errors)
{
    CopyFrom(other);
}

CStudente& CStudente::operator=(const CStudente& other)
{
    if (this != &other) CopyFrom(other);
    return *this;
}

CStudente::~CStudente()
{
    DeleteAnswers();
}

void CStudente::CopyFrom(const CStudente& other)
{
    Errors = other.Errors;
    ErrorCode = other.ErrorCode;
    if (ErrorCode) return;
    DeleteAnswers();
    for (int i = 0; i < other.AnswerCount(); ++i) {
        const int result = AddAnswer();
        if (result) {
            ErrorCode = result;
            return;
        }
        *Answers[i] = *other.Answers[i];
    }
    NameStudent = other.NameStudent;
    TimeInit = other.TimeInit;
    TimeLength = other.TimeLength;
    TotalScore = other.TotalScore;
}

bool CStudente::operator==(const CStudente& other) const
{
    if (ErrorCode != other.ErrorCode || AnswerCount() != other.AnswerCount() ||
        NameStudent != other.NameStudent || TimeInit != other.TimeInit || TimeLength != other.TimeLength ||
        TotalScore != other.TotalScore)
        return false;
    for (int i = 0; i < AnswerCount(); ++i)
        if (*Answers[i] != *other.Answers[i]) return false;
    return true;
}

void CStudente::Clear()
{
    // Deleting keeps a Clear on a record that already has answers from
    // leaking them; on a fresh record there is nothing to delete.
    DeleteAnswers();
    ErrorCode = 0;
    TotalScore = 0;
}

int CStudente::AddAnswer()
{
    auto answer = AnswerCount() < MAX_STUDENT_ANSWERS ? MakeOrNull<CStudRispo>(Errors) : nullptr;
    if (!answer || !AppendOrFail(Answers, std::move(answer))) {
        Report(Errors, kNoMemoryForStudentAnswer);
        return kNoMemoryForStudentAnswer;
    }
    return 0;
}

void CStudente::DeleteAnswers()
{
    Answers.clear();
}

CStudRispo* CStudente::Answer(int i)
{
    if (AnswerCount() == 0 && AddAnswer() != 0) return nullptr;
    if (ErrorCode == 0 && i >= 0 && i < AnswerCount()) return Answers[i].get();
    return Answers[0].get();
}

void CStudente::WriteStPar(std::ostream& out, const CStringa& testName) const
{
    // The separators differ from line to line; readers skip them, and files
    // in use have always had exactly these.
    std::ostringstream lines;
    lines.imbue(std::locale::classic());
    lines << "<StPar>NameTest = \"" << testName << "\", NameStudent = \"" << NameStudent << "\" ,\n";
    lines << "TimeInit = \"" << TimeInit << "\" , TimeLength = \"" << TimeLength << "\" ,\n";
    lines << "TotalScore = " << ExactGeneral(TotalScore) << "</StPar>\n";
    out << lines.str();
}

int CStudente::ReadStPar(const CStringa& testName, int studentNumber, const CParametro* pairs, unsigned count)
{
    int result = 0;
    for (unsigned k = 0; k < count; ++k) {
        const CStringa& name = pairs[k].Name;
        const CStringa& value = pairs[k].Value;
        if (name == "nametest") {
            // A record names its test by a path of wherever it was run.
            const CStringa named = Unquote(value);
            if (FileName(Lower(testName)) != FileName(Lower(named))) {
                Report(Errors, kOtherTestsRecord, studentNumber, named);
                result = kOtherTestsRecord;
            }
        } else if (name == "namestudent") {
            NameStudent = Unquote(value);
        } else if (name == "timeinit") {
            TimeInit = Unquote(value);
        } else if (name == "timelength") {
            TimeLength = Unquote(value);
        } else if (name == "totalscore") {
            TotalScore = ToFloat(value.ToDouble());
        } else {
            Report(Errors, kUnknownStudentParameter, studentNumber, name);
            result = kUnknownStudentParameter;
        }
    }
    return result;
}

int CStudente::Read(const CStringa& testName, int questionCount, int studentNumber, const CBlocco& block)
{
    CBlocco work(Errors);
    unsigned open = 0;
    unsigned close = 0;
    static const CStringa kStPar("StPar");
    static const CStringa kAns("Ans");
    int result = GetTag(block, kStPar, work, 0, open, close, true);
    if (result == 0) {
        // Reused from record to record, as the answers' are.
        thread_local CParametro pairs[PARAM_CAPACITY];
        unsigned count = 0;
        ParseParams(work.Text, pairs, count);
        result = ReadStPar(testName, studentNumber, pairs, count);
    }

    // The answers the record already has start afresh rather than being
    // made anew: a class's file is read into records made for it.
    if (result != 0) DeleteAnswers();
    const int wanted = questionCount < MAX_STUDENT_ANSWERS ? questionCount : MAX_STUDENT_ANSWERS;
    while (AnswerCount() > 0 && AnswerCount() > wanted) Answers.pop_back();
    for (auto& answer : Answers) *answer = CStudRispo(Errors);
    try {
        if (wanted > 0) Answers.reserve(static_cast<std::size_t>(wanted));
    } catch (const std::bad_alloc&) {
        // the first AddAnswer that fails reports it
    }
    while (result == 0 && AnswerCount() < wanted) result = AddAnswer();

    // Each answer is read where it stands; only one this program did not
    // write is copied out for the general reader.
    const CTratto whole{&block, 0, block.Text.Length()};
    CTratto record = whole;
    unsigned start = close;
    for (int i = 0; result == 0 && i < AnswerCount(); ++i) {
        const unsigned from = start;
        const int found = FindTag(whole, kAns, record, from, open, close, false);
        if (found == kMissingOpeningTag) break;
        result = found;
        if (result) {
            // An answer that begins and never ends is a damaged file.
            Report(Errors, kErrorLines, static_cast<long>(block.FirstLine),
                   static_cast<long>(block.LastLine));
            Report(Errors, result, kAns);
            break;
        }
        start = close;
        // A record without IDAns lands at its own ordinal.
        CStudRispo answer(Errors);
        answer.SetIDAns(i);
        if (!answer.ReadWritten(
                std::string_view(block.Text.CStr() + record.Begin, record.End - record.Begin))) {
            // The same search finds the same record, copied out this time.
            GetTag(block, kAns, work, from, open, close, false);
            result = answer.Read(i, work);
        }
        const int id = answer.GetIDAns();
        if (result == 0 && id >= 0 && id < AnswerCount()) *Answers[id] = std::move(answer);
    }
    return result;
}

}  // namespace quadrivo
