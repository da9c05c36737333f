#include "text/lettore.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <utility>

#include "text/blocco.h"
#include "text/errore.h"
#include "text/scansione.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <tmmintrin.h>
#define QUADRIVO_BYTE_TABLES 1
#endif

namespace quadrivo {

namespace {

// Tags are matched folding only 'A'..'Z', whatever locale the program runs under.
unsigned char LowerByte(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

unsigned char LowerAt(const CStringa& s, unsigned i)
{
    return LowerByte(static_cast<unsigned char>(*s.At(i)));
}

enum class ReadResult { Read, CannotRead, NoMemory };

// The whole file into text. Some systems open a folder as if it were a file
// and fail only at the first read: such a name counts as a file that cannot
// be read, not as an empty one. A read that fails later ends the text there.
ReadResult ReadWholeFile(const CStringa& name, std::string& text)
{
    text.clear();
    std::FILE* stream = std::fopen(name.CStr() ? name.CStr() : "", "r");
    if (!stream) return ReadResult::CannotRead;
    ReadResult result = ReadResult::Read;
    try {
        // The size is only a guess: the file may change while it is read.
        // One more byte than it says shows the end in the first read; the
        // rest of a file that grew comes in chunks.
        std::error_code unknown;
        const auto size = std::filesystem::file_size(name.CStr() ? name.CStr() : "", unknown);
        std::size_t want =
            !unknown && size < text.max_size() / 2 ? static_cast<std::size_t>(size) + 1 : 1 << 16;
        for (;;) {
            const std::size_t have = text.size();
            text.resize(have + want);
            const std::size_t got = std::fread(text.data() + have, 1, want, stream);
            text.resize(have + got);
            if (got < want) break;
            want = 1 << 16;
        }
        if (text.empty() && std::ferror(stream)) result = ReadResult::CannotRead;
    } catch (const std::bad_alloc&) {
        text = std::string();
        result = ReadResult::NoMemory;
    }
    std::fclose(stream);
    return result;
}

#if defined(QUADRIVO_BYTE_TABLES)
// The unscrambling map on sixteen characters at a time, for processors that
// look sixteen bytes up in a table at once; returns how many characters it
// mapped, a multiple of sixteen. A character moves by a step that depends on
// its high four bits (its row) and on where its low four bits lie against
// two thresholds of that row: below the first, between them, or from the
// second on. Rows 4 and 6 hold the letters up to 'O', 5 and 7 the rest;
// rows 2 and 3 the blank to '?'. Other rows, bytes from 0x80 up included,
// stay as they are.
__attribute__((target("ssse3"))) std::size_t MapBySixteen(char* text, std::size_t size)
{
    alignas(16) static constexpr signed char kFirst[16] = {0, 0, 3, 10, 1, 11, 1, 11};
    alignas(16) static constexpr signed char kSecond[16] = {0, 0, 6, 13, 14, 16, 14, 16};
    alignas(16) static constexpr signed char kBelow[16] = {0, 0, 3, -10, 0, -13, 0, -13};
    alignas(16) static constexpr signed char kBetween[16] = {0, 0, -3, 3, 13, 0, 13, 0};
    alignas(16) static constexpr signed char kFrom[16] = {0, 0, 10, -3, -13, 0, -13, 0};
    const auto row = [](const signed char(&table)[16]) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(table));
    };
    const __m128i firsts = row(kFirst);
    const __m128i seconds = row(kSecond);
    const __m128i from = row(kFrom);
    // Added up: the step from the second threshold on, what changes below
    // it, and what changes below the first.
    const __m128i belowSecond = _mm_sub_epi8(row(kBetween), from);
    const __m128i belowFirst = _mm_sub_epi8(row(kBelow), row(kBetween));
    const __m128i nibble = _mm_set1_epi8(0x0F);
    std::size_t i = 0;
    for (; size - i >= 16; i += 16) {
        auto* at = reinterpret_cast<__m128i*>(text + i);
        const __m128i chunk = _mm_loadu_si128(at);
        const __m128i high = _mm_and_si128(_mm_srli_epi16(chunk, 4), nibble);
        const __m128i low = _mm_and_si128(chunk, nibble);
        const __m128i second = _mm_cmpgt_epi8(_mm_shuffle_epi8(seconds, high), low);
        const __m128i first = _mm_cmpgt_epi8(_mm_shuffle_epi8(firsts, high), low);
        __m128i step = _mm_shuffle_epi8(from, high);
        step = _mm_add_epi8(step, _mm_and_si128(second, _mm_shuffle_epi8(belowSecond, high)));
        step = _mm_add_epi8(step, _mm_and_si128(first, _mm_shuffle_epi8(belowFirst, high)));
        _mm_storeu_si128(at, _mm_add_epi8(chunk, step));
    }
    return i;
}
#endif

void MapScrambled(std::string& text, std::size_t from)
{
    static const auto map = [] {
        std::array<char, 256> table{};
        for (unsigned c = 0; c < table.size(); ++c) table[c] = ScrambleChar(static_cast<char>(c));
        return table;
    }();
    std::size_t i = from;
#if defined(QUADRIVO_BYTE_TABLES)
    if (__builtin_cpu_supports("ssse3")) i += MapBySixteen(text.data() + i, text.size() - i);
#endif
    for (; i < text.size(); ++i) text[i] = map[static_cast<unsigned char>(text[i])];
}

}  // namespace

