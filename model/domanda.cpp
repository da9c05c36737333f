#include "model/domanda.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "text/blocco.h"
#include "text/errore.h"
#include "text/utilita.h"

namespace quadrivo {

using namespace std::string_view_literals;

namespace {

const char* YesNo(int flag)
{
    return flag ? "Yes" : "No";
}

// The extreme score of a choice question, the way beats(a, b) says that a
// lies beyond b: with one correct choice the answer beyond all others (0 when
// none lies beyond 0), with several the answers beyond 0 added together.
template <typename Answers, typename Beats>
float ExtremeChoiceScore(const Answers& answers, int count, TSel selection, Beats beats)
{
    float result = 0;
    for (int i = 0; i < count; ++i) {
        const float s = answers[i]->GetScore();
        if (selection == TSel::Single) {
            if (beats(s, result)) result = s;
        } else if (beats(s, 0.0f)) {
            result += s;
        }
    }
    return result;
}

// The answer slots of a new question, each reporting to errors.
template <std::size_t... Slot>
std::array<CRisposta, sizeof...(Slot)> NewAnswers(CErrore* errors, std::index_sequence<Slot...>)
{
    return {{(static_cast<void>(Slot), CRisposta(errors))...}};
}

}  // namespace

CDomanda::CDomanda(CErrore* errors)
    : Errors(errors), TextQue("0"), Slots(NewAnswers(errors, std::make_index_sequence<MAX_ANSWERS>()))
{
    for (int i = 0; i < MAX_ANSWERS; ++i) Answers[i] = &Slots[i];
    Order.fill(-1);
}

CDomanda::CDomanda(const CDomanda& other) : CDomanda(other.Errors)
{
    *this = other;
}

CDomanda& CDomanda::operator=(const CDomanda& other)
{
    Errors = other.Errors;
    TextQue = other.TextQue;
    EnableQue = other.EnableQue;
    ScoreIfSkip = other.ScoreIfSkip;
    ScoreIfLate = other.ScoreIfLate;
    ScoreIfSendBack = other.ScoreIfSendBack;
    TimeQue = other.TimeQue;
    TypeQue = other.TypeQue;
    HintMode = other.HintMode;
    ClassQue = other.ClassQue;
    Image = other.Image;
    Random = other.Random;
    Selection = other.Selection;
    TypeSel = other.TypeSel;
    AddTxtNum = other.AddTxtNum;
    NumOk = other.NumOk;
    Precision = other.Precision;
    ScoreIfOk = other.ScoreIfOk;
    ScoreIfBad = other.ScoreIfBad;
    ScoreIfNear = other.ScoreIfNear;
    TextOk = other.TextOk;
    Divide = other.Divide;
    AnswerCount = other.AnswerCount;
    for (int i = 0; i < AnswerCount; ++i) *Answers[i] = *other.Answers[i];
    BuildOrder();
    return *this;
}

bool CDomanda::operator==(const CDomanda& other) const
{
    if (!(TextQue == other.TextQue && EnableQue == other.EnableQue && ScoreIfSkip == other.ScoreIfSkip &&
          ScoreIfLate == other.ScoreIfLate && ScoreIfSendBack == other.ScoreIfSendBack &&
          TimeQue == other.TimeQue && TypeQue == other.TypeQue && HintMode == other.HintMode &&
          ClassQue == other.ClassQue && Image == other.Image && Random == other.Random &&
          Selection == other.Selection && TypeSel == other.TypeSel && AddTxtNum == other.AddTxtNum &&
          NumOk == other.NumOk && Precision == other.Precision && ScoreIfOk == other.ScoreIfOk &&
          ScoreIfBad == other.ScoreIfBad && ScoreIfNear == other.ScoreIfNear && TextOk == other.TextOk &&
          Divide == other.Divide && AnswerCount == other.AnswerCount))
        return false;
    for (int i = 0; i < AnswerCount; ++i) {
        if (*Answers[i] != *other.Answers[i]) return false;
    }
    return true;
}

void CDomanda::SetAnswer(int i, const CRisposta& answer)
{
    if (i >= 0 && i < AnswerCount) *Answers[i] = answer;
}

bool CDomanda::AddAnswer()
{
    if (AnswerCount >= MAX_ANSWERS) return false;
    ++AnswerCount;
    BuildOrder();
    return true;
}

bool CDomanda::AddAnswer(const CRisposta& answer)
{
    if (!AddAnswer()) return false;
    *Answers[AnswerCount - 1] = answer;
    return true;
}

void CDomanda::RemoveAnswer(int i)
{
    if (i < 0 || i >= AnswerCount) return;
    // The removed object moves to the end, so every slot keeps an answer.
    std::rotate(Answers.begin() + i, Answers.begin() + i + 1, Answers.begin() + AnswerCount);
    --AnswerCount;
    BuildOrder();
}

void CDomanda::BuildOrder()
{
    if (Random) {
        RandomPermutation(Order.data(), AnswerCount);
        return;
    }
    for (int p = 0; p < AnswerCount; ++p) Order[p] = p;
}

void CDomanda::SetRandom(int flag)
{
    Random = flag ? 1 : 0;
    BuildOrder();
}

int CDomanda::Read(int index, const CBlocco& block)
{
    static const CStringa kParQue("parque");
    static const CStringa kTextQue("textque");
    static const CStringa kAnswer("answer");
    // The record's parts are read where they stand, not copied out; the
    // parameter pairs and their text are kept from question to question.
    const CTratto record{&block, 0, block.Text.Length()};
    CTratto part = record;
    unsigned open = 0;
    unsigned position = 0;
    int result = FindTag(record, kParQue, part, position, open, position, true);
    if (result == 0) {
        thread_local CStringa params;
        thread_local CParametro pairs[PARAM_CAPACITY];
        CopyText(part, params);
        unsigned count = 0;
        result = ParseParams(params, pairs, count);
        if (result == 0) result = ApplyParQue(index, pairs, count);
    }
    if (result == 0) {
        result = FindTag(record, kTextQue, part, position, open, position, true);
        if (result == 0) TextQue = TrimmedText(part);
    }

    AnswerCount = 0;
    while (result == 0 && AnswerCount < MAX_ANSWERS) {
        result = FindTag(record, kAnswer, part, position, open, position, false);
        if (result == kMissingOpeningTag) {  // no more answers
            result = 0;
            break;
        }
        if (result != 0) {
            // An answer that begins and never ends is a damaged file.
            Report(Errors, kErrorLines, static_cast<long>(block.FirstLine),
                   static_cast<long>(block.LastLine));
            Report(Errors, result, kAnswer);
            break;
        }
        ++AnswerCount;
        result = Answers[AnswerCount - 1]->Read(AnswerCount - 1, part);
    }
    BuildOrder();
    return result;
}

int CDomanda::ApplyParQue(int index, const CParametro* pairs, unsigned count)
{
    int result = 0;
    for (unsigned i = 0; i < count; ++i) {
        const CStringa& name = pairs[i].Name;
        const CStringa& value = pairs[i].Value;
        if (name == "enableque") {
            EnableQue = value == "yes" ? 1 : 0;
        } else if (name == "scoreifskip") {
            ScoreIfSkip = static_cast<float>(value.ToDouble());
        } else if (name == "scoreiflate") {
            ScoreIfLate = static_cast<float>(value.ToDouble());
        } else if (name == "scoreifsendback") {
            ScoreIfSendBack = static_cast<float>(value.ToDouble());
        } else if (name == "timeque") {
            TimeQue = value.ToInt();
        } else if (name == "typeque") {
            TypeQue = TQueFromText(value);
        } else if (name == "hintmode") {
            HintMode = THintFromText(value);
        } else if (name == "classque") {
            ClassQue = Unquote(value);
        } else if (name == "image") {
            Image = Unquote(value);
        } else if (name == "random") {
            Random = value == "yes" ? 1 : 0;  // Order follows at the end of Read
        } else if (name == "selection") {
            Selection = TSelFromText(value);
        } else if (name == "typesel") {
            TypeSel = TTypeSelFromText(value);
        } else if (name == "addtxtnum") {
            AddTxtNum = TAddFromText(value);
        } else if (name == "numok") {
            NumOk = value.ToDouble();
        } else if (name == "precision") {
            Precision = value.ToDouble();
        } else if (name == "scoreifok") {
            // Files written by this program put ScoreIfNear after ScoreIfOk,
            // so a near score of its own survives.
            ScoreIfOk = ScoreIfNear = static_cast<float>(value.ToDouble());
        } else if (name == "scoreifbad") {
            ScoreIfBad = static_cast<float>(value.ToDouble());
        } else if (name == "scoreifnear") {
            ScoreIfNear = static_cast<float>(value.ToDouble());
        } else if (name == "textok") {
            TextOk = Unquote(value);
        } else if (name == "divide") {
            Divide = value == "yes" ? 1 : 0;
        } else {
            result = kUnknownQuestionParameter;
            Report(Errors, kUnknownQuestionParameter, index, name);
        }
    }
    return result;
}

void CDomanda::Write(std::ostream& out, int scrambled) const
{
    // The lines, the answers' included, are joined in one buffer and go out
    // together; the scrambling map leaves line ends alone, so mapping the
    // buffer maps each line.
    thread_local std::string buffer;  // reused from question to question
    buffer.clear();
    AppendRecord(buffer);
    if (scrambled == 1)
        for (char& c : buffer) c = ScrambleChar(c);
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
}

void CDomanda::AppendRecord(std::string& t) const
{
    const auto add = [&t](const CStringa& text) { t.append(text.CStr(), text.Length()); };
    t += "<Question>\n<ParQue>\nEnableQue = "sv;
    t += YesNo(EnableQue);
    t += ", ScoreIfSkip = "sv;
    AppendExactDecimal(t, ScoreIfSkip);
    t += ", ScoreIfLate = "sv;
    AppendExactDecimal(t, ScoreIfLate);
    t += ", ScoreIfSendBack = "sv;
    AppendExactDecimal(t, ScoreIfSendBack);
    t += ", \nTimeQue = "sv;
    t += std::to_string(TimeQue);
    t += ", TypeQue = "sv;
    t += TQueWord(TypeQue);
    t += ", HintMode = "sv;
    t += THintWord(HintMode);
    t += ", \nClassQue = \""sv;
    add(ClassQue);
    t += "\", Image = \""sv;
    add(Image);
    t += "\", \n"sv;

    // A choice question's line stays open: it takes the parameters of its
    // extra entry, or "</ParQue>" when it has none.
    bool numeric = TypeQue == TQue::SingleNumber;
    bool textual = TypeQue == TQue::SingleText;
    if (IsChoice()) {
        t += "Random = "sv;
        t += YesNo(Random);
        t += ", Selection = "sv;
        t += TSelWord(Selection);
        t += ", TypeSel = "sv;
        t += TTypeSelWord(TypeSel);
        t += ", AddTxtNum = "sv;
        t += TAddWord(AddTxtNum);
        numeric = AddTxtNum == TAdd::Number;
        textual = AddTxtNum == TAdd::Text;
        if (numeric || textual) t += ", \n"sv;
    }
    if (numeric) {
        t += "NumOk = "sv;
        add(ExactDecimal(NumOk));
        t += ", Precision = "sv;
        add(ExactDecimal(Precision));
    }
    if (textual) {
        t += "TextOk = \""sv;
        add(TextOk);
        t += "\", Precision = "sv;
        add(CStringa(Round(Precision, 0)));
    }
    if (numeric || textual) {
        t += ", ScoreIfOk = "sv;
        AppendExactDecimal(t, ScoreIfOk);
        t += ", \nScoreIfBad = "sv;
        AppendExactDecimal(t, ScoreIfBad);
        t += ", ScoreIfNear = "sv;
        AppendExactDecimal(t, ScoreIfNear);
        t += '\n';
    }
    t += "</ParQue>\n<TextQue>\n"sv;
    add(TextQue);
    t += "\n</TextQue>\n"sv;
    for (int i = 0; i < AnswerCount; ++i) {
        t += "<!--- risposta "sv;
        t += std::to_string(i + 1);
        t += " --->\n"sv;
        Answers[i]->AppendRecord(t);
    }
    t += "</Question>\n"sv;
}

float CDomanda::MaxScore() const
{
    if (IsOpen()) return std::max(ScoreIfOk, ScoreIfBad);
    if (!IsChoice()) return 0;
    return ExtremeChoiceScore(Answers, AnswerCount, Selection, std::greater<float>());
}

float CDomanda::MinScore() const
{
    if (IsOpen()) return std::min(ScoreIfOk, ScoreIfBad);
    if (!IsChoice()) return 0;
    return ExtremeChoiceScore(Answers, AnswerCount, Selection, std::less<float>());
}

double CDomanda::MeanScore() const
{
    if (IsOpen()) return ScoreIfBad;
    if (!IsChoice() || AnswerCount == 0) return 0;
    double sum = 0;
    for (int i = 0; i < AnswerCount; ++i) sum += Answers[i]->GetScore();
    return sum / AnswerCount;
}

double CDomanda::ScoreVariance() const
{
    if (!IsChoice() || AnswerCount == 0) return 0;
    const double mean = MeanScore();
    double sum = 0;
    for (int i = 0; i < AnswerCount; ++i) {
        const double d = Answers[i]->GetScore() - mean;
        sum += d * d;
    }
    return sum / AnswerCount;
}

}  // namespace quadrivo
