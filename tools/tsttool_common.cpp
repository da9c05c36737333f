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

}  // namespace quadrivo::tsttool
