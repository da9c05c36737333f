#include "model/risposta.h"

#include <ostream>
#include <string>
#include <string_view>

#include "text/blocco.h"
#include "text/errore.h"
#include "text/utilita.h"

namespace quadrivo {

using namespace std::string_view_literals;

CRisposta::CRisposta(CErrore* errors) : Errors(errors) {}

bool CRisposta::operator==(const CRisposta& other) const
{
    return Score == other.Score && Correct == other.Correct && TextAns == other.TextAns;
}

int CRisposta::Read(int index, const CBlocco& block)
{
    return Read(index, CTratto{&block, 0, block.Text.Length()});
}

int CRisposta::Read(int index, const CTratto& record)
{
    static const CStringa kParAns("parans");
    static const CStringa kTextAns("textans");
    if (ReadWritten(record)) return 0;
    CTratto part = record;
    unsigned open = 0;
    unsigned close = 0;
    int result = FindTag(record, kParAns, part, 0, open, close, true);
    if (result != 0) return result;

    if (!ReadWrittenParAns(part)) {
        // The parameters' text and pairs are reused from answer to answer:
        // an answer then allocates only its own text.
        thread_local CStringa params;
        thread_local CParametro pairs[PARAM_CAPACITY];
        CopyText(part, params);
        unsigned count = 0;
        result = ParseParams(params, pairs, count);
        if (result != 0) return result;
        result = ApplyParAns(index, pairs, count);
        if (result != 0) return result;
    }

    result = FindTag(record, kTextAns, part, close, open, close, true);
    if (result != 0) return result;
    TextAns = TrimmedText(part);
    return 0;
}

bool CRisposta::ReadWritten(const CTratto& record)
{
    // "\n<ParAns>P</ParAns>\n<TextAns>T</TextAns>\n" with no '<' in P or T,
    // as Write lays an answer out: each tag is then the first '<' where the
    // tag searches look, so they would find the same parts.
    static constexpr std::string_view kOpen = "\n<ParAns>";
    static constexpr std::string_view kMiddle = "</ParAns>\n<TextAns>";
    static constexpr std::string_view kClose = "</TextAns>\n";
    const std::string_view text(record.Block->Text.CStr() + record.Begin, record.End - record.Begin);
    if (!text.starts_with(kOpen) || !text.ends_with(kClose)) return false;
    const std::size_t middle = text.find('<', kOpen.size());
    if (middle == std::string_view::npos || text.substr(middle, kMiddle.size()) != kMiddle) return false;
    const auto textBegin = static_cast<unsigned>(middle + kMiddle.size());
    const auto textEnd = static_cast<unsigned>(text.size() - kClose.size());
    if (text.find('<', textBegin) != textEnd) return false;
    const unsigned at = record.Begin;
    if (!ReadWrittenParAns(CTratto{record.Block, at + static_cast<unsigned>(kOpen.size()),
                                   at + static_cast<unsigned>(middle)}))
        return false;
    TextAns = TrimmedText(CTratto{record.Block, at + textBegin, at + textEnd});
    return true;
}

bool CRisposta::ReadWrittenParAns(const CTratto& params)
{
    // "Score = NUMBER, Correct = Yes" or "..., Correct = No", exactly as
    // Write puts it, with a plain decimal NUMBER: the parameter list reader
    // would give the same two pairs, and ToDouble the same value.
    static constexpr std::string_view kScore = "Score = ";
    static constexpr std::string_view kYes = ", Correct = Yes";
    static constexpr std::string_view kNo = ", Correct = No";
    const std::string_view text(params.Block->Text.CStr() + params.Begin, params.End - params.Begin);
    if (!text.starts_with(kScore)) return false;
    const bool yes = text.ends_with(kYes);
    if (!yes && !text.ends_with(kNo)) return false;
    const std::size_t numberEnd = text.size() - (yes ? kYes : kNo).size();
    if (numberEnd <= kScore.size()) return false;
    double score = 0;
    if (!PlainDecimal(text.data() + kScore.size(), static_cast<unsigned>(numberEnd - kScore.size()), score))
        return false;
    Score = static_cast<float>(score);
    Correct = yes ? 1 : 0;
    return true;
}

int CRisposta::ApplyParAns(int index, const CParametro* pairs, unsigned count)
{
    int result = 0;
    for (unsigned i = 0; i < count; ++i) {
        const CParametro& pair = pairs[i];
        if (pair.Name == "score") {
            Score = static_cast<float>(pair.Value.ToDouble());
        } else if (pair.Name == "correct") {
            Correct = pair.Value == "yes" ? 1 : 0;
        } else {
            result = kUnknownAnswerParameter;
            Report(Errors, kUnknownAnswerParameter, index, pair.Name);
        }
    }
    return result;
}

void CRisposta::AppendRecord(std::string& text) const
{
    text += "<Answer>\n<ParAns>Score = "sv;
    AppendExactDecimal(text, Score);
    text += Correct ? ", Correct = Yes</ParAns>\n<TextAns>"sv : ", Correct = No</ParAns>\n<TextAns>"sv;
    if (TextAns.Length() > 0) text.append(TextAns.CStr(), TextAns.Length());
    text += "</TextAns>\n</Answer>\n"sv;
}

void CRisposta::Write(std::ostream& out, int scrambled) const
{
    // The four lines in one buffer, reused from answer to answer; line ends
    // are left as they are by the scrambling map, so mapping the whole
    // buffer maps each line.
    thread_local std::string lines;
    lines.clear();
    AppendRecord(lines);
    if (scrambled == 1)
        for (char& c : lines) c = ScrambleChar(c);
    out << lines << std::flush;
}

}  // namespace quadrivo
