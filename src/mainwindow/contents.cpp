#include "mainwindow/contents.h"

#include "chrome/background.h"
#include "chrome/clicklabel.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "data/runtimeerror.h"
#include "mainwindow/homepage.h"
#include "practice/practicewindow.h"
#include "startup/startup.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace kw {

namespace {

// Design layout in pixels.
constexpr QSize kWindowSize(760, 560);
constexpr QRect kTabStrip(6, 34, 748, 78);  // ScnTabBG: the band under the tabs, holding the tool bar
constexpr QSize kTabSize(150, 28);
constexpr int kTabOverlap = 4;
constexpr int kToolBarLeft = 14;
constexpr int kToolBarPitch = 84;

struct SlotText {
    const char *subjectCaption;
    const char *subjectTip;
    const char *subjectPicture;
    const char *helpCaption;
    const char *helpTip;
    const char *helpPicture;
};

constexpr std::array<SlotText, 4> kSlots{{
    {"Home", "Load Home page", "home_off.bmp", "About", "About Kestrelworks", "about_off.bmp"},
    {"Report", "Load Report card", "report_off.bmp", "Trash", "Trash past results", "trash_off.bmp"},
    {"Print", "Print results", "print_off.bmp", "", "", ""},
    {"Close", "Close program", "close_off.bmp", "Setup", "Printer Setup", "setup_off.bmp"},
}};

} // namespace

Contents::Contents(const ContentsSetup &setup, QWidget *parent) : QWidget(parent), m_setup(setup)
{
    setObjectName(QStringLiteral("Contents"));
    load(setup);
}

Contents::~Contents()
{
    delete m_practice;
    delete m_pictures;
}

PracticeWindow *Contents::practiceWindow() const
{
    return m_practice.data();
}

bool Contents::subjectUsable(int subject) const
{
    return m_catalogue.hasSubject(subject) && !m_damaged.contains(subject);
}

void Contents::load(const ContentsSetup &setup)
{
    RemoveLeftovers(setup.folder);

    // 1-2: skin graphics out of the executable, then the window's pictures.
    ExtractGraphics(setup.folder);
    m_pictures = new Pictures(setup.folder + QStringLiteral("/Graphics"));
    setWindowIcon(QIcon(m_pictures->get(QStringLiteral("KWicon.ico"))));

    // 3: the window and its tab strip.
    setFixedSize(kWindowSize);
    FillBackground(this, kPanelColour);
    buildTabStrip();
    buildToolBar();
    m_home = new HomePage(*m_pictures, this);
    m_home->setGeometry(kTabStrip.left(), kTabStrip.bottom() + 1, kTabStrip.width(), kWindowSize.height() - kTabStrip.bottom() - 7);
    connect(m_home, &HomePage::topicClicked, this, &Contents::chooseTopic);
    connect(m_home, &HomePage::paperClicked, this, &Contents::OpenPaper);
    m_blank = new QLabel(this);
    m_blank->setObjectName(QStringLiteral("Body_Blank"));
    m_blank->setGeometry(m_home->geometry());
    m_blank->setAlignment(Qt::AlignCenter);
    m_blank->setWordWrap(true);
    m_blank->hide();

    // 4-5: catalogue, then any missing progress files.
    QString catalogueProblem;
    CourseStart start = PrepareCourse(setup.folder, &catalogueProblem);
    m_catalogue = start.catalogue;
    if (!catalogueProblem.isEmpty())
        m_setup.ask(QStringLiteral("Kestrelworks"),
                    QStringLiteral("The list of subjects in this program cannot be read (%1).").arg(catalogueProblem),
                    {QStringLiteral("OK")});
    if (!start.unwritable.isEmpty())
        m_setup.ask(QStringLiteral("Kestrelworks"),
                    QStringLiteral("Your results cannot be saved: these files could not be created in %1:\n%2")
                        .arg(QDir::toNativeSeparators(setup.folder), start.unwritable.join(QLatin1Char('\n'))),
                    {QStringLiteral("OK")});
    for (auto it = start.damagedSubjects.cbegin(); it != start.damagedSubjects.cend(); ++it)
        handleDamagedSubject(it.key(), it.value());

    // 6-8: captions, tool tips, tab positions.
    setWindowTitle(m_catalogue.title);
    state().lblCOD = m_catalogue.code;
    for (int k = 1; k <= 3; ++k) {
        const QString name = m_catalogue.subjects[std::size_t(k - 1)].name;
        m_tabLabels[std::size_t(k - 1)]->setText(name);
        QString tip = QStringLiteral("Load %1 Module").arg(name);
        if (m_damaged.contains(k))
            tip = QStringLiteral("%1 cannot be used: its results files are damaged").arg(name);
        m_tabs[std::size_t(k - 1)]->setToolTip(tip);
        m_tabLabels[std::size_t(k - 1)]->setToolTip(tip);
        m_tabs[std::size_t(k - 1)]->setAccessibleName(name);
        m_tabs[std::size_t(k - 1)]->setEnabled(subjectUsable(k));
    }
    m_tabLabels[3]->setText(QStringLiteral("Help"));
    m_tabs[3]->setToolTip(QStringLiteral("Help"));
    m_tabLabels[3]->setToolTip(QStringLiteral("Help"));
    m_tabs[3]->setAccessibleName(QStringLiteral("Help"));
    placeTabs();

    // 9: the window's timer.
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &Contents::updateToolBar);
    m_timer->start();

    // 10-11: the first subject that can be used.
    int first = 0;
    for (int k = 1; k <= 3 && first == 0; ++k) {
        if (subjectUsable(k))
            first = k;
    }
    if (first == 0) {
        m_blank->setText(m_catalogue.title.isEmpty()
                             ? QStringLiteral("This program carries no subjects.")
                             : QStringLiteral("No subject can be opened. Start the program again after restoring its results files, or reset a subject when asked."));
        showPage(m_blank);
        updateToolBar();
        return;
    }
    // The tab click sets the selection, reads the subject once and chooses topic 1.
    chooseTab(first);
}

