#include "chrome/messagedialog.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"

#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

#include "testskin.h"
#include "testwidgets.h"

using namespace kw;
using kwtest::find;

namespace {

// The dialog's skin pictures, each a plain colour at the size of the real one.
constexpr kwtest::SkinPicture kSkin[] = {
    {"border_top_left.bmp", {8, 26}, 0xff1f3f7f},   {"border_top_center.bmp", {8, 26}, 0xff20407f},
    {"border_top_right.bmp", {40, 26}, 0xff21417f}, {"border_left.bmp", {4, 8}, 0xff22427f},
    {"border_right.bmp", {4, 8}, 0xff23437f},       {"Border_bot_left.gif", {8, 6}, 0xff24447f},
    {"Border_bot_right.gif", {8, 6}, 0xff25457f},   {"border_bot.bmp", {8, 6}, 0xff26467f},
    {"info_mark.gif", {32, 27}, 0xff2080ff},        {"button_off.bmp", {80, 25}, 0xffc0c0c0},
    {"button_on.bmp", {80, 25}, 0xff80c080},        {"button_pressed.bmp", {80, 25}, 0xff408040},
};

// Opens the dialog with `show`, runs `whileOpen` once it is on screen, and
// closes it without an answer if `whileOpen` left it open.
template <typename Show>
auto openAnd(MessageDialog &dialog, const std::function<void()> &whileOpen, Show show)
{
    QTimer::singleShot(0, &dialog, [&dialog, whileOpen]() {
        if (QTest::qWaitForWindowExposed(&dialog))
            whileOpen();
        if (dialog.isVisible())
            dialog.reject();
    });
    return show();
}

const QString kLongSentences = QStringLiteral(
    "You have not answered all the questions.  Do you still want to mark your practice? Your answers are kept "
    "either way, and you can come back to this paper later to finish the questions you left out.");

} // namespace

class TestMessageDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Pictures> m_pictures;

    bool ask(MessageDialog &dialog, const QString &message, const std::function<void()> &whileOpen,
             const QString &title = QStringLiteral("Marking"))
    {
        return openAnd(dialog, whileOpen, [&]() { return dialog.ask(title, message); });
    }
    void tell(MessageDialog &dialog, const QString &message, const std::function<void()> &whileOpen)
    {
        openAnd(dialog, whileOpen, [&]() {
            dialog.tell(QStringLiteral("Kestrelworks"), message);
            return 0;
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString folder = m_dir.filePath(QStringLiteral("Graphics"));
        QVERIFY(kwtest::writeSkin(folder, kSkin));
        m_pictures = std::make_unique<Pictures>(folder);
        QVERIFY(!m_pictures->get(QStringLiteral("info_mark.gif")).isNull());
    }

    void oneButtonIsCentredOk()
    {
        MessageDialog dialog(*m_pictures);
        tell(dialog, QStringLiteral("Paper saved"), [&]() {
            auto *ok = find<PictureButton>(&dialog, QStringLiteral("But1"));
            QVERIFY(ok->isVisible());
            QVERIFY(!find<PictureButton>(&dialog, QStringLiteral("But2"))->isVisible());
            QCOMPARE(find<QLabel>(&dialog, QStringLiteral("But1_lbl"))->text(), QStringLiteral("OK"));
            QCOMPARE(ok->accessibleName(), QStringLiteral("OK"));
            QCOMPARE(ok->x(), (dialog.width() - ok->width()) / 2);
            QCOMPARE(ok->size(), QSize(80, 25));
            QCOMPARE(dialog.size(), QSize(265, 150));
            QCOMPARE(find<QLabel>(&dialog, QStringLiteral("lblTitle"))->text(), QStringLiteral("Kestrelworks"));
        });
    }

    void twoButtonsStandFromTheMessage()
    {
        MessageDialog dialog(*m_pictures);
        ask(dialog, QStringLiteral("Confirm?"), [&]() {
            auto *yes = find<PictureButton>(&dialog, QStringLiteral("But1"));
            auto *no = find<PictureButton>(&dialog, QStringLiteral("But2"));
            QVERIFY(no->isVisible());
            QCOMPARE(yes->x(), find<QLabel>(&dialog, QStringLiteral("lblMessage"))->x());
            QCOMPARE(no->x(), yes->x() + yes->width() + 10);
            QCOMPARE(find<QLabel>(&dialog, QStringLiteral("But1_lbl"))->text(), QStringLiteral("Yes"));
            QCOMPARE(find<QLabel>(&dialog, QStringLiteral("But2_lbl"))->text(), QStringLiteral("No"));
            QCOMPARE(yes->accessibleName(), QStringLiteral("Yes"));
            QCOMPARE(no->accessibleName(), QStringLiteral("No"));
        }, QStringLiteral("Close Practice"));
    }

    void dialogIsNamedByItsTitleAndMessage()
    {
        MessageDialog dialog(*m_pictures);
        ask(dialog, QStringLiteral("Do you want to mark your practice now?"), [&]() {
            QCOMPARE(dialog.accessibleName(), QStringLiteral("Marking"));
            QCOMPARE(dialog.accessibleDescription(), QStringLiteral("Do you want to mark your practice now?"));
        });
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
        MessageDialog dialog(*m_pictures);
        ask(dialog, QString(length, QLatin1Char('x')).replace(5, 1, QLatin1Char(' ')), [&]() {
            QCOMPARE(find<QLabel>(&dialog, QStringLiteral("lblMessage"))->y(),
                     find<QLabel>(&dialog, QStringLiteral("ImgInfo"))->y() + lowered);
        });
    }

    void answers_data()
    {
        QTest::addColumn<QString>("press"); // the control clicked, or the key pressed
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << "But1" << true;
        QTest::newRow("No") << "But2" << false;
        QTest::newRow("caption of Yes") << "But1_lbl" << true;
        QTest::newRow("caption of No") << "But2_lbl" << false;
        QTest::newRow("Escape") << "Escape" << false;
        QTest::newRow("Enter at the start") << "Enter" << true;
        QTest::newRow("Enter on No") << "Tab Enter" << false;
        QTest::newRow("closed") << "close" << false;
    }
    void answers()
    {
        QFETCH(QString, press);
        QFETCH(bool, yes);
        MessageDialog dialog(*m_pictures);
        // A Yes to an earlier question never answers a later one.
        ask(dialog, QStringLiteral("Confirm?"), [&]() { find<PictureButton>(&dialog, QStringLiteral("But1"))->click(); });
        const bool answer = ask(dialog, QStringLiteral("Do you want to mark your practice now?"), [&]() {
            if (press == QLatin1String("Escape")) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else if (press == QLatin1String("Enter")) {
                QTest::keyClick(&dialog, Qt::Key_Return);
            } else if (press == QLatin1String("Tab Enter")) {
                find<PictureButton>(&dialog, QStringLiteral("But2"))->setFocus();
                QTest::keyClick(&dialog, Qt::Key_Enter);
            } else if (press == QLatin1String("close")) {
                dialog.close();
            } else {
                QTest::mouseClick(find<QWidget>(&dialog, press), Qt::LeftButton, {}, QPoint(5, 5));
            }
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(answer, yes);
    }

    void okClosesTheDialog()
    {
        MessageDialog dialog(*m_pictures);
        bool closed = false;
        tell(dialog, QStringLiteral("Paper saved"), [&]() {
            QTest::keyClick(&dialog, Qt::Key_Return);
            closed = !dialog.isVisible();
        });
        QVERIFY(closed);
    }

    void centredOnItsOwner()
    {
        QWidget owner;
        owner.setGeometry(37, 81, 600, 400);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        auto *dialog = new MessageDialog(*m_pictures, &owner);
        tell(*dialog, QStringLiteral("Paper saved"), [&]() {
            const QRect frame = owner.frameGeometry();
            QCOMPARE(dialog->pos(), QPoint(frame.x() + (frame.width() - dialog->width()) / 2,
                                           frame.y() + (frame.height() - dialog->height()) / 2));
        });
    }

    void staysOnTheScreen_data()
    {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QString>("message");
        QTest::newRow("owner off the right edge") << QRect(600, 100, 500, 300) << QStringLiteral("Paper saved");
        QTest::newRow("owner off the bottom edge") << QRect(100, 500, 300, 400) << QStringLiteral("Paper saved");
        QTest::newRow("owner off the top left") << QRect(-400, -300, 500, 400) << kLongSentences;
    }
    void staysOnTheScreen()
    {
        QFETCH(QRect, owner);
        QFETCH(QString, message);
        QWidget window;
        window.setGeometry(owner);
        window.show();
        auto *dialog = new MessageDialog(*m_pictures, &window);
        tell(*dialog, message, [&]() {
            const QRect screen = dialog->screen()->availableGeometry();
            QVERIFY2(screen.contains(dialog->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                     .arg(dialog->x()).arg(dialog->y()).arg(dialog->width()).arg(dialog->height())));
        });
    }

    void longMessagesAreShownWhole_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("grows");
        QTest::newRow("two short lines") << QStringLiteral("Do you want to mark your practice now?") << false;
        QTest::newRow("several sentences") << kLongSentences << true;
        QTest::newRow("one long word")
            << QStringLiteral("Could not write C:/") + QString(150, QLatin1Char('w')) + QStringLiteral(".txt") << true;
        QTest::newRow("many lines") << QStringLiteral("Line\n").repeated(11) + QStringLiteral("Last line") << true;
    }
    void longMessagesAreShownWhole()
    {
        QFETCH(QString, message);
        QFETCH(bool, grows);
        MessageDialog dialog(*m_pictures);
        ask(dialog, message, [&]() {
            auto *label = find<QLabel>(&dialog, QStringLiteral("lblMessage"));
            QCOMPARE(label->text(), message);
            QCOMPARE(dialog.size() != QSize(265, 150), grows);
            QVERIFY(dialog.width() <= 480);
            // Every wrapped line fits the label, and the label fits the dialog above its buttons.
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(QStringLiteral("%1 needed, %2 given").arg(label->heightForWidth(label->width()))
                                .arg(label->height())));
            const QFontMetrics metrics(label->font());
            QVERIFY(metrics.boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, message).height()
                    <= label->height());
            QVERIFY(dialog.rect().contains(label->geometry()));
            QVERIFY(label->geometry().bottom() < find<QWidget>(&dialog, QStringLiteral("But1"))->y());
            QVERIFY(dialog.screen()->availableGeometry().contains(dialog.frameGeometry()));
        });
    }

    void longWordsWrapInsideTheWord()
    {
        MessageDialog dialog(*m_pictures);
        const QString word(150, QLatin1Char('w'));
        ask(dialog, word, [&]() {
            auto *label = find<QLabel>(&dialog, QStringLiteral("lblMessage"));
            const QFontMetrics metrics(label->font());
            QVERIFY(metrics.horizontalAdvance(word) > label->width());
            // The word is broken over lines, so the label is taller than one line.
            QVERIFY(label->heightForWidth(label->width()) >= 2 * metrics.height());
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        });
    }

    void frameFollowsTheSize_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("short") << QStringLiteral("Confirm?");
        QTest::newRow("long") << kLongSentences + kLongSentences;
    }
    void frameFollowsTheSize()
    {
        QFETCH(QString, message);
        MessageDialog dialog(*m_pictures);
        ask(dialog, message, [&]() {
            const int w = dialog.width();
            const int h = dialog.height();
            const auto piece = [&](const char *name) { return find<QWidget>(&dialog, QLatin1String(name))->geometry(); };
            QCOMPARE(piece("BTopRight").right() + 1, w);
            QCOMPARE(piece("BTopCentre").right() + 1, piece("BTopRight").left());
            QCOMPARE(piece("BBotRight").bottom() + 1, h);
            QCOMPARE(piece("BBotRight").right() + 1, w);
            QCOMPARE(piece("BBot").bottom() + 1, h);
            QCOMPARE(piece("BBot").right() + 1, piece("BBotRight").left());
            QCOMPARE(piece("BRight").right() + 1, w);
            QCOMPARE(piece("BRight").bottom() + 1, piece("BBotRight").top());
            QCOMPARE(piece("BLeft").bottom() + 1, piece("BBotLeft").top());
            QCOMPARE(find<QWidget>(&dialog, QStringLiteral("But1"))->geometry().bottom() + 1, h - 16);

            // Cut corners: 5 pixels at the top, 7 at the bottom.
            const QRegion region = dialog.mask();
            QCOMPARE(region.boundingRect(), QRect(0, 0, w, h));
            for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1),
                                        QPoint(1, 2), QPoint(w - 2, h - 2), QPoint(2, h - 2)})
                QVERIFY2(!region.contains(corner), qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
            for (const QPoint inside : {QPoint(w / 2, h / 2), QPoint(5, 5), QPoint(w - 6, h - 8), QPoint(w / 2, 1)})
                QVERIFY2(region.contains(inside), qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
        });
    }

    void aLongMessageThenAShortOneKeepsTheUsualSize()
    {
        MessageDialog dialog(*m_pictures);
        ask(dialog, kLongSentences + kLongSentences, [&]() { QVERIFY(dialog.height() > 150); });
        ask(dialog, QStringLiteral("Confirm?"), [&]() { QCOMPARE(dialog.size(), QSize(265, 150)); });
    }

    void hoverPicturesFollowTheMouse()
    {
        MessageDialog dialog(*m_pictures);
        ask(dialog, QStringLiteral("Confirm?"), [&]() {
            auto *yes = find<PictureButton>(&dialog, QStringLiteral("But1"));
            auto *no = find<PictureButton>(&dialog, QStringLiteral("But2"));
            const qint64 off = m_pictures->get(QStringLiteral("button_off.bmp")).cacheKey();
            const qint64 on = m_pictures->get(QStringLiteral("button_on.bmp")).cacheKey();
            const qint64 pressed = m_pictures->get(QStringLiteral("button_pressed.bmp")).cacheKey();

            QTest::mouseMove(no);
            QCOMPARE(no->picture().cacheKey(), on);
            QCOMPARE(yes->picture().cacheKey(), off);
            QTest::mouseMove(yes);
            QCOMPARE(no->picture().cacheKey(), off);
            QCOMPARE(yes->picture().cacheKey(), on);
            QTest::mousePress(yes, Qt::LeftButton);
            QCOMPARE(yes->picture().cacheKey(), pressed);
            QTest::mouseRelease(yes, Qt::LeftButton, {}, QPoint(-20, -20)); // let go off the button: no answer
            QVERIFY(dialog.isVisible());
            QTest::mouseMove(&dialog, QPoint(5, dialog.height() / 2));
            QCOMPARE(yes->picture().cacheKey(), off);
            QCOMPARE(no->picture().cacheKey(), off);

            // Nothing polls: no timer runs in the dialog.
            const QList<QTimer *> timers = dialog.findChildren<QTimer *>();
            QCOMPARE(std::count_if(timers.begin(), timers.end(), [](QTimer *timer) { return timer->isActive(); }), 0);
        });
    }

    void draggingTheTitleStripDoesNotAnswer_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::newRow("title") << "lblTitle";
        QTest::newRow("top left") << "BTopLeft";
        QTest::newRow("top centre") << "BTopCentre";
        QTest::newRow("top right") << "BTopRight";
    }
    void draggingTheTitleStripDoesNotAnswer()
    {
        QFETCH(QString, strip);
        MessageDialog dialog(*m_pictures);
        bool open = false;
        const bool answer = ask(dialog, QStringLiteral("Confirm?"), [&]() {
            QTest::mousePress(find<QWidget>(&dialog, strip), Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(find<QWidget>(&dialog, strip), Qt::LeftButton, {}, QPoint(2, 2));
            open = dialog.isVisible();
        });
        QVERIFY(open);
        QVERIFY(!answer);
    }
};

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
