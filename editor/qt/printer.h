#ifndef QUADRIVO_EDITOR_QT_PRINTER_H
#define QUADRIVO_EDITOR_QT_PRINTER_H

#include <QString>
#include <optional>

#include "editor/core/printout.h"

class QPagedPaintDevice;
class QWidget;

namespace quadrivo::editor {

class Application;

// Lays the printout out on the pages of device: the title and the name
// line, the illustrative text, then the numbered questions, each with its
// image and its answer boxes. A question that does not fit in what is left
// of a page starts the next one. False when nothing could be painted.
bool PaintPrintout(QPagedPaintDevice& device, const Printout& printout);
// The printout as an A4 PDF file at path; false when it cannot be written.
bool WritePdf(const Printout& printout, const QString& path);

// Asks, in a box captioned title, which printout to make: the students'
// test or the teacher's key; none when cancelled.
std::optional<PrintoutKind> AskPrintoutKind(QWidget* owner, const QString& title);

// File, "Stampa...": the choice, then the system's print dialog.
void PrintTest(QWidget* owner, Application& app);
// File, "Esporta PDF...": the choice, then the save dialog and the file.
void ExportPdf(QWidget* owner, Application& app);

}  // namespace quadrivo::editor

#endif
