#include "e2etools.h"

#include <QTemporaryDir>
#include <QTest>

// The real program with the real encoder: one source into each format, the
// cover a source carries, the audio stream taken, Opus rates.
class TestE2eFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convertsIntoEveryFormat_data();
    void convertsIntoEveryFormat();
    void quietSourcesConvert_data();
    void quietSourcesConvert();
    void covers_data();
    void covers();
    void takesTheFirstAudioStream_data();
    void takesTheFirstAudioStream();
    void opusRates_data();
    void opusRates();

private:
    bool makeSources();
    QTemporaryDir m_config;
    QTemporaryDir m_sources;
    QString m_wav;
};

namespace {

using e2e::contents;

// Runs the program on a copy of the source in a folder of its own; the
// target's path, or empty when the program did not end with 0.
QString convert(const QString &configDir, const QString &word, const QString &source,
                const QTemporaryDir &dir, const QString &extension)
{
    const QString copy = dir.filePath(QFileInfo(source).fileName());
    if (!QFile::copy(source, copy))
        return {};
    if (e2e::runProgram({word, copy}, e2e::programEnvironment(configDir), e2e::tonewright(),
                        60000)
            .status != 0)
        return {};
    const QFileInfo info(copy);
    const QString suffix = info.suffix() == extension ? "_1." : ".";
    return dir.filePath(info.completeBaseName() + suffix + extension);
}

QList<QJsonObject> streamsOf(const QString &path, const QString &type)
{
    QList<QJsonObject> found;
    for (const QJsonValue &value : e2e::probeJson(path).value("streams").toArray()) {
        if (value.toObject().value("codec_type").toString() == type)
            found << value.toObject();
    }
    return found;
}

// An MP3 whose ID3 tag holds one picture frame with these bytes, written by
// hand: the encoder would not write a picture it cannot read.
bool writeMp3WithPicture(const QString &path, const QByteArray &plainMp3, const QByteArray &mime,
                         const QByteArray &picture)
{
    const QByteArray body =
        QByteArray(1, '\0') + mime + QByteArray(1, '\0') + '\x03' + QByteArray(1, '\0') + picture;
    QByteArray frame = "APIC";
    for (int shift : {24, 16, 8, 0})
        frame += char((body.size() >> shift) & 0xff);
    frame += QByteArray(2, '\0') + body;
    QByteArray tag = QByteArray("ID3\x03\x00\x00", 6);
    for (int shift : {21, 14, 7, 0}) // sizes in the tag header are 7 bits a byte
        tag += char((frame.size() >> shift) & 0x7f);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(tag + frame + plainMp3) > 0;
}

} // namespace

bool TestE2eFormats::makeSources()
{
    auto ffmpeg = [](const QStringList &arguments) {
        return e2e::run("ffmpeg", QStringList{"-v", "error", "-y"} + arguments) == 0;
    };
    auto at = [this](const char *name) { return m_sources.filePath(name); };
    const QStringList picture{"-f", "lavfi", "-i", "testsrc=s=64x48", "-frames:v", "1"};
    auto withCover = [&](const char *cover, const char *target) {
        return ffmpeg({"-i", m_wav, "-i", at(cover), "-map", "0", "-map", "1", "-c:v", "copy",
                       "-disposition:v", "attached_pic", at(target)});
    };
    const QByteArray noise(3000, '\x5a');
    return ffmpeg(picture + QStringList{at("cover.png")}) &&
           ffmpeg(picture + QStringList{at("cover.jpg")}) &&
           ffmpeg(picture + QStringList{at("cover.gif")}) && withCover("cover.png", "png.flac") &&
           withCover("cover.jpg", "jpeg.mp3") && withCover("cover.png", "png.m4a") &&
           ffmpeg({"-i", m_wav, "-id3v2_version", "0", at("plain.mp3")}) &&
           writeMp3WithPicture(at("undecodable.mp3"), contents(at("plain.mp3")), "image/jpeg",
                               noise) &&
           writeMp3WithPicture(at("gif.mp3"), contents(at("plain.mp3")), "image/gif",
                               contents(at("cover.gif"))) &&
           // A film whose second audio stream is flagged as the one to play.
           ffmpeg(QString("-f lavfi -i testsrc=d=2:s=160x120 -f lavfi -i sine=d=2 -f lavfi -i "
                          "aevalsrc=sin(440*2*PI*t)|sin(660*2*PI*t):d=2 -map 0 -map 1 -map 2 "
                          "-c:v mpeg4 -c:a flac -disposition:a:0 0 -disposition:a:1 default")
                      .split(' ')
                  << at("film.mkv")) &&
           ffmpeg({"-f", "lavfi", "-i", "sine=d=3", at("mono.wav")}) &&
           ffmpeg({"-f", "lavfi", "-i",
                   "aevalsrc=0.3*sin(440*2*PI*t)|0.3*sin(660*2*PI*t):d=60:s=44100",
                   at("tone.wav")}) &&
           // Sources whose audio compresses below a kilobyte.
           ffmpeg({"-f", "lavfi", "-i", "anullsrc=r=44100:cl=stereo", "-t", "0.1",
                   at("silence-0.1.wav")}) &&
           ffmpeg({"-f", "lavfi", "-i", "anullsrc=r=44100:cl=stereo", "-t", "1",
                   at("silence-1.wav")}) &&
           ffmpeg({"-f", "lavfi", "-i", "anullsrc=r=44100:cl=stereo", "-t", "2",
                   at("silence-2.wav")}) &&
           ffmpeg({"-f", "lavfi", "-i", "anoisesrc=d=0.5:c=brown:r=44100:a=0.0003:seed=7",
                   at("room-noise.wav")});
}

