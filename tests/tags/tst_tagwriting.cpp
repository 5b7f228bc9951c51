#include "albumgain.h"
#include "latertags.h"
#include "tagfixture.h"
#include "tagreader.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

// A fully tagged FLAC converted to each format as the program converts it,
// its tags written with the options and measured values over them, and
// read back field by field by another reader.
class TestTagWriting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFieldArrives_data();
    void everyFieldArrives();
    void untaggedSourceLeavesTheFile_data() { everyFieldArrives_data(); }
    void untaggedSourceLeavesTheFile();
    void albumValuesLater_data();
    void albumValuesLater();
    void noCueSheet_data();
    void noCueSheet();

private:
    QTemporaryDir m_dir;
    QString m_source;
    tags::SourceTags m_tags;
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void compareFields(const QJsonObject &read, const QJsonObject &expected)
{
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (it.value().isDouble())
            QCOMPARE(read.value(it.key()).toInt(), it.value().toInt());
        else
            QCOMPARE(read.value(it.key()).toString(), it.value().toString());
    }
}

} // namespace

void TestTagWriting::initTestCase()
{
    m_source = tagfixture::makeSource(QDir(m_dir.path()));
    QVERIFY2(!m_source.isEmpty(), "ffmpeg made no source");
    m_tags = tags::readTags(m_source);
    QVERIFY(m_tags.readable);
    QCOMPARE(m_tags.values, tagfixture::fullTags());
    QCOMPARE(m_tags.dropped, 0);
}

void TestTagWriting::everyFieldArrives_data()
{
    QTest::addColumn<QString>("format");
    for (const QString &format : tagfixture::formats())
        QTest::newRow(qPrintable(format)) << format;
}

void TestTagWriting::everyFieldArrives()
{
    QFETCH(QString, format);
    EncoderOptions options;
    options.title = "Chosen Title";
    options.year = 2021;
    const QString target = m_dir.filePath("target." + format);
    QVERIFY(tagfixture::convert(m_source, format, target, options));
    tags::TagMap measured{{"REPLAYGAIN_TRACK_GAIN", {"-1.00 dB"}}};
    if (format == "opus")
        measured.insert("R128_TRACK_GAIN", {"-1280"});

    const int fd = ::open(QFile::encodeName(target).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const bool written = tags::writeTags(fd, format, m_tags, options, measured);
    // The descriptor is the caller's and stays usable.
    QVERIFY(::fcntl(fd, F_GETFD) != -1);
    ::close(fd);

    QJsonObject expected = tagfixture::fullFields();
    expected["title"] = "Chosen Title";
    expected["date"] = "2021";
    expected["pictures"] = encoderarguments::keepsPicture(format) ? 1 : 0;
    QVERIFY(written);
    expected["rg_track_gain"] = "-1.00 dB";
    if (format == "opus")
        expected["r128_track_gain"] = "-1280";
    compareFields(tagfixture::readBack(target, format), expected);
}

// Nothing to write but the encoder's name away: the encoder's file stays
// byte for byte, with no pass over it.
void TestTagWriting::untaggedSourceLeavesTheFile()
{
    QFETCH(QString, format);
    const QString source = m_dir.filePath("plain.wav");
    QVERIFY(tagfixture::run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=d=1",
                                       "-fflags", "+bitexact", source}));
    tags::SourceTags untagged = tags::readTags(source);
    QVERIFY(untagged.readable);
    QVERIFY(untagged.values.isEmpty());
    const QString target = m_dir.filePath("untagged." + format);
    QVERIFY(tagfixture::convert(source, format, target));
    const QByteArray encoded = contents(target);
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const bool written = tags::writeTags(fd, format, untagged, {}, {});
    ::close(fd);
    QVERIFY(written);
    // Matroska's room for measured values goes all the same, in place.
    if (format == "mka")
        QCOMPARE(contents(target).size(), encoded.size());
    else
        QCOMPARE(contents(target), encoded);
}

void TestTagWriting::albumValuesLater_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("stand"); // what stands at the name by then
    QTest::newRow("m4a, the same file") << "m4a"
                                        << "same";
    QTest::newRow("wma, the same file") << "wma"
                                        << "same";
    QTest::newRow("mka, the same file") << "mka"
                                        << "same";
    QTest::newRow("mp3, renamed away") << "mp3"
                                       << "renamed";
    QTest::newRow("ogg, another file") << "ogg"
                                       << "other";
    QTest::newRow("flac, a link to it") << "flac"
                                        << "link";
    QTest::newRow("opus, replaced while copied") << "opus"
                                                 << "meanwhile";
}

void TestTagWriting::albumValuesLater()
{
    QFETCH(QString, format);
    QFETCH(QString, stand);
    const QString target = m_dir.filePath("album." + format);
    QVERIFY(tagfixture::convert(m_source, format, target));
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QVERIFY(tags::writeTags(fd, format, m_tags, {}, {{"REPLAYGAIN_TRACK_GAIN", {"-1.00 dB"}}}));
    const tags::FileIdentity identity = tags::identityOf(fd);
    ::close(fd);

    const QString moved = m_dir.filePath("moved." + format);
    QFile::remove(moved);
    if (stand == "renamed" || stand == "other" || stand == "link")
        QVERIFY(QFile::rename(target, moved));
    if (stand == "other")
        QVERIFY(QFile::copy(moved, target));
    else if (stand == "link")
        QVERIFY(QFile::link(moved, target));
    const QByteArray before = contents(target);
    const QStringList files = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    // As a run's album values go in: through a copy renamed over the file,
    // only while the name still stands for the file written.
    int looks = 0;
    const auto unchanged = [&] {
        return tags::identityAt(target) == identity && (stand != "meanwhile" || ++looks < 2);
    };
    QString error;
    const bool added = albumgain::rewrite(
        target, albumgain::temporaryBeside(target), format,
        {{"REPLAYGAIN_ALBUM_GAIN", {"-2.00 dB"}}, {"REPLAYGAIN_ALBUM_PEAK", {"0.500000"}}},
        unchanged, &error);
    QCOMPARE(added, stand == "same");
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), files);
    if (!added) {
        QVERIFY(error.contains(target));
        QCOMPARE(contents(target), before);
        return;
    }
    QJsonObject expected = tagfixture::fullFields();
    expected["rg_track_gain"] = "-1.00 dB";
    expected["rg_album_gain"] = "-2.00 dB";
    expected["rg_album_peak"] = "0.500000";
    compareFields(tagfixture::readBack(target, format), expected);
}

void TestTagWriting::noCueSheet_data()
{
    QTest::addColumn<bool>("readable"); // else the encoder's copy is what stands
    QTest::newRow("from the source") << true;
    QTest::newRow("from the encoder's copy") << false;
}

// The album's sheet is not the track's, whichever way it came.
void TestTagWriting::noCueSheet()
{
    QFETCH(bool, readable);
    const tags::TagMap image{{"TITLE", {"Album"}},
                             {"CUESHEET", {"FILE \"a.wav\" WAVE"}},
                             {"cuesheet", {"TRACK 01 AUDIO"}}};
    tags::SourceTags source;
    source.readable = readable;
    if (readable)
        source.values = image;
    for (const QString &format : QStringList{"mp3", "flac"}) {
        const tags::TagMap target =
            tags::targetTags(format, source, readable ? tags::TagMap() : image, {}, {});
        QCOMPARE(target, (tags::TagMap{{"TITLE", {"Album"}}}));
    }
}

QTEST_GUILESS_MAIN(TestTagWriting)
#include "tst_tagwriting.moc"
