#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <algorithm>

// The skin pictures embedded by kwskindata: resource id N is ":/Custom/N".
class TestSkin : public QObject {
    Q_OBJECT

    struct Picture {
        int id;
        const char *name;
        QSize size;
    };

    static const QList<Picture> &pictures()
    {
        static const QSize tool(64, 56), tab(120, 28), windowButton(20, 18);
        static const QList<Picture> list = {
            {1, "about_off.bmp", tool}, {2, "about_on.bmp", tool}, {3, "about_pressed.bmp", tool},
            {4, "back_disabled.bmp", tool}, {5, "back_off.bmp", tool}, {6, "back_on.bmp", tool},
            {7, "back_pressed.bmp", tool}, {8, "close_off.bmp", tool}, {9, "close_on.bmp", tool},
            {10, "close_pressed.bmp", tool}, {11, "forward_disabled.bmp", tool},
            {12, "forward_off.bmp", tool}, {13, "forward_on.bmp", tool}, {14, "forward_pressed.bmp", tool},
            {15, "home_off.bmp", tool}, {16, "home_on.bmp", tool}, {17, "home_pressed.bmp", tool},
            {18, "mark_disabled.bmp", tool}, {19, "mark_off.bmp", tool}, {20, "mark_on.bmp", tool},
            {21, "mark_pressed.bmp", tool}, {22, "print_off.bmp", tool}, {23, "print_on.bmp", tool},
            {24, "print_pressed.bmp", tool}, {25, "report_off.bmp", tool}, {26, "report_on.bmp", tool},
            {27, "report_pressed.bmp", tool}, {28, "save_disabled.bmp", tool}, {29, "save_off.bmp", tool},
            {30, "save_on.bmp", tool}, {31, "save_pressed.bmp", tool}, {32, "setup_off.bmp", tool},
            {33, "setup_on.bmp", tool}, {34, "setup_pressed.bmp", tool}, {35, "trash_off.bmp", tool},
            {36, "trash_on.bmp", tool}, {37, "trash_pressed.bmp", tool},
            {41, "tabs_back_off.bmp", tab}, {42, "tabs_back_on.bmp", tab},
            {43, "tabs_front_off.bmp", tab}, {44, "tabs_front_on.bmp", tab},
            {45, "border_bot.bmp", {8, 5}}, {46, "border_left.bmp", {5, 8}},
            {47, "border_left_corners.bmp", {8, 8}}, {48, "border_right.bmp", {5, 8}},
            {49, "border_right_corners.bmp", {8, 8}}, {50, "border_top_center.bmp", {8, 24}},
            {51, "border_top_left.bmp", {40, 24}}, {52, "border_top_right.bmp", {80, 24}},
            {53, "border_white_top_center.bmp", {8, 24}}, {54, "border_white_top_left.bmp", {40, 24}},
            {55, "border_white_top_right.bmp", {80, 24}},
            {56, "prog_blue_close.bmp", windowButton}, {57, "prog_blue_max.bmp", windowButton},
            {58, "prog_blue_min.bmp", windowButton}, {59, "prog_blue_norm.bmp", windowButton},
            {60, "prog_blueoff_close.bmp", windowButton}, {61, "prog_blueoff_max.bmp", windowButton},
            {62, "prog_blueoff_min.bmp", windowButton}, {63, "prog_blueoff_norm.bmp", windowButton},
            {64, "prog_white_close.bmp", windowButton}, {65, "prog_white_max.bmp", windowButton},
            {66, "prog_white_min.bmp", windowButton}, {67, "prog_white_norm.bmp", windowButton},
            {68, "loadbutton_on.bmp", {32, 20}}, {69, "loadbutton_off.bmp", {32, 20}},
            {70, "button_off.bmp", {80, 25}}, {71, "button_on.bmp", {80, 25}},
            {72, "button_pressed.bmp", {80, 25}},
            {73, "bottombg1.bmp", {64, 25}}, {74, "bottombg2.bmp", {150, 25}},
            {75, "bottombg3.bmp", {64, 25}}, {76, "bottombg4.bmp", {200, 25}},
            {77, "columnhead1.bmp", {220, 26}}, {78, "columnhead2.bmp", {330, 26}},
            {79, "progressbar.bmp", {10, 12}}, {80, "statusgrabber.bmp", {12, 12}},
            {81, "bullet.bmp", {12, 12}}, {82, "Handle.bmp", {12, 64}}, {83, "pen.bmp", {16, 16}},
            {84, "bar.bmp", {600, 24}}, {85, "KWicon.ico", {32, 32}}, {86, "pencil.ico", {32, 32}},
            {87, "hand.ico", {32, 32}}, {88, "info_mark.gif", {32, 27}}, {89, "Logo.gif", {220, 64}},
            {90, "instruction.gif", {260, 140}}, {91, "Border_bot_left.gif", {10, 10}},
            {92, "Border_bot_right.gif", {10, 10}},
        };
        return list;
    }

