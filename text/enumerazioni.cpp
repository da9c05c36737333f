#include "text/enumerazioni.h"

#include <cstddef>

namespace quadrivo {

namespace {

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
    return WordText(TQueWord(value));
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
    return WordText(TSelWord(value));
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
    return WordText(THintWord(value));
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
    return WordText(TTypeSelWord(value));
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
    return WordText(TAddWord(value));
}
TAdd TAddFromText(const CStringa& word)
{
    return ValueOf(word.View(), kAddWords, kAddReadOrder, TAdd::Number);
}

}  // namespace quadrivo
