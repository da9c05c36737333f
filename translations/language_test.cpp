#include "translations/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <string>
#include <vector>

#include "text/errore.h"

namespace quadrivo::language {
namespace {

QCoreApplication& Application()
{
    static int argc = 1;
    static char name[] = "language_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

class Recorder : public ErrorPresenter {
public:
    void Present(int, const CStringa& message) override { messages.emplace_back(message.CStr()); }
    std::vector<std::string> messages;
};

struct Row {
    const char* context;
    const char* source;   // UTF-8, as the code writes it
    const char* italian;  // what the program shows without a translation
    const char* english;
    bool core;  // a core's text, given in Windows-1252; otherwise a Qt layer's
};

// A sample over the layers, with the texts that share a source but not a
// meaning, the ones with accents and the ones with line breaks.
const Row kRows[] = {
    {"Menu", "&Propriet\u00e0...", "&Propriet\xe0...", "&Properties...", true},
    {"Menu", "&Annulla", "&Annulla", "&Undo", true},
    {"Menu", "Sposta &gi\u00f9", "Sposta &gi\xf9", "Move do&wn", true},
    {"Frame", "Procedendo verranno perse le modifiche.\r\nVuoi veramente continuare?",
     "Procedendo verranno perse le modifiche.\r\nVuoi veramente continuare?",
     "Going on will lose the changes.\r\nDo you really want to continue?", true},
    {"Summary", "Tempo massimo: %1 minuti", "Tempo massimo: %1 minuti", "Time limit: %1 minutes", true},
    {"NumberField", "Il campo \"%1\" deve contenere un numero intero compreso tra %2 e %3.",
     "Il campo \"%1\" deve contenere un numero intero compreso tra %2 e %3.",
     "The field \"%1\" must hold a whole number between %2 and %3.", true},
    {"CommandLine", "manca il file del test", "manca il file del test", "the test file is missing", true},
    {"DialogButtons", "&Annulla", "&Annulla", "&Cancel", false},
    {"QtPlatform", "Informazione", "Informazione", "Information", false},
    {"quadrivo::editor::PropertyDialog", "Propriet\u00e0 questionario", "Propriet\u00e0 questionario",
     "Questionnaire properties", false},
    {"quadrivo::editor::QuestionListView", "S\u00ec", "S\u00ec", "Yes", false},
    {"quadrivo::runner::RunnerWindow", "Il tempo a disposizione \u00e8 finito.",
     "Il tempo a disposizione \u00e8 finito.", "The time available is over.", false},
};

std::string Shown(const Row& row)
{
    if (row.core) return TranslatedText(row.context, row.source);
    return QCoreApplication::translate(row.context, row.source).toStdString();
}

TEST(LanguageTest, WithoutATranslationEveryTextIsTheItalianSource)
{
    Application();
    for (const Row& row : kRows) EXPECT_EQ(Shown(row), row.italian) << row.source;
    // The library's messages by pattern give what the library builds.
    const CStringa file("prova\xe8.tst");
    const CStringa value("42");
    for (int code = 1; code <= 28; ++code) {
        const std::string worded = LibraryMessage(code, file.CStr(), value.CStr());
        if (!worded.empty()) {
            EXPECT_EQ(worded, mkErrore::Message(code, file, value).CStr()) << code;
        }
    }
}

TEST(LanguageTest, EnglishReachesQtLayersCoresAndLibraryMessages)
{
    Application();
    QTranslator translator;
    ASSERT_TRUE(InstallLanguage(Language::English, translator));
    for (const Row& row : kRows) EXPECT_EQ(Shown(row), row.english) << row.source;

    Recorder recorder;
    mkErrore errors(recorder);
    Report(&errors, kCannotCreate, CStringa("risultati.stu"));
    Report(&errors, kUnknownQuestionParameter, 3, CStringa("Colore"));
    Report(&errors, kTooManyStudents, CStringa("classe.tst"), CStringa("12"));
    Report(&errors, 99);  // no wording: the library's own text
    EXPECT_EQ(recorder.messages,
              (std::vector<std::string>{"I cannot create the file \"risultati.stu\"",
                                        "Question 3 : in tag <parque> parameter *Colore* not recognised",
                                        "The file \"classe.tst\" has more than 10000 students: 12 not read",
                                        "Errore ???"}));

    QCoreApplication::removeTranslator(&translator);
    SetTextTranslator(nullptr);
    SetMessageWording(nullptr);
}

TEST(LanguageTest, TheSettingWinsOverTheSystemLanguage)
{
    struct Case {
        const char* setting;
        QLocale system;
        Language chosen;
    };
    const Case cases[] = {
        {"", QLocale(QLocale::English, QLocale::UnitedKingdom), Language::English},
        {"", QLocale(QLocale::English, QLocale::UnitedStates), Language::English},
        {"", QLocale(QLocale::Italian, QLocale::Italy), Language::Italian},
        {"", QLocale(QLocale::German, QLocale::Germany), Language::Italian},
        {"it", QLocale(QLocale::English, QLocale::UnitedKingdom), Language::Italian},
        {"en", QLocale(QLocale::Italian, QLocale::Italy), Language::English},
        {"fr", QLocale(QLocale::English, QLocale::UnitedKingdom), Language::English},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChosenLanguage(QString::fromLatin1(c.setting), c.system), c.chosen)
            << c.setting << " " << c.system.name().toStdString();
}

}  // namespace
}  // namespace quadrivo::language
