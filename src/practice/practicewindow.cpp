#include "practice/practicewindow.h"

#include "checking/marking.h"
#include "chrome/background.h"
#include "chrome/clicklabel.h"
#include "chrome/messagedialog.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "chrome/windowframe.h"
#include "data/clock.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "practice/answersheet.h"
#include "practice/markingprogress.h"
#include "practice/papersession.h"
#include "practice/questionviewer.h"
#include "practice/slotpanel.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace kw {

namespace {

constexpr int kToolBandHeight = 78;
constexpr QSize kToolButton(64, 56);
constexpr int kToolGap = Px(120);
constexpr int kHandleStripWidth = 14;
constexpr int kBottomBandHeight = 29;
constexpr int kStatusBoxWidth = Px(960);
constexpr int kStatusBoxHeight = Px(375);
constexpr int kPaperSumWidth = 120;
constexpr int kClockIntervalMs = 1000; // the clock shows whole seconds

struct ToolText {
    PracticeWindow::Tool tool;
    const char *caption;
    const char *tip;
    const char *picture;  // stem of stem_off.bmp, stem_on.bmp, stem_pressed.bmp, stem_disabled.bmp
    const char *shortcut;
};

constexpr std::array<ToolText, PracticeWindow::kToolCount> kTools{{
    {PracticeWindow::Tool::Save, "Save", "Save paper", "save", "Ctrl+S"},
    {PracticeWindow::Tool::Mark, "Mark", "Mark paper", "mark", "Ctrl+M"},
    {PracticeWindow::Tool::Print, "Print", "Print question", "print", "Ctrl+P"},
    {PracticeWindow::Tool::Close, "Close", "Close paper", "close", "Ctrl+W"},
    {PracticeWindow::Tool::Back, "Back", "Previous question", "back", "Alt+B"},
    {PracticeWindow::Tool::Next, "Next", "Next question", "forward", "Alt+N"},
}};

const QString kTitle = QStringLiteral("Kestrelworks");

// A status box of the bottom band: its skin picture behind the texts it holds.
QLabel *statusBox(const QString &name, const QPixmap &background, int width)
{
    auto *box = new QLabel;
    box->setObjectName(name);
    box->setPixmap(background);
    box->setScaledContents(true);
    box->setFixedSize(width, kStatusBoxHeight);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return box;
}

QLabel *statusText(const QString &name, const QString &tip, QWidget *box, Qt::Alignment alignment = Qt::AlignCenter)
{
    auto *label = new QLabel(box);
    label->setObjectName(name);
    label->setToolTip(tip);
    label->setAccessibleName(tip);
    label->setAlignment(alignment);
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    box->layout()->addWidget(label);
    return label;
}

} // namespace

