#include "filesystemkind.h"
#include "mounttable.h"

#include <QTemporaryDir>
#include <QTest>

using portablenames::FileSystemKind;

// Which file system a mirror lies on: found in the mount table, tried out
// where the table's type says nothing.
class TestFileSystemKind : public QObject
{
    Q_OBJECT

private slots:
    void mountOf_data();
    void mountOf();
    void unknownTypesAreProbed();
};

void TestFileSystemKind::mountOf_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("kind"); // -1: not known by its type
    QTest::newRow("root") << "/home/ann/Music" << "/" << "ext4" << int(FileSystemKind::Posix);
    QTest::newRow("deepest") << "/media/ann/STICK/Music (MP3)" << "/media/ann/STICK"
                             << "fuse.fusefat" << int(FileSystemKind::Fat);
    QTest::newRow("space escaped") << "/media/ann/My Card/x" << "/media/ann/My Card" << "fuseblk"
                                   << int(FileSystemKind::Ntfs);
    QTest::newRow("later covers earlier") << "/mnt/card/a" << "/mnt/card" << "exfat"
                                          << int(FileSystemKind::ExFat);
    QTest::newRow("prefix is no parent") << "/mnt/cardreader/a" << "/" << "ext4"
                                         << int(FileSystemKind::Posix);
    QTest::newRow("unknown type") << "/net/share/a" << "/net/share" << "fuse.sshfs" << -1;
}

void TestFileSystemKind::mountOf()
{
    QFETCH(QString, path);
    QFETCH(QString, point);
    QFETCH(QString, type);
    QFETCH(int, kind);
    const QByteArray table =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "40 22 0:35 / /media/ann/STICK rw shared:5 - fuse.fusefat /dev/sdb1 rw\n"
        "41 22 0:36 / /media/ann/My\\040Card rw - fuseblk /dev/sdc1 rw,user_id=0\n"
        "42 22 0:37 / /mnt/card rw - vfat /dev/sdd1 rw\n"
        "43 22 0:38 / /mnt/card rw - exfat /dev/sdd1 rw\n"
        "44 22 0:39 / /net/share rw - fuse.sshfs host:/ rw\n"
        "garbage line\n";
    const mounttable::Mount mount = mounttable::mountOf(table, path);
    QCOMPARE(mount.point, point);
    QCOMPARE(mount.type, type);
    const std::optional<FileSystemKind> known = filesystemkind::ofType(mount.type);
    QCOMPARE(known ? int(*known) : -1, kind);
}

// A folder on this machine's own disk takes every name, in either case, and
// keeps times to the second; the probe leaves nothing behind.
void TestFileSystemKind::unknownTypesAreProbed()
{
    QTemporaryDir dir;
    QCOMPARE(filesystemkind::probe(dir.path()), FileSystemKind::Posix);
    QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                .isEmpty());
    // A folder that takes no file gets names every medium accepts.
    QCOMPARE(filesystemkind::probe(dir.filePath("missing")), FileSystemKind::Ntfs);
}

QTEST_GUILESS_MAIN(TestFileSystemKind)
#include "tst_filesystemkind.moc"
