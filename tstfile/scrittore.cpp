// Saving a questionnaire, and appending a student's record to the student
// file or writing it to the run's result file.

#include <algorithm>
#include <charconv>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "text/errore.h"
#include "text/lettore.h"
#include "text/utilita.h"
#include "tstfile/filesystem.h"
#include "tstfile/formato.h"

namespace quadrivo {

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

// Scrambles text from from to its end.
void ScrambleFrom(std::string& text, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); ++i) text[i] = ScrambleChar(text[i]);
}

// A line of text and its line end, which the scrambling map leaves alone;
// a blank line is a bare line end.
void AppendLine(std::string& text, std::string_view line, int scrambled)
{
    const std::size_t from = text.size();
    text += line;
    if (scrambled == 1) ScrambleFrom(text, from);
    text += '\n';
}

// The comment line before question number, "<!--- domanda N --->".
void AppendQuestionComment(std::string& text, int number, int scrambled)
{
    constexpr std::string_view kHead = "<!--- domanda ", kTail = " --->";
    char line[kHead.size() + 11 + kTail.size()];
    char* end = std::copy(kHead.begin(), kHead.end(), line);
    end = std::to_chars(end, end + 11, number).ptr;
    end = std::copy(kTail.begin(), kTail.end(), end);
    AppendLine(text, std::string_view(line, static_cast<std::size_t>(end - line)), scrambled);
}

// Reports the first text that the file could not give back as it is (26,
// naming the field by its keyword and its place), and returns 26; 0 when
// every text can be stored.
class TextCheck {
public:
    TextCheck(CErrore* errors, int scrambled) : errors_(errors), scrambled_(scrambled) {}

    int Check(const CStringa& text, TextPlace place, const char* field, const CStringa& where)
    {
        return CheckThen(text, place, field, [&where] { return where; });
    }

    // As Check, the place named by where() only when it is reported.
    template <typename Where>
    int CheckThen(const CStringa& text, TextPlace place, const char* field, const Where& where)
    {
        const CStringa piece = UnstorablePiece(text, place, scrambled_);
        if (piece.Length() == 0) return 0;
        Report(errors_, kTextNotStorable, CStringa(field) + CStringa(" ") + where(), piece);
        return kTextNotStorable;
    }

private:
    CErrore* errors_;
    int scrambled_;
};

CStringa OfQuestion(int i)
{
    return "della domanda " + CStringa(i + 1);
}

int CheckParams(TextCheck& check, const CParTest& p)
{
    const CStringa where("del test");
    int result = check.Check(p.Name, TextPlace::Quoted, "Name", where);
    if (result == 0) result = check.Check(p.Password, TextPlace::Quoted, "Password", where);
    if (result == 0) result = check.Check(p.ClassTest, TextPlace::Quoted, "ClassTest", where);
    if (result == 0) result = check.Check(p.TextTest, TextPlace::Section, "TextTest", where);
    return result;
}

int CheckQuestion(TextCheck& check, const CDomanda& q, int i)
{
    const auto where = [i] { return OfQuestion(i); };
    int result = check.CheckThen(q.GetTextQue(), TextPlace::Section, "TextQue", where);
    if (result == 0) result = check.CheckThen(q.GetClassQue(), TextPlace::Quoted, "ClassQue", where);
    if (result == 0) result = check.CheckThen(q.GetImage(), TextPlace::Quoted, "Image", where);
    if (result == 0) result = check.CheckThen(q.GetTextOk(), TextPlace::Quoted, "TextOk", where);
    for (int k = 0; result == 0 && k < q.GetAnswerCount(); ++k)
        result = check.CheckThen(q.GetAnswer(k).GetTextAns(), TextPlace::Section, "TextAns", [&] {
            return "della risposta " + CStringa(k + 1) + CStringa(" ") + where();
        });
    return result;
}

int CheckStudent(TextCheck& check, CStudente& s, int j, const CStringa& testName)
{
    const CStringa where = "dello studente " + CStringa(j + 1);
    int result = check.Check(testName, TextPlace::Quoted, "NameTest", where);
    if (result == 0) result = check.Check(s.GetNameStudent(), TextPlace::Quoted, "NameStudent", where);
    if (result == 0) result = check.Check(s.GetTimeInit(), TextPlace::Quoted, "TimeInit", where);
    if (result == 0) result = check.Check(s.GetTimeLength(), TextPlace::Quoted, "TimeLength", where);
    for (int i = 0; result == 0 && i < s.AnswerCount(); ++i)
        result = check.CheckThen(s.Answer(i)->GetLineAns(), TextPlace::Quoted, "LineAns",
                                 [&] { return "della risposta " + CStringa(i + 1) + CStringa(" ") + where; });
    return result;
}