PracticeWindow::PracticeWindow(const PracticeContext &context, const PaperChoice &choice, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), m_choice(choice)
{
    setObjectName(choice.attempt.windowName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(context.pictures->get(QStringLiteral("pencil.ico"))));
    setMinimumSize(640, 440);
    fillBackground(this, kPanelColour);

    m_dialog = new MessageDialog(*context.pictures, this);

    for (const ToolText &text : kTools) {
        auto *action = new QAction(QLatin1String(text.caption), this);
        const QKeySequence shortcut(QLatin1String(text.shortcut));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(QLatin1String(text.tip),
                                                         shortcut.toString(QKeySequence::NativeText)));
        addAction(action);
        m_actions[std::size_t(text.tool)] = action;
    }
    connect(action(Tool::Save), &QAction::triggered, this, &PracticeWindow::save);
    connect(action(Tool::Mark), &QAction::triggered, this, &PracticeWindow::mark);
    connect(action(Tool::Print), &QAction::triggered, this, &PracticeWindow::print);
    connect(action(Tool::Close), &QAction::triggered, this, &PracticeWindow::requestClose);
    connect(action(Tool::Back), &QAction::triggered, this, &PracticeWindow::previousQuestion);
    connect(action(Tool::Next), &QAction::triggered, this, &PracticeWindow::nextQuestion);

    m_viewer = new QuestionViewer;
    connect(m_viewer, &QuestionViewer::guardTriggered, this, [this]() {
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Invalid operation"));
    });
    m_pageProblem = new QLabel;
    m_pageProblem->setObjectName(QStringLiteral("PageProblem"));
    m_pageProblem->setAlignment(Qt::AlignCenter);
    m_pageProblem->setWordWrap(true);
    m_pageProblem->setMargin(24);
    fillBackground(m_pageProblem, Qt::white);
    m_pageArea = new QStackedWidget;
    m_pageArea->addWidget(m_viewer);
    m_pageArea->addWidget(m_pageProblem);

    m_sheet = new AnswerSheet(*context.pictures);
    fillBackground(m_sheet, kPanelColour);
    m_sheet->setFixedWidth(m_sheet->width());

    // The page and the band under it take what the answer sheet leaves; the
    // handle strip stands between them.
    auto *pageColumn = new QVBoxLayout;
    pageColumn->setSpacing(0);
    pageColumn->addWidget(m_pageArea, 1);
    pageColumn->addWidget(buildBottomBand());
    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    body->addLayout(pageColumn, 1);
    body->addWidget(buildHandleStrip());
    body->addWidget(m_sheet);
    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addWidget(buildToolBand());
    window->addLayout(body, 1);
    new WindowFrame(this, *context.pictures, WindowFrame::Resizable);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(kClockIntervalMs);
    connect(m_clockTimer, &QTimer::timeout, this, &PracticeWindow::updateClock);
}

PracticeWindow::~PracticeWindow()
{
    removePageFile();
}

QWidget *PracticeWindow::buildToolBand()
{
    auto *band = new QWidget;
    band->setObjectName(QStringLiteral("ScnTabBG"));
    band->setFixedHeight(kToolBandHeight);
    fillBackground(band, kPanelColour);
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(kToolGap, 2, kToolGap, 0);
    row->setSpacing(kToolGap);

    const Pictures &pictures = *m_context.pictures;
    int k = 1;
    for (const ToolText &text : kTools) {
        QAction *tool = action(text.tool);
        auto *button = new PictureButton(QStringLiteral("ToolBar0%1").arg(k));
        const QString stem = QLatin1String(text.picture);
        button->setPictures({pictures.get(stem + QStringLiteral("_off.bmp")), pictures.get(stem + QStringLiteral("_on.bmp")),
                             pictures.get(stem + QStringLiteral("_pressed.bmp")),
                             pictures.get(stem + QStringLiteral("_disabled.bmp"))});
        button->setFixedSize(kToolButton);
        button->setAction(tool);
        auto *caption = new ClickLabel;
        caption->setObjectName(QStringLiteral("lblTB0%1").arg(k));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setFixedWidth(kToolButton.width() + 8);
        caption->setAction(tool);
        auto *column = new QVBoxLayout;
        column->setSpacing(0);
        column->addWidget(button, 0, Qt::AlignHCenter);
        column->addWidget(caption, 0, Qt::AlignHCenter);
        column->addStretch();
        // Back and Next stay at the right edge whatever the width.
        if (text.tool == Tool::Back) {
            row->addStretch(1);
            row->addWidget(m_paperSum = new QWidget);
        }
        row->addLayout(column);
        ++k;
    }

    m_paperSum->setObjectName(QStringLiteral("PaperSum"));
    m_paperSum->setFixedWidth(kPaperSumWidth);
    auto *sum = new QVBoxLayout(m_paperSum);
    sum->setContentsMargins(0, 8, 0, 0);
    m_percent = new QLabel;
    m_percent->setObjectName(QStringLiteral("PScoring"));
    m_percent->setToolTip(QStringLiteral("Your score"));
    m_percent->setAccessibleName(QStringLiteral("Your score"));
    m_percent->setAlignment(Qt::AlignCenter);
    m_percent->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold; color: rgb(0, 0, 160);"));
    if (m_choice.attempt.timed) {
        auto *caption = new QLabel(QStringLiteral("Your score (%)"));
        caption->setObjectName(QStringLiteral("PScoringL"));
        caption->setAlignment(Qt::AlignCenter);
        sum->addWidget(caption);
    } else {
        m_percent->setToolTip(QStringLiteral("Your score on trying again"));
        m_percent->setAccessibleName(m_percent->toolTip());
    }
    sum->addWidget(m_percent);
    sum->addStretch();
    // Hidden but keeping its room, so the tool bar does not shift on marking.
    QSizePolicy keepRoom = m_paperSum->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_paperSum->setSizePolicy(keepRoom);
    m_paperSum->hide();
    return band;
}

