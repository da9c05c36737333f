#ifndef QUADRIVO_EDITOR_CORE_PROPERTIES_H
#define QUADRIVO_EDITOR_CORE_PROPERTIES_H

#include <string>

namespace quadrivo {
class CParTest;
}  // namespace quadrivo

namespace quadrivo::editor {

class Application;

// The properties dialog ("Proprietà questionario") and the illustrative-text
// dialog ("Testo illustrativo del questionario"). Both work on a copy of the
// parameters of currentTest and put it back only at Ok, which marks the test
// modified even when nothing changed.

// What the properties dialog's controls hold, Windows-1252.
struct PropertyValues {
    std::string name;
    std::string time;      // minutes allowed, as typed
    std::string sendBack;  // times an answer may be put off, as typed
    bool random = false;
    bool save = false;
    bool viewScore = false;
    bool askConfirm = false;
    bool correctAnswer = false;
    bool scrambled = false;  // "File cifrato": saved scrambled
};

// The arrows of the two number fields stop at these; a whole number typed
// up to kTypedMaximum is taken as typed.
constexpr int kTimeArrowMaximum = 120;
constexpr int kSendBackArrowMaximum = 500;
constexpr int kTypedMaximum = 32767;
// A typed name may have at most this many characters; a longer name read
// from a file is kept while it is not edited.
constexpr std::size_t kNameMaximum = 127;

PropertyValues FillPropertyDialog(const CParTest& params);
// The opening of the dialog: the parameters of currentTest and whether it
// is saved scrambled.
PropertyValues OpenPropertyDialog(const Application& app);
// A blank name keeps the old one; a number field still showing what
// FillPropertyDialog gave it keeps its value, whatever the file held; other
// number fields read as whole numbers (as 0 when they hold none: Ok checks
// them first).
void ReadPropertyDialog(const PropertyValues& values, CParTest& params);
// Ok: a name that the file could not give back or that is too long, or a
// changed number field that does not hold a whole number from 0 to
// kTypedMaximum, is refused with a message naming the field (false,
// nothing changed); otherwise the values go into currentTest.
bool PropertyDialogOk(Application& app, const PropertyValues& values);

// A signed whole number as an edit field holds it: blanks around it and a
// sign allowed; anything else, or a number beyond int, reads as 0.
int DialogNumber(const std::string& text);

// The illustrative text with CR LF line breaks, whole.
std::string FillMainTextDialog(const Application& app);
// Ok with the field's text (CR LF line breaks): a text holding "<!" or
// "</TextTest>", or too long for its section of the file, is refused with a
// message (false, nothing changed); otherwise it becomes the illustrative
// text, whole.
bool MainTextDialogOk(Application& app, const std::string& dialogText);

}  // namespace quadrivo::editor

#endif
