#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kw {

class QuestionViewer;

// What printing may ask of the pupil.
struct PrintHooks {
    // Asked when no printer is installed: the PDF file to write, given a
    // suggested path; "" means the pupil chose not to print.
    std::function<QString(const QString &suggested)> choosePdfFile;
    // Tells the pupil something about the printing (where a PDF went, or why
    // nothing was printed).
    std::function<void(const QString &message)> tell;

    // The PDF file the pupil chose for a document of that name (fallbackName
    // standing in for an empty one), or "" when there is no one to ask.
    QString askPdfFile(const QString &documentName, const QString &fallbackName) const;
    // Tells the pupil, when there is someone to tell.
    void say(const QString &message) const;
};

// "<documentName>.pdf" in the pupil's documents folder (the home folder when
// there is none), numbered on when that name is taken; characters a file name
// cannot hold become "_", and fallbackName stands in for a name left empty.
QString suggestedPdfPath(const QString &documentName, const QString &fallbackName);

// Prints the page the viewer shows, after the printer dialog. With no printer
// installed, writes the page to a PDF file the pupil chooses instead.
void printQuestion(QuestionViewer *viewer, QWidget *dialogParent, const PrintHooks &hooks);

} // namespace kw
