#pragma once

// The figures of the report page and the trend chart, worked out from a
// subject's stored scores without any widget. Scores are held exactly, in
// tenths of a percent, so averages round the way the stored percentages do.

#include "data/catalogue.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

// The name that is never the weakest or strongest topic: a mock paper spans
// every topic.
inline const QString kMockExamination = QStringLiteral("Mock Examination");

// A score as stored ("66.7", "100"), in tenths; false for an empty text and
// for anything that is not a percentage from 0 to 100, which the report
// treats as not taken.
bool scoreTenths(const QString &text, qint64 *tenths);

// sum / count rounded to one decimal, halves to the even digit, as the
// shortest text ("72.5", "80"); sum and the result are in tenths.
QString roundedMeanText(qint64 sumTenths, int count, QChar decimalPoint = QLatin1Char('.'));

struct TopicFigures {
    QString name;
    int firstCount = 0;      // papers of the topic with a first score
    qint64 firstSum = 0;     // their sum, in tenths
    int secondCount = 0;     // papers with a second score
    qint64 secondSum = 0;

    bool attempted() const { return firstCount > 0; }
    // The unrounded mean as a share of 100 % (0 without scores): bars are
    // measured on it, so a topic averaging 100 % fills its box exactly.
    double firstShare() const;
    double secondShare() const;
    // "72.5%", or "" without scores.
    QString firstMark(QChar decimalPoint = QLatin1Char('.')) const;
    QString secondMark(QChar decimalPoint = QLatin1Char('.')) const;
    // The topic's standing, mixing both attempts: (first sum + second sum) /
    // (first count + second count), or the first mean alone when there is no
    // second score; 0 without a first score. As numerator / denominator.
    qint64 scoreNumerator() const;
    qint64 scoreDenominator() const;
};

struct ReportFigures {
    QList<TopicFigures> topics; // one per topic of the subject
    int papersCompleted = 0;    // papers with a first score
    int secondPapers = 0;       // papers with a second score
    int paperCount = 0;         // papers of the subject
    int attemptedTopics = 0;    // topics with a first score
    QString firstAverage;       // "72.5%", or "-" before any first score
    QString secondAverage;      // the same for second scores
    QString papersCompletedText; // "12 / 35"
    QString weakestTopic;       // a topic name, or "-"
    QString strongestTopic;
};

// Every figure of the report, from the subject's first and second scores
// (position 0 is paper 101). Topic t owns paper indices 5t-4..5t.
ReportFigures reportFigures(const CatalogueSubject &subject, const QStringList &firstScores,
                            const QStringList &secondScores, QChar decimalPoint = QLatin1Char('.'));

// The chart shows at most this many of the newest first-attempt scores.
inline constexpr int kTrendPoints = 20;

// The percentages of a trend record line ("#TRD#>80>65"), in tenths, the
// newest kTrendPoints of them, oldest first. A value that is not a
// percentage is left out.
QList<qint64> trendValues(const QString &recordLine);

// "Recent papers: 80 %, 65 %", or "Recent papers: none yet", for a reader.
QString trendDescription(const QList<qint64> &tenths, QChar decimalPoint = QLatin1Char('.'));

} // namespace kw
