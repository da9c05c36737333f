#include "editor/core/dialogtext.h"

#include <algorithm>

namespace quadrivo::editor {

std::string ToDialogText(const std::string& text, std::size_t capacity)
{
    if (capacity == 0) return "";
    const std::size_t room = capacity - 1;
    std::string result;
    result.reserve(std::min(room, text.size() + text.size() / 8));
    for (char c : text) {
        // A line break that no longer fits is left out whole: half of it
        // would come back as a lone CR.
        const std::size_t need = c == '\n' ? 2 : 1;
        if (result.size() + need > room) break;
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

std::string FromDialogText(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

}  // namespace quadrivo::editor
