// tsttool import and export: questions to and from the files of learning
// platforms.

#include "tools/tsttool_interchange.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "interchange/interchange.h"
#include "model/partest.h"
#include "model/test.h"
#include "text/errore.h"
#include "tools/tsttool_common.h"
#include "tstfile/filesystem.h"

namespace quadrivo::tsttool {

namespace {

using interchange::Format;

const char kImportUsage[] = "Uso: tsttool import IN OUT.tst [--format gift|moodle|aiken] [--append]\n";
const char kExportUsage[] = "Uso: tsttool export IN.tst OUT [--format gift|moodle|aiken]\n";

// Takes "--format NAME" (or "--format=NAME") out of argv; false for a
// name that is no format or a switch given twice.
bool TakeFormat(int& argc, char** argv, bool* given, Format* format)
{
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i];
        std::string name;
        if (arg == "--format" && i + 1 < argc) {
            name = argv[++i];
        } else if (arg.rfind("--format=", 0) == 0) {
            name = arg.substr(9);
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        if (*given || !interchange::FormatFromName(name, format)) return false;
        *given = true;
    }
    argc = kept;
    return true;
}

void PrintLine(const std::string& windows1252)
{
    std::fprintf(stderr, "%s\n", Utf8FromWindows1252(windows1252).c_str());
}

void PrintWarnings(const std::vector<interchange::Warning>& warnings)
{
    for (const interchange::Warning& w : warnings) PrintLine(interchange::WarningLine(w));
}

bool ReadBytes(const char* path, std::string* bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string FolderOf(const char* path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

}  // namespace

int RunImportCommand(int argc, char** argv, CErrore* errors)
{
    bool given = false;
    Format format = Format::Gift;
    Arguments args;
    if (!TakeFormat(argc, argv, &given, &format) || !ReadArguments(argc, argv, {"--append"}, 2, &args) ||
        args.files.size() != 2) {
        std::fputs(kImportUsage, stderr);
        return kUsageError;
    }
    const char* in = args.files[0];
    const char* out = args.files[1];
    std::string bytes;
    if (!ReadBytes(in, &bytes)) {
        std::fprintf(stderr, "tsttool: %s: il file non si legge\n", in);
        return kCannotRead;
    }
    if (!given) format = interchange::GuessFormat(bytes);

    const bool append = args.Has("--append");
    // Loaded whole, so that a scrambled questionnaire stays scrambled.
    CTest test = append ? LoadTypedTest(errors, out) : CTest(errors);
    if (append) {
        if (test.Error() != 0) return test.Error();
    } else if (PathExists(CStringa(out))) {
        // An import never replaces a questionnaire: --append adds to it.
        std::fprintf(stderr, "tsttool: %s esiste gi\xC3\xA0: con --append le domande si aggiungono\n", out);
        return kFileExists;
    } else {
        test.SetPathName(CStringa(out));
        test.GetParams().Name = CStringa(std::filesystem::path(in).stem().string().c_str());
    }

    interchange::Imported imported = interchange::Import(bytes, format, errors);
    if (imported.error != 0) {
        PrintWarnings(imported.warnings);
        PrintLine(std::string("tsttool: ") + in + ": " + imported.message);
        return imported.error;
    }
    interchange::SaveImages(imported, FolderOf(out));
    interchange::AppendQuestions(test, imported);
    PrintWarnings(imported.warnings);
    return test.SaveTo(CStringa(out), append ? 1 : 0);
}

int RunExportCommand(int argc, char** argv, CErrore* errors)
{
    bool given = false;
    Format format = Format::Gift;
    Arguments args;
    if (!TakeFormat(argc, argv, &given, &format) || !ReadArguments(argc, argv, {}, 2, &args) ||
        args.files.size() != 2) {
        std::fputs(kExportUsage, stderr);
        return kUsageError;
    }
    const char* in = args.files[0];
    const std::string out = args.files[1];
    if (!given) format = interchange::FormatOfFileName(out);
    CTest test = LoadTypedTest(errors, in);
    if (test.Error() != 0) return test.Error();
    const interchange::Exported exported = interchange::Export(test, format, FolderOf(in));
    PrintWarnings(exported.warnings);
    if (exported.error == interchange::kFormatUnavailable) {
        std::fprintf(stderr, "tsttool: questo tsttool \xC3\xA8 senza il formato %s\n",
                     interchange::FormatName(format));
        return exported.error;
    }
    if (exported.error != 0) {
        std::fprintf(stderr, "tsttool: %s: nessuna domanda da esportare in %s\n", in,
                     interchange::FormatName(format));
        return exported.error;
    }
    if (ReplaceFile(CStringa(out.c_str()), exported.bytes, true) != ReplaceResult::Written) {
        std::fprintf(stderr, "tsttool: %s non si scrive\n", out.c_str());
        return kCannotCreate;
    }
    return 0;
}

}  // namespace quadrivo::tsttool
