#ifndef QUADRIVO_BENCH_GENERATORE_H
#define QUADRIVO_BENCH_GENERATORE_H

#include <string>

namespace quadrivo {

// Questionnaires made up for the benchmarks, laid out as the writer lays
// them out, so that no input file needs to be kept.
struct GeneratedShape {
    int questions = 800;
    int answers = 20;
    // Extra "<!-- ... -->" lines inside every question, beyond the writer's
    // own numbering comments.
    int extraComments = 0;
};

// The questionnaire as the writer would store it, plain.
std::string GenerateTestText(const GeneratedShape& shape);
// The same text through the scrambling map (line ends kept).
std::string ScrambledText(const std::string& plain);
// The same content as an XML document, for the reference parser.
std::string GenerateXmlText(const GeneratedShape& shape);
// A student file of count records answering every question of shape, for
// the questionnaire whose bare file name is testName.
std::string GenerateStudentText(const GeneratedShape& shape, int count, const std::string& testName);

}  // namespace quadrivo

#endif
