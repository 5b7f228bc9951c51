#include "cdtrack.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

// The audio-CD stage's helpers: recognising entries, the extractor's
// arguments and the temporary WAV reservation.
class TestCdTrack : public QObject
{
    Q_OBJECT
private slots:
    void isCdTrack_data();
    void isCdTrack();
    void trackIndex_data();
    void trackIndex();
    void driveFromMountTable_data();
    void driveFromMountTable();
    void temporaryWavIsReservedInItsFolder();
    void temporaryWavFailsCleanly_data();
    void temporaryWavFailsCleanly();
    void extractorArguments();
    void completeWav_data();
    void completeWav();
};

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xff);
    return bytes;
}

// A RIFF WAVE file: the chunks given, then a "data" chunk that claims
// `claimed` bytes and holds `held`.
QByteArray wavBytes(quint32 claimed, int held, const QByteArray &chunksBefore = {})
{
    const QByteArray format = "fmt " + le32(16) +
                              QByteArray::fromHex("01000200441b0100104b0000"
                                                  "04001000");
    const QByteArray body =
        "WAVE" + format + chunksBefore + "data" + le32(claimed) + QByteArray(held, '\x11');
    return "RIFF" + le32(quint32(body.size())) + body;
}

} // namespace

void TestCdTrack::isCdTrack_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("cd");
    QTest::newRow("windows entry") << "D:\\Track01.cda" << true;
    QTest::newRow("linux entry") << "/media/cd/Track 1.cda" << true;
    QTest::newRow("capital extension") << "D:\\TRACK01.CDA" << false;
    QTest::newRow("mixed case extension") << "D:\\Track01.Cda" << false;
    QTest::newRow("cda inside the name") << "/music/x.cda.flac" << false;
    QTest::newRow("ordinary file") << "/music/song.flac" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCdTrack::isCdTrack()
{
    QFETCH(QString, path);
    QFETCH(bool, cd);
    QCOMPARE(cdtrack::isCdTrack(path), cd);
}

void TestCdTrack::trackIndex_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("index");
    QTest::newRow("Track01") << "Track01.cda" << 0;
    QTest::newRow("Track10") << "Track10.cda" << 9;
    QTest::newRow("Track100") << "Track100.cda" << 99;
    QTest::newRow("Track00") << "Track00.cda" << -1;
    QTest::newRow("digits joined across text") << "Disc2 Track05.cda" << 204;
    QTest::newRow("zeros after a digit count") << "Track 1 0.cda" << 9;
    QTest::newRow("no digits") << "Track.cda" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("folders do not count") << "/media/cd2/Track03.cda" << 2;
    QTest::newRow("only ASCII digits") << QString::fromUtf8("Track\u0663.cda") << -1;
    QTest::newRow("long run saturates") << "Track99999999999999999999999.cda" << INT_MAX - 1;
}

void TestCdTrack::trackIndex()
{
    QFETCH(QString, fileName);
    QFETCH(int, index);
    QCOMPARE(cdtrack::trackIndexFromFileName(fileName), index);
}

void TestCdTrack::driveFromMountTable_data()
{
    QTest::addColumn<QByteArray>("mountInfo");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("drive");

    const QByteArray table = "22 1 0:21 / / rw,relatime shared:1 - ext4 /dev/vda rw\n"
                             "30 22 11:0 / /media/user/Audio\\040CD rw,nosuid shared:5 master:2 - "
                             "iso9660 /dev/sr0 ro\n"
                             "31 22 11:1 / /media/user/Audio rw shared:6 - udf /dev/sr1 ro\n"
                             "32 22 8:17 / /media/user/usb rw - vfat /dev/sdb1 rw\n"
                             "33 30 0:41 / /media/user/Audio\\040CD/sub rw - tmpfs tmpfs rw\n";
    QTest::newRow("escaped mount point") << table << "/media/user/Audio CD/Track01.cda"
                                         << "/dev/sr0";
    QTest::newRow("prefix of another mount point") << table << "/media/user/Audio/Track01.cda"
                                                   << "/dev/sr1";
    QTest::newRow("path is cleaned first") << table << "/media/user/Audio CD/../Audio/Track02.cda"
                                           << "/dev/sr1";
    QTest::newRow("not an optical drive") << table << "/media/user/usb/Track01.cda"
                                          << "/dev/cdrom";
    QTest::newRow("deeper mount wins") << table << "/media/user/Audio CD/sub/Track01.cda"
                                       << "/dev/cdrom";
    QTest::newRow("root file system") << table << "/home/user/Track01.cda"
                                      << "/dev/cdrom";
    QTest::newRow("later mount hides earlier")
        << table + "40 22 11:2 / /media/user/Audio rw - iso9660 /dev/sr2 ro\n"
        << "/media/user/Audio/Track01.cda"
        << "/dev/sr2";
    QTest::newRow("empty table") << QByteArray() << "/media/cd/Track01.cda"
                                 << "/dev/cdrom";
    QTest::newRow("damaged lines")
        << QByteArray("garbage\n1 2 3\n - - -\n\n") << "/media/cd/Track01.cda"
        << "/dev/cdrom";
}

