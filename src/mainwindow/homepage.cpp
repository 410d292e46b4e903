#include "mainwindow/homepage.h"

#include "chrome/labels.h"
#include "chrome/background.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"

#include <QLabel>
#include <QPushButton>

#include <functional>

namespace kw {

namespace {

// Design layout in pixels.
constexpr int kTopicLeft = 36;
constexpr int kTopicTop = 46;
constexpr int kTopicPitch = 36;
constexpr int kRowsLeft = 300;
constexpr int kRowTop = 78;
constexpr int kRowPitch = 66;
constexpr int kPercentLeft = 566; // the "%" column; scores end 20 pixels before it
constexpr int kScoreGap = 20;

QLabel *columnHead(QWidget *parent, const Pictures &pictures, const QString &pictureName, const QString &name,
                   const QString &labelName, const QString &text, const QRect &geometry)
{
    QLabel *head = placedLabel(parent, name, QString(), geometry);
    head->setPixmap(pictures.get(pictureName));
    head->setScaledContents(true);
    QLabel *caption = placedLabel(parent, labelName, text, geometry.adjusted(10, 0, 0, 0));
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    caption->setStyleSheet(QStringLiteral("color: #1f3f77;"));
    return caption;
}

} // namespace

HomePage::HomePage(const Pictures &pictures, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Home"));
    fillBackground(this, Qt::white);

    columnHead(this, pictures, QStringLiteral("columnhead1.bmp"), QStringLiteral("ColHead1"), QStringLiteral("Label12"),
               QStringLiteral("Select a Topic"), QRect(10, 8, 262, 26));
    columnHead(this, pictures, QStringLiteral("columnhead2.bmp"), QStringLiteral("ColHead2"), QStringLiteral("Label13"),
               QStringLiteral("Select a Paper"), QRect(286, 8, 452, 26));

    for (int k = 1; k <= kTopics; ++k) {
        const int top = kTopicTop + (k - 1) * kTopicPitch;
        QLabel *bullet = placedLabel(this, QStringLiteral("Bullet%1").arg(k), QString(), QRect(14, top + 7, 14, 14));
        bullet->setPixmap(pictures.get(QStringLiteral("bullet.bmp")));
        bullet->setScaledContents(true);
        m_bullets[std::size_t(k - 1)] = bullet;

        auto *topic = new QPushButton(this);
        topic->setObjectName(QStringLiteral("Topic%1").arg(k));
        topic->setGeometry(kTopicLeft, top, 230, 28);
        topic->setFlat(true);
        topic->setCursor(Qt::PointingHandCursor);
        topic->setToolTip(QStringLiteral("Click to select topic"));
        connect(topic, &QPushButton::clicked, this, [this, k]() { emit topicClicked(k); });
        m_topics[std::size_t(k - 1)] = topic;
    }

    m_subH1 = placedLabel(this, QStringLiteral("SubH1"), QStringLiteral("Select a Paper"), QRect(kRowsLeft, 42, 430, 28));
    QFont headingFont = m_subH1->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    m_subH1->setFont(headingFont);
    m_subH1->setStyleSheet(QStringLiteral("color: #0000c0;")); // dark blue

    m_percentColumn = new QWidget(this);
    m_percentColumn->setObjectName(QStringLiteral("Percent1a"));
    m_percentColumn->setGeometry(kPercentLeft, kRowTop, 16, kRowPitch * kPapersPerTopic);

    for (int j = 1; j <= kPapersPerTopic; ++j) {
        const int top = kRowTop + (j - 1) * kRowPitch;
        const bool shaded = j % 2 == 1; // rows 1, 3 and 5 striped
        QLabel *paper = placedLabel(this, QStringLiteral("LblP%1").arg(j), QStringLiteral("Paper %1").arg(j),
                              QRect(kRowsLeft, top + 14, 70, 24));
        QFont bold = paper->font();
        bold.setBold(true);
        paper->setFont(bold);
        placedLabel(this, QStringLiteral("LblFirst%1").arg(j), QStringLiteral("1st Attempt:"), QRect(kRowsLeft + 80, top, 100, 24));
        placedLabel(this, QStringLiteral("LblSecond%1").arg(j), QStringLiteral("2nd Attempt:"), QRect(kRowsLeft + 80, top + 28, 100, 24));

        for (int attempt = 0; attempt < 2; ++attempt) {
            QLabel *score = placedLabel(this, QStringLiteral("%1%2").arg(attempt == 0 ? QStringLiteral("MSA") : QStringLiteral("MSB")).arg(j),
                                  QString(), QRect(kPercentLeft, top + attempt * 28, 0, 24));
            fillBackground(score, shaded ? palette().color(QPalette::Midlight) : QColor(Qt::white));
            QPalette colours = score->palette();
            colours.setColor(QPalette::WindowText, Qt::black);
            score->setPalette(colours);
            score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            (attempt == 0 ? m_firstScores : m_secondScores)[std::size_t(j - 1)] = score;
            QLabel *percent = placedLabel(m_percentColumn, QStringLiteral("PercentRow%1%2").arg(j).arg(attempt == 0 ? 'a' : 'b'),
                                    QStringLiteral("%"), QRect(0, (j - 1) * kRowPitch + attempt * 28, 16, 24));
            percent->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }

        auto *load = new PictureButton(QStringLiteral("P%1a").arg(j), this);
        load->setPicture(pictures.get(QStringLiteral("loadbutton_off.bmp")));
        load->setText(QStringLiteral("Load"));
        load->setToolTip(QStringLiteral("Load paper %1").arg(j));
        load->setAccessibleName(load->toolTip());
        load->setGeometry(QRect(QPoint(582, top + 12), QSize(66, 28)));
        connect(load, &QAbstractButton::clicked, this, [this, j]() { emit paperClicked(j - 1, 1); });
        m_load[std::size_t(j - 1)] = load;

        auto *again = new PictureButton(QStringLiteral("P%1b").arg(j), this);
        again->setPicture(pictures.get(QStringLiteral("loadbutton_off.bmp")));
        again->setText(QStringLiteral("Try again"));
        again->setToolTip(QStringLiteral("Try paper %1 again").arg(j));
        again->setAccessibleName(again->toolTip());
        again->setGeometry(QRect(QPoint(650, top + 12), QSize(96, 28)));
        again->hide();
        connect(again, &QAbstractButton::clicked, this, [this, j]() { emit paperClicked(j - 1, 2); });
        m_tryAgain[std::size_t(j - 1)] = again;
    }
    highlightTopic(0);
}

namespace {

// Fits text into a control of that width: shortened with an ellipsis when it
// does not fit, and the whole text given as the tool tip then.
void setFittedText(QWidget *control, const QString &text, int width, const QString &usualTip,
                   const std::function<void(const QString &)> &setText)
{
    const QString fitted = control->fontMetrics().elidedText(text, Qt::ElideRight, width);
    setText(fitted);
    control->setToolTip(fitted == text ? usualTip : text);
    control->setAccessibleName(text);
}

} // namespace

void HomePage::setTopics(const QStringList &names)
{
    for (int k = 1; k <= kTopics; ++k) {
        QPushButton *button = topic(k);
        const QString name = names.value(k - 1);
        // The button's padding and frame take some of its width.
        setFittedText(button, name, button->width() - 16, QStringLiteral("Click to select topic"),
                      [button](const QString &text) { button->setText(text); });
        button->setVisible(k <= names.size());
        bullet(k)->setVisible(k <= names.size());
    }
}

void HomePage::setHeading(const QString &topicName)
{
    setFittedText(m_subH1, topicName, m_subH1->width(), QString(),
                  [this](const QString &text) { m_subH1->setText(text); });
}

void HomePage::arrangePaperScores()
{
    const int column = m_percentColumn->x();
    auto place = [column](QLabel *score) {
        if (score->text().isEmpty()) {
            score->setGeometry(column, score->y(), 0, score->height());
            return;
        }
        const int width = score->fontMetrics().horizontalAdvance(score->text()) + 6;
        score->setGeometry(column - width - kScoreGap, score->y(), width, score->height());
    };
    for (int j = 1; j <= kPapersPerTopic; ++j) {
        QLabel *first = firstScore(j);
        place(first);
        bool fullMarks = false;
        const double value = first->text().toDouble(&fullMarks);
        fullMarks = fullMarks && value > 99;
        tryAgainButton(j)->setVisible(!first->text().isEmpty() && !fullMarks);
        place(secondScore(j));
    }
}

void HomePage::highlightTopic(int chosen)
{
    for (int k = 1; k <= kTopics; ++k) {
        QPushButton *button = topic(k);
        if (k == chosen)
            button->setStyleSheet(QStringLiteral("QPushButton { background: #808080; color: palette(highlighted-text);"
                                                 " text-align: left; padding-left: 6px; border: none; }"));
        else
            button->setStyleSheet(QStringLiteral("QPushButton { background: transparent; color: black;"
                                                 " text-align: left; padding-left: 6px; border: none; }"
                                                 "QPushButton:focus { text-decoration: underline; }"));
    }
}

} // namespace kw
