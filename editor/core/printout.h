#ifndef QUADRIVO_EDITOR_CORE_PRINTOUT_H
#define QUADRIVO_EDITOR_CORE_PRINTOUT_H

#include <string>
#include <vector>

#include "editor/core/dialogs.h"

namespace quadrivo::editor {

class Application;

// The questionnaire on paper: what File, "Stampa..." and "Esporta PDF..."
// put on the pages, without the layout. Texts are Windows-1252 with LF line
// breaks.

enum class PrintoutKind {
    Students,  // the test as the students fill it in
    Key,       // the teacher's key: the right answers and their points
};

struct PrintedAnswer {
    std::string text;
    bool correct = false;  // marked in the key only
    std::string points;    // the key's points, "+3" or "-1"; empty for the students
    bool operator==(const PrintedAnswer&) const = default;
};

struct PrintedQuestion {
    int number = 0;  // from 1, over the questions printed
    std::string text;
    std::string image;                   // the file to print; empty for none
    std::string imageNote;               // an image that is missing, as the dialogs say it
    bool severalSolutions = false;       // "several answers may be right" under a choice question
    std::vector<PrintedAnswer> answers;  // a choice question's, in stored order
    // A text or numeric question: for the students an empty box; in the key
    // the right answer and the points.
    bool openAnswer = false;
    std::string keyAnswer;
    bool operator==(const PrintedQuestion&) const = default;
};

struct Printout {
    PrintoutKind kind = PrintoutKind::Students;
    std::string title;     // the test's name, and for the key " - Soluzioni"
    std::string nameLine;  // the line the student writes on; empty in the key
    std::string text;      // the illustrative text
    std::vector<PrintedQuestion> questions;
};

// The enabled questions of app.currentTest in stored order: a run never
// asks the disabled ones.
Printout MakePrintout(Application& app, PrintoutKind kind);

// "Esporta PDF...": the save dialog in the current folder, proposing the
// test's name with ".pdf", and "-soluzioni.pdf" for the key.
FileDialogRequest PdfRequest(const Application& app, PrintoutKind kind);

// A score as the key prints it: a sign and at most two decimals.
std::string PointsText(double points);

}  // namespace quadrivo::editor

#endif
