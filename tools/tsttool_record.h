#ifndef QUADRIVO_TOOLS_TSTTOOL_RECORD_H
#define QUADRIVO_TOOLS_TSTTOOL_RECORD_H

namespace quadrivo {
class CErrore;
}  // namespace quadrivo

namespace quadrivo::tsttool {

// `tsttool record TEST.tst --name NAME [--seconds N] ANSWER...`: judges one
// student's answers as the runner does and appends the record to the
// student file under the same lock; prints the total score.
// `tsttool record TEST.tst --recover`: appends the records left in result
// files by runs that ended without saving; prints how many.
// argv[0] is "record". Returns the exit status: 0; the load's error code;
// 2 for a command line or an answer it cannot take (nothing is written);
// 1 when another run kept the lock for a minute.
int RunRecordCommand(int argc, char** argv, CErrore* errors);

}  // namespace quadrivo::tsttool

#endif
