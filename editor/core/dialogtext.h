#ifndef QUADRIVO_EDITOR_CORE_DIALOGTEXT_H
#define QUADRIVO_EDITOR_CORE_DIALOGTEXT_H

#include <string>

namespace quadrivo::editor {

// Long texts are stored with LF line breaks; multi-line fields take CR LF.
// ToDialogText turns every LF into CR LF, the result cut to capacity - 1
// characters. FromDialogText turns every CR LF back into LF; a CR not
// followed by LF stays.
std::string ToDialogText(const std::string& text, std::size_t capacity);
std::string FromDialogText(const std::string& text);

}  // namespace quadrivo::editor

#endif
