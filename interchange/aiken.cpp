// Aiken: one choice question after another, each its text, its answers
// "A. ..." or "A) ..." one a line, and "ANSWER: A" naming the right one.

#include <cctype>

#include "interchange/item.h"
#include "interchange/plaintext.h"
#include "model/test.h"

namespace quadrivo::interchange {

namespace {

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// The letter of an answer line ("B) Roma", or "B." for an empty answer),
// 0 for any other line.
char AnswerLetter(std::string_view line)
{
    if (line.size() < 2 || line[0] < 'A' || line[0] > 'Z') return 0;
    if (line[1] != '.' && line[1] != ')') return 0;
    return line.size() == 2 || line[2] == ' ' || line[2] == '\t' ? line[0] : 0;
}

std::string OneLine(std::string_view windows1252)
{
    std::string text = ExportText(windows1252);
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

std::vector<Item> ReadAiken(const std::string& text, Imported&)
{
    std::vector<Item> items;
    Item item;
    std::string letters;
    bool open = false;
    int number = 0;
    int lineNumber = 0;
    // A malformed question is left behind up to the next blank line.
    bool skipping = false;
    auto fail = [&](int line, const std::string& why) {
        item.malformed = "riga " + std::to_string(line) + ": " + why;
        items.push_back(item);
        item = Item();
        letters.clear();
        open = false;
        skipping = true;
    };
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = Trimmed(std::string_view(text).substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty()) {
            // A question ends with its ANSWER line, before any blank line.
            if (open) fail(item.line, "la domanda non ha la riga ANSWER");
            skipping = false;
            continue;
        }
        if (skipping) continue;
        if (!open) {
            item = Item();
            item.number = ++number;
            item.line = lineNumber;
            item.kind = ItemKind::Choice;
            open = true;
        }
        if (line.rfind("ANSWER:", 0) == 0) {
            const std::string_view right = Trimmed(line.substr(7));
            const std::size_t index = right.size() == 1 ? letters.find(right[0]) : std::string::npos;
            if (letters.empty()) {
                fail(lineNumber, "la riga ANSWER viene prima delle risposte");
            } else if (index == std::string::npos) {
                fail(lineNumber, "la risposta indicata dalla riga ANSWER non c'\xE8");
            } else {
                item.answers[index].weight = 1;
                item.answers[index].right = true;
                items.push_back(item);
                letters.clear();
                open = false;
            }
        } else if (const char letter = AnswerLetter(line); letter != 0) {
            if (item.text.empty()) {
                fail(lineNumber, "una risposta senza la domanda");
            } else {
                letters += letter;
                item.answers.push_back({std::string(Trimmed(line.substr(2))), 0, false});
            }
        } else if (!letters.empty()) {
            fail(lineNumber, "attesa una risposta o la riga ANSWER");
        } else {
            if (!item.text.empty()) item.text += '\n';
            item.text += line;
        }
    }
    if (open) fail(item.line, "la domanda non ha la riga ANSWER");
    return items;
}

int WriteAiken(const CTest& test, Exported& exported)
{
    std::string& out = exported.bytes;
    int written = 0;
    for (int n = 0; n < test.QuestionCount(); ++n) {
        const CDomanda& q = QuestionAt(test, n);
        int rights = 0;
        for (int i = 0; i < q.GetAnswerCount(); ++i) rights += q.GetAnswer(i).IsCorrect();
        if (q.GetTypeQue() != TQue::MultipleAnswer || q.GetSelection() != TSel::Single || rights != 1) {
            exported.warnings.push_back(
                {n + 1,
                 "Aiken tiene solo domande a scelta con una sola risposta esatta: domanda non esportata"});
            continue;
        }
        const std::string text = std::string(Trimmed(OneLine(q.GetTextQue().CStr())));
        if (text.empty() || AnswerLetter(text) != 0 || text.rfind("ANSWER:", 0) == 0) {
            exported.warnings.push_back(
                {n + 1,
                 "il testo si leggerebbe come una risposta o come la riga ANSWER: domanda non esportata"});
            continue;
        }
        out += text + "\n";
        char right = 'A';
        for (int i = 0; i < q.GetAnswerCount(); ++i) {
            const char letter = static_cast<char>('A' + i);
            out += std::string(1, letter) + ". " + OneLine(q.GetAnswer(i).GetTextAns().CStr()) + "\n";
            if (q.GetAnswer(i).IsCorrect()) right = letter;
        }
        out += std::string("ANSWER: ") + right + "\n\n";
        ++written;
    }
    return written;
}

}  // namespace quadrivo::interchange
