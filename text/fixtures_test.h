#ifndef QUADRIVO_TEXT_FIXTURES_TEST_H
#define QUADRIVO_TEXT_FIXTURES_TEST_H

// What the tests of every folder share: a folder of their own for the files
// they write, files written and read back byte for byte, and reports
// recorded instead of shown.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "text/errore.h"

namespace quadrivo {

// Windows files have no POSIX mode bits, umask, owner or size limit of the
// process: the tests of those are skipped there, with this reason. Its text
// streams write CR LF for a line end and read it back as LF, and a name
// that starts with a letter and ':' names a drive.
#ifdef _WIN32
inline constexpr bool kTextModeEndsLinesWithCrLf = true;
inline constexpr bool kFileNamesHaveDrives = true;
inline const char* const kNoPosixFiles = "no POSIX file modes, umask or limits on Windows";
inline bool IsSuperUser()
{
    return false;
}
#else
inline constexpr bool kTextModeEndsLinesWithCrLf = false;
inline constexpr bool kFileNamesHaveDrives = false;
inline const char* const kNoPosixFiles = nullptr;
inline bool IsSuperUser()
{
    return ::geteuid() == 0;
}
#endif
#define QV_SKIP_WITHOUT_POSIX_FILES() \
    if (kNoPosixFiles) GTEST_SKIP() << kNoPosixFiles

// The <ParTest> record and the <TextTest> section of a new test, as written.
inline const std::string kNewTestParams =
    "<ParTest>\n"
    "Name = \"\", \n"
    "Random = No, Save = No, Time = 0, ViewScore = Yes, Exit = Yes, \n"
    "AskConfirm = No, CorrectAnswer = Yes, SendBack = 0, \n"
    "Password = \"\", MaxQue = 0, \n"
    "ForceAns = No, ViewHint = Yes, ViewComm = Yes, StudComm = No, \n"
    "ClassTest = \"\"\n"
    "</ParTest>\n"
    "<TextTest>\n"
    "\n"
    "</TextTest>\n";

// A fresh folder under GoogleTest's temporary directory, its name starting
// with prefix, removed with all it holds when the object goes. A folder that
// cannot be made fails the test; Path() then names no folder. Not copyable.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix)
    {
        // A folder that exists already, another test's, is not reused.
        std::random_device random;
        for (int attempt = 0; attempt < 100 && !made_; ++attempt) {
            path_ = testing::TempDir() + prefix + std::to_string(random() % 1000000);
            std::error_code error;
            made_ = std::filesystem::create_directory(path_, error);
        }
        if (!made_) ADD_FAILURE() << "no temporary folder " << path_;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (made_) std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Without a trailing '/'.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    bool made_ = false;
};

// Replaces the file at path with exactly these bytes; false when it could not.
inline bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    out.close();
    return !out.fail();
}

// The bytes of the file at path; none when it cannot be read.
inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// text with every from replaced by to.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The lines of text, without their '\n'.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Keeps every presented code and message, in order.
class ReportRecorder : public ErrorPresenter {
public:
    void Present(int code, const CStringa& message) override
    {
        codes.push_back(code);
        messages.emplace_back(message.IsOk() ? std::string(message.CStr(), message.Length()) : std::string());
    }
    void Clear()
    {
        codes.clear();
        messages.clear();
    }

    std::vector<int> codes;
    std::vector<std::string> messages;
};

// What is reported through errors goes to recorder instead of being shown.
// A fixture takes it as a base, so that its tests use errors and recorder as
// their own members.
struct RecordedReports {
    ReportRecorder recorder;
    mkErrore errors{recorder};
};

}  // namespace quadrivo

#endif