void Contents::handleDamagedSubject(int subject, const QString &problem)
{
    const QString name = m_catalogue.subject(subject).name;
    const int choice = m_setup.ask(
        QStringLiteral("Kestrelworks"),
        QStringLiteral("The %1 results cannot be read (%2).\n\nThe files have been left exactly as they are, and "
                       "%1 cannot be used until they are put right. The other subjects work as usual.\n\n"
                       "You can also start %1 afresh: every %1 result would be lost (a copy of the damaged "
                       "files is kept beside them).")
            .arg(name, problem),
        {QStringLiteral("Leave %1 as it is").arg(name), QStringLiteral("Start %1 afresh").arg(name)});
    if (choice != 1) {
        m_damaged.insert(subject, problem);
        return;
    }
    const int sure = m_setup.ask(QStringLiteral("Kestrelworks"),
                                 QStringLiteral("Are you sure? All %1 results will be erased.").arg(name),
                                 {QStringLiteral("No"), QStringLiteral("Yes")});
    if (sure != 1) {
        m_damaged.insert(subject, problem);
        return;
    }
    // Every file is copied aside before any is removed, so a copy that fails
    // leaves the subject exactly as it was.
    for (ProgressFile file : kProgressFiles) {
        const QString path = ProgressFilePath(m_setup.folder, file, subject, m_catalogue.code);
        const QString copy = path + QStringLiteral(".damaged");
        QFile::remove(copy);
        if (QFile::exists(path) && !QFile::copy(path, copy)) {
            m_damaged.insert(subject, problem);
            return;
        }
    }
    for (ProgressFile file : kProgressFiles)
        QFile::remove(ProgressFilePath(m_setup.folder, file, subject, m_catalogue.code));
    CreateMissingProgressFiles(m_setup.folder, subject, m_catalogue.code);
    const QString still = ProgressFilesProblem(m_setup.folder, subject, m_catalogue.code,
                                               m_catalogue.subject(subject).paperCount);
    if (!still.isEmpty())
        m_damaged.insert(subject, still);
}

void Contents::buildTabStrip()
{
    m_tabStrip = new QWidget(this);
    m_tabStrip->setObjectName(QStringLiteral("ScnTabBG"));
    m_tabStrip->setGeometry(kTabStrip);
    FillBackground(m_tabStrip, kPanelColour);

    for (int k = 1; k <= 4; ++k) {
        auto *tab = new PictureButton(QStringLiteral("Tab0%1").arg(k), this);
        tab->resize(kTabSize);
        auto *caption = new QLabel(tab);
        caption->setObjectName(QStringLiteral("Tab0%1lbl").arg(k));
        caption->setGeometry(0, 0, kTabSize.width(), kTabSize.height());
        caption->setAlignment(Qt::AlignCenter);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents); // a click on the caption is a click on the tab
        connect(tab, &QAbstractButton::clicked, this, [this, k]() { chooseTab(k); });
        m_tabs[std::size_t(k - 1)] = tab;
        m_tabLabels[std::size_t(k - 1)] = caption;
    }
}

