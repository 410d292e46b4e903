#include "data/storabletext.h"

#include <QTest>

using namespace kw;

class TestStorableText : public QObject {
    Q_OBJECT

private slots:
    void storable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("storable");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("plain answer") << "24075" << true;
        QTest::newRow("mixed number") << "1 3/5" << true;
        QTest::newRow("spaces only") << "   " << true;
        QTest::newRow("punctuation") << "a;b:c/d,e.f!?'\"()" << true;
        QTest::newRow("accents") << QStringLiteral("naïve café") << true;
        QTest::newRow("non-breaking space") << QStringLiteral("1\u00a03/5") << true;
        QTest::newRow("emoji") << QStringLiteral("\U0001F600") << true;
        QTest::newRow("first printable after C1") << QStringLiteral("\u00a1") << true;
        QTest::newRow("record separator >") << "a>b" << false;
        QTest::newRow("tag mark #") << "#101#" << false;
        QTest::newRow("NUL") << QString(QChar(0)) << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("LF") << "a\nb" << false;
        QTest::newRow("CR") << "a\rb" << false;
        QTest::newRow("vertical tab") << "a\vb" << false;
        QTest::newRow("form feed") << "a\fb" << false;
        QTest::newRow("escape") << "a\x1b" "b" << false;
        QTest::newRow("unit separator 0x1f") << QString(QChar(0x1f)) << false;
        QTest::newRow("DEL") << QString(QChar(0x7f)) << false;
        QTest::newRow("C1 first 0x80") << QString(QChar(0x80)) << false;
        QTest::newRow("C1 next line 0x85") << QString(QChar(0x85)) << false;
        QTest::newRow("C1 last 0x9f") << QString(QChar(0x9f)) << false;
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << false;
        QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << false;
        QTest::newRow("refused character at the end") << "answer>" << false;
    }
    void storable()
    {
        QFETCH(QString, text);
        QFETCH(bool, storable);
        QCOMPARE(isStorableText(text), storable);
    }
};

QTEST_GUILESS_MAIN(TestStorableText)
#include "tst_storabletext.moc"
