#ifndef QUADRIVO_TEXT_CODIFICA_H
#define QUADRIVO_TEXT_CODIFICA_H

#include <string>
#include <string_view>

namespace quadrivo {

// Windows-1252, the encoding of the text in questionnaire and student files
// and in the model. The five bytes it leaves undefined (0x81, 0x8D, 0x8F,
// 0x90 and 0x9D) stand for the control characters of the same number, so
// that every byte of a file comes back unchanged.

// The character of a byte.
char16_t CharOfWindows1252(unsigned char byte);
// The byte of a character, or -1 when Windows-1252 has none (NUL included:
// the model's strings end at it).
int Windows1252Of(char32_t c);

// How the five undefined bytes come out in UTF-8.
enum class UndefinedBytes {
    AsControls,     // the C1 control of the same number: nothing is lost
    AsReplacement,  // U+FFFD: no control character reaches a terminal
};

std::string Utf8FromWindows1252(std::string_view bytes,
                                UndefinedBytes undefined = UndefinedBytes::AsControls);
// UTF-8 text, such as a file name of a POSIX system, in Windows-1252: a
// character it lacks becomes '?', and a byte that is not UTF-8 is kept as it
// is (it was most likely Windows-1252 already).
std::string Windows1252FromUtf8(std::string_view utf8);

}  // namespace quadrivo

#endif