void Contents::buildToolBar()
{
    for (int k = 1; k <= 4; ++k) {
        const int left = kTabStrip.left() + kToolBarLeft + (k - 1) * kToolBarPitch;
        auto *slot = new PictureButton(QStringLiteral("ToolBar0%1").arg(k), this);
        slot->setGeometry(left + 14, kTabStrip.top() + 6, 48, 48);
        auto *caption = new ClickLabel(this);
        caption->setObjectName(QStringLiteral("lblTB0%1").arg(k));
        caption->setGeometry(left, kTabStrip.top() + 54, 76, 18);
        caption->setAlignment(Qt::AlignCenter);
        connect(slot, &QAbstractButton::clicked, this, [this, k]() {
            state().txtToolBarPos = QString::number(k);
            ToolBarAction();
        });
        connect(caption, &ClickLabel::clicked, slot, &QAbstractButton::click);
        m_toolBar[std::size_t(k - 1)] = slot;
        m_toolBarLabels[std::size_t(k - 1)] = caption;
    }
}

void Contents::placeTabs()
{
    // Tabs overlap by a few pixels; a subject without a name has its tab out of sight.
    int left = kTabStrip.left() + 2;
    const int top = kTabStrip.top() - kTabSize.height();
    for (int k = 1; k <= 3; ++k) {
        QWidget *tab = m_tabs[std::size_t(k - 1)];
        if (m_catalogue.hasSubject(k)) {
            tab->move(left, top);
            tab->show();
            left += kTabSize.width() - kTabOverlap;
        } else {
            tab->move(kTabStrip.left() - kTabSize.width(), top);
            tab->hide();
        }
    }
    m_tabs[3]->move(left, top);
}

void Contents::chooseTab(int tab)
{
    if (tab <= 3 && !subjectUsable(tab))
        return;
    state().txtTabPos = QString::number(tab);
    state().txtToolBarPos = QStringLiteral("1");
    state().txtReportPos = QStringLiteral("1");
    // The chosen tab stands in front of the strip and 2 pixels higher.
    const int top = kTabStrip.top() - kTabSize.height();
    for (int k = 4; k >= 1; --k) {
        PictureButton *button = m_tabs[std::size_t(k - 1)];
        button->setPicture(m_pictures->get(k == tab ? QStringLiteral("tabs_front_off.bmp") : QStringLiteral("tabs_back_off.bmp")));
        button->move(button->x(), top + (k == tab ? 0 : 2));
        button->raise();
    }
    m_tabStrip->raise();
    m_tabs[std::size_t(tab - 1)]->raise();
    for (QWidget *w : m_toolBar)
        w->raise();
    for (QWidget *w : m_toolBarLabels)
        w->raise();
    if (tab <= 3)
        state().LChose = QString::number(tab);
    ToolBarAction();
    updateToolBar();
}

void Contents::ToolBarAction()
{
    const int tab = state().txtTabPos.toInt();
    const int slot = state().txtToolBarPos.toInt();
    if (tab >= 1 && tab <= 3) {
        if (slot == 1) {
            LoadSubject();
            showPage(m_home);
        } else if (slot == 4) {
            emit closeRequested();
            close();
        }
        return;
    }
    if (tab == 4 && slot == 1) {
        m_blank->setText(QStringLiteral("%1\n\nPractice papers for the last year of primary school.").arg(m_catalogue.title));
        showPage(m_blank);
    }
}

void Contents::showPage(QWidget *page)
{
    for (QWidget *other : {static_cast<QWidget *>(m_home), static_cast<QWidget *>(m_blank)})
        other->setVisible(other == page);
    page->raise();
}

void Contents::updateToolBar()
{
    const bool help = state().txtTabPos == QLatin1String("4");
    for (std::size_t k = 0; k < kSlots.size(); ++k) {
        const SlotText &text = kSlots[k];
        const QString caption = QLatin1String(help ? text.helpCaption : text.subjectCaption);
        const QString tip = QLatin1String(help ? text.helpTip : text.subjectTip);
        const QString picture = QLatin1String(help ? text.helpPicture : text.subjectPicture);
        if (m_toolBarLabels[k]->text() != caption) {
            m_toolBarLabels[k]->setText(caption);
            m_toolBarLabels[k]->setToolTip(tip);
            m_toolBar[k]->setToolTip(tip);
            m_toolBar[k]->setAccessibleName(caption.isEmpty() ? QString() : caption);
            m_toolBar[k]->setPicture(picture.isEmpty() ? QPixmap() : m_pictures->get(picture));
            m_toolBar[k]->setEnabled(!caption.isEmpty());
        }
    }
}

