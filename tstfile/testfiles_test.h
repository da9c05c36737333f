#ifndef QUADRIVO_TSTFILE_TESTFILES_TEST_H
#define QUADRIVO_TSTFILE_TESTFILES_TEST_H

// What the tests of the file library and of tsttool share besides the
// fixtures of every folder: the bundled samples, a questionnaire loaded from
// its text, and (for tsttool's tests) a run of the built program.

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <memory>
#include <string>

#include "model/test.h"
#include "text/fixtures_test.h"

namespace quadrivo {

// The bundled sample files, with a trailing '/'.
inline const std::string kExamplesDir = QV_SOURCE_DIR "/examples/";

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
#ifdef _WIN32
    // cmd.exe quotes with double quotes only, and std::system gives the
    // program's exit status as it is.
    const std::string command = "cd /d \"" + dir + "\" && \"" QV_TSTTOOL "\" " +
                                Replaced(arguments, "'", "\"") + " >\"" + dir + ".out\" 2>\"" + dir +
                                ".err\"";
    const int exit = std::system(command.c_str());
#else
    const std::string command =
        "cd '" + dir + "' && '" QV_TSTTOOL "' " + arguments + " >'" + dir + ".out' 2>'" + dir + ".err'";
    const int status = std::system(command.c_str());
    const int exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    ToolRun run{exit, ReadFile(dir + ".out"), ReadFile(dir + ".err")};
    // The tool's text output ends its lines as the system does.
    run.out = Replaced(run.out, "\r\n", "\n");
    run.err = Replaced(run.err, "\r\n", "\n");
    std::filesystem::remove(dir + ".out");
    std::filesystem::remove(dir + ".err");
    return run;
}
#endif

}  // namespace quadrivo

#endif
