#include "bytebuffer.h"
#include "cddrive.h"
#include "simulatedplatform.h"
#include "waveheader.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace discpull;

using TrackList = QList<QPair<int, int>>;
using Requests = QStringList;
Q_DECLARE_METATYPE(SimulatedDisc)

namespace {

QStringList requestsOf(const SimulatedPlatform &platform)
{
    QStringList out;
    for (const std::string &request : platform.requests())
        out << QString::fromStdString(request);
    return out;
}

// The reads the drive was asked for, as "lba count".
QStringList readsOf(const SimulatedPlatform &platform)
{
    QStringList reads;
    for (const QString &request : requestsOf(platform)) {
        if (request.startsWith("read "))
            reads << request.mid(5);
    }
    return reads;
}

quint32 le32(const QByteArray &bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

quint16 le16(const QByteArray &bytes, int at)
{
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

// Every sector of the simulated disc carries its LBA in its first four bytes.
bool sectorsAreInOrder(const unsigned char *data, qint64 size, qint32 firstLba)
{
    if (size % RawSectorSize != 0)
        return false;
    unsigned char expected[RawSectorSize];
    for (qint64 s = 0; s < size / RawSectorSize; ++s) {
        fillSimulatedSector(firstLba + qint32(s), expected);
        if (std::memcmp(data + s * RawSectorSize, expected, RawSectorSize) != 0)
            return false;
    }
    return true;
}

SimulatedDisc spectrumDisc()
{
    SimulatedDisc disc;
    disc.firstTrack = 1;
    disc.lastTrack = 3;
    disc.addAddress(0, 2, 0);
    disc.addAddress(4, 12, 0);
    disc.addAddress(8, 11, 0);
    disc.addAddress(13, 11, 0);
    return disc;
}

} // namespace

// The drive logic and the WAV writer over a simulated drive.
class TestCdDrive : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void trackTable_data();
    void trackTable();
    void msfToLbaSubtractsTheLeadIn();
    void readsWholeTrackInAscendingRequests_data();
    void readsWholeTrackInAscendingRequests();
    void badIndexFailsBeforeAnyFileIsCreated_data();
    void badIndexFailsBeforeAnyFileIsCreated();
    void closedDriveSendsNothing();
    void headerDescribesCdAudio();
    void waveHeaderFollowsItsArguments();
    void failuresFailTheExtraction_data();
    void failuresFailTheExtraction();
    void lockIsReleasedOnEveryWayOut_data();
    void lockIsReleasedOnEveryWayOut();
    void extractToMemory();
    void driveControls();
    void byteBufferKeepsContentsOnResize();
    void wavIsReadableByProbe();

private:
    QString wavPath() const { return m_dir.filePath("out.wav"); }
    QTemporaryDir m_dir;
};

void TestCdDrive::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(wavPath());
}

