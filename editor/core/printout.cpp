#include "editor/core/printout.h"

#include <cmath>
#include <cstdio>

#include "editor/core/application.h"
#include "editor/core/filecommands.h"
#include "editor/core/frame.h"
#include "editor/core/images.h"
#include "editor/core/translate.h"
#include "model/domanda.h"
#include "model/risposta.h"

namespace quadrivo::editor {

namespace {

std::string ToStd(const CStringa& text)
{
    return text.CStr() ? std::string(text.CStr(), text.Length()) : std::string();
}

std::string NumberText(double value)
{
    return ToStd(CStringa(value));
}

PrintedQuestion PrintQuestion(Application& app, const CDomanda& question, int number, PrintoutKind kind)
{
    const bool key = kind == PrintoutKind::Key;
    PrintedQuestion printed;
    printed.number = number;
    printed.text = ToStd(question.GetTextQue());
    const ImagePreview image = PreviewImage(app, ToStd(question.GetImage()));
    printed.image = image.path;
    printed.imageNote = image.note;

    switch (question.GetTypeQue()) {
        case TQue::SingleText:
        case TQue::SingleNumber: {
            printed.openAnswer = true;
            if (!key) break;
            const bool text = question.GetTypeQue() == TQue::SingleText;
            printed.keyAnswer = QT_TRANSLATE_NOOP("Printout", "Risposta esatta: ") +
                                (text ? ToStd(question.GetTextOk()) : NumberText(question.GetNumOk()));
            if (!text && question.GetPrecision() != 0)
                printed.keyAnswer += FilledIn(QT_TRANSLATE_NOOP("Printout", " (precisione %1)"),
                                              {NumberText(question.GetPrecision())});
            printed.keyAnswer +=
                FilledIn(QT_TRANSLATE_NOOP("Printout", "\nPunti se giusto: %1, se errato: %2"),
                         {PointsText(question.GetScoreIfOk()), PointsText(question.GetScoreIfBad())});
            break;
        }
        default:
            printed.severalSolutions = question.GetSelection() == TSel::Multiple;
            for (int i = 0; i < question.GetAnswerCount(); ++i) {
                const CRisposta& answer = question.GetAnswer(i);
                PrintedAnswer line{ToStd(answer.GetTextAns()), false, ""};
                if (key) {
                    line.correct = answer.IsCorrect() != 0;
                    line.points = PointsText(answer.GetScore());
                }
                printed.answers.push_back(line);
            }
            break;
    }
    return printed;
}

}  // namespace

std::string PointsText(double points)
{
    char text[64];
    const double rounded = std::round(points * 100) / 100;
    std::snprintf(text, sizeof text, "%+.2f", rounded);
    std::string result = text;
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.') result.pop_back();
    return result == "-0" ? "0" : result == "+0" ? "0" : result;
}

FileDialogRequest PdfRequest(const Application& app, PrintoutKind kind)
{
    std::string name = "test";
    if (HasFileName(app.currentTest)) {
        name = FileNamePart(ToStd(app.currentTest.TestFileName()));
        name = name.substr(0, name.rfind('.'));
    }
    FileDialogRequest request;
    request.title = QT_TRANSLATE_NOOP("Printout", "Esporta PDF...");
    request.filters = {{QT_TRANSLATE_NOOP("Printout", "Documenti PDF (*.pdf)"), "*.pdf"},
                       {QT_TRANSLATE_NOOP("Printout", "Tutti i file (*.*)"), "*.*"}};
    request.defaultExtension = "pdf";
    request.folder = app.CurrentFolder();
    request.proposed =
        name + (kind == PrintoutKind::Key ? QT_TRANSLATE_NOOP("Printout", "-soluzioni.pdf") : ".pdf");
    request.overwritePrompt = true;
    return request;
}

Printout MakePrintout(Application& app, PrintoutKind kind)
{
    Printout printout;
    printout.kind = kind;
    const CParTest& params = app.currentTest.GetParams();
    printout.title = ToStd(params.Name);
    if (kind == PrintoutKind::Key)
        printout.title += QT_TRANSLATE_NOOP("Printout", " - Soluzioni");
    else
        printout.nameLine = QT_TRANSLATE_NOOP(
            "Printout",
            "Nome e cognome: ______________________________   Classe: ________   Data: ____________");
    printout.text = ToStd(params.TextTest);
    int number = 0;
    for (int i = 0; i < app.currentTest.QuestionCount(); ++i) {
        const CDomanda& question = *app.currentTest.GetQuestion(i);
        if (question.GetEnableQue() == 0) continue;
        printout.questions.push_back(PrintQuestion(app, question, ++number, kind));
    }
    return printout;
}

}  // namespace quadrivo::editor
