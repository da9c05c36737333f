#ifndef QUADRIVO_EDITOR_QT_NEWQUESTIONDIALOG_H
#define QUADRIVO_EDITOR_QT_NEWQUESTIONDIALOG_H

#include <QDialog>
#include <utility>
#include <vector>

#include "editor/core/newquestion.h"

class QRadioButton;

namespace quadrivo::editor {

class Application;

// "Seleziona il tipo di domanda": four kinds of question, the last one
// chosen proposed. Ok makes an empty question of the checked kind and opens
// its question dialog over this one; the dialog closes when that returns.
// Test hooks: the radio buttons' objectNames "kind503" to "kind506", after
// the ids of the dialog's template.
class NewQuestionDialog : public QDialog {
    Q_OBJECT

public:
    explicit NewQuestionDialog(Application& app, QWidget* parent = nullptr);

    void accept() override;

private:
    Application& app_;
    std::vector<std::pair<QuestionKind, QRadioButton*>> kinds_;
};

}  // namespace quadrivo::editor

#endif
