// Loads the questionnaire FILE with the installed library, prints how many
// questions it holds and how many of them a GIFT file takes. Exit status:
// the library's error code.
#include <cstdio>

#include "interchange/interchange.h"
#include "model/test.h"
#include "text/errore.h"

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
    const interchange::Exported gift = interchange::Export(test, interchange::Format::Gift, "");
    std::printf("%d questions, %d in GIFT\n", test.QuestionCount(), gift.questions);
    return gift.error;
}
