#include "interchange/interchange.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>

#include "interchange/item.h"
#include "interchange/plaintext.h"
#include "model/test.h"
#include "text/limiti.h"
#include "tstfile/filesystem.h"
#include "tstfile/formato.h"

namespace quadrivo::interchange {

namespace {

// The names the platforms give the root of a course's categories.
const char* const kCategoryRoots[] = {"$course$/", "$system$/", "$module$/", "top/", "top"};

const char kVero[] = "Vero";
const char kFalso[] = "Falso";

// A question's texts in Windows-1252, with the count of the characters
// that had to be replaced.
struct Narrowing {
    int replaced = 0;
    CStringa operator()(std::string_view utf8)
    {
        const std::string text = ModelText(utf8, &replaced);
        return CStringa(text.data(), static_cast<unsigned>(text.size()));
    }
    // A section's text as the file gives it back: without blanks at either
    // end.
    CStringa Section(std::string_view utf8)
    {
        CStringa text = (*this)(utf8);
        text.Trim();
        return text;
    }
};

// The first text of the question that the file could not hold, with the
// piece that spoils it; empty when all can be stored.
std::string UnstorableText(const CDomanda& q)
{
    const std::pair<const CStringa*, TextPlace> texts[] = {
        {&q.GetTextQue(), TextPlace::Section},
        {&q.GetClassQue(), TextPlace::Quoted},
        {&q.GetImage(), TextPlace::Quoted},
        {&q.GetTextOk(), TextPlace::Quoted},
    };
    for (const auto& [text, place] : texts) {
        const CStringa piece = UnstorablePiece(*text, place, 0);
        if (piece.Length() > 0) return piece.CStr();
    }
    for (int i = 0; i < q.GetAnswerCount(); ++i) {
        const CStringa piece = UnstorablePiece(q.GetAnswer(i).GetTextAns(), TextPlace::Section, 0);
        if (piece.Length() > 0) return piece.CStr();
    }
    return {};
}

// The answer the file calls fully right, or the best one when none is.
const ItemAnswer* BestAnswer(const std::vector<ItemAnswer>& answers)
{
    const ItemAnswer* best = nullptr;
    for (const ItemAnswer& a : answers)
        if (!best || a.weight > best->weight + 1e-9) best = &a;
    return best;
}

void Warn(Imported& imported, const Item& item, std::string text)
{
    imported.warnings.push_back({item.number, std::move(text)});
}

// An image name that is a bare file name on every system.
std::string SafeFileName(std::string name)
{
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    for (char& c : name)
        if (std::string_view(":*?\"<>|").find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < 0x20)
            c = '_';
    if (name.empty() || name == "." || name == "..") name = "immagine";
    return name;
}

void FillChoice(const Item& item, Narrowing& narrow, CDomanda& q, Imported& imported)
{
    q.SetTypeQue(TQue::MultipleAnswer);
    q.SetSelection(item.multiple ? TSel::Multiple : TSel::Single);
    const std::size_t count = std::min<std::size_t>(item.answers.size(), MAX_ANSWERS);
    if (item.answers.size() > count)
        Warn(imported, item,
             "pi\xF9 di " + std::to_string(MAX_ANSWERS) +
                 " risposte: le risposte dopo la ventesima non sono importate");
    for (std::size_t i = 0; i < count; ++i) {
        const ItemAnswer& a = item.answers[i];
        CRisposta answer(q.GetErrors());
        answer.SetTextAns(narrow.Section(a.text));
        answer.SetScore(static_cast<float>(a.weight * item.mark));
        // One right answer is the fully right one; of several, every answer
        // that earns points.
        answer.SetCorrect(item.multiple ? a.weight > 0 : a.right);
        q.AddAnswer(answer);
    }
    q.SetRandom(item.random ? 1 : 0);
}

void FillOpen(const Item& item, Narrowing& narrow, CDomanda& q, Imported& imported)
{
    const ItemAnswer* best = BestAnswer(item.answers);
    if (item.kind == ItemKind::ShortAnswer) {
        q.SetTypeQue(TQue::SingleText);
        q.SetTextOk(narrow(best ? best->text : std::string()));
        q.SetPrecision(0);
    } else {
        q.SetTypeQue(TQue::SingleNumber);
        double value = 0;
        if (best) ReadNumber(best->text, &value);
        q.SetNumOk(value);
        q.SetPrecision(best ? best->tolerance : 0);
    }
    // Within the tolerance is right: the runner gives the near answer the
    // points of the right one.
    q.SetScoreIfOk(static_cast<float>(item.mark));
    q.SetScoreIfBad(0);
    if (item.answers.size() > 1)
        Warn(imported, item,
             item.kind == ItemKind::ShortAnswer
                 ? "solo la prima risposta esatta \xE8 importata; le altre risposte accettate no"
                 : "solo il valore esatto \xE8 importato; gli altri valori accettati no");
}

}  // namespace

const char* FormatName(Format format)
{
    switch (format) {
        case Format::Gift:
            return "gift";
        case Format::MoodleXml:
            return "moodle";
        case Format::Aiken:
            return "aiken";
    }
    return "";
}

bool FormatFromName(std::string_view name, Format* format)
{
    for (Format f : {Format::Gift, Format::MoodleXml, Format::Aiken}) {
        if (name == FormatName(f)) {
            *format = f;
            return true;
        }
    }
    return false;
}

Format GuessFormat(std::string_view bytes)
{
    const std::string text = DecodeFile(bytes.substr(0, 1 << 16));
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start != std::string::npos && text[start] == '<') return Format::MoodleXml;
    // Aiken ends every question with its ANSWER line; GIFT has none.
    for (std::size_t pos = 0; (pos = text.find("ANSWER:", pos)) != std::string::npos; pos += 7)
        if (pos == 0 || text[pos - 1] == '\n')
            return text.find('{') == std::string::npos ? Format::Aiken : Format::Gift;
    return Format::Gift;
}

