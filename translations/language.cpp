#include "translations/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <array>

#include "text/codifica.h"
#include "text/errore.h"
#include "text/limiti.h"

namespace quadrivo::language {

namespace {

struct Wording {
    int code;
    const char* pattern;  // %1 and %2 the reported texts, %3 the limit
};

// The library's messages as patterns: untranslated they give back, byte for
// byte, what mkErrore::Message builds.
constexpr std::array kWordings = {
    Wording{kFileMissing, QT_TRANSLATE_NOOP("FileError", "Il file \"%1\" non esiste")},
    Wording{kCannotRead, QT_TRANSLATE_NOOP("FileError", "Problemi nella lettura del file \"%1\"")},
    Wording{kSectionTooLong, QT_TRANSLATE_NOOP("FileError", "Il file \"%1\" e' > di %3 byte")},
    Wording{kNoMemoryForTest, QT_TRANSLATE_NOOP("FileError", "Poca memoria, non posso allocare il test")},
    Wording{kMissingOpeningTag, QT_TRANSLATE_NOOP("FileError", "Tag <%1> errato")},
    Wording{kMissingClosingTag, QT_TRANSLATE_NOOP("FileError", "Tag </%1> errato")},
    Wording{kMissingTag, QT_TRANSLATE_NOOP("FileError", "Tag %1 errato")},
    Wording{kErrorLines, QT_TRANSLATE_NOOP("FileError", "Errore nelle linee %1 ... %2")},
    Wording{kUnknownTestParameter,
            QT_TRANSLATE_NOOP("FileError", "Nel tag <partest> parametro *%1* non riconosciuto")},
    Wording{kUnknownQuestionParameter,
            QT_TRANSLATE_NOOP("FileError", "Domanda %1 : nel tag <parque> parametro *%2* non riconosciuto")},
    Wording{kNoMemoryForQuestion, QT_TRANSLATE_NOOP("FileError", "Non riesco ad allocare la domanda%1")},
    Wording{kUnknownAnswerParameter,
            QT_TRANSLATE_NOOP("FileError", "Risposta %1 : nel tag <parans> parametro *%2* non riconosciuto")},
    Wording{kFileExists, QT_TRANSLATE_NOOP("FileError", "Il file \"%1\" esiste gia'")},
    Wording{kCannotCreate, QT_TRANSLATE_NOOP("FileError", "Non riesco a creare il file \"%1\"")},
    Wording{kNoMemoryForStudentAnswer,
            QT_TRANSLATE_NOOP("FileError", "Non ho memoria per allocare una risposta dello studente")},
    Wording{kFieldNotWritable,
            QT_TRANSLATE_NOOP("FileError", "Non posso scrivere *%1* nell'oggetto CStudRispo")},
    Wording{kNoMemoryForStudent,
            QT_TRANSLATE_NOOP("FileError", "Non posso allocare le risposte dello studente %1")},
    Wording{kWrongStudentCount,
            QT_TRANSLATE_NOOP("FileError", "Numero studenti errato durante il salvataggio")},
    Wording{kOtherTestsRecord, QT_TRANSLATE_NOOP("FileError", "Studente %1 con nome test \"%2\" errato")},
    Wording{kUnknownStudentParameter,
            QT_TRANSLATE_NOOP("FileError", "Studente %1 : nel tag <stpar> parametro *%2* non riconosciuto")},
    Wording{kUnknownAnsParameter,
            QT_TRANSLATE_NOOP("FileError", "Studente %1 : nel tag <Ans> parametro *%2* non riconosciuto")},
    Wording{
        kMayBeIncomplete,
        QT_TRANSLATE_NOOP("FileError", "Il file \"%1\" non termina con </Test>: potrebbe essere incompleto")},
    Wording{kSectionTooLongToSave,
            QT_TRANSLATE_NOOP("FileError", "Non posso salvare il file \"%1\": %2 supera %3 byte")},
    Wording{kTextNotStorable,
            QT_TRANSLATE_NOOP("FileError", "Il campo %1 contiene *%2*, che il file non puo' contenere")},
    Wording{kTooManyStudents,
            QT_TRANSLATE_NOOP("FileError", "Il file \"%1\" ha piu' di %3 studenti: %2 non letti")},
};

int LimitOf(int code)
{
    return code == kTooManyStudents ? MAX_STUDENTS : MAX_SECTION_TEXT;
}

std::string TranslateForCore(const char* context, const char* utf8Source)
{
    return QCoreApplication::translate(context, utf8Source).toUtf8().toStdString();
}

CStringa WordForLibrary(int code, const CStringa& text1, const CStringa& text2)
{
    const auto text = [](const CStringa& s) {
        return s.IsOk() ? std::string(s.CStr(), s.Length()) : std::string();
    };
    return CStringa(LibraryMessage(code, text(text1), text(text2)).c_str());
}

}  // namespace

Language ChosenLanguage(const QString& setting, const QLocale& system)
{
    if (setting == QLatin1String("it")) return Language::Italian;
    if (setting == QLatin1String("en")) return Language::English;
    return system.language() == QLocale::English ? Language::English : Language::Italian;
}

QString LanguageSetting()
{
    const QByteArray forced = qgetenv("QUADRIVO_LINGUA");
    if (!forced.isEmpty()) return QString::fromUtf8(forced);
        // The editor's own settings store.
#ifdef Q_OS_WIN
    const QSettings settings(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Pellastro"),
                             QSettings::NativeFormat);
#else
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Pellastro"),
                             QString());
#endif
    return settings.value(QStringLiteral("lingua")).toString().trimmed().toLower();
}

bool InstallLanguage(Language language, QTranslator& translator)
{
    if (language == Language::Italian) {
        // Our texts are Italian already; Qt's own dialogs are made to match.
        if (!translator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return false;
        QCoreApplication::installTranslator(&translator);
        return true;
    }
    if (!translator.load(QStringLiteral(":/i18n/quadrivo_en.qm"))) return false;
    QCoreApplication::installTranslator(&translator);
    SetTextTranslator(&TranslateForCore);
    SetMessageWording(&WordForLibrary);
    return true;
}

std::string CoreText(const QString& text)
{
    return Windows1252FromUtf8(text.toUtf8().toStdString());
}

std::string LibraryMessage(int code, const std::string& text1, const std::string& text2)
{
    for (const Wording& wording : kWordings) {
        if (wording.code != code) continue;
        const std::string pattern =
            QCoreApplication::translate("FileError", wording.pattern).toUtf8().toStdString();
        const std::string limit = std::to_string(LimitOf(code));
        return Windows1252FromUtf8(
            FilledIn(pattern, {Utf8FromWindows1252(text1), Utf8FromWindows1252(text2), limit}));
    }
    return {};
}

}  // namespace quadrivo::language
