#ifndef QUADRIVO_EDITOR_QT_DIALOGFONTS_H
#define QUADRIVO_EDITOR_QT_DIALOGFONTS_H

#include <initializer_list>

class QWidget;

namespace quadrivo::editor {

class Application;

// Gives the configured font ("fontname", "fontsize") to the text fields of a
// question dialog; null entries are skipped.
void SetDialogFonts(Application& app, std::initializer_list<QWidget*> fields);

}  // namespace quadrivo::editor

#endif