// A section that would not read back is reported (25), naming the file and
// what is too long.
bool FitsSection(const std::string& text, CErrore* errors, const CStringa& file, const CStringa& what)
{
    if (SectionFits(text)) return true;
    Report(errors, kSectionTooLongToSave, file, what);
    return false;
}

// A save hands its text to the disk in stretches of about this size, so that
// the disk writes one while the next is being built.
constexpr std::size_t kStretch = 256 * 1024;

}  // namespace

int CTest::SaveTo(const CStringa& name, int overwrite)
{
    if (ErrorCode != 0) return ErrorCode;
    const CStringa dir = DirOf(TestFileName());
    CStringa target = TestFileNameOf(name);
    if (!HasDirectoryPart(name)) target = dir + target;
    // Anything under that name counts, also a file this user may not read.
    if (!overwrite && PathExists(target)) {
        ErrorCode = kFileExists;
        Report(Errors, kFileExists, target);
        return kFileExists;
    }

    // Nothing is written that would load back otherwise.
    TextCheck check(Errors, Scrambled);
    if (CheckParams(check, Params) != 0) return kTextNotStorable;
    for (int i = 0; i < QuestionCount(); ++i)
        if (CheckQuestion(check, *Questions[i], i) != 0) return kTextNotStorable;

    // The text goes to a new file a stretch at a time. A question too long
    // to read back stops the save, and the new file is dropped: the old one
    // is replaced only once the whole new text is on disk. Without
    // overwrite, a file that appears meanwhile is kept as well.
    FileReplacement file(target, overwrite != 0);
    std::string text;
    text.reserve(2 * kStretch);
    AppendLine(text, "<Test>", Scrambled);
    text += '\n';
    AppendLine(text, "<!--- parametri generali Test --->", Scrambled);
    std::ostringstream params;
    Params.WriteParams(params, Scrambled);
    const std::string paramsText = std::move(params).str();
    if (!FitsSection(paramsText, Errors, target, CStringa("il testo del test"))) return kSectionTooLongToSave;
    text += paramsText;
    for (int i = 0; i < QuestionCount(); ++i) {
        text += '\n';
        AppendQuestionComment(text, i + 1, Scrambled);
        const std::size_t before = text.size();
        Questions[i]->AppendRecord(text);
        if (!SectionFits(text.size() - before)) {
            Report(Errors, kSectionTooLongToSave, target, "la domanda " + CStringa(i + 1));
            return kSectionTooLongToSave;
        }
        if (Scrambled == 1) ScrambleFrom(text, before);
        if (text.size() >= kStretch) {
            file.Write(text);
            text.clear();
        }
    }
    text += '\n';
    AppendLine(text, "</Test>", Scrambled);
    file.Write(text);

    switch (file.Finish()) {
        case ReplaceResult::Written:
            return 0;
        case ReplaceResult::TargetExists:
            ErrorCode = kFileExists;
            Report(Errors, kFileExists, target);
            return kFileExists;
        case ReplaceResult::Failed:
            break;
    }
    Report(Errors, kCannotCreate, target);
    return kCannotCreate;
}

int CTest::SaveCurrent()
{
    return SaveTo(TestFileName(), 1);
}

int CTest::SaveStudent(int toResultFile)
{
    if (ErrorCode != 0) return ErrorCode;
    if (Students.empty()) {
        Report(Errors, kCannotCreate, CStringa("Studente ignoto"));
        return kCannotCreate;
    }
    CStudente& student = *Students.back();
    const CStringa name = toResultFile ? ResultFile : StudentFileName();
    TextCheck check(Errors, 0);
    if (CheckStudent(check, student, StudentCount() - 1, BareFileName()) != 0) return kTextNotStorable;

    std::ostringstream out;
    out << "<!" << std::string(70, '-') << ">\n";
    out << "<Student>\n";
    student.WriteStPar(out, BareFileName());
    for (int i = 0; i < student.AnswerCount(); ++i) student.Answer(i)->Write(out);
    out << "</Student>\n";

    // The record goes out in one checked write; a failed append is taken
    // back, so the records already in the file stay readable.
    const std::string text = out.str();
    if (!FitsSection(text, Errors, name, "lo studente " + CStringa(StudentCount())))
        return kSectionTooLongToSave;
    // A result file is replaced in one step, so that a run cut off while
    // writing leaves its previous record whole.
    const bool written =
        toResultFile ? ReplaceFile(name, text, true) == ReplaceResult::Written : AppendToFile(name, text);
    if (!written) {
        Report(Errors, kCannotCreate, name);
        return kCannotCreate;
    }
    return 0;
}

}  // namespace quadrivo