QWidget *PracticeWindow::buildHandleStrip()
{
    auto *strip = new QWidget;
    strip->setObjectName(QStringLiteral("PicHideAns"));
    strip->setFixedWidth(kHandleStripWidth);
    fillBackground(strip, kPanelColour);
    auto *handle = new PictureButton(QStringLiteral("ImgHandle"));
    handle->setPicture(m_context.pictures->get(QStringLiteral("Handle.bmp")));
    handle->setFixedSize(handle->sizeHint());
    handle->setToolTip(QStringLiteral("Hide answer sheet"));
    handle->setAccessibleName(QStringLiteral("Hide answer sheet"));
    connect(handle, &QAbstractButton::clicked, this, &PracticeWindow::toggleSheet);
    auto *layout = new QVBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(handle, 0, Qt::AlignCenter);
    m_handle = handle;
    return strip;
}

QWidget *PracticeWindow::buildBottomBand()
{
    const Pictures &pictures = *m_context.pictures;
    auto *band = new QWidget;
    band->setObjectName(QStringLiteral("RemQnsBG"));
    band->setFixedHeight(kBottomBandHeight);
    fillBackground(band, kPanelColour);
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const QPixmap statusPicture = pictures.get(QStringLiteral("bottombg3.bmp"));
    QList<QWidget *> boxes;

    // Only a timed attempt has a clock, a time taken and dates to show.
    const bool timed = m_choice.attempt.timed;
    QLabel *bot1 = statusBox(QStringLiteral("Bot1"), timed ? statusPicture : pictures.get(QStringLiteral("bottombg1.bmp")),
                             kStatusBoxWidth);
    boxes << bot1;
    if (timed) {
        m_clockLabel = statusText(QStringLiteral("lblClock"), QStringLiteral("Clock"), bot1);
        m_clockLabel->setText(QStringLiteral("00:00:00"));
        // A fixed size lets the text change every second without laying
        // the status box out again.
        m_clockLabel->setFixedSize(kStatusBoxWidth, kStatusBoxHeight);
        m_timeTaken = statusText(QStringLiteral("LTime"), QStringLiteral("Time taken"), bot1);
        m_timeTaken->setText(QStringLiteral("00:00:00"));
        m_timeTaken->hide();

        QLabel *bot2 = statusBox(QStringLiteral("Bot2"), statusPicture, kStatusBoxWidth);
        m_dateLabel = statusText(QStringLiteral("lblDate"), QStringLiteral("Date"), bot2);
        m_completed = statusText(QStringLiteral("ETime"), QStringLiteral("Date completed"), bot2);
        m_completed->hide();
        boxes << bot2;
    }

    QLabel *bot3 = statusBox(QStringLiteral("Bot3"), statusPicture, kStatusBoxWidth);
    boxes << bot3;
    m_answered = statusText(QStringLiteral("lblAnsweredQ"), QStringLiteral("Number of questions answered"), bot3,
                            Qt::AlignRight | Qt::AlignVCenter);
    statusText(QStringLiteral("Label1"), QString(), bot3)->setText(QStringLiteral("/"));
    m_total = statusText(QStringLiteral("lblTotalQ"), QStringLiteral("Total number of questions"), bot3,
                         Qt::AlignLeft | Qt::AlignVCenter);

    const QPixmap remainingPicture = pictures.get(QStringLiteral("bottombg2.bmp"));
    const int remainingWidth = remainingPicture.isNull() ? 150 : remainingPicture.deviceIndependentSize().toSize().width();
    QLabel *remainingBox = statusBox(QStringLiteral("TxtRem"), remainingPicture, remainingWidth);
    remainingBox->layout()->setContentsMargins(2, 2, 4, 2);
    QLabel *remainingCaption = statusText(QStringLiteral("TxtRemlbl"), QString(), remainingBox);
    remainingCaption->setText(QStringLiteral("Qns left:"));
    m_remaining = new QComboBox;
    m_remaining->setObjectName(QStringLiteral("RemQns"));
    m_remaining->setToolTip(QStringLiteral("Select a remaining question"));
    m_remaining->setAccessibleName(QStringLiteral("Questions left"));
    QFont small = m_remaining->font();
    small.setPixelSize(11);
    m_remaining->setFont(small);
    remainingBox->layout()->addWidget(m_remaining);
    static_cast<QBoxLayout *>(remainingBox->layout())->setStretchFactor(m_remaining, 1);
    remainingCaption->setBuddy(m_remaining);
    connect(m_remaining, &QComboBox::activated, this, [this](int index) {
        jumpToQuestion(m_remaining->itemText(index).toInt());
    });
    m_remainingBox = remainingBox;
    boxes << remainingBox;

    for (QWidget *box : std::as_const(boxes))
        row->addWidget(box, 0, Qt::AlignVCenter);
    row->addStretch(1);

    // Marking progress shows where the remaining questions were: it stands
    // over the band, outside its layout, for the few seconds it runs.
    m_progress = new MarkingProgress(pictures, band);
    return band;
}

