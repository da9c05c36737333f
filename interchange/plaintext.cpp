#include "interchange/plaintext.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "text/codifica.h"

namespace quadrivo::interchange {

namespace {

// The length of the well-formed UTF-8 sequence at text[i] (no overlong
// forms, no surrogates, nothing past U+10FFFF) and its character; 0 when
// there is none.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t* code)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || i + length > text.size()) return 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    *code = c;
    return length;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsUtf8(std::string_view text)
{
    char32_t c = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = DecodeUtf8(text, i, &c);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

// The base letters of U+0100..U+017F, for the letters with marks that
// Windows-1252 lacks (those it has are taken before this table).
constexpr char kLatinExtendedA[] =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTt"
    "UuUuUuUu"
    "UuUuWwYyYZzZzZzs";
static_assert(sizeof kLatinExtendedA - 1 == 0x80);

struct Equivalent {
    char32_t from;
    const char* to;
};
// clang-format off
constexpr Equivalent kEquivalents[] = {
    {0x2010, "-"}, {0x2011, "-"}, {0x2012, "-"}, {0x2015, "-"}, {0x2212, "-"},
    {0x2002, " "}, {0x2003, " "}, {0x2004, " "}, {0x2005, " "}, {0x2006, " "},
    {0x2007, " "}, {0x2008, " "}, {0x2009, " "}, {0x200A, " "}, {0x202F, " "},
    {0x200B, ""},  {0xFEFF, ""},  {0x2032, "'"}, {0x2033, "\""}, {0x201B, "'"},
    {0x2044, "/"}, {0x2215, "/"}, {0x2264, "<="}, {0x2265, ">="}, {0x2260, "!="},
    {0x2248, "~"}, {0x2190, "<-"}, {0x2192, "->"}, {0x2194, "<->"}, {0x21D2, "=>"},
    {0x2219, "\xB7"}, {0x22C5, "\xB7"}, {0x2217, "*"}, {0x2236, ":"}, {0x2116, "N."},
};
// clang-format on

// The entities an HTML text of a question is likely to use; the others are
// kept as they are written.
struct Entity {
    const char* name;
    char32_t code;
};
// clang-format off
constexpr Entity kEntities[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0},
    {"agrave", 0xE0}, {"aacute", 0xE1}, {"egrave", 0xE8}, {"eacute", 0xE9}, {"igrave", 0xEC},
    {"iacute", 0xED}, {"ograve", 0xF2}, {"oacute", 0xF3}, {"ugrave", 0xF9}, {"uacute", 0xFA},
    {"Agrave", 0xC0}, {"Egrave", 0xC8}, {"Eacute", 0xC9}, {"Igrave", 0xCC}, {"Ograve", 0xD2},
    {"Ugrave", 0xD9}, {"ccedil", 0xE7}, {"ntilde", 0xF1}, {"auml", 0xE4}, {"ouml", 0xF6},
    {"uuml", 0xFC}, {"szlig", 0xDF}, {"laquo", 0xAB}, {"raquo", 0xBB}, {"deg", 0xB0},
    {"times", 0xD7}, {"divide", 0xF7}, {"plusmn", 0xB1}, {"middot", 0xB7}, {"sup2", 0xB2},
    {"sup3", 0xB3}, {"frac12", 0xBD}, {"frac14", 0xBC}, {"frac34", 0xBE}, {"micro", 0xB5},
    {"copy", 0xA9}, {"reg", 0xAE}, {"euro", 0x20AC}, {"hellip", 0x2026}, {"ndash", 0x2013},
    {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
    {"le", 0x2264}, {"ge", 0x2265}, {"ne", 0x2260}, {"minus", 0x2212}, {"pi", 0x3C0},
};
// clang-format on

// Tags after which a browser starts a new line.
bool BreaksLine(std::string_view name)
{
    static const char* const kBlocks[] = {"br", "p",   "/p", "div", "/div", "li",  "/li", "tr", "/tr",
                                          "h1", "/h1", "h2", "/h2", "h3",   "/h3", "h4",  "/h4"};
    for (const char* block : kBlocks)
        if (name == block) return true;
    return false;
}

std::string Lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The entity at text[i] ('&'), appended to out; the length it took, 0 when
// it is none we know.
std::size_t DecodeEntity(std::string_view text, std::size_t i, std::string& out)
{
    const std::size_t end = text.find(';', i);
    if (end == std::string_view::npos || end - i > 10) return 0;
    const std::string_view name = text.substr(i + 1, end - i - 1);
    char32_t code = 0;
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        unsigned long value = 0;
        const auto [ptr, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
        if (ec != std::errc() || ptr != digits.data() + digits.size() || value == 0 || value > 0x10FFFF ||
            (value >= 0xD800 && value <= 0xDFFF))
            return 0;
        code = static_cast<char32_t>(value);
    } else {
        for (const Entity& entity : kEntities)
            if (name == entity.name) code = entity.code;
        if (code == 0) return 0;
    }
    AppendUtf8(out, code);
    return end - i + 1;
}

// Line by line: blanks at either end of each line removed, blank lines
// dropped (paragraphs and breaks that follow each other make one break).
std::string TidyLines(std::string_view text)
{
    std::string out;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
            line.remove_suffix(1);
        if (!line.empty()) {
            if (!out.empty()) out += '\n';
            out += line;
        }
        start = end + 1;
    }
    return out;
}

}  // namespace

std::string DecodeFile(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (IsUtf8(bytes)) return std::string(bytes);
    return Utf8FromWindows1252(bytes, UndefinedBytes::AsReplacement);
}

std::string PlainFromHtml(std::string_view html)
{
    std::string out;
    for (std::size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<' && i + 1 < html.size() &&
            (std::isalpha(static_cast<unsigned char>(html[i + 1])) || html[i + 1] == '/' ||
             html[i + 1] == '!')) {
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) {
                out.append(html.substr(i));
                break;
            }
            std::string_view tag = html.substr(i + 1, end - i - 1);
            const std::size_t nameEnd = tag.find_first_of(" \t\r\n/>", tag[0] == '/' ? 1 : 0);
            const std::string name = Lowered(tag.substr(0, nameEnd));
            if (BreaksLine(name)) out += '\n';
            i = end + 1;
        } else if (c == '&') {
            const std::size_t length = DecodeEntity(html, i, out);
            if (length == 0) out += c;
            i += length == 0 ? 1 : length;
        } else {
            // Blanks and line breaks of the source are one blank on screen.
            const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
            if (!blank) {
                out += c;
            } else if (!out.empty() && out.back() != ' ' && out.back() != '\n') {
                out += ' ';
            }
            ++i;
        }
    }
    // A no-break space is a blank to keep, not to collapse.
    std::string spaced;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out.compare(i, 2, "\xC2\xA0") == 0) {
            spaced += ' ';
            ++i;
        } else {
            spaced += out[i];
        }
    }
    return TidyLines(spaced);
}

