// GIFT: questions as text, one block of lines each, blank lines between
// them. "::title::" starts a question, "{...}" holds its answers ("=" right,
// "~" wrong, "%50%" a weight, "#" feedback or a number), "//" starts a
// comment line, "$CATEGORY:" names the category of those that follow.

#include <algorithm>
#include <cmath>

#include "interchange/item.h"
#include "interchange/plaintext.h"
#include "model/test.h"

namespace quadrivo::interchange {

namespace {

constexpr std::string_view kSpecials = "~=#{}:";
constexpr std::size_t kNone = std::string::npos;

// The gap of a missing-word question, as the text shows it.
const char kGap[] = "_____";

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// The first of chars at or after from that no backslash escapes.
std::size_t FindUnescaped(std::string_view text, std::string_view chars, std::size_t from = 0)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (chars.find(text[i]) != std::string_view::npos) {
            return i;
        }
    }
    return kNone;
}

std::size_t FindUnescapedText(std::string_view text, std::string_view pattern, std::size_t from = 0)
{
    for (std::size_t i = from; i + pattern.size() <= text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text.substr(i, pattern.size()) == pattern) {
            return i;
        }
    }
    return kNone;
}

std::string Unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n') {
                out += '\n';
                ++i;
                continue;
            }
            if (next == '\\' || kSpecials.find(next) != std::string_view::npos) {
                out += next;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

enum class Markup { Auto, Html, Plain, Markdown };

// A text of the question as it shows: escapes decoded, markup removed.
std::string ShownText(std::string_view raw, Markup markup)
{
    const std::string text = Unescaped(Trimmed(raw));
    switch (markup) {
        case Markup::Html:
            return PlainFromHtml(text);
        case Markup::Markdown:
            return PlainFromMarkdown(text);
        case Markup::Plain:
            return text;
        case Markup::Auto:
            break;
    }
    // Without a marker a text is HTML only when it holds a tag.
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '<' && (std::isalpha(static_cast<unsigned char>(text[i + 1])) || text[i + 1] == '/'))
            return PlainFromHtml(text);
    return text;
}

// One block of lines: its text joined by LF and the file's line of each.
struct Block {
    std::string text;
    std::vector<int> lines;

    int LineAt(std::size_t pos) const
    {
        const auto breaks =
            std::count(text.begin(), text.begin() + static_cast<long>(std::min(pos, text.size())), '\n');
        return lines[static_cast<std::size_t>(breaks)];
    }
};

std::vector<Block> SplitBlocks(const std::string& text)
{
    std::vector<Block> blocks;
    Block block;
    int number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == kNone) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number;
        start = end + 1;
        const std::string_view content = Trimmed(line);
        if (content.substr(0, 2) == "//") continue;
        if (content.empty()) {
            if (!block.lines.empty()) blocks.push_back(std::move(block));
            block = Block();
            continue;
        }
        if (!block.lines.empty()) block.text += '\n';
        block.text += line;
        block.lines.push_back(number);
    }
    if (!block.lines.empty()) blocks.push_back(std::move(block));
    return blocks;
}

std::string LinePrefix(int line)
{
    return "riga " + std::to_string(line);
}

// "%50%" at the start of an answer: the weight as a share, and the rest.
bool TakeWeight(std::string_view& answer, double* weight)
{
    if (answer.empty() || answer.front() != '%') return true;
    const std::size_t close = answer.find('%', 1);
    double percent = 0;
    if (close == kNone || !ReadNumber(answer.substr(1, close - 1), &percent)) return false;
    *weight = percent / 100;
    answer.remove_prefix(close + 1);
    return true;
}

// An answer without its feedback ("#..."), which it notes in the item.
std::string_view WithoutFeedback(std::string_view answer, Item& item)
{
    const std::size_t hash = FindUnescaped(answer, "#");
    if (hash == kNone) return answer;
    if (!Trimmed(answer.substr(hash + 1)).empty()) item.feedback = true;
    return answer.substr(0, hash);
}

// "{#...}": one number with its tolerance, a range, or several answers
// each "=%w%value:tolerance".
bool ReadNumerical(std::string_view body, Item& item)
{
    item.kind = ItemKind::Numerical;
    body = Trimmed(body);
    std::vector<std::string_view> parts;
    if (!body.empty() && body.front() == '=') {
        for (std::size_t at = 0; at < body.size();) {
            const std::size_t next = FindUnescaped(body, "=~", at + 1);
            parts.push_back(body.substr(at, next == kNone ? kNone : next - at));
            if (next == kNone) break;
            at = next;
        }
    } else {
        parts.push_back(body);
    }
    for (std::string_view part : parts) {
        if (part.empty()) return false;
        ItemAnswer answer;
        answer.weight = 1;
        const bool wrong = part.front() == '~';
        if (part.front() == '=' || wrong) part.remove_prefix(1);
        if (wrong) answer.weight = 0;
        part = Trimmed(WithoutFeedback(part, item));
        if (!TakeWeight(part, &answer.weight)) return false;
        const std::string written = Unescaped(Trimmed(part));
        double value = 0;
        double tolerance = 0;
        const std::size_t range = written.find("..");
        const std::size_t colon = written.find(':');
        if (range != kNone) {
            double low = 0;
            double high = 0;
            if (!ReadNumber(written.substr(0, range), &low) || !ReadNumber(written.substr(range + 2), &high))
                return false;
            value = (low + high) / 2;
            tolerance = std::fabs(high - low) / 2;
        } else if (!ReadNumber(written.substr(0, colon), &value) ||
                   (colon != kNone && !ReadNumber(written.substr(colon + 1), &tolerance))) {
            return false;
        }
        answer.text = NumberText(value);
        answer.tolerance = std::fabs(tolerance);
        item.answers.push_back(answer);
    }
    return true;
}

