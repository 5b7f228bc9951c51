#include "encoderslot.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstring>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
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
    void folderOthersCanTamperWithIsNotWaitedFor_data();
    void folderOthersCanTamperWithIsNotWaitedFor();
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

namespace {
// Every path under root, with its owner, mode and link target.
QStringList snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        entries << QStringLiteral("%1 %2 %3 %4")
                       .arg(info.filePath())
                       .arg(info.ownerId())
                       .arg(int(info.permissions()), 0, 16)
                       .arg(info.symLinkTarget());
    }
    entries.sort();
    return entries;
}
} // namespace

// Another local user may have made the shared fallback folder first, or
// planted files in it. Such slots are never waited for (read-only lock files
// would hold every conversion forever) and never followed elsewhere.
void TestEncoderSlot::folderOthersCanTamperWithIsNotWaitedFor_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("folderIsTheUsers");
    QTest::addColumn<QString>("planted"); // what waits at slot-0.lock
    QTest::newRow("foreign-owned folder") << 0755 << false << QString();
    QTest::newRow("world-writable folder") << 0777 << true << QStringLiteral("foreign file");
    QTest::newRow("symlinked lock file") << 0700 << true << QStringLiteral("link");
    QTest::newRow("read-only lock file") << 0700 << true << QStringLiteral("read-only file");
}

void TestEncoderSlot::folderOthersCanTamperWithIsNotWaitedFor()
{
    QFETCH(int, folderMode);
    QFETCH(bool, folderIsTheUsers);
    QFETCH(QString, planted);
    // The slot is taken by an unprivileged user, since root opens any file.
    if (::geteuid() != 0)
        QSKIP("needs root to hand the folders to another user");
    const passwd *user = ::getpwnam("nobody");
    const group *userGroup = ::getgrnam("nogroup");
    if (!user || !userGroup || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("needs the user nobody and setpriv");
    const auto giveToUser = [&](const QString &path) {
        return ::lchown(QFile::encodeName(path).constData(), user->pw_uid, userGroup->gr_gid) == 0;
    };

    QTemporaryDir root;
    QVERIFY(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther));
    const QString folder = root.filePath(QStringLiteral("slots"));
    const QByteArray folderName = QFile::encodeName(folder);
    QVERIFY(::mkdir(folderName.constData(), 0700) == 0);
    QVERIFY(::chmod(folderName.constData(), mode_t(folderMode)) == 0);
    QVERIFY(!folderIsTheUsers || giveToUser(folder));
    // A place the user may write to, where a link could lead the lock file.
    const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkdir(elsewhere));
    QVERIFY(giveToUser(elsewhere));

    const QString lockFile = folder + QStringLiteral("/slot-0.lock");
    if (planted == QStringLiteral("link")) {
        QVERIFY(QFile::link(elsewhere + QStringLiteral("/victim"), lockFile));
        QVERIFY(giveToUser(lockFile));
    } else if (!planted.isEmpty()) {
        QFile file(lockFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const bool readOnly = planted == QStringLiteral("read-only file");
        QVERIFY(file.setPermissions(
            readOnly ? QFile::ReadOwner : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        QVERIFY(!readOnly || giveToUser(lockFile));
    }
    const QStringList before = snapshot(root.path());

    QProcess taker;
    taker.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                 QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                 QStringLiteral("--take"), folder});
    QVERIFY(taker.waitForFinished(30000));
    QCOMPARE(taker.readAllStandardOutput().trimmed(), QByteArray("held"));
    QCOMPARE(taker.exitCode(), 0);
    QCOMPARE(snapshot(root.path()), before);
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
    // "--take DIR": try the only slot in DIR once; say whether the
    // conversion could go ahead at once.
    if (argc == 3 && std::strcmp(argv[1], "--take") == 0) {
        EncoderSlot slot(QString::fromLocal8Bit(argv[2]), 1);
        std::printf(slot.tryAcquire() ? "held\n" : "waiting\n");
        return 0;
    }
    TestEncoderSlot test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_encoderslot.moc"
