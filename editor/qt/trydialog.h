#ifndef QUADRIVO_EDITOR_QT_TRYDIALOG_H
#define QUADRIVO_EDITOR_QT_TRYDIALOG_H

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

namespace quadrivo::editor {

class Application;

// "Esegui con...": asks for the runner program and starts it with
// arguments (file names in the system's encoding) in the editor's current
// folder.
void RunTryDialog(QWidget* owner, Application& app, const std::vector<std::string>& arguments);

// The dialog itself: the program field (the "command" setting), Sfoglia,
// Ok (run, then close) and Annulla.
class TryDialog : public QDialog {
    Q_OBJECT

public:
    TryDialog(Application& app, const std::vector<std::string>& arguments, QWidget* parent = nullptr);

    void accept() override;

private:
    void browse();

    Application& app_;
    std::vector<std::string> arguments_;
    std::optional<std::string> opened_;  // the program shown at opening
    QLineEdit* program_;
};

}  // namespace quadrivo::editor

#endif
