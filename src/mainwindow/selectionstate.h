#pragma once

#include <QString>

namespace kw {

// The pupil's selection, which the practice windows read when they open.
// Held as texts, under the names the windows know them by.
struct SelectionState {
    QString LChose = QStringLiteral("1");       // chosen subject, "1".."3"
    QString lblCOD;                             // product code
    QString TopicCount = QStringLiteral("1");   // paper index of the chosen topic's first paper
    QString PaperNum;                           // paper number being opened, "101"..
    QString TakeNum;                            // attempt being opened, "1" or "2"
    QString TtPapersCon;                        // number of papers of the chosen subject
    QString SubH1;                              // the chosen topic's name
    QString RefreshLog = QStringLiteral("off"); // "on" while a refresh re-reads the subject
    QString txtTabPos = QStringLiteral("1");    // chosen tab, "1".."4"
    QString txtToolBarPos = QStringLiteral("0");
    QString txtReportPos = QStringLiteral("1");
    QString PopUpResponse;                      // last answer of the message dialog, "True" or "False"
};

} // namespace kw
