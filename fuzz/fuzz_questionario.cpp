// The questionnaire loader on any bytes: the same bytes are also the test's
// student file. A failure must be reported; what loads must read back.

#include "fuzz/fuzz_comune.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzFiles files;
    files.Write("geografia.tst", data, size);
    files.Write("geografia.stu", data, size);
    files.CountReports();
    CTest test(&files.errors, files.Dir(), files.Path("geografia.tst"));
    files.ExpectReportedFailure(test.Error());
    if (test.Error() == 0) CheckSavedTestReadsBack(files, test);
    test.SetError(0);
    files.CountReports();
    files.ExpectReportedFailure(test.LoadStudents());
    return 0;
}
