#ifndef QUADRIVO_STUDENT_STUDRISPO_H
#define QUADRIVO_STUDENT_STUDRISPO_H

#include "text/stringa.h"

// The judgement of a student's answer.
enum class TCorrect { No = 0, Yes = 1, Nearly = 2, Skip = 3, Late = 4, Disable = 5 /* fallback */ };

CStringa TCorrectText(TCorrect value);
TCorrect TCorrectFromText(const CStringa& word);

#endif
