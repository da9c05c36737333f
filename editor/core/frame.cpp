#include "editor/core/frame.h"

#include <cerrno>

#include "editor/core/application.h"
#include "editor/core/dialogs.h"
#include "editor/core/filecommands.h"
#include "editor/core/questiondialogs.h"
#include "editor/core/translate.h"

namespace quadrivo::editor {

namespace {

// The library's code for a file it could not create.
constexpr int kCannotCreateFile = 15;

// The message buffer of the information boxes holds 1024 characters.
constexpr std::size_t kMessageCapacity = 1024;
// fileBuffer holds the command-line tail and its terminator.
constexpr std::size_t kTailCapacity = 512;

}  // namespace

const std::vector<MenuPopup>& MainMenu()
{
    static const std::vector<MenuPopup> menu = {
        {QT_TRANSLATE_NOOP("Menu", "&File"),
         {{Command::New, QT_TRANSLATE_NOOP("Menu", "&Nuovo")},
          {Command::Load, QT_TRANSLATE_NOOP("Menu", "&Carica...")},
          {Command::Save, QT_TRANSLATE_NOOP("Menu", "&Salva")},
          {Command::SaveAs, QT_TRANSLATE_NOOP("Menu", "Sal&va come...")},
          {Command::Separator, nullptr},
          {Command::Comment, QT_TRANSLATE_NOOP("Menu", "C&ommento...")},
          {Command::Properties, QT_TRANSLATE_NOOP("Menu", "&Propriet\u00e0...")},
          {Command::Separator, nullptr},
          {Command::Print, QT_TRANSLATE_NOOP("Menu", "S&tampa...")},
          {Command::ExportPdf, QT_TRANSLATE_NOOP("Menu", "Esporta P&DF...")},
          {Command::Separator, nullptr},
          {Command::Import, QT_TRANSLATE_NOOP("Menu", "&Importa...")},
          {Command::Export, QT_TRANSLATE_NOOP("Menu", "Espo&rta...")},
          {Command::Separator, nullptr},
          {Command::Exit, QT_TRANSLATE_NOOP("Menu", "&Esci")}}},
        {QT_TRANSLATE_NOOP("Menu", "&Modifica"),
         {{Command::Undo, QT_TRANSLATE_NOOP("Menu", "&Annulla")},
          {Command::Redo, QT_TRANSLATE_NOOP("Menu", "&Ripeti")}}},
        {QT_TRANSLATE_NOOP("Menu", "&Domande"),
         {{Command::NewQuestion, QT_TRANSLATE_NOOP("Menu", "&Nuova...")},
          {Command::EditQuestion, QT_TRANSLATE_NOOP("Menu", "&Modifica...")},
          {Command::RunTest, QT_TRANSLATE_NOOP("Menu", "&Esegui test...")},
          {Command::Results, QT_TRANSLATE_NOOP("Menu", "&Risultati...")},
          {Command::Separator, nullptr},
          {Command::MoveUp, QT_TRANSLATE_NOOP("Menu", "Sposta &su")},
          {Command::MoveDown, QT_TRANSLATE_NOOP("Menu", "Sposta &gi\u00f9")},
          {Command::Duplicate, QT_TRANSLATE_NOOP("Menu", "D&uplica")},
          {Command::DeleteQuestions, QT_TRANSLATE_NOOP("Menu", "&Cancella")},
          {Command::ToggleEnabled, QT_TRANSLATE_NOOP("Menu", "A&bilita/disabilita")}}},
        {QT_TRANSLATE_NOOP("Menu", "&Aiuto"),
         {{Command::About, QT_TRANSLATE_NOOP("Menu", "&Informazioni...")}}},
    };
    return menu;
}

const std::vector<ToolbarButton>& MainToolbar()
{
    static const std::vector<ToolbarButton> buttons = {
        {Command::New, 0},          {Command::Load, 1},    {Command::Save, 2},    {Command::NewQuestion, 6},
        {Command::EditQuestion, 7}, {Command::RunTest, 8}, {Command::Results, 9},
    };
    return buttons;
}

std::string TooltipText(Command command)
{
    switch (command) {
        case Command::New:
            return QT_TRANSLATE_NOOP("Frame", "Nuovo questionario");
        case Command::Load:
            return QT_TRANSLATE_NOOP("Frame", "Apri un questionario");
        case Command::Save:
            return QT_TRANSLATE_NOOP("Frame", "Salva il questionario");
        case Command::NewQuestion:
            return QT_TRANSLATE_NOOP("Frame", "Nuova domanda");
        case Command::EditQuestion:
            return QT_TRANSLATE_NOOP("Frame", "Modifica domanda");
        case Command::RunTest:
            return QT_TRANSLATE_NOOP("Frame", "Esegui test");
        case Command::Results:
            return QT_TRANSLATE_NOOP("Frame", "Risultati degli studenti");
        case Command::Copy:
            return QT_TRANSLATE_NOOP("Frame", "Copia");
        case Command::Paste:
            return QT_TRANSLATE_NOOP("Frame", "Incolla");
        case Command::RunQuestion:
            return QT_TRANSLATE_NOOP("Frame", "Esegui domanda");
        case Command::UndoPaste:
            return QT_TRANSLATE_NOOP("Frame", "Annulla \"incolla\"");
        case Command::ChooseImage:
            return QT_TRANSLATE_NOOP("Frame", "Associa immagine");
        default:
            return "";
    }
}

CommandStates UpdateCommandStates(const Application& app)
{
    CommandStates states;
    states.editQuestion = app.currentTest.QuestionCount() > 0;
    states.runTest = HasFileName(app.currentTest) && app.modified == 0;
    states.undo = app.history.CanUndo();
    states.redo = app.history.CanRedo();
    return states;
}

bool HasFileName(const CTest& test)
{
    const CStringa name = test.TestFileName();
    return name.Length() > 0 && name != CStringa(".tst");
}

void ShowInfo(Application& app, const std::string& text)
{
    app.dialogs.ShowInfo(text.substr(0, kMessageCapacity - 1));
}

bool ConfirmDiscard(Application& app)
{
    return app.modified == 0 || AskDiscard(app);
}

bool AskDiscard(Application& app)
{
    return app.dialogs.AskYesNo(
        QT_TRANSLATE_NOOP("Frame", "Procedendo verranno perse le modifiche.\r\nVuoi veramente continuare?"));
}

bool ConfirmDelete(Application& app)
{
    return app.dialogs.AskYesNo(QT_TRANSLATE_NOOP("Frame", "Vuoi veramente cancellare la domanda?"));
}

std::string AboutText()
{
    return QT_TRANSLATE_NOOP("Frame",
                             "Programma per la creazione di test di tipo \"Quadrivo\".\r\n"
                             "Autore Pellastro.\r\n"
                             "Gestione file curata da Pellastro.\r\n"
                             "Versione 0.0 beta");
}

bool NewCommand(Application& app)
{
    if (!ConfirmDiscard(app)) return false;
    app.currentTest = CTest(&app.errorReporter);
    app.currentTest.SetScrambled(0);
    app.modified = 0;
    app.history.Clear();
    return true;
}

bool UndoCommand(Application& app)
{
    return app.history.Undo(app);
}

bool RedoCommand(Application& app)
{
    return app.history.Redo(app);
}

bool EditQuestionCommand(Application& app)
{
    if (app.currentTest.QuestionCount() > 0) return true;
    ShowInfo(app, QT_TRANSLATE_NOOP("Frame", "Nessuna domanda da modificare"));
    return false;
}

std::string CommandLineTail(const std::vector<std::string>& arguments)
{
    std::string tail;
    for (const std::string& argument : arguments) {
        if (!tail.empty()) tail += ' ';
        tail += argument;
    }
    return tail.substr(0, kTailCapacity - 1);
}

void StartUp(Application& app, const std::string& tail)
{
    app.fileBuffer = tail.substr(0, kTailCapacity - 1);
    // A file that failed leaves an untitled test, and no dialog proposes
    // that file, so that no save can overwrite it by mistake.
    if (!app.fileBuffer.empty() && !LoadTestFile(app, app.fileBuffer, true)) app.fileBuffer.clear();
}

void ShutDown(Application& app)
{
    DeleteRunFile(app);
}

GatheredReports::GatheredReports(mkErrore& reporter) : redirected_(reporter, *this) {}

void GatheredReports::Present(int code, const CStringa& message)
{
    // Read at once: errno still tells why the file could not be created.
    const int errnum = errno;
    std::string text = message.IsOk() ? message.CStr() : "";
    if (code == kCannotCreateFile) {
        const std::string reason = CreateFailureReason(errnum);
        if (!reason.empty()) text += ": " + reason;
    }
    messages_.push_back(text);
}

std::string GatheredReports::Text() const
{
    std::string text;
    for (const std::string& message : messages_) text += (text.empty() ? "" : "\r\n") + message;
    return text;
}

std::string CreateFailureReason(int errnum)
{
    switch (errnum) {
        case ENOENT:
        case ENOTDIR:
            return QT_TRANSLATE_NOOP("Frame", "la cartella non esiste");
        case EACCES:
        case EPERM:
        case EROFS:
            return QT_TRANSLATE_NOOP("Frame", "permesso negato");
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return QT_TRANSLATE_NOOP("Frame", "il disco \u00e8 pieno");
        default:
            return "";
    }
}

void PlatformErrorPresenter::Present(int, const CStringa& message)
{
    dialogs_.ShowInfo(message.IsOk() ? message.CStr() : "");
}

}  // namespace quadrivo::editor
