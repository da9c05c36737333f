#include "text/utilita.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <ostream>

bool FileExists(const CStringa& name)
{
    if (!name.IsOk()) return false;
    std::FILE* file = std::fopen(name.CStr(), "r");
    if (!file) return false;
    std::fclose(file);
    return true;
}

void CreateIfMissing(const CStringa& name)
{
    if (!name.IsOk() || FileExists(name)) return;
    std::ofstream created(name.CStr());
}

void Randomize()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

int Random(int lo, int hi)
{
    const long long span = static_cast<long long>(hi) - lo + 1;
    return static_cast<int>(std::rand() % span + lo);
}

void RandomPermutation(int* order, int n)
{
    for (int i = 0; i < n; ++i) order[i] = -1;
    int k = 0;
    while (k < n) {
        const int j = Random(0, n - 1);
        if (order[j] == -1) order[j] = k++;
    }
}

namespace {

// The shortest text of x that reads back as x; for a float, also when read
// as a double and then narrowed, which the shortest float text nearly always
// does (the double's own text is the fallback).
template <typename Real>
CStringa Shortest(Real x)
{
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf - 1, x).ptr;
    *end = '\0';
    if (static_cast<Real>(std::atof(buf)) == x) return CStringa(buf);
    *std::to_chars(buf, buf + sizeof buf - 1, static_cast<double>(x)).ptr = '\0';
    return CStringa(buf);
}

template <typename Real>
CStringa ExactOr(const CStringa& usual, Real x)
{
    // NaN equals nothing: its usual "nan" is as good as any.
    if (static_cast<Real>(usual.ToDouble()) == x || x != x) return usual;
    return Shortest(x);
}

}  // namespace

CStringa ExactDecimal(double x)
{
    return ExactOr(CStringa(x), x);
}

CStringa ExactDecimal(float x)
{
    return ExactOr(CStringa(static_cast<double>(x)), x);
}

CStringa ExactGeneral(float x)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(x));
    return ExactOr(CStringa(buf), x);
}

double Round(double x, int decimals)
{
    double factor = 1.0;
    for (int i = 0; i < decimals; ++i) factor *= 10.0;
    double y = x * factor;
    y += y > 0 ? 0.5 : -0.5;
    // Converting a value outside the int range is undefined; such values are
    // truncated as doubles instead, which is what the int cut does in range.
    if (!(y > INT_MIN - 1.0 && y < INT_MAX + 1.0)) return std::trunc(y) / factor;
    return static_cast<int>(y) / factor;
}

char PathSeparator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

CStringa DirOf(const CStringa& path)
{
    const unsigned n = path.Length();
    const char* text = path.CStr();
    for (unsigned i = n; i > 0; --i) {
        if (text[i - 1] == '\\' || text[i - 1] == '/') {
            CStringa dir;
            path.Extract(dir, 0, i);
            return dir;
        }
    }
    return CStringa();
}

std::ostream& WriteText(std::ostream& out, CStringa& text, int scrambled)
{
    if (scrambled == 1) text.Scramble();
    return out << text;
}

std::ostream& WriteLine(std::ostream& out, CStringa& text, int scrambled)
{
    return WriteText(out, text, scrambled) << std::endl;
}
