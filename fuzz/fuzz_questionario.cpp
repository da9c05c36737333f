// The questionnaire loader on any bytes: the same bytes are also the test's
// student file, and a test that loads is saved and loaded once more.

#include "fuzz/fuzz_comune.h"
#include "model/test.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzFiles files;
    files.Write("geografia.tst", data, size);
    files.Write("geografia.stu", data, size);
    CTest test(&files.errors, files.Dir(), files.Path("geografia.tst"));
    if (test.Error() == 0 && test.SaveTo(files.Path("copia.tst"), 1) == 0) {
        CTest copy(&files.errors, files.Dir(), files.Path("copia.tst"));
    }
    test.SetError(0);
    test.LoadStudents();
    return 0;
}
