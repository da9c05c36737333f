#ifndef QUADRIVO_MODEL_DOMANDA_H
#define QUADRIVO_MODEL_DOMANDA_H

#include <array>
#include <iosfwd>
#include <memory>
#include <string>

#include "model/risposta.h"
#include "text/enumerazioni.h"
#include "text/limiti.h"
#include "text/stringa.h"

namespace quadrivo {

class CBlocco;
class CErrore;
struct CParametro;

// One question of a questionnaire: its text, its typed parameters, up to
// MAX_ANSWERS answers with their display order, and its <Question> record in
// questionnaire files.
//
// The question holds MAX_ANSWERS answer objects in itself from construction
// to destruction; AnswerCount says how many are in use, so neither making a
// question nor adding an answer allocates. Errors is not owned and must
// outlive the question; copies share it. Copyable; a copy copies only the
// answers in use and draws its own order.
class CDomanda {
public:
    explicit CDomanda(CErrore* errors);
    CDomanda(const CDomanda& other);
    // Copies every field and the answers in use into this question's own
    // answer objects, then rebuilds Order (a random order is drawn anew).
    CDomanda& operator=(const CDomanda& other);
    ~CDomanda() = default;

    // Every field and the answers in use; not Errors nor Order.
    bool operator==(const CDomanda& other) const;
    bool operator!=(const CDomanda& other) const { return !(*this == other); }

    // Answers. Indices are storage indices below MAX_ANSWERS and are not
    // checked, except where said.
    int GetAnswerCount() const { return AnswerCount; }
    CRisposta& GetAnswer(int i) { return *Answers[i]; }
    const CRisposta& GetAnswer(int i) const { return *Answers[i]; }
    // The answer shown at display position p (p below GetAnswerCount()).
    CRisposta& GetShownAnswer(int p) { return *Answers[Order[p]]; }
    const CRisposta& GetShownAnswer(int p) const { return *Answers[Order[p]]; }
    int GetShownIndex(int p) const { return Order[p]; }
    // Nothing unless 0 <= i < GetAnswerCount().
    void SetAnswer(int i, const CRisposta& answer);
    // Takes the next slot as it stands; false when all MAX_ANSWERS are used.
    bool AddAnswer();
    bool AddAnswer(const CRisposta& answer);
    // Nothing unless 0 <= i < GetAnswerCount(); later answers move up.
    void RemoveAnswer(int i);
    // Only sets the count to 0: contents and Order stay as they are, for a
    // caller that adds the answers back one by one.
    void ClearAnswers() { AnswerCount = 0; }
    // Order[p] = p, or a random permutation when Random is set; entries from
    // GetAnswerCount() on keep their values.
    void BuildOrder();

    // Fields. Yes/no fields hold 0 or 1.
    CErrore* GetErrors() const { return Errors; }
    const CStringa& GetTextQue() const { return TextQue; }
    void SetTextQue(const CStringa& text) { TextQue = text; }
    int GetEnableQue() const { return EnableQue; }
    void SetEnableQue(int flag) { EnableQue = flag ? 1 : 0; }
    float GetScoreIfSkip() const { return ScoreIfSkip; }
    void SetScoreIfSkip(float score) { ScoreIfSkip = score; }
    float GetScoreIfLate() const { return ScoreIfLate; }
    void SetScoreIfLate(float score) { ScoreIfLate = score; }
    float GetScoreIfSendBack() const { return ScoreIfSendBack; }
    void SetScoreIfSendBack(float score) { ScoreIfSendBack = score; }
    int GetTimeQue() const { return TimeQue; }
    void SetTimeQue(int time) { TimeQue = time; }
    TQue GetTypeQue() const { return TypeQue; }
    void SetTypeQue(TQue type) { TypeQue = type; }
    THint GetHintMode() const { return HintMode; }
    void SetHintMode(THint mode) { HintMode = mode; }
    const CStringa& GetClassQue() const { return ClassQue; }
    void SetClassQue(const CStringa& text) { ClassQue = text; }
    const CStringa& GetImage() const { return Image; }
    void SetImage(const CStringa& name) { Image = name; }
    int GetRandom() const { return Random; }
    void SetRandom(int flag);  // then BuildOrder
    TSel GetSelection() const { return Selection; }
    void SetSelection(TSel selection) { Selection = selection; }
    TTypeSel GetTypeSel() const { return TypeSel; }
    void SetTypeSel(TTypeSel type) { TypeSel = type; }
    TAdd GetAddTxtNum() const { return AddTxtNum; }
    void SetAddTxtNum(TAdd add) { AddTxtNum = add; }
    double GetNumOk() const { return NumOk; }
    void SetNumOk(double number) { NumOk = number; }
    double GetPrecision() const { return Precision; }
    void SetPrecision(double precision) { Precision = precision; }
    float GetScoreIfOk() const { return ScoreIfOk; }
    // Sets ScoreIfNear too, as reading a file does.
    void SetScoreIfOk(float score) { ScoreIfOk = ScoreIfNear = score; }
    float GetScoreIfBad() const { return ScoreIfBad; }
    void SetScoreIfBad(float score) { ScoreIfBad = score; }
    float GetScoreIfNear() const { return ScoreIfNear; }
    void SetScoreIfNear(float score) { ScoreIfNear = score; }
    const CStringa& GetTextOk() const { return TextOk; }
    void SetTextOk(const CStringa& text) { TextOk = text; }
    int GetDivide() const { return Divide; }
    void SetDivide(int flag) { Divide = flag ? 1 : 0; }

