// quadrivo-screenshots DIR [QUESTIONNAIRE]: opens the editor's main window
// on QUESTIONNAIRE (as the editor's command line would), visits its windows
// and saves one PNG per window into DIR. Exit status 1 when a window never
// came up, 2 without DIR.
#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/core/application.h"
#include "editor/core/frame.h"
#include "editor/qt/editorlocale.h"
#include "editor/qt/mainwindow.h"
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
    StartScreenshotTour(window, QString::fromLocal8Bit(arguments.front()));
    return application.exec();
}
