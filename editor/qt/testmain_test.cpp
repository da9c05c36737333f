// The entry of editor_qt_test: one QApplication for every test, on the
// offscreen platform unless the environment asks for another.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdio>

namespace quadrivo::editor {

namespace {

// The offscreen platform says at every fixed-size dialog that it cannot
// pass size hints on; that is no news for a test.
QtMessageHandler standardHandler = nullptr;

void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

}  // namespace quadrivo::editor

using namespace quadrivo;
using namespace quadrivo::editor;

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no window system.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests expect the Italian texts, from the programs they start too,
    // whatever the language of the machine.
    qputenv("QUADRIVO_LINGUA", "it");
    standardHandler = qInstallMessageHandler(QuietMessages);
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // as the editor does: files use a decimal point
    return RUN_ALL_TESTS();
}
