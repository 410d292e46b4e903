#include "practice/practicewindow.h"

#include "checking/marking.h"
#include "chrome/background.h"
#include "chrome/clicklabel.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "data/clock.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "mainwindow/selectionstate.h"
#include "practice/answerbox.h"
#include "practice/answersheet.h"
#include "practice/markingprogress.h"
#include "practice/papersession.h"
#include "practice/questionviewer.h"
#include "practice/slotpanel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace kw {

namespace {

// Design sizes in pixels.
constexpr int kToolBandHeight = 78;
constexpr QSize kToolButton(64, 56);
constexpr int kToolGap = Px(120);
constexpr int kHandleStripWidth = 14;
constexpr int kBottomBandHeight = 29;
constexpr int kStatusBoxWidth = Px(960);
constexpr int kStatusBoxHeight = Px(375);
constexpr int kPaperSumWidth = 120;

struct ToolText {
    const char *caption;
    const char *tip;
    const char *picture;  // the picture's stem: stem_off.bmp, stem_disabled.bmp
    const char *shortcut;
};

constexpr std::array<ToolText, 6> kTools{{
    {"Save", "Save paper", "save", "Ctrl+S"},
    {"Mark", "Mark paper", "mark", "Ctrl+M"},
    {"Print", "Print question", "print", "Ctrl+P"},
    {"Close", "Close paper", "close", "Ctrl+W"},
    {"Back", "Previous question", "back", "Alt+B"},
    {"Next", "Next question", "forward", "Alt+N"},
}};

// A status box of the bottom band with its skin picture behind it.
QWidget *statusBox(const QString &name, const QPixmap &background, QWidget *parent, int left, int width)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setPixmap(background);
    box->setScaledContents(true);
    box->setGeometry(left, (kBottomBandHeight - kStatusBoxHeight) / 2, width, kStatusBoxHeight);
    return box;
}

QLabel *statusText(const QString &name, const QString &tip, QWidget *box, const QRect &place)
{
    auto *label = new QLabel(box);
    label->setObjectName(name);
    label->setToolTip(tip);
    label->setAccessibleName(tip);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    return label;
}

} // namespace

PracticeWindow::PracticeWindow(const PracticeSetup &setup, QWidget *parent)
    : QWidget(parent, Qt::Window), m_setup(setup)
{
    setObjectName(setup.attempt.windowName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(setup.pictures->get(QStringLiteral("pencil.ico"))));
    setMinimumSize(640, 440);
    FillBackground(this, kPanelColour);

    m_popUp = new PopUp(*setup.pictures, &setup.state->PopUpResponse, this);

    m_toolBand = new QWidget(this);
    m_toolBand->setObjectName(QStringLiteral("ScnTabBG"));
    FillBackground(m_toolBand, kPanelColour);
    buildToolBar();

    m_viewer = new QuestionViewer(this);
    connect(m_viewer, &QuestionViewer::guardTriggered, this, [this]() {
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Invalid operation"));
    });

    m_handleStrip = new QWidget(this);
    m_handleStrip->setObjectName(QStringLiteral("PicHideAns"));
    FillBackground(m_handleStrip, kPanelColour);
    m_handle = new PictureButton(QStringLiteral("ImgHandle"), m_handleStrip);
    m_handle->setPicture(setup.pictures->get(QStringLiteral("Handle.bmp")));
    m_handle->resize(m_handle->sizeHint());
    m_handle->setToolTip(QStringLiteral("Hide answer sheet"));
    m_handle->setAccessibleName(QStringLiteral("Hide answer sheet"));
    connect(m_handle, &QAbstractButton::clicked, this, &PracticeWindow::ToggleSheet);

    m_sheet = new AnswerSheet(*setup.pictures, this);
    FillBackground(m_sheet, kPanelColour);

    buildBottomBand();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, &PracticeWindow::tick);
}

PracticeWindow::~PracticeWindow()
{
    removePageFile();
}

