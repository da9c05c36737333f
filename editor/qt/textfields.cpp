#include "editor/qt/textfields.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "editor/core/frame.h"
#include "editor/core/textcheck.h"
#include "editor/qt/encoding.h"

namespace quadrivo::editor {

namespace {

// A text edit takes a lone CR for a line break, which would come back as
// CR LF; it is shown as the symbol for carriage return instead, a character
// that the questionnaire cannot hold otherwise.
constexpr QChar kLoneCr(0x240D);

}  // namespace

void SetMultiLineText(QPlainTextEdit* field, const std::string& dialogText)
{
    QString text = FromWindows1252(dialogText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    field->setPlainText(text.replace(QLatin1Char('\r'), kLoneCr));
}

QString MultiLineText(const QPlainTextEdit* field)
{
    // toPlainText would turn no-break spaces into blanks.
    QString text = field->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.replace(kLoneCr, QLatin1Char('\r'));
}

bool ReadStorableText(Application& app, const QString& text, const std::string& label, QWidget* field,
                      std::string& bytes)
{
    if (ToWindows1252(text, bytes)) return true;
    ShowInfo(app, UnstorableCharactersMessage(label));
    if (field) field->setFocus();
    return false;
}

std::string ComparableText(const QString& text)
{
    std::string bytes;
    if (ToWindows1252(text, bytes)) return bytes;
    std::string marked;
    for (const QChar c : text) {
        std::string one;
        marked += ToWindows1252(QString(c), one) ? one : std::string(1, '\0');
    }
    return marked;
}

std::string NumberFieldText(const QLineEdit* field)
{
    std::string bytes;
    return ToWindows1252(field->text(), bytes) ? bytes : std::string("?");
}

}  // namespace quadrivo::editor
