#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <string>
#include <vector>

#include "editor/core/application.h"
#include "editor/core/frame.h"
#include "editor/qt/mainwindow.h"
#include "editor/qt/qtplatform.h"
#include "editor/qt/screenshottour.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // QApplication takes the user's locale; numbers in questionnaire files
    // are always written and read with a decimal point.
    std::setlocale(LC_NUMERIC, "C");

    // The standard dialogs (file dialogs above all) speak Italian too.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    QtPlatform platform;
    Application app(platform, platform, platform, platform);
    PlatformErrorPresenter presenter(platform);
    ScopedErrorPresenter presenterScope(&presenter);

    MainWindow window(app);
    window.show();

    // QApplication has taken its own options out of argv.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    window.startUp(CommandLineTail(arguments));

    const QString tourFolder = qEnvironmentVariable("QV_SCREENSHOT_TOUR");
    if (!tourFolder.isEmpty()) StartScreenshotTour(window, tourFolder);

    return application.exec();
}
