#include "nametext.h"

#include <QTest>

// Names shown as one name each: nothing in them breaks a line, reorders
// the text around them or reaches a terminal's escape-sequence parser.
class TestNameText : public QObject
{
    Q_OBJECT
private slots:
    void escaped_data();
    void escaped();
    void isolatedInWindows();
};

void TestNameText::escaped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Grüße – 音楽 🎵.wav"
                           << "Grüße – 音楽 🎵.wav";
    QTest::newRow("combining marks") << "Zoe\u0308.wav"
                                     << "Zoe\u0308.wav";
    QTest::newRow("backslash kept") << "a\\nb.wav"
                                    << "a\\nb.wav";
    QTest::newRow("forged line") << "bad.wav: converted\nnothing-wrong-here.wav"
                                 << "bad.wav: converted\\nnothing-wrong-here.wav";
    QTest::newRow("tab and return") << "a\tb\r.wav"
                                    << "a\\tb\\r.wav";
    QTest::newRow("terminal title and clear") << "x\x1b]0;pwned\a\x1b[2J.wav"
                                              << "x\\x1b]0;pwned\\x07\\x1b[2J.wav";
    QTest::newRow("zero, delete, C1 introducer") << QString::fromUtf16(u"a\0b\x7f\x9b"
                                                                       "c",
                                                                       6)
                                                 << "a\\x00b\\x7f\\x9bc";
    QTest::newRow("right-to-left override") << "0track\u202evaw.exe"
                                            << "0track\\u202evaw.exe";
    QTest::newRow("closing isolate in the name") << "a\u2069\u2067b"
                                                 << "a\\u2069\\u2067b";
    QTest::newRow("marks and separators") << "a\u200f\u061c\u2028\u2029b"
                                          << "a\\u200f\\u061c\\u2028\\u2029b";
    QTest::newRow("half a character") << QString(QChar(0xd800)) + "x"
                                      << "\\ud800x";
}

void TestNameText::escaped()
{
    QFETCH(QString, name);
    QTEST(nametext::escaped(name), "shown");
    QTEST(nametext::forTerminal(name), "shown");
}

void TestNameText::isolatedInWindows()
{
    QCOMPARE(nametext::forWindow("a\u202eb\n"), "\u2068a\\u202eb\\n\u2069");
    QCOMPARE(nametext::forWindow(""), "\u2068\u2069");
}

QTEST_GUILESS_MAIN(TestNameText)
#include "tst_nametext.moc"
