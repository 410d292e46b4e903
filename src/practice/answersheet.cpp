#include "practice/answersheet.h"

#include "checking/answercheck.h"
#include "chrome/pictures.h"
#include "practice/answerbox.h"
#include "practice/papersession.h"
#include "practice/slotpanel.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace kw {

namespace {

constexpr int kTitleHeight = 28;
constexpr int kFirstPanelTopTwips = 50;
constexpr int kPanelGapTwips = 105;
constexpr int kCrowdedGapTwips = -10; // sixteen slots or more overlap slightly so that all fit
const QColor kCarriedOverColour(192, 192, 255);
constexpr int kCrowded = 16;

// The question's slots as the sheet shows them: the paper slot before its
// first (0-based offset) and how many panels it fills.
struct QuestionSlots {
    int offset;
    int count;
};

QuestionSlots slotsOf(const PaperContent &content, int question)
{
    return {content.firstSlotOf(question) - 1, std::min<int>(content.slotCounts.value(question - 1), AnswerSheet::kPanels)};
}

} // namespace

AnswerSheet::AnswerSheet(const Pictures &pictures, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AnsBox"));
    resize(Px(kWidthTwips), Px(kHeightTwips));

    m_titleBand = new QWidget(this);
    m_titleBand->setObjectName(QStringLiteral("QnTitleBG"));
    m_title = new QLabel(QStringLiteral("Question 1"), m_titleBand);
    m_title->setObjectName(QStringLiteral("QnTitle"));
    m_title->setStyleSheet(QStringLiteral("font-weight: bold;"));

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("SlotArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidgetResizable(false);
    m_slots = new QWidget;
    m_slots->setObjectName(QStringLiteral("Slots"));
    for (int k = 1; k <= kPanels; ++k) {
        auto *panel = new SlotPanel(k, m_slots);
        panel->hide();
        m_panels[std::size_t(k - 1)] = panel;
    }
    m_scroll->setWidget(m_slots);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_slots->setAutoFillBackground(false);

    m_instruction = new QLabel(this);
    m_instruction->setObjectName(QStringLiteral("PicInstruction"));
    m_instruction->setPixmap(pictures.get(QStringLiteral("instruction.gif")));
    m_instruction->resize(m_instruction->pixmap().deviceIndependentSize().toSize());
    m_instruction->setAccessibleName(QStringLiteral("How to type fractions and mixed numbers"));
    m_instruction->hide();
    placeParts();
}

AnswerBox *AnswerSheet::answerBox(int k) const
{
    return panel(k)->answerBox();
}

void AnswerSheet::fill(const PaperSession &session, int question)
{
    const PaperContent &content = session.content();
    const auto [d, count] = slotsOf(content, question);
    m_title->setText(QStringLiteral("Question %1").arg(question));

    bool instruction = false;
    for (int k = 1; k <= count && !instruction; ++k) {
        const SlotType type = content.types.at(d + k - 1);
        instruction = type == SlotType::MixedNumber || type == SlotType::Fraction;
    }
    m_instruction->setVisible(instruction);

    const Attempt &attempt = session.attempt();
    for (int k = 1; k <= count; ++k) {
        const int slot = d + k - 1;
        SlotPanel *p = panel(k);
        const SlotType type = content.types.at(slot);
        const bool carried = session.carriedOver(slot + 1);
        p->resultLabel()->setText(verdictText(attempt.carriesOver ? session.firstResults().value(slot)
                                                                  : session.results.value(slot)));
        p->secondResultLabel()->setText(verdictText(session.results.value(slot)));
        AnswerBox *box = p->answerBox();
        box->setMaxLength(type == SlotType::Choice ? 1 : 32767);
        box->setText(session.answers.value(slot));
        box->setReadOnly(m_marked || carried);
        box->setBackground(carried ? kCarriedOverColour : QColor(Qt::white));
        const QString name = count >= 2 ? QStringLiteral("Answer %1").arg(p->partLabel()->text())
                                        : QStringLiteral("Answer");
        const Unit *unit = type == SlotType::Number ? unitOf(content.units.value(slot)) : nullptr;
        p->setUnit(unit ? unit->symbol : QString(), unit && unit->before);
        p->unitLabel()->setAccessibleName(unit ? unit->name : QString());
        box->setAccessibleName(unit ? QStringLiteral("%1, in %2").arg(name, unit->symbol) : name);

        QStringList description;
        if (unit)
            description << QStringLiteral("The answer is in %1; the number may be typed with or without the unit.")
                               .arg(unit->name);
        if (carried && !m_marked)
            description << QStringLiteral("Right the first time, kept.");
        const QString hint = m_marked ? QString() : session.hint(slot + 1);
        p->setHint(hint);
        p->hintLabel()->setAccessibleName(QStringLiteral("Hint for %1").arg(name.toLower()));
        if (!hint.isEmpty())
            description << QStringLiteral("Hint: %1.").arg(hint);
        box->setAccessibleDescription(description.join(QLatin1Char(' ')));

        // The first attempt's marks show on its marked paper; on a second
        // attempt they show beside what was carried over until it is marked,
        // then its own marks and the model answers of what is still wrong.
        if (attempt.carriesOver) {
            p->resultLabel()->setVisible(!m_marked && carried);
            p->secondResultLabel()->setVisible(m_marked);
            const bool wrong = m_marked && session.results.value(slot) == Verdict::Wrong;
            p->keyBox()->setText(wrong ? session.modelAnswer(slot + 1) : QString());
            p->keyBox()->setAccessibleName(QStringLiteral("Model answer for %1").arg(name.toLower()));
            p->keyBox()->setVisible(wrong);
        } else {
            p->resultLabel()->setVisible(m_marked);
            p->secondResultLabel()->hide();
            p->keyBox()->setText(content.keys.at(slot));
            p->keyBox()->hide();
        }
    }
    const bool longFirst = count >= 1 && content.types.at(d) == SlotType::Phrase;
    panel(1)->setLongAnswer(longFirst);

    // Stacked in twips, so rounding never adds up down a long question.
    const int gap = count < kCrowded ? kPanelGapTwips : (attempt.carriesOver ? 0 : kCrowdedGapTwips);
    int top = kFirstPanelTopTwips;
    int bottom = 0;
    for (int k = 1; k <= kPanels; ++k) {
        SlotPanel *p = panel(k);
        if (k > count)
            p->setHint(QString());
        const int height = p->heightTwips();
        p->move(0, Px(top));
        p->setVisible(k <= count);
        if (k <= count)
            bottom = Px(top + height);
        top += height + gap;
    }
    panel(1)->partLabel()->setVisible(count >= 2);
    m_slots->resize(Px(SlotPanel::kWidthTwips), bottom + Px(kFirstPanelTopTwips));
    m_scroll->verticalScrollBar()->setValue(0);
    placeParts();
}

void AnswerSheet::collect(PaperSession &session, int question) const
{
    const auto [d, count] = slotsOf(session.content(), question);
    for (int k = 1; k <= count && d + k - 1 < session.answers.size(); ++k)
        session.answers[d + k - 1] = answerBox(k)->text();
}

void AnswerSheet::setMarked(bool marked)
{
    m_marked = marked;
    for (SlotPanel *p : m_panels)
        p->answerBox()->setReadOnly(marked);
}

void AnswerSheet::focusFirstAnswer()
{
    // The first box the pupil can still change, if any.
    for (SlotPanel *p : m_panels) {
        if (p->isVisibleTo(this) && !p->answerBox()->isReadOnly()) {
            p->answerBox()->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    answerBox(1)->setFocus(Qt::OtherFocusReason);
}

void AnswerSheet::resizeEvent(QResizeEvent *)
{
    placeParts();
}

void AnswerSheet::placeParts()
{
    m_titleBand->setGeometry(0, 0, width(), kTitleHeight);
    m_title->setGeometry(Px(30), 0, width() - Px(60), kTitleHeight);
    m_instruction->move((width() - m_instruction->width()) / 2, height() - m_instruction->height());
    const int bottom = m_instruction->isVisibleTo(this) ? m_instruction->y() : height();
    m_scroll->setGeometry(0, kTitleHeight, width(), std::max(0, bottom - kTitleHeight));
}

} // namespace kw
