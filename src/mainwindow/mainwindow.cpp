#include "mainwindow/mainwindow.h"

#include "chrome/background.h"
#include "chrome/clicklabel.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "chrome/windowframe.h"
#include "data/runtimeerror.h"
#include "data/recordfile.h"
#include "mainwindow/aboutpage.h"
#include "mainwindow/erasepage.h"
#include "mainwindow/homepage.h"
#include "mainwindow/reportfigures.h"
#include "mainwindow/reportpage.h"
#include "mainwindow/resultsprinting.h"
#include "mainwindow/resultssheet.h"
#include "practice/practicewindow.h"
#include "startup/startup.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QUrl>

namespace kw {

namespace {

// The window keeps one size; its tabs overlap and the chosen one stands
// higher, so they are placed by hand. Everything else is laid out.
constexpr QSize kWindowSize(760, 560);
constexpr int kMargin = 6;
constexpr int kTabStripTop = 34;
constexpr int kTabStripHeight = 78;
constexpr QSize kTabSize(150, 28);
constexpr int kTabOverlap = 4;
constexpr int kToolLeft = 14;
constexpr int kToolPitch = 84;
constexpr QSize kToolButton(48, 48);
constexpr int kToolCaptionWidth = 76;

struct ToolText {
    const char *caption;
    const char *tip;
    const char *picture; // stem of stem_off.bmp, stem_on.bmp, stem_pressed.bmp
};

constexpr std::array<ToolText, 4> kSubjectTools{{
    {"Home", "Load Home page", "home"},
    {"Report", "Load Report card", "report"},
    {"Print", "Print results", "print"},
    {"Close", "Close program", "close"},
}};

constexpr std::array<ToolText, 4> kHelpTools{{
    {"About", "About Kestrelworks", "about"},
    {"Trash", "Trash past results", "trash"},
    {"", "", ""},
    {"Setup", "Printer Setup", "setup"},
}};

const QString kTitle = QStringLiteral("Kestrelworks");

} // namespace

MainWindow::MainWindow(const MainWindowContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Contents"));
    prepare();
}

MainWindow::~MainWindow()
{
    delete m_practice;
    delete m_pictures;
}

PracticeWindow *MainWindow::practiceWindow() const
{
    return m_practice.data();
}

bool MainWindow::subjectUsable(int subject) const
{
    return m_catalogue.hasSubject(subject) && !m_damaged.contains(subject);
}

void MainWindow::prepare()
{
    removeLeftovers(m_context.folder);
    extractGraphics(m_context.folder);
    m_pictures = new Pictures(m_context.folder + QStringLiteral("/Graphics"));
    setWindowIcon(QIcon(m_pictures->get(QStringLiteral("KWicon.ico"))));

    fillBackground(this, kPanelColour);
    createTools();

    m_home = new HomePage(*m_pictures);
    connect(m_home, &HomePage::topicClicked, this, &MainWindow::chooseTopic);
    connect(m_home, &HomePage::paperClicked, this, &MainWindow::openPaper);
    m_report = new ReportPage(*m_pictures);
    m_trash = new ErasePage(*m_pictures);
    connect(m_trash, &ErasePage::eraseConfirmed, this, &MainWindow::eraseResults);
    m_about = new AboutPage(*m_pictures);
    connect(m_about, &AboutPage::linkClicked, this, &MainWindow::openProductWebPage);
    m_blank = new QLabel;
    m_blank->setObjectName(QStringLiteral("Body_Blank"));
    m_blank->setAlignment(Qt::AlignCenter);
    m_blank->setWordWrap(true);
    m_pages = new QStackedWidget;
    for (QWidget *page : std::initializer_list<QWidget *>{m_home, m_report, m_trash, m_about, m_blank})
        m_pages->addWidget(page);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kTabStripTop, kMargin, kMargin);
    layout->setSpacing(0);
    layout->addWidget(buildToolBand());
    layout->addWidget(m_pages, 1);
    const auto *frame = new WindowFrame(this, *m_pictures);
    // The design size is what lies inside the frame.
    setFixedSize(kWindowSize.grownBy(frame->margins()));
    layout->activate(); // the tabs are placed against the strip's geometry
    buildTabs();

