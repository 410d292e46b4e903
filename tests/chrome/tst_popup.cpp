#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "startup/startup.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "testwidgets.h"

using namespace kw;
using kwtest::find;

class TestPopUp : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Pictures> m_pictures;


private slots:
    void initTestCase()
    {
        QVERIFY(ExtractGraphics(m_dir.path()).isEmpty());
        m_pictures = std::make_unique<Pictures>(m_dir.filePath(QStringLiteral("Graphics")));
    }

    void oneButtonIsCentredOk()
    {
        QString response = QStringLiteral("unchanged");
        PopUp dialog(*m_pictures, &response);
        dialog.CallPop(QStringLiteral("Kestrelworks"), QStringLiteral("Paper saved"), 1, nullptr);
        dialog.show();
        auto *ok = find<PictureButton>(&dialog, QStringLiteral("But1"));
        QVERIFY(ok->isVisible());
        QVERIFY(!find<PictureButton>(&dialog, QStringLiteral("But2"))->isVisible());
        QCOMPARE(find<QLabel>(&dialog, QStringLiteral("But1_lbl"))->text(), QStringLiteral("OK"));
        QCOMPARE(ok->x(), (dialog.width() - ok->width()) / 2);
        QCOMPARE(ok->size(), QSize(80, 25));
        QCOMPARE(find<QLabel>(&dialog, QStringLiteral("lblTitle"))->text(), QStringLiteral("Kestrelworks"));
    }

    void twoButtonsStandFromTheMessage()
    {
        QString response;
        PopUp dialog(*m_pictures, &response);
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        dialog.show();
        auto *yes = find<PictureButton>(&dialog, QStringLiteral("But1"));
        auto *no = find<PictureButton>(&dialog, QStringLiteral("But2"));
        QCOMPARE(yes->x(), find<QLabel>(&dialog, QStringLiteral("lblMessage"))->x());
        QCOMPARE(no->x(), yes->x() + yes->width() + 10);
        QCOMPARE(find<QLabel>(&dialog, QStringLiteral("But1_lbl"))->text(), QStringLiteral("Yes"));
        QCOMPARE(find<QLabel>(&dialog, QStringLiteral("But2_lbl"))->text(), QStringLiteral("No"));
    }

    void shortMessagesAreLowered_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("lowered");
        QTest::newRow("32 characters") << 32 << 7;
        QTest::newRow("33 characters") << 33 << 0;
    }
    void shortMessagesAreLowered()
    {
        QFETCH(int, length);
        QFETCH(int, lowered);
        QString response;
        PopUp dialog(*m_pictures, &response);
        dialog.CallPop(QStringLiteral("Marking"), QString(length, QLatin1Char('x')), 2, nullptr);
        QCOMPARE(find<QLabel>(&dialog, QStringLiteral("lblMessage"))->y(),
                 find<QLabel>(&dialog, QStringLiteral("ImgInfo"))->y() + lowered);
    }

    void answersAreWritten_data()
    {
        QTest::addColumn<QString>("press"); // the control clicked
        QTest::addColumn<QString>("response");
        QTest::newRow("Yes") << "But1" << "True";
        QTest::newRow("No") << "But2" << "False";
        QTest::newRow("caption of No") << "But2_lbl" << "False";
    }
    void answersAreWritten()
    {
        QFETCH(QString, press);
        QFETCH(QString, response);
        QString answer = QStringLiteral("unchanged");
        PopUp dialog(*m_pictures, &answer);
        dialog.CallPop(QStringLiteral("Marking"), QStringLiteral("Do you want to mark your practice now?"), 2, nullptr);
        QTimer::singleShot(0, &dialog, [&]() {
            QWidget *target = find<QWidget>(&dialog, press);
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(answer, response);
    }

    void escapeLeavesTheAnswerAlone()
    {
        QString answer = QStringLiteral("True");
        PopUp dialog(*m_pictures, &answer);
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        QTimer::singleShot(0, &dialog, [&]() { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(answer, QStringLiteral("True"));
    }

    void enterPressesTheFocusedButton()
    {
        QString answer;
        PopUp dialog(*m_pictures, &answer);
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        QTimer::singleShot(0, &dialog, [&]() {
            find<PictureButton>(&dialog, QStringLiteral("But2"))->setFocus();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        dialog.exec();
        QCOMPARE(answer, QStringLiteral("False"));
    }

    void centredOnItsOwner()
    {
        QWidget owner;
        owner.setGeometry(37, 81, 600, 400);
        owner.show();
        QString answer;
        PopUp dialog(*m_pictures, &answer);
        dialog.CallPop(QStringLiteral("Kestrelworks"), QStringLiteral("Paper saved"), 1, &owner);
        const QRect frame = owner.frameGeometry();
        QCOMPARE(dialog.pos(), QPoint(frame.x() + (frame.width() - dialog.width()) / 2,
                                      frame.y() + (frame.height() - dialog.height()) / 2));
    }

    void cornersAreCut()
    {
        QString answer;
        PopUp dialog(*m_pictures, &answer);
        const QRegion region = dialog.mask();
        QVERIFY(!region.contains(QPoint(0, 0)));
        QVERIFY(!region.contains(QPoint(dialog.width() - 1, dialog.height() - 1)));
        QVERIFY(region.contains(QPoint(dialog.width() / 2, dialog.height() / 2)));
    }
};

QTEST_MAIN(TestPopUp)
#include "tst_popup.moc"
