#include "mainwindow/reportpage.h"

#include "chrome/labels.h"
#include "chrome/background.h"
#include "chrome/clicklabel.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "mainwindow/trendchart.h"

#include <QLabel>
#include <QLocale>

namespace kw {

namespace {

// Design layout in pixels.
constexpr int kBarHeight = 26;
constexpr int kSummaryLeft = 60;
constexpr int kSummaryTop = 30;
constexpr int kSummaryPitch = 50;
constexpr int kRowTop = 34;
constexpr int kRowPitch = 31;
constexpr int kNameLeft = 12;
constexpr int kNameWidth = 216;
constexpr std::array<int, 2> kBackLeft{236, 494};
constexpr int kBackWidth = 180;
constexpr int kBackHeight = 14;
constexpr int kMarkWidth = 64;
constexpr QRect kPlot(96, 14, 560, 290);

const QColor kFirstBarColour(0xff, 0xc0, 0xff);  // light pink
const QColor kSecondBarColour(0xc0, 0xc0, 0xff); // light blue
const QColor kBackColour(0xf2, 0xf2, 0xee);
const QColor kFigureBoxColour(0x1f, 0x3f, 0x77);

void setBold(QWidget *widget, double scale = 1.0)
{
    QFont font = widget->font();
    font.setBold(true);
    if (scale != 1.0)
        font.setPointSizeF(font.pointSizeF() * scale);
    widget->setFont(font);
}

// A figure and what it is, so a reader hears both.
void showFigure(QLabel *figure, const QString &caption, const QString &text)
{
    figure->setText(text);
    figure->setAccessibleName(QStringLiteral("%1 %2").arg(caption, text));
}

} // namespace

ReportPage::ReportPage(const Pictures &pictures, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Report"));
    fillBackground(this, Qt::white);

    m_sections = {buildOverall(), buildTopical(), buildTrend()};
    static const std::array<const char *, 3> captions{"Overall Results", "Topical Results", "Trend Analysis"};
    static const std::array<const char *, 3> tips{"Click to show overall results", "Click to show topical results",
                                                  "Click to show past trends"};
    for (int k = 1; k <= 3; ++k) {
        auto *bar = new PictureButton(QStringLiteral("RCBar%1").arg(k), this);
        bar->setPicture(pictures.get(QStringLiteral("bar.bmp")));
        bar->setToolTip(QLatin1String(tips[std::size_t(k - 1)]));
        bar->setAccessibleName(QLatin1String(captions[std::size_t(k - 1)]));
        bar->setCursor(Qt::PointingHandCursor);
        connect(bar, &QAbstractButton::clicked, this, [this, k]() { openSection(k); });
        auto *caption = new ClickLabel(QLatin1String(captions[std::size_t(k - 1)]), bar);
        caption->setObjectName(QStringLiteral("lblRCBar%1").arg(k));
        caption->setToolTip(bar->toolTip());
        caption->setAttribute(Qt::WA_TransparentForMouseEvents); // a click on the caption is a click on the bar
        caption->setStyleSheet(QStringLiteral("color: white;"));
        setBold(caption);
        m_bars[std::size_t(k - 1)] = bar;
        m_barCaptions[std::size_t(k - 1)] = caption;
    }
    resize(748, 442);
    arrangeSections();
}

QWidget *ReportPage::buildOverall()
{
    auto *section = new QWidget(this);
    section->setObjectName(QStringLiteral("RC1Summary"));
    fillBackground(section, Qt::white);
    struct Line {
        const char *captionName;
        const char *caption;
        const char *figureName;
        bool boxed; // written white on a dark box
        QLabel **figure;
    };
    const std::array<Line, 5> lines{{
        {"SumyL1", "First Attempt Average Score:", "OScore1", true, &m_firstAverage},
        {"SumyL2", "Second Attempt Average Score:", "OScore2", true, &m_secondAverage},
        {"SumyL5", "Number of Papers Completed:", "PCNum", true, &m_papersCompleted},
        {"SumyL3", "Weakest Topic:", "WT", false, &m_weakest},
        {"SumyL4", "Strongest Topic:", "ST", false, &m_strongest},
    }};
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int top = kSummaryTop + int(k) * kSummaryPitch;
        QLabel *caption = placedLabel(section, QLatin1String(lines[k].captionName), QLatin1String(lines[k].caption),
                                QRect(kSummaryLeft, top, 260, 30));
        setBold(caption, 1.1);
        QLabel *figure = placedLabel(section, QLatin1String(lines[k].figureName), QStringLiteral("-"),
                               QRect(kSummaryLeft + 270, top, lines[k].boxed ? 110 : 340, 30));
        setBold(figure, 1.1);
        if (lines[k].boxed) {
            figure->setAlignment(Qt::AlignCenter);
            fillBackground(figure, kFigureBoxColour);
            QPalette colours = figure->palette();
            colours.setColor(QPalette::WindowText, Qt::white);
            figure->setPalette(colours);
        } else {
            figure->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        caption->setBuddy(figure);
        *lines[k].figure = figure;
    }
    return section;
}

QWidget *ReportPage::buildTopical()
{
    auto *section = new QWidget(this);
    section->setObjectName(QStringLiteral("RC2Topical"));
    fillBackground(section, Qt::white);
    setBold(placedLabel(section, QStringLiteral("Label5"), QStringLiteral("First Attempt results"),
                  QRect(kBackLeft[0], 6, kBackWidth + kMarkWidth, 22)));
    setBold(placedLabel(section, QStringLiteral("Label6"), QStringLiteral("Second Attempt Score"),
                  QRect(kBackLeft[1], 6, kBackWidth + kMarkWidth, 22)));
    for (int j = 1; j <= kRows; ++j) {
        const int top = kRowTop + (j - 1) * kRowPitch;
        TopicRow &row = m_rows[std::size_t(j - 1)];
        row.name = placedLabel(section, QStringLiteral("TopLab%1").arg(j), QString(), QRect(kNameLeft, top, kNameWidth, 24));
        for (std::size_t a = 0; a < 2; ++a) {
            const QChar letter = a == 0 ? QLatin1Char('A') : QLatin1Char('B');
            auto *back = new QWidget(section);
            back->setObjectName(QStringLiteral("TBack%1%2").arg(j).arg(letter));
            back->setGeometry(kBackLeft[a], top + (24 - kBackHeight) / 2, kBackWidth, kBackHeight);
            fillBackground(back, kBackColour);
            QLabel *bar = placedLabel(back, QStringLiteral("TBar%1%2").arg(j).arg(letter), QString(), QRect(0, 0, 0, kBackHeight));
            fillBackground(bar, a == 0 ? kFirstBarColour : kSecondBarColour);
            QLabel *mark = placedLabel(section, QStringLiteral("TMark%1%2").arg(j).arg(letter), QString(),
                                 QRect(kBackLeft[a] + kBackWidth + 6, top, kMarkWidth, 24));
            mark->setStyleSheet(QStringLiteral("color: black;"));
            row.back[a] = back;
            row.bar[a] = bar;
            row.mark[a] = mark;
        }
    }
    return section;
}

QWidget *ReportPage::buildTrend()
{
    auto *section = new QWidget(this);
    section->setObjectName(QStringLiteral("RC3Trend"));
    fillBackground(section, Qt::white);
    m_chart = new TrendChart(section);
    m_chart->setGeometry(kPlot);

    // The percentages of the vertical axis, each level with its grid line.
    auto *axis = new QWidget(section);
    axis->setObjectName(QStringLiteral("Label7"));
    axis->setAccessibleName(QStringLiteral("Percentages from 0% at the bottom to 100% at the top"));
    axis->setGeometry(kPlot.left() - 46, kPlot.top() - 9, 42, kPlot.height() + 18);
    for (int g = 0; g <= 100; g += 10) {
        const int y = (100 - g) * kPlot.height() / 100;
        QLabel *level = placedLabel(axis, QStringLiteral("Label7_%1").arg(g), QStringLiteral("%1%").arg(g), QRect(0, y, 40, 18));
        level->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    QLabel *caption = placedLabel(section, QStringLiteral("Label8"), QStringLiteral("Recent Papers Attempted"),
                            QRect(kPlot.left(), kPlot.bottom() + 6, kPlot.width(), 22));
    caption->setAlignment(Qt::AlignCenter);
    setBold(caption);
    return section;
}

void ReportPage::setFigures(const ReportFigures &figures, const QList<double> &trend)
{
    const QChar point = locale().decimalPoint().at(0);
    showFigure(m_firstAverage, QStringLiteral("First Attempt Average Score:"), figures.firstAverage);
    showFigure(m_secondAverage, QStringLiteral("Second Attempt Average Score:"), figures.secondAverage);
    showFigure(m_papersCompleted, QStringLiteral("Number of Papers Completed:"), figures.papersCompletedText);
    showFigure(m_weakest, QStringLiteral("Weakest Topic:"), figures.weakestTopic);
    showFigure(m_strongest, QStringLiteral("Strongest Topic:"), figures.strongestTopic);

    // Every row is measured against the first row's box: all are equally wide.
    const std::array<int, 2> full{m_rows[0].back[0]->width(), m_rows[0].back[1]->width()};
    for (int j = 1; j <= kRows; ++j) {
        TopicRow &row = m_rows[std::size_t(j - 1)];
        const bool shown = j <= figures.topics.size();
        const TopicFigures topic = shown ? figures.topics.at(j - 1) : TopicFigures{};
        const QString name = row.name->fontMetrics().elidedText(topic.name, Qt::ElideRight, row.name->width());
        row.name->setText(name);
        row.name->setToolTip(name == topic.name ? QString() : topic.name);
        const std::array<QString, 2> marks{topic.firstMark(point), topic.secondMark(point)};
        const std::array<double, 2> shares{topic.firstShare(), topic.secondShare()};
        static const std::array<const char *, 2> attempts{"first attempt", "second attempt"};
        for (std::size_t a = 0; a < 2; ++a) {
            row.mark[a]->setText(marks[a]);
            const QString said = marks[a].isEmpty() ? QStringLiteral("not taken") : marks[a];
            row.mark[a]->setAccessibleName(QStringLiteral("%1, %2: %3").arg(topic.name, QLatin1String(attempts[a]), said));
            row.bar[a]->resize(qRound(full[a] * shares[a]), row.bar[a]->height());
            row.bar[a]->setAccessibleName(row.mark[a]->accessibleName());
            row.back[a]->setVisible(shown);
            row.mark[a]->setVisible(shown);
        }
        row.name->setVisible(shown);
    }
    m_chart->setValues(trend);
}

void ReportPage::openSection(int section)
{
    m_section = section;
    arrangeSections();
}

void ReportPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrangeSections();
}

void ReportPage::arrangeSections()
{
    const int h = height();
    const int w = width();
    std::array<int, 3> tops{0, kBarHeight, 2 * kBarHeight};
    int open = Trend;
    if (m_section == Overall) {
        tops = {0, h - 2 * kBarHeight, h - kBarHeight};
        open = Overall;
    } else if (m_section == Topical) {
        tops = {0, kBarHeight, h - kBarHeight};
        open = Topical;
    }
    for (int k = 1; k <= 3; ++k) {
        PictureButton *bar = m_bars[std::size_t(k - 1)];
        bar->setGeometry(0, tops[std::size_t(k - 1)], w, kBarHeight);
        // The bar picture carries an arrow at its left end.
        m_barCaptions[std::size_t(k - 1)]->setGeometry(30, 0, w - 30, kBarHeight);
        QWidget *body = m_sections[std::size_t(k - 1)];
        body->setVisible(k == open);
    }
    QWidget *body = m_sections[std::size_t(open - 1)];
    body->setGeometry(0, tops[std::size_t(open - 1)] + kBarHeight, w, h - 3 * kBarHeight);
    body->raise();
    for (PictureButton *bar : m_bars)
        bar->raise();
}

} // namespace kw
