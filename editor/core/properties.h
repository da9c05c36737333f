#ifndef QUADRIVO_EDITOR_CORE_PROPERTIES_H
#define QUADRIVO_EDITOR_CORE_PROPERTIES_H

#include <string>

class Application;
class CParTest;

// The properties dialog ("Proprietà questionario") and the illustrative-text
// dialog ("Testo illustrativo del questionario"). Both work on a copy of the
// parameters of currentTest and put it back only at Ok, which marks the test
// modified even when nothing changed.

// What the properties dialog's controls hold, Windows-1252.
struct PropertyValues {
    std::string name;
    std::string time;       // minutes allowed, as typed
    std::string sendBack;   // times an answer may be put off, as typed
    bool random = false;
    bool save = false;
    bool viewScore = false;
    bool askConfirm = false;
    bool correctAnswer = false;
};

// The arrows of the two number fields stop at these; a typed number is
// taken as typed.
constexpr int kTimeArrowMaximum = 120;
constexpr int kSendBackArrowMaximum = 500;
// The name field holds at most this many characters.
constexpr std::size_t kNameMaximum = 127;

PropertyValues FillPropertyDialog(const CParTest& params);
// An empty name keeps the old one; a number field that does not hold a
// whole number reads as 0.
void ReadPropertyDialog(const PropertyValues& values, CParTest& params);
// Ok: a name that the file could not give back is refused with a message
// (false, nothing changed); otherwise the values go into currentTest.
bool PropertyDialogOk(Application& app, const PropertyValues& values);

// A signed whole number as an edit field holds it: blanks around it and a
// sign allowed; anything else, or a number beyond int, reads as 0.
int DialogNumber(const std::string& text);

// The illustrative text with CR LF line breaks, cut to the dialog's 5000
// characters.
std::string FillMainTextDialog(const Application& app);
// Ok with the field's text (CR LF line breaks): a text holding "<!" or
// "</TextTest>" is refused with a message (false, nothing changed);
// otherwise at most 4999 characters of it become the illustrative text.
bool MainTextDialogOk(Application& app, const std::string& dialogText);

#endif
