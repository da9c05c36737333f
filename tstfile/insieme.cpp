// The family of files of one questionnaire: the test, its student file, its
// lock file and the per-run result files, all named after the test's path.

#include <cstdio>
#include <ctime>
#include <string>

#include "model/test.h"
#include "student/studente.h"
#include "text/utilita.h"
#include "tstfile/filesystem.h"

namespace quadrivo {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

char* CopyBounded(const CStringa& name, char* buf, std::size_t size)
{
    if (!buf || size == 0) return buf;
    std::size_t n = name.Length();
    if (n > size - 1) n = size - 1;
    for (std::size_t i = 0; i < n; ++i) buf[i] = *name.At(static_cast<unsigned>(i));
    buf[n] = '\0';
    return buf;
}

// The longest line a lock file is read for.
constexpr int kLockLine = 199;

}  // namespace

CStringa CTest::TestFileName() const
{
    return TestFileNameOf(PathName);
}

CStringa CTest::TestFileNameOf(const CStringa& name) const
{
    if (HasExtension(name)) return name;
    return name + ".tst";
}

CStringa CTest::SiblingName(const CStringa& ext) const
{
    if (!HasExtension(PathName)) return PathName + "." + ext;
    unsigned dot = PathName.Length();
    while (dot > 0 && *PathName.At(dot - 1) != '.') --dot;
    return Slice(PathName, 0, dot) + ext;
}

CStringa CTest::StudentFileName() const
{
    return SiblingName(CStringa("stu"));
}

CStringa CTest::LockFileName() const
{
    return SiblingName(CStringa("lck"));
}

CStringa CTest::BareFileName() const
{
    const CStringa name = TestFileName();
    unsigned start = name.Length();
    while (start > 0 && !IsSeparator(*name.At(start - 1))) --start;
    return Tail(name, start);
}

char* CTest::CopyTestFileName(char* buf, std::size_t size) const
{
    return CopyBounded(TestFileName(), buf, size);
}

char* CTest::CopyStudentFileName(char* buf, std::size_t size) const
{
    return CopyBounded(StudentFileName(), buf, size);
}

const CStringa& CTest::GetStamp()
{
    MakeStamp();
    return Stamp;
}

void CTest::MakeStamp()
{
    if (Stamp.Length() != 0) return;
    CStringa stamp;
    if (!Students.empty()) {
        const CStudente& last = *Students.back();
        stamp = last.GetNameStudent() + last.GetTimeInit() + last.GetTimeLength() +
                CStringa(static_cast<double>(last.GetTotalScore()));
    }
    stamp += CStringa(static_cast<long>(std::time(nullptr)));
    stamp += CStringa(Random(0, 30000));
    // The process id tells apart two runs started in the same second.
    stamp += CStringa(CurrentProcessId());
    // The lock is read back as one line of at most kLockLine characters: a
    // stamp that did not fit, or that held a line break of the student's
    // name, would never be found there, and its run could never save. The
    // distinguishing part is at the end, so a long name is cut at the front.
    stamp.ReplaceChar('\n', ' ');
    stamp.ReplaceChar('\r', ' ');
    if (stamp.Length() > kLockLine) stamp = Tail(stamp, stamp.Length() - kLockLine);
    Stamp = stamp;
}

bool CTest::LockExists() const
{
    return FileExists(LockFileName());
}

void CTest::CreateLock()
{
    if (LockExists()) return;
    const CStringa& stamp = GetStamp();
    // Exclusive creation: a lock that appears after the check is kept.
    CreateExclusive(LockFileName(), std::string(stamp.CStr(), stamp.Length()));
}

CStringa CTest::ReadLock() const
{
    std::FILE* file = std::fopen(LockFileName().CStr(), "rb");
    if (!file) return CStringa();
    char line[kLockLine + 1];
    int n = 0;
    for (int c; n < kLockLine && (c = std::fgetc(file)) != EOF && c != '\n';)
        line[n++] = static_cast<char>(c);
    line[n] = '\0';
    std::fclose(file);
    return CStringa(line);
}

bool CTest::OwnsLock()
{
    return ReadLock() == GetStamp();
}

void CTest::RemoveLock() const
{
    std::remove(LockFileName().CStr());
}

void CTest::CreateResultFile()
{
    if (ResultFile.Length() != 0) return;
    for (int n = 0; n <= 999; ++n) {
        char ext[8];
        std::snprintf(ext, sizeof ext, "%03d", n);
        const CStringa name = SiblingName(CStringa(ext));
        if (FileExists(name)) continue;
        if (CreateExclusive(name, std::string())) {
            ResultFile = name;
            return;
        }
    }
}

void CTest::RemoveResultFile()
{
    if (ResultFile.Length() == 0) return;
    std::remove(ResultFile.CStr());
    ResultFile = "";
}

}  // namespace quadrivo
