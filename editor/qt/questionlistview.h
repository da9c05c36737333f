#ifndef QUADRIVO_EDITOR_QT_QUESTIONLISTVIEW_H
#define QUADRIVO_EDITOR_QT_QUESTIONLISTVIEW_H

#include <QTreeWidget>
#include <vector>

namespace quadrivo::editor {

class Application;

// The questions of currentTest under the summary, one row each: number,
// kind icon, first line of the text, number of answers and whether it is
// enabled. Several rows can be selected. It changes nothing itself: double
// click and Enter ask to open a question, dragging a row asks to move it,
// and the main window runs the command. Test hook: objectName
// "questionList".
class QuestionListView : public QTreeWidget {
    Q_OBJECT

public:
    explicit QuestionListView(Application& app, QWidget* parent = nullptr);

    // Shows the questions as they are now, keeping the selection where the
    // rows still exist.
    void refresh();
    // The selected rows' indices, in increasing order.
    std::vector<int> selectedIndices() const;
    void selectIndex(int index);

signals:
    void openRequested(int index);
    void moveRequested(int from, int to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Application& app_;
};

// The icon of a question kind in the list, by QuestionRow::kind.
QIcon QuestionKindIcon(int kind);

}  // namespace quadrivo::editor

#endif
