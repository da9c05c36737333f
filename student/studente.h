#ifndef QUADRIVO_STUDENT_STUDENTE_H
#define QUADRIVO_STUDENT_STUDENTE_H

#include <iosfwd>
#include <memory>
#include <vector>

#include "student/studrispo.h"
#include "text/limiti.h"
#include "text/stringa.h"

namespace quadrivo {

class CBlocco;
class CErrore;
struct CParametro;

// One student's result for one questionnaire: name, two time texts, total
// score and one owned CStudRispo per question. Its file form is a <Student>
// block holding one <StPar> record and the <Ans> records.
//
// Errors is not owned, must outlive the record and is handed to every answer.
// Copying copies the answers into answers of the copy's own; when the source
// carries an error code only Errors and the code are copied.
class CStudente {
public:
    explicit CStudente(CErrore* errors);
    // With n answers; the first failure to add one becomes Error().
    CStudente(CErrore* errors, int n);
    CStudente(const CStudente& other);
    CStudente& operator=(const CStudente& other);
    ~CStudente();

    bool operator==(const CStudente& other) const;
    bool operator!=(const CStudente& other) const { return !(*this == other); }

    // Deletes the answers and sets the count, the error code and TotalScore
    // to 0; the texts are kept.
    void Clear();
    // Appends a new answer: 0, or 16 reported when MAX_STUDENT_ANSWERS exist
    // already or the answer cannot be allocated.
    int AddAnswer();
    void DeleteAnswers();
    // Answer i. A record without answers gets one first. An index outside
    // 0..AnswerCount()-1, or a record with an error code, gives answer 0, so
    // the result is null only when not even one answer could be allocated.
    CStudRispo* Answer(int i);
    int AnswerCount() const { return static_cast<int>(Answers.size()); }
    int Error() const { return ErrorCode; }

    const CStringa& GetNameStudent() const { return NameStudent; }
    void SetNameStudent(const CStringa& name) { NameStudent = name; }
    const CStringa& GetTimeInit() const { return TimeInit; }
    void SetTimeInit(const CStringa& text) { TimeInit = text; }
    const CStringa& GetTimeLength() const { return TimeLength; }
    void SetTimeLength(const CStringa& text) { TimeLength = text; }
    float GetTotalScore() const { return TotalScore; }
    void SetTotalScore(float score) { TotalScore = score; }

    // The three lines of the <StPar> record; testName is the test's file
    // name without its directory.
    void WriteStPar(std::ostream& out, const CStringa& testName) const;
    // Reads one <Student> block (its content in block.Text): the <StPar>
    // record, then min(questionCount, MAX_STUDENT_ANSWERS) answers, each
    // <Ans> placed at its IDAns (records whose IDAns lies outside are
    // dropped). studentNumber names the record in errors 20 and 21.
    // Returns 0; GetTag's 6 or 7 (reported) for a missing <StPar>; 20 for a
    // record of another test or 21 for an unknown name (both reported, and
    // the record is then left without answers); 22 from an answer; 7,
    // unreported, for an <Ans> without closing tag; 16.
    int Read(const CStringa& testName, int questionCount, int studentNumber, const CBlocco& block);

private:
    int ReadStPar(const CStringa& testName, int studentNumber, const CParametro* pairs, unsigned count);
    void CopyFrom(const CStudente& other);

    CErrore* Errors;
    int ErrorCode = 0;
    std::vector<std::unique_ptr<CStudRispo>> Answers;
    CStringa NameStudent;
    CStringa TimeInit;
    CStringa TimeLength;
    float TotalScore = 0;
};

}  // namespace quadrivo

#endif
