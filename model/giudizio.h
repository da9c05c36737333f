#ifndef QUADRIVO_MODEL_GIUDIZIO_H
#define QUADRIVO_MODEL_GIUDIZIO_H

#include <array>

#include "student/studrispo.h"
#include "text/limiti.h"
#include "text/stringa.h"

namespace quadrivo {

class CDomanda;

// What a student gave for one question: the marks on the choices, by the
// answers' storage index, or the text typed (a number's text too). Skipped
// is set when the student chose to skip the question.
struct CReplica {
    std::array<bool, MAX_ANSWERS> Marked{};
    CStringa Typed;
    bool Skipped = false;
};

// A judgement with the points it earns.
struct CGiudizio {
    TCorrect Judgement = TCorrect::Disable;
    float Score = 0;
};

// Whether a run can ask a question of this kind and judge the reply:
// choices, numbers and texts. The other kinds are shown as text only.
bool IsJudgedKind(TQue type);

// Reads a number typed with ',' or '.' as the decimal separator, blanks
// around it allowed. False, x untouched, when the text is not a whole number
// (trailing letters, two separators, nothing at all) or is not finite.
bool ReadTypedNumber(const CStringa& text, double* x);

// The number of single-character insertions, deletions and substitutions
// that turn a into b, when it is at most limit; limit + 1 otherwise (the
// work stops as soon as the limit is exceeded). limit below 0 counts as 0.
int EditDistance(const CStringa& a, const CStringa& b, int limit);

// The judgement of reply to q. Skipped, or nothing marked or typed: Skip
// with ScoreIfSkip. late (confirmed after the question's time): Late with
// ScoreIfLate, whatever was given. A kind that is not judged: Disable with 0
// points. Otherwise the rules of the kind: the points of the marked answers
// for choices; NumOk within a relative 1e-9, or Precision, for numbers (a
// text that is not a number is wrong); TextOk, trimmed and lower-cased, or
// within Precision edits, for texts.
CGiudizio Judge(const CDomanda& q, const CReplica& reply, bool late);

// Judges reply and stores it in answer, which becomes valid: the kind, what
// was given (the choices with their display positions, the number or the
// text), the judgement and the points, added to those already there (put
// offs). Returns the judgement.
CGiudizio RecordReply(const CDomanda& q, const CReplica& reply, bool late, CStudRispo& answer);

}  // namespace quadrivo

#endif