void TestCdTrack::driveFromMountTable()
{
    QFETCH(QByteArray, mountInfo);
    QFETCH(QString, path);
    QFETCH(QString, drive);
    QCOMPARE(cdtrack::driveForPath(path, mountInfo), drive);
}

void TestCdTrack::temporaryWavIsReservedInItsFolder()
{
    QString error;
    QTemporaryDir temp;
    const QString first = cdtrack::createTemporaryWav(temp.path(), &error);
    const QString second = cdtrack::createTemporaryWav(temp.path(), &error);
    QVERIFY2(!first.isEmpty(), qPrintable(error));
    QVERIFY(!second.isEmpty());
    QVERIFY(first != second);
    for (const QString &path : {first, second}) {
        const QFileInfo info(path);
        QVERIFY(info.exists());
        QCOMPARE(info.size(), qint64(0));
        QCOMPARE(info.permissions() &
                     ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
                 QFile::Permissions());
        QCOMPARE(QDir::cleanPath(info.absolutePath()), QDir::cleanPath(temp.path()));
        QVERIFY2(QRegularExpression("^[0-9A-Za-z]{8}\\.wav$").match(info.fileName()).hasMatch(),
                 qPrintable(path));
        QVERIFY(!path.contains('\\'));
        QFile::remove(path);
    }
}

void TestCdTrack::temporaryWavFailsCleanly_data()
{
    QTest::addColumn<bool>("isFile");
    QTest::newRow("missing folder") << false;
    QTest::newRow("a file instead of a folder") << true;
}

void TestCdTrack::temporaryWavFailsCleanly()
{
    QFETCH(bool, isFile);
    QTemporaryDir dir;
    const QString temp = dir.filePath("temp");
    if (isFile) {
        QFile file(temp);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QString error;
    const QString path = cdtrack::createTemporaryWav(temp, &error);
    QVERIFY(path.isEmpty());
    QVERIFY(!error.isEmpty());
    QCOMPARE(QFileInfo(temp).isFile(), isFile);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
             isFile ? 1 : 0);
    // Nothing was created elsewhere in its place.
    QCOMPARE(QDir("/").entryList({"*.wav"}, QDir::Files), QStringList());
}

void TestCdTrack::extractorArguments()
{
    const QString cda = "/media/user/Audio CD/Track03.cda";
    const QStringList args = cdtrack::extractorArguments(cda, "/tmp/Ab3dEf9h.wav");
    QCOMPARE(args, (QStringList{cdtrack::driveForPath(cda), "2", "/tmp/Ab3dEf9h.wav"}));
    QVERIFY(!args[0].isEmpty());
}

void TestCdTrack::completeWav_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("complete");
    QTest::newRow("whole track") << wavBytes(4000, 4000) << true;
    QTest::newRow("empty track") << wavBytes(0, 0) << true;
    QTest::newRow("one byte short") << wavBytes(4000, 3999) << false;
    QTest::newRow("header only") << wavBytes(4000, 0) << false;
    QTest::newRow("odd chunk before the data")
        << wavBytes(4, 4, "LIST" + le32(3) + QByteArray("abc\0", 4)) << true;
    QTest::newRow("chunk past the end") << wavBytes(4, 4, "LIST" + le32(9999)) << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("not a wave file") << QByteArray("RIFFwave") << false;
    QTest::newRow("no data chunk") << wavBytes(0, 0).left(36) << false;
}

void TestCdTrack::completeWav()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, complete);
    QTemporaryDir dir;
    QFile file(dir.filePath("track.wav"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QCOMPARE(cdtrack::isCompleteWav(file.fileName()), complete);
    QVERIFY(!cdtrack::isCompleteWav(dir.filePath("missing.wav")));
}

QTEST_GUILESS_MAIN(TestCdTrack)
#include "tst_cdtrack.moc"
