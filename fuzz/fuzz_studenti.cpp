// The student-file loader on any bytes, for a test of five questions named
// like the bundled sample, so that the sample's records are this test's. A
// failure must be reported; what loads must read back.

#include "fuzz/fuzz_comune.h"

namespace quadrivo {

namespace {

CTest& FiveQuestions(FuzzFiles& files)
{
    static CTest test(&files.errors);
    test.SetPathName(files.Path("geografia.tst"));
    for (int i = 0; i < 5; ++i) test.AddQuestion();
    return test;
}

}  // namespace

}  // namespace quadrivo

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzFiles files;
    static CTest& test = FiveQuestions(files);
    files.Write("geografia.stu", data, size);
    test.SetError(0);
    files.CountReports();
    files.ExpectReportedFailure(test.LoadStudents());
    if (test.Error() == 0) CheckSavedStudentsReadBack(files, test);
    return 0;
}
