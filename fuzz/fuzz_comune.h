#ifndef QUADRIVO_FUZZ_FUZZ_COMUNE_H
#define QUADRIVO_FUZZ_FUZZ_COMUNE_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/test.h"
#include "student/studente.h"
#include "text/errore.h"
#include "text/stringa.h"

namespace quadrivo {

// What the fuzz targets share: a private directory for the files the
// loaders read (in memory when /dev/shm is there, since every input is
// written out), and a reporter whose messages go nowhere (a fuzzer meets
// millions of them) but are counted. One per target, made on the first
// input.
class FuzzFiles {
    class Discard : public ErrorPresenter {
    public:
        void Present(int, const CStringa&) override { ++count; }
        long count = 0;
    };
    Discard discard_;

public:
    FuzzFiles()
    {
        const char* tmpdir = std::getenv("TMPDIR");
        for (const char* base : {"/dev/shm", tmpdir, "/tmp"}) {
            if (!base) continue;
            std::string pattern = std::string(base) + "/quadrivo-fuzz-XXXXXX";
            if (mkdtemp(pattern.data())) {
                dir_ = pattern + "/";
                return;
            }
        }
        std::abort();
    }
    ~FuzzFiles() { std::filesystem::remove_all(dir_); }

    CStringa Dir() const { return CStringa(dir_.c_str()); }
    CStringa Path(const char* name) const { return CStringa((dir_ + name).c_str()); }

    std::string Read(const char* name) const
    {
        std::string bytes;
        if (std::FILE* file = std::fopen((dir_ + name).c_str(), "rb")) {
            char buf[4096];
            for (size_t n; (n = std::fread(buf, 1, sizeof buf, file)) > 0;) bytes.append(buf, n);
            std::fclose(file);
        }
        return bytes;
    }

    // A load that failed must have said why: the reports are counted from
    // the last CountReports on.
    void CountReports() { discard_.count = 0; }
    void ExpectReportedFailure(int code) const
    {
        if (code != 0 && discard_.count == 0) std::abort();
    }

    void Write(const char* name, const uint8_t* data, size_t size) const
    {
        std::FILE* file = std::fopen((dir_ + name).c_str(), "wb");
        if (!file) std::abort();
        if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
        std::fclose(file);
    }

    mkErrore errors{discard_};

private:
    std::string dir_;
};

// What the writers write, the loaders read back to the same values: a test
// that loaded is saved, loaded and saved again (plain and scrambled), and
// its student records likewise; each second file equals the first byte for
// byte. A save may refuse what the file cannot hold, but a file it wrote
// always loads. Aborts otherwise.
inline void CheckSavedTestReadsBack(FuzzFiles& files, const CTest& loaded)
{
    for (int scrambled = 0; scrambled <= 1; ++scrambled) {
        CTest test(loaded);
        test.SetScrambled(scrambled);
        if (test.SaveTo(files.Path("copia.tst"), 1) != 0) continue;
        const std::string first = files.Read("copia.tst");
        CTest back(&files.errors, files.Dir(), files.Path("copia.tst"));
        if (back.Error() != 0 || back.SaveTo(files.Path("copia.tst"), 1) != 0) std::abort();
        if (files.Read("copia.tst") != first) std::abort();
    }
}

// Writes every student record of test to name's student file, afresh.
inline bool SaveAllStudents(FuzzFiles& files, CTest& test, const char* name)
{
    CTest writer(&files.errors);
    writer.SetPathName(files.Path(name));
    std::remove(writer.StudentFileName().CStr());
    for (int j = 0; j < test.StudentCount(); ++j) {
        if (writer.AppendStudent(*test.GetStudent(j)) != 0 || writer.SaveStudent(0) != 0) return false;
        writer.ClearStudents();
    }
    return true;
}

inline void CheckSavedStudentsReadBack(FuzzFiles& files, CTest& test)
{
    if (test.StudentCount() == 0 || !SaveAllStudents(files, test, "copia.tst")) return;
    const std::string first = files.Read("copia.stu");
    CTest back(test);
    back.SetPathName(files.Path("copia.tst"));
    if (back.LoadStudents() != 0 || !SaveAllStudents(files, back, "copia.tst")) std::abort();
    if (files.Read("copia.stu") != first) std::abort();
}

}  // namespace quadrivo

#endif
