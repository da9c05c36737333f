#ifndef QUADRIVO_TEXT_ENUMERAZIONI_H
#define QUADRIVO_TEXT_ENUMERAZIONI_H

#include <cstddef>
#include <string_view>

#include "text/stringa.h"

namespace quadrivo {

// The settings of a question as they are written in questionnaire files.
// The enumerations are scoped (TQue::SingleText, TAdd::None). Each has a converter to its written word (the
// enumeration's name + "_sconosciuto" for a value out of range) and one from a word (compared lower-cased;
// every unknown word gives the fallback value, so reading never fails).

// The kind of a question; also stored with a student's answer.
enum class TQue {
    MultipleAnswer = 0,
    SingleNumber = 1,
    SingleText = 2,
    SortItem = 3,
    AssociateWord = 4,
    FreeText = 5,
    Information = 6,  // fallback
};

// One correct choice or several.
enum class TSel { Single = 0, Multiple = 1 /* fallback */ };

enum class THint { Natural = 0, Casual = 1, List = 2, NoHint = 3 /* fallback */ };

// How a choice is marked.
enum class TTypeSel { Sign = 0, YesNo = 1, TrueFalse = 2 /* fallback */ };

// What a choice question may add: nothing, a text or a number entry.
enum class TAdd { None = 0, Text = 1, Number = 2 /* fallback */ };

CStringa TQueText(TQue value);
TQue TQueFromText(const CStringa& word);
TQue TQueFromText(std::string_view word);
CStringa TSelText(TSel value);
TSel TSelFromText(const CStringa& word);
CStringa THintText(THint value);
THint THintFromText(const CStringa& word);
CStringa TTypeSelText(TTypeSel value);
TTypeSel TTypeSelFromText(const CStringa& word);
CStringa TAddText(TAdd value);
TAdd TAddFromText(const CStringa& word);

// The same written words as views of constants, for writers that join them
// into a larger text without making a string of each.
std::string_view TQueWord(TQue value);
std::string_view TSelWord(TSel value);
std::string_view THintWord(THint value);
std::string_view TTypeSelWord(TTypeSel value);
std::string_view TAddWord(TAdd value);

// Each enumeration has its written words indexed by value and the values a
// word is read as, tried in a fixed order. The fallback is not among them:
// every word that matches none of them reads as the fallback, its own word
// included.
template <typename E, std::size_t N>
std::string_view WordOf(E value, const std::string_view (&words)[N], std::string_view unknown)
{
    const int n = static_cast<int>(value);
    return n < 0 || n >= static_cast<int>(N) ? unknown : words[n];
}

template <typename E, std::size_t N, std::size_t M>
E ValueOf(std::string_view word, const std::string_view (&words)[N], const E (&readOrder)[M], E fallback)
{
    for (E value : readOrder)
        if (SameFolded(word, words[static_cast<int>(value)])) return value;
    return fallback;
}

// A written word as a string of the files.
inline CStringa WordText(std::string_view word)
{
    return CStringa(word.data(), static_cast<unsigned>(word.size()));
}

}  // namespace quadrivo

#endif
