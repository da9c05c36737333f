#include "editor/qt/propertydialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/properties.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/encoding.h"
#include "editor/qt/textfields.h"
#include "editor/qt/updownfield.h"
#include "translations/language.h"

namespace quadrivo::editor {

namespace {

QCheckBox* AddCheckBox(QVBoxLayout* layout, const QString& text, const char* name, bool checked)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    layout->addWidget(box);
    return box;
}

UpDownField* MakeNumberField(const char* name, int arrowMaximum, const std::string& text)
{
    auto* field = new UpDownField;
    field->setObjectName(QLatin1String(name));
    field->setArrowRange(0, arrowMaximum);
    field->setFieldText(FromWindows1252(text));
    return field;
}

// A number field's text; one that Windows-1252 cannot hold is no number,
// and reads as 0 like any other.
std::string NumberText(const UpDownField* field)
{
    std::string bytes;
    return ToWindows1252(field->fieldText(), bytes) ? bytes : std::string();
}

}  // namespace

PropertyDialog::PropertyDialog(Application& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(tr("Proprietà questionario"));
    const PropertyValues values = OpenPropertyDialog(app_);

    name_ = new QLineEdit(FromWindows1252(values.name));
    name_->setObjectName(QStringLiteral("nameEdit"));
    name_->setMinimumWidth(280);

    auto* flags = new QVBoxLayout;
    flags->setSpacing(6);
    random_ = AddCheckBox(flags, tr("Domande in ordine casuale"), "randomCheck", values.random);
    save_ = AddCheckBox(flags, tr("Le risposte devono essere salvate"), "saveCheck", values.save);
    viewScore_ =
        AddCheckBox(flags, tr("Il punteggio deve essere visibile"), "viewScoreCheck", values.viewScore);
    askConfirm_ = AddCheckBox(flags, tr("Richiesta di conferma"), "askConfirmCheck", values.askConfirm);
    correctAnswer_ =
        AddCheckBox(flags, tr("Soluzione dopo la risposta"), "correctAnswerCheck", values.correctAnswer);

    time_ = MakeNumberField("timeField", kTimeArrowMaximum, values.time);
    sendBack_ = MakeNumberField("sendBackField", kSendBackArrowMaximum, values.sendBack);

    auto* numbers = new QFormLayout;
    numbers->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    numbers->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    numbers->addRow(tr("Tempo concesso (in minuti)"), time_);
    numbers->addRow(tr("Rimandare la risposta?"), sendBack_);

    auto* nameRow = new QFormLayout;
    nameRow->addRow(tr("Nome"), name_);

    // How the file is written: scrambled keeps the answers from a reader's
    // eyes.
    auto* fileForm = new QVBoxLayout;
    scrambled_ = AddCheckBox(fileForm, tr("File cifrato"), "scrambledCheck", values.scrambled);

    auto* properties = new QVBoxLayout;
    properties->setSpacing(12);
    properties->addLayout(nameRow);
    properties->addLayout(flags);
    properties->addLayout(numbers);
    properties->addLayout(fileForm);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroupFrame(properties, tr("Proprietà")));
    layout->addWidget(MakeOkCancelFrame(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PropertyDialog::accept()
{
    PropertyValues values;
    if (!ReadStorableText(app_, name_->text(), language::CoreText(tr("Nome")), name_, values.name)) return;
    values.time = NumberText(time_);
    values.sendBack = NumberText(sendBack_);
    values.random = random_->isChecked();
    values.save = save_->isChecked();
    values.viewScore = viewScore_->isChecked();
    values.askConfirm = askConfirm_->isChecked();
    values.correctAnswer = correctAnswer_->isChecked();
    values.scrambled = scrambled_->isChecked();
    if (!PropertyDialogOk(app_, values)) {
        name_->setFocus();
        return;
    }
    QDialog::accept();
}

void RunPropertyDialog(QWidget* owner, Application& app)
{
    PropertyDialog dialog(app, owner);
    dialog.exec();
}

}  // namespace quadrivo::editor
