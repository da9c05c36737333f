#ifndef QUADRIVO_FUZZ_FUZZ_INTERCHANGE_H
#define QUADRIVO_FUZZ_FUZZ_INTERCHANGE_H

#include <string_view>

#include "fuzz/fuzz_comune.h"
#include "interchange/interchange.h"
#include "text/limiti.h"

namespace quadrivo {

// An importer on any bytes. A failure must say why; what it takes must be
// a questionnaire that saves and reads back, and that the same format
// writes out and reads in again. Aborts otherwise.
inline void CheckImport(const uint8_t* data, size_t size, interchange::Format format)
{
    static FuzzFiles files;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    interchange::Imported imported = interchange::Import(bytes, format, &files.errors);
    if (imported.error != 0) {
        if (imported.message.empty() || !imported.questions.empty()) std::abort();
        return;
    }
    CTest test(&files.errors);
    test.SetPathName(files.Path("importato.tst"));
    const int appended = interchange::AppendQuestions(test, imported);
    if (appended != std::min<int>(MAX_QUESTIONS, static_cast<int>(imported.questions.size()))) std::abort();
    if (test.SaveTo(files.Path("importato.tst"), 1) != 0) std::abort();
    CheckSavedTestReadsBack(files, test);
    const interchange::Exported exported = interchange::Export(test, format, files.Dir().CStr());
    if (exported.error == 0 && interchange::Import(exported.bytes, format, &files.errors).error != 0)
        std::abort();
}

}  // namespace quadrivo

#endif
