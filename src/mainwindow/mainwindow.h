#pragma once

#include "data/catalogue.h"
#include "data/progressfiles.h"
#include "practice/paperchoice.h"
#include "practice/questionprinting.h"

#include <QMap>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QStackedWidget;
class QUrl;

namespace kw {

class AboutPage;
class Clock;
class FileWriter;
class ClickLabel;
class ErasePage;
class HomePage;
class Pictures;
class PictureButton;
class PracticeWindow;
class ReportPage;

// What the main window needs from its surroundings.
struct MainWindowContext {
    QString folder;           // where the program keeps Graphics and progress files
    const Clock *clock = nullptr;
    const FileWriter *writer = nullptr; // every rewrite of a progress file goes through it
    // Asks the pupil; returns the index of the button chosen (0 is the first).
    std::function<int(const QString &title, const QString &text, const QStringList &buttons)> ask;
    // Printing results and question pages; left empty: a file dialog chooses
    // the PDF file and ask() tells the pupil.
    PrintHooks print;
    // Whether a browser can be found, and opening a web page in it; left
    // empty: the desktop's own.
    std::function<bool()> browserFound;
    std::function<bool(const QUrl &url)> openUrl;
};

// The main window: subject tabs, tool bar and the pages below them.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHelpTab = 4;

    explicit MainWindow(const MainWindowContext &context, QWidget *parent = nullptr);
    ~MainWindow() override;

    const Catalogue &catalogue() const { return m_catalogue; }
    const SubjectProgress &progress() const { return m_progress; }
    HomePage *homePage() const { return m_home; }
    ReportPage *reportPage() const { return m_report; }
    ErasePage *erasePage() const { return m_trash; }
    AboutPage *aboutPage() const { return m_about; }
    // The practice window open now, if any.
    PracticeWindow *practiceWindow() const;
    bool subjectUsable(int subject) const;
    int chosenSubject() const { return m_subject; }
    int chosenTopic() const { return m_topic; }
    int chosenTab() const { return m_tab; }

    // Re-reads the chosen subject and shows the same topic again.
    void refresh();
    // Opens paper offset (0..4) of the chosen topic for attempt 1 or 2, in a
    // practice window of its own; any practice window open before is unloaded.
    void openPaper(int offset, int attempt);
    void chooseTopic(int topic);
    void chooseTab(int tab);

signals:
    void paperOpened(int subject, int paperNumber, int attempt);
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void prepare();
    void buildTabs();
    QWidget *buildToolBand();
    void createTools();
    void placeTabs();
    void showPage(QWidget *page);
    void showTools();
    void showHome();
    void showAbout();
    // Works out every figure of the report from the subject as loaded and
    // the trend file as stored now, then shows the report.
    void showReport();
    void buildReports();
    void printResults();
    void showTrash();
    // Rewrites every progress file from its template and reloads the subject,
    // so no page can show an erased score.
    void eraseResults();
    void setUpPrinting();
    void openProductWebPage(const QUrl &url);
    PrintHooks printHooks();
    // Reads the chosen subject's summary and fills the topic list; false when
    // the subject can no longer be read.
    bool loadSubject();
    // Closes any open practice window; false when the pupil chose to keep it
    // open because its answers could not be saved.
    bool unloadPractice();
    void handleDamagedSubject(int subject, const QString &problem);

    MainWindowContext m_context;
    Pictures *m_pictures = nullptr;
    Catalogue m_catalogue;
    SubjectProgress m_progress;
    QMap<int, QString> m_damaged; // subjects whose files cannot be used
    int m_subject = 1;            // the subject shown on the home page
    int m_topic = 1;
    int m_tab = 1;                // 1..3 a subject, kHelpTab the help tab

    QWidget *m_tabStrip = nullptr;
    std::array<PictureButton *, 4> m_tabs{};
    std::array<QLabel *, 4> m_tabLabels{};
    std::array<PictureButton *, 4> m_toolButtons{};
    std::array<ClickLabel *, 4> m_toolCaptions{};
    std::array<QAction *, 4> m_subjectTools{}; // Home, Report, Print, Close
    std::array<QAction *, 4> m_helpTools{};    // About, Trash, (none), Setup
    QStackedWidget *m_pages = nullptr;
    HomePage *m_home = nullptr;
    ReportPage *m_report = nullptr;
    ErasePage *m_trash = nullptr;
    AboutPage *m_about = nullptr;
    QLabel *m_blank = nullptr; // shown when no subject can be
    std::unique_ptr<QPrinter> m_printer; // chosen with Setup; none: the default printer
    QPointer<PracticeWindow> m_practice;
};

} // namespace kw
