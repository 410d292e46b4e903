#pragma once

// Answers the program's modal dialogs as a pupil would, in the order given,
// and keeps what each one said.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

namespace kwtest {

class DialogAnswerer : public QObject {
public:
    DialogAnswerer()
    {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, &DialogAnswerer::answerOpenDialog);
        m_poll.start();
    }

    // "Yes"/"OK" press the first button of the message dialog, "No" the
    // second; "Escape" closes it without an answer.
    void will(const QStringList &answers) { m_answers += answers; }
    // Every dialog seen so far, as "title|message".
    QStringList seen;
    int pending() const { return int(m_answers.size()); }

private:
    void answerOpenDialog()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (modal->objectName() == QLatin1String("frmPopUp")) {
            seen << modal->findChild<QLabel *>(QStringLiteral("lblTitle"))->text() + QLatin1Char('|')
                        + modal->findChild<QLabel *>(QStringLiteral("lblMessage"))->text();
            const QString answer = m_answers.isEmpty() ? QStringLiteral("OK") : m_answers.takeFirst();
            if (answer == QLatin1String("Escape")) {
                QTest::keyClick(modal, Qt::Key_Escape);
                return;
            }
            const QString button = answer == QLatin1String("No") ? QStringLiteral("But2") : QStringLiteral("But1");
            modal->findChild<QAbstractButton *>(button)->click();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen << box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    }

    QTimer m_poll;
    QStringList m_answers;
};

} // namespace kwtest
