#include "mainwindow/resultsprinting.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace kw {

namespace {

constexpr double kLargestPointSize = 10.0;

QFont sheetFont(const QStringList &lines, QPaintDevice *device, double pageWidth)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(kLargestPointSize);
    qsizetype widest = 1;
    for (const QString &line : lines)
        widest = qMax(widest, line.size());
    const double needed = QFontMetricsF(font, device).horizontalAdvance(QString(widest, QLatin1Char('M')));
    if (needed > pageWidth)
        font.setPointSizeF(kLargestPointSize * pageWidth / needed * 0.98);
    return font;
}

// A printer with no printer installed writes PDF: the sheet lies across an
// A4 page, where its 128-column rules fit in a readable size.
void preparePdf(QPrinter *printer, const QString &path)
{
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                       QPageLayout::Millimeter));
}

bool printOn(QPrinter *printer, const QStringList &lines, const QString &documentName, const PrintHooks &hooks)
{
    if (paintResultsSheet(printer, lines, documentName))
        return true;
    hooks.say(QStringLiteral("Your results could not be printed. Check the printer, then press Print again."));
    return false;
}

} // namespace

bool paintResultsSheet(QPrinter *printer, const QStringList &lines, const QString &documentName)
{
    printer->setDocName(documentName);
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    const QFont font = sheetFont(lines, printer, page.width());
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, printer);
    const double step = metrics.lineSpacing();
    double top = 0;
    for (const QString &line : lines) {
        if (top + step > page.height()) {
            printer->newPage();
            top = 0;
        }
        painter.drawText(QPointF(0, top + metrics.ascent()), line);
        top += step;
    }
    return painter.end();
}

void printResultsSheet(const QStringList &lines, const QString &documentName, QPrinter *chosen,
                       const PrintHooks &hooks)
{
    if (chosen) {
        printOn(chosen, lines, documentName, hooks);
        return;
    }
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printOn(&printer, lines, documentName, hooks);
        return;
    }
    const QString path = hooks.askPdfFile(documentName, QStringLiteral("Results"));
    if (path.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePdf(&printer, path);
    const QFileInfo file(path);
    if (!paintResultsSheet(&printer, lines, documentName)) {
        hooks.say(QStringLiteral("Your results could not be saved as \"%1\". Choose another folder and press "
                                 "Print again.")
                      .arg(file.fileName()));
        return;
    }
    hooks.say(QStringLiteral("No printer is set up on this computer, so your results were saved as a PDF "
                             "file, \"%1\", in the folder \"%2\".")
                  .arg(file.fileName(), file.dir().dirName()));
}

bool setUpPrinter(QPrinter *printer, QWidget *dialogParent, const PrintHooks &hooks)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        hooks.say(QStringLiteral("No printer is set up on this computer. Print saves your results as a PDF "
                                 "file instead, in a folder you choose."));
        return false;
    }
    QPrintDialog dialog(printer, dialogParent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kw
