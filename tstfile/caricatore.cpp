// Loading a questionnaire and its student file into a CTest.

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "text/blocco.h"
#include "text/errore.h"
#include "text/lettore.h"

namespace quadrivo {

int CTest::Load()
{
    if (ErrorCode != 0) return ErrorCode;
    CBlocco block(Errors);
    CLettore reader(Errors, TestFileName());
    ErrorCode = reader.Error();
    ClearQuestions();

    if (ErrorCode == 0) {
        // A plain reading that never meets "<Test>" means the file was
        // written scrambled: read it again through the unscrambling map.
        ErrorCode = reader.SkipTo(CStringa("<Test>"), false);
        if (ErrorCode != 0) {
            Scrambled = 1;
            reader.Rewind();
            reader.SetScrambled(1);
            ErrorCode = reader.SkipTo(CStringa("<Test>"), true);
        }
    }
    if (ErrorCode == 0) ErrorCode = Params.ReadParams(reader);

    // The writer ends every file with "</Test>": a file whose questions end
    // without it may have been cut between two of them.
    reader.Watch(CStringa("</Test>"));
    const CStringa question("question");
    while (ErrorCode == 0 && QuestionCount() < MAX_QUESTIONS) {
        ErrorCode = reader.ReadSection(question, block, false);
        if (ErrorCode == kMissingOpeningTag) {
            ErrorCode = 0;
            if (!reader.WatchSeen()) Report(Errors, kMayBeIncomplete, TestFileName());
            break;
        }
        if (ErrorCode == 0) ErrorCode = AddQuestion();
        if (ErrorCode == 0) ErrorCode = Questions[QuestionCount() - 1]->Read(QuestionCount() - 1, block);
    }
    if (ErrorCode == 0) BuildOrder();
    return ErrorCode;
}

int CTest::LoadStudents()
{
    if (ErrorCode != 0) return ErrorCode;
    CBlocco block(Errors);
    CLettore reader(Errors, StudentFileName());
    ErrorCode = reader.Error();
    ClearStudents();

    const CStringa student("Student");
    while (ErrorCode == 0) {
        ErrorCode = reader.ReadSection(student, block, false);
        if (ErrorCode == kMissingOpeningTag) {
            ErrorCode = 0;
            break;
        }
        if (ErrorCode == 0 && StudentCount() == MAX_STUDENTS) {
            ReportStudentsLeftOut(reader);
            break;
        }
        if (ErrorCode == 0) ErrorCode = AddStudent();
        if (ErrorCode == 0)
            ErrorCode = LastStudent()->Read(BareFileName(), QuestionCount(), StudentCount() - 1, block);
    }
    return ErrorCode;
}

void CTest::ReportStudentsLeftOut(CLettore& reader)
{
    long leftOut = 1;  // the record just read
    const CStringa tag("<Student>");
    while (reader.SkipTo(tag, false) == 0) leftOut += 1;
    Report(Errors, kTooManyStudents, StudentFileName(), CStringa(leftOut));
}

}  // namespace quadrivo
