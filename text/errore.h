#ifndef QUADRIVO_TEXT_ERRORE_H
#define QUADRIVO_TEXT_ERRORE_H

#include <initializer_list>
#include <string>
#include <string_view>

#include "text/stringa.h"

namespace quadrivo {

// The error codes of the library. Their numbers are those that messages,
// programs' exit statuses and callers have always used; 0 is success.
enum FileError : int {
    kFileMissing = 2,     // raised by no operation
    kCannotRead = 3,      // a file that cannot be opened or read
    kSectionTooLong = 4,  // a section of MAX_SECTION_TEXT characters or more
    kNoMemoryForTest = 5,
    kMissingOpeningTag = 6,
    kMissingClosingTag = 7,
    kMissingTag = 8,                 // a tag searched in the file and not found
    kErrorLines = 9,                 // the lines of the error that follows
    kUnknownTestParameter = 10,      // in <ParTest>
    kUnknownQuestionParameter = 11,  // in <ParQue>
    kNoMemoryForQuestion = 12,
    kUnknownAnswerParameter = 13,  // in <ParAns>
    kFileExists = 14,
    kCannotCreate = 15,
    kNoMemoryForStudentAnswer = 16,
    kFieldNotWritable = 17,  // a guarded setter of a student answer refused
    kNoMemoryForStudent = 18,
    kWrongStudentCount = 19,        // raised by no operation
    kOtherTestsRecord = 20,         // a student record of another test
    kUnknownStudentParameter = 21,  // in <StPar>
    kUnknownAnsParameter = 22,      // in <Ans>
    kMayBeIncomplete = 24,          // a warning: the file lacks its closing </Test>
    kSectionTooLongToSave = 25,
    kTextNotStorable = 26,  // a text the file could not give back
    kTooManyStudents = 27,  // a warning: records past MAX_STUDENTS left out
};

// The error reporter. Model and file code never throws: an operation that
// fails calls Report once, with its code and up to two texts, and returns the
// code. Code 0 is success and shows nothing.
class CErrore {
public:
    virtual ~CErrore() = default;
    virtual void Report(int code, const CStringa& text1, const CStringa& text2) = 0;
};

// Where finished messages go: the editor shows a modal "Informazione" box,
// tsttool writes to stderr, tests record. Messages are Windows-1252, like the
// files' text: the file names in them are turned from the system's encoding,
// a character that Windows-1252 lacks becoming '?'.
class ErrorPresenter {
public:
    virtual ~ErrorPresenter() = default;
    // message is the complete text, to be shown literally.
    virtual void Present(int code, const CStringa& message) = 0;
};

// The reporter of a program: builds the message of a code and hands it to
// its sink. The sink must outlive the reporter, or stay until the next
// SetSink. Not copyable: model objects point to it.
class mkErrore : public CErrore {
public:
    explicit mkErrore(ErrorPresenter& sink) : sink_(&sink) {}
    mkErrore(const mkErrore&) = delete;
    mkErrore& operator=(const mkErrore&) = delete;

    void Report(int code, const CStringa& text1, const CStringa& text2) override;
    // Sends the messages to sink from now on; returns the previous sink.
    ErrorPresenter& SetSink(ErrorPresenter& sink);

    // The message of a code; "Errore ???" for a code the table lacks.
    static CStringa Message(int code, const CStringa& text1, const CStringa& text2);

private:
    ErrorPresenter* sink_;
};

// For its lifetime the messages of reporter go to sink; then the sink
// before it comes back. reporter must outlive it. Not copyable.
class RedirectedReports {
public:
    RedirectedReports(mkErrore& reporter, ErrorPresenter& sink)
        : reporter_(reporter), previous_(reporter.SetSink(sink))
    {
    }
    ~RedirectedReports() { reporter_.SetSink(previous_); }
    RedirectedReports(const RedirectedReports&) = delete;
    RedirectedReports& operator=(const RedirectedReports&) = delete;

private:
    mkErrore& reporter_;
    ErrorPresenter& previous_;
};

// Writes each message on a line of its own to stderr, in UTF-8.
class StderrPresenter : public ErrorPresenter {
public:
    void Present(int code, const CStringa& message) override;
};

// The report forms that model code calls; numbers become text with the
// CStringa number constructors. A null reporter reports nothing.
void Report(CErrore* errors, int code);
void Report(CErrore* errors, int code, const CStringa& text);
void Report(CErrore* errors, int code, int number);
void Report(CErrore* errors, int code, int number, const CStringa& text);
void Report(CErrore* errors, int code, const CStringa& text1, const CStringa& text2);
void Report(CErrore* errors, int code, long first, long second);

// The programs' own texts in the user's language. A program with
// translations sets a translator once, before it shows anything; without one
// every text stays the source. The translator takes and gives UTF-8.
using TextTranslator = std::string (*)(const char* context, const char* utf8Source);
void SetTextTranslator(TextTranslator translator);

// utf8Source (a literal) in Windows-1252, through the translator when one is
// set. The result lives as long as the program: texts are kept once each, so
// that tables of texts may hold the pointer.
const char* TranslatedText(const char* context, const char* utf8Source);

// pattern with %1 to %9 replaced by values[0] to values[8], in one pass (a
// value holding "%2" stays as it is); a '%' before anything else stays.
std::string FilledIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// Words the messages of the codes in the user's language: text1 and text2
// as Report got them (file names already turned to Windows-1252). Without
// one, or when it gives back an empty text, mkErrore::Message.
using MessageWording = CStringa (*)(int code, const CStringa& text1, const CStringa& text2);
void SetMessageWording(MessageWording wording);

}  // namespace quadrivo

#endif