    QString catalogueProblem;
    const CourseStart start = prepareCourse(m_context.folder, &catalogueProblem, *m_context.writer);
    m_catalogue = start.catalogue;
    if (!catalogueProblem.isEmpty())
        m_context.ask(kTitle,
                      QStringLiteral("The list of subjects in this program cannot be read (%1).").arg(catalogueProblem),
                      {QStringLiteral("OK")});
    if (!start.unwritable.isEmpty()) {
        QStringList names;
        for (const QString &path : start.unwritable)
            names << QFileInfo(path).fileName();
        m_context.ask(kTitle,
                      QStringLiteral("Your results cannot be saved: the program could not create these files in "
                                     "its folder:\n%1")
                          .arg(names.join(QLatin1Char('\n'))),
                      {QStringLiteral("OK")});
    }
    for (auto it = start.damagedSubjects.cbegin(); it != start.damagedSubjects.cend(); ++it)
        handleDamagedSubject(it.key(), it.value());

    setWindowTitle(m_catalogue.title);
    m_about->setProductTitle(m_catalogue.title);
    for (int k = 1; k <= 3; ++k) {
        const QString name = m_catalogue.subjects[std::size_t(k - 1)].name;
        const QString tip = m_damaged.contains(k)
                                ? QStringLiteral("%1 cannot be used: its results files are damaged").arg(name)
                                : QStringLiteral("Load %1 Module").arg(name);
        m_tabLabels[std::size_t(k - 1)]->setText(name);
        m_tabLabels[std::size_t(k - 1)]->setToolTip(tip);
        m_tabs[std::size_t(k - 1)]->setToolTip(tip);
        m_tabs[std::size_t(k - 1)]->setAccessibleName(name);
        m_tabs[std::size_t(k - 1)]->setEnabled(subjectUsable(k));
    }
    m_tabLabels[3]->setText(QStringLiteral("Help"));
    m_tabLabels[3]->setToolTip(QStringLiteral("Help"));
    m_tabs[3]->setToolTip(QStringLiteral("Help"));
    m_tabs[3]->setAccessibleName(QStringLiteral("Help"));
    placeTabs();

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
        showTools();
        return;
    }
    chooseTab(first);
}

