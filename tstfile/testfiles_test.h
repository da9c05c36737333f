#ifndef QUADRIVO_TSTFILE_TESTFILES_TEST_H
#define QUADRIVO_TSTFILE_TESTFILES_TEST_H

// What the tests of the library and of tsttool share: a folder of their own
// for the files they write, files written and read back byte for byte, a
// questionnaire loaded from its text, reports recorded instead of shown, and
// (for tsttool's tests) a run of the built program.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "model/test.h"
#include "tstfile/errore.h"

// The bundled sample files, with a trailing '/'.
inline const std::string kExamplesDir = QV_SOURCE_DIR "/examples/";

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
    explicit TempFolder(const std::string& prefix) : path_(testing::TempDir() + prefix + "XXXXXX")
    {
        made_ = mkdtemp(path_.data()) != nullptr;
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

// The loading constructor, as the editor and tsttool call it: the test of
// file dir + name, where dir ends with a separator.
inline std::unique_ptr<CTest> LoadTest(CErrore* errors, const std::string& dir, const std::string& name)
{
    return std::make_unique<CTest>(errors, CStringa(dir.c_str()), CStringa((dir + name).c_str()));
}

// A whole test read from its text, written first to dir + name.
inline std::unique_ptr<CTest> LoadTestText(CErrore* errors, const std::string& dir, const std::string& text,
                                           const std::string& name = "quiz.tst")
{
    WriteFile(dir + name, text);
    return LoadTest(errors, dir, name);
}

#ifdef QV_TSTTOOL
// What a run of the built tsttool gave.
struct ToolRun {
    int status;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs tsttool with the arguments, a shell command line without single
// quotes, from folder dir (ending with a separator) as the current directory.
inline ToolRun RunTsttool(const std::string& dir, const std::string& arguments)
{
    const std::string command = "cd '" + dir + "' && '" QV_TSTTOOL "' " + arguments + " >'" + dir +
                                ".out' 2>'" + dir + ".err'";
    const int status = std::system(command.c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir + ".out"), ReadFile(dir + ".err")};
    std::filesystem::remove(dir + ".out");
    std::filesystem::remove(dir + ".err");
    return run;
}
#endif

// While it lives, what is reported through errors goes to recorder instead of
// being shown. A fixture takes it as a base, so that its tests use errors and
// recorder as their own members.
struct RecordedReports {
    mkErrore errors;
    ReportRecorder recorder;
    ScopedErrorPresenter recording{&recorder};
};

#endif
