#pragma once

#include "practice/attempt.h"
#include "practice/questionprinting.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QTimer;

namespace kw {

class AnswerSheet;
class Clock;
class ClickLabel;
class MarkingProgress;
class PaperSession;
class Pictures;
class PictureButton;
class PopUp;
class QuestionViewer;
struct SelectionState;

// What a practice window needs from the main window.
struct PracticeSetup {
    QString folder;                   // the program's data folder
    SelectionState *state = nullptr;  // the pupil's selection, and the dialog's answer
    const Clock *clock = nullptr;
    const Pictures *pictures = nullptr;
    Attempt attempt = Attempt::first();
    std::function<void()> refresh;    // the main window's RefreshContents
    PrintHooks print;                 // left empty: file dialog and message dialog
};

// The window in which a paper is worked (Test1) and, later, tried again:
// the question page, the answer sheet beside it, the tool bar above and the
// clock, counters and remaining questions below.
class PracticeWindow : public QWidget {
    Q_OBJECT

public:
    explicit PracticeWindow(const PracticeSetup &setup, QWidget *parent = nullptr);
    ~PracticeWindow() override;

    // Reads the paper chosen in the selection and shows its first question.
    // When the paper cannot be read the pupil is told why and false returned.
    bool Form_Load();

    // Stores what is typed on the question on show (unless the paper is
    // marked), deletes the page file and refreshes the main window. Runs once.
    void Unload();

    int QSCount() const { return m_question; }
    // "1" once the attempt is marked, "0" before.
    QString Status() const;
    QString Scoring() const { return m_scoring; }
    const PaperSession *session() const { return m_session.get(); }
    QuestionViewer *viewer() const { return m_viewer; }
    AnswerSheet *sheet() const { return m_sheet; }

    // The tool bar's actions.
    void Save();
    void Mark();
    void Print();
    void Close();
    void NextQuestion();
    void PreviousQuestion();
    void JumpToQuestion(int question);
    void ToggleSheet();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildToolBar();
    void buildBottomBand();
    void layoutWindow();
    void showQuestion(int question);
    void removePageFile();
    void moveTo(int question, bool focusAnswer);
    bool saveAnswers();
    void fillRemaining();
    bool marked() const;
    void markedDisplay();
    void tick();
    bool ask(const QString &title, const QString &message);
    void tell(const QString &title, const QString &message);
    void setToolButton(int k, bool enabled);

    PracticeSetup m_setup;
    std::unique_ptr<PaperSession> m_session;
    int m_question = 1;                 // QSCount
    QString m_scoring;
    QString m_pageFile;                 // the page file now shown
    QDateTime m_clockStart;
    bool m_sheetShown = true;
    bool m_unloaded = false;
    bool m_closing = false;

    PopUp *m_popUp = nullptr;
    QWidget *m_toolBand = nullptr;      // ScnTabBG
    std::array<PictureButton *, 6> m_toolBar{};
    std::array<ClickLabel *, 6> m_toolBarLabels{};
    QWidget *m_paperSum = nullptr;
    QLabel *m_percent = nullptr;        // PScoring
    QuestionViewer *m_viewer = nullptr; // brwWebBrowser
    QWidget *m_handleStrip = nullptr;   // PicHideAns
    PictureButton *m_handle = nullptr;  // ImgHandle
    AnswerSheet *m_sheet = nullptr;     // AnsBox
    QWidget *m_bottomBand = nullptr;    // RemQnsBG
    QLabel *m_clockLabel = nullptr;     // lblClock
    QLabel *m_timeTaken = nullptr;      // LTime
    QLabel *m_dateLabel = nullptr;      // lblDate
    QLabel *m_completed = nullptr;      // ETime
    QLabel *m_answered = nullptr;       // lblAnsweredQ
    QLabel *m_total = nullptr;          // lblTotalQ
    QWidget *m_remainingBox = nullptr;  // TxtRem
    QComboBox *m_remaining = nullptr;   // RemQns
    MarkingProgress *m_progress = nullptr; // fmeMark
    QTimer *m_timer = nullptr;          // Timer1
};

} // namespace kw
