#ifndef QUADRIVO_TEXT_BLOCCO_H
#define QUADRIVO_TEXT_BLOCCO_H

#include "text/stringa.h"

namespace quadrivo {

class CErrore;

// A block of file text with the reporter that errors found in it go to and
// the file lines it came from. errors is not owned and must outlive the block.
class CBlocco {
public:
    explicit CBlocco(CErrore* errors);
    CBlocco(CErrore* errors, const char* text);
    CBlocco(const CBlocco& other) = default;
    CBlocco& operator=(const CBlocco& other) = default;

    void SetLines(int first, int last);
    bool operator==(const CStringa& text) const { return Text == text; }

    CStringa Text;
    CErrore* Errors;
    int FirstLine = 1;
    int LastLine = 1;
};

// One name = value item of a parameter list. Readers keep PARAM_CAPACITY of
// them in a local array.
struct CParametro {
    CStringa Name;
    CStringa Value;
};

constexpr unsigned PARAM_CAPACITY = 50;

// Cuts the content of <name>...</name> (tag names without regard to case) out
// of in.Text, searching from start, into out.Text (untrimmed). open becomes
// the first position of the content, close the position of the closing tag.
// Returns 0, 6 (no opening tag) or 7 (no closing tag); on failure out.Text is
// unchanged and, with report, error 9 (in's lines) then 6 or 7 (name) go to
// in.Errors. out's lines are set to in's in every case. A student answer
// "Ans" whose whole content is "IsValid = No" gets ", IsCorrect = Late"
// appended: such a record is a late answer.
int GetTag(const CBlocco& in, const CStringa& name, CBlocco& out, unsigned start, unsigned& open,
           unsigned& close, bool report);
int GetTag(const CBlocco& in, const CStringa& name, CBlocco& out, unsigned start, unsigned& open,
           unsigned& close);

// A stretch Begin..End (End excluded) of a block's text: a record or one of
// its parts, cut out without copying it. The block must outlive it and its
// text must not change while it is used.
struct CTratto {
    const CBlocco* Block;
    unsigned Begin;
    unsigned End;
};

// GetTag on the stretch in, as on a block holding only that text: positions
// are counted from in.Begin, errors are reported as GetTag reports them, and
// out becomes the content's stretch (unchanged on failure). The late-answer
// rule of "Ans" records does not apply.
int FindTag(const CTratto& in, const CStringa& name, CTratto& out, unsigned start, unsigned& open,
            unsigned& close, bool report);
// The stretch's characters into text, reusing its buffer as Extract does.
void CopyText(const CTratto& stretch, CStringa& text);
// The stretch's characters without the white space around them, as Trim
// leaves them.
CStringa TrimmedText(const CTratto& stretch);

// Removes every "<!" ... ">" comment from the block's text.
void StripComments(CBlocco& block);
// The same on length characters of text, in place, in one pass: returns the
// length of what is left.
unsigned RemoveComments(char* text, unsigned length);

// Splits a parameter list into at most PARAM_CAPACITY pairs (pairs must hold
// that many, and may be reused: each of the first count is set whole). Names
// and unquoted values arrive lower-cased; quoted values keep their quotes and
// case; a name without a value gets the empty value. Always returns 0.
int ParseParams(const CStringa& text, CParametro* pairs, unsigned& count);

}  // namespace quadrivo

#endif
