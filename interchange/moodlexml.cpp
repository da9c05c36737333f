// Moodle XML: a <quiz> of <question type="..."> elements, read and written
// through pugixml. Texts are HTML unless their format says otherwise; an
// image travels inside the question text as a base64 <file>.

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <sstream>

#include "interchange/item.h"
#include "interchange/plaintext.h"
#include "model/test.h"

namespace quadrivo::interchange {

namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string EncodeBase64(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned long group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = (group << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0);
        for (std::size_t k = 0; k < 4; ++k) out += k <= n ? kBase64[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

// Blanks and line breaks are skipped; false at any other byte that is not
// base64.
bool DecodeBase64(std::string_view text, std::string* bytes)
{
    std::array<int, 256> value;
    value.fill(-1);
    for (int i = 0; i < 64; ++i) value[static_cast<unsigned char>(kBase64[i])] = i;
    unsigned long group = 0;
    int bits = 0;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) continue;
        if (c == '=') break;
        const int v = value[static_cast<unsigned char>(c)];
        if (v < 0) return false;
        group = (group << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            *bytes += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return true;
}

// The line of an offset into text, from 1.
int LineOf(const std::string& text, std::ptrdiff_t offset)
{
    if (offset < 0) return 1;
    const auto end =
        text.begin() + std::min<std::ptrdiff_t>(offset, static_cast<std::ptrdiff_t>(text.size()));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

// The shown text of an element with a format attribute and a <text> child.
std::string TextOf(pugi::xml_node node)
{
    const std::string format = node.attribute("format").as_string("html");
    const std::string text = node.child("text").text().as_string();
    if (format == "plain_text") return text;
    if (format == "markdown") return PlainFromMarkdown(text);
    return PlainFromHtml(text);
}

bool HasFeedback(pugi::xml_node node)
{
    static const char* const kFeedbacks[] = {"generalfeedback", "correctfeedback", "partiallycorrectfeedback",
                                             "incorrectfeedback", "feedback"};
    for (const char* name : kFeedbacks)
        for (pugi::xml_node f : node.children(name))
            if (!PlainFromHtml(f.child("text").text().as_string()).empty()) return true;
    return false;
}

bool Flag(pugi::xml_node node, bool fallback)
{
    const std::string value = node.text().as_string();
    if (value.empty()) return fallback;
    return value == "true" || value == "1";
}

double Fraction(pugi::xml_node answer)
{
    double percent = 0;
    ReadNumber(answer.attribute("fraction").as_string("0"), &percent);
    return percent / 100;
}

Item ReadQuestion(pugi::xml_node question, const std::string& type)
{
    Item item;
    item.title = PlainFromHtml(question.child("name").child("text").text().as_string());
    const pugi::xml_node body = question.child("questiontext");
    item.text = TextOf(body);
    for (pugi::xml_node file : body.children("file")) {
        if (item.image.bytes.empty()) {
            Image image{file.attribute("name").as_string("immagine"), std::string()};
            if (DecodeBase64(file.text().as_string(), &image.bytes) && !image.bytes.empty()) {
                item.image = image;
                continue;
            }
        }
        ++item.otherImages;
    }
    double mark = 1;
    if (ReadNumber(question.child("defaultgrade").text().as_string("1"), &mark)) item.mark = mark;
    item.feedback = HasFeedback(question);
    for (pugi::xml_node answer : question.children("answer"))
        if (HasFeedback(answer)) item.feedback = true;

    if (type == "multichoice") {
        item.kind = ItemKind::Choice;
        item.multiple = !Flag(question.child("single"), true);
        item.random = Flag(question.child("shuffleanswers"), false);
        for (pugi::xml_node answer : question.children("answer")) {
            const double weight = Fraction(answer);
            item.answers.push_back({TextOf(answer), weight, weight >= 1 - 1e-6});
        }
    } else if (type == "truefalse") {
        item.kind = ItemKind::TrueFalse;
        for (pugi::xml_node answer : question.children("answer")) {
            if (std::string(answer.child("text").text().as_string()) == "true")
                item.truth = Fraction(answer) > 0;
        }
    } else if (type == "shortanswer" || type == "numerical") {
        item.kind = type == "shortanswer" ? ItemKind::ShortAnswer : ItemKind::Numerical;
        for (pugi::xml_node answer : question.children("answer")) {
            ItemAnswer a{TextOf(answer), Fraction(answer), false};
            if (item.kind == ItemKind::Numerical) {
                double value = 0;
                // "*" accepts any number: there is no right value in it.
                if (!ReadNumber(a.text, &value)) continue;
                ReadNumber(answer.child("tolerance").text().as_string("0"), &a.tolerance);
                a.tolerance = std::fabs(a.tolerance);
            }
            item.answers.push_back(a);
        }
    } else if (type == "essay") {
        item.kind = ItemKind::Essay;
    } else if (type == "description") {
        item.kind = ItemKind::Description;
    } else {
        item.kind = ItemKind::Unsupported;
        item.unsupported = type;
    }
    return item;
}

// --- Writing ---------------------------------------------------------------

void AddText(pugi::xml_node parent, const char* name, const std::string& text, const char* format = nullptr)
{
    pugi::xml_node node = parent.append_child(name);
    if (format) node.append_attribute("format") = format;
    node.append_child("text").text() = text.c_str();
}

std::string ReadImage(const std::string& path, bool* found)
{
    std::ifstream in(path, std::ios::binary);
    *found = static_cast<bool>(in);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first line of a question's text, short, as the platforms list it.
std::string QuestionName(const CDomanda& q, int n)
{
    std::string text = ExportText(q.GetTextQue().CStr());
    text = text.substr(0, text.find('\n'));
    if (text.size() > 60) {
        std::size_t cut = 60;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text = text.substr(0, cut) + "...";
    }
    return text.empty() ? "Domanda " + std::to_string(n) : text;
}

// The points of a fully right answer, and so the mark the fractions share.
double ChoiceMark(const CDomanda& q)
{
    double mark = 0;
    if (q.GetSelection() == TSel::Multiple) {
        for (int i = 0; i < q.GetAnswerCount(); ++i) mark += std::max(0.0f, q.GetAnswer(i).GetScore());
    } else {
        for (int i = 0; i < q.GetAnswerCount() && mark <= 0; ++i)
            if (q.GetAnswer(i).IsCorrect()) mark = q.GetAnswer(i).GetScore();
        if (mark <= 0) mark = q.MaxScore();
    }
    return mark > 0 ? mark : 1;
}

const char* TypeName(TQue type)
{
    switch (type) {
        case TQue::MultipleAnswer:
            return "multichoice";
        case TQue::SingleText:
            return "shortanswer";
        case TQue::SingleNumber:
            return "numerical";
        case TQue::FreeText:
            return "essay";
        case TQue::Information:
            return "description";
        default:
            return nullptr;
    }
}

}  // namespace

bool MoodleXmlAvailable()
{
    return true;
}

std::vector<Item> ReadMoodleXml(const std::string& text, Imported& imported)
{
    std::vector<Item> items;
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        imported.error = kMalformedFile;
        imported.message = "riga " + std::to_string(LineOf(text, parsed.offset)) + ": XML non valido (" +
                           parsed.description() + ")";
        return items;
    }
    const pugi::xml_node quiz = doc.child("quiz");
    if (!quiz) {
        imported.error = kMalformedFile;
        imported.message = "riga 1: manca l'elemento <quiz>";
        return items;
    }
    std::string category;
    int number = 0;
    for (pugi::xml_node question : quiz.children("question")) {
        const std::string type = question.attribute("type").as_string();
        if (type == "category") {
            category = CategoryName(question.child("category").child("text").text().as_string());
            continue;
        }
        Item item = ReadQuestion(question, type);
        item.number = ++number;
        item.category = category;
        items.push_back(std::move(item));
    }
    return items;
}

int WriteMoodleXml(const CTest& test, const std::string& imageFolder, Exported& exported)
{
    pugi::xml_document doc;
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node quiz = doc.append_child("quiz");
    std::string category;
    int written = 0;
    for (int n = 0; n < test.QuestionCount(); ++n) {
        const CDomanda& q = QuestionAt(test, n);
        const char* type = TypeName(q.GetTypeQue());
        if (!type) {
            exported.warnings.push_back(
                {n + 1, "Moodle XML non ha domande di questo tipo: domanda non esportata"});
            continue;
        }
        if (q.GetTypeQue() == TQue::MultipleAnswer && q.GetAddTxtNum() != TAdd::None)
            exported.warnings.push_back({n + 1, "la risposta aggiunta (testo o numero) non \xE8 esportata"});
        const std::string name = q.GetClassQue().CStr();
        if (name != category || n == 0) {
            pugi::xml_node c = quiz.append_child("question");
            c.append_attribute("type") = "category";
            AddText(c, "category", ExportText(CategoryPath(name)));
            category = name;
        }
        pugi::xml_node question = quiz.append_child("question");
        question.append_attribute("type") = type;
        AddText(question, "name", QuestionName(q, n + 1));
        std::string html = HtmlFromPlain(ExportText(q.GetTextQue().CStr()));
        std::string image;
        bool found = false;
        // The file travels under its bare name; Image may name a subfolder.
        std::string imageName = ExportText(q.GetImage().CStr());
        imageName.erase(0, imageName.find_last_of("/\\") + 1);
        if (!imageName.empty()) {
            image = ReadImage(imageFolder + "/" + q.GetImage().CStr(), &found);
            if (found) {
                html += "<br><img src=\"@@PLUGINFILE@@/" + HtmlFromPlain(imageName) + "\">";
            } else {
                exported.warnings.push_back({n + 1, std::string("l'immagine \"") + q.GetImage().CStr() +
                                                        "\" non si legge: esportata senza"});
            }
        }
        AddText(question, "questiontext", html, "html");
        if (found) {
            pugi::xml_node file = question.child("questiontext").append_child("file");
            file.append_attribute("name") = imageName.c_str();
            file.append_attribute("path") = "/";
            file.append_attribute("encoding") = "base64";
            file.text() = EncodeBase64(image).c_str();
        }
        AddText(question, "generalfeedback", "", "html");
        double mark = 0;
        switch (q.GetTypeQue()) {
            case TQue::MultipleAnswer:
                mark = ChoiceMark(q);
                break;
            case TQue::SingleText:
            case TQue::SingleNumber:
                mark = q.GetScoreIfOk();
                break;
            case TQue::FreeText:
                mark = 1;
                break;
            default:
                break;
        }
        question.append_child("defaultgrade").text() = NumberText(mark).c_str();
        question.append_child("hidden").text() = q.GetEnableQue() ? "0" : "1";
        if (q.GetTypeQue() == TQue::MultipleAnswer) {
            question.append_child("single").text() = q.GetSelection() == TSel::Single ? "true" : "false";
            question.append_child("shuffleanswers").text() = q.GetRandom() ? "true" : "false";
            question.append_child("answernumbering").text() = "abc";
            for (int i = 0; i < q.GetAnswerCount(); ++i) {
                const CRisposta& a = q.GetAnswer(i);
                pugi::xml_node answer = question.append_child("answer");
                answer.append_attribute("fraction") = NumberText(a.GetScore() / mark * 100).c_str();
                answer.append_attribute("format") = "html";
                answer.append_child("text").text() = HtmlFromPlain(ExportText(a.GetTextAns().CStr())).c_str();
            }
        } else if (q.GetTypeQue() == TQue::SingleText || q.GetTypeQue() == TQue::SingleNumber) {
            const bool text = q.GetTypeQue() == TQue::SingleText;
            if (text) question.append_child("usecase").text() = "0";
            pugi::xml_node answer = question.append_child("answer");
            answer.append_attribute("fraction") = "100";
            answer.append_attribute("format") = "plain_text";
            answer.append_child("text").text() =
                (text ? ExportText(q.GetTextOk().CStr()) : NumberText(q.GetNumOk())).c_str();
            if (!text) answer.append_child("tolerance").text() = NumberText(q.GetPrecision()).c_str();
        }
        ++written;
    }
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    exported.bytes = out.str();
    return written;
}

}  // namespace quadrivo::interchange