void TestE2eFormats::initTestCase()
{
    // The program runs with folders of the suite's own (see e2etools.h);
    // nothing here reaches the user's.
    QStandardPaths::setTestModeEnabled(true);
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
    QVERIFY(QFileInfo(e2e::tonewright()).isExecutable());
    m_wav = m_sources.filePath("source.wav");
    QVERIFY(e2e::makeWav(m_wav));
    QVERIFY(e2e::writeSettings(m_config.path(), "192"));
    QVERIFY(makeSources());
}

void TestE2eFormats::convertsIntoEveryFormat_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<bool>("lossy");

    const struct
    {
        const char *word, *extension, *container, *codec;
        bool lossy;
    } rows[] = {
        {"mp3", "mp3", "mp3", "mp3", true},
        {"m4a", "m4a", "mov,mp4,m4a,3gp,3g2,mj2", "aac", true},
        {"wma", "wma", "asf", "wmav2", true},
        {"wav", "wav", "wav", "pcm_s16le", false},
        {"fla", "flac", "flac", "flac", false},
        {"aac", "aac", "aac", "aac", true},
        {"ogg", "ogg", "ogg", "vorbis", true},
        {"mka", "mka", "matroska,webm", "vorbis", true},
        {"opus", "opus", "ogg", "opus", true},
    };
    for (const auto &row : rows)
        QTest::newRow(row.word) << QString(row.word) << QString(row.extension)
                                << QString(row.container) << QString(row.codec) << row.lossy;
}

void TestE2eFormats::convertsIntoEveryFormat()
{
    QFETCH(QString, word);
    QFETCH(QString, extension);
    QFETCH(QString, container);
    QFETCH(QString, codec);
    QFETCH(bool, lossy);

    QTemporaryDir dir;
    const QString target = convert(m_config.path(), word, m_wav, dir, extension);
    QVERIFY2(!target.isEmpty(), "the program did not end with 0");
    const e2e::Probe result = e2e::probe(target);
    QVERIFY2(result.ok, qPrintable(target));
    QCOMPARE(result.formatName, container);
    QCOMPARE(result.codec, codec);
    QVERIFY2(qAbs(result.duration - 4.0) < 0.1, qPrintable(QString::number(result.duration)));
    // Vorbis treats the bitrate as an average over variable frames, so its
    // files come out somewhat below the rate asked for.
    if (lossy)
        QVERIFY2(result.kbps > 192 * 0.7 && result.kbps < 192 * 1.25,
                 qPrintable(QString::number(result.kbps)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

// However small the encoded audio, a source with audio converts, into every format.
void TestE2eFormats::quietSourcesConvert_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("source");
    QTest::addColumn<double>("seconds");
    const QList<std::pair<QString, double>> sources{{"silence-0.1.wav", 0.1},
                                                    {"silence-1.wav", 1},
                                                    {"silence-2.wav", 2},
                                                    {"room-noise.wav", 0.5}};
    for (const char *word : {"mp3", "m4a", "wma", "wav", "fla", "aac", "ogg", "mka", "opus"}) {
        for (const auto &[source, seconds] : sources) {
            QTest::addRow("%s %s", word, qPrintable(source))
                << QString(word) << QString(qstrcmp(word, "fla") == 0 ? "flac" : word) << source
                << seconds;
        }
    }
}

void TestE2eFormats::quietSourcesConvert()
{
    QFETCH(QString, word);
    QFETCH(QString, extension);
    QFETCH(QString, source);
    QFETCH(double, seconds);

    QTemporaryDir dir;
    const QString target =
        convert(m_config.path(), word, m_sources.filePath(source), dir, extension);
    QVERIFY2(!target.isEmpty(), "the program did not end with 0");
    const e2e::Probe result = e2e::probe(target);
    QVERIFY2(result.ok, qPrintable(target));
    // Encoders pad the last frame: a little more, never less.
    QVERIFY2(result.duration > seconds - 0.02 && result.duration < seconds + 0.2,
             qPrintable(QString::number(result.duration)));
}

void TestE2eFormats::covers_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("extension");
    // The cover the target holds; empty: none; "any": with or without one.
    QTest::addColumn<QString>("picture");

    const QList<QPair<QString, QString>> words = {{"mp3", "mp3"}, {"m4a", "m4a"}, {"fla", "flac"},
                                                  {"wav", "wav"}, {"aac", "aac"}, {"ogg", "ogg"},
                                                  {"mka", "mka"}, {"wma", "wma"}, {"opus", "opus"}};
    const QList<QPair<QString, QString>> sources = {
        {"png.flac", "cover.png"}, {"jpeg.mp3", "cover.jpg"}, {"png.m4a", "cover.png"}};
    for (const auto &[source, cover] : sources) {
        for (const auto &[word, extension] : words) {
            const bool keeps = word == "mp3" || word == "m4a" || word == "fla";
            QTest::addRow("%s to %s", qPrintable(source), qPrintable(word))
                << source << word << extension << (keeps ? cover : QString());
        }
    }
    // Pictures that some targets refuse: the audio comes all the same.
    for (const QString source : {"undecodable.mp3", "gif.mp3"}) {
        for (const auto &[word, extension] : words.first(3))
            QTest::addRow("%s to %s", qPrintable(source), qPrintable(word))
                << source << word << extension << "any";
    }
}

void TestE2eFormats::covers()
{
    QFETCH(QString, source);
    QFETCH(QString, word);
    QFETCH(QString, extension);
    QFETCH(QString, picture);

    QTemporaryDir dir;
    const QString target =
        convert(m_config.path(), word, m_sources.filePath(source), dir, extension);
    QVERIFY(!target.isEmpty());
    QCOMPARE(streamsOf(target, "audio").size(), 1);
    const QList<QJsonObject> pictures = streamsOf(target, "video");
    if (picture == "any") {
        for (const QJsonObject &kept : pictures)
            QCOMPARE(kept.value("disposition").toObject().value("attached_pic").toInt(), 1);
        return;
    }
    if (picture.isEmpty()) {
        QCOMPARE(pictures.size(), 0);
        return;
    }
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures[0].value("disposition").toObject().value("attached_pic").toInt(), 1);
    const QByteArray copied = e2e::output("ffmpeg", {"-v", "error", "-i", target, "-map", "0:v",
                                                     "-c", "copy", "-f", "image2pipe", "-"});
    QCOMPARE(copied, contents(m_sources.filePath(picture)));
}