std::string PlainFromMarkdown(std::string_view markdown)
{
    std::string out;
    bool lineStart = true;
    for (std::size_t i = 0; i < markdown.size(); ++i) {
        const char c = markdown[i];
        if (lineStart) {
            std::size_t k = i;
            while (k < markdown.size() && (markdown[k] == '#' || markdown[k] == '>')) ++k;
            if (k > i && k < markdown.size() && markdown[k] == ' ') {
                i = k;
                continue;
            }
        }
        lineStart = c == '\n';
        if (c == '\\' && i + 1 < markdown.size() &&
            std::ispunct(static_cast<unsigned char>(markdown[i + 1]))) {
            out += markdown[++i];
        } else if (c == '*' || c == '`' ||
                   (c == '_' && (i + 1 == markdown.size() || markdown[i + 1] == '_' ||
                                 std::ispunct(static_cast<unsigned char>(markdown[i + 1])) ||
                                 std::isspace(static_cast<unsigned char>(markdown[i + 1])) || i == 0 ||
                                 !std::isalnum(static_cast<unsigned char>(markdown[i - 1]))))) {
            continue;
        } else if (c == ']' && i + 1 < markdown.size() && markdown[i + 1] == '(') {
            const std::size_t close = markdown.find(')', i);
            if (close == std::string_view::npos) break;
            i = close;
        } else if (c == '[' || (c == '!' && i + 1 < markdown.size() && markdown[i + 1] == '[')) {
            continue;
        } else {
            out += c;
        }
    }
    return TidyLines(out);
}

std::string HtmlFromPlain(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\n':
                out += "<br>";
                break;
            case '\r':
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string ModelText(std::string_view utf8, int* replaced)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        std::size_t length = DecodeUtf8(utf8, i, &c);
        if (length == 0) {
            c = 0xFFFD;
            length = 1;
        }
        i += length;
        if (c == '\r') {
            if (i < utf8.size() && utf8[i] == '\n') continue;
            c = '\n';
        }
        const int byte = Windows1252Of(c);
        if (byte >= 0 && !(byte >= 0x80 && byte <= 0x9F && c < 0x100)) {
            out += static_cast<char>(byte);
            continue;
        }
        ++*replaced;
        if (c >= 0x100 && c < 0x180) {
            out += kLatinExtendedA[c - 0x100];
        } else if (c >= 0x300 && c < 0x370) {
            // A combining mark: the letter before it stays as it is.
        } else {
            const char* to = "?";
            for (const Equivalent& e : kEquivalents)
                if (e.from == c) to = e.to;
            out += to;
        }
    }
    return out;
}

std::string ExportText(std::string_view windows1252)
{
    return Utf8FromWindows1252(windows1252, UndefinedBytes::AsReplacement);
}

std::string NumberText(double x)
{
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, x);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

bool ReadNumber(std::string_view text, double* x)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::string dotted(text);
    // Teachers in Italy write a decimal comma.
    if (dotted.find('.') == std::string::npos)
        for (char& c : dotted)
            if (c == ',') c = '.';
    double value = 0;
    const auto [ptr, ec] = std::from_chars(dotted.data(), dotted.data() + dotted.size(), value);
    if (dotted.empty() || ec != std::errc() || ptr != dotted.data() + dotted.size() || !std::isfinite(value))
        return false;
    *x = value;
    return true;
}

}  // namespace quadrivo::interchange
