#include "practice/questionprinting.h"

#include "practice/questionviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWebEnginePage>

#include <memory>

namespace kw {

namespace {

// One print of the page, from the pupil's choice until the engine reports it
// finished: a child of the viewer, so it goes with the viewer at the latest.
// The engine prints one page at a time, so a viewer has at most one.
class PrintJob : public QObject {
public:
    explicit PrintJob(QuestionViewer *viewer) : QObject(viewer) { setObjectName(name()); }

    static QString name() { return QStringLiteral("kwPrintJob"); }
    static bool running(const QuestionViewer *viewer)
    {
        return viewer->findChild<QObject *>(name(), Qt::FindDirectChildrenOnly) != nullptr;
    }
    void finish()
    {
        printer.reset();
        setObjectName(QString());
        deleteLater();
    }

    std::unique_ptr<QPrinter> printer;
};

QString translated(const char *text)
{
    return QCoreApplication::translate("kw::QuestionPrinting", text);
}

// "Question 3.pdf" (after the page title) in the pupil's documents.
QString choosePdfFile(const QuestionViewer *viewer, const PrintHooks &hooks)
{
    return hooks.askPdfFile(viewer->title(), QStringLiteral("Question"));
}

void printToPdfFile(QuestionViewer *viewer, const PrintHooks &hooks)
{
    const QString path = choosePdfFile(viewer, hooks);
    if (path.isEmpty())
        return;
    auto *job = new PrintJob(viewer);
    QObject::connect(viewer->page(), &QWebEnginePage::pdfPrintingFinished, job,
                     [job, path, hooks](const QString &file, bool ok) {
        if (file != path)
            return;
        job->finish();
        const QString shown = QDir::toNativeSeparators(path);
        hooks.say(ok ? translated("The question was saved as a PDF file: %1").arg(shown)
                     : translated("The question could not be saved as a PDF file: %1").arg(shown));
    });
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                             QPageLayout::Millimeter);
    viewer->page()->printToPdf(path, layout);
}

void printOnPrinter(QuestionViewer *viewer, QWidget *dialogParent, const PrintHooks &hooks)
{
    // The engine prints page images at the printer's resolution: 300 dots
    // per inch is sharp without making each page enormous.
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer->setResolution(300);
    {
        QPrintDialog dialog(printer.get(), dialogParent);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    // Printing to a file with no file named would go nowhere.
    if (printer->outputFormat() == QPrinter::PdfFormat && printer->outputFileName().isEmpty()) {
        const QString path = choosePdfFile(viewer, hooks);
        if (path.isEmpty())
            return;
        printer->setOutputFileName(path);
    }
    auto *job = new PrintJob(viewer);
    job->printer = std::move(printer);
    QObject::connect(viewer, &QWebEngineView::printFinished, job, [job, hooks](bool ok) {
        job->finish();
        if (!ok)
            hooks.say(translated("The question could not be printed."));
    });
    viewer->print(job->printer.get());
}

} // namespace

QString suggestedPdfPath(const QString &documentName, const QString &fallbackName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString base = documentName.simplified();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : base) {
        if (forbidden.contains(c) || !c.isPrint())
            c = u'_';
    }
    if (base.isEmpty() || base.startsWith(u'.'))
        base = fallbackName;
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
    return path;
}

QString PrintHooks::askPdfFile(const QString &documentName, const QString &fallbackName) const
{
    return choosePdfFile ? choosePdfFile(suggestedPdfPath(documentName, fallbackName)) : QString();
}

void PrintHooks::say(const QString &message) const
{
    if (tell)
        tell(message);
}

void printQuestion(QuestionViewer *viewer, QWidget *dialogParent, const PrintHooks &hooks)
{
    if (PrintJob::running(viewer)) {
        hooks.say(translated("The question is still being printed. Please wait a moment and try again."));
        return;
    }
    if (QPrinterInfo::availablePrinters().isEmpty())
        printToPdfFile(viewer, hooks);
    else
        printOnPrinter(viewer, dialogParent, hooks);
}

} // namespace kw
