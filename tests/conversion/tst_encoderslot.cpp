#include "encoderslot.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstring>
#include <memory>
#include <vector>

// The slots that bound how many encoders run at once across processes.
class TestEncoderSlot : public QObject
{
    Q_OBJECT
private slots:
    void atMostSlotCountHolders();
    void releasedSlotIsTakenAgain();
    void nothingLeftBehind();
    void killedHolderFreesItsSlot();
    void waiterWakesWhenSlotFrees();
    void unusableDirectoryDoesNotBlockConversions();
};

void TestEncoderSlot::atMostSlotCountHolders()
{
    QTemporaryDir dir;
    std::vector<std::unique_ptr<EncoderSlot>> holders;
    for (int i = 0; i < 3; ++i) {
        holders.push_back(std::make_unique<EncoderSlot>(dir.path(), 3));
        QVERIFY(holders.back()->tryAcquire());
    }
    QList<int> indexes;
    for (const auto &slot : holders)
        indexes << slot->heldIndex();
    std::sort(indexes.begin(), indexes.end());
    QCOMPARE(indexes, (QList<int>{0, 1, 2}));

    EncoderSlot fourth(dir.path(), 3);
    QVERIFY(!fourth.tryAcquire());
    QVERIFY(!fourth.isHeld());
    QCOMPARE(fourth.heldIndex(), -1);
}

void TestEncoderSlot::releasedSlotIsTakenAgain()
{
    QTemporaryDir dir;
    EncoderSlot first(dir.path(), 1);
    EncoderSlot second(dir.path(), 1);
    QVERIFY(first.tryAcquire());
    QVERIFY(first.tryAcquire()); // holding already is fine
    QVERIFY(!second.tryAcquire());
    first.release();
    QVERIFY(second.tryAcquire());
    QVERIFY(!first.tryAcquire());
}

void TestEncoderSlot::nothingLeftBehind()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/slots");
    {
        EncoderSlot a(folder, 2);
        EncoderSlot b(folder, 2);
        QVERIFY(a.tryAcquire());
        QVERIFY(b.tryAcquire());
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
        a.release();
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    }
    QVERIFY(!QDir(folder).exists());
}

void TestEncoderSlot::killedHolderFreesItsSlot()
{
    QTemporaryDir dir;
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), dir.path()});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("held"));

    EncoderSlot mine(dir.path(), 1);
    QVERIFY(!mine.tryAcquire());
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    // The holder could not clean up: its file is still there, but unlocked.
    QVERIFY(mine.tryAcquire());
}

void TestEncoderSlot::waiterWakesWhenSlotFrees()
{
    QTemporaryDir dir;
    auto holder = std::make_unique<EncoderSlot>(dir.path(), 1);
    QVERIFY(holder->tryAcquire());

    EncoderSlot waiting(dir.path(), 1);
    EncoderSlotWaiter waiter(waiting);
    QSignalSpy acquired(&waiter, &EncoderSlotWaiter::acquired);
    waiter.start(20);
    QTest::qWait(150);
    QCOMPARE(acquired.count(), 0);

    holder.reset();
    QTRY_COMPARE_WITH_TIMEOUT(acquired.count(), 1, 5000);
    QVERIFY(waiting.isHeld());
    QTest::qWait(100);
    QCOMPARE(acquired.count(), 1); // once only
}

void TestEncoderSlot::unusableDirectoryDoesNotBlockConversions()
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/not-a-folder");
    QFile blocker(file);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EncoderSlot slot(file + QStringLiteral("/slots"), 1);
    QVERIFY(slot.tryAcquire());
}

// "--hold DIR": take the only slot in DIR, say so, and wait to be killed.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--hold") == 0) {
        EncoderSlot slot(QString::fromLocal8Bit(argv[2]), 1);
        if (!slot.tryAcquire())
            return 1;
        std::printf("held\n");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    }
    TestEncoderSlot test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_encoderslot.moc"
