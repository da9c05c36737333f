#ifndef QUADRIVO_TOOLS_TSTTOOL_STATS_H
#define QUADRIVO_TOOLS_TSTTOOL_STATS_H

namespace quadrivo {
class CErrore;
}  // namespace quadrivo

namespace quadrivo::tsttool {

// `tsttool stats FILE.tst [--json]`: the class report of a questionnaire and
// its student file. argv[0] is "stats"; errors reports what the loads find.
// Returns the exit status: the first non-zero code of the two loads, else 0.
int RunStatsCommand(int argc, char** argv, CErrore* errors);

}  // namespace quadrivo::tsttool

#endif
