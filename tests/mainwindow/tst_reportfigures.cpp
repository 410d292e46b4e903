#include "mainwindow/reportfigures.h"
#include "mainwindow/trendchart.h"

#include <QImage>
#include <QTest>

using namespace kw;

namespace {

// The English subject of the fixture course: seven topics of five papers,
// the last a mock examination.
CatalogueSubject english()
{
    CatalogueSubject subject;
    subject.name = QStringLiteral("English");
    subject.topicCount = 7;
    subject.paperCount = 35;
    const QStringList names{QStringLiteral("Grammar"), QStringLiteral("Vocabulary"),
                            QStringLiteral("Synonyms and Antonyms"), QStringLiteral("Spelling"),
                            QStringLiteral("Punctuation"), QStringLiteral("Comprehension"),
                            QStringLiteral("Mock Examination")};
    for (int t = 0; t < names.size(); ++t)
        subject.topicNames[t] = names.at(t);
    return subject;
}

// Scores by paper index: {index, score}.
using Scores = QList<QPair<int, QString>>;

QStringList scoreList(const Scores &scores)
{
    QStringList list(50);
    for (const auto &[index, score] : scores)
        list[index - 1] = score;
    return list;
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 180 && qRed(pixel) < 120 && qGreen(pixel) < 120;
}

bool isDark(QRgb pixel)
{
    return qRed(pixel) < 170 && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

// Whether a pixel within one pixel of the point passes the test.
bool near(const QImage &image, QPointF point, bool (*test)(QRgb))
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint p(int(point.x()) + dx, int(point.y()) + dy);
            if (image.rect().contains(p) && test(image.pixel(p)))
                return true;
        }
    }
    return false;
}

QImage drawn(const QList<double> &values, const QSize &size, double scale = 1.0)
{
    TrendChart chart;
    chart.resize(size);
    chart.setValues(values);
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    chart.render(&image);
    return image;
}

} // namespace

class TestReportFigures : public QObject {
    Q_OBJECT

private slots:
    void figuresOfTheSubject_data()
    {
        QTest::addColumn<Scores>("first");
        QTest::addColumn<Scores>("second");
        QTest::addColumn<QString>("firstAverage");
        QTest::addColumn<QString>("secondAverage");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<QString>("weakest");
        QTest::addColumn<QString>("strongest");

        QTest::newRow("nothing taken") << Scores{} << Scores{} << "-" << "-" << "0 / 35" << "-" << "-";
        // (70 + 75) / 2 = 72.5 exactly.
        QTest::newRow("one topic, 70 and 75")
            << Scores{{1, "70"}, {2, "75"}} << Scores{} << "72.5%" << "-" << "2 / 35" << "-" << "-";
        // 200 / 3 = 66.666...
        QTest::newRow("one topic, 66, 67, 67")
            << Scores{{1, "66"}, {2, "67"}, {3, "67"}} << Scores{} << "66.7%" << "-" << "3 / 35" << "-" << "-";
        // Topics: Grammar (60 + 80) / 2 = 70, Vocabulary 90, Synonyms 50;
        // average (60 + 80 + 90 + 50) / 4 = 70.
        QTest::newRow("three topics")
            << Scores{{1, "60"}, {2, "80"}, {6, "90"}, {11, "50"}} << Scores{} << "70%" << "-" << "4 / 35"
            << "Synonyms and Antonyms" << "Vocabulary";
        // Topic 1 untaken: the choice is between topics 2 (40) and 3 (45).
        QTest::newRow("topics 2 and 3 only")
            << Scores{{7, "40"}, {12, "45"}} << Scores{} << "42.5%" << "-" << "2 / 35" << "Vocabulary"
            << "Synonyms and Antonyms";
        // Equal scores: the later topic wins both.
        QTest::newRow("tie") << Scores{{6, "80"}, {16, "80"}} << Scores{} << "80%" << "-" << "2 / 35" << "Spelling"
                             << "Spelling";
        // The tie holds when the equal scores are reached differently:
        // Grammar (70 + 80) / 2 = 75, Vocabulary 75.
        QTest::newRow("tie reached differently")
            << Scores{{1, "70"}, {2, "80"}, {6, "75"}} << Scores{} << "75%" << "-" << "3 / 35" << "Vocabulary"
            << "Vocabulary";
        // The mock counts as an attempted topic but is never chosen.
        QTest::newRow("mock and one topic")
            << Scores{{1, "90"}, {31, "30"}} << Scores{} << "60%" << "-" << "2 / 35" << "Grammar" << "Grammar";
        // Grammar 60, 80 first (70) and 100 second: (60 + 80 + 100) / 3 = 80,
        // above Vocabulary's 75. The first average stays (60 + 80 + 75) / 3
        // = 71.666... and the count 3.
        QTest::newRow("second attempt raises the topic")
            << Scores{{1, "60"}, {2, "80"}, {6, "75"}} << Scores{{1, "100"}} << "71.7%" << "100%" << "3 / 35"
            << "Vocabulary" << "Grammar";
        QTest::newRow("same without the second attempt")
            << Scores{{1, "60"}, {2, "80"}, {6, "75"}} << Scores{} << "71.7%" << "-" << "3 / 35" << "Grammar"
            << "Vocabulary";
        // (66.7 + 66.8) / 2 = 66.75 and (66.6 + 66.7) / 2 = 66.65: halves
        // go to the even digit.
        QTest::newRow("second average, half up to even")
            << Scores{{1, "50"}, {2, "50"}} << Scores{{1, "66.7"}, {2, "66.8"}} << "50%" << "66.8%" << "2 / 35"
            << "-" << "-";
        QTest::newRow("second average, half down to even")
            << Scores{{1, "50"}, {2, "50"}} << Scores{{1, "66.6"}, {2, "66.7"}} << "50%" << "66.6%" << "2 / 35"
            << "-" << "-";
        // A second score without a first does not make a topic attempted.
        QTest::newRow("second score only")
            << Scores{{1, "40"}} << Scores{{6, "90"}} << "40%" << "90%" << "1 / 35" << "-" << "-";
        QTest::newRow("stray texts count as not taken")
            << Scores{{1, "abc"}, {2, "80"}, {3, "101"}, {4, "-5"}} << Scores{{2, "x"}} << "80%" << "-"
            << "1 / 35" << "-" << "-";
    }
    void figuresOfTheSubject()
    {
        QFETCH(Scores, first);
        QFETCH(Scores, second);
        const ReportFigures figures = reportFigures(english(), scoreList(first), scoreList(second));
        QTEST(figures.firstAverage, "firstAverage");
        QTEST(figures.secondAverage, "secondAverage");
        QTEST(figures.papersCompletedText, "completed");
        QTEST(figures.weakestTopic, "weakest");
        QTEST(figures.strongestTopic, "strongest");
        QCOMPARE(figures.topics.size(), 7);
    }

