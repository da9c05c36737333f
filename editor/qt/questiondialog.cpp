#include "editor/qt/questiondialog.h"

#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/images.h"
#include "editor/core/settings.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/encoding.h"
#include "editor/qt/questiontoolbar.h"
#include "editor/qt/textfields.h"
#include "editor/qt/trydialog.h"

namespace quadrivo::editor {

namespace {

// The height of the image preview under the toolbar, in pixels.
constexpr int kPreviewHeight = 110;

}  // namespace

QuestionDialog::QuestionDialog(Application& app, QWidget* parent) : QDialog(parent), app_(app)
{
    toolbar_ = new QuestionToolbar([this](QuestionCommand command) { runCommand(command); });

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("questionText"));
    text_->setTabChangesFocus(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textFrame_ = MakeGroupFrame(text_, tr("Testo domanda"));

    imagePreview_ = new QLabel;
    imagePreview_->setObjectName(QStringLiteral("imagePreview"));
    imagePreview_->setAlignment(Qt::AlignCenter);
    connect(toolbar_->imageField(), &QLineEdit::textChanged, this, &QuestionDialog::showImagePreview);
    showImagePreview();

    delete_ = MakeDialogButton(tr("&Cancella"), QStringLiteral("deleteButton"));
    connect(delete_, &QPushButton::clicked, this, [this] { runCommand(QuestionCommand::Delete); });
}

void QuestionDialog::setBody(QVBoxLayout* body)
{
    body->addWidget(MakeOkCancelFrame(this, {delete_}));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(imagePreview_);
    auto* margins = new QWidget;
    margins->setLayout(body);
    layout->addWidget(margins, 1);
}

void QuestionDialog::showOpened()
{
    showContent();
    showState();
    text_->setFocus();
}

bool QuestionDialog::readText(const QString& text, const std::string& label, QWidget* field,
                              std::string& bytes, bool quiet)
{
    if (!quiet) return ReadStorableText(app_, text, label, field, bytes);
    bytes = ComparableText(text);
    return true;
}

bool QuestionDialog::readImageAndText(std::string& image, std::string& text, bool quiet)
{
    QLineEdit* imageField = toolbar_->imageField();
    return readText(imageField->text(), ImageField(), imageField, image, quiet) &&
           readText(MultiLineText(text_), QuestionTextField(), text_, text, quiet);
}

void QuestionDialog::showImageAndText(const std::string& image, const std::string& text)
{
    toolbar_->imageField()->setText(FromWindows1252(image));
    SetMultiLineText(text_, text);
}

void QuestionDialog::showButtons(const PasteButtons& buttons, bool deleteVisible)
{
    toolbar_->setPasteButtons(buttons);
    delete_->setVisible(deleteVisible);
}

void QuestionDialog::showImagePreview()
{
    const ImagePreview preview = PreviewImage(app_, ToNativeBytes(toolbar_->imageField()->text()));
    QImage image;
    if (!preview.path.empty()) {
        QImageReader reader(FromNativeBytes(preview.path));
        reader.setAutoTransform(true);
        image = reader.read();
    }
    imagePreview_->setVisible(!preview.path.empty() || !preview.note.empty());
    if (image.isNull()) {
        imagePreview_->setFixedHeight(imagePreview_->fontMetrics().height() + 8);
        imagePreview_->setPixmap(QPixmap());
        imagePreview_->setText(preview.path.empty() ? FromWindows1252(preview.note)
                                                    : tr("Immagine non leggibile"));
        return;
    }
    imagePreview_->setFixedHeight(kPreviewHeight);
    const QSize room(kPreviewHeight * 3, kPreviewHeight - 8);
    imagePreview_->setPixmap(
        QPixmap::fromImage(image.size().width() > room.width() || image.size().height() > room.height()
                               ? image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                               : image));
    imagePreview_->setToolTip(FromNativeBytes(preview.path));
}

void QuestionDialog::accept()
{
    runCommand(QuestionCommand::Ok);
}

void QuestionDialog::reject()
{
    runCommand(QuestionCommand::Cancel);
}

void QuestionDialog::runCommand(QuestionCommand command)
{
    switch (command) {
        case QuestionCommand::Image: {
            std::string image;
            if (ChooseImage(app_, image)) toolbar_->imageField()->setText(FromWindows1252(image));
            return;
        }
        case QuestionCommand::Ok:
        case QuestionCommand::Run:
        case QuestionCommand::Copy:
        case QuestionCommand::Paste:
            if (!collect(false)) return;
            break;
        case QuestionCommand::Cancel:
            // Only to tell whether anything would be lost.
            collect(true);
            break;
        case QuestionCommand::UndoPaste:
            // The data may be older than the controls: only a real undo refills.
            if (!app_.undoAvailable) return;
            break;
        default:
            break;
    }
    const CommandResult result = execute(command);
    if (command == QuestionCommand::Paste || command == QuestionCommand::UndoPaste) showContent();
    showState();
    if (result == CommandResult::Close)
        done(QDialog::Accepted);
    else if (result == CommandResult::TryQuestion)
        RunTryDialog(this, app_, QuestionArguments(app_));
}

}  // namespace quadrivo::editor
