#ifndef QUADRIVO_EDITOR_CORE_TRANSLATE_H
#define QUADRIVO_EDITOR_CORE_TRANSLATE_H

#include "text/errore.h"

// A text the editor shows, written in UTF-8 and given in Windows-1252 in the
// user's language (a const char* that lives as long as the program). The
// name is the one Qt's lupdate collects texts by, so that the core's texts
// reach the translation files without the core seeing Qt; include this
// header in core sources only.
#define QT_TRANSLATE_NOOP(context, text) ::quadrivo::TranslatedText(context, text)

#endif
