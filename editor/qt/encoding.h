#ifndef QUADRIVO_EDITOR_QT_ENCODING_H
#define QUADRIVO_EDITOR_QT_ENCODING_H

#include <QString>
#include <string>

namespace quadrivo::editor {

// The model holds Windows-1252 bytes; widgets hold QString. These are the
// only conversions between the two. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same number, so that every byte of a file comes back unchanged.
QString FromWindows1252(const std::string& bytes);
// False (and bytes unchanged) when text holds a character that
// Windows-1252 cannot store, or a NUL.
bool ToWindows1252(const QString& text, std::string& bytes);

// A message for a message box, Windows-1252 like every message of the
// editor and of the file library; CR LF line breaks become the widgets' LF.
QString MessageText(const std::string& bytes);

// File names, command lines and settings are not questionnaire text: they
// go to the operating system as its own 8-bit file-name encoding (UTF-8 on
// POSIX systems, the ANSI code page on Windows).
std::string ToNativeBytes(const QString& text);
QString FromNativeBytes(const std::string& bytes);

}  // namespace quadrivo::editor

#endif