void Contents::LoadSubject()
{
    const int subject = state().LChose.toInt();
    if (!subjectUsable(subject))
        return;
    const CatalogueSubject &info = m_catalogue.subject(subject);
    state().TtPapersCon = QString::number(info.paperCount);
    try {
        m_progress = ReadSubjectProgress(m_setup.folder, subject, state().lblCOD, info.paperCount);
    } catch (const RuntimeError &error) {
        // Damaged since start-up: the subject stops being usable, nothing is rewritten.
        m_damaged.insert(subject, error.detail());
        m_tabs[std::size_t(subject - 1)]->setEnabled(false);
        m_setup.ask(QStringLiteral("Kestrelworks"),
                    QStringLiteral("The %1 results cannot be read (%2). The files have been left as they are.")
                        .arg(info.name, error.detail()),
                    {QStringLiteral("OK")});
        m_blank->setText(QStringLiteral("%1 cannot be used: its results files are damaged.").arg(info.name));
        showPage(m_blank);
        return;
    }
    for (int k = 1; k <= HomePage::kTopics; ++k) {
        m_home->topic(k)->setText(info.topicNames.value(k - 1));
        m_home->topic(k)->setAccessibleName(info.topicNames.value(k - 1));
        m_home->topic(k)->setVisible(k <= info.topicCount);
        m_home->bullet(k)->setVisible(k <= info.topicCount);
    }
    if (state().RefreshLog == QLatin1String("off"))
        chooseTopic(1);
}

void Contents::chooseTopic(int topic)
{
    state().TopicCount = QString::number(5 * topic - 4);
    TopicChoosing(state().TopicCount.toInt());
    m_home->Topicbuttoncolour(topic);
}

void Contents::TopicChoosing(int first)
{
    for (int j = 1; j <= HomePage::kPapersPerTopic; ++j) {
        m_home->firstScore(j)->setText(m_progress.firstScores().value(first + j - 2));
        m_home->secondScore(j)->setText(m_progress.secondScores().value(first + j - 2));
    }
    if ((first - 1) % 5 == 0) {
        const int topic = (first - 1) / 5 + 1;
        const int subject = state().LChose.toInt();
        if (m_catalogue.hasSubject(subject)) {
            m_home->heading()->setText(m_catalogue.subject(subject).topicNames.value(topic - 1));
            state().SubH1 = m_home->heading()->text();
        }
    }
    m_home->ArrangePaperScores();
}

void Contents::OpenPaper(int offset, int attempt)
{
    state().PaperNum = QString::number(state().TopicCount.toInt() + 100 + offset);
    state().TakeNum = QString::number(attempt);
    unloadPractice();
    emit paperOpened(state().LChose.toInt(), state().PaperNum.toInt(), attempt);
    if (attempt != 1) {
        m_setup.ask(QStringLiteral("Kestrelworks"), QStringLiteral("Trying a paper again is not ready yet in this version."),
                    {QStringLiteral("OK")});
        return;
    }
    PracticeSetup setup;
    setup.folder = m_setup.folder;
    setup.state = m_setup.state;
    setup.clock = m_setup.clock;
    setup.pictures = m_pictures;
    setup.attempt = Attempt::first();
    setup.refresh = [this]() { RefreshContents(); };
    auto *window = new PracticeWindow(setup);
    if (!window->Form_Load()) {
        delete window;
        return;
    }
    m_practice = window;
    window->show();
    window->activateWindow();
}

void Contents::unloadPractice()
{
    if (!m_practice)
        return;
    m_practice->Unload();
    delete m_practice;
}

void Contents::closeEvent(QCloseEvent *event)
{
    // An open paper is closed first, with its own question.
    if (m_practice) {
        m_practice->Close();
        if (m_practice && m_practice->isVisible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void Contents::RefreshContents()
{
    state().RefreshLog = QStringLiteral("on");
    LoadSubject();
    const int first = state().TopicCount.toInt();
    if ((first - 1) % 5 == 0 && first >= 1 && first <= 46)
        chooseTopic((first - 1) / 5 + 1);
    state().RefreshLog = QStringLiteral("off");
}

} // namespace kw