void TestCdDrive::trackTable_data()
{
    QTest::addColumn<SimulatedDisc>("disc");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<TrackList>("tracks");
    QTest::addColumn<QList<int>>("seconds");

    QTest::newRow("three tracks") << spectrumDisc() << true
                                  << TrackList{{0, 18750}, {18750, 17925}, {36675, 22500}}
                                  << QList<int>{250, 239, 300};

    SimulatedDisc firstTrackFive = spectrumDisc();
    firstTrackFive.firstTrack = 5;
    firstTrackFive.lastTrack = 6;
    QTest::newRow("numbering need not start at 1")
        << firstTrackFive << true << TrackList{{0, 18750}, {18750, 17925}} << QList<int>{250, 239};

    QTest::newRow("short track") << SimulatedDisc::withTrackLengths({74, 75}) << true
                                 << TrackList{{0, 74}, {74, 75}} << QList<int>{0, 1};

    SimulatedDisc empty = spectrumDisc();
    empty.firstTrack = 2;
    empty.lastTrack = 1;
    QTest::newRow("empty table") << empty << false << TrackList{} << QList<int>{};

    SimulatedDisc backwards;
    backwards.lastTrack = 2;
    backwards.addAddress(0, 2, 0);
    backwards.addAddress(0, 1, 0);
    backwards.addAddress(0, 3, 0);
    QTest::newRow("addresses going backwards") << backwards << false << TrackList{} << QList<int>{};

    // One track from 00:02:00 (LBA 0) to a lead-out at the given address.
    auto oneTrackTo = [](quint8 minute, quint8 second, quint8 frame) {
        SimulatedDisc disc;
        disc.lastTrack = 1;
        disc.addAddress(0, 2, 0);
        disc.addAddress(minute, second, frame);
        return disc;
    };
    // 913045 sectors are the most whose bytes an int can count.
    QTest::newRow("longest countable track")
        << oneTrackTo(202, 55, 70) << true << TrackList{{0, 913045}} << QList<int>{12173};
    QTest::newRow("one sector more")
        << oneTrackTo(202, 55, 71) << false << TrackList{} << QList<int>{};
    QTest::newRow("lead-out past minute 203")
        << oneTrackTo(250, 0, 0) << false << TrackList{} << QList<int>{};

    SimulatedDisc tooMany = spectrumDisc();
    tooMany.lastTrack = 255;
    QTest::newRow("more tracks than descriptors")
        << tooMany << false << TrackList{} << QList<int>{};
}

void TestCdDrive::trackTable()
{
    QFETCH(SimulatedDisc, disc);
    QFETCH(bool, opens);
    QFETCH(TrackList, tracks);
    QFETCH(QList<int>, seconds);

    SimulatedPlatform platform(disc);
    CdDrive drive(platform);
    QCOMPARE(drive.open("E"), opens);
    TrackList actual;
    for (const TrackEntry &entry : drive.tracks())
        actual << qMakePair(int(entry.start), int(entry.length));
    QCOMPARE(actual, tracks);
    QList<int> actualSeconds;
    for (int k = 0; k < drive.trackCount(); ++k)
        actualSeconds << drive.trackSeconds(quint32(k));
    QCOMPARE(actualSeconds, seconds);
    QCOMPARE(drive.trackSeconds(quint32(tracks.size())), -1);
    QCOMPARE(drive.trackBytes(quint32(tracks.size())), -1);
    if (!tracks.isEmpty())
        QCOMPARE(drive.trackBytes(0), tracks[0].second * 2352);
}

void TestCdDrive::msfToLbaSubtractsTheLeadIn()
{
    QCOMPARE(msfToLba(0, 2, 0), 0);
    QCOMPARE(msfToLba(0, 0, 0), -150);
    QCOMPARE(msfToLba(13, 11, 0), 59175);
    QCOMPARE(msfToLba(255, 255, 255), 255 * 4500 + 255 * 75 + 255 - 150);
}

void TestCdDrive::readsWholeTrackInAscendingRequests_data()
{
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("reads");

    QStringList longTrack;
    for (int k = 0; k < 882; ++k)
        longTrack << QString("%1 20").arg(k * 20);
    longTrack << "17640 5";
    QTest::newRow("17645 sectors") << QList<int>{17645} << 0 << longTrack;
    QTest::newRow("fewer than 20") << QList<int>{19} << 0 << QStringList{"0 19"};
    QTest::newRow("one sector") << QList<int>{1} << 0 << QStringList{"0 1"};
    QTest::newRow("multiple of 20, no empty read")
        << QList<int>{40} << 0 << QStringList{"0 20", "20 20"};
    QTest::newRow("second track starts later")
        << QList<int>{30, 45} << 1 << QStringList{"30 20", "50 20", "70 5"};
    QTest::newRow("empty track") << QList<int>{10, 0, 5} << 1 << QStringList{};
}

