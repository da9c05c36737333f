#ifndef QUADRIVO_EDITOR_QT_ICONS_H
#define QUADRIVO_EDITOR_QT_ICONS_H

#include <QIcon>
#include <QString>

namespace quadrivo::editor {

// The nine toolbar images, by their index in the strip the toolbars share:
// 0 new questionnaire, 1 open, 2 save, 3 copy, 4 paste, 5 undo paste,
// 6 new question, 7 edit question, 8 run. Each is an SVG resource, for
// example ":/icons/copy.svg" for image 3.
QString ToolbarImagePath(int image);
QIcon ToolbarImage(int image);

// The editor's window icon.
QIcon EditorIcon();

}  // namespace quadrivo::editor

#endif
