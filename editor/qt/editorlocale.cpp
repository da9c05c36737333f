#include "editor/qt/editorlocale.h"

#include <QLocale>
#include <clocale>

#include "translations/language.h"

namespace quadrivo::editor {

void SetUpEditorLocale(QTranslator& translator)
{
    // QApplication has taken the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    language::InstallLanguage(language::ChosenLanguage(language::LanguageSetting(), QLocale::system()),
                              translator);
}

}  // namespace quadrivo::editor