void MainWindow::handleDamagedSubject(int subject, const QString &problem)
{
    const QString name = m_catalogue.subject(subject).name;
    const int choice = m_context.ask(
        kTitle,
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
    const int sure = m_context.ask(kTitle, QStringLiteral("Are you sure? All %1 results will be erased.").arg(name),
                                   {QStringLiteral("No"), QStringLiteral("Yes")});
    if (sure != 1) {
        m_damaged.insert(subject, problem);
        return;
    }
    const QString refused = startSubjectAfresh(m_context.folder, subject, m_catalogue.code,
                                               m_catalogue.subject(subject).paperCount, *m_context.writer);
    if (!refused.isEmpty()) {
        m_context.ask(kTitle, QStringLiteral("%1 could not be started afresh: %2").arg(name, refused),
                      {QStringLiteral("OK")});
        m_damaged.insert(subject, refused);
    }
}

void MainWindow::createTools()
{
    auto create = [this](const ToolText &text) {
        auto *action = new QAction(QLatin1String(text.caption), this);
        action->setToolTip(QLatin1String(text.tip));
        action->setEnabled(text.caption[0] != '\0');
        return action;
    };
    for (std::size_t k = 0; k < 4; ++k) {
        m_subjectTools[k] = create(kSubjectTools[k]);
        m_helpTools[k] = create(kHelpTools[k]);
    }
    connect(m_subjectTools[0], &QAction::triggered, this, &MainWindow::showHome);
    connect(m_subjectTools[1], &QAction::triggered, this, &MainWindow::showReport);
    connect(m_subjectTools[2], &QAction::triggered, this, &MainWindow::printResults);
    connect(m_subjectTools[3], &QAction::triggered, this, [this]() {
        emit closeRequested();
        close();
    });
    connect(m_helpTools[0], &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_helpTools[1], &QAction::triggered, this, &MainWindow::showTrash);
    connect(m_helpTools[3], &QAction::triggered, this, &MainWindow::setUpPrinting);
}

QWidget *MainWindow::buildToolBand()
{
    m_tabStrip = new QWidget;
    m_tabStrip->setObjectName(QStringLiteral("ScnTabBG"));
    m_tabStrip->setFixedHeight(kTabStripHeight);
    fillBackground(m_tabStrip, kPanelColour);
    auto *row = new QHBoxLayout(m_tabStrip);
    row->setContentsMargins(kToolLeft, 6, 0, 0);
    row->setSpacing(kToolPitch - kToolCaptionWidth);
    for (int k = 1; k <= 4; ++k) {
        auto *button = new PictureButton(QStringLiteral("ToolBar0%1").arg(k));
        button->setFixedSize(kToolButton);
        auto *caption = new ClickLabel;
        caption->setObjectName(QStringLiteral("lblTB0%1").arg(k));
        caption->setFixedSize(kToolCaptionWidth, 18);
        caption->setAlignment(Qt::AlignCenter);
        auto *column = new QVBoxLayout;
        column->setSpacing(0);
        column->addWidget(button, 0, Qt::AlignHCenter);
        column->addWidget(caption);
        column->addStretch();
        row->addLayout(column);
        m_toolButtons[std::size_t(k - 1)] = button;
        m_toolCaptions[std::size_t(k - 1)] = caption;
    }
    row->addStretch(1);
    return m_tabStrip;
}

void MainWindow::buildTabs()
{
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

void MainWindow::placeTabs()
{
    // A subject without a name has its tab out of sight.
    const QRect strip = m_tabStrip->geometry();
    int left = strip.left() + 2;
    const int top = strip.top() - kTabSize.height();
    for (int k = 1; k <= 3; ++k) {
        QWidget *tab = m_tabs[std::size_t(k - 1)];
        if (m_catalogue.hasSubject(k)) {
            tab->move(left, top);
            tab->show();
            left += kTabSize.width() - kTabOverlap;
        } else {
            tab->move(strip.left() - kTabSize.width(), top);
            tab->hide();
        }
    }
    m_tabs[3]->move(left, top);
}

void MainWindow::chooseTab(int tab)
{
    if (tab < 1 || tab > kHelpTab || (tab != kHelpTab && !subjectUsable(tab)))
        return;
    m_tab = tab;
    // The chosen tab stands in front of the strip and 2 pixels higher.
    const int top = m_tabStrip->y() - kTabSize.height();
    const ButtonPictures front{m_pictures->get(QStringLiteral("tabs_front_off.bmp")),
                               m_pictures->get(QStringLiteral("tabs_front_on.bmp"))};
    const ButtonPictures back{m_pictures->get(QStringLiteral("tabs_back_off.bmp")),
                              m_pictures->get(QStringLiteral("tabs_back_on.bmp"))};
    for (int k = kHelpTab; k >= 1; --k) {
        PictureButton *button = m_tabs[std::size_t(k - 1)];
        button->setPictures(k == tab ? front : back);
        button->move(button->x(), top + (k == tab ? 0 : 2));
        button->raise();
    }
    m_tabStrip->raise();
    m_tabs[std::size_t(tab - 1)]->raise();
    if (tab != kHelpTab)
        m_subject = tab;
    m_report->openSection(ReportPage::Overall);
    showTools();
    // A tab opens on its first tool's page.
    if (tab == kHelpTab)
        showAbout();
    else
        showHome();
}

void MainWindow::showTools()
{
    const bool help = m_tab == kHelpTab;
    for (std::size_t k = 0; k < 4; ++k) {
        const ToolText &text = help ? kHelpTools[k] : kSubjectTools[k];
        QAction *action = help ? m_helpTools[k] : m_subjectTools[k];
        const QString stem = QLatin1String(text.picture);
        if (stem.isEmpty())
            m_toolButtons[k]->setPicture(QPixmap());
        else
            m_toolButtons[k]->setPictures({m_pictures->get(stem + QStringLiteral("_off.bmp")),
                                           m_pictures->get(stem + QStringLiteral("_on.bmp")),
                                           m_pictures->get(stem + QStringLiteral("_pressed.bmp"))});
        m_toolButtons[k]->setAction(action);
        m_toolCaptions[k]->setAction(action);
    }
}

void MainWindow::showHome()
{
    if (loadSubject()) {
        chooseTopic(1);
        showPage(m_home);
    }
}

void MainWindow::showAbout()
{
    showPage(m_about);
}

void MainWindow::showReport()
{
    if (!subjectUsable(m_subject))
        return;
    buildReports();
    showPage(m_report);
}

void MainWindow::buildReports()
{
    if (!subjectUsable(m_subject))
        return;
    const CatalogueSubject &info = m_catalogue.subject(m_subject);
    const QChar point = locale().decimalPoint().at(0);
    const ReportFigures figures = reportFigures(info, m_progress.firstScores(), m_progress.secondScores(), point);
    // The chart reads the trend as stored now; a file that cannot be read
    // shows no points.
    QList<double> trend;
    try {
        const QString path = progressFilePath(m_context.folder, ProgressFile::Trend, m_subject, m_catalogue.code);
        for (qint64 tenths : trendValues(RecordFile::fromFile(path).line(QStringLiteral("TRD"))))
            trend.append(double(tenths) / 10.0);
    } catch (const RuntimeError &) {
    }
    m_report->setFigures(figures, trend);
}

void MainWindow::printResults()
{
    if (!subjectUsable(m_subject))
        return;
    const CatalogueSubject &info = m_catalogue.subject(m_subject);
    printResultsSheet(resultsSheetLines(m_catalogue.title, info, m_progress),
                      QStringLiteral("%1 results").arg(info.name), m_printer.get(), printHooks());
}

void MainWindow::setUpPrinting()
{
    // Cancelling keeps the printer chosen before, or none.
    if (m_printer) {
        setUpPrinter(m_printer.get(), this, printHooks());
        return;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (setUpPrinter(printer.get(), this, printHooks()))
        m_printer = std::move(printer);
}

PrintHooks MainWindow::printHooks()
{
    PrintHooks hooks = m_context.print;
    if (!hooks.choosePdfFile)
        hooks.choosePdfFile = [this](const QString &suggested) {
            return QFileDialog::getSaveFileName(this, QStringLiteral("Save your results as a PDF file"), suggested,
                                                QStringLiteral("PDF files (*.pdf)"));
        };
    if (!hooks.tell)
        hooks.tell = [this](const QString &message) { m_context.ask(kTitle, message, {QStringLiteral("OK")}); };
    return hooks;
}

void MainWindow::showTrash()
{
    m_trash->showOffer();
    showPage(m_trash);
}

void MainWindow::eraseResults()
{
    // An open paper would write its answers back over the erased files.
    if (!unloadPractice())
        return;
    QStringList unwritten;
    for (const QString &path : createProgressFiles(m_context.folder, m_catalogue, *m_context.writer))
        unwritten << QFileInfo(path).fileName();
    // Erasing rewrites damaged subjects too: those now sound can be used again.
    for (auto it = m_damaged.begin(); it != m_damaged.end();) {
        const int subject = it.key();
        if (progressFilesProblem(m_context.folder, subject, m_catalogue.code, m_catalogue.subject(subject).paperCount)
                .isEmpty()) {
            m_tabs[std::size_t(subject - 1)]->setEnabled(true);
            it = m_damaged.erase(it);
        } else {
            ++it;
        }
    }
    if (loadSubject()) {
        chooseTopic(m_topic);
        buildReports();
    }
    m_trash->showErased(unwritten);
    showPage(m_trash);
}

void MainWindow::openProductWebPage(const QUrl &url)
{
    const bool found = m_context.browserFound ? m_context.browserFound()
                                              : !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
    if (!found) {
        m_context.ask(QStringLiteral("Browser Not Found"), QStringLiteral("Could not find associated Browser"),
                      {QStringLiteral("OK")});
        return;
    }
    const bool opened = m_context.openUrl ? m_context.openUrl(url) : QDesktopServices::openUrl(url);
    if (!opened)
        m_context.ask(QStringLiteral("URL Failed"), QStringLiteral("Web Page not Opened"), {QStringLiteral("OK")});
}

void MainWindow::showPage(QWidget *page)
{
    m_pages->setCurrentWidget(page);
}

bool MainWindow::loadSubject()
{
    if (!subjectUsable(m_subject))
        return false;
    const CatalogueSubject &info = m_catalogue.subject(m_subject);
    try {
        m_progress = readSubjectProgress(m_context.folder, m_subject, m_catalogue.code, info.paperCount);
    } catch (const RuntimeError &error) {
        // Damaged since start-up: the subject stops being usable, nothing is rewritten.
        m_damaged.insert(m_subject, error.detail());
        m_tabs[std::size_t(m_subject - 1)]->setEnabled(false);
        m_context.ask(kTitle,
                      QStringLiteral("The %1 results cannot be read (%2). The files have been left as they are.")
                          .arg(info.name, error.detail()),
                      {QStringLiteral("OK")});
        m_blank->setText(QStringLiteral("%1 cannot be used: its results files are damaged.").arg(info.name));
        showPage(m_blank);
        return false;
    }
    m_home->setTopics(info.topicNames.mid(0, info.topicCount));
    return true;
}

void MainWindow::chooseTopic(int topic)
{
    m_topic = topic;
    for (int j = 1; j <= kPapersPerTopic; ++j) {
        m_home->firstScore(j)->setText(m_progress.firstScores().value(paperPosition(topic, j)));
        m_home->secondScore(j)->setText(m_progress.secondScores().value(paperPosition(topic, j)));
    }
    if (m_catalogue.hasSubject(m_subject))
        m_home->setHeading(m_catalogue.subject(m_subject).topicNames.value(topic - 1));
    m_home->arrangePaperScores();
    m_home->highlightTopic(topic);
}

void MainWindow::openPaper(int offset, int attempt)
{
    const CatalogueSubject &subject = m_catalogue.subject(m_subject);
    PaperChoice choice;
    choice.subject = m_subject;
    choice.paperNumber = paperNumber(m_topic, offset + 1);
    choice.topicName = subject.topicNames.value(m_topic - 1);
    choice.paperCount = subject.paperCount;
    choice.productCode = m_catalogue.code;
    choice.attempt = attempt == 1 ? Attempt::first() : Attempt::second();
    if (!unloadPractice())
        return;
    emit paperOpened(choice.subject, choice.paperNumber, attempt);
    PracticeContext context;
    context.folder = m_context.folder;
    context.clock = m_context.clock;
    context.pictures = m_pictures;
    context.writer = m_context.writer;
    context.print = m_context.print;
    auto *window = new PracticeWindow(context, choice);
    connect(window, &PracticeWindow::unloaded, this, &MainWindow::refresh);
    if (!window->openPaper()) {
        delete window;
        return;
    }
    m_practice = window;
    window->show();
    window->activateWindow();
}

bool MainWindow::unloadPractice()
{
    if (!m_practice)
        return true;
    if (!m_practice->unload())
        return false;
    delete m_practice;
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // An open paper is closed first, with its own question.
    if (m_practice) {
        m_practice->requestClose();
        if (m_practice && m_practice->isVisible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void MainWindow::refresh()
{
    if (loadSubject())
        chooseTopic(m_topic);
}

} // namespace kw