void PracticeWindow::buildToolBar()
{
    for (int k = 1; k <= 6; ++k) {
        const ToolText &text = kTools[std::size_t(k - 1)];
        const QString tip = QStringLiteral("%1 (%2)").arg(QLatin1String(text.tip),
                                                          QKeySequence(QLatin1String(text.shortcut)).toString(QKeySequence::NativeText));
        auto *button = new PictureButton(QStringLiteral("ToolBar0%1").arg(k), m_toolBand);
        button->resize(kToolButton);
        button->setToolTip(tip);
        button->setAccessibleName(QLatin1String(text.caption));
        button->setAccessibleDescription(tip);
        button->setPicture(m_setup.pictures->get(QLatin1String(text.picture) + QStringLiteral("_off.bmp")));
        auto *caption = new ClickLabel(QLatin1String(text.caption), m_toolBand);
        caption->setObjectName(QStringLiteral("lblTB0%1").arg(k));
        caption->setToolTip(tip);
        caption->setAlignment(Qt::AlignCenter);
        connect(caption, &ClickLabel::clicked, button, [button]() {
            if (button->isEnabled())
                button->click();
        });
        auto *shortcut = new QShortcut(QKeySequence(QLatin1String(text.shortcut)), this);
        connect(shortcut, &QShortcut::activated, button, [button]() {
            if (button->isEnabled())
                button->click();
        });
        m_toolBar[std::size_t(k - 1)] = button;
        m_toolBarLabels[std::size_t(k - 1)] = caption;
    }
    connect(m_toolBar[0], &QAbstractButton::clicked, this, &PracticeWindow::Save);
    connect(m_toolBar[1], &QAbstractButton::clicked, this, &PracticeWindow::Mark);
    connect(m_toolBar[2], &QAbstractButton::clicked, this, &PracticeWindow::Print);
    connect(m_toolBar[3], &QAbstractButton::clicked, this, &PracticeWindow::Close);
    connect(m_toolBar[4], &QAbstractButton::clicked, this, &PracticeWindow::PreviousQuestion);
    connect(m_toolBar[5], &QAbstractButton::clicked, this, &PracticeWindow::NextQuestion);

    m_paperSum = new QWidget(m_toolBand);
    m_paperSum->setObjectName(QStringLiteral("PaperSum"));
    auto *caption = new QLabel(QStringLiteral("Your score (%)"), m_paperSum);
    caption->setObjectName(QStringLiteral("PScoringL"));
    caption->setGeometry(0, 8, kPaperSumWidth, 20);
    caption->setAlignment(Qt::AlignCenter);
    m_percent = new QLabel(m_paperSum);
    m_percent->setObjectName(QStringLiteral("PScoring"));
    m_percent->setToolTip(QStringLiteral("Your score"));
    m_percent->setAccessibleName(QStringLiteral("Your score"));
    m_percent->setGeometry(0, 28, kPaperSumWidth, 32);
    m_percent->setAlignment(Qt::AlignCenter);
    m_percent->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold; color: rgb(0, 0, 160);"));
    m_paperSum->resize(kPaperSumWidth, kToolBandHeight);
    m_paperSum->hide();
}

