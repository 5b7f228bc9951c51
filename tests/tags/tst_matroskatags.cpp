#include "latertags.h"
#include "matroskaroom.h"
#include "tagfixture.h"
#include "tagreader.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

// Measured values written into the room the encoder left in a Matroska
// file, read back by ffprobe; damaged files refused without a byte changed.
class TestMatroskaTags : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roomTakesTrackThenAlbum();
    void everyLengthFitsOrIsRefused();
    void damagedFilesStayAsTheyAre_data();
    void damagedFilesStayAsTheyAre();

private:
    QString copyOfMade(const QByteArray &bytes);

    QTemporaryDir m_dir;
    tags::SourceTags m_tags;
    QByteArray m_made; // a conversion with the room, as the encoder wrote it
    int m_copies = 0;
};

namespace {

const tags::TagMap TrackValues{{"REPLAYGAIN_TRACK_GAIN", {"-1.00 dB"}},
                               {"REPLAYGAIN_TRACK_PEAK", {"0.500000"}}};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where the Tags element starts: its ID, a two-byte size and its checksum
// (the seek head ahead of it holds the ID too).
qsizetype tagsAt(const QByteArray &bytes)
{
    for (qsizetype at = bytes.indexOf("\x12\x54\xC3\x67"); at >= 0;
         at = bytes.indexOf("\x12\x54\xC3\x67", at + 1)) {
        if ((quint8(bytes.at(at + 4)) & 0xC0) == 0x40 && bytes.at(at + 6) == '\xBF')
            return at;
    }
    return -1;
}

bool writeMeasured(const QString &path, const tags::TagMap &values)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    const bool written = fd >= 0 && tags::writeTags(fd, "mka", {}, {}, values);
    if (fd >= 0)
        ::close(fd);
    return written;
}

// What ffprobe prints of the file's tags, and whether the audio decodes
// without a word from the decoder.
QByteArray probed(const QString &path)
{
    QByteArray out;
    tagfixture::run("ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", path},
                    &out);
    return out;
}

bool decodesCleanly(const QString &path)
{
    QProcess decoder;
    decoder.start("ffmpeg", {"-v", "error", "-i", path, "-f", "null", "-"});
    return decoder.waitForFinished(60000) && decoder.exitCode() == 0 &&
           decoder.readAllStandardError().isEmpty();
}

} // namespace

void TestMatroskaTags::initTestCase()
{
    const QString source = tagfixture::makeSource(QDir(m_dir.path()));
    QVERIFY2(!source.isEmpty(), "ffmpeg made no source");
    m_tags = tags::readTags(source);
    const QString made = m_dir.filePath("made.mka");
    QVERIFY(tagfixture::convert(source, "mka", made));
    m_made = contents(made);
    QVERIFY(probed(made).contains(tags::MatroskaRoomName));
}

QString TestMatroskaTags::copyOfMade(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QString("copy%1.mka").arg(++m_copies));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestMatroskaTags::roomTakesTrackThenAlbum()
{
    const QString path = copyOfMade(m_made);
    QVERIFY(writeMeasured(path, TrackValues));
    QByteArray now = contents(path);
    QCOMPARE(now.size(), m_made.size());
    // Only the tags changed: nothing after them moved.
    const qsizetype tags = tagsAt(m_made);
    const qsizetype cluster = m_made.indexOf("\x1F\x43\xB6\x75");
    QVERIFY(tags > 0 && cluster > tags);
    QCOMPARE(now.left(tags), m_made.left(tags));
    QCOMPARE(now.mid(cluster), m_made.mid(cluster));

    QJsonObject read = tagfixture::readBack(path, "mka");
    QCOMPARE(read.value("rg_track_gain").toString(), QString("-1.00 dB"));
    QCOMPARE(read.value("rg_track_peak").toString(), QString("0.500000"));
    // The source's album values stay until the album's are known.
    QCOMPARE(read.value("rg_album_gain").toString(), QString("-7.10 dB"));
    QCOMPARE(read.value("isrc").toString(), QString("USABC1234567"));
    QVERIFY(!probed(path).contains(tags::MatroskaRoomName));
    QVERIFY(!probed(path).contains("-6.50 dB")); // the source's track gain

    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const tags::FileIdentity identity = tags::identityOf(fd);
    ::close(fd);
    QVERIFY(tags::addTags(
        path, identity, "mka",
        {{"REPLAYGAIN_ALBUM_GAIN", {"-2.00 dB"}}, {"REPLAYGAIN_ALBUM_PEAK", {"0.750000"}}}));
    read = tagfixture::readBack(path, "mka");
    QCOMPARE(read.value("rg_track_gain").toString(), QString("-1.00 dB"));
    QCOMPARE(read.value("rg_album_gain").toString(), QString("-2.00 dB"));
    QCOMPARE(read.value("rg_album_peak").toString(), QString("0.750000"));
    QVERIFY(decodesCleanly(path));

    // More than the room holds: refused, nothing written.
    now = contents(path);
    QVERIFY(!tags::addTags(path, identity, "mka", {{"LYRICS", {QString(400, 'x')}}}));
    QCOMPARE(contents(path), now);

    // A silent track has no values; the room goes all the same.
    const QString silent = copyOfMade(m_made);
    QVERIFY(writeMeasured(silent, {}));
    QVERIFY(!probed(silent).contains(tags::MatroskaRoomName));
    QCOMPARE(tagfixture::readBack(silent, "mka").value("rg_track_gain").toString(),
             QString("-6.50 dB"));
}

