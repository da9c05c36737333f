#ifndef QUADRIVO_TSTFILE_ESPORTACSV_H
#define QUADRIVO_TSTFILE_ESPORTACSV_H

#include <optional>
#include <string>

#include "text/stringa.h"

namespace quadrivo {

class CErrore;
class CTest;
struct CAnalisi;

// The results of a test as spreadsheet files that open by double click in
// an Italian locale: fields separated by ';', numbers with a decimal comma,
// UTF-8 text behind a byte order mark, lines ended by CR LF, and a field
// quoted (its quotes doubled) when it holds a ';', a quote or a line break.
// A text field that a spreadsheet would take for a formula (=, +, -, @) is
// written behind an apostrophe, so that a student's name never runs as one.

// One row per student record in file order: name, total, time (h:mm:ss),
// then per question of the analysis its points (empty where the record
// holds no valid answer) and its judgement.
std::string StudentsCsv(CTest& test, const CAnalisi& analysis);

// One row per question of the analysis: its number and text, the answers,
// the figures ("—" where undefined), the judgements, the put-offs and the
// flags.
std::string ItemsCsv(CTest& test, const CAnalisi& analysis);

// Replaces path with text only once all of it is on disk. Returns 0, or
// kCannotCreate reported to errors with the path.
int WriteCsvFile(const CStringa& path, const std::string& text, CErrore* errors);

// x with at most two decimals and a decimal comma, trailing zeros dropped:
// 5.5 gives "5,5", 66.6667 gives "66,67", -0.001 gives "0".
std::string DecimalText(double x);
// The same for a figure that may be undefined: "—" then.
std::string FigureText(const std::optional<double>& x);

}  // namespace quadrivo

#endif
