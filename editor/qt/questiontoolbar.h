#ifndef QUADRIVO_EDITOR_QT_QUESTIONTOOLBAR_H
#define QUADRIVO_EDITOR_QT_QUESTIONTOOLBAR_H

#include <QToolBar>
#include <functional>

#include "editor/core/questiondialogs.h"

class QAction;
class QLineEdit;
class QPushButton;

namespace quadrivo::editor {

// The toolbar at the top of every question dialog: Copia, Incolla,
// Annulla "incolla" and Esegui domanda, then the "Immagine..." button and
// the image field. The buttons hand their command to the dialog.
class QuestionToolbar : public QToolBar {
    Q_OBJECT

public:
    explicit QuestionToolbar(std::function<void(QuestionCommand)> run, QWidget* parent = nullptr);

    QLineEdit* imageField() const { return image_; }
    QPushButton* imageButton() const { return imageButton_; }
    QAction* action(QuestionCommand command) const;

    // Incolla and Annulla "incolla" as the core says; the others stay on.
    void setPasteButtons(const PasteButtons& buttons);

private:
    QAction* addCommand(QuestionCommand command, int image, const std::function<void(QuestionCommand)>& run);

    QAction* copy_;
    QAction* paste_;
    QAction* undoPaste_;
    QAction* runQuestion_;
    QPushButton* imageButton_;
    QLineEdit* image_;
};

}  // namespace quadrivo::editor

#endif
