// Loads the questionnaire FILE with the installed library and prints how many
// questions it holds. Exit status: the library's error code.
#include <cstdio>

#include "model/test.h"
#include "text/errore.h"

namespace quadrivo {
}
using namespace quadrivo;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: consumer FILE.tst\n");
        return 2;
    }
    StderrPresenter presenter;
    mkErrore errors(presenter);
    CTest test(&errors, CStringa(argv[1]), CStringa(argv[1]));
    if (test.Error() != 0) return test.Error();
    std::printf("%d questions\n", test.QuestionCount());
    return 0;
}
