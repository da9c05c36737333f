#include "text/enumerazioni.h"

#include <cstddef>

namespace quadrivo {

namespace {

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

CStringa Text(std::string_view word)
{
    return CStringa(word.data(), static_cast<unsigned>(word.size()));
}

template <typename E, std::size_t N, std::size_t M>
E ValueOf(std::string_view word, const std::string_view (&words)[N], const E (&readOrder)[M], E fallback)
{
    for (E value : readOrder) {
        if (SameFolded(word, words[static_cast<int>(value)])) return value;
    }
    return fallback;
}

constexpr std::string_view kQueWords[] = {"MultipleAnswer", "SingleNumber", "SingleText", "SortItem",
                                          "AssociateWord",  "FreeText",     "Information"};
const TQue kQueReadOrder[] = {TQue::SingleNumber, TQue::SingleText,    TQue::MultipleAnswer,
                              TQue::SortItem,     TQue::AssociateWord, TQue::FreeText};

constexpr std::string_view kSelWords[] = {"Single", "Multiple"};
const TSel kSelReadOrder[] = {TSel::Single};

constexpr std::string_view kHintWords[] = {"Natural", "Casual", "List", "NoHint"};
const THint kHintReadOrder[] = {THint::Natural, THint::Casual, THint::List};

constexpr std::string_view kTypeSelWords[] = {"Sign", "YesNo", "TrueFalse"};
const TTypeSel kTypeSelReadOrder[] = {TTypeSel::Sign, TTypeSel::YesNo};

constexpr std::string_view kAddWords[] = {"None", "Text", "Number"};
const TAdd kAddReadOrder[] = {TAdd::None, TAdd::Text};

}  // namespace

std::string_view TQueWord(TQue value)
{
    return WordOf(value, kQueWords, "TQue_sconosciuto");
}
CStringa TQueText(TQue value)
{
    return Text(TQueWord(value));
}
TQue TQueFromText(const CStringa& word)
{
    return TQueFromText(word.View());
}
TQue TQueFromText(std::string_view word)
{
    return ValueOf(word, kQueWords, kQueReadOrder, TQue::Information);
}

std::string_view TSelWord(TSel value)
{
    return WordOf(value, kSelWords, "TSel_sconosciuto");
}
CStringa TSelText(TSel value)
{
    return Text(TSelWord(value));
}
TSel TSelFromText(const CStringa& word)
{
    return ValueOf(word.View(), kSelWords, kSelReadOrder, TSel::Multiple);
}

std::string_view THintWord(THint value)
{
    return WordOf(value, kHintWords, "THint_sconosciuto");
}
CStringa THintText(THint value)
{
    return Text(THintWord(value));
}
THint THintFromText(const CStringa& word)
{
    return ValueOf(word.View(), kHintWords, kHintReadOrder, THint::NoHint);
}

std::string_view TTypeSelWord(TTypeSel value)
{
    return WordOf(value, kTypeSelWords, "TTypeSel_sconosciuto");
}
CStringa TTypeSelText(TTypeSel value)
{
    return Text(TTypeSelWord(value));
}
TTypeSel TTypeSelFromText(const CStringa& word)
{
    return ValueOf(word.View(), kTypeSelWords, kTypeSelReadOrder, TTypeSel::TrueFalse);
}

std::string_view TAddWord(TAdd value)
{
    return WordOf(value, kAddWords, "TAdd_sconosciuto");
}
CStringa TAddText(TAdd value)
{
    return Text(TAddWord(value));
}
TAdd TAddFromText(const CStringa& word)
{
    return ValueOf(word.View(), kAddWords, kAddReadOrder, TAdd::Number);
}

}  // namespace quadrivo
