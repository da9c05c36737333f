#include "student/studrispo.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale>
#include <ostream>
#include <sstream>
#include <utility>

#include "text/blocco.h"
#include "text/errore.h"
#include "text/utilita.h"

namespace quadrivo {

namespace {

// The written words, indexed by value, and the order words are tried in when
// read: every other word reads as Disable, its own included.
constexpr std::string_view kCorrectWords[] = {"No", "Yes", "Nearly", "Skip", "Late", "Disable"};
constexpr TCorrect kCorrectReadOrder[] = {TCorrect::Yes, TCorrect::No, TCorrect::Nearly, TCorrect::Skip,
                                          TCorrect::Late};

}  // namespace

CStringa TCorrectText(TCorrect value)
{
    return WordText(WordOf(value, kCorrectWords, "TCorrect_sconosciuto"));
}

TCorrect TCorrectFromText(const CStringa& word)
{
    return TCorrectFromText(word.View());
}

TCorrect TCorrectFromText(std::string_view word)
{
    return ValueOf(word, kCorrectWords, kCorrectReadOrder, TCorrect::Disable);
}

namespace {

// Choice positions take one character each in the file. 0..9 are their
// digit, as files have always had them; -1 (not shown yet) is '/', the
// character before '0', and 10..35 are 'a'..'z', so that no position is
// written as '<', '=' or '>' (which follow '9') or in two characters. Any
// other character that can stand in an unquoted value reads as its distance
// from '0', as it always has, and is written back as itself; one that
// cannot (a blank, ',', '<', '"', a capital, which reading turns to small)
// came from no writer and reads as -1.
constexpr int kFirstPosition = -1;
constexpr int kLastPosition = 35;

bool StandsInAValue(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x80) return true;
    return u > ' ' && u < 0x7F && c != ',' && c != '<' && c != '"' && !(c >= 'A' && c <= 'Z');
}

char PositionChar(int position)
{
    if (position >= 10 && position <= kLastPosition) return static_cast<char>('a' + position - 10);
    return static_cast<char>('0' + position);
}

int PositionOf(char c)
{
    if (c >= 'a' && c <= 'z') return 10 + (c - 'a');
    return StandsInAValue(c) ? c - '0' : kFirstPosition;
}

// An <Ans> record's text as Write lays it out, taken apart from the front.
// Each step takes one expected piece and fails at the first difference.
class CWrittenRecord {
public:
    explicit CWrittenRecord(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }

    // The pieces are at most sixteen characters, compared eight at a time.
    template <std::size_t N>
    bool Take(const char (&piece)[N])
    {
        constexpr std::size_t n = N - 1;
        static_assert(n <= 16);
        if (rest_.size() < n) return false;
        if constexpr (n >= 8) {
            if (Eight(rest_.data()) != Eight(piece) || Eight(rest_.data() + n - 8) != Eight(piece + n - 8))
                return false;
        } else if (rest_.substr(0, n) != std::string_view(piece, n)) {
            return false;
        }
        rest_.remove_prefix(n);
        return true;
    }

    // The rest of the record, taken whole.
    std::string_view TakeRest() { return std::exchange(rest_, std::string_view()); }

