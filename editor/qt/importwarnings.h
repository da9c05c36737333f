#ifndef QUADRIVO_EDITOR_QT_IMPORTWARNINGS_H
#define QUADRIVO_EDITOR_QT_IMPORTWARNINGS_H

#include <QDialog>

#include "editor/core/interchange.h"

namespace quadrivo::editor {

// The end of Importa... or Esporta...: "Informazione" with the summary on
// top and, below it, every question left out or changed in one list
// ("warningList", hidden when empty), closed with Ok.
class ImportWarningsDialog : public QDialog {
    Q_OBJECT

public:
    explicit ImportWarningsDialog(const InterchangeReport& report, QWidget* parent = nullptr);
};

// Shows the dialog modally, unless the command did not run.
void ShowInterchangeReport(QWidget* parent, const InterchangeReport& report);

}  // namespace quadrivo::editor

#endif
