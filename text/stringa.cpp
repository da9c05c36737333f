#include "text/stringa.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <ostream>

namespace quadrivo {

namespace {

// A buffer of count bytes, or null when memory runs out: the string is then
// left without buffer, never an exception.
std::unique_ptr<char[]> NewBuffer(unsigned count)
{
    try {
        return std::make_unique_for_overwrite<char[]>(count);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

unsigned TextLength(const char* s)
{
    return static_cast<unsigned>(std::strlen(s));
}

// Classification and folding of the C locale, written out so that a locale
// the program or its toolkit installs cannot fold or blank accented bytes of
// the Windows-1252 text.
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char LowerChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text of every empty string. Its one byte is never written: nothing
// writes at or beyond Length().
char* SharedEmpty()
{
    static char empty[1] = {'\0'};
    return empty;
}

void Put(char*& to, const char* from, unsigned count)
{
    if (count > 0) std::memcpy(to, from, count);
    to += count;
}

// The first position in from..last (both included) whose character folds to
// lowered, or last + 1.
unsigned FindFolded(const char* text, unsigned from, unsigned last, char lowered)
{
    if (lowered < 'a' || lowered > 'z') {
        // Only 'A'..'Z' fold, so any other character matches only itself.
        const void* hit = std::memchr(text + from, lowered, last + 1 - from);
        return hit ? static_cast<unsigned>(static_cast<const char*>(hit) - text) : last + 1;
    }
    while (from <= last && LowerChar(text[from]) != lowered) ++from;
    return from;
}

}  // namespace

CStringa::CStringa() : text_(SharedEmpty()) {}

CStringa::CStringa(const CStringa& s) : text_(SharedEmpty())
{
    Assign(s.text_ ? s.text_ : "", s.Length());
}

CStringa::CStringa(CStringa&& s) noexcept : text_(SharedEmpty())
{
    if (s.IsOk()) Take(s);
}

CStringa::CStringa(const char* s) : text_(SharedEmpty())
{
    Assign(s, TextLength(s));
}

CStringa::CStringa(const char* text, unsigned count) : text_(SharedEmpty())
{
    Assign(text, count);
}

CStringa::CStringa(char c) : text_(SharedEmpty())
{
    Assign(&c, 1);
}

CStringa::CStringa(int n) : text_(SharedEmpty())
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", n);
    Assign(buf, TextLength(buf));
}

CStringa::CStringa(long n) : text_(SharedEmpty())
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%ld", n);
    Assign(buf, TextLength(buf));
}

CStringa::CStringa(double x) : text_(SharedEmpty())
{
    // "%f" of the largest double has 309 integer digits: the buffer holds any
    // double, so huge scores are printed whole rather than cut.
    char buf[400];
    std::snprintf(buf, sizeof buf, "%f", x);
    unsigned n = TextLength(buf);
    const char* point = std::strchr(buf, '.');
    if (point) {
        const unsigned stop = static_cast<unsigned>(point - buf);
        while (n > stop && (buf[n - 1] == '0' || buf[n - 1] == '.')) {
            const bool wasPoint = buf[n - 1] == '.';
            --n;
            if (wasPoint) break;
        }
    }
    Assign(buf, n);
}

CStringa::~CStringa()
{
    Release();
}

void CStringa::Release()
{
    heap_.reset();
    capacity_ = 0;
    text_ = nullptr;
}

void CStringa::Take(CStringa& s) noexcept
{
    heap_ = std::move(s.heap_);
    text_ = heap_ ? heap_.get() : SharedEmpty();
    length_ = s.length_;
    capacity_ = s.capacity_;
    s.text_ = SharedEmpty();
    s.length_ = 0;
    s.capacity_ = 0;
}

void CStringa::Assign(const char* text, unsigned count)
{
    if (!Store(text, count)) Release();
}

bool CStringa::Store(const char* a, unsigned na, const char* b, unsigned nb, const char* c, unsigned nc)
{
    const unsigned total = na + nb + nc;
    if (total == 0) {
        heap_.reset();
        capacity_ = 0;
        text_ = SharedEmpty();
        length_ = 0;
        return true;
    }
    if (FitsInPlace(total + 1) && (nb + nc == 0 || !Overlaps(a, na, b, nb, c, nc))) {
        // One piece may lie anywhere in the buffer: it is moved, not copied.
        if (na > 0) std::memmove(text_, a, na);
        char* end = text_ + na;
        Put(end, b, nb);
        Put(end, c, nc);
        *end = '\0';
        length_ = total;
        return true;
    }
    // A string that already had a buffer is being assigned over and over:
    // some room to spare spares it the next allocations.
    const unsigned capacity = heap_ ? total + 1 + (total + 1) / 2 : total + 1;
    // The pieces are joined before the old text goes: they may lie in it.
    auto fresh = NewBuffer(capacity);
    if (!fresh) return false;
    char* end = fresh.get();
    Put(end, a, na);
    Put(end, b, nb);
    Put(end, c, nc);
    *end = '\0';
    heap_ = std::move(fresh);
    capacity_ = capacity;
    text_ = heap_.get();
    length_ = total;
    return true;
}

bool CStringa::FitsInPlace(unsigned bytes) const
{
    // At most about half of a reused buffer goes unused.
    return heap_ && bytes <= capacity_ && capacity_ - bytes <= bytes + 64;
}

bool CStringa::Overlaps(const char* a, unsigned na, const char* b, unsigned nb, const char* c,
                        unsigned nc) const
{
    const auto begin = reinterpret_cast<std::uintptr_t>(heap_.get());
    const auto end = begin + capacity_;
    const auto inside = [begin, end](const char* p, unsigned n) {
        const auto at = reinterpret_cast<std::uintptr_t>(p);
        return n > 0 && at < end && at + n > begin;
    };
    return inside(a, na) || inside(b, nb) || inside(c, nc);
}

CStringa& CStringa::operator=(const CStringa& s)
{
    if (this == &s || !IsOk() || !s.IsOk()) return *this;
    Assign(s.text_, s.length_);
    return *this;
}

CStringa& CStringa::operator=(CStringa&& s) noexcept
{
    if (this != &s && IsOk() && s.IsOk()) Take(s);
    return *this;
}

CStringa& CStringa::operator=(const char* s)
{
    Assign(s, TextLength(s));
    return *this;
}

CStringa& CStringa::operator+=(const CStringa& s)
{
    if (!IsOk() || !s.IsOk()) return *this;
    Store(text_, length_, s.text_, s.length_);
    return *this;
}

bool CStringa::SetText(const char* text, unsigned count)
{
    Assign(text, count);
    return IsOk();
}

const char* CStringa::At(unsigned pos) const
{
    if (!text_) return nullptr;
    return text_ + (pos > length_ ? length_ : pos);
}

char* CStringa::CopyTo(char* buf) const
{
    if (IsOk()) std::memcpy(buf, text_, length_ + 1);
    return buf;
}

// The digits and the power of ten are exact doubles, so their one quotient
// is the correctly rounded value that atof gives.
bool PlainDecimal(const char* s, unsigned length, double& value)
{
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    unsigned i = 0;
    const bool negative = length > 0 && s[0] == '-';
    if (length > 0 && (s[0] == '-' || s[0] == '+')) ++i;
    std::int64_t digits = 0;
    unsigned count = 0;
    unsigned decimals = 0;
    bool point = false;
    for (; i < length; ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            if (++count > 15) return false;
            digits = digits * 10 + (c - '0');
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (count == 0) return false;
    value = static_cast<double>(digits) / kPowers[decimals];
    if (negative) value = -value;
    return true;
}

int CStringa::ToInt() const
{
    if (!IsOk()) return 0;
    // A whole text of at most nine digits after an optional sign is read
    // here; anything else is left to atoi.
    unsigned i = length_ > 0 && (text_[0] == '-' || text_[0] == '+') ? 1 : 0;
    if (length_ == i || length_ - i > 9) return std::atoi(text_);
    int value = 0;
    for (; i < length_; ++i) {
        if (text_[i] < '0' || text_[i] > '9') return std::atoi(text_);
        value = value * 10 + (text_[i] - '0');
    }
    return text_[0] == '-' ? -value : value;
}

double CStringa::ToDouble() const
{
    if (!IsOk()) return 0.0;
    double x = 0;
    return PlainDecimal(text_, length_, x) ? x : std::atof(text_);
}

void CStringa::Extract(CStringa& dest, unsigned pos, unsigned count) const
{
    if (!IsOk() || !dest.IsOk()) return;
    if (pos > length_ || count > length_ - pos) return;
    dest.Assign(text_ + pos, count);
}

void CStringa::ExtractRange(CStringa& dest, unsigned from, unsigned to) const
{
    if (!IsOk() || to >= length_ || from > to) return;
    Extract(dest, from, to - from + 1);
}

void CStringa::Trim()
{
    if (!IsOk()) return;
    unsigned front = 0;
    while (front < length_ && IsSpace(text_[front])) ++front;
    if (front == length_) {
        Assign("", 0);
        return;
    }
    unsigned back = length_ - 1;
    while (back > front && IsSpace(text_[back])) --back;
    if (front > 0 || back + 1 < length_) ExtractRange(*this, front, back);
}

void CStringa::ReplaceChar(char a, char b)
{
    if (!IsOk()) return;
    for (unsigned i = 0; i < length_; ++i)
        if (text_[i] == a) text_[i] = b;
}

void CStringa::Remove(unsigned from, unsigned to)
{
    if (!IsOk() || from > to || to >= length_) return;
    Store(text_, from, text_ + to + 1, length_ - to - 1);
}

void CStringa::Insert(unsigned pos, char c)
{
    if (!IsOk() || pos > length_) return;
    Store(text_, pos, &c, 1, text_ + pos, length_ - pos);
}

void CStringa::Scramble()
{
    if (!IsOk()) return;
    for (unsigned i = 0; i < length_; ++i) text_[i] = ScrambleChar(text_[i]);
}

bool CStringa::Search(const CStringa& pattern, unsigned& pos, unsigned start) const
{
    if (!pattern.IsOk()) return false;
    if (!IsOk()) return false;
    pos = start;
    const unsigned n = pattern.length_;
    if (n > length_) return false;
    const unsigned last = length_ - n;
    // The first characters are compared terminator included, so an empty
    // pattern is found only where the text holds a NUL: at its end.
    const char first = LowerChar(pattern.text_[0]);
    for (pos = start; pos <= last; ++pos) {
        pos = FindFolded(text_, pos, last, first);
        if (pos > last) break;
        bool same = true;
        for (unsigned k = 1; k < n && same; ++k)
            same = LowerChar(text_[pos + k]) == LowerChar(pattern.text_[k]);
        if (same) return true;
    }
    return false;
}

bool operator==(const CStringa& a, const CStringa& b)
{
    return a.IsOk() && b.IsOk() && a.length_ == b.length_ && std::strcmp(a.text_, b.text_) == 0;
}

bool operator!=(const CStringa& a, const CStringa& b)
{
    return !(a == b);
}

bool SameFolded(const CStringa& a, const char* b)
{
    return SameFolded(a.View(), b);
}

bool SameFolded(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && LowerChar(a[i]) != LowerChar(b[i])) return false;
    return true;
}

bool operator!=(const CStringa& a, const char* b)
{
    return !(a == b);
}

bool operator>(const CStringa& a, const CStringa& b)
{
    return a.IsOk() && b.IsOk() && std::strcmp(a.text_, b.text_) > 0;
}

unsigned Length(const CStringa& s)
{
    return s.Length();
}

CStringa operator+(const CStringa& a, const CStringa& b)
{
    CStringa sum(a);
    sum += b;
    return sum;
}

CStringa operator+(const char* a, const CStringa& b)
{
    return CStringa(a) + b;
}

CStringa operator+(char a, const CStringa& b)
{
    return CStringa(a) + b;
}

std::ostream& operator<<(std::ostream& out, const CStringa& s)
{
    if (s.IsOk()) out.write(s.CStr(), s.Length());
    return out;
}

CStringa Tail(const CStringa& s, unsigned pos)
{
    CStringa result;
    if (pos < s.Length()) s.Extract(result, pos, s.Length() - pos);
    return result;
}

CStringa Slice(const CStringa& s, unsigned from, unsigned to)
{
    CStringa result;
    if (from < to && to <= s.Length()) s.Extract(result, from, to - from);
    return result;
}

CStringa Unquote(const CStringa& s)
{
    const char* text = s.CStr();
    const unsigned n = s.Length();
    const void* first = n > 0 ? std::memchr(text, '"', n) : nullptr;
    if (!first) return CStringa();
    const unsigned from = static_cast<unsigned>(static_cast<const char*>(first) - text) + 1;
    const void* second = std::memchr(text + from, '"', n - from);
    if (!second) return CStringa();
    return Slice(s, from, static_cast<unsigned>(static_cast<const char*>(second) - text));
}

CStringa Lower(const CStringa& s)
{
    CStringa result(s);
    result.ToLower();
    return result;
}

CStringa Replaced(const CStringa& s, char a, char b)
{
    CStringa result(s);
    result.ReplaceChar(a, b);
    return result;
}

int Find(const CStringa& s, const CStringa& pattern, int start)
{
    if (!pattern.IsOk() || s.Length() == 0 || pattern.Length() > s.Length() || start < 0) return -1;
    unsigned pos = 0;
    if (!s.Search(pattern, pos, static_cast<unsigned>(start))) return -1;
    return static_cast<int>(pos);
}

CStringa FileName(const CStringa& path)
{
    const CStringa unified = Replaced(path, '\\', '/');
    const unsigned n = unified.Length();
    const char* text = unified.At(0);
    if (!text) return CStringa();
    unsigned from = 0;
    for (unsigned i = 0; i < n; ++i) {
        if (text[i] == ':') {
            from = i + 1;
            break;
        }
    }
    for (unsigned i = n; i > from; --i) {
        if (text[i - 1] == '/') {
            from = i;
            break;
        }
    }
    return Tail(path, from);
}

bool HasExtension(const CStringa& path)
{
    const CStringa name = FileName(path);
    const char* text = name.At(0);
    return text && std::strchr(text, '.') != nullptr;
}

char ScrambleChar(char c)
{
    const signed char s = static_cast<signed char>(c);
    if (s >= 'A' && s <= 'M') return static_cast<char>(s + 13);
    if (s >= 'N' && s <= 'Z') return static_cast<char>(s - 13);
    if (s >= 'a' && s <= 'm') return static_cast<char>(s + 13);
    if (s >= 'n' && s <= 'z') return static_cast<char>(s - 13);
    if (s >= ' ' && s <= '"') return static_cast<char>(s + 3);
    if (s >= '#' && s <= '%') return static_cast<char>(s - 3);
    if (s >= '&' && s <= '/') return static_cast<char>(s + 10);
    if (s >= '0' && s <= '9') return static_cast<char>(s - 10);
    if (s >= ':' && s <= '<') return static_cast<char>(s + 3);
    if (s >= '=' && s <= '?') return static_cast<char>(s - 3);
    return c;
}

}  // namespace quadrivo
