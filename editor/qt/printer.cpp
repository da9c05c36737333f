#include "editor/qt/printer.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "editor/core/application.h"
#include "editor/core/dialogs.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/qt/encoding.h"
#include "translations/language.h"

namespace quadrivo::editor {

namespace {

// Lengths in millimetres on the page; the painter works in device pixels.
constexpr double kGapMm = 4;
constexpr double kBoxMm = 3.5;
constexpr double kOpenAnswerMm = 14;
constexpr double kImageMaxHeightMm = 60;

class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter)
    {
        const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiY());
        width_ = page.width();
        height_ = page.height();
    }

    int Mm(double mm) const { return static_cast<int>(mm * device_.logicalDpiY() / 25.4); }
    int Width() const { return width_; }

    // The height text takes in font, wrapped to width.
    int TextHeight(const QString& text, const QFont& font, int width) const
    {
        if (text.isEmpty()) return 0;
        const QFontMetrics metrics(font, &device_);
        return metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text).height();
    }
    int DrawText(int x, const QString& text, const QFont& font, int width, int flags = 0)
    {
        const int height = TextHeight(text, font, width);
        painter_.setFont(font);
        painter_.drawText(QRect(x, y_, width, height), Qt::TextWordWrap | flags, text);
        return height;
    }

    // Starts a new page unless height fits in what is left of this one; a
    // block taller than a page goes on a page of its own.
    void Reserve(int height)
    {
        if (y_ > 0 && y_ + height > height_) {
            device_.newPage();
            y_ = 0;
        }
    }

    QPainter& Painter() { return painter_; }
    int y_ = 0;

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    int width_ = 0;
    int height_ = 0;
};

QFont Font(double points, bool bold = false)
{
    QFont font(QStringLiteral("Sans Serif"), 0);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// An image scaled to the text's width and a fixed height at most.
QImage ScaledImage(const PageWriter& writer, const std::string& path, int width)
{
    if (path.empty()) return QImage();
    QImageReader reader(FromNativeBytes(path));
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) return image;
    const QSize room(width, writer.Mm(kImageMaxHeightMm));
    // Small images are enlarged up to four times: a screen's pixels are far
    // bigger than a printer's dots.
    QSize size = image.size() * 4;
    size = size.boundedTo(room.expandedTo(QSize(1, 1)));
    return image.scaled(image.size().scaled(size, Qt::KeepAspectRatio), Qt::KeepAspectRatio,
                        Qt::SmoothTransformation);
}

int AnswerHeight(const PageWriter& writer, const PrintedAnswer& answer, int width)
{
    return std::max(writer.TextHeight(FromWindows1252(answer.text), Font(11), width), writer.Mm(kBoxMm)) +
           writer.Mm(1.5);
}

void PaintQuestion(PageWriter& writer, const Printout& printout, const PrintedQuestion& question)
{
    const bool key = printout.kind == PrintoutKind::Key;
    const int width = writer.Width();
    const int indent = writer.Mm(8);
    const QString heading = QCoreApplication::translate("Printer", "Domanda %1").arg(question.number);
    const QString text = FromWindows1252(question.text);
    const QImage image = ScaledImage(writer, question.image, width - indent);
    const QString note = FromWindows1252(question.imageNote);
    QString hint;
    if (!question.openAnswer)
        hint = question.severalSolutions
                   ? QCoreApplication::translate("Printer", "(una o pi\u00f9 risposte esatte)")
                   : QCoreApplication::translate("Printer", "(una sola risposta esatta)");

    const int pointsWidth = key ? writer.Mm(18) : 0;
    const int answerWidth = width - indent - writer.Mm(kBoxMm) - writer.Mm(3) - pointsWidth;
    int height = writer.TextHeight(heading, Font(12, true), width) +
                 writer.TextHeight(text, Font(11), width) + writer.Mm(kGapMm) * 2;
    if (!image.isNull()) height += image.height() + writer.Mm(2);
    height += writer.TextHeight(note, Font(9), width) + writer.TextHeight(hint, Font(9), width);
    for (const PrintedAnswer& answer : question.answers) height += AnswerHeight(writer, answer, answerWidth);
    const QString keyAnswer = FromWindows1252(question.keyAnswer);
    if (question.openAnswer)
        height += key ? writer.TextHeight(keyAnswer, Font(11), width - indent) : writer.Mm(kOpenAnswerMm);
    writer.Reserve(height);

    QPainter& painter = writer.Painter();
    writer.y_ += writer.DrawText(0, heading, Font(12, true), width);
    writer.y_ += writer.DrawText(0, text, Font(11), width) + writer.Mm(2);
    if (!image.isNull()) {
        painter.drawImage(QPoint(indent, writer.y_), image);
        writer.y_ += image.height() + writer.Mm(2);
    }
    writer.y_ += writer.DrawText(indent, note, Font(9), width - indent);
    writer.y_ += writer.DrawText(indent, hint, Font(9), width - indent);
    for (const PrintedAnswer& answer : question.answers) {
        const int box = writer.Mm(kBoxMm);
        const QRect square(indent, writer.y_ + writer.Mm(0.6), box, box);
        painter.setPen(QPen(Qt::black, std::max(1, writer.Mm(0.25))));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square);
        if (answer.correct) {
            painter.drawLine(square.topLeft(), square.bottomRight());
            painter.drawLine(square.topRight(), square.bottomLeft());
        }
        const int x = indent + box + writer.Mm(3);
        const int answerHeight = AnswerHeight(writer, answer, answerWidth);
        writer.DrawText(x, FromWindows1252(answer.text), Font(11, answer.correct), answerWidth);
        if (key)
            writer.DrawText(x + answerWidth, FromWindows1252(answer.points), Font(11), pointsWidth,
                            Qt::AlignRight);
        writer.y_ += answerHeight;
    }
    if (question.openAnswer) {
        if (key) {
            writer.y_ += writer.DrawText(indent, keyAnswer, Font(11), width - indent);
        } else {
            const int box = writer.Mm(kOpenAnswerMm) - writer.Mm(2);
            painter.setPen(QPen(Qt::black, std::max(1, writer.Mm(0.25))));
            painter.drawRect(QRect(indent, writer.y_, width - indent, box));
            writer.DrawText(indent + writer.Mm(1.5), QCoreApplication::translate("Printer", "Risposta:"),
                            Font(9), width - indent);
            writer.y_ += writer.Mm(kOpenAnswerMm);
        }
    }
    writer.y_ += writer.Mm(kGapMm);
}

}  // namespace

