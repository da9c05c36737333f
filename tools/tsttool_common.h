#ifndef QUADRIVO_TOOLS_TSTTOOL_COMMON_H
#define QUADRIVO_TOOLS_TSTTOOL_COMMON_H

// What the commands of tsttool share: reading their arguments, loading the
// questionnaire named on the command line, and turning the files' 8-bit
// text into the UTF-8 that terminals and JSON want.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/test.h"
#include "text/codifica.h"
#include "text/stringa.h"

namespace quadrivo {
class CErrore;
}  // namespace quadrivo

namespace quadrivo::tsttool {

// Exit status of a command line that tsttool does not understand.
constexpr int kUsageError = 2;

// The arguments of one command: file names, which do not start with '-', and
// switches, each one of the command's own, in any order.
struct Arguments {
    std::vector<const char*> files;
    std::vector<std::string> switches;

    bool Has(std::string_view name) const;
};

// Reads argv[1..argc-1] (argv[0] is the command) into args, taking at most
// maxFiles names; a switch may be given more than once. Returns false at the
// first argument that is neither a known switch nor a file name that fits,
// with args holding what came before it.
bool ReadArguments(int argc, char** argv, std::initializer_list<std::string_view> knownSwitches,
                   std::size_t maxFiles, Arguments* args);

// Loads the questionnaire file as typed by the user: the text is both the
// directory and the path, so that messages name the file as it was written.
// The caller tests Error() afterwards.
CTest LoadTypedTest(CErrore* errors, const char* file);

// The bytes of a string (none for a string that is not ok).
std::string Bytes(const CStringa& text);

}  // namespace quadrivo::tsttool

#endif
