#include "tools/tsttool_common.h"

#include <algorithm>

namespace quadrivo::tsttool {

bool Arguments::Has(std::string_view name) const
{
    return std::find(switches.begin(), switches.end(), name) != switches.end();
}

bool ReadArguments(int argc, char** argv, std::initializer_list<std::string_view> knownSwitches,
                   std::size_t maxFiles, Arguments* args)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (std::find(knownSwitches.begin(), knownSwitches.end(), arg) != knownSwitches.end())
            args->switches.emplace_back(arg);
        else if (arg.empty() || arg[0] != '-') {
            if (args->files.size() >= maxFiles) return false;
            args->files.push_back(argv[i]);
        } else
            return false;
    }
    return true;
}

CTest LoadTypedTest(CErrore* errors, const char* file)
{
    return CTest(errors, CStringa(file), CStringa(file));
}

std::string Bytes(const CStringa& text)
{
    return text.CStr() ? std::string(text.CStr(), text.Length()) : std::string();
}

namespace {

// The code points of 0x80..0x9F in Windows-1252; its five undefined bytes
// stand as the control characters of the same number.
constexpr unsigned kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string Utf8FromWindows1252(std::string_view bytes, UndefinedBytes undefined)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        unsigned code = byte;
        if (byte >= 0x80 && byte < 0xA0) {
            code = kHighControls[byte - 0x80];
            if (code < 0xA0 && undefined == UndefinedBytes::AsReplacement) code = 0xFFFD;
        }
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
    return out;
}

}  // namespace quadrivo::tsttool