    void topicRows_data()
    {
        QTest::addColumn<Scores>("first");
        QTest::addColumn<Scores>("second");
        QTest::addColumn<QString>("firstMark");
        QTest::addColumn<double>("firstShare");
        QTest::addColumn<QString>("secondMark");
        QTest::addColumn<double>("secondShare");
        QTest::newRow("untaken") << Scores{} << Scores{} << "" << 0.0 << "" << 0.0;
        QTest::newRow("70 and 75") << Scores{{1, "70"}, {2, "75"}} << Scores{} << "72.5%" << 0.725 << "" << 0.0;
        // The bar uses the unrounded mean, 200 / 3.
        QTest::newRow("66, 67, 67") << Scores{{1, "66"}, {2, "67"}, {3, "67"}} << Scores{} << "66.7%" << 2.0 / 3.0
                                    << "" << 0.0;
        QTest::newRow("full marks fill the box") << Scores{{1, "100"}} << Scores{{1, "100"}} << "100%" << 1.0
                                                 << "100%" << 1.0;
        QTest::newRow("a paper of another topic") << Scores{{6, "90"}} << Scores{} << "" << 0.0 << "" << 0.0;
    }
    void topicRows()
    {
        QFETCH(Scores, first);
        QFETCH(Scores, second);
        const ReportFigures figures = reportFigures(english(), scoreList(first), scoreList(second));
        const TopicFigures &grammar = figures.topics.at(0);
        QCOMPARE(grammar.name, QStringLiteral("Grammar"));
        QTEST(grammar.firstMark(), "firstMark");
        QTEST(grammar.secondMark(), "secondMark");
        QFETCH(double, firstShare);
        QFETCH(double, secondShare);
        QCOMPARE(grammar.firstShare(), firstShare);
        QCOMPARE(grammar.secondShare(), secondShare);
    }

    void theSystemDecimalSeparatorIsUsed()
    {
        const ReportFigures figures =
            reportFigures(english(), scoreList({{1, "70"}, {2, "75"}}), scoreList({}), QLatin1Char(','));
        QCOMPARE(figures.firstAverage, QStringLiteral("72,5%"));
        QCOMPARE(figures.topics.at(0).firstMark(QLatin1Char(',')), QStringLiteral("72,5%"));
    }

