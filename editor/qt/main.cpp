#include <QApplication>
#include <QTranslator>
#include <cstdio>
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

namespace {

const char kUsage[] =
    "Uso: quadrivo-editor [FILE]\n"
    "Scrive e modifica i questionari (.tst) e ne legge i risultati degli studenti (.stu).\n"
    "  FILE               il questionario da aprire; senza, un questionario nuovo\n"
    "  -h, --help         questo aiuto\n"
    "  --version          la versione\n"
    "Sono accettate anche le opzioni di Qt, come -platform.\n";

// Answers --help and --version before any window system is needed, so that
// both work in a terminal without a display. True when one was answered.
bool AnswerInformationOption(int argc, char* argv[])
{
    if (argc != 2) return false;
    const std::string option = argv[1];
    if (option == "--help" || option == "-h") {
        std::fputs(kUsage, stdout);
        return true;
    }
    if (option == "--version") {
        std::puts("quadrivo-editor " QV_VERSION);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (AnswerInformationOption(argc, argv)) return 0;
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
