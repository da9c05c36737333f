#ifndef QUADRIVO_INTERCHANGE_ITEM_H
#define QUADRIVO_INTERCHANGE_ITEM_H

#include <string>
#include <vector>

#include "interchange/interchange.h"

namespace quadrivo::interchange {

// A question as the importers read it, before it becomes one of ours: the
// kind the file gave it and its texts already plain, in UTF-8. Each reader
// fills items; MakeQuestion maps them all the same way.
enum class ItemKind {
    Choice,       // right answers by weight; several when multiple
    TrueFalse,    // truth says which is right
    ShortAnswer,  // the answers are the accepted texts
    Numerical,    // the numbers with their tolerances
    Essay,
    Description,
    Unsupported,  // unsupported names the kind
};

struct ItemAnswer {
    std::string text;    // for a numerical answer, the number as written
    double weight = 0;   // the share of the mark: 1 is fully right
    bool right = false;  // the one right answer of a single choice
    double tolerance = 0;
};

struct Item {
    int number = 0;  // in the file, from 1
    int line = 0;    // where it starts, from 1
    ItemKind kind = ItemKind::Description;
    std::string unsupported;
    std::string title;
    std::string text;
    std::string category;  // "" for none
    bool multiple = false;
    bool truth = false;
    bool random = false;
    bool feedback = false;  // the file gave feedback, which we do not keep
    double mark = 1;        // the points of a fully right answer
    std::vector<ItemAnswer> answers;
    Image image;  // the first embedded image, if any
    int otherImages = 0;
    std::string malformed;  // why the reader could not take it, naming the line
};

// Turns an item into a question, or, when it cannot be one, leaves it out;
// either way the warnings go into imported.
void AddItem(const Item& item, CErrore* errors, Imported& imported);

// Each reader: the items of a file whose bytes are already UTF-8. On a
// malformed file the reader sets imported.error and message and stops.
std::vector<Item> ReadGift(const std::string& text, Imported& imported);
std::vector<Item> ReadAiken(const std::string& text, Imported& imported);
std::vector<Item> ReadMoodleXml(const std::string& text, Imported& imported);

// Each writer: the whole file of the test's questions into exported.bytes,
// a warning for each question left out or changed; returns how many
// questions it wrote.
int WriteGift(const CTest& test, Exported& exported);
int WriteAiken(const CTest& test, Exported& exported);
int WriteMoodleXml(const CTest& test, const std::string& imageFolder, Exported& exported);
// Whether this build has the Moodle XML reader and writer.
bool MoodleXmlAvailable();

// Question n of the test, below its QuestionCount(): reading it changes
// nothing.
const CDomanda& QuestionAt(const CTest& test, int n);

// The category as our questions keep it: without the platform's own
// prefixes ("$course$/top/").
std::string CategoryName(std::string_view path);
// The category path that a platform reads back as the same name.
std::string CategoryPath(std::string_view name);

}  // namespace quadrivo::interchange

#endif
