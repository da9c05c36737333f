#include "editor/core/questiondialogs.h"

#include <climits>
#include <cmath>
#include <sstream>

#include "editor/core/application.h"
#include "editor/core/dialogtext.h"
#include "editor/core/frame.h"
#include "editor/core/platform.h"
#include "editor/core/properties.h"   // DialogNumber
#include "editor/core/textcheck.h"
#include "model/domanda.h"
#include "model/risposta.h"
#include "model/test.h"
#include "tstfile/lettore.h"

namespace {

// Every text a dialog reads is cut to what the shared text buffer holds.
constexpr std::size_t kFieldCapacity = Application::kTextCapacity - 1;

constexpr std::size_t kImagePathCapacity = 512;

std::string Cut(const std::string& text, std::size_t capacity = kFieldCapacity)
{
    return text.size() > capacity ? text.substr(0, capacity) : text;
}

std::string ToStd(const CStringa& text)
{
    return text.CStr() ? std::string(text.CStr(), text.Length()) : std::string();
}

CStringa ToStringa(const std::string& text) { return CStringa(text.c_str()); }

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The loader trims question and answer texts, so a text of blanks and line
// breaks alone would come back empty: it counts as empty here too, and what
// is stored is what a reload gives back.
bool IsEmpty(const std::string& text)
{
    for (char c : text)
        if (!IsBlank(c)) return false;
    return true;
}

std::string Trimmed(const std::string& text)
{
    std::size_t from = 0;
    std::size_t to = text.size();
    while (from < to && IsBlank(text[from])) ++from;
    while (to > from && IsBlank(text[to - 1])) --to;
    return text.substr(from, to - from);
}

// The question text as the fill shows it: through the shared text buffer.
std::string DialogTextOf(const CDomanda& question)
{
    return ToDialogText(Cut(ToStd(question.GetTextQue())), Application::kTextCapacity);
}

CStringa StoredTextOf(const std::string& dialogText)
{
    return ToStringa(Trimmed(FromDialogText(Cut(dialogText))));
}

CStringa ImageOf(const std::string& field)
{
    // The editor's questionnaires spell "no image" as "nul".
    return field.empty() ? CStringa("nul") : ToStringa(Cut(field));
}

std::string NumberText(int n) { return std::to_string(n); }

// A score or other real value shown as a whole number: cut toward zero,
// kept within int (a file may hold any number).
int TruncatedNumber(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

// Steps 1 to 5 of reading a choice dialog, into any question.
void ApplyChoiceDialog(Application& app, CDomanda& question, const ChoiceDialogData& data)
{
    question.SetImage(ImageOf(data.image));
    question.SetTextQue(StoredTextOf(data.text));
    question.SetRandom(data.random ? 1 : 0);
    question.ClearAnswers();
    for (const ChoiceRow& row : data.rows) {
        if (IsEmpty(row.text)) continue;
        CRisposta answer(&app.errorReporter);
        answer.SetTextAns(ToStringa(Trimmed(Cut(row.text))));
        answer.SetCorrect(row.correct ? 1 : 0);
        if (!row.score.empty())
            answer.SetScore(static_cast<float>(DialogNumber(row.score)));
        else if (row.correct)
            answer.SetScore(3);
        // otherwise the -1 of a new answer
        question.AddAnswer(answer);
    }
}

void ApplyTextDialog(CDomanda& question, const TextDialogData& data)
{
    question.SetImage(ImageOf(data.image));
    question.SetTextQue(StoredTextOf(data.text));
    question.ClearAnswers();
    const CStringa answer = ToStringa(Cut(data.answer));
    if (question.GetTypeQue() == TQue::SingleText)
        question.SetTextOk(answer);
    else
        question.SetNumOk(answer.ToDouble());
    question.SetPrecision(ToStringa(Cut(data.precision)).ToDouble());
    question.SetScoreIfOk(static_cast<float>(DialogNumber(data.scoreIfOk)));
    question.SetScoreIfBad(static_cast<float>(DialogNumber(data.scoreIfBad)));
}

// Step 6 of both readers.
void StoreEditQuestion(Application& app, bool run)
{
    if (run) {
        app.runTest.AppendQuestion(app.editQuestion);
        return;
    }
    if (app.editingExisting)
        app.currentTest.SetQuestion(app.editIndex, app.editQuestion);
    else if (app.currentTest.AppendQuestion(app.editQuestion) != 0)
        // Reported already; a sticky error would stop every later save.
        app.currentTest.SetError(0);
    app.modified = 1;
}

// The closing tags that would end a text's record early when the file is
// read again: its own and those of the records around it.
const char* const kQuestionTextTags[] = {"</TextQue>", "</Question>", "</Test>"};
const char* const kAnswerTextTags[] = {"</TextAns>", "</Answer>", "</Question>", "</Test>"};
// Quoted values of the <ParQue> record.
const char* const kParameterTags[] = {"</ParQue>", "</Question>", "</Test>"};

template <std::size_t N>
bool CheckSectionText(Application& app, const std::string& text, const char* const (&tags)[N],
                      const std::string& field)
{
    for (const char* tag : tags) {
        const std::string problem = SectionTextProblem(text, field, tag);
        if (!problem.empty()) {
            ShowInfo(app, problem);
            return false;
        }
    }
    return true;
}

bool CheckQuotedText(Application& app, const std::string& text, const std::string& field)
{
    const std::string problem = QuotedTextProblem(text, field);
    if (!problem.empty()) {
        ShowInfo(app, problem);
        return false;
    }
    return CheckSectionText(app, text, kParameterTags, field);
}

// The loader refuses a question section that reaches MAX_SECTION_TEXT
// characters; a line end may take two of them in a file.
bool CheckRecordLength(Application& app, const CDomanda& question)
{
    std::ostringstream record;
    question.Write(record, 0);
    const std::string text = record.str();
    std::size_t length = text.size();
    for (char c : text)
        if (c == '\n') ++length;
    if (length < static_cast<std::size_t>(MAX_SECTION_TEXT)) return true;
    ShowInfo(app, "La domanda \xe8 troppo lunga per il questionario: accorciare il testo "
                  "della domanda o delle risposte.");
    return false;
}

// A new question for a full test is refused before it is lost.
bool HasRoomForQuestion(Application& app)
{
    if (app.editingExisting || app.currentTest.QuestionCount() < MAX_QUESTIONS) return true;
    ShowInfo(app, "Il questionario ha gi\xe0 " + NumberText(MAX_QUESTIONS) +
                      " domande: non se ne possono aggiungere altre.");
    return false;
}

// What a command needs from each kind of dialog.
bool Check(Application& app, ChoiceDialogData& data)
{
    return CheckChoiceDialog(app, data) && CheckChoiceStorable(app, data);
}
bool Check(Application& app, TextDialogData& data)
{
    return CheckTextDialog(app, data) && CheckTextStorable(app, data);
}
void Read(Application& app, const ChoiceDialogData& data, bool run, bool fillOnly)
{
    ReadChoiceDialog(app, data, run, fillOnly);
}
void Read(Application& app, const TextDialogData& data, bool run, bool fillOnly)
{
    ReadTextDialog(app, data, run, fillOnly);
}
void Refill(Application& app, ChoiceDialogData& data) { data.count = FillChoiceDialog(app, data); }
void Refill(Application& app, TextDialogData& data) { FillTextDialogFull(app, data, true); }

template <class Data>
bool WriteRunFileOf(Application& app, const Data& data)
{
    // A failed try leaves its error in runTest; it must not block the next.
    app.runTest.SetError(0);
    app.runTest.ClearQuestions();
    Read(app, data, true, false);
    std::string name;
    if (!app.platform.CreateTempFile(name)) return false;
    app.runTest.SetPathName(ToStringa(name));
    return app.runTest.SaveTo(app.runTest.TestFileName(), 1) == 0;
}

template <class Data>
CommandResult RunCommand(Application& app, Data& data, QuestionCommand command)
{
    switch (command) {
    case QuestionCommand::Ok:
        if (!HasRoomForQuestion(app)) return CommandResult::Stay;
        if (!Check(app, data)) return CommandResult::Stay;
        Read(app, data, false, false);
        DeleteRunFile(app);
        app.undoAvailable = 0;
        return CommandResult::Close;
    case QuestionCommand::Cancel:
        DeleteRunFile(app);
        app.undoAvailable = 0;
        return CommandResult::Close;
    case QuestionCommand::Copy:
        Read(app, data, false, true);
        app.clipQuestion = app.editQuestion;
        app.clipFilled = 1;
        UpdatePasteButtons(app, data.buttons);
        return CommandResult::Stay;
    case QuestionCommand::Paste: {
        if (!app.clipFilled) return CommandResult::Stay;
        Read(app, data, false, true);
        app.undoQuestion = app.editQuestion;
        // The dialog stays what it is, whatever kind the copied question was.
        const TQue type = app.editQuestion.GetTypeQue();
        const TSel selection = app.editQuestion.GetSelection();
        app.editQuestion = app.clipQuestion;
        app.editQuestion.SetTypeQue(type);
        app.editQuestion.SetSelection(selection);
        app.undoAvailable = 1;
        Refill(app, data);
        UpdatePasteButtons(app, data.buttons);
        return CommandResult::Stay;
    }
    case QuestionCommand::UndoPaste:
        if (!app.undoAvailable) return CommandResult::Stay;
        app.editQuestion = app.undoQuestion;
        app.undoAvailable = 0;
        Refill(app, data);
        UpdatePasteButtons(app, data.buttons);
        return CommandResult::Stay;
    case QuestionCommand::Run:
        DeleteRunFile(app);
        if (!Check(app, data) || !WriteRunFile(app, data)) return CommandResult::Stay;
        return CommandResult::TryQuestion;
    case QuestionCommand::Delete:
        if (!ConfirmDelete(app)) return CommandResult::Stay;
        app.currentTest.RemoveQuestion(app.editIndex);
        app.modified = 1;
        app.undoAvailable = 0;
        return CommandResult::Close;
    case QuestionCommand::Image:
        ChooseImage(app, data.image);
        return CommandResult::Stay;
    }
    return CommandResult::Stay;
}

}  // namespace

QuestionDialogKind DialogKindOf(const CDomanda& question)
{
    switch (question.GetTypeQue()) {
    case TQue::MultipleAnswer:
        return question.GetSelection() == TSel::Multiple ? QuestionDialogKind::MultiAns
                                                         : QuestionDialogKind::SingleAns;
    case TQue::SingleNumber:
    case TQue::SingleText:
        return QuestionDialogKind::TextAns;
    default:
        return QuestionDialogKind::None;
    }
}

void InitChoiceDialog(Application& app, ChoiceDialogData& data)
{
    app.undoAvailable = 0;
    UpdatePasteButtons(app, data.buttons);
    if (app.editingExisting) {
        data.count = FillChoiceDialog(app, data);
    } else {
        data.deleteVisible = false;
        data.count = kChoiceRows;
    }
}

void InitTextDialog(Application& app, TextDialogData& data)
{
    app.undoAvailable = 0;
    FillTextDialogFull(app, data, app.editingExisting != 0);
    UpdatePasteButtons(app, data.buttons);
}

CommandResult ChoiceDialogCommand(Application& app, ChoiceDialogData& data, QuestionCommand command)
{
    return RunCommand(app, data, command);
}

CommandResult TextDialogCommand(Application& app, TextDialogData& data, QuestionCommand command)
{
    return RunCommand(app, data, command);
}

void UpdatePasteButtons(const Application& app, PasteButtons& buttons)
{
    buttons.paste = app.clipFilled != 0;
    buttons.undoPaste = app.undoAvailable != 0;
}

int FillChoiceDialog(Application& app, ChoiceDialogData& data)
{
    const CDomanda& question = app.editQuestion;
    data.image = ToStd(question.GetImage());
    data.text = DialogTextOf(question);
    data.random = question.GetRandom() != 0;
    for (int i = 0; i < kChoiceRows; ++i) {
        ChoiceRow& row = data.rows[i];
        if (i < question.GetAnswerCount()) {
            const CRisposta& answer = question.GetAnswer(i);
            row.score = NumberText(TruncatedNumber(answer.GetScore()));
            row.text = ToStd(answer.GetTextAns());
            row.correct = answer.IsCorrect() != 0;
        } else {
            row = ChoiceRow();
        }
    }
    return question.GetAnswerCount();
}

bool CheckChoiceDialog(Application& app, ChoiceDialogData& data)
{
    if (IsEmpty(data.text)) {
        ShowInfo(app, "Inserire testo domanda");
        return false;
    }
    int answers = 0;
    bool anyCorrect = false;
    for (const ChoiceRow& row : data.rows) {
        if (IsEmpty(row.text)) continue;
        ++answers;
        anyCorrect = anyCorrect || row.correct;
    }
    if (answers < 2) {
        ShowInfo(app, "Inserire testo di almeno due risposte");
        return false;
    }
    data.count = answers;
    if (!anyCorrect) {
        ShowInfo(app, app.editQuestion.GetSelection() == TSel::Multiple
                                  ? "Selezionare le risposte corrette"
                                  : "Selezionare la risposta corretta");
        return false;
    }
    return true;
}

bool ReadChoiceDialog(Application& app, const ChoiceDialogData& data, bool run, bool fillOnly)
{
    ApplyChoiceDialog(app, app.editQuestion, data);
    if (!fillOnly) StoreEditQuestion(app, run);
    return true;
}

void FillTextDialog(Application& app, TextDialogData& data)
{
    const CDomanda& question = app.editQuestion;
    data.image = ToStd(question.GetImage());
    data.text = DialogTextOf(question);
    data.answer = question.GetTypeQue() == TQue::SingleText ? ToStd(question.GetTextOk())
                                                            : ToStd(CStringa(question.GetNumOk()));
}

void FillTextDialogFull(Application& app, TextDialogData& data, bool editing)
{
    const CDomanda& question = app.editQuestion;
    if (editing)
        FillTextDialog(app, data);
    else
        data.deleteVisible = false;
    data.answerLabel = question.GetTypeQue() == TQue::SingleNumber ? "Numero" : "Testo";
    const CStringa precision(question.GetPrecision());
    // A text answer's precision is a whole number (the file keeps it so).
    data.precision = question.GetTypeQue() == TQue::SingleText ? NumberText(precision.ToInt())
                                                               : ToStd(precision);
    data.scoreIfOk = NumberText(TruncatedNumber(question.GetScoreIfOk()));
    data.scoreIfBad = NumberText(TruncatedNumber(question.GetScoreIfBad()));
}

bool CheckTextDialog(Application& app, const TextDialogData& data)
{
    if (IsEmpty(data.text)) {
        ShowInfo(app, "Inserire testo domanda");
        return false;
    }
    if (IsEmpty(data.answer)) {
        ShowInfo(app, "Inserire testo della risposta");
        return false;
    }
    return true;
}

bool ReadTextDialog(Application& app, const TextDialogData& data, bool run, bool fillOnly)
{
    ApplyTextDialog(app.editQuestion, data);
    if (!fillOnly) StoreEditQuestion(app, run);
    return true;
}

bool CheckChoiceStorable(Application& app, const ChoiceDialogData& data)
{
    if (!CheckQuotedText(app, Cut(data.image), ImageField())) return false;
    if (!CheckSectionText(app, Cut(data.text), kQuestionTextTags, QuestionTextField())) return false;
    for (int i = 0; i < kChoiceRows; ++i)
        if (!CheckSectionText(app, Cut(data.rows[i].text), kAnswerTextTags, AnswerTextField(i + 1)))
            return false;
    CDomanda candidate(app.editQuestion);
    ApplyChoiceDialog(app, candidate, data);
    return CheckRecordLength(app, candidate);
}

bool CheckTextStorable(Application& app, const TextDialogData& data)
{
    if (!CheckQuotedText(app, Cut(data.image), ImageField())) return false;
    if (!CheckSectionText(app, Cut(data.text), kQuestionTextTags, QuestionTextField())) return false;
    // A number is stored as a number; only a text answer is written as typed.
    if (app.editQuestion.GetTypeQue() == TQue::SingleText &&
        !CheckQuotedText(app, Cut(data.answer), data.answerLabel))
        return false;
    CDomanda candidate(app.editQuestion);
    ApplyTextDialog(candidate, data);
    return CheckRecordLength(app, candidate);
}

std::string QuestionTextField() { return "Testo domanda"; }
std::string ImageField() { return "Immagine"; }
std::string AnswerTextField(int row) { return "Risposta " + NumberText(row); }

bool ChooseImage(Application& app, std::string& image)
{
    // Kept for the whole run, so the last chosen image is proposed again.
    static std::string chosen;
    FileDialogRequest request;
    request.title = "Scegli immagine...";
    request.filters = {{"Immagini gif(*.gif)", "*.gif"}, {"Tutti i file (*.*)", "*.*"}};
    request.defaultExtension = "gif";
    request.proposed = chosen;
    request.maxPath = kImagePathCapacity - 2;

    const std::string directory = app.platform.CurrentDirectory();
    std::string path;
    const bool confirmed = app.platform.OpenFileName(request, path);
    app.platform.SetCurrentDirectory(directory);
    if (!confirmed) return false;
    chosen = Cut(path, kImagePathCapacity - 1);
    image = chosen;
    return true;
}

bool WriteRunFile(Application& app, const ChoiceDialogData& data) { return WriteRunFileOf(app, data); }

bool WriteRunFile(Application& app, const TextDialogData& data) { return WriteRunFileOf(app, data); }

void DeleteRunFile(Application& app)
{
    if (!HasFileName(app.runTest)) return;
    app.platform.RemoveFile(ToStd(app.runTest.TestFileName()));
    app.runTest.SetPathName(CStringa(""));
}
