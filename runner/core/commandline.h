#ifndef QUADRIVO_RUNNER_CORE_COMMANDLINE_H
#define QUADRIVO_RUNNER_CORE_COMMANDLINE_H

#include <string>
#include <vector>

namespace quadrivo::runner {

// What the runner was asked to do: `quadrivo FILE.tst` (the whole test),
// `quadrivo -question N FILE.tst` (question N alone, counted from 1 in the
// file's order), `--help`, `--version`.
struct CommandLine {
    bool help = false;
    bool version = false;
    int question = -1;  // storage index of the question tried out, or -1
    std::string file;
    std::string error;  // why the arguments cannot be taken; empty when they can
};

// arguments: without the program's name.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
extern const char kRunnerUsage[];

}  // namespace quadrivo::runner

#endif