    void trendValuesAreTheNewestTwenty_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<qint64>>("tenths");
        QTest::newRow("no record") << "" << QList<qint64>{};
        QTest::newRow("no values") << "#TRD#" << QList<qint64>{};
        QTest::newRow("one") << "#TRD#>80" << QList<qint64>{800};
        QTest::newRow("a closing >") << "#TRD#>80>" << QList<qint64>{800};
        QTest::newRow("two") << "#TRD#>50>100" << QList<qint64>{500, 1000};
        QTest::newRow("decimals and zero") << "#TRD#>66.7>0" << QList<qint64>{667, 0};
        QTest::newRow("a stray value is left out") << "#TRD#>80>abc>70" << QList<qint64>{800, 700};
        QString line = QStringLiteral("#TRD#");
        QList<qint64> newest;
        for (int i = 1; i <= 25; ++i) {
            line += QStringLiteral(">%1").arg(4 * i);
            if (i >= 6)
                newest << 40 * i;
        }
        QTest::newRow("twenty-five: values 6 to 25") << line << newest;
    }
    void trendValuesAreTheNewestTwenty()
    {
        QFETCH(QString, line);
        QTEST(trendValues(line), "tenths");
    }

    void trendIsDescribedForAReader()
    {
        QCOMPARE(trendDescription({800, 650, 667}), QStringLiteral("Recent papers: 80 %, 65 %, 66.7 %"));
        QCOMPARE(trendDescription({}), QStringLiteral("Recent papers: none yet"));
        TrendChart chart;
        chart.setValues({80, 65});
        QCOMPARE(chart.accessibleDescription(), QStringLiteral("Recent papers: 80 %, 65 %"));
    }

    // A plot 210 wide and 100 high: one step across is 10, one percent is 1.
    void chartGeometry_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::newRow("none") << QList<double>{} << QList<QPointF>{};
        QTest::newRow("one value 80") << QList<double>{80} << QList<QPointF>{{10, 20}};
        QTest::newRow("50 then 100") << QList<double>{50, 100} << QList<QPointF>{{10, 50}, {20, 0}};
        QTest::newRow("a 0 value") << QList<double>{0} << QList<QPointF>{{10, 100}};
        QList<double> many;
        QList<QPointF> newest;
        for (int i = 1; i <= 25; ++i) {
            many << 4.0 * i;
            if (i >= 6)
                newest << QPointF(10.0 * (i - 5), 100 - 4.0 * i);
        }
        QTest::newRow("twenty-five values: the newest twenty") << many << newest;
    }
    void chartGeometry()
    {
        QFETCH(QList<double>, values);
        QFETCH(QList<QPointF>, points);
        // The chart keeps the newest twenty of what it is given.
        TrendChart chart;
        chart.setValues(values);
        const TrendDrawing drawing = trendDrawing(QSizeF(210, 100), chart.values());
        QCOMPARE(drawing.points, points);
        QCOMPARE(drawing.grid.size(), 9);
        for (int g = 1; g <= 9; ++g)
            QCOMPARE(drawing.grid.at(g - 1), QLineF(210, 10 * g, 0, 10 * g));
        QCOMPARE(drawing.dropLines.size(), points.size());
        QCOMPARE(drawing.joins.size(), points.size());
        for (qsizetype i = 0; i < points.size(); ++i) {
            QCOMPARE(drawing.dropLines.at(i), QLineF(points.at(i), QPointF(points.at(i).x(), 100)));
            const QPointF previous = i == 0 ? QPointF(0, 100) : points.at(i - 1);
            QCOMPARE(drawing.joins.at(i), QLineF(points.at(i), previous));
        }
    }

    void chartIsDrawnWhereItsGeometrySays_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
    }
    void chartIsDrawnWhereItsGeometrySays()
    {
        QFETCH(double, scale);
        const QSize size(420, 200); // a step of 20 across, 2 per percent
        const QImage image = drawn({80, 50}, size, scale);
        const QImage device = image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        // Dots at (20, 40) and (40, 100).
        QVERIFY(isBlue(device.pixel(20, 40)));
        QVERIFY(isBlue(device.pixel(40, 100)));
        // Drop lines below them, the join from the bottom-left corner and
        // between the dots.
        QVERIFY(near(device, QPointF(20, 150), isDark));
        QVERIFY(near(device, QPointF(40, 170), isDark));
        QVERIFY(near(device, QPointF(10, 120), isBlue));
        QVERIFY(near(device, QPointF(30, 70), isBlue));
        // The grid is light grey at 10 % .. 90 %, nothing at the right.
        const QColor grid = TrendChart::kGridColour;
        for (int g = 1; g <= 9; ++g)
            QCOMPARE(QColor(device.pixel(300, 20 * g)), grid);
        QCOMPARE(QColor(device.pixel(300, 25)), QColor(Qt::white));
        for (int x = 400; x < 420; ++x)
            for (int y = 0; y < 200; ++y)
                QVERIFY(!isBlue(device.pixel(x, y)));
        // A grid line is one pixel wide at any scale, in whole device pixels
        // of its own colour: crisp, not smeared into shades.
        const int row = int(20 * scale);
        int gridRows = 0;
        for (int y = row - 3; y <= row + 3; ++y) {
            const QColor colour(image.pixel(int(300 * scale), y));
            QVERIFY(colour == grid || colour == QColor(Qt::white));
            gridRows += colour == grid ? 1 : 0;
        }
        QCOMPARE(gridRows, int(scale));
    }

    void anEmptyChartShowsOnlyItsGrid()
    {
        const QImage image = drawn({}, QSize(210, 100));
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                const QColor colour(image.pixel(x, y));
                QVERIFY2(colour == QColor(Qt::white) || colour == TrendChart::kGridColour,
                         qPrintable(QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(colour.name())));
            }
        }
    }
};

QTEST_MAIN(TestReportFigures)
#include "tst_reportfigures.moc"