Format FormatOfFileName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return Format::Gift;
    std::string ext(name.substr(dot + 1));
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "xml") return Format::MoodleXml;
    if (ext == "txt" || ext == "aiken") return Format::Aiken;
    return Format::Gift;
}

bool FormatAvailable(Format format)
{
    return format != Format::MoodleXml || MoodleXmlAvailable();
}

std::string WarningLine(const Warning& warning)
{
    return "domanda " + std::to_string(warning.number) + ": " + warning.text;
}

const CDomanda& QuestionAt(const CTest& test, int n)
{
    // GetQuestion makes a question only for a test without any.
    return *const_cast<CTest&>(test).GetQuestion(n);
}

std::string CategoryName(std::string_view path)
{
    for (const char* root : kCategoryRoots) {
        const std::string_view prefix(root);
        if (path.substr(0, prefix.size()) == prefix &&
            (prefix.back() == '/' || path.size() == prefix.size() || path[prefix.size()] == '/')) {
            path.remove_prefix(prefix.size());
            if (!path.empty() && path.front() == '/') path.remove_prefix(1);
        }
    }
    while (!path.empty() && (path.back() == ' ' || path.back() == '\r')) path.remove_suffix(1);
    return std::string(path);
}

std::string CategoryPath(std::string_view name)
{
    return name.empty() ? "$course$/top" : "$course$/top/" + std::string(name);
}

void AddItem(const Item& item, CErrore* errors, Imported& imported)
{
    if (!item.malformed.empty()) {
        Warn(imported, item, item.malformed + ": domanda non importata");
        if (imported.message.empty()) imported.message = item.malformed;
        return;
    }
    if (item.kind == ItemKind::Unsupported) {
        int replaced = 0;
        Warn(imported, item,
             "domande di tipo \"" + ModelText(item.unsupported, &replaced) + "\" non importate");
        return;
    }
    Narrowing narrow;
    CDomanda q(errors);
    q.SetTextQue(narrow.Section(item.text.empty() ? item.title : item.text));
    q.SetClassQue(narrow(CategoryName(item.category)));
    switch (item.kind) {
        case ItemKind::Choice:
            FillChoice(item, narrow, q, imported);
            break;
        case ItemKind::TrueFalse: {
            Item choice = item;
            choice.multiple = false;
            choice.answers = {{kVero, item.truth ? 1.0 : 0.0, item.truth},
                              {kFalso, item.truth ? 0.0 : 1.0, !item.truth}};
            FillChoice(choice, narrow, q, imported);
            break;
        }
        case ItemKind::ShortAnswer:
        case ItemKind::Numerical:
            FillOpen(item, narrow, q, imported);
            break;
        case ItemKind::Essay:
            q.SetTypeQue(TQue::FreeText);
            break;
        case ItemKind::Description:
        case ItemKind::Unsupported:
            q.SetTypeQue(TQue::Information);
            break;
    }
    if (!item.image.bytes.empty()) q.SetImage(narrow(SafeFileName(item.image.name)));
    if (item.otherImages > 0) Warn(imported, item, "solo la prima immagine \xE8 importata");
    if (narrow.replaced > 0)
        Warn(imported, item,
             std::to_string(narrow.replaced) +
                 " caratteri che i file dei questionari non contengono sono stati sostituiti (con un "
                 "equivalente "
                 "o \"?\")");
    const std::string piece = UnstorableText(q);
    if (!piece.empty()) {
        Warn(imported, item,
             "un testo contiene \"" + piece +
                 "\", che i file dei questionari non possono contenere: domanda non importata");
        return;
    }
    if (!QuestionFits(q)) {
        Warn(imported, item, "domanda troppo lunga per un file di questionario: non importata");
        return;
    }
    if (!item.image.bytes.empty()) imported.images.push_back({q.GetImage().CStr(), item.image.bytes});
    imported.questions.push_back(q);
    imported.numbers.push_back(item.number);
}

