// Loading and saving questionnaires and student files, each beside a
// reference measured in the same run: the XML parser reading the same
// content, and the same bytes written with a temporary file, fsync and
// rename; and tsttool checking a questionnaire beside a whole process that
// parses the same content as XML. "--tiny" runs every benchmark once on a
// small file (for CI).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "generatore.h"
#include "model/test.h"
#include "text/allocazioni_test.h"
#include "text/errore.h"
#include "text/limiti.h"

using namespace quadrivo;

namespace {

// Allocations per iteration of the timed loop, started before it.
class AllocationCount {
public:
    explicit AllocationCount(benchmark::State& state) : state_(state), start_(heap::allocations) {}
    ~AllocationCount()
    {
        if (state_.iterations() > 0)
            state_.counters["allocs"] =
                static_cast<double>(heap::allocations - start_) / static_cast<double>(state_.iterations());
    }

private:
    benchmark::State& state_;
    std::size_t start_;
};

class CountingPresenter : public ErrorPresenter {
public:
    void Present(int, const CStringa&) override { ++count; }
    int count = 0;
};

std::string g_dir;

std::string WriteInput(const std::string& name, const std::string& text)
{
    const std::string path = g_dir + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

// The size of the file read, so that the table can give bytes per second
// and student files and questionnaires can be compared.
void CountBytes(benchmark::State& state, const std::string& path)
{
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}

void LoadTest(benchmark::State& state, const std::string& path)
{
    CountingPresenter presenter;
    mkErrore errors(presenter);
    AllocationCount allocations(state);
    for (auto _ : state) {
        CTest test(&errors, CStringa(path.c_str()), CStringa(path.c_str()));
        benchmark::DoNotOptimize(test.QuestionCount());
    }
    CountBytes(state, path);
    if (presenter.count != 0) state.SkipWithError("the generated file did not load cleanly");
}

void LoadStudents(benchmark::State& state, const std::string& path)
{
    CountingPresenter presenter;
    mkErrore errors(presenter);
    CTest test(&errors, CStringa(path.c_str()), CStringa(path.c_str()));
    AllocationCount allocations(state);
    for (auto _ : state) {
        test.LoadStudents();
        benchmark::DoNotOptimize(test.StudentCount());
    }
    CountBytes(state, path.substr(0, path.size() - 3) + "stu");
    if (presenter.count != 0 || test.Error() != 0)
        state.SkipWithError("the student file did not load cleanly");
}

void ParseXml(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_file(path.c_str()).status);
    }
}

void SaveTest(benchmark::State& state, const std::string& path, const std::string& out)
{
    CountingPresenter presenter;
    mkErrore errors(presenter);
    CTest test(&errors, CStringa(path.c_str()), CStringa(path.c_str()));
    AllocationCount allocations(state);
    for (auto _ : state) benchmark::DoNotOptimize(test.SaveTo(CStringa(out.c_str()), 1));
    if (presenter.count != 0) state.SkipWithError("the generated file did not save cleanly");
}

// A program run to its end with its output thrown away; the run fails
// unless it exits with 0.
void RunProcess(benchmark::State& state, std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t child = 0;
        int status = 1;
        if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) != child || status != 0) {
            state.SkipWithError("the program did not run cleanly");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

// The steps of a durable replace, as a save takes them: a temporary file
// flushed to the disk, renamed over the target, and the folder flushed so
// that the rename survives a power cut.
void WriteReference(benchmark::State& state, const std::string& text, const std::string& out)
{
    const std::string temporary = out + ".tmp";
    const std::string folder = std::filesystem::path(out).parent_path().string();
    for (auto _ : state) {
        std::FILE* f = std::fopen(temporary.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fflush(f);
        fsync(fileno(f));
        std::fclose(f);
        std::rename(temporary.c_str(), out.c_str());
        const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        fsync(dir);
        close(dir);
    }
}

void RegisterAll(bool tiny)
{
    const std::vector<int> eighths = tiny ? std::vector<int>{1} : std::vector<int>{1, 2, 4, 8};
    for (int eighth : eighths) {
        GeneratedShape shape;
        shape.questions = tiny ? 4 : MAX_QUESTIONS * eighth / 8;
        const std::string size = "/" + std::to_string(shape.questions) + "q";
        const std::string plain = GenerateTestText(shape);
        const std::string plainPath = WriteInput("plain" + size.substr(1) + ".tst", plain);
        const std::string scrambledPath =
            WriteInput("scrambled" + size.substr(1) + ".tst", ScrambledText(plain));
        GeneratedShape commented = shape;
        commented.extraComments = 20;
        const std::string commentedPath =
            WriteInput("comments" + size.substr(1) + ".tst", GenerateTestText(commented));
        const std::string xmlPath = WriteInput("xml" + size.substr(1) + ".xml", GenerateXmlText(shape));
        const std::string outPath = g_dir + "/out" + size.substr(1) + ".tst";

        benchmark::RegisterBenchmark(("Load/plain" + size).c_str(), LoadTest, plainPath);
        benchmark::RegisterBenchmark(("Load/scrambled" + size).c_str(), LoadTest, scrambledPath);
        benchmark::RegisterBenchmark(("Load/comments" + size).c_str(), LoadTest, commentedPath);
        benchmark::RegisterBenchmark(("XmlParse" + size).c_str(), ParseXml, xmlPath);
        benchmark::RegisterBenchmark(("Save/plain" + size).c_str(), SaveTest, plainPath, outPath);
        benchmark::RegisterBenchmark(("WriteRename" + size).c_str(), WriteReference, plain, outPath);
#ifdef QV_TSTTOOL
        benchmark::RegisterBenchmark(("Process/check" + size).c_str(), RunProcess,
                                     std::vector<std::string>{QV_TSTTOOL, "check", plainPath});
#endif
        benchmark::RegisterBenchmark(("Process/xml" + size).c_str(), RunProcess,
                                     std::vector<std::string>{QV_XML_READER, xmlPath});
    }
    const std::vector<int> classes = tiny ? std::vector<int>{2} : std::vector<int>{25, 100, 1000};
    GeneratedShape shape;
    shape.questions = tiny ? 4 : 20;
    for (int students : classes) {
        const std::string name = std::to_string(students) + "s";
        std::filesystem::create_directory(g_dir + "/" + name);
        const std::string path = g_dir + "/" + name + "/classe.tst";
        WriteInput(name + "/classe.tst", GenerateTestText(shape));
        WriteInput(name + "/classe.stu", GenerateStudentText(shape, students, "classe.tst"));
        benchmark::RegisterBenchmark(("LoadStudents/" + name).c_str(), LoadStudents, path);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    bool tiny = false;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tiny") == 0)
            tiny = true;
        else
            args.push_back(argv[i]);
    }
    char pattern[] = "/tmp/quadrivo-bench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    g_dir = pattern;
    RegisterAll(tiny);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(g_dir, ignored);
    return 0;
}
