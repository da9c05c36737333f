#include "text/enumerazioni.h"

#include <gtest/gtest.h>

namespace quadrivo {

namespace {

// Every value reads back from its word in any case; quoted and unknown words
// read as the last value; a number out of range writes "_sconosciuto".
template <typename E>
void ExpectConverters(CStringa (*text)(E), E (*fromText)(const CStringa&), int count, const char* unknown)
{
    const E last = static_cast<E>(count - 1);
    for (int n = 0; n < count; ++n) {
        const CStringa word = text(static_cast<E>(n));
        EXPECT_EQ(fromText(Lower(word)), static_cast<E>(n)) << word.CStr();
        EXPECT_EQ(fromText("\"" + word + "\""), last) << word.CStr();
    }
    EXPECT_EQ(fromText("qualcosa"), last);
    EXPECT_EQ(text(static_cast<E>(count)), CStringa(unknown));
}

TEST(Enumerazioni, WordsReadBackAndUnknownWordsGiveTheLastValue)
{
    ExpectConverters(TQueText, TQueFromText, 7, "TQue_sconosciuto");
    ExpectConverters(TSelText, TSelFromText, 2, "TSel_sconosciuto");
    ExpectConverters(THintText, THintFromText, 4, "THint_sconosciuto");
    ExpectConverters(TTypeSelText, TTypeSelFromText, 3, "TTypeSel_sconosciuto");
    ExpectConverters(TAddText, TAddFromText, 3, "TAdd_sconosciuto");
}

}  // namespace

}  // namespace quadrivo
