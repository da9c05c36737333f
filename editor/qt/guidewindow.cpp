#include "editor/qt/guidewindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quadrivo::editor {

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("guideWindow"));
    setWindowTitle(tr("Guida di Visual Quadrivo Editor"));
    browser_ = new QTextBrowser;
    // Links to other sections stay inside; a web address opens in the
    // user's browser.
    browser_->setOpenExternalLinks(true);
    // Each language has its page, beside the same pictures: the page's
    // name is translated with the rest of the texts.
    browser_->setSource(QUrl(tr("qrc:/guida/guida.html", "the guide's page in the user's language")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 640);
}

}  // namespace quadrivo::editor
