#include "editor/core/questiondialogs.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <optional>
#include <sstream>
#include <vector>

#include "editor/core/application.h"
#include "editor/core/currentfolderscope.h"
#include "editor/core/dialogs.h"
#include "editor/core/dialogtext.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/core/history.h"
#include "editor/core/images.h"
#include "editor/core/numberfield.h"
#include "editor/core/questionlist.h"
#include "editor/core/textcheck.h"
#include "editor/core/translate.h"
#include "model/domanda.h"
#include "model/risposta.h"
#include "model/test.h"
#include "text/limiti.h"

namespace quadrivo::editor {

namespace {

// Number fields: what a teacher may type. Fields the teacher leaves as they
// were filled keep whatever the file held.
constexpr NumberLimits kScoreLimits{-1000000, 1000000};
constexpr NumberLimits kNumberLimits{-1e15, 1e15};
constexpr NumberLimits kPrecisionLimits{0, 1e15};
// A text answer's precision is kept as a whole number by the files.
constexpr NumberLimits kTextPrecisionLimits{0, 32767, true};

constexpr std::size_t kImagePathCapacity = 512;
// A text shown in a dialog is never cut.
constexpr std::size_t kWholeText = std::string::npos;

std::string ToStd(const CStringa& text)
{
    return text.CStr() ? std::string(text.CStr(), text.Length()) : std::string();
}

CStringa ToStringa(const std::string& text)
{
    return CStringa(text.c_str());
}

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

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

CStringa StoredTextOf(const std::string& dialogText)
{
    return ToStringa(Trimmed(FromDialogText(dialogText)));
}

int RowsShown(const ChoiceDialogData& data)
{
    return std::clamp(data.count, 0, kChoiceRows);
}

// A field's value when it is a number, else none; the checks have refused
// what is not, so none only comes from Copia and Incolla, which do not
// check.
std::optional<float> Score(const std::string& text)
{
    const std::optional<double> value = ParseDialogNumber(text);
    if (!value || std::fabs(*value) > kScoreLimits.maximum) return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<double> Real(const std::string& text)
{
    const std::optional<double> value = ParseDialogNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

// What the fields of a choice dialog show for question.
ChoiceContent ChoiceContentOf(const CDomanda& question)
{
    ChoiceContent content;
    content.image = ToStd(question.GetImage());
    content.text = ToDialogText(ToStd(question.GetTextQue()), kWholeText);
    content.random = question.GetRandom() != 0;
    for (int i = 0; i < question.GetAnswerCount() && i < kChoiceRows; ++i) {
        const CRisposta& answer = question.GetAnswer(i);
        content.rows[i] = {answer.IsCorrect() != 0, NumberText(answer.GetScore()),
                           ToStd(answer.GetTextAns())};
    }
    return content;
}

// What the fields of TEXTANS show for question, all of them filled.
TextContent TextContentOf(const CDomanda& question)
{
    TextContent content;
    content.image = ToStd(question.GetImage());
    content.text = ToDialogText(ToStd(question.GetTextQue()), kWholeText);
    const bool text = question.GetTypeQue() == TQue::SingleText;
    content.answer = text ? ToStd(question.GetTextOk()) : NumberText(question.GetNumOk());
    // A text answer's precision is a whole number (the file keeps it so).
    content.precision = text ? std::to_string(CStringa(question.GetPrecision()).ToInt())
                             : NumberText(question.GetPrecision());
    content.scoreIfOk = NumberText(question.GetScoreIfOk());
    content.scoreIfBad = NumberText(question.GetScoreIfBad());
    return content;
}

// Reads a choice dialog into any question: the text, the image, the random
// order and the answers, each only where the dialog no longer shows what
// question gives it.
void ApplyChoiceDialog(Application& app, CDomanda& question, const ChoiceDialogData& data)
{
    const ChoiceContent shown = ChoiceContentOf(question);
    if (data.image != shown.image) question.SetImage(ToStringa(data.image));
    if (data.text != shown.text) question.SetTextQue(StoredTextOf(data.text));
    if (data.random != shown.random) question.SetRandom(data.random ? 1 : 0);
    std::vector<CRisposta> answers;
    for (int i = 0; i < RowsShown(data); ++i) {
        const ChoiceRow& row = data.rows[i];
        if (IsEmpty(row.text)) continue;
        // A row that held an answer goes on from it.
        const bool held = i < question.GetAnswerCount();
        CRisposta answer = held ? question.GetAnswer(i) : CRisposta(&app.errorReporter);
        if (!held || row.text != shown.rows[i].text) answer.SetTextAns(ToStringa(Trimmed(row.text)));
        answer.SetCorrect(row.correct ? 1 : 0);
        if (!held || row.score != shown.rows[i].score) {
            if (row.score.empty())
                answer.SetScore(row.correct ? 3 : -1);  // -1: the score of a new answer
            else if (const std::optional<float> score = Score(row.score))
                answer.SetScore(*score);
        }
        answers.push_back(answer);
    }
    question.ClearAnswers();
    for (const CRisposta& answer : answers) question.AddAnswer(answer);
}

void ApplyTextDialog(CDomanda& question, const TextDialogData& data)
{
    const TextContent shown = TextContentOf(question);
    if (data.image != shown.image) question.SetImage(ToStringa(data.image));
    if (data.text != shown.text) question.SetTextQue(StoredTextOf(data.text));
    if (data.answer != shown.answer) {
        if (question.GetTypeQue() == TQue::SingleText)
            question.SetTextOk(ToStringa(data.answer));
        else if (const std::optional<double> number = Real(data.answer))
            question.SetNumOk(*number);
    }
    if (data.precision != shown.precision)
        if (const std::optional<double> precision = Real(data.precision)) question.SetPrecision(*precision);
    if (data.scoreIfOk != shown.scoreIfOk) {
        const std::optional<float> score = Score(data.scoreIfOk);
        if (score && *score != question.GetScoreIfOk()) {
            // The points for a near answer follow only when they were the
            // same; otherwise the teacher set them apart in the file.
            const float near = question.GetScoreIfNear();
            const bool followed = near == question.GetScoreIfOk();
            question.SetScoreIfOk(*score);
            if (!followed) question.SetScoreIfNear(near);
        }
    }
    if (data.scoreIfBad != shown.scoreIfBad)
        if (const std::optional<float> score = Score(data.scoreIfBad)) question.SetScoreIfBad(*score);
}

// A number field the teacher changed is checked; one still showing the
// question's own value is not, whatever the file held.
bool CheckNumber(Application& app, const std::string& text, const std::string& shown,
                 const std::string& field, const NumberLimits& limits)
{
    if (text == shown) return true;
    const std::string problem = NumberProblem(text, field, limits);
    if (problem.empty()) return true;
    ShowInfo(app, problem);
    return false;
}

bool CheckChoiceNumbers(Application& app, const ChoiceDialogData& data)
{
    const ChoiceContent shown = ChoiceContentOf(app.editQuestion);
    for (int i = 0; i < RowsShown(data); ++i) {
        const ChoiceRow& row = data.rows[i];
        if (IsEmpty(row.text) || row.score.empty()) continue;
        if (!CheckNumber(app, row.score, shown.rows[i].score, AnswerScoreField(i + 1), kScoreLimits))
            return false;
    }
    return true;
}

bool CheckTextNumbers(Application& app, const TextDialogData& data)
{
    const CDomanda& question = app.editQuestion;
    const TextContent shown = TextContentOf(question);
    const bool text = question.GetTypeQue() == TQue::SingleText;
    return (text || CheckNumber(app, data.answer, shown.answer, data.answerLabel, kNumberLimits)) &&
           CheckNumber(app, data.precision, shown.precision,
                       QT_TRANSLATE_NOOP("QuestionDialogs", "Precisione richiesta"),
                       text ? kTextPrecisionLimits : kPrecisionLimits) &&
           CheckNumber(app, data.scoreIfOk, shown.scoreIfOk,
                       QT_TRANSLATE_NOOP("QuestionDialogs", "Punti se giusto"), kScoreLimits) &&
           CheckNumber(app, data.scoreIfBad, shown.scoreIfBad,
                       QT_TRANSLATE_NOOP("QuestionDialogs", "Punti se errato"), kScoreLimits);
}

// Step 6 of both readers.
void StoreEditQuestion(Application& app, bool run)
{
    if (run) {
        app.runTest.AppendQuestion(app.editQuestion);
        return;
    }
    if (app.editingExisting) {
        // Ok without a change leaves the test as it was.
        if (*app.currentTest.GetQuestion(app.editIndex) == app.editQuestion) return;
        DocumentEdit edit(app, QT_TRANSLATE_NOOP("QuestionDialogs", "Modifica domanda"));
        app.currentTest.SetQuestion(app.editIndex, app.editQuestion);
        edit.Finish();
    } else {
        DocumentEdit edit(app, QT_TRANSLATE_NOOP("QuestionDialogs", "Nuova domanda"));
        if (app.currentTest.AppendQuestion(app.editQuestion) != 0)
            Application::ClearReportedError(app.currentTest);
        edit.Finish();
    }
    app.modified = 1;
}

bool CheckText(Application& app, const std::string& text, TextPlace place, const std::string& field)
{
    const std::string problem = TextProblem(text, place, field);
    if (problem.empty()) return true;
    ShowInfo(app, problem);
    return false;
}

bool CheckRecordLength(Application& app, const CDomanda& question)
{
    if (QuestionFits(question)) return true;
    ShowInfo(app, QT_TRANSLATE_NOOP("QuestionDialogs",
                                    "La domanda \u00e8 troppo lunga per il questionario: accorciare il testo "
                                    "della domanda o delle risposte."));
    return false;
}

// A new question for a full test is refused before it is lost.
bool HasRoomForQuestion(Application& app)
{
    if (app.editingExisting || app.currentTest.QuestionCount() < MAX_QUESTIONS) return true;
    ShowInfo(app, FilledIn(QT_TRANSLATE_NOOP(
                               "QuestionDialogs",
                               "Il questionario ha gi\u00e0 %1 domande: non se ne possono aggiungere altre."),
                           {std::to_string(MAX_QUESTIONS)}));
    return false;
}

// What a command needs from each kind of dialog.
bool Check(Application& app, ChoiceDialogData& data)
{
    return CheckChoiceDialog(app, data) && CheckChoiceNumbers(app, data) && CheckChoiceStorable(app, data);
}
bool Check(Application& app, TextDialogData& data)
{
    return CheckTextDialog(app, data) && CheckTextNumbers(app, data) && CheckTextStorable(app, data);
}
const ChoiceContent& Content(const ChoiceDialogData& data)
{
    return data;
}
const TextContent& Content(const TextDialogData& data)
{
    return data;
}
void Read(Application& app, const ChoiceDialogData& data, bool run, bool fillOnly)
{
    ReadChoiceDialog(app, data, run, fillOnly);
}
void Read(Application& app, const TextDialogData& data, bool run, bool fillOnly)
{
    ReadTextDialog(app, data, run, fillOnly);
}
void Refill(Application& app, ChoiceDialogData& data)
{
    data.count = std::max(kChoiceRowsShown, FillChoiceDialog(app, data));
}
void Refill(Application& app, TextDialogData& data)
{
    FillTextDialogFull(app, data, true);
}

template <class Data>
bool WriteRunFileOf(Application& app, const Data& data)
{
    // A failed try must not block the next.
    Application::ClearReportedError(app.runTest);
    app.runTest.ClearQuestions();
    Read(app, data, true, false);
    // Beside the questionnaire its relative image names hold; a folder that
    // cannot be written sends the try to the system's temporary folder.
    CurrentFolderScope inFolder(app);
    std::string name;
    if (!app.files.CreateTempFile(".", name) && !app.files.CreateTempFile(app.files.TempFolder(), name)) {
        ShowInfo(app,
                 QT_TRANSLATE_NOOP("QuestionDialogs",
                                   "Non riesco a creare il questionario temporaneo per provare la domanda."));
        return false;
    }
    app.runTest.SetPathName(ToStringa(name));
    bool written;
    std::string reports;
    {
        GatheredReports gathered(app.errorReporter);
        errno = 0;
        written = app.runTest.SaveTo(app.runTest.TestFileName(), 1) == 0;
        reports = gathered.Text();
    }
    if (!reports.empty()) ShowInfo(app, reports);
    return written;
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
            if (!(Content(data) == data.opened) && !AskDiscard(app)) return CommandResult::Stay;
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
            if (!ConfirmRenumbering(app) || !ConfirmDelete(app)) return CommandResult::Stay;
            {
                DocumentEdit edit(app, QT_TRANSLATE_NOOP("QuestionDialogs", "Cancella domanda"));
                app.currentTest.RemoveQuestion(app.editIndex);
                edit.Finish();
            }
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
        data.count = std::max(kChoiceRowsShown, FillChoiceDialog(app, data));
    } else {
        data.deleteVisible = false;
        data.count = kChoiceRowsShown;
    }
    data.opened = data;
}

void InitTextDialog(Application& app, TextDialogData& data)
{
    app.undoAvailable = 0;
    FillTextDialogFull(app, data, app.editingExisting != 0);
    UpdatePasteButtons(app, data.buttons);
    data.opened = data;
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
    static_cast<ChoiceContent&>(data) = ChoiceContentOf(app.editQuestion);
    return app.editQuestion.GetAnswerCount();
}

int SetChoiceRowCount(Application& app, ChoiceDialogData& data, int count)
{
    count = std::clamp(count, kChoiceRowsMinimum, kChoiceRows);
    int first = 0;  // the filled rows that would be hidden, counted from 1
    int last = 0;
    for (int i = count; i < kChoiceRows; ++i) {
        if (IsEmpty(data.rows[i].text)) continue;
        if (first == 0) first = i + 1;
        last = i + 1;
    }
    if (first != 0) {
        const std::string question = FilledIn(
            first == last
                ? QT_TRANSLATE_NOOP("QuestionDialogs", "Vuoi veramente cancellare la risposta %1?")
                : QT_TRANSLATE_NOOP("QuestionDialogs", "Vuoi veramente cancellare le risposte da %1 a %2?"),
            {std::to_string(first), std::to_string(last)});
        if (!app.dialogs.AskYesNo(question)) return data.count;
    }
    for (int i = count; i < kChoiceRows; ++i) data.rows[i] = ChoiceRow();
    data.count = count;
    return count;
}

bool CheckChoiceDialog(Application& app, const ChoiceDialogData& data)
{
    if (IsEmpty(data.text)) {
        ShowInfo(app, QT_TRANSLATE_NOOP("QuestionDialogs", "Inserire testo domanda"));
        return false;
    }
    int answers = 0;
    bool anyCorrect = false;
    for (int i = 0; i < RowsShown(data); ++i) {
        const ChoiceRow& row = data.rows[i];
        if (IsEmpty(row.text)) continue;
        ++answers;
        anyCorrect = anyCorrect || row.correct;
    }
    if (answers < 2) {
        ShowInfo(app, QT_TRANSLATE_NOOP("QuestionDialogs", "Inserire testo di almeno due risposte"));
        return false;
    }
    if (!anyCorrect) {
        ShowInfo(app, app.editQuestion.GetSelection() == TSel::Multiple
                          ? QT_TRANSLATE_NOOP("QuestionDialogs", "Selezionare le risposte corrette")
                          : QT_TRANSLATE_NOOP("QuestionDialogs", "Selezionare la risposta corretta"));
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
    const TextContent content = TextContentOf(app.editQuestion);
    data.image = content.image;
    data.text = content.text;
    data.answer = content.answer;
}

void FillTextDialogFull(Application& app, TextDialogData& data, bool editing)
{
    const CDomanda& question = app.editQuestion;
    if (editing)
        FillTextDialog(app, data);
    else
        data.deleteVisible = false;
    data.answerLabel = question.GetTypeQue() == TQue::SingleNumber
                           ? QT_TRANSLATE_NOOP("QuestionDialogs", "Numero")
                           : QT_TRANSLATE_NOOP("QuestionDialogs", "Testo");
    const TextContent content = TextContentOf(question);
    data.precision = content.precision;
    data.scoreIfOk = content.scoreIfOk;
    data.scoreIfBad = content.scoreIfBad;
}

bool CheckTextDialog(Application& app, const TextDialogData& data)
{
    if (IsEmpty(data.text)) {
        ShowInfo(app, QT_TRANSLATE_NOOP("QuestionDialogs", "Inserire testo domanda"));
        return false;
    }
    if (IsEmpty(data.answer)) {
        ShowInfo(app, QT_TRANSLATE_NOOP("QuestionDialogs", "Inserire testo della risposta"));
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
    if (!CheckText(app, data.image, TextPlace::Quoted, ImageField())) return false;
    if (!CheckText(app, data.text, TextPlace::Section, QuestionTextField())) return false;
    for (int i = 0; i < RowsShown(data); ++i)
        if (!CheckText(app, data.rows[i].text, TextPlace::Section, AnswerTextField(i + 1))) return false;
    CDomanda candidate(app.editQuestion);
    ApplyChoiceDialog(app, candidate, data);
    return CheckRecordLength(app, candidate);
}

bool CheckTextStorable(Application& app, const TextDialogData& data)
{
    if (!CheckText(app, data.image, TextPlace::Quoted, ImageField())) return false;
    if (!CheckText(app, data.text, TextPlace::Section, QuestionTextField())) return false;
    // A number is stored as a number; only a text answer is written as typed.
    if (app.editQuestion.GetTypeQue() == TQue::SingleText &&
        !CheckText(app, data.answer, TextPlace::Quoted, data.answerLabel))
        return false;
    CDomanda candidate(app.editQuestion);
    ApplyTextDialog(candidate, data);
    return CheckRecordLength(app, candidate);
}

std::string TooltipText(QuestionCommand command)
{
    switch (command) {
        case QuestionCommand::Copy:
            return TooltipText(Command::Copy);
        case QuestionCommand::Paste:
            return TooltipText(Command::Paste);
        case QuestionCommand::Run:
            return TooltipText(Command::RunQuestion);
        case QuestionCommand::UndoPaste:
            return TooltipText(Command::UndoPaste);
        case QuestionCommand::Image:
            return TooltipText(Command::ChooseImage);
        default:
            return "";
    }
}

std::string QuestionTextField()
{
    return QT_TRANSLATE_NOOP("QuestionDialogs", "Testo domanda");
}
std::string ImageField()
{
    return QT_TRANSLATE_NOOP("QuestionDialogs", "Immagine");
}
std::string AnswerTextField(int row)
{
    return FilledIn(QT_TRANSLATE_NOOP("QuestionDialogs", "Risposta %1"), {std::to_string(row)});
}
std::string AnswerScoreField(int row)
{
    return FilledIn(QT_TRANSLATE_NOOP("QuestionDialogs", "Punti risposta %1"), {std::to_string(row)});
}

bool ChooseImage(Application& app, std::string& image)
{
    FileDialogRequest request;
    request.title = QT_TRANSLATE_NOOP("QuestionDialogs", "Scegli immagine...");
    request.filters = ImageFileFilters();
    request.defaultExtension = "gif";
    request.folder = app.CurrentFolder();
    request.proposed = app.imageChoice;
    request.maxPath = kImagePathCapacity - 2;

    std::string path;
    const bool confirmed = app.dialogs.OpenFileName(request, path);
    if (!confirmed) return false;
    app.imageChoice = path.substr(0, kImagePathCapacity - 1);
    image = PlaceChosenImage(app, app.imageChoice);
    return true;
}

bool WriteRunFile(Application& app, const ChoiceDialogData& data)
{
    return WriteRunFileOf(app, data);
}

bool WriteRunFile(Application& app, const TextDialogData& data)
{
    return WriteRunFileOf(app, data);
}

void DeleteRunFile(Application& app)
{
    if (!HasFileName(app.runTest)) return;
    CurrentFolderScope inFolder(app);
    app.files.RemoveFile(ToStd(app.runTest.TestFileName()));
    app.runTest.SetPathName(CStringa(""));
}

}  // namespace quadrivo::editor
