#ifndef QUADRIVO_MODEL_RISPOSTA_H
#define QUADRIVO_MODEL_RISPOSTA_H

#include <iosfwd>
#include <string>

#include "text/stringa.h"

namespace quadrivo {

class CBlocco;
class CErrore;
struct CParametro;
struct CTratto;

// One choice of a question: its text, the points it gives when chosen and
// whether it is a correct choice, with its <Answer> record in questionnaire
// files. Errors is not owned and must outlive the answer; copies share it.
// Copyable.
class CRisposta {
public:
    explicit CRisposta(CErrore* errors);
    CRisposta(const CRisposta& other) = default;
    CRisposta& operator=(const CRisposta& other) = default;  // Errors included
    CRisposta(CRisposta&& other) noexcept = default;
    CRisposta& operator=(CRisposta&& other) noexcept = default;
    ~CRisposta() = default;

    // Score (exactly), Correct and TextAns (case-sensitive); not Errors.
    bool operator==(const CRisposta& other) const;
    bool operator!=(const CRisposta& other) const { return !(*this == other); }

    CErrore* GetErrors() const { return Errors; }
    float GetScore() const { return Score; }
    void SetScore(float score) { Score = score; }
    int IsCorrect() const { return Correct; }
    void SetCorrect(int flag) { Correct = flag ? 1 : 0; }
    const CStringa& GetTextAns() const { return TextAns; }
    void SetTextAns(const CStringa& text) { TextAns = text; }

    // Fills the answer from the content of an <Answer> block: <ParAns> first,
    // then <TextAns> (trimmed). index is the answer's slot in its question,
    // counting from 0, for error messages. Returns 0 or the first failure:
    // 6/7 for a missing tag (reported to block.Errors), 13 for an unknown
    // parameter, in which case <TextAns> is not read. Fields set before a
    // failure stay set; parameters the list does not name keep their value.
    int Read(int index, const CBlocco& block);
    // The same on the <Answer> content as a stretch of its question's
    // record, read without copying it.
    int Read(int index, const CTratto& record);
    // Applies parsed <ParAns> pairs in order. An unknown name reports 13
    // once and the later pairs are still applied; returns 13 if any name was
    // unknown, else 0.
    int ApplyParAns(int index, const CParametro* pairs, unsigned count);
    // The four lines of the <Answer> record, each scrambled when scrambled
    // is 1.
    void Write(std::ostream& out, int scrambled) const;
    // The same four lines, not scrambled, added to the end of text.
    void AppendRecord(std::string& text) const;

private:
    // Reads an <Answer> content laid out exactly as Write lays it out, as
    // Read would; false, with nothing read, for any other.
    bool ReadWritten(const CTratto& record);
    // Applies a <ParAns> content written exactly as Write writes it; false,
    // with nothing applied, for any other.
    bool ReadWrittenParAns(const CTratto& params);

    CErrore* Errors;
    float Score = -1;  // a new choice costs a point until the teacher says otherwise
    int Correct = 0;
    CStringa TextAns;
};

}  // namespace quadrivo

#endif
