#include "editor/qt/guidewindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quadrivo::editor {

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("guideWindow"));
    setWindowTitle(QStringLiteral("Guida di Visual Quadrivo Editor"));
    browser_ = new QTextBrowser;
    // Links to other sections stay inside; a web address opens in the
    // user's browser.
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(QStringLiteral("qrc:/guida/guida.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 640);
}

}  // namespace quadrivo::editor
