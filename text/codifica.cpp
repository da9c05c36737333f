#include "text/codifica.h"

#include <array>

namespace quadrivo {

namespace {

// The characters of 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The length of the UTF-8 sequence that starts at text[i] and its
// character; 0 when no well-formed sequence starts there.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& code)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                         : lead >= 0xE0                ? 3
                         : lead >= 0xC2                ? 2
                                                       : 0;
    if (length == 0 || i + length > text.size()) return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    return length;
}

}  // namespace

char16_t CharOfWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

int Windows1252Of(char32_t c)
{
    if (c == 0) return -1;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

std::string Utf8FromWindows1252(std::string_view bytes, UndefinedBytes undefined)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        char32_t code = CharOfWindows1252(static_cast<unsigned char>(c));
        if (code >= 0x80 && code < 0xA0 && undefined == UndefinedBytes::AsReplacement) code = 0xFFFD;
        AppendUtf8(out, code);
    }
    return out;
}

std::string Windows1252FromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(utf8, i, code);
        if (length == 0) {
            out += utf8[i++];
            continue;
        }
        const int byte = Windows1252Of(code);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += length;
    }
    return out;
}

}  // namespace quadrivo
