#pragma once

#include "practice/questionprinting.h"

#include <QStringList>

class QPrinter;
class QWidget;

namespace kw {

// Paints the lines in a fixed-pitch font, sized so the widest line fits the
// page (never above 10 points), starting new pages as they fill. False when
// the printer would not start.
bool paintResultsSheet(QPrinter *printer, const QStringList &lines, const QString &documentName);

// Prints the sheet at once, without a dialog: on the printer chosen with
// Setup when there is one, else on the default printer. With no printer
// installed it writes a PDF file the pupil chooses (suggested in the
// documents folder after documentName) and says where it went, by file and
// folder name.
void printResultsSheet(const QStringList &lines, const QString &documentName, QPrinter *chosen,
                       const PrintHooks &hooks);

// The Setup button: chooses the printer that Print uses, in the printer
// dialog. With no printer installed the pupil is told that Print saves a PDF
// file instead. Returns true when the pupil chose a printer.
bool setUpPrinter(QPrinter *printer, QWidget *dialogParent, const PrintHooks &hooks);

} // namespace kw
