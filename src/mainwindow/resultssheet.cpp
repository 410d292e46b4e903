#include "mainwindow/resultssheet.h"

namespace kw {

QString zonedLine(const QStringList &items)
{
    QString line;
    int zoneStart = 0;
    for (qsizetype k = 0; k < items.size(); ++k) {
        if (k > 0) {
            // The next zone after the previous item's own, past its text and
            // one blank when it ran on.
            int next = zoneStart + kPrintZoneWidth;
            const int end = int(line.size());
            while (next <= end && end > zoneStart)
                next += kPrintZoneWidth;
            zoneStart = next;
        }
        line = line.leftJustified(zoneStart, QLatin1Char(' '));
        line += items.at(k);
    }
    return line;
}

QStringList resultsSheetLines(const QString &title, const CatalogueSubject &subject, const SubjectProgress &progress)
{
    const QString blank = QStringLiteral(" ");
    const QString rule(kSheetRuleLength, QLatin1Char('-'));
    QStringList lines{QString(), QString(), zonedLine({blank, title}), QString(), QString()};
    for (int t = 1; t <= subject.topicCount; ++t) {
        lines << QString() << QString();
        lines << zonedLine({blank, subject.topicNames.value(t - 1)});
        lines << zonedLine({blank, rule});
        lines << zonedLine({blank, QStringLiteral("Papers"), blank, QStringLiteral("First take"),
                            QStringLiteral("Time taken"), QStringLiteral("Date"), blank, QStringLiteral("Second take")});
        lines << zonedLine({blank, blank, blank, QStringLiteral("score"), blank, blank, blank, QStringLiteral("score")});
        lines << zonedLine({blank, rule});
        for (int k = 1; k <= kPapersPerTopic; ++k) {
            const int position = paperPosition(t, k);
            lines << zonedLine({blank, QStringLiteral("Paper %1").arg(k), blank,
                                progress.firstScores().value(position) + QLatin1Char('%'),
                                progress.times().value(position), progress.dates().value(position), blank,
                                progress.secondScores().value(position) + QLatin1Char('%')});
        }
    }
    return lines;
}

} // namespace kw
