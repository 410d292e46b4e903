#include "startup/skinfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

#include <algorithm>

// The skin pictures embedded by kwskindata (resource id N is ":/Custom/N")
// and the table start-up writes them out from.
class TestSkin : public QObject {
    Q_OBJECT

    // The size the windows are laid out for, per picture.
    static const QHash<QString, QSize> &expectedSizes()
    {
        static const QHash<QString, QSize> sizes = [] {
            QHash<QString, QSize> s;
            for (const char *family : {"about", "close", "home", "print", "report", "setup", "trash"}) {
                for (const char *state : {"off", "on", "pressed"})
                    s.insert(QStringLiteral("%1_%2.bmp").arg(family, state), {64, 56});
            }
            for (const char *family : {"back", "forward", "mark", "save"}) {
                for (const char *state : {"disabled", "off", "on", "pressed"})
                    s.insert(QStringLiteral("%1_%2.bmp").arg(family, state), {64, 56});
            }
            for (const char *tab : {"back", "front"}) {
                for (const char *state : {"off", "on"})
                    s.insert(QStringLiteral("tabs_%1_%2.bmp").arg(tab, state), {120, 28});
            }
            for (const char *strip : {"top", "white_top"}) {
                s.insert(QStringLiteral("border_%1_center.bmp").arg(strip), {8, 24});
                s.insert(QStringLiteral("border_%1_left.bmp").arg(strip), {40, 24});
                s.insert(QStringLiteral("border_%1_right.bmp").arg(strip), {80, 24});
            }
            for (const char *look : {"blue", "blueoff", "white"}) {
                for (const char *glyph : {"close", "max", "min", "norm"})
                    s.insert(QStringLiteral("prog_%1_%2.bmp").arg(look, glyph), {20, 18});
            }
            for (const char *state : {"off", "on", "pressed"})
                s.insert(QStringLiteral("button_%1.bmp").arg(state), {80, 25});
            const std::initializer_list<std::pair<const char *, QSize>> singles = {
                {"border_bot.bmp", {8, 5}}, {"border_left.bmp", {5, 8}}, {"border_right.bmp", {5, 8}},
                {"border_left_corners.bmp", {8, 8}}, {"border_right_corners.bmp", {8, 8}},
                {"loadbutton_on.bmp", {32, 20}}, {"loadbutton_off.bmp", {32, 20}},
                {"bottombg1.bmp", {64, 25}}, {"bottombg2.bmp", {150, 25}}, {"bottombg3.bmp", {64, 25}},
                {"bottombg4.bmp", {200, 25}}, {"columnhead1.bmp", {220, 26}}, {"columnhead2.bmp", {330, 26}},
                {"progressbar.bmp", {10, 12}}, {"statusgrabber.bmp", {12, 12}}, {"bullet.bmp", {12, 12}},
                {"Handle.bmp", {12, 64}}, {"pen.bmp", {16, 16}}, {"bar.bmp", {600, 24}},
                {"KWicon.ico", {32, 32}}, {"pencil.ico", {32, 32}}, {"hand.ico", {32, 32}},
                {"info_mark.gif", {32, 27}}, {"Logo.gif", {220, 64}}, {"instruction.gif", {260, 140}},
                {"Border_bot_left.gif", {10, 10}}, {"Border_bot_right.gif", {10, 10}},
            };
            for (const auto &[name, size] : singles)
                s.insert(QString::fromLatin1(name), size);
            return s;
        }();
        return sizes;
    }

    static int idOf(const QString &name)
    {
        const auto file = std::find_if(kw::kSkinFiles.begin(), kw::kSkinFiles.end(),
                                       [&name](const kw::SkinFile &f) { return name == QLatin1String(f.name); });
        return file == kw::kSkinFiles.end() ? 0 : file->id;
    }

    static QByteArray bytes(int id)
    {
        QFile f(QStringLiteral(":/Custom/%1").arg(id));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The picture start-up writes out under `name`; a null image when there
    // is none.
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
    void tableAndResourcesAgree()
    {
        // One to one: every entry of the table has its resource, and the
        // skin carries no resource the table does not name.
        QList<int> tableIds;
        for (const kw::SkinFile &file : kw::kSkinFiles) {
            QVERIFY2(QFile::exists(QStringLiteral(":/Custom/%1").arg(file.id)), file.name);
            tableIds << file.id;
        }
        QList<int> resourceIds;
        for (const QString &entry : QDir(QStringLiteral(":/Custom")).entryList(QDir::Files)) {
            bool numeric = false;
            resourceIds << entry.toInt(&numeric);
            QVERIFY2(numeric, qPrintable(entry));
        }
        std::sort(tableIds.begin(), tableIds.end());
        std::sort(resourceIds.begin(), resourceIds.end());
        QCOMPARE(std::adjacent_find(tableIds.begin(), tableIds.end()), tableIds.end());
        QCOMPARE(resourceIds, tableIds);
    }

    void namesDifferBeyondLetterCase()
    {
        // The windows find a picture by name regardless of letter case, and
        // the Graphics folder may sit on a file system that ignores it.
        QHash<QString, QString> byFoldedName;
        for (const kw::SkinFile &file : kw::kSkinFiles) {
            const QString name = QString::fromLatin1(file.name);
            QVERIFY2(!name.isEmpty() && !name.contains(QLatin1Char('/')), file.name);
            const QString clash = byFoldedName.value(name.toLower());
            QVERIFY2(clash.isEmpty(), qPrintable(name + " ~ " + clash));
            byFoldedName.insert(name.toLower(), name);
        }
    }

    void keepsItsResourceIds()
    {
        // Start-up has always found the pictures under ids 1-37 and 41-92.
        QList<int> expected;
        for (int id = 1; id <= 92; ++id) {
            if (id < 38 || id > 40)
                expected << id;
        }
        QList<int> ids;
        for (const kw::SkinFile &file : kw::kSkinFiles)
            ids << file.id;
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, expected);
    }

    void drawsEveryPictureTheWindowsNeed()
    {
        QSet<QString> drawn;
        for (const kw::SkinFile &file : kw::kSkinFiles)
            drawn.insert(QString::fromLatin1(file.name));
        for (auto it = expectedSizes().cbegin(); it != expectedSizes().cend(); ++it)
            QVERIFY2(drawn.contains(it.key()), qPrintable(it.key()));
        for (const QString &name : std::as_const(drawn))
            QVERIFY2(expectedSizes().contains(name), qPrintable(name + " has no expected size"));
    }

    void decodesInItsFormatAndSize_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        for (const kw::SkinFile &file : kw::kSkinFiles) {
            const QString name = QString::fromLatin1(file.name);
            const QByteArray format = QFileInfo(name).suffix().toLatin1();
            QTest::addRow("%d %s", file.id, file.name) << file.id << format << expectedSizes().value(name);
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
        QVERIFY(!off.isNull() && !disabled.isNull());
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
        QVERIFY2(!image.isNull(), qPrintable(name));
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
            QVERIFY(!left.isNull() && !centre.isNull() && !right.isNull());
            for (int y = 0; y < centre.height(); ++y) {
                QCOMPARE(left.pixel(left.width() - 1, y), centre.pixel(4, y));
                QCOMPARE(right.pixel(20, y), centre.pixel(4, y));
            }
        }
        const QImage centre = picture(QStringLiteral("border_white_top_center.bmp"));
        const QImage button = picture(QStringLiteral("prog_white_min.bmp"));
        QVERIFY(!centre.isNull() && !button.isNull());
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