void TestMatroskaTags::everyLengthFitsOrIsRefused()
{
    // Around the room's size, where the Void left over shrinks to nothing,
    // to the one byte no element can have, and below.
    const QString path = copyOfMade(m_made);
    int fitted = 0;
    for (int length = 180; length <= 215; ++length) {
        QFile::remove(path);
        QVERIFY(QFile::copy(m_dir.filePath("made.mka"), path));
        const QString value(length, QLatin1Char('v'));
        if (writeMeasured(path, {{"REPLAYGAIN_TRACK_GAIN", {value}}})) {
            ++fitted;
            QVERIFY2(probed(path).contains(
                         QByteArray("REPLAYGAIN_TRACK_GAIN=").append(value.toLatin1())),
                     qPrintable(QString::number(length)));
        } else {
            QCOMPARE(contents(path), m_made);
        }
    }
    QVERIFY(fitted > 0 && fitted < 36);
}

void TestMatroskaTags::damagedFilesStayAsTheyAre_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const qsizetype tags = tagsAt(m_made);
    const qsizetype segment = m_made.indexOf("\x18\x53\x80\x67");
    QVERIFY(segment > 0 && tags > segment);
    QByteArray bytes;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no matroska") << QByteArray(4096, '\x42');
    QTest::newRow("cut in the tags") << m_made.left(tags + 60);
    bytes = m_made;
    bytes[tags + 4] = '\x7F';
    bytes[tags + 5] = '\xFE';
    QTest::newRow("tags past the end") << bytes;
    bytes[tags + 5] = '\xFF';
    QTest::newRow("tags of unknown size") << bytes;
    bytes = m_made;
    const qsizetype encoder = bytes.indexOf("Lavf", tags);
    QVERIFY(encoder > tags);
    bytes[encoder] = 'l';
    QTest::newRow("checksum off") << bytes;
    bytes = m_made;
    bytes[tags] = '\x10'; // no tags ahead of the first cluster
    QTest::newRow("no tags before the audio") << bytes;
    // Half a million empty elements in one tag.
    const auto master = [](const QByteArray &id, const QByteArray &payload) -> QByteArray {
        QByteArray size(8, '\0');
        size[0] = '\x01';
        for (int i = 7, value = int(payload.size()); i > 0; --i, value >>= 8)
            size[i] = char(value & 0xFF);
        return id + size + payload;
    };
    QTest::newRow("too many elements")
        << m_made.left(segment) +
               master("\x18\x53\x80\x67",
                      master("\x12\x54\xC3\x67",
                             master("\x73\x73", QByteArray("\xEC\x80").repeated(500000))));
}

void TestMatroskaTags::damagedFilesStayAsTheyAre()
{
    QFETCH(QByteArray, bytes);
    const QString path = copyOfMade(bytes);
    QVERIFY(!path.isEmpty());
    QVERIFY(!writeMeasured(path, TrackValues));
    QCOMPARE(contents(path), bytes);
}

QTEST_GUILESS_MAIN(TestMatroskaTags)
#include "tst_matroskatags.moc"
