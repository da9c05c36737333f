#include "editor/qt/encoding.h"

#include <QFile>

#include "text/codifica.h"

namespace quadrivo::editor {

QString FromWindows1252(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) text.append(QChar(CharOfWindows1252(static_cast<unsigned char>(byte))));
    return text;
}

bool ToWindows1252(const QString& text, std::string& bytes)
{
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const int byte = Windows1252Of(c.unicode());
        if (byte < 0) return false;
        result += static_cast<char>(byte);
    }
    bytes = std::move(result);
    return true;
}

QString MessageText(const std::string& bytes)
{
    return FromWindows1252(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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
