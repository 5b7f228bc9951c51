#include "randomstring.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Names and report identifiers no one can guess.
class TestRandomString : public QObject
{
    Q_OBJECT
private slots:
    void randomCharacters();
    void randomWithSeed();
};

void TestRandomString::randomCharacters()
{
    const QRegularExpression alphabet("^[0-9A-Za-z]{8}$");
    QSet<QString> seen;
    for (int i = 0; i < 50; ++i) {
        const QString s = randomString(8, QString());
        QVERIFY2(alphabet.match(s).hasMatch(), qPrintable(s));
        seen.insert(s);
    }
    QVERIFY(seen.size() > 45);
    QCOMPARE(randomString(0, QString()), QString());
    QCOMPARE(randomString(-3, QString()), QString());
}

void TestRandomString::randomWithSeed()
{
    QCOMPARE(randomString(0, "abc"), QString("a9993e364706816aba3e25717850c26c9cd0d89d_"));
    const QString seeded = randomString(8, QString::fromUtf8("é"));
    const QString digest =
        QCryptographicHash::hash(QByteArray("\xC3\xA9"), QCryptographicHash::Sha1).toHex();
    QVERIFY(seeded.startsWith(digest + "_"));
    QCOMPARE(seeded.size(), 40 + 1 + 8);
}

QTEST_GUILESS_MAIN(TestRandomString)
#include "tst_randomstring.moc"
