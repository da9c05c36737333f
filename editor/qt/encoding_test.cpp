#include "editor/qt/encoding.h"

#include <gtest/gtest.h>

#include "text/errore.h"

namespace quadrivo::editor {

namespace {

TEST(EncodingTest, EveryByteComesBackUnchanged)
{
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(ToWindows1252(FromWindows1252(bytes), back));
    EXPECT_EQ(back, bytes);
}

struct CharCase {
    unsigned char byte;
    char16_t unicode;
};

TEST(EncodingTest, HighControlRangeUsesTheCodePageTable)
{
    const CharCase cases[] = {
        {0x80, u'\u20AC'}, {0x85, u'\u2026'}, {0x8C, u'\u0152'}, {0x92, u'\u2019'},
        {0x96, u'\u2013'}, {0x9F, u'\u0178'}, {0xE0, u'\u00E0'}, {0xB7, u'\u00B7'},
    };
    for (const CharCase& c : cases) {
        const QString text = FromWindows1252(std::string(1, static_cast<char>(c.byte)));
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), c.unicode) << int(c.byte);
    }
}

TEST(EncodingTest, CharactersOutsideTheCodePageAreRefused)
{
    for (const QString& text : {QStringLiteral("\u0101"), QStringLiteral("\u03A9mega"),
                                QStringLiteral("ok \U0001F600"), QString(QChar(0))}) {
        std::string bytes = "unchanged";
        EXPECT_FALSE(ToWindows1252(text, bytes));
        EXPECT_EQ(bytes, "unchanged");
    }
}

TEST(EncodingTest, AccentedItalianIsStoredAsSingleBytes)
{
    std::string bytes;
    ASSERT_TRUE(ToWindows1252(QStringLiteral("Proprietà più €"), bytes));
    EXPECT_EQ(bytes, "Propriet\xe0 pi\xf9 \x80");
}

TEST(EncodingTest, MessageTextTakesCrLfAsOneLineBreak)
{
    EXPECT_EQ(MessageText("Errore nell'eseguire il comando\r\nrun \"x.tst\""),
              QStringLiteral("Errore nell'eseguire il comando\nrun \"x.tst\""));
}

// The library's messages are Windows-1252 throughout: a questionnaire's text
// as it is, a file name turned from the system's encoding.
TEST(EncodingTest, MessageTextShowsAccentsOfTextAndOfFileNames)
{
    struct Last : ErrorPresenter {
        void Present(int, const CStringa& message) override { text = message.CStr(); }
        std::string text;
    } last;
    mkErrore errors(last);
    Report(&errors, kMissingTag, CStringa("<perch\xe9>"));
    EXPECT_EQ(MessageText(last.text), QString::fromUtf8("Tag <perch\u00e9> errato"));
#ifndef Q_OS_WIN
    Report(&errors, kCannotRead, CStringa("perch\xc3\xa9.tst"));
    EXPECT_EQ(MessageText(last.text),
              QString::fromUtf8("Problemi nella lettura del file \"perch\u00e9.tst\""));
#endif
}

}  // namespace

}  // namespace quadrivo::editor