bool PracticeWindow::openPaper()
{
    // A tenth of the screen in from its top left corner, four fifths of its size.
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        setGeometry(area.x() + area.width() / 10, area.y() + area.height() / 10, area.width() * 8 / 10,
                    area.height() * 8 / 10);
    }
    setWindowTitle(QStringLiteral("%1 - Paper %2").arg(m_choice.topicName).arg(m_choice.paperInTopic()));

    PaperAddress address;
    address.folder = m_context.folder;
    address.subject = m_choice.subject;
    address.code = m_choice.productCode;
    address.paperCount = m_choice.paperCount;
    address.paperNumber = m_choice.paperNumber;
    try {
        m_session = std::make_unique<PaperSession>(address, m_choice.attempt, *m_context.writer);
    } catch (const RuntimeError &error) {
        tell(kTitle, QStringLiteral("This paper cannot be opened (%1). Nothing has been changed.")
                         .arg(withoutFolder(error.detail())));
        m_unloaded = true; // nothing to store or let go of
        return false;
    }
    if (m_choice.attempt.carriesOver
        && !m_session->summary().isMarked(SummaryField::FirstState, address.index() - 1)) {
        // The home page never offers this, but a damaged results file could.
        m_session.reset();
        tell(kTitle, QStringLiteral("This paper cannot be tried again before its first attempt has been marked. "
                                    "Open it with Load and mark it first. Nothing has been changed."));
        m_unloaded = true;
        return false;
    }

    m_question = 1;
    showQuestion(1);
    if (m_choice.attempt.timed) {
        m_timeTaken->setText(m_session->storedTime());
        m_completed->setText(m_session->storedDate());
    }
    m_percent->setText(m_session->storedPercent());
    m_sheet->fill(*m_session, 1);
    fillRemaining();
    m_total->setText(QString::number(m_session->content().slotCount()));
    m_answered->setText(QString::number(m_session->answeredCount()));

    m_clockStart = m_context.clock->now();
    if (m_choice.attempt.timed) {
        m_dateLabel->setText(QLocale::system().toString(m_clockStart.date(), QLocale::ShortFormat));
        updateClock();
    }
    if (isMarked())
        showMarked();
    else if (m_choice.attempt.timed)
        m_clockTimer->start();
    updateActions();
    m_sheet->focusFirstAnswer();
    return true;
}

