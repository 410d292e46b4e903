#pragma once

#include "data/catalogue.h"
#include "data/progressfiles.h"
#include "mainwindow/selectionstate.h"

#include <QMap>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QTimer;

namespace kw {

class Clock;
class HomePage;
class Pictures;
class PictureButton;
class PracticeWindow;

// What the main window needs from its surroundings.
struct ContentsSetup {
    QString folder;           // where the program keeps Graphics and progress files
    SelectionState *state = nullptr;
    const Clock *clock = nullptr;
    // Asks the pupil; returns the index of the button chosen (0 is the first).
    std::function<int(const QString &title, const QString &text, const QStringList &buttons)> ask;
};

// The main window: subject tabs, tool bar and the pages below them.
class Contents : public QWidget {
    Q_OBJECT

public:
    explicit Contents(const ContentsSetup &setup, QWidget *parent = nullptr);
    ~Contents() override;

    const Catalogue &catalogue() const { return m_catalogue; }
    const SubjectProgress &progress() const { return m_progress; }
    HomePage *homePage() const { return m_home; }
    // The practice window open now, if any.
    PracticeWindow *practiceWindow() const;
    bool subjectUsable(int subject) const;

    // Re-reads the chosen subject and shows the same topic again.
    void RefreshContents();
    // Opens paper offset (0..4) of the chosen topic for attempt 1 or 2, in a
    // practice window of its own; any practice window open before is unloaded.
    void OpenPaper(int offset, int attempt);
    // Re-reads the chosen subject's summary and fills the topic list.
    void LoadSubject();
    void TopicChoosing(int first);
    void chooseTopic(int topic);
    void chooseTab(int tab);
    void ToolBarAction();

signals:
    void paperOpened(int subject, int paper, int attempt);
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void unloadPractice();
    void load(const ContentsSetup &setup);
    void buildTabStrip();
    void buildToolBar();
    void placeTabs();
    void showPage(QWidget *page);
    void updateToolBar();
    void handleDamagedSubject(int subject, const QString &problem);
    SelectionState &state() { return *m_setup.state; }

    ContentsSetup m_setup;
    Pictures *m_pictures = nullptr;
    Catalogue m_catalogue;
    SubjectProgress m_progress;
    QMap<int, QString> m_damaged; // subjects whose files cannot be used
    QWidget *m_tabStrip = nullptr;  // ScnTabBG
    std::array<PictureButton *, 4> m_tabs{};
    std::array<QLabel *, 4> m_tabLabels{};
    std::array<PictureButton *, 4> m_toolBar{};
    std::array<QLabel *, 4> m_toolBarLabels{};
    HomePage *m_home = nullptr;
    QLabel *m_blank = nullptr; // shown when no subject can be, and for the program pages still to come
    QTimer *m_timer = nullptr;  // Timer1
    QPointer<PracticeWindow> m_practice; // Test1
};

} // namespace kw
