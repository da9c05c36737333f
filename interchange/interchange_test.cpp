// The importers on sample files of each format and on one snippet per
// mapping, the malformed files they must refuse with a line, and the
// round trip of generated questionnaires through each format.

#include "interchange/interchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "interchange/plaintext.h"
#include "model/test.h"
#include "text/enumerazioni.h"
#include "text/fixtures_test.h"

namespace quadrivo::interchange {

namespace {

// One line that says what a question holds: kind, category, text and the
// fields of its kind. Windows-1252 bytes as they are.
std::string Describe(const CDomanda& q)
{
    std::string out = TQueText(q.GetTypeQue()).CStr();
    if (q.GetTypeQue() == TQue::MultipleAnswer) out += std::string("/") + TSelText(q.GetSelection()).CStr();
    if (q.GetClassQue().Length() > 0) out += std::string(" [") + q.GetClassQue().CStr() + "]";
    if (q.GetImage().Length() > 0) out += std::string(" <") + q.GetImage().CStr() + ">";
    out += std::string(" ") + q.GetTextQue().CStr();
    switch (q.GetTypeQue()) {
        case TQue::MultipleAnswer:
            for (int i = 0; i < q.GetAnswerCount(); ++i) {
                const CRisposta& a = q.GetAnswer(i);
                out += std::string(i == 0 ? " | " : "; ") + a.GetTextAns().CStr() + " " +
                       NumberText(a.GetScore()) + (a.IsCorrect() ? "*" : "");
            }
            break;
        case TQue::SingleText:
            out += std::string(" | ") + q.GetTextOk().CStr();
            break;
        case TQue::SingleNumber:
            out += " | " + NumberText(q.GetNumOk()) + "+-" + NumberText(q.GetPrecision());
            break;
        default:
            return out;
    }
    if (q.GetTypeQue() != TQue::MultipleAnswer)
        out += " ok " + NumberText(q.GetScoreIfOk()) + " near " + NumberText(q.GetScoreIfNear());
    return out;
}

std::vector<std::string> Lines(const std::vector<Warning>& warnings)
{
    std::vector<std::string> lines;
    for (const Warning& w : warnings) lines.push_back(WarningLine(w));
    return lines;
}

class InterchangeTest : public testing::Test, public RecordedReports {
protected:
    Imported ImportFile(const char* name, Format format)
    {
        return Import(ReadFile(std::string(QV_SOURCE_DIR "/interchange/testdata/") + name), format, &errors);
    }
};

struct SampleCase {
    const char* file;
    Format format;
    std::vector<std::string> questions;
    std::vector<std::string> warnings;
};

TEST_F(InterchangeTest, SampleFilesImportWithEveryKindMapped)
{
    const SampleCase cases[] = {
        {"geografia.gift",
         Format::Gift,
         {"MultipleAnswer/Single [Fiumi] Qual \xE8 il fiume pi\xF9 lungo d'Italia? | Il Po 1*; Il Tevere 0; "
          "L'Adige 0",
          "MultipleAnswer/Multiple [Fiumi] Quali di questi fiumi sono affluenti del Po? | Il Ticino 0.5*; "
          "L'Adda 0.5*; L'Arno -1",
          "MultipleAnswer/Single [Citt\xE0] Roma \xE8 la capitale d'Italia. | Vero 1*; Falso 0",
          "MultipleAnswer/Single [Citt\xE0] Milano \xE8 in Toscana. | Vero 0; Falso 1*",
          "SingleText [Citt\xE0] La capitale della Francia \xE8 _____ e si trova sulla Senna. | Parigi ok 1 "
          "near 1",
          "SingleNumber [Citt\xE0] Quanti metri \xE8 alto il Monte Bianco (arrotondato)? | 4808+-50 ok 1 "
          "near 1",
          "SingleNumber [Citt\xE0] Quante sono le regioni italiane? | 20+-2 ok 1 near 1",
          "FreeText [Citt\xE0] Descrivi il tuo paese in poche righe.",
          "Information [Citt\xE0] Le domande seguenti riguardano i laghi: leggi con attenzione.",
          "MultipleAnswer/Single [Citt\xE0] Quale simbolo apre un insieme? | { 1*; \\[ 0"},
         {"domanda 1: i commenti (feedback) non sono importati, n\xE9 qui n\xE9 nelle domande seguenti",
          "domanda 5: solo la prima risposta esatta \xE8 importata; le altre risposte accettate no",
          "domanda 10: domande di tipo \"matching\" non importate"}},
        {"geografia.aiken",
         Format::Aiken,
         {"MultipleAnswer/Single Qual \xE8 il fiume pi\xF9 lungo d'Italia? | Il Po 1*; Il Tevere 0; L'Adige "
          "0",
          "MultipleAnswer/Single Quale di queste citt\xE0 \xE8 in Sicilia? | Palermo 1*; Bari 0; Cagliari 0; "
          "Genova 0",
          "MultipleAnswer/Single Quale lago \xE8 il pi\xF9 grande d'Italia? | Lago di Como 0; Lago di Garda "
          "1*"},
         {}},
        {"geografia.xml",
         Format::MoodleXml,
         {"MultipleAnswer/Single [Laghi] <garda.png> Qual \xE8 il lago pi\xF9 grande d'Italia? | Il Garda "
          "2*; "
          "Il Maggiore 0; Il Trasimeno -1",
          "MultipleAnswer/Multiple [Laghi] Quali sono laghi vulcanici? | Bolsena 0.5*; Bracciano 0.5*; Como "
          "-1",
          "MultipleAnswer/Single [Laghi] Il Trasimeno \xE8 in Umbria. | Vero 1*; Falso 0",
          "SingleText [Misure] Qual \xE8 l'emissario del lago di Como? | Adda ok 3 near 3",
          "SingleNumber [Misure] Quanto \xE8 profondo il lago di Como, in metri? | 425+-5 ok 2 near 2",
          "FreeText [Misure] Racconta una gita al lago.",
          "Information [Misure] Le domande che seguono riguardano i monti >= 4000 m."},
         {"domanda 1: i commenti (feedback) non sono importati, n\xE9 qui n\xE9 nelle domande seguenti",
          "domanda 1: solo la prima immagine \xE8 importata",
          "domanda 4: solo la prima risposta esatta \xE8 importata; le altre risposte accettate no",
          "domanda 5: solo il valore esatto \xE8 importato; gli altri valori accettati no",
          "domanda 7: 1 caratteri che i file dei questionari non contengono sono stati sostituiti (con un "
          "equivalente o \"?\")",
          "domanda 8: domande di tipo \"matching\" non importate",
          "domanda 9: domande di tipo \"calculated\" non importate"}},
    };
    for (const SampleCase& c : cases) {
        SCOPED_TRACE(c.file);
        if (!FormatAvailable(c.format)) continue;
        const Imported imported = ImportFile(c.file, c.format);
        EXPECT_EQ(imported.error, 0) << imported.message;
        std::vector<std::string> questions;
        for (const CDomanda& q : imported.questions) questions.push_back(Describe(q));
        EXPECT_EQ(questions, c.questions);
        EXPECT_EQ(Lines(imported.warnings), c.warnings);
        EXPECT_EQ(GuessFormat(ReadFile(std::string(QV_SOURCE_DIR "/interchange/testdata/") + c.file)),
                  c.format);
    }
}

struct SnippetCase {
    const char* name;
    Format format;
    std::string input;
    const char* question;  // Describe of the one question, or "" for none
    const char* warning;   // the one warning, or ""
};

TEST_F(InterchangeTest, TextsAreDecodedNarrowedOrRefused)
{
    const SnippetCase cases[] = {
        {"utf8 with a mark", Format::Aiken,
         "\xEF\xBB\xBF"
         "Citt\xC3\xA0?\nA. s\xC3\xAC\nANSWER: A\n",
         "MultipleAnswer/Single Citt\xE0? | s\xEC 1*", ""},
        {"windows-1252", Format::Aiken, "Citt\xE0?\nA. s\xEC\x93\nANSWER: A\n",
         "MultipleAnswer/Single Citt\xE0? | s\xEC\x93 1*", ""},
        {"crlf line ends", Format::Gift, "Prima\r\nseconda{}\r\n", "FreeText Prima\nseconda", ""},
        {"closest equivalents", Format::Gift,
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA \xE2\x88\x92"
         "5 \xE2\x89\xA4 x{}",
         "FreeText L\xF3"
         "dz -5 <= x",
         "domanda 1: 4 caratteri che i file dei questionari non contengono sono stati "
         "sostituiti (con un equivalente o \"?\")"},
        {"no equivalent", Format::Gift, "\xCE\xB1 e \xF0\x9F\x98\x80{}", "FreeText ? e ?",
         "domanda 1: 2 caratteri che i file dei questionari non contengono sono stati sostituiti (con un "
         "equivalente o \"?\")"},
        {"html entities and tags", Format::Gift, "[html]<p>A &amp; B</p><p>x&lt;y&#233;&unknown;</p>{}",
         "FreeText A & B\nx<y\xE9&unknown;", ""},
        {"markdown", Format::Gift, "[markdown]## Il **Po** e il `Ticino` [qui](http://x)\\*{}",
         "FreeText Il Po e il Ticino qui*", ""},
        {"gift escapes", Format::Gift, "a\\=b\\~c\\#d\\{e\\}f\\:g\\\\h\\ni{}", "FreeText a=b~c#d{e}f:g\\h\ni",
         ""},
        {"gap at the start, trimmed as files are", Format::Gift, "{=a} resto ",
         "SingleText _____ resto | a ok 1 near 1", ""},
        {"two gaps", Format::Gift, "Il {=Po} nasce dal {=Monviso}", "",
         "domanda 1: domande di tipo \"pi\xF9 spazi di risposta\" non importate"},
        {"title when no text", Format::Gift, "::Solo titolo::{}", "FreeText Solo titolo", ""},
        {"closing tag refused", Format::Gift, "[plain]Cosa fa </TextQue> qui?{}", "",
         "domanda 1: un testo contiene \"</TextQue>\", che i file dei questionari non possono contenere: "
         "domanda "
         "non importata"},
        {"quote in TextOk refused", Format::Gift, "Scrivi {=\"ciao\"}", "",
         "domanda 1: un testo contiene \"\"\", che i file dei questionari non possono contenere: domanda non "
         "importata"},
        {"comment start refused", Format::Aiken, "Cosa?\nA. <!-- x\nANSWER: A\n", "",
         "domanda 1: un testo contiene \"<!\", che i file dei questionari non possono contenere: domanda non "
         "importata"},
        {"an arrow in a choice is no matching", Format::Gift, "Q{=a -> b ~c}",
         "MultipleAnswer/Single Q | a -> b 1*; c 0", ""},
        {"weighted right answer", Format::Gift, "Q{=%50%a ~%25%b ~c}",
         "MultipleAnswer/Single Q | a 0.5*; b 0.25; c 0", ""},
        {"numbers with several answers", Format::Gift, "N{#=3:0.5 =%50%3:2}",
         "SingleNumber N | 3+-0.5 ok 1 near 1",
         "domanda 1: solo il valore esatto \xE8 importato; gli altri valori accettati no"},
        {"decimal comma", Format::Gift, "N{#2,5:0,1}", "SingleNumber N | 2.5+-0.1 ok 1 near 1", ""},
        {"21 answers", Format::Aiken,
         [] {
             std::string s = "Q\n";
             for (char c = 'A'; c <= 'U'; ++c) s += std::string(1, c) + ". r\n";
             return s + "ANSWER: A\n";
         }(),
         "MultipleAnswer/Single Q | r 1*; r 0; r 0; r 0; r 0; r 0; r 0; r 0; r 0; r 0; r 0; r 0; r 0; r 0; r "
         "0; r "
         "0; r 0; r 0; r 0; r 0",
         "domanda 1: pi\xF9 di 20 risposte: le risposte dopo la ventesima non sono importate"},
        {"empty aiken answer", Format::Aiken, "Q\nA.\nB) b\nANSWER: B\n",
         "MultipleAnswer/Single Q |  0; b 1*", ""},
        {"xml defaultgrade and random", Format::MoodleXml,
         "<quiz><question type=\"multichoice\"><questiontext><text>Q</text></questiontext><defaultgrade>4"
         "</defaultgrade><single>1</single><answer fraction=\"100\"><text>a</text></answer><answer "
         "fraction=\"-25\">"
         "<text>b</text></answer></question></quiz>",
         "MultipleAnswer/Single Q | a 4*; b -1", ""},
    };
    for (const SnippetCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (!FormatAvailable(c.format)) continue;
        const Imported imported = Import(c.input, c.format, &errors);
        std::vector<std::string> questions;
        for (const CDomanda& q : imported.questions) questions.push_back(Describe(q));
        EXPECT_EQ(questions, *c.question ? std::vector<std::string>{c.question} : std::vector<std::string>{});
        EXPECT_EQ(Lines(imported.warnings),
                  *c.warning ? std::vector<std::string>{c.warning} : std::vector<std::string>{});
    }
}

struct MalformedCase {
    Format format;
    const char* input;
    int error;
    const char* message;
};

TEST_F(InterchangeTest, MalformedFilesAreRefusedNamingTheLine)
{
    const MalformedCase cases[] = {
        {Format::Gift, "// intestazione\n\nQual \xE8?\n{=a\n~b\n", kMalformedFile,
         "riga 4: manca la parentesi graffa di chiusura"},
        {Format::Gift, "::titolo senza fine\nQ{}", kMalformedFile,
         "riga 1: manca la chiusura \"::\" del titolo"},
        {Format::Gift, "\n\nQ{a b c}", kMalformedFile,
         "riga 3: le risposte non sono scritte come GIFT le vuole"},
        {Format::Gift, "Q{#tre}", kMalformedFile, "riga 1: le risposte non sono scritte come GIFT le vuole"},
        {Format::Gift, "Q{#}", kMalformedFile, "riga 1: le risposte non sono scritte come GIFT le vuole"},
        {Format::Gift, "Q{~%x%a =b}", kMalformedFile,
         "riga 1: le risposte non sono scritte come GIFT le vuole"},
        {Format::Gift, "Q{=a {~b}", kMalformedFile, "riga 1: parentesi graffa aperta dentro le risposte"},
        {Format::Gift, "// solo commenti\n\n", kNothingImported, "il file non contiene domande"},
        {Format::Aiken, "Q\nA. a\nB. b\n", kMalformedFile, "riga 1: la domanda non ha la riga ANSWER"},
        {Format::Aiken, "Q\nA. a\nANSWER: C\n", kMalformedFile,
         "riga 3: la risposta indicata dalla riga ANSWER non c'\xE8"},
        {Format::Aiken, "A. a\nANSWER: A\n", kMalformedFile, "riga 1: una risposta senza la domanda"},
        {Format::Aiken, "Q\nA. a\naltro\nANSWER: A\n", kMalformedFile,
         "riga 3: attesa una risposta o la riga ANSWER"},
        {Format::Aiken, "Q\nANSWER: A\n", kMalformedFile,
         "riga 2: la riga ANSWER viene prima delle risposte"},
        {Format::MoodleXml, "<?xml version=\"1.0\"?>\n<quiz>\n<question type=\"essay\">\n</quiz>",
         kMalformedFile, "riga 4: XML non valido (Start-end tags mismatch)"},
        {Format::MoodleXml, "<root/>", kMalformedFile, "riga 1: manca l'elemento <quiz>"},
        {Format::MoodleXml, "<quiz><question type=\"matching\"/></quiz>", kNothingImported,
         "nessuna domanda del file pu\xF2 essere importata"},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.input);
        if (!FormatAvailable(c.format)) continue;
        const Imported imported = Import(c.input, c.format, &errors);
        EXPECT_TRUE(imported.questions.empty());
        EXPECT_EQ(imported.error, c.error);
        EXPECT_EQ(imported.message, c.message);
    }
}

TEST_F(InterchangeTest, MalformedQuestionIsSkippedAndTheOthersKept)
{
    const Imported imported = Import("Buona{}\n\nCattiva{=a\n\nAltra{}", Format::Gift, &errors);
    EXPECT_EQ(imported.error, 0);
    EXPECT_EQ(imported.questions.size(), 2u);
    EXPECT_EQ(Lines(imported.warnings),
              std::vector<std::string>{
                  "domanda 2: riga 3: manca la parentesi graffa di chiusura: domanda non importata"});
}

TEST(InterchangeFormatTest, FormatsFollowTheContentAndTheName)
{
    const struct {
        const char* content;
        Format guessed;
        const char* fileName;
        Format named;
    } cases[] = {
        {"\xEF\xBB\xBF  <?xml version=\"1.0\"?><quiz/>", Format::MoodleXml, "banca.XML", Format::MoodleXml},
        {"Domanda?\nA. a\nANSWER: A\n", Format::Aiken, "banca.txt", Format::Aiken},
        {"Domanda?\nA. a\nANSWER: A\n{}", Format::Gift, "banca.aiken", Format::Aiken},
        {"Nota: ANSWER: dentro la riga{}", Format::Gift, "banca.gift", Format::Gift},
        {"::t::Q{=a ~b}", Format::Gift, "cartella.xml/banca", Format::Gift},
        {"", Format::Gift, "banca", Format::Gift},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        EXPECT_EQ(GuessFormat(c.content), c.guessed);
        EXPECT_EQ(FormatOfFileName(c.fileName), c.named);
    }
    for (Format f : {Format::Gift, Format::MoodleXml, Format::Aiken}) {
        Format back = Format::Gift;
        EXPECT_TRUE(FormatFromName(FormatName(f), &back));
        EXPECT_EQ(back, f);
    }
    Format unchanged = Format::Aiken;
    EXPECT_FALSE(FormatFromName("csv", &unchanged));
    EXPECT_EQ(unchanged, Format::Aiken);
}

TEST(InterchangeNumberTest, NumbersReadWithoutLocaleAndWriteBackExactly)
{
    const struct {
        const char* text;
        bool read;
        double value;
    } cases[] = {
        {"3", true, 3},        {" -2.5 ", true, -2.5}, {"+4", true, 4},   {"2,5", true, 2.5},
        {"1,000.5", false, 0}, {"1e3", true, 1000},    {"tre", false, 0}, {"", false, 0},
        {"inf", false, 0},     {"nan", false, 0},      {"3x", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 0;
        EXPECT_EQ(ReadNumber(c.text, &value), c.read);
        if (c.read) {
            EXPECT_EQ(value, c.value);
        }
    }
    for (double x : {0.1, -9996.84719000245, 1e-300, 123456789.125}) {
        double back = 0;
        ASSERT_TRUE(ReadNumber(NumberText(x), &back));
        EXPECT_EQ(back, x);
    }
}

// --- Round trip -----------------------------------------------------------

// Words with the characters each format must escape or encode.
const char* const kWords[] = {"Roma",
                              "citt\xE0",
                              "perch\xE9",
                              "a=b",
                              "{x}",
                              "50%",
                              "#1",
                              "uno:due",
                              "~",
                              "\\",
                              "&amp;",
                              "<b>",
                              "l'Adige",
                              "\x93"
                              "ciao\x94",
                              "\x80",
                              "Po",
                              "7",
                              "_"};

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    CStringa Words(int most, bool lines)
    {
        std::string text;
        const int count = 1 + Below(most);
        for (int i = 0; i < count; ++i) {
            if (i > 0) text += lines && Below(5) == 0 ? "\n" : " ";
            text += kWords[Below(static_cast<int>(std::size(kWords)))];
        }
        return CStringa(text.c_str());
    }

    // A score with few decimals, as teachers give them.
    float Score(float low, float high)
    {
        return std::round(std::uniform_real_distribution<float>(low, high)(random_) * 4) / 4 + 0.0f;
    }

    // A question of the kinds the format holds; Aiken only single choice
    // with one right answer.
    CDomanda Question(CErrore* errors, Format format)
    {
        CDomanda q(errors);
        const TQue kinds[] = {TQue::MultipleAnswer, TQue::MultipleAnswer, TQue::SingleText,
                              TQue::SingleNumber,   TQue::FreeText,       TQue::Information};
        q.SetTypeQue(format == Format::Aiken ? TQue::MultipleAnswer : kinds[Below(6)]);
        q.SetTextQue(Words(8, format != Format::Aiken));
        if (format != Format::Aiken && Below(2)) q.SetClassQue(Words(2, false));
        const bool multiple = format != Format::Aiken && Below(2);
        q.SetSelection(multiple ? TSel::Multiple : TSel::Single);
        if (q.GetTypeQue() == TQue::MultipleAnswer) {
            const int count = 2 + Below(MAX_ANSWERS - 1);
            const int right = Below(count);
            for (int i = 0; i < count; ++i) {
                CRisposta a(errors);
                a.SetTextAns(Words(4, false));
                // Several right answers earn points, the others do not; one
                // right answer earns the most.
                const bool correct = multiple ? Below(2) == 0 : i == right;
                a.SetCorrect(correct);
                a.SetScore(correct ? Score(0.25f, 5) : multiple ? Score(-3, 0) : Score(-3, 0.2f));
                q.AddAnswer(a);
            }
            if (format == Format::MoodleXml) q.SetRandom(Below(2));
        }
        if (q.GetTypeQue() == TQue::SingleText) q.SetTextOk(Words(2, false));
        if (q.GetTypeQue() == TQue::SingleNumber) {
            q.SetNumOk(std::uniform_real_distribution<double>(-1e4, 1e4)(random_));
            q.SetPrecision(Below(3) == 0 ? 0 : std::uniform_real_distribution<double>(0, 10)(random_));
        }
        if (format == Format::MoodleXml &&
            (q.GetTypeQue() == TQue::SingleText || q.GetTypeQue() == TQue::SingleNumber))
            q.SetScoreIfOk(Score(0.25f, 10));
        return q;
    }

private:
    std::mt19937 random_;
};

// The fields the format carries, as one line: equal lines mean the
// question came back.
std::string Carried(const CDomanda& q, Format format)
{
    std::string out = TQueText(q.GetTypeQue()).CStr();
    std::string text = q.GetTextQue().CStr();
    if (format == Format::Aiken) std::replace(text.begin(), text.end(), '\n', ' ');
    out += " " + text;
    if (format != Format::Aiken) out += std::string(" [") + q.GetClassQue().CStr() + "]";
    switch (q.GetTypeQue()) {
        case TQue::MultipleAnswer:
            if (format != Format::Aiken) out += std::string(" ") + TSelText(q.GetSelection()).CStr();
            for (int i = 0; i < q.GetAnswerCount(); ++i) {
                const CRisposta& a = q.GetAnswer(i);
                out += std::string(" | ") + a.GetTextAns().CStr() + (a.IsCorrect() ? "*" : "");
                if (format != Format::Aiken) out += " " + NumberText(a.GetScore());
            }
            if (format == Format::MoodleXml) out += q.GetRandom() ? " random" : "";
            break;
        case TQue::SingleText:
            out += std::string(" | ") + q.GetTextOk().CStr();
            break;
        case TQue::SingleNumber:
            out += " | " + NumberText(q.GetNumOk()) + "+-" + NumberText(q.GetPrecision());
            break;
        default:
            break;
    }
    if (format == Format::MoodleXml &&
        (q.GetTypeQue() == TQue::SingleText || q.GetTypeQue() == TQue::SingleNumber))
        out += " ok " + NumberText(q.GetScoreIfOk());
    if (format == Format::MoodleXml) out += std::string(" <") + q.GetImage().CStr() + ">";
    return out;
}

TEST_F(InterchangeTest, ExportThenImportGivesBackWhatTheFormatCarries)
{
    TempFolder folder("interchange");
    for (Format format : {Format::Gift, Format::MoodleXml, Format::Aiken}) {
        if (!FormatAvailable(format)) continue;
        for (unsigned seed = 1; seed <= 40; ++seed) {
            SCOPED_TRACE(std::string(FormatName(format)) + " seed " + std::to_string(seed));
            Generator generate(seed);
            CTest test(&errors);
            const int count = 1 + generate.Below(12);
            for (int n = 0; n < count; ++n) test.AppendQuestion(generate.Question(&errors, format));
            if (format == Format::MoodleXml) {
                // An image of its own for the first question, bytes of every value.
                std::string bytes;
                for (int b = 0; b < 256 + static_cast<int>(seed); ++b) bytes += static_cast<char>(b * seed);
                const std::string name = "img" + std::to_string(seed) + ".png";
                ASSERT_TRUE(WriteFile(folder.Path() + "/" + name, bytes));
                test.GetQuestion(0)->SetImage(CStringa(name.c_str()));
            }
            const Exported exported = Export(test, format, folder.Path());
            ASSERT_EQ(exported.error, 0);
            EXPECT_TRUE(exported.warnings.empty());
            Imported imported = Import(exported.bytes, format, &errors);
            ASSERT_EQ(imported.error, 0) << imported.message << "\n" << exported.bytes;
            EXPECT_TRUE(imported.warnings.empty()) << WarningLine(imported.warnings[0]);
            ASSERT_EQ(static_cast<int>(imported.questions.size()), count);
            for (int n = 0; n < count; ++n)
                EXPECT_EQ(Carried(imported.questions[n], format), Carried(*test.GetQuestion(n), format))
                    << exported.bytes;
            if (format == Format::MoodleXml) {
                ASSERT_EQ(imported.images.size(), 1u);
                EXPECT_EQ(imported.images[0].bytes,
                          ReadFile(folder.Path() + "/img" + std::to_string(seed) + ".png"));
            }
        }
    }
}

TEST_F(InterchangeTest, ExportLeavesOutWhatTheFormatCannotHold)
{
    CTest test(&errors);
    CDomanda sort(&errors);
    sort.SetTypeQue(TQue::SortItem);
    CDomanda open(&errors);
    open.SetTypeQue(TQue::SingleText);
    open.SetTextOk("Torino -> Piemonte");
    // Its text would read back as an answer line.
    CDomanda looksLikeAnswer(&errors);
    looksLikeAnswer.SetTextQue("B) Roma?");
    CRisposta right(&errors);
    right.SetCorrect(1);
    looksLikeAnswer.AddAnswer(right);
    test.AppendQuestion(sort);
    test.AppendQuestion(open);
    test.AppendQuestion(looksLikeAnswer);
    const struct {
        Format format;
        std::vector<std::string> warnings;
    } cases[] = {
        {Format::Gift,
         {"domanda 1: GIFT non ha domande di questo tipo: domanda non esportata",
          "domanda 2: la risposta contiene \"->\", che GIFT legge come un abbinamento: domanda non "
          "esportata"}},
        {Format::MoodleXml, {"domanda 1: Moodle XML non ha domande di questo tipo: domanda non esportata"}},
        {Format::Aiken,
         {"domanda 1: Aiken tiene solo domande a scelta con una sola risposta esatta: domanda non esportata",
          "domanda 2: Aiken tiene solo domande a scelta con una sola risposta esatta: domanda non "
          "esportata",
          "domanda 3: il testo si leggerebbe come una risposta o come la riga ANSWER: domanda non "
          "esportata"}},
    };
    for (const auto& c : cases) {
        if (!FormatAvailable(c.format)) continue;
        const Exported exported = Export(test, c.format, ".");
        EXPECT_EQ(Lines(exported.warnings), c.warnings);
        EXPECT_EQ(exported.error, c.format == Format::Aiken ? kNothingExported : 0);
    }
}

TEST_F(InterchangeTest, ImagesAreWrittenBesideWithoutReplacingOthers)
{
    TempFolder folder("immagini");
    ASSERT_TRUE(WriteFile(folder.Path() + "/foto.png", "altra"));
    ASSERT_TRUE(WriteFile(folder.Path() + "/uguale.png", "uguale"));
    Imported imported;
    for (const char* name : {"foto.png", "uguale.png"}) {
        CDomanda q(&errors);
        q.SetImage(CStringa(name));
        imported.questions.push_back(q);
        imported.images.push_back({name, name == std::string("foto.png") ? "nuova" : "uguale"});
    }
    ASSERT_TRUE(SaveImages(imported, folder.Path()));
    EXPECT_EQ(ReadFile(folder.Path() + "/foto.png"), "altra");
    EXPECT_EQ(ReadFile(folder.Path() + "/foto-2.png"), "nuova");
    EXPECT_EQ(imported.questions[0].GetImage(), "foto-2.png");
    EXPECT_EQ(imported.questions[1].GetImage(), "uguale.png");
}

TEST_F(InterchangeTest, AppendingStopsAtTheLimitOfQuestions)
{
    CTest test(&errors);
    for (int n = 0; n < MAX_QUESTIONS - 1; ++n) test.AddQuestion();
    Imported imported = Import("a{}\n\nb{}\n\nc{}", Format::Gift, &errors);
    EXPECT_EQ(AppendQuestions(test, imported), 1);
    EXPECT_EQ(test.QuestionCount(), MAX_QUESTIONS);
    EXPECT_EQ(Lines(imported.warnings),
              std::vector<std::string>{
                  "domanda 2: il test ha gi\xE0 800 domande: questa e le seguenti non sono aggiunte"});
}

}  // namespace

}  // namespace quadrivo::interchange
