#ifndef QUADRIVO_TEXT_UTILITA_H
#define QUADRIVO_TEXT_UTILITA_H

#include <iosfwd>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "text/stringa.h"

namespace quadrivo {

// An object made on the heap, or null when memory runs out: callers turn
// null into their error code, so that no exception escapes the library.
template <typename T, typename... Args>
std::unique_ptr<T> MakeOrNull(Args&&... args)
{
    try {
        return std::make_unique<T>(std::forward<Args>(args)...);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// Appends item to list (a std::vector); false, list unchanged, when memory
// runs out.
template <typename List, typename Item>
bool AppendOrFail(List& list, Item&& item)
{
    try {
        list.push_back(std::forward<Item>(item));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool FileExists(const CStringa& name);       // the file opens for reading
void CreateIfMissing(const CStringa& name);  // an empty file; failures are silent

// The program's one random generator, seeded once from the system at its
// first use. Randomize seeds it afresh from the system; SeedRandom fixes its
// sequence, for tests.
void Randomize();
void SeedRandom(unsigned seed);
int Random(int lo, int hi);  // lo..hi; requires hi >= lo
// order[0..n-1] becomes a random permutation of 0..n-1.
void RandomPermutation(int* order, int n);
// Halves round away from zero; x * 10^decimals must fit in an int.
double Round(double x, int decimals);

char PathSeparator();  // '/' on POSIX, '\' on Windows
// The directory part of path, its last separator ('\' or '/') included;
// empty when there is none.
CStringa DirOf(const CStringa& path);

// Numbers as the files write them. Each keeps the form files have always
// had whenever that form reads back (ToDouble) to the very same value, and
// otherwise gives the shortest text that does: 4e-07 rather than "0".
// ExactDecimal: "%f" without trailing zeros, as in questionnaires (a float
// is read back as a double and narrowed); ExactGeneral: six significant
// digits in general notation, as in student records.
CStringa ExactDecimal(double x);
CStringa ExactDecimal(float x);
CStringa ExactGeneral(float x);
// ExactDecimal(x) added to the end of text; a whole number makes no string
// of its own on the way.
void AppendExactDecimal(std::string& text, float x);

// Write text (scrambled in place first when scrambled is 1); WriteLine then
// ends the line and flushes.
std::ostream& WriteText(std::ostream& out, CStringa& text, int scrambled);
std::ostream& WriteLine(std::ostream& out, CStringa& text, int scrambled);

}  // namespace quadrivo

#endif