void PracticeWindow::buildBottomBand()
{
    const Pictures &pictures = *m_setup.pictures;
    m_bottomBand = new QWidget(this);
    m_bottomBand->setObjectName(QStringLiteral("RemQnsBG"));
    FillBackground(m_bottomBand, kPanelColour);
    const QPixmap statusPicture = pictures.get(QStringLiteral("bottombg3.bmp"));
    const QRect inside(0, 0, kStatusBoxWidth, kStatusBoxHeight);

    QWidget *bot1 = statusBox(QStringLiteral("Bot1"), statusPicture, m_bottomBand, 0, kStatusBoxWidth);
    m_clockLabel = statusText(QStringLiteral("lblClock"), QStringLiteral("Clock"), bot1, inside);
    m_clockLabel->setText(QStringLiteral("00:00:00"));
    m_timeTaken = statusText(QStringLiteral("LTime"), QStringLiteral("Time taken"), bot1, inside);
    m_timeTaken->setText(QStringLiteral("00:00:00"));
    m_timeTaken->hide();

    QWidget *bot2 = statusBox(QStringLiteral("Bot2"), statusPicture, m_bottomBand, kStatusBoxWidth, kStatusBoxWidth);
    m_dateLabel = statusText(QStringLiteral("lblDate"), QStringLiteral("Date"), bot2, inside);
    m_completed = statusText(QStringLiteral("ETime"), QStringLiteral("Date completed"), bot2, inside);
    m_completed->hide();

    QWidget *bot3 = statusBox(QStringLiteral("Bot3"), statusPicture, m_bottomBand, 2 * kStatusBoxWidth, kStatusBoxWidth);
    m_answered = statusText(QStringLiteral("lblAnsweredQ"), QStringLiteral("Number of questions answered"), bot3,
                            QRect(0, 0, kStatusBoxWidth / 2 - 4, kStatusBoxHeight));
    m_answered->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusText(QStringLiteral("Label1"), QString(), bot3, QRect(kStatusBoxWidth / 2 - 4, 0, 8, kStatusBoxHeight))
        ->setText(QStringLiteral("/"));
    m_total = statusText(QStringLiteral("lblTotalQ"), QStringLiteral("Total number of questions"), bot3,
                         QRect(kStatusBoxWidth / 2 + 4, 0, kStatusBoxWidth / 2 - 4, kStatusBoxHeight));
    m_total->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const QPixmap remainingPicture = pictures.get(QStringLiteral("bottombg2.bmp"));
    const int remainingWidth = remainingPicture.isNull() ? 150 : remainingPicture.deviceIndependentSize().toSize().width();
    m_remainingBox = statusBox(QStringLiteral("TxtRem"), remainingPicture, m_bottomBand, 3 * kStatusBoxWidth, remainingWidth);
    auto *remainingCaption = statusText(QStringLiteral("TxtRemlbl"), QString(), m_remainingBox, QRect(2, 0, 56, kStatusBoxHeight));
    remainingCaption->setText(QStringLiteral("Qns left:"));
    m_remaining = new QComboBox(m_remainingBox);
    m_remaining->setObjectName(QStringLiteral("RemQns"));
    m_remaining->setToolTip(QStringLiteral("Select a remaining question"));
    m_remaining->setAccessibleName(QStringLiteral("Questions left"));
    m_remaining->setGeometry(60, 2, remainingWidth - 64, kStatusBoxHeight - 4);
    QFont small = m_remaining->font();
    small.setPixelSize(11);
    m_remaining->setFont(small);
    remainingCaption->setBuddy(m_remaining);
    connect(m_remaining, &QComboBox::activated, this, [this](int index) {
        JumpToQuestion(m_remaining->itemText(index).toInt());
    });

    m_progress = new MarkingProgress(pictures, m_bottomBand);
    m_progress->move(3 * kStatusBoxWidth, (kBottomBandHeight - m_progress->height()) / 2);
}

bool PracticeWindow::Form_Load()
{
    // A tenth of the screen in from its top left corner, four fifths of its size.
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        setGeometry(area.x() + area.width() / 10, area.y() + area.height() / 10, area.width() * 8 / 10,
                    area.height() * 8 / 10);
    }
    SelectionState &state = *m_setup.state;
    const int paperNumber = state.PaperNum.toInt();
    const int topicFirst = state.TopicCount.toInt();
    setWindowTitle(QStringLiteral("%1 - Paper %2").arg(state.SubH1).arg(paperNumber - 100 - topicFirst + 1));

    PaperAddress address;
    address.folder = m_setup.folder;
    address.subject = state.LChose.toInt();
    address.code = state.lblCOD;
    address.paperCount = state.TtPapersCon.toInt();
    address.paperNumber = paperNumber;
    try {
        m_session = std::make_unique<PaperSession>(address, m_setup.attempt);
    } catch (const RuntimeError &error) {
        tell(QStringLiteral("Kestrelworks"),
             QStringLiteral("This paper cannot be opened (%1). Nothing has been changed.").arg(error.detail()));
        m_unloaded = true; // nothing to store or refresh
        return false;
    }

    m_question = 1;
    showQuestion(1);
    m_timeTaken->setText(m_session->storedTime());
    m_completed->setText(m_session->storedDate());
    m_percent->setText(m_session->storedPercent());
    m_sheet->fill(*m_session, 1);
    fillRemaining();
    if (marked())
        markedDisplay();

    m_sheetShown = true;
    m_clockStart = m_setup.clock->now();
    m_timer->setInterval(100);
    m_timer->start();
    m_total->setText(QString::number(m_session->content().slotCount()));
    m_dateLabel->setText(QLocale::system().toString(m_clockStart.date(), QLocale::ShortFormat));
    tick();
    layoutWindow();
    m_sheet->focusFirstAnswer();
    return true;
}

void PracticeWindow::removePageFile()
{
    if (!m_pageFile.isEmpty() && QFile::exists(m_pageFile))
        QFile::remove(m_pageFile);
}

QString PracticeWindow::Status() const
{
    return m_session ? m_session->status() : QStringLiteral("0");
}

