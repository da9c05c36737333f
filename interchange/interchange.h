#ifndef QUADRIVO_INTERCHANGE_INTERCHANGE_H
#define QUADRIVO_INTERCHANGE_INTERCHANGE_H

#include <string>
#include <string_view>
#include <vector>

#include "model/domanda.h"

namespace quadrivo {
class CErrore;
class CTest;
}  // namespace quadrivo

namespace quadrivo::interchange {

// The question files that learning platforms exchange: GIFT (text), Moodle
// XML and Aiken (the simplest choice questions as text).
enum class Format { Gift, MoodleXml, Aiken };

// The name of a format on the command line ("gift", "moodle", "aiken").
const char* FormatName(Format format);
bool FormatFromName(std::string_view name, Format* format);
// The format a file's content looks like: XML, Aiken's "ANSWER:" lines, else
// GIFT.
Format GuessFormat(std::string_view bytes);
// The format a file to write is meant for, by its extension: Moodle XML
// for ".xml", Aiken for ".txt" and ".aiken", else GIFT.
Format FormatOfFileName(std::string_view name);
// Whether this build reads and writes the format: Moodle XML needs pugixml.
bool FormatAvailable(Format format);

// Failures of a whole import or export, beyond the file library's codes.
enum InterchangeError : int {
    kMalformedFile = 60,      // the file is not of its format; message names the line
    kNothingImported = 61,    // no question of the file could be taken
    kFormatUnavailable = 62,  // this build lacks the format
    kNothingExported = 63,    // no question of the test fits the format
};

// One remark about one question: number counts the questions of the
// imported file, or of the exported test, from 1. Texts are Windows-1252.
struct Warning {
    int number = 0;
    std::string text;
};
// "domanda N: text", the form in which every program shows a warning.
std::string WarningLine(const Warning& warning);

// An image that came embedded in an imported file, to be written beside
// the questionnaire under name (a bare file name, Windows-1252).
struct Image {
    std::string name;
    std::string bytes;
};

// What an import gives: the questions taken, the remarks about those taken
// and those left out, and, when nothing could be taken, why.
struct Imported {
    int error = 0;        // 0, kMalformedFile, kNothingImported or kFormatUnavailable
    std::string message;  // why error, naming the line of a malformed file
    std::vector<CDomanda> questions;
    std::vector<int> numbers;  // the number in the file of each question
    std::vector<Warning> warnings;
    std::vector<Image> images;
};

// Reads the bytes of a file of the given format. The questions report to
// errors, which must outlive them. Never fails on bad input beyond setting
// error; a question it cannot take is left out with a warning.
Imported Import(std::string_view bytes, Format format, CErrore* errors);

// Appends the imported questions to test, as far as the test has room; a
// question past the limit is left out with a warning. Returns how many
// were appended.
int AppendQuestions(CTest& test, Imported& imported);

// Writes the imported images into folder, each under its name unless a
// different file already has it (then "name-2.ext" and so on, and the
// questions that named it follow); a file already there with the same
// bytes is the image. Returns false, with a warning (number 0), for an
// image that could not be written.
bool SaveImages(Imported& imported, const std::string& folder);

// What an export gives: the file's bytes (UTF-8) and a warning for each
// question left out or changed.
struct Exported {
    int error = 0;      // 0, kFormatUnavailable or kNothingExported
    int questions = 0;  // how many the file holds
    std::string bytes;
    std::vector<Warning> warnings;
};

// Writes the questions of test in the format. imageFolder is where the
// questions' images are read from for Moodle XML (the questionnaire's own
// folder).
Exported Export(const CTest& test, Format format, const std::string& imageFolder);

}  // namespace quadrivo::interchange

#endif