void PracticeWindow::removePageFile()
{
    if (!m_pageFile.isEmpty() && QFile::exists(m_pageFile))
        QFile::remove(m_pageFile);
}

bool PracticeWindow::isMarked() const
{
    return m_session && m_session->marked();
}

void PracticeWindow::showQuestion(int question)
{
    removePageFile();
    const QString id = m_session->content().questionIds.value(question - 1);
    m_pageFile = m_context.folder + QStringLiteral("/temppaper") + id + QStringLiteral(".mht");
    if (extractResourceToFile(id.toInt(), QStringLiteral("Custom"), m_pageFile) == 0) {
        m_pageArea->setCurrentWidget(m_viewer);
        m_viewer->showPageFile(m_pageFile);
        return;
    }
    // Never leave the previous question's page beside this question's sheet.
    m_pageFile.clear();
    m_pageProblem->setText(QStringLiteral("Question %1 cannot be shown: its page could not be prepared "
                                          "(the disk may be full).\n\nYour answers are kept. Try this "
                                          "question again later.")
                               .arg(question));
    m_pageArea->setCurrentWidget(m_pageProblem);
}

bool PracticeWindow::saveAnswers()
{
    collectAnswers();
    try {
        m_session->saveAnswers();
        return true;
    } catch (const RuntimeError &error) {
        tell(kTitle, QStringLiteral("Your answers could not be saved (%1). They are kept while this paper stays open.")
                         .arg(withoutFolder(error.detail())));
        return false;
    }
}

bool PracticeWindow::goOnWithoutSaving(const QString &question)
{
    return ask(kTitle, QStringLiteral("Your answers have not been saved. %1").arg(question));
}

void PracticeWindow::collectAnswers()
{
    m_sheet->collect(*m_session, m_question);
    m_answered->setText(QString::number(m_session->answeredCount()));
}

void PracticeWindow::moveTo(int question, bool focusAnswer)
{
    if (!m_session || question < 1 || question > m_session->content().questionCount())
        return;
    if (!saveAnswers()
        && !goOnWithoutSaving(QStringLiteral("Go to question %1 all the same? They stay in this window while it is open.")
                                  .arg(question)))
        return;
    m_question = question;
    m_sheet->fill(*m_session, m_question);
    showQuestion(m_question);
    fillRemaining();
    if (focusAnswer)
        m_sheet->focusFirstAnswer();
    updateActions();
}

void PracticeWindow::nextQuestion()
{
    moveTo(m_question + 1, true);
}

void PracticeWindow::previousQuestion()
{
    moveTo(m_question - 1, true);
}

void PracticeWindow::jumpToQuestion(int question)
{
    moveTo(question, false);
    m_remaining->setFocus(Qt::OtherFocusReason);
}

void PracticeWindow::fillRemaining()
{
    m_remaining->clear();
    for (int question : m_session->remainingQuestions())
        m_remaining->addItem(QString::number(question));
    // The question on show stays chosen while it is still unanswered, so the
    // arrow keys move on from it to the next remaining question.
    m_remaining->setCurrentIndex(m_remaining->findText(QString::number(m_question)));
}

void PracticeWindow::save()
{
    if (!m_session || isMarked())
        return;
    if (saveAnswers())
        tell(kTitle, QStringLiteral("Paper saved"));
}

