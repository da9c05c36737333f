#include "runner/core/commandline.h"

#include "runner/core/translate.h"

namespace quadrivo::runner {

const char kRunnerUsage[] =
    "Uso: quadrivo FILE.tst              esegue il test\n"
    "     quadrivo -question N FILE.tst  prova la domanda N da sola (non salva nulla)\n"
    "     quadrivo --help | --version\n";

namespace {

bool ReadQuestionNumber(const std::string& text, int* index)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int n = std::stoi(text);
    if (n < 1) return false;
    *index = n - 1;
    return true;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "-question" || arg == "--question") {
            if (i + 1 >= arguments.size() || !ReadQuestionNumber(arguments[++i], &line.question)) {
                line.error =
                    QT_TRANSLATE_NOOP("CommandLine", "-question vuole il numero della domanda, da 1");
                return line;
            }
        } else if (line.file.empty() && !arg.empty() && arg[0] != '-') {
            line.file = arg;
        } else {
            line.error = FilledIn(QT_TRANSLATE_NOOP("CommandLine", "argomento non previsto: %1"), {arg});
            return line;
        }
    }
    if (line.file.empty() && !line.help && !line.version)
        line.error = QT_TRANSLATE_NOOP("CommandLine", "manca il file del test");
    return line;
}

}  // namespace quadrivo::runner
