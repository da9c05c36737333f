#include "editor/qt/icons.h"

#include <array>

namespace quadrivo::editor {

namespace {

constexpr std::array<const char*, 10> kImageNames = {
    "new", "open", "save", "copy", "paste", "undopaste", "newquestion", "editquestion", "run", "results",
};

}  // namespace

QString ToolbarImagePath(int image)
{
    if (image < 0 || image >= static_cast<int>(kImageNames.size())) return QString();
    return QStringLiteral(":/icons/") + QLatin1String(kImageNames[image]) + QStringLiteral(".svg");
}

QIcon ToolbarImage(int image)
{
    const QString path = ToolbarImagePath(image);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

QIcon EditorIcon()
{
    return QIcon(QStringLiteral(":/icons/quadrivo.svg"));
}

}  // namespace quadrivo::editor
