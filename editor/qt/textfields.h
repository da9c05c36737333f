#ifndef QUADRIVO_EDITOR_QT_TEXTFIELDS_H
#define QUADRIVO_EDITOR_QT_TEXTFIELDS_H

#include <QString>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace quadrivo::editor {

class Application;

// Moving text between the core's dialog form (Windows-1252; CR LF line
// breaks in multi-line fields) and the widgets.

// A multi-line field shows dialogText; a CR without LF after it shows as
// the symbol U+240D.
void SetMultiLineText(QPlainTextEdit* field, const std::string& dialogText);
// The field's text with CR LF line breaks, exactly as typed (no-break
// spaces included); U+240D comes back as the CR it stood for.
QString MultiLineText(const QPlainTextEdit* field);

// text as Windows-1252 into bytes; when it holds characters that the
// questionnaire cannot store, says so naming the field (its label,
// Windows-1252), gives the field the focus and returns false.
bool ReadStorableText(Application& app, const QString& text, const std::string& label, QWidget* field,
                      std::string& bytes);

// text as Windows-1252 for telling whether a field was changed: a
// character that Windows-1252 lacks becomes a NUL, which no text filled
// from a questionnaire holds.
std::string ComparableText(const QString& text);

// A number field's text as Windows-1252. One that Windows-1252 cannot hold
// is no number: it comes back as "?", which reads as 0 like any other (an
// empty text would take a default instead).
std::string NumberFieldText(const QLineEdit* field);

}  // namespace quadrivo::editor

#endif