CLettore::CLettore(CErrore* errors, const CStringa& fileName) : errors_(errors), fileName_(fileName)
{
    Open();
}

CLettore::~CLettore() = default;

void CLettore::Open()
{
    next_ = 0;
    mapped_ = false;
    cut_ = false;
    switch (ReadWholeFile(fileName_, text_)) {
        case ReadResult::Read:
            break;
        case ReadResult::CannotRead:
            error_ = kCannotRead;
            Report(errors_, kCannotRead, fileName_);
            return;
        case ReadResult::NoMemory:
            error_ = kNoMemoryForTest;
            Report(errors_, kNoMemoryForTest);
            return;
    }
    SetScrambled(scrambled_);
}

int CLettore::Rewind()
{
    // Only a text that is still as the file holds it can be read again.
    if (cut_ || mapped_ || error_ == kCannotRead || error_ == kNoMemoryForTest) return Reopen();
    error_ = 0;
    firstLine_ = 1;
    currentLine_ = 1;
    next_ = 0;
    return 0;
}

int CLettore::Reopen()
{
    error_ = 0;
    firstLine_ = 1;
    currentLine_ = 1;
    Open();
    return error_;
}

void CLettore::SetScrambled(int flag)
{
    scrambled_ = flag;
    // The map is its own inverse: the characters not read yet are mapped
    // once here instead of one by one as they are read.
    if ((scrambled_ == 1) != mapped_) {
        MapScrambled(text_, next_);
        mapped_ = !mapped_;
    }
}

int CLettore::Error() const
{
    return error_;
}

void CLettore::GetLines(int& first, int& current) const
{
    first = firstLine_;
    current = currentLine_;
}

void CLettore::Watch(const CStringa& pattern)
{
    watch_ = pattern;
    watchMatched_ = 0;
    watchSeen_ = false;
}

bool CLettore::WatchSeen() const
{
    return watchSeen_;
}

unsigned char CLettore::ReadChar()
{
    if (next_ >= text_.size()) return 0;
    return static_cast<unsigned char>(text_[next_++]);
}

void CLettore::SkipToCandidate(unsigned char lowered, std::size_t limit)
{
    const char* begin = text_.data() + next_;
    const char* end = text_.data() + limit;
    const char* hit = end;
    if (lowered >= 'a' && lowered <= 'z') {
        hit = std::find_if(begin, end,
                           [lowered](char c) { return LowerByte(static_cast<unsigned char>(c)) == lowered; });
    } else if (begin < end) {
        const void* found = std::memchr(begin, lowered, static_cast<std::size_t>(end - begin));
        if (found) hit = static_cast<const char*>(found);
    }
    currentLine_ += static_cast<int>(CountChar(begin, hit, '\n'));
    next_ = static_cast<std::size_t>(hit - text_.data());
}

int CLettore::MissingTag(const CStringa& tag, bool report)
{
    error_ = kMissingTag;
    if (report) {
        Report(errors_, kErrorLines, static_cast<long>(firstLine_), static_cast<long>(currentLine_));
        Report(errors_, kMissingTag, tag);
    }
    return error_;
}

int CLettore::SkipTo(const CStringa& pattern, bool report)
{
    const unsigned length = pattern.Length();
    if (error_ != 0 || length == 0) return error_;
    firstLine_ = currentLine_;
    const unsigned watchLength = watch_.Length();
    watchMatched_ = 0;
    watchSeen_ = false;
    unsigned i = 0;
    bool found = false;
    while (!found && next_ < text_.size()) {
        // Away from any partial match, characters that cannot begin one are
        // passed over together.
        if (i == 0 && (watchLength == 0 || watchSeen_)) {
            SkipToCandidate(LowerAt(pattern, 0), text_.size());
            if (next_ == text_.size()) break;
        }
        const unsigned char c = ReadChar();
        if (c == '\n') ++currentLine_;
        // A character that breaks a partial match is not tried again as the
        // pattern's first one, so "<<Test>" does not hold "<Test>".
        if (LowerByte(c) == LowerAt(pattern, i)) {
            ++i;
            found = i == length;
        } else {
            i = 0;
        }
        if (watchLength > 0 && !watchSeen_) {
            if (LowerByte(c) == LowerAt(watch_, watchMatched_)) {
                ++watchMatched_;
                watchSeen_ = watchMatched_ == watchLength;
            } else {
                watchMatched_ = 0;
            }
        }
    }
    if (!found) return MissingTag(pattern, report);
    return error_;
}

