#include <QApplication>
#include <QTranslator>
#include <string>
#include <vector>

#include "editor/core/application.h"
#include "editor/core/frame.h"
#include "editor/core/recovery.h"
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

    // The unsaved changes are kept beside the settings while the editor
    // runs, and those of an editor that crashed are offered back.
    Recovery recovery(app, platform.SettingsFolder() + "/quadrivo-recupero");

    MainWindow window(app);
    window.show();

    // QApplication has taken its own options out of argv.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    window.startUp(CommandLineTail(arguments));
    window.keepRecoveryCopies(recovery);
    window.offerRecovery();

    return application.exec();
}
