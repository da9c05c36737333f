#ifndef QUADRIVO_TOOLS_TSTTOOL_INTERCHANGE_H
#define QUADRIVO_TOOLS_TSTTOOL_INTERCHANGE_H

namespace quadrivo {
class CErrore;
}  // namespace quadrivo

namespace quadrivo::tsttool {

// `tsttool import IN OUT.tst [--format gift|moodle|aiken] [--append]`: the
// questions of a GIFT, Moodle XML or Aiken file (the format guessed from
// the content when not given) into a new questionnaire, or appended to an
// existing one; embedded images are written beside OUT. Each question left
// out or changed is one line "domanda N: ..." on stderr. Returns 0 when
// something was imported, else the code of the failure with its message.
int RunImportCommand(int argc, char** argv, CErrore* errors);

// `tsttool export IN.tst OUT [--format gift|moodle|aiken]`: the questions of
// a questionnaire in the format (without --format: by OUT's extension, see
// FormatOfFileName), a warning line for each question left out. Returns 0
// when the file was written.
int RunExportCommand(int argc, char** argv, CErrore* errors);

}  // namespace quadrivo::tsttool

#endif
