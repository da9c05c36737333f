#include <QApplication>
#include <QTranslator>
#include <string>
#include <vector>

#include "editor/core/application.h"
#include "editor/core/frame.h"
#include "editor/qt/editorlocale.h"
#include "editor/qt/mainwindow.h"
#include "editor/qt/qtplatform.h"

using namespace quadrivo;
using namespace quadrivo::editor;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTranslator translator;
    SetUpEditorLocale(translator);

    QtPlatform platform;
    Application app(platform, platform, platform, platform);

    MainWindow window(app);
    window.show();

    // QApplication has taken its own options out of argv.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    window.startUp(CommandLineTail(arguments));

    return application.exec();
}
