#include "text/utilita.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <numeric>
#include <ostream>
#include <random>

namespace quadrivo {

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

namespace {

std::mt19937& Generator()
{
    static std::mt19937 generator(std::random_device{}() ^ static_cast<unsigned>(std::time(nullptr)));
    return generator;
}

}  // namespace

void Randomize()
{
    Generator().seed(std::random_device{}() ^ static_cast<unsigned>(std::time(nullptr)));
}

void SeedRandom(unsigned seed)
{
    Generator().seed(seed);
}

int Random(int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(Generator());
}

void RandomPermutation(int* order, int n)
{
    if (n <= 0) return;
    std::iota(order, order + n, 0);
    std::shuffle(order, order + n, Generator());
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
CStringa ExactOr(CStringa usual, Real x)
{
    // NaN equals nothing: its usual "nan" is as good as any.
    if (static_cast<Real>(usual.ToDouble()) == x || x != x) return usual;
    return Shortest(x);
}

// A whole number has the same text in "%f" without its decimals as in
// plain digits, which are much quicker to make; -0 keeps its sign.
bool IsPlainWhole(double x)
{
    return x == std::trunc(x) && std::fabs(x) < 1e15 && !(x == 0 && std::signbit(x));
}

CStringa WholeText(double x)
{
    char buf[24];
    *std::to_chars(buf, buf + sizeof buf - 1, static_cast<long long>(x)).ptr = '\0';
    return CStringa(buf);
}

}  // namespace

CStringa ExactDecimal(double x)
{
    if (IsPlainWhole(x)) return WholeText(x);
    return ExactOr(CStringa(x), x);
}

CStringa ExactDecimal(float x)
{
    if (IsPlainWhole(x)) return WholeText(x);
    return ExactOr(CStringa(static_cast<double>(x)), x);
}

void AppendExactDecimal(std::string& text, float x)
{
    if (IsPlainWhole(x)) {
        char buf[24];
        text.append(buf, std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x)).ptr);
        return;
    }
    const CStringa decimal = ExactDecimal(x);
    text.append(decimal.CStr(), decimal.Length());
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

}  // namespace quadrivo