bool PracticeWindow::marked() const
{
    return m_session && m_session->marked();
}

void PracticeWindow::showQuestion(int question)
{
    removePageFile();
    const QString id = m_session->content().questionIds.value(question - 1);
    m_pageFile = m_setup.folder + QStringLiteral("/temppaper") + id + QStringLiteral(".mht");
    if (ExtractResourceToFile(id.toInt(), QStringLiteral("Custom"), m_pageFile) == 0)
        m_viewer->Navigate2(m_pageFile);
}

bool PracticeWindow::saveAnswers()
{
    try {
        m_session->saveAnswers();
        return true;
    } catch (const RuntimeError &error) {
        tell(QStringLiteral("Kestrelworks"),
             QStringLiteral("Your answers could not be saved (%1). They are kept while this paper stays open.")
                 .arg(error.detail()));
        return false;
    }
}

void PracticeWindow::moveTo(int question, bool focusAnswer)
{
    if (!m_session || question < 1 || question > m_session->content().questionCount())
        return;
    m_sheet->collect(*m_session, m_question);
    saveAnswers();
    m_question = question;
    m_sheet->fill(*m_session, m_question);
    showQuestion(m_question);
    fillRemaining();
    if (focusAnswer)
        m_sheet->focusFirstAnswer();
    tick();
}

void PracticeWindow::NextQuestion()
{
    moveTo(m_question + 1, true);
}

void PracticeWindow::PreviousQuestion()
{
    moveTo(m_question - 1, true);
}

void PracticeWindow::JumpToQuestion(int question)
{
    moveTo(question, false);
    m_remaining->setFocus(Qt::OtherFocusReason);
}

void PracticeWindow::fillRemaining()
{
    m_remaining->clear();
    for (int question : m_session->remainingQuestions())
        m_remaining->addItem(QString::number(question));
    m_remaining->setCurrentIndex(-1);
}

void PracticeWindow::Save()
{
    if (!m_session || marked())
        return;
    m_sheet->collect(*m_session, m_question);
    if (saveAnswers())
        tell(QStringLiteral("Kestrelworks"), QStringLiteral("Paper saved"));
}

void PracticeWindow::Mark()
{
    if (!m_session)
        return;
    if (marked()) {
        markedDisplay();
        return;
    }
    m_sheet->collect(*m_session, m_question);
    saveAnswers();
    const QString question = m_session->firstEmptySlot() > 0
                                 ? QStringLiteral("You have not answered all the questions.  Do you still want to mark your practice?")
                                 : QStringLiteral("Do you want to mark your practice now?");
    if (!ask(QStringLiteral("Marking"), question))
        return;

    m_timer->stop();
    m_progress->run(*m_setup.clock);
    const QDateTime finished = m_setup.clock->now();
    const QString date = QLocale::system().toString(finished.date(), QLocale::ShortFormat);
    const qint64 seconds = m_clockStart.secsTo(finished);
    PaperMarking marking;
    try {
        marking = m_session->mark(seconds, date);
    } catch (const RuntimeError &error) {
        m_timer->start();
        tell(QStringLiteral("Marking"),
             QStringLiteral("The paper could not be marked (%1). Your answers are saved; try marking again.")
                 .arg(error.detail()));
        return;
    }
    m_completed->setText(date);
    m_timeTaken->setText(TimeTakenText(seconds));
    m_scoring = QString::number(marking.score);
    m_percent->setText(marking.percent);
    markedDisplay();
    m_timer->start();
    tick();
}

void PracticeWindow::markedDisplay()
{
    m_sheet->setMarked(true);
    m_remainingBox->hide();
    m_sheet->fill(*m_session, m_question);
    m_clockLabel->hide();
    m_timeTaken->show();
    m_dateLabel->hide();
    m_completed->show();
    m_paperSum->show();
}

void PracticeWindow::Print()
{
    PrintHooks hooks = m_setup.print;
    if (!hooks.choosePdfFile) {
        hooks.choosePdfFile = [this](const QString &suggested) {
            return QFileDialog::getSaveFileName(this, QStringLiteral("No printer is installed: save the question as a PDF file"),
                                                suggested, QStringLiteral("PDF files (*.pdf)"));
        };
    }
    if (!hooks.tell)
        hooks.tell = [this](const QString &message) { tell(QStringLiteral("Print"), message); };
    PrintQuestion(m_viewer, this, hooks);
}

