#include "editor/qt/dialogfonts.h"

#include <QFont>
#include <QWidget>

#include "editor/core/application.h"
#include "editor/core/settings.h"
#include "editor/qt/encoding.h"

namespace quadrivo::editor {

void SetDialogFonts(Application& app, std::initializer_list<QWidget*> fields)
{
    const DialogFont setting = ReadDialogFont(app.settings);
    for (QWidget* field : fields) {
        if (!field) continue;
        QFont font = field->font();
        if (!setting.face.empty()) {
            font.setFamily(FromNativeBytes(setting.face));
            // Where the face is missing, a fixed-pitch one stands in for
            // the fixed-pitch default.
            if (setting.face == "Courier New") font.setStyleHint(QFont::TypeWriter);
        }
        font.setPointSize(setting.pointSize);
        field->setFont(font);
    }
}

}  // namespace quadrivo::editor
