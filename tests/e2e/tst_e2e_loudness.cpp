#include "e2etools.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// The real program: a tagged FLAC converted keeps its tags and gets its
// loudness values; three files of one folder get one album gain, pooled
// over their blocks; "off" measures nothing. Read back by mutagen.
namespace {

// The fields as a reader other than TagLib sees them (tests/tags/readback.py).
QJsonObject readBack(const QString &path, const QString &format)
{
    return QJsonDocument::fromJson(
               e2e::output("/usr/bin/python3", {TW_TAGS_READBACK, path, format}))
        .object();
}

// The momentary loudness of a file's blocks as the encoder's own meter
// reads them, independently of the program, to a tenth of a unit (hence
// the 0.05 dB the gains below may differ by).
QList<double> blocks(const QString &path)
{
    QProcess process;
    process.start("ffmpeg", {"-hide_banner", "-nostats", "-i", path, "-af",
                             "ebur128=framelog=info", "-f", "null", "-"});
    process.waitForFinished(60000);
    QList<double> values;
    const QRegularExpression momentary("Parsed_ebur128.* M:\\s*(-?[0-9.]+)");
    for (const QByteArray &line : process.readAllStandardError().split('\n')) {
        const QRegularExpressionMatch match = momentary.match(QString::fromUtf8(line));
        if (match.hasMatch())
            values << match.captured(1).toDouble();
    }
    return values;
}

// The ReplayGain of blocks gated as one programme (absolute, then relative).
double gain(const QList<double> &blocks)
{
    const auto meanAbove = [&blocks](double gate) {
        double energy = 0;
        int count = 0;
        for (double block : blocks) {
            if (block > gate) {
                energy += std::pow(10.0, block / 10.0);
                ++count;
            }
        }
        return 10.0 * std::log10(energy / count);
    };
    return -18.0 - meanAbove(meanAbove(-70.0) - 10.0);
}

// What the decoder says about a whole file's audio: nothing, when it is sound.
QByteArray decoderWords(const QString &path)
{
    QProcess decoder;
    decoder.setProcessChannelMode(QProcess::MergedChannels);
    decoder.start("ffmpeg", {"-v", "error", "-i", path, "-f", "null", "-"});
    if (!decoder.waitForFinished(60000) || decoder.exitCode() != 0)
        return "failed";
    return decoder.readAll();
}

double decibels(const QJsonValue &text)
{
    return text.toString().section(' ', 0, 0).toDouble();
}

} // namespace

class TestE2eLoudness : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tagsAndTrackGain_data();
    void tagsAndTrackGain();
    void albumGainIsPooled_data();
    void albumGainIsPooled();

private:
    // Runs the program with arguments; what the encoder was given, one
    // line per run.
    QStringList convert(const QStringList &arguments);

    QTemporaryDir m_config;
    QTemporaryDir m_tools;
};

void TestE2eLoudness::initTestCase()
{
    // The program runs with folders of the suite's own (see e2etools.h);
    // nothing here reaches the user's.
    QStandardPaths::setTestModeEnabled(true);
    if (!e2e::haveTools() || !QFileInfo::exists("/usr/bin/python3"))
        QSKIP("ffmpeg, ffprobe and python3 are needed");
    QVERIFY(QFileInfo(e2e::tonewright()).isExecutable());
    QVERIFY(e2e::writeSettings(m_config.path(), "128"));
    // An encoder that notes its arguments, then is the real one.
    QFile wrapper(m_tools.filePath("ffmpeg"));
    QVERIFY(wrapper.open(QIODevice::WriteOnly));
    wrapper.write("#!/bin/sh\necho \"$*\" >> \"" + QFile::encodeName(m_tools.filePath("calls")) +
                  "\"\nexec " + QFile::encodeName(QStandardPaths::findExecutable("ffmpeg")) +
                  " \"$@\"\n");
    wrapper.close();
    QVERIFY(wrapper.setPermissions(wrapper.permissions() | QFile::ExeOwner));
}

