#ifndef QUADRIVO_EDITOR_QT_EDITORLOCALE_H
#define QUADRIVO_EDITOR_QT_EDITORLOCALE_H

class QTranslator;

namespace quadrivo::editor {

// What every program on the editor's windows sets up once its QApplication
// is made: numbers in questionnaire files are written and read with a
// decimal point whatever the user's locale, and the windows speak the
// chosen language (the "lingua" setting, or the system's), the standard
// dialogs too. translator is installed when its texts are found and must
// outlive the application.
void SetUpEditorLocale(QTranslator& translator);

}  // namespace quadrivo::editor

#endif