void PracticeWindow::Close()
{
    if (!ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?")))
        return;
    m_closing = true;
    close();
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closing && !m_unloaded) {
        // Closed by the window manager: the same question as the Close button.
        event->ignore();
        QTimer::singleShot(0, this, &PracticeWindow::Close);
        return;
    }
    Unload();
    event->accept();
}

void PracticeWindow::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_timer->stop();
    // What is typed on the question on show is kept, as on any move.
    if (m_session && !marked()) {
        m_sheet->collect(*m_session, m_question);
        saveAnswers();
    }
    removePageFile();
    if (m_setup.refresh)
        m_setup.refresh();
}

void PracticeWindow::ToggleSheet()
{
    m_sheetShown = !m_sheetShown;
    const QString tip = m_sheetShown ? QStringLiteral("Hide answer sheet") : QStringLiteral("Show answer sheet");
    m_handle->setToolTip(tip);
    m_handle->setAccessibleName(tip);
    layoutWindow();
}

bool PracticeWindow::ask(const QString &title, const QString &message)
{
    m_setup.state->PopUpResponse = QStringLiteral("False");
    m_popUp->CallPop(title, message, 2, this);
    m_popUp->exec();
    return m_setup.state->PopUpResponse == QLatin1String("True");
}

void PracticeWindow::tell(const QString &title, const QString &message)
{
    m_popUp->CallPop(title, message, 1, this);
    m_popUp->exec();
}

void PracticeWindow::setToolButton(int k, bool enabled)
{
    PictureButton *button = m_toolBar[std::size_t(k - 1)];
    const QString stem = QLatin1String(kTools[std::size_t(k - 1)].picture);
    const QPixmap picture = m_setup.pictures->get(stem + (enabled ? QStringLiteral("_off.bmp") : QStringLiteral("_disabled.bmp")));
    if (button->picture().cacheKey() != picture.cacheKey())
        button->setPicture(picture);
    button->setEnabled(enabled);
    m_toolBarLabels[std::size_t(k - 1)]->setEnabled(enabled);
}

void PracticeWindow::tick()
{
    if (!m_session)
        return;
    const bool open = !marked();
    setToolButton(1, open);
    setToolButton(2, open);
    setToolButton(3, true);
    setToolButton(4, true);
    setToolButton(5, m_question != 1);
    setToolButton(6, m_question != m_session->content().questionCount());
    m_clockLabel->setText(TimeTakenText(m_clockStart.secsTo(m_setup.clock->now())));
    m_answered->setText(QString::number(m_session->answeredCount()));
}

void PracticeWindow::resizeEvent(QResizeEvent *)
{
    layoutWindow();
}

void PracticeWindow::layoutWindow()
{
    const int w = width();
    const int h = height();
    m_toolBand->setGeometry(0, 0, w, kToolBandHeight);
    for (int k = 0; k < 6; ++k) {
        int left = kToolGap + k * (kToolButton.width() + kToolGap);
        if (k == 5)
            left = w - kToolButton.width() - kToolGap;
        else if (k == 4)
            left = w - 2 * (kToolButton.width() + kToolGap);
        m_toolBar[std::size_t(k)]->move(left, 2);
        m_toolBarLabels[std::size_t(k)]->setGeometry(left - 4, 2 + kToolButton.height(), kToolButton.width() + 8, 18);
    }
    m_paperSum->move(w - Px(AnswerSheet::kWidthTwips), 0);

    const int sheetWidth = m_sheet->width();
    const int top = kToolBandHeight;
    const int height = h - top;
    if (m_sheetShown) {
        m_sheet->setGeometry(w - sheetWidth, top, sheetWidth, height);
        m_handleStrip->setGeometry(m_sheet->x() - kHandleStripWidth, top, kHandleStripWidth, height);
    } else {
        m_sheet->setGeometry(w, top, sheetWidth, height);
        m_handleStrip->setGeometry(w - kHandleStripWidth, top, kHandleStripWidth, height);
    }
    m_sheet->setVisible(m_sheetShown);
    m_handle->move((kHandleStripWidth - m_handle->width()) / 2, (height - m_handle->height()) / 2);
    const int viewerWidth = m_handleStrip->x();
    m_viewer->setGeometry(0, top, viewerWidth, height - kBottomBandHeight);
    m_bottomBand->setGeometry(0, top + m_viewer->height(), viewerWidth, kBottomBandHeight);
}

} // namespace kw