void TestCdDrive::readsWholeTrackInAscendingRequests()
{
    QFETCH(QList<int>, lengths);
    QFETCH(int, index);
    QFETCH(QStringList, reads);

    SimulatedPlatform platform(
        SimulatedDisc::withTrackLengths(std::vector<std::int32_t>(lengths.begin(), lengths.end())));
    CdDrive drive(platform, "E");
    QVERIFY(drive.isOpen());
    QVERIFY(drive.extractToWav(quint32(index), wavPath().toStdString()));
    QCOMPARE(readsOf(platform), reads);

    QFile file(wavPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const qint64 dataSize = qint64(lengths[index]) * 2352;
    QCOMPARE(bytes.size(), 44 + dataSize);
    QCOMPARE(le32(bytes, 40), quint32(dataSize));
    QCOMPARE(le32(bytes, 4), quint32(dataSize + 36));
    const TrackEntry entry = drive.tracks()[std::size_t(index)];
    QVERIFY(sectorsAreInOrder(reinterpret_cast<const unsigned char *>(bytes.constData()) + 44,
                              dataSize, entry.start));
}

void TestCdDrive::badIndexFailsBeforeAnyFileIsCreated_data()
{
    QTest::addColumn<quint32>("index");
    QTest::newRow("index equal to the count") << quint32(3);
    QTest::newRow("-1") << quint32(-1);
}

void TestCdDrive::badIndexFailsBeforeAnyFileIsCreated()
{
    QFETCH(quint32, index);
    SimulatedPlatform platform(spectrumDisc());
    CdDrive drive(platform, "E");
    QVERIFY(drive.isOpen());

    QVERIFY(!drive.extractToWav(index, wavPath().toStdString()));
    QVERIFY(!QFile::exists(wavPath()));

    QFile existing(wavPath());
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    QVERIFY(!drive.extractToWav(index, wavPath().toStdString()));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("keep me"));
    QVERIFY(readsOf(platform).isEmpty());
    QVERIFY(!requestsOf(platform).join('\n').contains("create"));
}

void TestCdDrive::closedDriveSendsNothing()
{
    SimulatedPlatform platform(spectrumDisc());
    {
        CdDrive drive(platform);
        drive.close();
        QVERIFY(!drive.isOpen());
        QCOMPARE(drive.trackCount(), -1);
        QCOMPARE(drive.trackSeconds(0), -1);
        QCOMPARE(drive.trackBytes(0), -1);
        QVERIFY(!drive.extractToWav(0, wavPath().toStdString()));
        ByteBuffer buffer;
        QVERIFY(!drive.extractToMemory(0, buffer));
        QVERIFY(!drive.preventRemoval());
        QVERIFY(!drive.allowRemoval());
        QVERIFY(!drive.eject());
        QVERIFY(!drive.loadMedia());
        QVERIFY(!drive.checkMedia());
    }
    QCOMPARE(requestsOf(platform), QStringList{});
    QVERIFY(!QFile::exists(wavPath()));
}