void TestE2eFormats::takesTheFirstAudioStream_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("mp3") << "mp3";
    QTest::newRow("m4a") << "m4a";
}

void TestE2eFormats::takesTheFirstAudioStream()
{
    QFETCH(QString, word);
    QTemporaryDir dir;
    const QString target =
        convert(m_config.path(), word, m_sources.filePath("film.mkv"), dir, word);
    QVERIFY(!target.isEmpty());
    const QJsonArray streams = e2e::probeJson(target).value("streams").toArray();
    QCOMPARE(streams.size(), 1);
    QCOMPARE(streams[0].toObject().value("codec_type").toString(), "audio");
    // The first stream is the mono one, although the stereo one is flagged.
    QCOMPARE(streams[0].toObject().value("channels").toInt(), 1);
}

void TestE2eFormats::opusRates_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("bitrate");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("kbps"); // 0: not compared

    QTest::newRow("stereo tone at 96") << "tone.wav"
                                       << "96" << 60.0 << 96.0;
    QTest::newRow("mono at 320") << "mono.wav"
                                 << "320" << 3.0 << 0.0;
}

void TestE2eFormats::opusRates()
{
    QFETCH(QString, source);
    QFETCH(QString, bitrate);
    QFETCH(double, seconds);
    QFETCH(double, kbps);

    QTemporaryDir config;
    QVERIFY(e2e::writeSettings(config.path(), bitrate));
    QTemporaryDir dir;
    const QString target = convert(config.path(), "OPUS", m_sources.filePath(source), dir, "opus");
    QVERIFY(!target.isEmpty());
    const QJsonObject root = e2e::probeJson(target);
    const QJsonObject stream = root.value("streams").toArray().first().toObject();
    QCOMPARE(stream.value("codec_name").toString(), "opus");
    QCOMPARE(stream.value("sample_rate").toString(), "48000");
    const QJsonObject format = root.value("format").toObject();
    const double duration = format.value("duration").toString().toDouble();
    QVERIFY2(qAbs(duration - seconds) < 0.1, qPrintable(QString::number(duration)));
    const double measured = format.value("bit_rate").toString().toDouble() / 1000.0;
    if (kbps > 0)
        QVERIFY2(qAbs(measured - kbps) < kbps * 0.1, qPrintable(QString::number(measured)));
}

QTEST_GUILESS_MAIN(TestE2eFormats)
#include "tst_e2e_formats.moc"