int AppendQuestions(CTest& test, Imported& imported)
{
    int appended = 0;
    for (std::size_t i = 0; i < imported.questions.size(); ++i) {
        if (test.QuestionCount() >= MAX_QUESTIONS || test.AppendQuestion(imported.questions[i]) != 0) {
            imported.warnings.push_back(
                {imported.numbers[i], "il test ha gi\xE0 " + std::to_string(test.QuestionCount()) +
                                          " domande: questa e le seguenti non sono aggiunte"});
            break;
        }
        ++appended;
    }
    return appended;
}

namespace {

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// name with "-k" before its extension.
std::string NumberedName(const std::string& name, int k)
{
    const std::size_t dot = name.rfind('.');
    const std::size_t cut = dot == std::string::npos || dot == 0 ? name.size() : dot;
    return name.substr(0, cut) + "-" + std::to_string(k) + name.substr(cut);
}

}  // namespace

bool SaveImages(Imported& imported, const std::string& folder)
{
    bool ok = true;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (Image& image : imported.images) {
        std::string name = image.name;
        bool stored = false;
        for (int k = 2; k < 100 && !stored; ++k) {
            const std::string path = prefix + name;
            if (PathExists(CStringa(path.c_str()))) {
                stored = ReadWholeFile(path) == image.bytes;
            } else {
                stored = CreateExclusive(CStringa(path.c_str()), image.bytes);
                if (!stored) break;
            }
            if (!stored) name = NumberedName(image.name, k);
        }
        if (!stored) {
            ok = false;
            imported.warnings.push_back(
                {0, "l'immagine \"" + image.name + "\" non \xE8 stata scritta in " + folder});
            continue;
        }
        if (name == image.name) continue;
        for (CDomanda& q : imported.questions)
            if (q.GetImage() == image.name.c_str()) q.SetImage(CStringa(name.c_str()));
        image.name = name;
    }
    return ok;
}

Imported Import(std::string_view bytes, Format format, CErrore* errors)
{
    Imported imported;
    if (!FormatAvailable(format)) {
        imported.error = kFormatUnavailable;
        imported.message =
            std::string("questo programma \xE8 stato compilato senza il formato ") + FormatName(format);
        return imported;
    }
    const std::string text = DecodeFile(bytes);
    std::vector<Item> items;
    switch (format) {
        case Format::Gift:
            items = ReadGift(text, imported);
            break;
        case Format::MoodleXml:
            items = ReadMoodleXml(text, imported);
            break;
        case Format::Aiken:
            items = ReadAiken(text, imported);
            break;
    }
    if (imported.error != 0) return imported;
    bool feedbackTold = false;
    for (const Item& item : items) {
        if (item.feedback && !feedbackTold) {
            imported.warnings.push_back(
                {item.number,
                 "i commenti (feedback) non sono importati, n\xE9 qui n\xE9 nelle domande seguenti"});
            feedbackTold = true;
        }
        AddItem(item, errors, imported);
    }
    if (imported.questions.empty()) {
        // A file whose every question was malformed is a malformed file:
        // the message names the first bad line.
        imported.error = imported.message.empty() ? kNothingImported : kMalformedFile;
        if (imported.message.empty())
            imported.message = items.empty() ? "il file non contiene domande"
                                             : "nessuna domanda del file pu\xF2 essere importata";
    }
    return imported;
}

Exported Export(const CTest& test, Format format, const std::string& imageFolder)
{
    Exported exported;
    if (!FormatAvailable(format)) {
        exported.error = kFormatUnavailable;
        return exported;
    }
    int written = 0;
    switch (format) {
        case Format::Gift:
            written = WriteGift(test, exported);
            break;
        case Format::MoodleXml:
            written = WriteMoodleXml(test, imageFolder, exported);
            break;
        case Format::Aiken:
            written = WriteAiken(test, exported);
            break;
    }
    exported.questions = written;
    if (written == 0) exported.error = kNothingExported;
    return exported;
}

}  // namespace quadrivo::interchange