// The answers between the braces; false when they are not GIFT.
bool ReadAnswers(std::string_view body, Markup markup, Item& item)
{
    const std::size_t general = FindUnescapedText(body, "####");
    if (general != kNone) {
        if (!Trimmed(body.substr(general + 4)).empty()) item.feedback = true;
        body = body.substr(0, general);
    }
    body = Trimmed(body);
    if (body.empty()) {
        item.kind = ItemKind::Essay;
        return true;
    }
    if (body.front() == '#') return ReadNumerical(body.substr(1), item);
    std::string truth(Trimmed(WithoutFeedback(body, item)));
    std::transform(truth.begin(), truth.end(), truth.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (truth == "t" || truth == "true" || truth == "f" || truth == "false") {
        item.kind = ItemKind::TrueFalse;
        item.truth = truth[0] == 't';
        return true;
    }
    if (body.front() != '=' && body.front() != '~') return false;
    int rights = 0;
    int wrongs = 0;
    int pairs = 0;
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t next = FindUnescaped(body, "=~", at + 1);
        std::string_view part = body.substr(at, next == kNone ? kNone : next - at);
        ItemAnswer answer;
        answer.right = part.front() == '=';
        answer.weight = answer.right ? 1 : 0;
        (answer.right ? rights : wrongs) += 1;
        part.remove_prefix(1);
        part = Trimmed(WithoutFeedback(part, item));
        if (!TakeWeight(part, &answer.weight)) return false;
        if (answer.right && FindUnescapedText(part, "->") != kNone) ++pairs;
        answer.text = ShownText(part, markup);
        item.answers.push_back(answer);
        if (next == kNone) break;
        at = next;
    }
    if (pairs > 0 && pairs == rights && wrongs == 0) {
        item.kind = ItemKind::Unsupported;
        item.unsupported = "matching";
    } else if (wrongs == 0) {
        item.kind = ItemKind::ShortAnswer;
    } else {
        item.kind = ItemKind::Choice;
        // Without an answer marked right, the weights choose several.
        item.multiple = rights == 0 && std::any_of(item.answers.begin(), item.answers.end(),
                                                   [](const ItemAnswer& a) { return a.weight > 0; });
    }
    return true;
}

Item ReadQuestion(const Block& block, int number, const std::string& category)
{
    Item item;
    item.number = number;
    item.line = block.lines.front();
    item.category = category;
    std::string_view text = block.text;
    std::size_t offset = 0;
    // Offsets count in block.text, so that a message can name its line.
    auto skipBlanks = [&] {
        while (offset < text.size() && std::isspace(static_cast<unsigned char>(text[offset]))) ++offset;
    };
    skipBlanks();
    if (text.substr(offset, 2) == "::") {
        const std::size_t close = FindUnescapedText(text, "::", offset + 2);
        if (close == kNone) {
            item.malformed = LinePrefix(block.LineAt(offset)) + ": manca la chiusura \"::\" del titolo";
            return item;
        }
        item.title = Unescaped(Trimmed(text.substr(offset + 2, close - offset - 2)));
        offset = close + 2;
        skipBlanks();
    }
    Markup markup = Markup::Auto;
    const std::pair<const char*, Markup> markers[] = {{"[html]", Markup::Html},
                                                      {"[plain]", Markup::Plain},
                                                      {"[markdown]", Markup::Markdown},
                                                      {"[moodle]", Markup::Auto}};
    for (const auto& [marker, kind] : markers) {
        if (text.substr(offset, std::string_view(marker).size()) == marker) {
            markup = kind;
            offset += std::string_view(marker).size();
        }
    }
    const std::size_t open = FindUnescaped(text, "{", offset);
    if (open == kNone) {
        item.kind = ItemKind::Description;
        item.text = ShownText(text.substr(offset), markup);
        return item;
    }
    const std::size_t close = FindUnescaped(text, "}", open + 1);
    if (close == kNone) {
        item.malformed = LinePrefix(block.LineAt(open)) + ": manca la parentesi graffa di chiusura";
        return item;
    }
    const std::size_t nested = FindUnescaped(text, "{", open + 1);
    if (nested != kNone && nested < close) {
        item.malformed = LinePrefix(block.LineAt(nested)) + ": parentesi graffa aperta dentro le risposte";
        return item;
    }
    const std::string_view after = Trimmed(text.substr(close + 1));
    if (FindUnescaped(after, "{") != kNone) {
        item.kind = ItemKind::Unsupported;
        item.unsupported = "pi\xC3\xB9 spazi di risposta";  // UTF-8, as every text of an item
        return item;
    }
    if (!ReadAnswers(text.substr(open + 1, close - open - 1), markup, item)) {
        item.malformed = LinePrefix(block.LineAt(open)) + ": le risposte non sono scritte come GIFT le vuole";
        return item;
    }
    const std::string before = ShownText(text.substr(offset, open - offset), markup);
    item.text = after.empty() ? before : before + " " + kGap + " " + ShownText(after, markup);
    return item;
}