    // An unquoted value that runs to the next ',': one without blanks, '<',
    // '"' or '=', which the parameter list reader would end at the same
    // place and read as one value.
    bool TakeValue(std::string_view& value)
    {
        static constexpr auto kStops = [] {
            std::array<bool, 256> stops{};
            for (const unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r', '<', '"', '=', ','})
                stops[c] = true;
            return stops;
        }();
        std::size_t end = 0;
        while (end < rest_.size() && !kStops[static_cast<unsigned char>(rest_[end])]) ++end;
        if (end == 0 || end == rest_.size() || rest_[end] != ',') return false;
        value = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return true;
    }

    // Choice marks as a writer puts them, 'X' and '-', up to the next ','.
    bool TakeMarks(std::string_view& marks)
    {
        std::size_t end = 0;
        while (end < rest_.size() && (rest_[end] == 'X' || rest_[end] == '-')) ++end;
        if (end == 0 || end == rest_.size() || rest_[end] != ',') return false;
        marks = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return true;
    }

    // A whole number of one to nine digits after an optional '-'.
    bool TakeInt(int& number)
    {
        std::string_view value;
        if (!TakeValue(value)) return false;
        const bool negative = value[0] == '-';
        if (negative) value.remove_prefix(1);
        if (value.empty() || value.size() > 9) return false;
        int n = 0;
        for (const char c : value) {
            if (c < '0' || c > '9') return false;
            n = n * 10 + (c - '0');
        }
        number = negative ? -n : n;
        return true;
    }

    // A quoted text without '"' inside.
    bool TakeQuoted(std::string_view& text)
    {
        if (!Take("\"")) return false;
        const std::size_t end = rest_.find('"');
        if (end == std::string_view::npos) return false;
        text = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return true;
    }

private:
    static std::uint64_t Eight(const char* s)
    {
        std::uint64_t bytes;
        std::memcpy(&bytes, s, sizeof bytes);
        return bytes;
    }

    std::string_view rest_;
};

// Choice positions as a writer puts them, '/' and the digits for -1..9 and
// the small letters for 10..35; kNotWritten for every other character.
constexpr signed char kNotWritten = -2;
constexpr auto kWrittenPositions = [] {
    std::array<signed char, 256> positions{};
    positions.fill(kNotWritten);
    for (int c = '/'; c <= '9'; ++c) positions[c] = static_cast<signed char>(c - '0');
    for (int c = 'a'; c <= 'z'; ++c) positions[c] = static_cast<signed char>(c - 'a' + 10);
    return positions;
}();

}  // namespace

float ToFloat(double x)
{
    if (x > FLT_MAX) return HUGE_VALF;
    if (x < -FLT_MAX) return -HUGE_VALF;
    return static_cast<float>(x);
}

CStudRispo::CStudRispo(CErrore* errors) : Errors(errors)
{
    for (int& position : StRndRisp) position = -1;
}

bool CStudRispo::operator==(const CStudRispo& other) const
{
    if (IDAns != other.IDAns || RndAns != other.RndAns || IsValid != other.IsValid ||
        IsCorrect != other.IsCorrect || TimeAns_ != other.TimeAns_ || NumSendBack != other.NumSendBack ||
        Score != other.Score || TypeQue != other.TypeQue || Number != other.Number ||
        LineAns_ != other.LineAns_ || StNumRisp != other.StNumRisp)
        return false;
    for (int i = 0; i < StNumRisp && i < MAX_STUDENT_CHOICES; ++i)
        if (Choice[i] != other.Choice[i] || StRndRisp[i] != other.StRndRisp[i]) return false;
    return true;
}

int CStudRispo::Refuse(const char* field) const
{
    Report(Errors, kFieldNotWritable, CStringa(field));
    return kFieldNotWritable;
}

bool CStudRispo::ChoicesWritable(int i) const
{
    return IsValid && TypeQue == TQue::MultipleAnswer && i >= 0 && i < StNumRisp;
}

int CStudRispo::GetNumSendBack() const
{
    return IsValid ? NumSendBack : 0;
}

float CStudRispo::GetScore() const
{
    return IsValid ? Score : 0;
}

int CStudRispo::GetChoice(int i) const
{
    return ChoicesWritable(i) ? Choice[i] : 0;
}

int CStudRispo::GetStRndRisp(int i) const
{
    return ChoicesWritable(i) ? StRndRisp[i] : 0;
}

int CStudRispo::StoredChoice(int i) const
{
    return i >= 0 && i < MAX_STUDENT_CHOICES ? Choice[i] : 0;
}

int CStudRispo::StoredStRndRisp(int i) const
{
    return i >= 0 && i < MAX_STUDENT_CHOICES ? StRndRisp[i] : 0;
}

int CStudRispo::IncNumSendBack()
{
    if (!IsValid) return Refuse("NumSendBack");
    ++NumSendBack;
    return 0;
}

int CStudRispo::AddScore(float x)
{
    if (!IsValid) return Refuse("Score");
    Score += x;
    return 0;
}

int CStudRispo::PutTypeQue(TQue type)
{
    if (!IsValid) return Refuse("TypeQue");
    TypeQue = type;
    return 0;
}

int CStudRispo::PutNumber(double x)
{
    if (!IsValid || TypeQue != TQue::SingleNumber) return Refuse("Number");
    Number = x;
    return 0;
}

int CStudRispo::PutLineAns(const CStringa& text)
{
    if (!IsValid) return Refuse("LineAns");
    LineAns_ = text;
    return 0;
}

int CStudRispo::PutStNumRisp(int n)
{
    // The count indexes the two fixed arrays: a count past them is refused.
    if (!IsValid || TypeQue != TQue::MultipleAnswer || n < 0 || n > MAX_STUDENT_CHOICES)
        return Refuse("StNumRisp");
    StNumRisp = n;
    return 0;
}

int CStudRispo::PutChoice(int i, int value)
{
    if (!ChoicesWritable(i)) return Refuse("Choice");
    // A mark is written as 'X' or '-': any other value would not come back.
    Choice[i] = value != 0 ? 1 : 0;
    return 0;
}

int CStudRispo::PutStRndRisp(int i, int value)
{
    // This refusal names the setter rather than the field, as it always has.
    if (!ChoicesWritable(i) || value < kFirstPosition || value > kLastPosition) return Refuse("PutStRndRisp");
    StRndRisp[i] = value;
    return 0;
}

bool CStudRispo::IsAnswered() const
{
    return IsValid && IsCorrect != TCorrect::Skip;
}

bool CStudRispo::ReadWritten(std::string_view text)
{
    CWrittenRecord record(text);
    int id = 0, position = 0, elapsed = 0, sentBack = 0;
    std::string_view valid, correct, score, type, line;
    double scoreValue = 0;
    if (!record.Take("IDAns = ") || !record.TakeInt(id) || !record.Take(", IsValid = ") ||
        !record.TakeValue(valid) || !record.Take(", RndAns = ") || !record.TakeInt(position) ||
        !record.Take(", IsCorrect = ") || !record.TakeValue(correct) || !record.Take(",\nTimeAns = ") ||
        !record.TakeInt(elapsed) || !record.Take(", NumSendBack = ") || !record.TakeInt(sentBack) ||
        !record.Take(", Score = ") || !record.TakeValue(score) ||
        !PlainDecimal(score.data(), static_cast<unsigned>(score.size()), scoreValue) ||
        !record.Take(", TypeQue = ") || !record.TakeValue(type) || !record.Take(",\nLineAns = ") ||
        !record.TakeQuoted(line))
        return false;

    std::string_view marks, positions;
    if (!record.AtEnd()) {
        if (!record.Take(", Choice = ") || !record.TakeMarks(marks) || !record.Take(", StRndRisp = "))
            return false;
        positions = record.TakeRest();
        if (positions.empty()) return false;
        for (const char c : positions)
            if (kWrittenPositions[static_cast<unsigned char>(c)] == kNotWritten) return false;
    }

    IDAns = id;
    IsValid = SameFolded(valid, "yes") ? 1 : 0;
    RndAns = position;
    IsCorrect = TCorrectFromText(correct);
    TimeAns_.SetElapsed(elapsed);
    NumSendBack = sentBack;
    Score = ToFloat(scoreValue);
    TypeQue = TQueFromText(type);
    LineAns_ = CStringa(line.data(), static_cast<unsigned>(line.size()));
    if (!positions.empty()) {
        // Only as many as the arrays hold, as the parameter list reader does.
        const std::size_t marked = std::min<std::size_t>(marks.size(), MAX_STUDENT_CHOICES);
        const std::size_t placed = std::min<std::size_t>(positions.size(), MAX_STUDENT_CHOICES);
        const char* mark = marks.data();
        const char* at = positions.data();
        for (std::size_t i = 0; i < marked; ++i) Choice[i] = mark[i] == 'X' ? 1 : 0;
        for (std::size_t i = 0; i < placed; ++i)
            StRndRisp[i] = kWrittenPositions[static_cast<unsigned char>(at[i])];
        StNumRisp = static_cast<int>(placed);
    }
    if (TypeQue == TQue::SingleNumber) Number = Replaced(LineAns_, ',', '.').ToDouble();
    return true;
}

int CStudRispo::Read(int number, const CBlocco& block)
{
    // Reused from record to record: a fresh array makes and frees a hundred
    // strings for every record.
    thread_local CParametro pairs[PARAM_CAPACITY];
    unsigned count = 0;
    ParseParams(block.Text, pairs, count);

    int result = 0;
    for (unsigned k = 0; k < count; ++k) {
        const CStringa& name = pairs[k].Name;
        const CStringa& value = pairs[k].Value;
        if (name == "idans") {
            IDAns = value.ToInt();
        } else if (name == "isvalid") {
            IsValid = value == "yes" ? 1 : 0;
        } else if (name == "rndans") {
            RndAns = value.ToInt();
        } else if (name == "iscorrect") {
            IsCorrect = TCorrectFromText(value);
        } else if (name == "timeans") {
            TimeAns_.SetElapsed(value.ToInt());
        } else if (name == "numsendback") {
            NumSendBack = value.ToInt();
        } else if (name == "score") {
            Score = ToFloat(value.ToDouble());
        } else if (name == "typeque") {
            TypeQue = TQueFromText(value);
        } else if (name == "lineans") {
            // The value still holds its quotes.
            LineAns_ = value.Length() < 2 ? CStringa() : Slice(value, 1, value.Length() - 1);
        } else if (name == "choice") {
            // Only as many marks as the arrays hold; the rest of a longer
            // value is ignored.
            StNumRisp =
                value.Length() > MAX_STUDENT_CHOICES ? MAX_STUDENT_CHOICES : static_cast<int>(value.Length());
            for (int i = 0; i < StNumRisp; ++i) Choice[i] = *value.At(i) == '-' ? 0 : 1;
        } else if (name == "strndrisp") {
            StNumRisp =
                value.Length() > MAX_STUDENT_CHOICES ? MAX_STUDENT_CHOICES : static_cast<int>(value.Length());
            for (int i = 0; i < StNumRisp; ++i) StRndRisp[i] = PositionOf(*value.At(i));
        } else {
            Report(Errors, kUnknownAnsParameter, number, name);
            result = kUnknownAnsParameter;
        }
    }

    // Numbers typed with a decimal comma are stored as typed in LineAns.
    if (result == 0 && TypeQue == TQue::SingleNumber) Number = Replaced(LineAns_, ',', '.').ToDouble();
    return result;
}

void CStudRispo::Write(std::ostream& out) const
{
    if (!IsValid && IsCorrect == TCorrect::Disable) return;

    // Built apart so that the record does not depend on the caller's stream
    // settings: decimal point, general notation, six significant digits.
    std::ostringstream line;
    line.imbue(std::locale::classic());
    line << "<Ans>IDAns = " << IDAns << ", IsValid = " << (IsValid ? "Yes" : "No") << ", RndAns = " << RndAns
         << ", IsCorrect = " << TCorrectText(IsCorrect) << ",\n";
    line << "TimeAns = " << TimeAns_.Elapsed() << ", NumSendBack = " << NumSendBack
         << ", Score = " << ExactGeneral(Score) << ", TypeQue = " << TQueText(TypeQue) << ",\n";
    line << "LineAns = \"" << LineAns_ << '"';
    if (StNumRisp > 0) {
        line << ", Choice = ";
        for (int i = 0; i < StNumRisp && i < MAX_STUDENT_CHOICES; ++i) line << (Choice[i] ? 'X' : '-');
        line << ", StRndRisp = ";
        for (int i = 0; i < StNumRisp && i < MAX_STUDENT_CHOICES; ++i) line << PositionChar(StRndRisp[i]);
    }
    line << "</Ans>\n";
    out << line.str();
}

}  // namespace quadrivo