void PracticeWindow::mark()
{
    if (!m_session)
        return;
    if (isMarked()) {
        showMarked();
        return;
    }
    // Marking stores results for the answers as saved, so it never goes
    // ahead over answers that could not be saved.
    if (!saveAnswers())
        return;
    const QString question = m_session->firstEmptySlot() > 0
                                 ? QStringLiteral("You have not answered all the questions.  Do you still want to mark your practice?")
                                 : QStringLiteral("Do you want to mark your practice now?");
    if (!ask(QStringLiteral("Marking"), question))
        return;

    m_clockTimer->stop();
    m_progress->move(m_remainingBox->pos());
    m_progress->run(*m_context.clock);
    const QDateTime finished = m_context.clock->now();
    const QString date = QLocale::system().toString(finished.date(), QLocale::ShortFormat);
    const qint64 seconds = m_clockStart.secsTo(finished);
    PaperMarking marking;
    try {
        marking = m_session->mark(seconds, date);
    } catch (const RuntimeError &error) {
        if (m_choice.attempt.timed)
            m_clockTimer->start();
        tell(QStringLiteral("Marking"),
             QStringLiteral("The paper could not be marked (%1). Your answers are saved; try marking again.")
                 .arg(withoutFolder(error.detail())));
        return;
    }
    if (m_choice.attempt.timed) {
        m_completed->setText(date);
        m_timeTaken->setText(timeTakenText(seconds));
    }
    m_score = marking.score;
    m_percent->setText(marking.percent);
    showMarked();
    updateActions();
}

void PracticeWindow::showMarked()
{
    m_clockTimer->stop();
    m_sheet->setMarked(true);
    m_remainingBox->hide();
    m_sheet->fill(*m_session, m_question);
    if (m_choice.attempt.timed) {
        m_clockLabel->hide();
        m_timeTaken->show();
        m_dateLabel->hide();
        m_completed->show();
    }
    m_paperSum->show();
}

void PracticeWindow::print()
{
    PrintHooks hooks = m_context.print;
    if (!hooks.choosePdfFile) {
        hooks.choosePdfFile = [this](const QString &suggested) {
            return QFileDialog::getSaveFileName(this, QStringLiteral("No printer is installed: save the question as a PDF file"),
                                                suggested, QStringLiteral("PDF files (*.pdf)"));
        };
    }
    if (!hooks.tell)
        hooks.tell = [this](const QString &message) { tell(QStringLiteral("Print"), message); };
    printQuestion(m_viewer, this, hooks);
}

void PracticeWindow::requestClose()
{
    if (!ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?")))
        return;
    if (!unload())
        return;
    m_closing = true;
    close();
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closing && !m_unloaded) {
        // Closed by the window manager: the same question as the Close button.
        event->ignore();
        QTimer::singleShot(0, this, &PracticeWindow::requestClose);
        return;
    }
    event->accept();
}

bool PracticeWindow::unload()
{
    if (m_unloaded)
        return true;
    // What is typed on the question on show is kept, as on any move.
    if (m_session && !isMarked() && !saveAnswers()
        && !goOnWithoutSaving(QStringLiteral("Close the paper all the same? What you typed since it was last saved "
                                             "would be lost.")))
        return false;
    m_unloaded = true;
    m_clockTimer->stop();
    removePageFile();
    emit unloaded();
    return true;
}

void PracticeWindow::toggleSheet()
{
    const bool show = m_sheet->isHidden();
    m_sheet->setVisible(show);
    layout()->activate(); // the page takes the sheet's room now, not on the next event round
    const QString tip = show ? QStringLiteral("Hide answer sheet") : QStringLiteral("Show answer sheet");
    m_handle->setToolTip(tip);
    m_handle->setAccessibleName(tip);
}

void PracticeWindow::updateActions()
{
    if (!m_session)
        return;
    const bool open = !isMarked();
    action(Tool::Save)->setEnabled(open);
    action(Tool::Mark)->setEnabled(open);
    action(Tool::Back)->setEnabled(m_question != 1);
    action(Tool::Next)->setEnabled(m_question != m_session->content().questionCount());
}

void PracticeWindow::updateClock()
{
    if (m_clockLabel)
        m_clockLabel->setText(timeTakenText(m_clockStart.secsTo(m_context.clock->now())));
}

bool PracticeWindow::ask(const QString &title, const QString &message)
{
    return m_dialog->ask(title, message);
}

void PracticeWindow::tell(const QString &title, const QString &message)
{
    m_dialog->tell(title, message);
}

QString PracticeWindow::withoutFolder(QString text) const
{
    // Messages name files, never where the program keeps them.
    return text.replace(m_context.folder + QLatin1Char('/'), QString());
}

} // namespace kw