// --- Writing ---------------------------------------------------------------

std::string Escaped(std::string_view windows1252)
{
    std::string out;
    for (const char c : ExportText(windows1252)) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            continue;
        } else {
            if (c == '\\' || kSpecials.find(c) != std::string_view::npos) out += '\\';
            out += c;
        }
    }
    return out;
}

// The weight of a score, in percent of a mark of 1, as GIFT writes it. A
// float has fewer digits than the rounding keeps, so the score reads back
// the same.
std::string Percent(float score)
{
    const double percent = std::round(static_cast<double>(score) * 100 * 1e6) / 1e6;
    return "%" + NumberText(percent) + "%";
}

bool HoldsAngle(const CDomanda& q)
{
    auto holds = [](const CStringa& s) { return std::string_view(s.CStr(), s.Length()).find('<') != kNone; };
    if (holds(q.GetTextQue()) || holds(q.GetTextOk())) return true;
    for (int i = 0; i < q.GetAnswerCount(); ++i)
        if (holds(q.GetAnswer(i).GetTextAns())) return true;
    return false;
}

std::string ChoiceAnswers(const CDomanda& q)
{
    const bool multiple = q.GetSelection() == TSel::Multiple;
    std::string out = "{\n";
    for (int i = 0; i < q.GetAnswerCount(); ++i) {
        const CRisposta& a = q.GetAnswer(i);
        const bool right = !multiple && a.IsCorrect();
        out += right ? "\t=" : "\t~";
        if (a.GetScore() != (right ? 1.0f : 0.0f)) out += Percent(a.GetScore());
        out += Escaped(a.GetTextAns().CStr()) + "\n";
    }
    return out + "}";
}

}  // namespace

std::vector<Item> ReadGift(const std::string& text, Imported&)
{
    std::vector<Item> items;
    std::string category;
    int number = 0;
    for (Block& block : SplitBlocks(text)) {
        if (block.text.rfind("$CATEGORY:", 0) == 0) {
            const std::size_t end = block.text.find('\n');
            category = CategoryName(
                Trimmed(std::string_view(block.text).substr(10, end == kNone ? kNone : end - 10)));
            if (end == kNone) continue;
            block.text.erase(0, end + 1);
            block.lines.erase(block.lines.begin());
        }
        items.push_back(ReadQuestion(block, ++number, category));
    }
    return items;
}

int WriteGift(const CTest& test, Exported& exported)
{
    std::string& out = exported.bytes;
    out = "// " + ExportText(test.GetParams().Name.CStr()) + "\n\n";
    std::string category;
    int written = 0;
    for (int n = 0; n < test.QuestionCount(); ++n) {
        const CDomanda& q = QuestionAt(test, n);
        const TQue type = q.GetTypeQue();
        if (type == TQue::SortItem || type == TQue::AssociateWord) {
            exported.warnings.push_back({n + 1, "GIFT non ha domande di questo tipo: domanda non esportata"});
            continue;
        }
        // "{=a -> b}" is a matching question in GIFT, and "->" has no escape.
        if (type == TQue::SingleText && std::string_view(q.GetTextOk().CStr()).find("->") != kNone) {
            exported.warnings.push_back(
                {n + 1,
                 "la risposta contiene \"->\", che GIFT legge come un abbinamento: domanda non esportata"});
            continue;
        }
        if (type == TQue::MultipleAnswer && q.GetAddTxtNum() != TAdd::None)
            exported.warnings.push_back({n + 1, "la risposta aggiunta (testo o numero) non \xE8 esportata"});
        const std::string name = q.GetClassQue().CStr();
        if (name != category) {
            out += "$CATEGORY: " + ExportText(CategoryPath(name)) + "\n\n";
            category = name;
        }
        out += "::Q" + std::to_string(n + 1) + "::";
        if (HoldsAngle(q)) out += "[plain]";
        out += Escaped(q.GetTextQue().CStr());
        switch (type) {
            case TQue::MultipleAnswer:
                out += " " + ChoiceAnswers(q);
                break;
            case TQue::SingleText:
                out += " {=" + Escaped(q.GetTextOk().CStr()) + "}";
                break;
            case TQue::SingleNumber:
                out += " {#" + NumberText(q.GetNumOk()) + ":" + NumberText(q.GetPrecision()) + "}";
                break;
            case TQue::FreeText:
                out += " {}";
                break;
            default:
                break;
        }
        out += "\n\n";
        ++written;
    }
    return written;
}

}  // namespace quadrivo::interchange