int CLettore::ReadSection(const CStringa& name, CBlocco& out, bool report)
{
    if (error_ != 0) return error_;
    // Loaders read sections of one name after another: their tags are made once.
    if (!(name == sectionName_) || openTag_.Length() == 0) {
        sectionName_ = name;
        openTag_ = '<' + name + CStringa(">");
        closeTag_ = "</" + name + CStringa(">");
    }
    if (SkipTo(openTag_, report) != 0) {
        error_ = kMissingOpeningTag;
        return error_;
    }
    const CStringa& close = closeTag_;
    const unsigned closeLength = close.Length();
    const std::size_t begin = next_;
    // The character that makes the section MAX_SECTION_TEXT long.
    const std::size_t tooLong = begin + static_cast<std::size_t>(MAX_SECTION_TEXT) - 1;
    // The closing tag is looked for at each '<'; a character that breaks a
    // partial match is not tried again as a '<' of its own, as in SkipTo. So
    // only a '<' followed by '/' or by another '<' matters: any other one
    // breaks off at once and only hides the character after it.
    const char* const text = text_.data();
    const std::size_t size = text_.size();
    const std::size_t limit = std::min(size, tooLong);
    std::size_t at = next_;
    std::size_t start = 0;
    bool found = false;
    const char* const tag = close.CStr();
    // The tag can begin only where "</" and its name's first letter stand. A
    // '<' passed over on the way to such a place can hide it only by a
    // partial match that breaks right there; when one might, every '<' is
    // tried in turn instead.
    const char third = static_cast<char>(LowerByte(static_cast<unsigned char>(tag[2])));
    const char thirdUpper = third >= 'a' && third <= 'z' ? static_cast<char>(third - 'a' + 'A') : third;
    const auto mayBeHidden = [&](std::size_t place) {
        for (std::size_t c = place - std::min<std::size_t>(place - at, closeLength - 1); c < place; ++c) {
            if (text[c] != '<') continue;
            std::size_t k = 1;
            while (c + k < place && LowerByte(static_cast<unsigned char>(text[c + k])) ==
                                        LowerByte(static_cast<unsigned char>(tag[k])))
                ++k;
            if (c + k == place) return true;
        }
        return false;
    };
    const std::size_t scanEnd = std::min(limit, size - 1);  // the triple's last two are read too
    while (at < limit) {
        const std::size_t place = static_cast<std::size_t>(
            FindTriple(text + at, text + scanEnd, '<', '/', third, thirdUpper) - text);
        if (place == scanEnd) break;
        const std::size_t from = mayBeHidden(place) ? at : place;
        const std::size_t candidate =
            static_cast<std::size_t>(FindPair(text + from, text + limit, '<', '/', '<') - text);
        if (candidate == limit) break;
        unsigned k = 1;
        while (k < closeLength && candidate + k < size &&
               LowerByte(static_cast<unsigned char>(text[candidate + k])) ==
                   LowerByte(static_cast<unsigned char>(tag[k])))
            ++k;
        if (k == closeLength) {
            // A tag whose last character would make the section too long
            // does not count.
            found = candidate + closeLength <= tooLong;
            start = candidate - begin;
            break;
        }
        at = candidate + k + 1;
    }
    // Everything up to the end of the tag is read, or else up to the
    // character that makes the section too long, or else the whole file.
    std::size_t end = found ? begin + start + closeLength : std::min(size, tooLong + 1);
    currentLine_ += static_cast<int>(CountChar(text + next_, text + end, '\n'));
    next_ = end;
    if (!found && size > tooLong) {
        error_ = kSectionTooLong;
        Report(errors_, kSectionTooLong, fileName_);
    }
    if (found) {
        // The section ends at its first NUL byte, as a C string would. Its
        // comments go in place: the reader never comes back to this text.
        cut_ = true;
        char* content = text_.data() + begin;
        const void* nul = std::memchr(content, '\0', start);
        const std::size_t length =
            nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - content) : start;
        if (out.Text.SetText(content, RemoveComments(content, static_cast<unsigned>(length)))) {
            out.Errors = errors_;
        } else {
            error_ = kNoMemoryForTest;
            Report(errors_, kNoMemoryForTest);
        }
    } else if (error_ == 0) {
        MissingTag(close, true);
    }
    out.SetLines(firstLine_, currentLine_);
    return error_;
}

}  // namespace quadrivo
