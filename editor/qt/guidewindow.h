#ifndef QUADRIVO_EDITOR_QT_GUIDEWINDOW_H
#define QUADRIVO_EDITOR_QT_GUIDEWINDOW_H

#include <QWidget>

class QTextBrowser;

namespace quadrivo::editor {

// "Guida di Visual Quadrivo Editor": the user's guide, an HTML page with its
// pictures compiled into the program (":/guida/guida.html", in English
// ":/guida/guida_en.html"), so that it is there without a network or an
// installed documentation folder. A window of its own beside the main
// window, which owns it and keeps it while the editor runs.
class GuideWindow : public QWidget {
    Q_OBJECT

public:
    explicit GuideWindow(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace quadrivo::editor

#endif
