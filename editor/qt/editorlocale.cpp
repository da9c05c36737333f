#include "editor/qt/editorlocale.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

namespace quadrivo::editor {

void SetUpEditorLocale(QTranslator& translator)
{
    // QApplication has taken the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    if (translator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}

}  // namespace quadrivo::editor