QStringList TestE2eLoudness::convert(const QStringList &arguments)
{
    QFile::remove(m_tools.filePath("calls"));
    QProcessEnvironment environment = e2e::programEnvironment(m_config.path());
    environment.insert("PATH", m_tools.path() + ':' + environment.value("PATH"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(e2e::tonewright(), arguments);
    if (!program.waitForFinished(120000) || program.exitCode() != 0)
        return {"failed"};
    QFile calls(m_tools.filePath("calls"));
    if (!calls.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(calls.readAll()).split('\n', Qt::SkipEmptyParts);
}

void TestE2eLoudness::tagsAndTrackGain_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("replaygain");
    QTest::addColumn<QString>("gainField"); // empty: none wanted

    QTest::newRow("mp3") << "mp3" << "album" << "rg_track_gain";
    QTest::newRow("m4a") << "m4a" << "track" << "rg_track_gain";
    QTest::newRow("opus") << "opus" << "album" << "r128_track_gain";
    // Its tags lie ahead of the audio: the values go into room left there.
    QTest::newRow("mka") << "mka" << "album" << "rg_track_gain";
    QTest::newRow("mp3, off") << "mp3" << "off" << "";
}

void TestE2eLoudness::tagsAndTrackGain()
{
    QFETCH(QString, format);
    QFETCH(QString, replaygain);
    QFETCH(QString, gainField);

    QTemporaryDir music;
    const QString source = music.filePath("song.flac");
    QCOMPARE(e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                                 "anoisesrc=d=4:c=pink:r=44100:a=0.2:seed=5", "-ac", "2",
                                 "-metadata", "title=Zoë", "-metadata", "artist=Ann",
                                 "-metadata", "TRACKNUMBER=3", "-metadata", "TRACKTOTAL=12",
                                 "-metadata", "LYRICS=la la", "-metadata", "ISRC=GBAYE0000001",
                                 "-y", source}),
             0);
    const QStringList calls = convert({format, "--replaygain=" + replaygain, source});
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().contains("pipe:1"), !gainField.isEmpty());

    const QString target = music.filePath("song." + format);
    QCOMPARE(decoderWords(target), QByteArray());
    const QJsonObject tags = readBack(target, format);
    QCOMPARE(tags.value("title").toString(), QString("Zoë"));
    QCOMPARE(tags.value("track").toString(), QString("3/12"));
    QCOMPARE(tags.value("lyrics").toString(), QString("la la"));
    QCOMPARE(tags.value("isrc").toString(), QString("GBAYE0000001"));
    // A single file is no album.
    QVERIFY(!tags.contains("rg_album_gain") && !tags.contains("r128_album_gain"));
    if (gainField.isEmpty()) {
        QVERIFY(!tags.contains("rg_track_gain") && !tags.contains("r128_track_gain"));
        return;
    }
    const double expected = gain(blocks(source));
    if (format == "opus") // to -23 LUFS, in 1/256 dB
        QVERIFY(qAbs(tags.value(gainField).toString().toInt() / 256.0 - (expected - 5.0)) < 0.05);
    else
        QVERIFY(qAbs(decibels(tags.value(gainField)) - expected) <= 0.05);
}

void TestE2eLoudness::albumGainIsPooled_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("mp3") << "mp3";
    QTest::newRow("mka") << "mka";
}

void TestE2eLoudness::albumGainIsPooled()
{
    QFETCH(QString, format);
    QTemporaryDir music;
    QStringList sources;
    QList<double> pooled;
    double meanOfTracks = 0;
    // Very different loudness and length: the album is not their mean.
    for (const char *track : {"0.03:7", "0.3:3", "0.9:2"}) {
        const QString amplitude = QString(track).section(':', 0, 0);
        const QString seconds = QString(track).section(':', 1);
        sources << music.filePath(amplitude + ".flac");
        QCOMPARE(e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                                     QString("anoisesrc=d=%1:c=pink:r=44100:a=%2:seed=9")
                                         .arg(seconds, amplitude),
                                     "-ac", "2", "-y", sources.last()}),
                 0);
        const QList<double> own = blocks(sources.last());
        pooled += own;
        meanOfTracks += gain(own) / 3;
    }
    const double album = gain(pooled);
    QVERIFY(qAbs(album - meanOfTracks) > 1.0);

    const auto target = [&format](const QString &source) {
        return QString(source).replace(".flac", "." + format);
    };
    const QStringList calls = convert(QStringList{"--each", format} + sources);
    QCOMPARE(calls.size(), 3);
    for (const QString &source : std::as_const(sources)) {
        const QJsonObject tags = readBack(target(source), format);
        QVERIFY2(qAbs(decibels(tags.value("rg_album_gain")) - album) <= 0.05,
                 qPrintable(tags.value("rg_album_gain").toString()));
        QCOMPARE(tags.value("rg_album_peak").toString().toDouble() > 0.5, true);
        QVERIFY(tags.contains("rg_track_gain"));
        QCOMPARE(decoderWords(target(source)), QByteArray());
    }

    // Track values only under "track".
    for (const QString &source : std::as_const(sources))
        QFile::remove(target(source));
    QCOMPARE(convert(QStringList{"--each", format, "--replaygain=track"} + sources).size(), 3);
    const QJsonObject tags = readBack(target(sources.first()), format);
    QVERIFY(tags.contains("rg_track_gain") && !tags.contains("rg_album_gain"));

    // A track of the album that fails: the others keep their own values only.
    for (const QString &source : std::as_const(sources))
        QFile::remove(target(source));
    QFile broken(music.filePath("broken.flac"));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("fLaC and nothing else") > 0);
    broken.close();
    // Without a display: nobody would answer the window's failure box.
    const e2e::Ended ended =
        e2e::runProgram(QStringList{"--each", format} + sources + QStringList{broken.fileName()},
                        e2e::terminalEnvironment(m_config.path()));
    QCOMPARE(ended.status, 1);
    QVERIFY(ended.error.contains("no album values, as not every track was converted."));
    for (const QString &source : std::as_const(sources)) {
        const QJsonObject own = readBack(target(source), format);
        QVERIFY(own.contains("rg_track_gain") && !own.contains("rg_album_gain"));
    }
}

QTEST_GUILESS_MAIN(TestE2eLoudness)
#include "tst_e2e_loudness.moc"
