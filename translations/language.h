#ifndef QUADRIVO_TRANSLATIONS_LANGUAGE_H
#define QUADRIVO_TRANSLATIONS_LANGUAGE_H

#include <QLocale>
#include <QString>
#include <string>

class QTranslator;

namespace quadrivo::language {

// The editor and the runner speak Italian, their texts' own language, or
// English.
enum class Language { Italian, English };

// setting is the "lingua" setting: "it", "en", or empty for the system's
// choice, which is English when the user interface's language is English
// and Italian otherwise. Any other value counts as empty.
Language ChosenLanguage(const QString& setting, const QLocale& system);

// The "lingua" setting the editor and the runner share; QUADRIVO_LINGUA in
// the environment, when set, wins over it.
QString LanguageSetting();

// Makes the program speak language: loads into translator Qt's own Italian
// texts or our English ones and installs it into the application, and makes
// the cores' texts and the library's messages follow. Call once, after the
// QApplication is made; translator must outlive the application. Returns
// false when the translation could not be loaded (the texts stay Italian).
bool InstallLanguage(Language language, QTranslator& translator);

// text in Windows-1252 for the cores, a character it lacks becoming '?'.
std::string CoreText(const QString& text);

// The library's message of code in the installed language, with text1 and
// text2 (Windows-1252) in their places; empty for a code without one.
std::string LibraryMessage(int code, const std::string& text1, const std::string& text2);

}  // namespace quadrivo::language

#endif
