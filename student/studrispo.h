#ifndef QUADRIVO_STUDENT_STUDRISPO_H
#define QUADRIVO_STUDENT_STUDRISPO_H

#include <iosfwd>
#include <string_view>

#include "student/tempo.h"
#include "text/enumerazioni.h"
#include "text/limiti.h"
#include "text/stringa.h"

namespace quadrivo {

class CBlocco;
class CErrore;

// The judgement of a student's answer.
enum class TCorrect { No = 0, Yes = 1, Nearly = 2, Skip = 3, Late = 4, Disable = 5 /* fallback */ };

CStringa TCorrectText(TCorrect value);
TCorrect TCorrectFromText(const CStringa& word);
TCorrect TCorrectFromText(std::string_view word);

// A double narrowed to float; values beyond the float range become
// infinities instead of undefined behaviour.
float ToFloat(double x);

// What one student did with one question: validity, judgement, time, how
// often it was put off, points, and the answer itself (a number, a text or
// the marks given to the choices). Its file form is the <Ans> record.
//
// While the record is not valid the guarded setters refuse: they change
// nothing, report error 17 with the field's name and return 17. The guarded
// getters then answer 0. Errors is not owned and must outlive the record;
// copies share it. Copyable; equality ignores Errors.
class CStudRispo {
public:
    explicit CStudRispo(CErrore* errors);

    bool operator==(const CStudRispo& other) const;
    bool operator!=(const CStudRispo& other) const { return !(*this == other); }

    // Plain accessors, without checks.
    int GetIDAns() const { return IDAns; }
    void SetIDAns(int id) { IDAns = id; }
    int GetRndAns() const { return RndAns; }
    void SetRndAns(int position) { RndAns = position; }
    int GetIsValid() const { return IsValid; }
    void SetIsValid(int valid) { IsValid = valid; }
    TCorrect GetIsCorrect() const { return IsCorrect; }
    void SetIsCorrect(TCorrect judgement) { IsCorrect = judgement; }
    TQue GetTypeQue() const { return TypeQue; }
    double GetNumber() const { return Number; }
    int GetStNumRisp() const { return StNumRisp; }
    const CStringa& GetLineAns() const { return LineAns_; }
    CStringa& LineAns() { return LineAns_; }
    CTempo& TimeAns() { return TimeAns_; }
    const CTempo& TimeAns() const { return TimeAns_; }
    int GetTimeAns() const { return TimeAns_.Elapsed(); }

    // Guarded getters: 0 unless the record is valid (and, for the choices, a
    // multiple-answer record with i below StNumRisp).
    int GetNumSendBack() const;
    float GetScore() const;
    int GetChoice(int i) const;
    int GetStRndRisp(int i) const;

    // The same fields as stored, whatever the record's validity or kind, for
    // showing a record as the file holds it; 0 for i outside the arrays.
    int StoredNumSendBack() const { return NumSendBack; }
    float StoredScore() const { return Score; }
    int StoredChoice(int i) const;
    int StoredStRndRisp(int i) const;

    // Guarded setters: 0, or 17 reported with the field's name.
    int IncNumSendBack();
    int AddScore(float x);
    int PutTypeQue(TQue type);
    int PutNumber(double x);  // SingleNumber records only
    int PutLineAns(const CStringa& text);
    int PutStNumRisp(int n);             // MultipleAnswer records, n in 0..20
    int PutChoice(int i, int value);     // MultipleAnswer, i below StNumRisp; stored as 0 or 1
    int PutStRndRisp(int i, int value);  // as PutChoice, value in -1..35

    bool IsAnswered() const;  // valid and not skipped

    // Applies the parameters of one <Ans> content (block.Text) directly to
    // the fields. number names the answer in error 22, which is reported for
    // each unknown name while the other pairs still apply. Returns 0 or 22.
    int Read(int number, const CBlocco& block);
    // What Read does, for an <Ans> content laid out exactly as Write lays it
    // out, without taking it apart into parameters; false, changing
    // nothing, for every other text. Readers of a student try it first.
    bool ReadWritten(std::string_view text);
    // The three lines of the <Ans> record; nothing for a record that is
    // neither valid nor judged (IsValid 0 and Disable).
    void Write(std::ostream& out) const;

private:
    int Refuse(const char* field) const;
    bool ChoicesWritable(int i) const;

    CErrore* Errors;
    int IDAns = -1;
    int IsValid = 0;
    int RndAns = -1;
    TCorrect IsCorrect = TCorrect::Disable;
    CTempo TimeAns_;
    int NumSendBack = 0;
    float Score = 0;
    TQue TypeQue = TQue::SingleNumber;
    double Number = 0;
    CStringa LineAns_;
    int StNumRisp = 0;
    int Choice[MAX_STUDENT_CHOICES] = {};
    int StRndRisp[MAX_STUDENT_CHOICES];
};

}  // namespace quadrivo

#endif
