#include "cddrive.h"
#include "linuxdevicepath.h"

#include <QFile>
#include <QTest>

using namespace discpull;

// The Linux device backend: which node a drive argument names, and a real
// drive when the machine has one with an audio CD in it.
class TestCdDeviceLinux : public QObject
{
    Q_OBJECT
private slots:
    void devicePath_data();
    void devicePath();
    void unopenableDriveFails();
    void realDriveReadsTrackTable();
};

void TestCdDeviceLinux::devicePath_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("device");
    QTest::newRow("device path") << "/dev/sr1"
                                 << "/dev/sr1";
    QTest::newRow("relative path") << "./drive"
                                   << "./drive";
    QTest::newRow("bare name") << "sr0"
                               << "/dev/sr0";
    QTest::newRow("letter") << "E"
                            << "/dev/cdrom";
    QTest::newRow("letter colon") << "e:"
                                  << "/dev/cdrom";
    QTest::newRow("letter colon backslash") << "E:\\"
                                            << "/dev/cdrom";
    QTest::newRow("letter colon slash") << "D:/"
                                        << "/dev/cdrom";
    QTest::newRow("letter with a path is a path") << "D:/x"
                                                  << "D:/x";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCdDeviceLinux::devicePath()
{
    QFETCH(QString, drive);
    QFETCH(QString, device);
    QCOMPARE(QString::fromStdString(linuxDevicePath(drive.toStdString())), device);
}

void TestCdDeviceLinux::unopenableDriveFails()
{
    const auto platform = createNativePlatform();
    CdDrive drive(*platform);
    QVERIFY(!drive.open("/nonexistent/sr9"));
    QVERIFY(!drive.open(""));
    QCOMPARE(drive.trackCount(), -1);
    // A regular file opens but answers no drive request.
    QVERIFY(!drive.open(
        QFile::encodeName(QStringLiteral(TW_TEST_SOURCE_DIR "/CMakeLists.txt")).toStdString()));
    QVERIFY(!drive.isOpen());
}

void TestCdDeviceLinux::realDriveReadsTrackTable()
{
    QString device;
    for (const QString &candidate : QStringList{"/dev/cdrom", "/dev/sr0"}) {
        if (QFile::exists(candidate)) {
            device = candidate;
            break;
        }
    }
    if (device.isEmpty())
        QSKIP("no optical drive on this machine");
    const auto platform = createNativePlatform();
    CdDrive drive(*platform);
    if (!drive.checkMedia(device.toStdString()))
        QSKIP("no disc in the drive");
    if (!drive.open(device.toStdString()))
        QSKIP("the disc has no readable track table");
    QVERIFY(drive.trackCount() > 0);
    const TrackEntry first = drive.tracks().front();
    QVERIFY(first.length > 0);
    QCOMPARE(drive.trackBytes(0), first.length * 2352);
}

QTEST_GUILESS_MAIN(TestCdDeviceLinux)
#include "tst_cddevicelinux.moc"