void TestCdDrive::headerDescribesCdAudio()
{
    SimulatedPlatform platform(SimulatedDisc::withTrackLengths({3}));
    CdDrive drive(platform, "E");
    QVERIFY(drive.extractToWav(0, wavPath().toStdString()));
    QFile file(wavPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.read(44);
    QCOMPARE(bytes.left(16), QByteArray("RIFF\xb4\x1b\x00\x00WAVEfmt ", 16));
    QCOMPARE(le32(bytes, 16), 16u);
    QCOMPARE(bytes.mid(20, 16),
             QByteArray("\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00", 16));
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    QCOMPARE(le32(bytes, 40), 3u * 2352u);
}

void TestCdDrive::waveHeaderFollowsItsArguments()
{
    const auto bytes = makeWaveHeader(22050, 8, 1, 1000).bytes();
    const QByteArray header(reinterpret_cast<const char *>(bytes.data()), int(bytes.size()));
    QCOMPARE(le32(header, 4), 1036u);
    QCOMPARE(le16(header, 22), quint16(1));
    QCOMPARE(le32(header, 24), 22050u);
    QCOMPARE(le32(header, 28), 22050u);
    QCOMPARE(le16(header, 32), quint16(1));
    QCOMPARE(le16(header, 34), quint16(8));
}

void TestCdDrive::failuresFailTheExtraction_data()
{
    QTest::addColumn<SimulatedDisc>("disc");
    QTest::addColumn<qint64>("fileSize"); // -1: no file

    // 45 sectors: requests at 0, 20 and 40.
    SimulatedDisc readFails = SimulatedDisc::withTrackLengths({45});
    readFails.failReadAt = 25;
    QTest::newRow("second read fails, written part stays") << readFails << qint64(44 + 20 * 2352);

    SimulatedDisc lastReadFails = SimulatedDisc::withTrackLengths({45});
    lastReadFails.failReadAt = 44;
    QTest::newRow("remainder read fails") << lastReadFails << qint64(44 + 40 * 2352);

    SimulatedDisc fullDisk = SimulatedDisc::withTrackLengths({45});
    fullDisk.writeLimit = 44 + 30 * 2352;
    QTest::newRow("short write") << fullDisk << qint64(44 + 30 * 2352);

    SimulatedDisc headerCut = SimulatedDisc::withTrackLengths({45});
    headerCut.writeLimit = 10;
    QTest::newRow("header write cut short") << headerCut << qint64(10);

    SimulatedDisc noFile = SimulatedDisc::withTrackLengths({45});
    noFile.failCreate = true;
    QTest::newRow("file not created") << noFile << qint64(-1);

    SimulatedDisc closeFails = SimulatedDisc::withTrackLengths({45});
    closeFails.failFileClose = true;
    QTest::newRow("close fails") << closeFails << qint64(44 + 45 * 2352);
}

void TestCdDrive::failuresFailTheExtraction()
{
    QFETCH(SimulatedDisc, disc);
    QFETCH(qint64, fileSize);
    SimulatedPlatform platform(disc);
    CdDrive drive(platform, "E");
    QVERIFY(drive.isOpen());
    QVERIFY(!drive.extractToWav(0, wavPath().toStdString()));
    QCOMPARE(QFileInfo(wavPath()).exists() ? QFileInfo(wavPath()).size() : qint64(-1), fileSize);
    // No request after the failure: each is issued once and its result is final.
    QStringList reads = readsOf(platform);
    QCOMPARE(reads.removeDuplicates(), 0);
}

void TestCdDrive::lockIsReleasedOnEveryWayOut_data()
{
    QTest::addColumn<SimulatedDisc>("disc");
    QTest::addColumn<QStringList>("requests");

    const QStringList okRun{"open E",   "lock",   "toc",    "create out.wav",
                            "read 0 5", "unlock", "release"};
    QTest::newRow("success") << SimulatedDisc::withTrackLengths({5}) << okRun;

    SimulatedDisc noOpen = SimulatedDisc::withTrackLengths({5});
    noOpen.failOpen = true;
    QTest::newRow("open fails") << noOpen << QStringList{"open E"};

    SimulatedDisc noLock = SimulatedDisc::withTrackLengths({5});
    noLock.failLock = true;
    QTest::newRow("lock fails") << noLock << QStringList{"open E", "lock", "unlock", "release"};

    SimulatedDisc noToc = SimulatedDisc::withTrackLengths({5});
    noToc.failToc = true;
    QTest::newRow("toc fails") << noToc
                               << QStringList{"open E", "lock", "toc", "unlock", "release"};

    SimulatedDisc empty = SimulatedDisc::withTrackLengths({});
    QTest::newRow("empty toc") << empty
                               << QStringList{"open E", "lock", "toc", "unlock", "release"};

    SimulatedDisc readFails = SimulatedDisc::withTrackLengths({5});
    readFails.failReadAt = 0;
    QTest::newRow("read fails") << readFails << okRun;

    SimulatedDisc writeFails = SimulatedDisc::withTrackLengths({5});
    writeFails.writeLimit = 0;
    QTest::newRow("write fails") << writeFails
                                 << QStringList{"open E",         "lock",   "toc",
                                                "create out.wav", "unlock", "release"};
}

void TestCdDrive::lockIsReleasedOnEveryWayOut()
{
    QFETCH(SimulatedDisc, disc);
    QFETCH(QStringList, requests);
    SimulatedPlatform platform(disc);
    {
        CdDrive drive(platform, "E");
        if (drive.isOpen() && drive.trackCount() > 0)
            drive.extractToWav(0, wavPath().toStdString());
    }
    QStringList actual = requestsOf(platform);
    actual.replaceInStrings(wavPath(), "out.wav");
    QCOMPARE(actual, requests);
}

void TestCdDrive::extractToMemory()
{
    SimulatedPlatform platform(SimulatedDisc::withTrackLengths({7, 45}));
    CdDrive drive(platform, "E");
    ByteBuffer buffer;
    QVERIFY(drive.extractToMemory(1, buffer));
    QCOMPARE(buffer.size(), 45 * 2352);
    QVERIFY(sectorsAreInOrder(buffer.data(), buffer.size(), 7));
    QCOMPARE(readsOf(platform), (QStringList{"7 20", "27 20", "47 5"}));

    SimulatedDisc failing = SimulatedDisc::withTrackLengths({45});
    failing.failReadAt = 30;
    SimulatedPlatform failingPlatform(failing);
    CdDrive failingDrive(failingPlatform, "E");
    QVERIFY(!failingDrive.extractToMemory(0, buffer));
    QVERIFY(buffer.data() == nullptr);
    QCOMPARE(buffer.size(), 0);
}

void TestCdDrive::driveControls()
{
    SimulatedPlatform platform(spectrumDisc());
    CdDrive drive(platform, "E");
    platform.clearRequests();
    QVERIFY(drive.eject());
    QVERIFY(drive.loadMedia());
    QVERIFY(drive.checkMedia());
    QVERIFY(drive.allowRemoval());
    QVERIFY(drive.preventRemoval());
    QCOMPARE(requestsOf(platform), (QStringList{"eject", "load", "check", "unlock", "lock"}));

    // Checking another drive uses a handle of its own and closes it again.
    platform.clearRequests();
    QVERIFY(drive.checkMedia("F"));
    QCOMPARE(requestsOf(platform), (QStringList{"open F", "check", "release"}));
    QVERIFY(drive.isOpen());
}

void TestCdDrive::byteBufferKeepsContentsOnResize()
{
    ByteBuffer buffer;
    QVERIFY(buffer.allocate(4));
    std::memcpy(buffer.data(), "abcd", 4);
    QVERIFY(buffer.resize(100000));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer.data()), 4), QByteArray("abcd"));
    QVERIFY(buffer.resize(2));
    QCOMPARE(buffer.size(), 2);
    QVERIFY(!buffer.resize(-1));
    QCOMPARE(buffer.size(), 2);
    buffer.release();
    QVERIFY(buffer.data() == nullptr);
    QCOMPARE(buffer.size(), 0);
}

void TestCdDrive::wavIsReadableByProbe()
{
    const QString probe = QStandardPaths::findExecutable("ffprobe");
    if (probe.isEmpty())
        QSKIP("ffprobe is not installed");
    // 262 sectors of 1/75 s each: 3.4933 s.
    SimulatedPlatform platform(SimulatedDisc::withTrackLengths({150, 262}));
    CdDrive drive(platform, "E");
    QVERIFY(drive.extractToWav(1, wavPath().toStdString()));

    QProcess process;
    process.start(probe, {"-v", "error", "-show_entries",
                          "stream=codec_name,sample_rate,channels:format=duration", "-of",
                          "default=noprint_wrappers=1", wavPath()});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(out.contains("codec_name=pcm_s16le"), qPrintable(out));
    QVERIFY2(out.contains("sample_rate=44100"), qPrintable(out));
    QVERIFY2(out.contains("channels=2"), qPrintable(out));
    QVERIFY2(out.contains("duration=3.493333"), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestCdDrive)
#include "tst_cddrive.moc"
