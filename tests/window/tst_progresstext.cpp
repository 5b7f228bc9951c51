#include "progresstext.h"

#include <QTest>

// The window's words for the numbers the progress parser gives.
class TestProgressText : public QObject
{
    Q_OBJECT
private slots:
    void remainingText_data();
    void remainingText();
    void speedText();
};

void TestProgressText::remainingText_data()
{
    QTest::addColumn<qint64>("remaining");
    QTest::addColumn<QString>("text");

    QTest::newRow("negative") << qint64(-6000) << "Less than <b>15</b> seconds";
    QTest::newRow("14999") << qint64(14999) << "Less than <b>15</b> seconds";
    QTest::newRow("15000") << qint64(15000) << "About <b>15</b> seconds";
    QTest::newRow("19999") << qint64(19999) << "About <b>15</b> seconds";
    QTest::newRow("20000") << qint64(20000) << "About <b>30</b> seconds";
    QTest::newRow("34999") << qint64(34999) << "About <b>30</b> seconds";
    QTest::newRow("35000") << qint64(35000) << "About <b>45</b> seconds";
    QTest::newRow("49999") << qint64(49999) << "About <b>45</b> seconds";
    QTest::newRow("50000") << qint64(50000) << "About <b>1</b> minute";
    QTest::newRow("64999") << qint64(64999) << "About <b>1</b> minute";
    QTest::newRow("65000") << qint64(65000) << "Less than <b>2</b> minutes";
    QTest::newRow("119999") << qint64(119999) << "Less than <b>2</b> minutes";
    QTest::newRow("120000") << qint64(120000) << "Less than <b>3</b> minutes";
    QTest::newRow("3599999") << qint64(3599999) << "Less than <b>60</b> minutes";
    QTest::newRow("3600000") << qint64(3600000) << "";
}

void TestProgressText::remainingText()
{
    QFETCH(qint64, remaining);
    QFETCH(QString, text);
    QCOMPARE(progresstext::timeRemaining(remaining), text);
}

void TestProgressText::speedText()
{
    QCOMPARE(progresstext::speed(0), "<b>0</b> s/s");
    QCOMPARE(progresstext::speed(362439), "<b>362439</b> s/s");
}

QTEST_GUILESS_MAIN(TestProgressText)
#include "tst_progresstext.moc"
