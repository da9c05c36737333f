// Saving a questionnaire, and appending a student's record to the student
// file or writing it to the run's result file.

#include <sstream>
#include <string>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "text/utilita.h"
#include "tstfile/errore.h"
#include "tstfile/filesystem.h"

namespace {

// A name with a directory or drive part is taken as it is; a bare one goes
// beside the test's own file. '/' counts like '\'.
bool HasDirectoryPart(const CStringa& name)
{
    for (unsigned i = 0; i < name.Length(); ++i) {
        const char c = *name.At(i);
        if (c == '\\' || c == '/' || c == ':') return true;
    }
    return false;
}

// Blank lines are a bare line end, never scrambled.
void WriteBlankLine(std::ostream& out) { out << '\n'; }

void WriteTextLine(std::ostream& out, const char* text, int scrambled)
{
    CStringa line(text);
    WriteLine(out, line, scrambled);
}

}  // namespace

int CTest::SaveTo(const CStringa& name, int overwrite)
{
    if (ErrorCode != 0) return ErrorCode;
    const CStringa dir = DirOf(TestFileName());
    CStringa target = TestFileNameOf(name);
    if (!HasDirectoryPart(name)) target = dir + target;
    // Anything under that name counts, also a file this user may not read.
    if (!overwrite && PathExists(target)) {
        ErrorCode = 14;
        Report(Errors, 14, target);
        return 14;
    }

    std::ostringstream out;
    WriteTextLine(out, "<Test>", Scrambled);
    WriteBlankLine(out);
    WriteTextLine(out, "<!--- parametri generali Test --->", Scrambled);
    Params.WriteParams(out, Scrambled);
    for (int i = 0; i < QuestionCount_; ++i) {
        WriteBlankLine(out);
        CStringa comment = "<!--- domanda " + CStringa(i + 1) + " --->";
        WriteLine(out, comment, Scrambled);
        Questions[i]->Write(out, Scrambled);
    }
    WriteBlankLine(out);
    WriteTextLine(out, "</Test>", Scrambled);

    // The old file is replaced only once the whole new text is on disk.
    // Without overwrite, a file that appears meanwhile is kept as well.
    switch (ReplaceFile(target, out.str(), overwrite != 0)) {
    case ReplaceResult::Written: return 0;
    case ReplaceResult::TargetExists:
        ErrorCode = 14;
        Report(Errors, 14, target);
        return 14;
    case ReplaceResult::Failed: break;
    }
    Report(Errors, 15, PathName);
    return 15;
}

int CTest::SaveCurrent() { return SaveTo(TestFileName(), 1); }

int CTest::SaveStudent(int toResultFile)
{
    if (ErrorCode != 0) return ErrorCode;
    if (StudentCount_ == 0) {
        Report(Errors, 15, CStringa("Studente ignoto"));
        return 15;
    }
    CStudente& student = *Students[StudentCount_ - 1];
    const CStringa name = toResultFile ? ResultFile : StudentFileName();

    std::ostringstream out;
    out << "<!" << std::string(70, '-') << ">\n";
    out << "<Student>\n";
    student.WriteStPar(out, BareFileName());
    for (int i = 0; i < student.AnswerCount(); ++i) student.Answer(i)->Write(out);
    out << "</Student>\n";

    // The record goes out in one checked write; a failed append is taken
    // back, so the records already in the file stay readable.
    const std::string text = out.str();
    const bool written = toResultFile ? WriteWholeFile(name, text) : AppendToFile(name, text);
    if (!written) {
        Report(Errors, 15, name);
        return 15;
    }
    return 0;
}
