#pragma once

#include "practice/paperchoice.h"
#include "practice/questionprinting.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTimer;

namespace kw {

class AnswerSheet;
class Clock;
class FileWriter;
class MarkingProgress;
class MessageDialog;
class PaperSession;
class Pictures;
class QuestionViewer;

// What every practice window shares with the main window that opens it.
struct PracticeContext {
    QString folder;                   // the program's data folder
    const Clock *clock = nullptr;
    const Pictures *pictures = nullptr;
    const FileWriter *writer = nullptr;
    PrintHooks print;                 // left empty: file dialog and message dialog
};

// The window in which a paper is worked: the question page, the answer sheet
// beside it, the tool bar above and the clock, counters and remaining
// questions below. The same window serves both attempts at a paper; what
// differs (files, summary fields, clock, carried-over answers) comes from the
// choice's Attempt.
class PracticeWindow : public QWidget {
    Q_OBJECT

public:
    enum class Tool { Save, Mark, Print, Close, Back, Next };
    static constexpr int kToolCount = 6;

    PracticeWindow(const PracticeContext &context, const PaperChoice &choice, QWidget *parent = nullptr);
    ~PracticeWindow() override;

    // Reads the chosen paper and shows its first question. When the paper
    // cannot be read the pupil is told why and false is returned.
    bool openPaper();

    // Stores what is typed (unless the paper is marked), deletes the page
    // file and emits unloaded(). When the answers cannot be stored the pupil
    // chooses between losing them and staying: false means the window stays
    // as it was. Once unloaded, it does nothing more and returns true.
    bool unload();

    int currentQuestion() const { return m_question; }
    bool isMarked() const;
    // Marks scored by the marking done in this window; 0 before.
    int score() const { return m_score; }
    const PaperChoice &choice() const { return m_choice; }
    const PaperSession *session() const { return m_session.get(); }
    QuestionViewer *viewer() const { return m_viewer; }
    AnswerSheet *sheet() const { return m_sheet; }
    QAction *action(Tool tool) const { return m_actions[std::size_t(tool)]; }

    void save();
    void mark();
    void print();
    // Asks the pupil to confirm, then closes the window.
    void requestClose();
    void nextQuestion();
    void previousQuestion();
    void jumpToQuestion(int question);
    void toggleSheet();

signals:
    // The window has stored its answers and let go of its page file.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildToolBand();
    QWidget *buildBottomBand();
    QWidget *buildHandleStrip();
    void showQuestion(int question);
    void removePageFile();
    void moveTo(int question, bool focusAnswer);
    // Collects and stores the answers; tells the pupil why when they cannot be.
    bool saveAnswers();
    // After a failed save: asks whether to go on all the same.
    bool goOnWithoutSaving(const QString &question);
    void collectAnswers();
    void fillRemaining();
    void showMarked();
    void updateActions();
    void updateClock();
    bool ask(const QString &title, const QString &message);
    void tell(const QString &title, const QString &message);
    QString withoutFolder(QString text) const;

    PracticeContext m_context;
    PaperChoice m_choice;
    std::unique_ptr<PaperSession> m_session;
    int m_question = 1;
    int m_score = 0;
    QString m_pageFile;                 // the page file now shown
    QDateTime m_clockStart;
    bool m_unloaded = false;
    bool m_closing = false;

    MessageDialog *m_dialog = nullptr;
    std::array<QAction *, kToolCount> m_actions{};
    QWidget *m_paperSum = nullptr;
    QLabel *m_percent = nullptr;
    QStackedWidget *m_pageArea = nullptr;
    QuestionViewer *m_viewer = nullptr;
    QLabel *m_pageProblem = nullptr;
    QWidget *m_handle = nullptr;
    AnswerSheet *m_sheet = nullptr;
    QLabel *m_clockLabel = nullptr;
    QLabel *m_timeTaken = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_completed = nullptr;
    QLabel *m_answered = nullptr;
    QLabel *m_total = nullptr;
    QWidget *m_remainingBox = nullptr;
    QComboBox *m_remaining = nullptr;
    MarkingProgress *m_progress = nullptr;
    QTimer *m_clockTimer = nullptr;
};

} // namespace kw