    // Fills the question from the content of a <Question> block, comments
    // removed: <ParQue>, then <TextQue> (trimmed), then up to MAX_ANSWERS
    // <Answer> blocks (further ones are ignored). index is the question's
    // position counting from 0, for error messages. Returns 0 or the first
    // failure: 6/7 for a missing <ParQue> or <TextQue> tag (reported), 11 for
    // an unknown parameter (then <TextQue> and the answers are not read), 7
    // for an <Answer> without its closing tag (not reported), or the code of
    // an answer's Read (that answer stays counted). Fields set before a
    // failure stay set; Order is rebuilt in every case.
    int Read(int index, const CBlocco& block);
    // Applies parsed <ParQue> pairs in order; "scoreifok" sets ScoreIfNear
    // too. An unknown name reports 11 once and the later pairs are still
    // applied; returns 11 if any name was unknown, else 0.
    int ApplyParQue(int index, const CParametro* pairs, unsigned count);
    // The whole <Question> record, answers included, each line scrambled
    // when scrambled is 1. Divide and Order are not written; the precision of
    // a text question is written as a whole number.
    void Write(std::ostream& out, int scrambled) const;
    // The same record, not scrambled, added to the end of text.
    void AppendRecord(std::string& text) const;

    // Score bounds (in single precision) and the mean and variance of the
    // score of a choice made at random (in double precision); 0 for the
    // kinds that have none, and for a choice question without answers.
    float MaxScore() const;
    float MinScore() const;
    double MeanScore() const;
    double ScoreVariance() const;

private:
    bool IsChoice() const { return TypeQue == TQue::MultipleAnswer; }
    bool IsOpen() const { return TypeQue == TQue::SingleNumber || TypeQue == TQue::SingleText; }

    CErrore* Errors;
    CStringa TextQue;
    int EnableQue = 1;
    float ScoreIfSkip = 0;
    float ScoreIfLate = 0;
    float ScoreIfSendBack = 0;
    int TimeQue = 0;
    TQue TypeQue = TQue::MultipleAnswer;
    THint HintMode = THint::Natural;
    CStringa ClassQue;
    CStringa Image;
    int Random = 0;
    TSel Selection = TSel::Single;
    TTypeSel TypeSel = TTypeSel::Sign;
    TAdd AddTxtNum = TAdd::None;
    double NumOk = 0;
    double Precision = 0.001;
    float ScoreIfOk = 3;
    float ScoreIfBad = 0;
    float ScoreIfNear = 3;
    CStringa TextOk;
    int Divide = 1;  // read and compared, never written
    int AnswerCount = 0;
    // The answer objects live in the question itself; Answers orders them, so
    // that a removed answer's object moves to the end.
    std::array<CRisposta, MAX_ANSWERS> Slots;
    std::array<CRisposta*, MAX_ANSWERS> Answers;
    // Order[p] is the storage index of the answer shown at position p.
    std::array<int, MAX_ANSWERS> Order;
};

}  // namespace quadrivo

#endif
