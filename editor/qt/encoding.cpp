#include "editor/qt/encoding.h"

#include <QFile>
#include <QStringDecoder>
#include <array>

namespace quadrivo::editor {

namespace {

// Windows-1252 from 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t CharOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

// The byte of a character, or -1 when Windows-1252 has none.
int ByteOf(char16_t c)
{
    if (c == 0) return -1;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

}  // namespace

QString FromWindows1252(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) text.append(QChar(CharOf(static_cast<unsigned char>(byte))));
    return text;
}

bool ToWindows1252(const QString& text, std::string& bytes)
{
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const int byte = ByteOf(c.unicode());
        if (byte < 0) return false;
        result += static_cast<char>(byte);
    }
    bytes = std::move(result);
    return true;
}

QString MessageText(const std::string& bytes)
{
    QString text = FromWindows1252(bytes);
#ifndef Q_OS_WIN
    // Messages of the file library carry file names, which here are UTF-8
    // rather than Windows-1252. Questionnaire text with an accented letter
    // is practically never valid UTF-8, so a message that decodes cleanly
    // is taken as UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArray::fromStdString(bytes));
    if (!utf8.hasError()) text = decoded;
#endif
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string ToNativeBytes(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

QString FromNativeBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace quadrivo::editor