bool PaintPrintout(QPagedPaintDevice& device, const Printout& printout)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PageWriter writer(device, painter);
    const int width = writer.Width();
    writer.y_ += writer.DrawText(0, FromWindows1252(printout.title), Font(16, true), width, Qt::AlignHCenter);
    writer.y_ += writer.Mm(kGapMm);
    if (!printout.nameLine.empty()) {
        writer.y_ += writer.DrawText(0, FromWindows1252(printout.nameLine), Font(11), width);
        writer.y_ += writer.Mm(kGapMm);
    }
    if (!printout.text.empty()) {
        writer.y_ += writer.DrawText(0, FromWindows1252(printout.text), Font(11), width);
        writer.y_ += writer.Mm(kGapMm * 2);
    }
    for (const PrintedQuestion& question : printout.questions) PaintQuestion(writer, printout, question);
    return painter.end();
}

bool WritePdf(const Printout& printout, const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(FromWindows1252(printout.title));
    writer.setCreator(QStringLiteral("Visual Quadrivo Editor"));
    return PaintPrintout(writer, printout);
}

std::optional<PrintoutKind> AskPrintoutKind(QWidget* owner, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title,
                    QCoreApplication::translate("Printer", "Quale versione del test?"), QMessageBox::Cancel,
                    owner);
    QPushButton* students = box.addButton(QCoreApplication::translate("Printer", "Il test per gli studenti"),
                                          QMessageBox::AcceptRole);
    QPushButton* key = box.addButton(QCoreApplication::translate("Printer", "Le soluzioni per il docente"),
                                     QMessageBox::AcceptRole);
    students->setObjectName(QStringLiteral("studentsButton"));
    key->setObjectName(QStringLiteral("keyButton"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Printer", "&Annulla"));
    box.setDefaultButton(students);
    box.exec();
    if (box.clickedButton() == students) return PrintoutKind::Students;
    if (box.clickedButton() == key) return PrintoutKind::Key;
    return std::nullopt;
}

void PrintTest(QWidget* owner, Application& app)
{
    const std::optional<PrintoutKind> kind =
        AskPrintoutKind(owner, QCoreApplication::translate("Printer", "Stampa"));
    if (!kind) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(FromWindows1252(MakePrintout(app, *kind).title));
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QCoreApplication::translate("Printer", "Stampa"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PaintPrintout(printer, MakePrintout(app, *kind)))
        ShowInfo(app, language::CoreText(
                          QCoreApplication::translate("Printer", "Non riesco a stampare il test.")));
}

void ExportPdf(QWidget* owner, Application& app)
{
    const std::optional<PrintoutKind> kind =
        AskPrintoutKind(owner, QCoreApplication::translate("Printer", "Esporta PDF"));
    if (!kind) return;
    std::string path;
    if (!app.dialogs.SaveFileName(PdfRequest(app, *kind), path)) return;
    if (!WritePdf(MakePrintout(app, *kind), FromNativeBytes(path)))
        ShowInfo(app, language::CoreText(
                          QCoreApplication::translate("Printer", "Non riesco a scrivere il file \"%1\".")
                              .arg(FromWindows1252(app.files.NameForMessage(path)))));
}

}  // namespace quadrivo::editor
