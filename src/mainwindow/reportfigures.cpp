#include "mainwindow/reportfigures.h"

#include "data/percent.h"

namespace kw {

namespace {

double share(qint64 sum, int count)
{
    return count > 0 ? double(sum) / (double(count) * 1000.0) : 0.0;
}

QString mark(qint64 sum, int count, QChar decimalPoint)
{
    return count > 0 ? roundedMeanText(sum, count, decimalPoint) + QLatin1Char('%') : QString();
}

// a/b compared with c/d, all denominators positive: exactly, without
// rounding, so equal topic scores tie however they were reached.
int compareScores(const TopicFigures &a, const TopicFigures &b)
{
    const qint64 left = a.scoreNumerator() * b.scoreDenominator();
    const qint64 right = b.scoreNumerator() * a.scoreDenominator();
    return left < right ? -1 : (left > right ? 1 : 0);
}

} // namespace

bool scoreTenths(const QString &text, qint64 *tenths)
{
    qint64 value = 0;
    if (!parseTenths(text, &value) || value < 0 || value > 1000)
        return false;
    *tenths = value;
    return true;
}

QString roundedMeanText(qint64 sumTenths, int count, QChar decimalPoint)
{
    // The mean in tenths is sum / count; roundedTenths rounds ten times its
    // argument, hence the 10 in the denominator.
    return tenthsText(roundedTenths(sumTenths, qint64(count) * 10), decimalPoint);
}

double TopicFigures::firstShare() const
{
    return share(firstSum, firstCount);
}

double TopicFigures::secondShare() const
{
    return share(secondSum, secondCount);
}

QString TopicFigures::firstMark(QChar decimalPoint) const
{
    return mark(firstSum, firstCount, decimalPoint);
}

QString TopicFigures::secondMark(QChar decimalPoint) const
{
    return mark(secondSum, secondCount, decimalPoint);
}

qint64 TopicFigures::scoreNumerator() const
{
    if (firstCount == 0)
        return 0;
    return secondCount > 0 ? firstSum + secondSum : firstSum;
}

qint64 TopicFigures::scoreDenominator() const
{
    if (firstCount == 0)
        return 1;
    return secondCount > 0 ? firstCount + secondCount : firstCount;
}

ReportFigures reportFigures(const CatalogueSubject &subject, const QStringList &firstScores,
                            const QStringList &secondScores, QChar decimalPoint)
{
    ReportFigures figures;
    figures.paperCount = subject.paperCount;
    qint64 firstTotal = 0;
    qint64 secondTotal = 0;
    for (int t = 1; t <= subject.topicCount; ++t) {
        TopicFigures topic;
        topic.name = subject.topicNames.value(t - 1);
        for (int k = 1; k <= kPapersPerTopic; ++k) {
            const int position = paperPosition(t, k);
            if (position >= subject.paperCount)
                break;
            qint64 tenths = 0;
            if (scoreTenths(firstScores.value(position), &tenths)) {
                ++topic.firstCount;
                topic.firstSum += tenths;
            }
            if (scoreTenths(secondScores.value(position), &tenths)) {
                ++topic.secondCount;
                topic.secondSum += tenths;
            }
        }
        firstTotal += topic.firstSum;
        secondTotal += topic.secondSum;
        figures.papersCompleted += topic.firstCount;
        figures.secondPapers += topic.secondCount;
        if (topic.attempted())
            ++figures.attemptedTopics;
        figures.topics.append(topic);
    }

    const QString none = QStringLiteral("-");
    figures.firstAverage = figures.papersCompleted < 1
                               ? none
                               : roundedMeanText(firstTotal, figures.papersCompleted, decimalPoint) + QLatin1Char('%');
    figures.secondAverage = figures.secondPapers < 1
                                ? none
                                : roundedMeanText(secondTotal, figures.secondPapers, decimalPoint) + QLatin1Char('%');
    figures.papersCompletedText = QStringLiteral("%1 / %2").arg(figures.papersCompleted).arg(subject.paperCount);

    figures.weakestTopic = none;
    figures.strongestTopic = none;
    if (figures.attemptedTopics < 2)
        return figures;
    const TopicFigures *weakest = nullptr;
    const TopicFigures *strongest = nullptr;
    for (const TopicFigures &topic : std::as_const(figures.topics)) {
        if (!topic.attempted() || topic.name == kMockExamination)
            continue;
        // "Or equal": on a tie the later topic wins.
        if (!weakest || compareScores(topic, *weakest) <= 0)
            weakest = &topic;
        if (!strongest || compareScores(topic, *strongest) >= 0)
            strongest = &topic;
    }
    if (weakest)
        figures.weakestTopic = weakest->name;
    if (strongest)
        figures.strongestTopic = strongest->name;
    return figures;
}

QList<qint64> trendValues(const QString &recordLine)
{
    const QString head = QStringLiteral("#TRD#");
    const qsizetype start = recordLine.indexOf(head);
    if (start < 0)
        return {};
    QStringList fields = recordLine.mid(start + head.size()).split(QLatin1Char('>'));
    fields.removeFirst(); // what stands before the first '>'
    QList<qint64> values;
    for (const QString &field : std::as_const(fields)) {
        qint64 tenths = 0;
        if (scoreTenths(field, &tenths))
            values.append(tenths);
    }
    if (values.size() > kTrendPoints)
        values = values.mid(values.size() - kTrendPoints);
    return values;
}

QString trendDescription(const QList<qint64> &tenths, QChar decimalPoint)
{
    if (tenths.isEmpty())
        return QStringLiteral("Recent papers: none yet");
    QStringList texts;
    for (qint64 value : tenths)
        texts << tenthsText(value, decimalPoint) + QStringLiteral(" %");
    return QStringLiteral("Recent papers: ") + texts.join(QStringLiteral(", "));
}

} // namespace kw
