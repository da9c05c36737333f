// quadrivo-screenshots DIR [QUESTIONNAIRE]: opens the editor's main window
// on QUESTIONNAIRE (as the editor's command line would), visits its windows
// and saves one PNG per window into DIR, with the two printouts of the
// questionnaire as "test-studenti.pdf" and "test-soluzioni.pdf". Exit
// status 1 when a window or a printout could not be made, 2 without DIR.
#include <QApplication>
#include <QDir>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/core/application.h"
#include "editor/core/frame.h"
#include "editor/core/printout.h"
#include "editor/qt/editorlocale.h"
#include "editor/qt/mainwindow.h"
#include "editor/qt/printer.h"
#include "editor/qt/qtplatform.h"
#include "editor/screenshots/screenshottour.h"

using namespace quadrivo;
using namespace quadrivo::editor;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // QApplication has taken its own options out of argv.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::fprintf(stderr, "usage: quadrivo-screenshots DIR [QUESTIONNAIRE]\n");
        return 2;
    }
    QTranslator translator;
    SetUpEditorLocale(translator);

    QtPlatform platform;
    Application app(platform, platform, platform, platform);

    MainWindow window(app);
    window.show();
    window.startUp(CommandLineTail({arguments.begin() + 1, arguments.end()}));
    const QDir folder(QString::fromLocal8Bit(arguments.front()));
    folder.mkpath(QStringLiteral("."));
    const bool printed =
        WritePdf(MakePrintout(app, PrintoutKind::Students),
                 folder.filePath(QStringLiteral("test-studenti.pdf"))) &&
        WritePdf(MakePrintout(app, PrintoutKind::Key), folder.filePath(QStringLiteral("test-soluzioni.pdf")));
    if (!printed) std::fprintf(stderr, "screenshot tour: the printouts could not be written\n");
    StartScreenshotTour(window, folder.path());
    const int status = application.exec();
    return printed ? status : 1;
}
