#ifndef QUADRIVO_INTERCHANGE_PLAINTEXT_H
#define QUADRIVO_INTERCHANGE_PLAINTEXT_H

#include <string>
#include <string_view>

namespace quadrivo::interchange {

// The texts of the files that learning platforms exchange, turned into the
// plain Windows-1252 text of our questions and back. Inside the importers
// every text is UTF-8; only the last step narrows it.

// The bytes of an imported file as UTF-8: a byte order mark is dropped, a
// file that is valid UTF-8 is taken as it is, any other file is read as
// Windows-1252.
std::string DecodeFile(std::string_view bytes);

// Plain text from HTML: tags removed (line breaks, paragraphs, list items
// and headings become line breaks, the rest of the markup goes), the
// entities decoded, runs of blanks collapsed as a browser shows them, blank
// lines at either end dropped.
std::string PlainFromHtml(std::string_view html);
// Plain text from Markdown: emphasis, code ticks, heading and quote
// markers removed; link texts kept without their targets.
std::string PlainFromMarkdown(std::string_view markdown);

// The HTML of a plain text: the special characters as entities, line
// breaks as <br>.
std::string HtmlFromPlain(std::string_view text);

// Windows-1252 of UTF-8 text. A character the code page lacks becomes its
// nearest equivalent ("-" for a minus sign, "a" for "a" with a breve) or
// "?", and is counted in *replaced; NUL, which ends the model's strings,
// counts as well. Line breaks come out as LF, as the model keeps them.
std::string ModelText(std::string_view utf8, int* replaced);

// The UTF-8 of a model text.
std::string ExportText(std::string_view windows1252);

// Decimal text that reads back to the same double; numbers from the
// imported files are read without regard to the locale.
std::string NumberText(double x);
bool ReadNumber(std::string_view text, double* x);

}  // namespace quadrivo::interchange

#endif
