#ifndef QUADRIVO_EDITOR_QT_SUMMARYVIEW_H
#define QUADRIVO_EDITOR_QT_SUMMARYVIEW_H

#include <QWidget>

namespace quadrivo::editor {

class Application;

// The main window's client area: the nine summary lines of currentTest in
// the default font, dark on white, at x = 8 and 24 pixels apart.
class SummaryView : public QWidget {
    Q_OBJECT

public:
    explicit SummaryView(Application& app, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Application& app_;
};

}  // namespace quadrivo::editor

#endif