    static int idOf(const QString &name)
    {
        for (const Picture &p : pictures()) {
            if (name == QLatin1String(p.name))
                return p.id;
        }
        return 0;
    }

    static QByteArray bytes(int id)
    {
        QFile f(QStringLiteral(":/Custom/%1").arg(id));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QImage picture(const QString &name)
    {
        return QImage::fromData(bytes(idOf(name))).convertToFormat(QImage::Format_ARGB32);
    }

    // Over the pixels that differ from the picture's background (its top-left
    // pixel): how many there are and the sum of their colour (largest channel
    // minus smallest channel).
    struct Colour {
        int pixels = 0;
        qint64 chroma = 0;
    };
    static Colour colourOf(const QImage &image)
    {
        Colour colour;
        const QRgb background = image.pixel(0, 0);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (p == background)
                    continue;
                ++colour.pixels;
                colour.chroma += std::max({qRed(p), qGreen(p), qBlue(p)})
                                 - std::min({qRed(p), qGreen(p), qBlue(p)});
            }
        }
        return colour;
    }

private slots:
    void holdsExactlyTheSkinIds()
    {
        QList<int> found;
        for (const QString &entry : QDir(QStringLiteral(":/Custom")).entryList(QDir::Files))
            found << entry.toInt();
        std::sort(found.begin(), found.end());
        QList<int> expected;
        for (const Picture &p : pictures())
            expected << p.id;
        QCOMPARE(expected.size(), 89);
        QCOMPARE(found, expected);
        for (int unused : {38, 39, 40, 93})
            QVERIFY(!QFile::exists(QStringLiteral(":/Custom/%1").arg(unused)));
    }

    void decodesInItsFormatAndSize_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        for (const Picture &p : pictures()) {
            const QByteArray format = QFileInfo(QString::fromLatin1(p.name)).suffix().toLatin1();
            QTest::addRow("%d %s", p.id, p.name) << p.id << format << p.size;
        }
    }
    void decodesInItsFormatAndSize()
    {
        QFETCH(int, id);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QByteArray data = bytes(id);
        QVERIFY(!data.isEmpty());
        if (format == "bmp")
            QVERIFY(data.startsWith("BM"));
        else if (format == "ico")
            QVERIFY(data.startsWith(QByteArray("\0\0\1\0", 4)));
        else
            QVERIFY(data.startsWith("GIF89a"));

        QBuffer buffer(&data);
        QImageReader reader(&buffer); // the format is told by the content alone
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void disabledIsGreyedOut_data()
    {
        QTest::addColumn<QString>("family");
        for (const char *family : {"back", "forward", "mark", "save"})
            QTest::newRow(family) << QString::fromLatin1(family);
    }
    void disabledIsGreyedOut()
    {
        QFETCH(QString, family);
        const QImage off = picture(family + QStringLiteral("_off.bmp"));
        const QImage disabled = picture(family + QStringLiteral("_disabled.bmp"));
        QCOMPARE(disabled.size(), off.size());
        // Same tool-bar background; the icon keeps its shape but loses its colour.
        QCOMPARE(disabled.pixel(0, 0), off.pixel(0, 0));
        const Colour offColour = colourOf(off);
        const Colour disabledColour = colourOf(disabled);
        QVERIFY(offColour.pixels > 300);
        QVERIFY(disabledColour.pixels > offColour.pixels / 2);
        QVERIFY(offColour.chroma / offColour.pixels > 30);
        QVERIFY2(disabledColour.chroma / disabledColour.pixels < 10,
                 qPrintable(QString::number(disabledColour.chroma / disabledColour.pixels)));
    }

    void statesLookDifferent_data()
    {
        QTest::addColumn<QStringList>("names");
        for (const char *family : {"about", "back", "close", "forward", "home", "mark", "print",
                                   "report", "save", "setup", "trash", "button"}) {
            const QString f = QString::fromLatin1(family);
            QTest::newRow(family) << QStringList{f + "_off.bmp", f + "_on.bmp", f + "_pressed.bmp"};
        }
        QTest::newRow("load button") << QStringList{"loadbutton_off.bmp", "loadbutton_on.bmp"};
        QTest::newRow("tabs") << QStringList{"tabs_back_off.bmp", "tabs_back_on.bmp",
                                             "tabs_front_off.bmp", "tabs_front_on.bmp"};
        for (const char *glyph : {"close", "max", "min", "norm"}) {
            const QString g = QString::fromLatin1(glyph);
            QTest::addRow("window %s", glyph)
                << QStringList{"prog_blue_" + g + ".bmp", "prog_blueoff_" + g + ".bmp",
                               "prog_white_" + g + ".bmp"};
        }
        QTest::newRow("window glyphs") << QStringList{"prog_blueoff_close.bmp", "prog_blueoff_max.bmp",
                                                      "prog_blueoff_min.bmp", "prog_blueoff_norm.bmp"};
        QTest::newRow("tool icons") << QStringList{"about_off.bmp", "back_off.bmp", "close_off.bmp",
                                                   "forward_off.bmp", "home_off.bmp", "mark_off.bmp",
                                                   "print_off.bmp", "report_off.bmp", "save_off.bmp",
                                                   "setup_off.bmp", "trash_off.bmp"};
    }
    void statesLookDifferent()
    {
        QFETCH(QStringList, names);
        QList<QImage> images;
        for (const QString &name : names) {
            images << picture(name);
            QVERIFY2(!images.last().isNull(), qPrintable(name));
        }
        for (int i = 0; i < images.size(); ++i) {
            for (int j = i + 1; j < images.size(); ++j)
                QVERIFY2(images[i] != images[j], qPrintable(names[i] + " = " + names[j]));
        }
    }

    void titleStripIsBlueOrWhite_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("blue");
        for (const char *piece : {"center", "left", "right"}) {
            const QString p = QString::fromLatin1(piece);
            QTest::addRow("active %s", piece) << "border_top_" + p + ".bmp" << true;
            QTest::addRow("inactive %s", piece) << "border_white_top_" + p + ".bmp" << false;
        }
        for (const char *glyph : {"close", "max", "min", "norm"}) {
            const QString g = QString::fromLatin1(glyph);
            QTest::addRow("resting %s", glyph) << "prog_blueoff_" + g + ".bmp" << true;
            QTest::addRow("inactive %s", glyph) << "prog_white_" + g + ".bmp" << false;
        }
    }
    void titleStripIsBlueOrWhite()
    {
        QFETCH(QString, name);
        QFETCH(bool, blue);
        const QImage image = picture(name);
        qint64 red = 0, green = 0, blueSum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                red += qRed(image.pixel(x, y));
                green += qGreen(image.pixel(x, y));
                blueSum += qBlue(image.pixel(x, y));
            }
        }
        const qint64 n = qint64(image.width()) * image.height();
        if (blue) {
            QVERIFY(blueSum / n > 150);
            QVERIFY(blueSum / n > red / n + 60);
        } else {
            QVERIFY(red / n > 200 && green / n > 200 && blueSum / n > 200);
        }
    }

    void titlePiecesLineUp()
    {
        // The pieces share one gradient: the same row has the same colour in
        // the middle of each piece and behind the inactive window buttons.
        for (const QString &state : {QStringLiteral("border_top_"), QStringLiteral("border_white_top_")}) {
            const QImage left = picture(state + "left.bmp");
            const QImage centre = picture(state + "center.bmp");
            const QImage right = picture(state + "right.bmp");
            for (int y = 0; y < centre.height(); ++y) {
                QCOMPARE(left.pixel(left.width() - 1, y), centre.pixel(4, y));
                QCOMPARE(right.pixel(20, y), centre.pixel(4, y));
            }
        }
        const QImage centre = picture(QStringLiteral("border_white_top_center.bmp"));
        const QImage button = picture(QStringLiteral("prog_white_min.bmp"));
        const int top = (centre.height() - button.height()) / 2;
        for (int y = 0; y < button.height(); ++y)
            QCOMPARE(button.pixel(0, y), centre.pixel(0, top + y));
    }

    void seeThroughWhereTheyShouldBe_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("clear");
        QTest::addColumn<QPoint>("solid");
        QTest::newRow("info mark") << "info_mark.gif" << QPoint(0, 0) << QPoint(16, 13);
        QTest::newRow("logo") << "Logo.gif" << QPoint(219, 0) << QPoint(32, 32);
        QTest::newRow("instruction") << "instruction.gif" << QPoint(0, 0) << QPoint(130, 70);
        QTest::newRow("dialog corner left") << "Border_bot_left.gif" << QPoint(0, 9) << QPoint(0, 0);
        QTest::newRow("dialog corner right") << "Border_bot_right.gif" << QPoint(9, 9) << QPoint(9, 0);
        QTest::newRow("window icon") << "KWicon.ico" << QPoint(0, 0) << QPoint(16, 16);
        QTest::newRow("pencil icon") << "pencil.ico" << QPoint(0, 0) << QPoint(16, 16);
        QTest::newRow("hand") << "hand.ico" << QPoint(1, 1) << QPoint(18, 24);
    }
    void seeThroughWhereTheyShouldBe()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, clear);
        QFETCH(QPoint, solid);
        const QImage image = picture(name);
        QCOMPARE(qAlpha(image.pixel(clear)), 0);
        QCOMPARE(qAlpha(image.pixel(solid)), 255);
    }

    void instructionShowsTheTypedAnswers()
    {
        // Dark lettering on the light card: the heading, the names, the two
        // written numbers and the two typed answers.
        const QImage image = picture(QStringLiteral("instruction.gif"));
        const auto inkIn = [&image](const QRect &area) {
            int ink = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QRgb p = image.pixel(x, y);
                    ink += qAlpha(p) == 255 && qGray(p) < 110;
                }
            }
            return ink;
        };
        QVERIFY(inkIn(QRect(10, 6, 240, 20)) > 150);   // heading
        QVERIFY(inkIn(QRect(166, 39, 76, 28)) > 60);   // 9/28 typed
        QVERIFY(inkIn(QRect(166, 84, 76, 28)) > 80);   // 1 3/5 typed
        QVERIFY(inkIn(QRect(86, 33, 40, 40)) > 60);    // 9 over 28
        QVERIFY(inkIn(QRect(84, 78, 42, 40)) > 60);    // 1 and 3 over 5
    }
};

QTEST_GUILESS_MAIN(TestSkin)
#include "tst_skin.moc"
