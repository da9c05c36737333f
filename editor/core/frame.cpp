#include "editor/core/frame.h"

#include <cerrno>

#include "editor/core/application.h"
#include "editor/core/dialogs.h"
#include "editor/core/filecommands.h"
#include "editor/core/questiondialogs.h"

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
        {"&File",
         {{Command::New, "&Nuovo"},
          {Command::Load, "&Carica..."},
          {Command::Save, "&Salva"},
          {Command::SaveAs, "Sal&va come..."},
          {Command::Separator, nullptr},
          {Command::Comment, "C&ommento..."},
          {Command::Properties, "&Propriet\xe0..."},
          {Command::Separator, nullptr},
          {Command::Print, "S&tampa..."},
          {Command::ExportPdf, "Esporta P&DF..."},
          {Command::Separator, nullptr},
          {Command::Exit, "&Esci"}}},
        {"&Modifica", {{Command::Undo, "&Annulla"}, {Command::Redo, "&Ripeti"}}},
        {"&Domande",
         {{Command::NewQuestion, "&Nuova..."},
          {Command::EditQuestion, "&Modifica..."},
          {Command::RunTest, "&Esegui test..."},
          {Command::Results, "&Risultati..."},
          {Command::Separator, nullptr},
          {Command::MoveUp, "Sposta &su"},
          {Command::MoveDown, "Sposta &gi\xf9"},
          {Command::Duplicate, "D&uplica"},
          {Command::DeleteQuestions, "&Cancella"},
          {Command::ToggleEnabled, "A&bilita/disabilita"}}},
        {"&Aiuto", {{Command::About, "&Informazioni..."}}},
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
            return "Nuovo questionario";
        case Command::Load:
            return "Apri un questionario";
        case Command::Save:
            return "Salva il questionario";
        case Command::NewQuestion:
            return "Nuova domanda";
        case Command::EditQuestion:
            return "Modifica domanda";
        case Command::RunTest:
            return "Esegui test";
        case Command::Results:
            return "Risultati degli studenti";
        case Command::Copy:
            return "Copia";
        case Command::Paste:
            return "Incolla";
        case Command::RunQuestion:
            return "Esegui domanda";
        case Command::UndoPaste:
            return "Annulla \"incolla\"";
        case Command::ChooseImage:
            return "Associa immagine";
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
    return app.dialogs.AskYesNo("Procedendo verranno perse le modifiche.\r\nVuoi veramente continuare?");
}

bool ConfirmDelete(Application& app)
{
    return app.dialogs.AskYesNo("Vuoi veramente cancellare la domanda?");
}

std::string AboutText()
{
    return "Programma per la creazione di test di tipo \"Quadrivo\".\r\n"
           "Autore Pellastro.\r\n"
           "Gestione file curata da Pellastro.\r\n"
           "Versione 0.0 beta";
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
    ShowInfo(app, "Nessuna domanda da modificare");
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
            return "la cartella non esiste";
        case EACCES:
        case EPERM:
        case EROFS:
            return "permesso negato";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "il disco \xe8 pieno";
        default:
            return "";
    }
}

void PlatformErrorPresenter::Present(int, const CStringa& message)
{
    dialogs_.ShowInfo(message.IsOk() ? message.CStr() : "");
}

}  // namespace quadrivo::editor
