#include "runner/core/commandline.h"

#include <gtest/gtest.h>

namespace quadrivo::runner {

namespace {

TEST(CommandLineTest, TheEditorsCallsAndTheMistakes)
{
    struct Row {
        std::vector<std::string> arguments;
        int question;
        const char* file;
        bool ok;
    };
    const Row rows[] = {
        {{"geografia.tst"}, -1, "geografia.tst", true},
        {{"-question", "1", "/tmp/prova 1.tst"}, 0, "/tmp/prova 1.tst", true},
        {{"-question", "12", "a.tst"}, 11, "a.tst", true},
        {{"-question", "0", "a.tst"}, -1, "", false},
        {{"-question", "a.tst"}, -1, "", false},
        {{"-question"}, -1, "", false},
        {{"a.tst", "b.tst"}, -1, "a.tst", false},
        {{"--colore", "a.tst"}, -1, "", false},
        {{}, -1, "", false},
    };
    for (const Row& row : rows) {
        const CommandLine line = ReadCommandLine(row.arguments);
        const std::string what = row.arguments.empty() ? "(nothing)" : row.arguments.back();
        EXPECT_EQ(line.error.empty(), row.ok) << what;
        if (!row.ok) continue;
        EXPECT_EQ(line.question, row.question) << what;
        EXPECT_EQ(line.file, row.file) << what;
    }
    EXPECT_TRUE(ReadCommandLine({"--help"}).help);
    EXPECT_TRUE(ReadCommandLine({"--version"}).error.empty());
}

}  // namespace

}  // namespace quadrivo::runner
