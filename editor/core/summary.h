#ifndef QUADRIVO_EDITOR_CORE_SUMMARY_H
#define QUADRIVO_EDITOR_CORE_SUMMARY_H

#include <array>
#include <string>

namespace quadrivo {
class CParTest;
}  // namespace quadrivo

namespace quadrivo::editor {

// The nine lines the main window paints: the test's name, its number of
// questions and its general parameters, each cut to the 255 characters of
// the line buffer. Windows-1252.
std::array<std::string, 9> SummaryLines(const CParTest& params, int questionCount);

// Where the painter puts line k: at x = kSummaryX, its top 24 pixels below
// the one before.
constexpr int kSummaryX = 8;
constexpr int kSummaryLineSpacing = 24;

}  // namespace quadrivo::editor

#endif
