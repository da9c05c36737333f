#ifndef QUADRIVO_MODEL_PARTEST_H
#define QUADRIVO_MODEL_PARTEST_H

#include <iosfwd>

#include "text/stringa.h"

namespace quadrivo {

class CErrore;
class CLettore;
struct CParametro;

// The general parameters of a test and its illustrative text: the <ParTest>
// record and the <TextTest> section of a questionnaire file. A plain record:
// the fields are the file's keywords. Flags hold 0 or 1; ForceAns, ViewHint,
// ViewComm, StudComm and Exit are kept for the test runner and not
// interpreted here.
class CParTest {
public:
    explicit CParTest(CErrore* errors);
    CParTest(const CParTest& other) = default;  // copies Errors too
    CParTest& operator=(const CParTest& other) = default;

    bool operator==(const CParTest& other) const;  // every field but Errors
    bool operator!=(const CParTest& other) const { return !(*this == other); }

    // Reads the "partest" and "texttest" sections from the reader, with
    // reports; 0 or the first error code.
    int ReadParams(CLettore& reader);
    // Applies the pairs of a parsed <ParTest> list; 10 when a name is unknown
    // (reported once per name, the later pairs still applied), else 0.
    int ApplyParTest(const CParametro* pairs, unsigned count);
    // The eleven lines from "<ParTest>" to "</TextTest>".
    void WriteParams(std::ostream& out, int scrambled) const;

    CErrore* Errors;
    CStringa Name;
    int Random = 0;
    int Save = 0;
    int Time = 0;  // minutes
    int ViewScore = 1;
    int Exit = 1;
    int AskConfirm = 0;
    int CorrectAnswer = 1;
    int SendBack = 0;  // how many times an answer may be put off
    CStringa Password;
    int MaxQue = 0;  // questions asked by a run; 0 means all
    int ForceAns = 0;
    int ViewHint = 1;
    int ViewComm = 1;
    int StudComm = 0;
    CStringa ClassTest;
    CStringa TextTest;
};

}  // namespace quadrivo

#endif
