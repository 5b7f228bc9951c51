// The loudness measured in the encoder's own pass: reference signals run
// through the installed encoder with the conversion's arguments and measured
// by the meter, the album gated as one programme, and the meter's reading
// of streams it must not measure.

#include "e2etools.h"
#include "encoderarguments.h"
#include "loudnessmeter.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestLoudness : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void referenceSignals_data();
    void referenceSignals();
    void albumIsOneProgramme();
    void tagValues_data();
    void tagValues();
    void streams_data();
    void streams();

private:
    bool makeSignal(const QString &path, const QString &levels, int rate = 48000,
                    const QString &channels = "11");
    std::optional<loudness::TrackLoudness> measure(const QString &source, int volume = 100);

    QTemporaryDir m_dir;
};

namespace {
// A WAV stream as the encoder writes it: its length left open, a chunk of
// its own before the format, and a second of frames of 0.1.
QByteArray stream(quint16 format, int rate, int bits = 32, quint32 formatSize = 40)
{
    const auto le = [](auto value) {
        QByteArray bytes(sizeof(value), 0);
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    QByteArray fmt = le(quint16(0xfffe)) + le(quint16(2)) + le(quint32(rate)) +
                     le(quint32(rate * 8)) + le(quint16(8)) + le(quint16(bits)) +
                     le(quint16(22)) + le(quint16(bits)) + le(quint32(3)) + le(format) +
                     QByteArray(14, 0);
    QByteArray frames;
    for (int i = 0; i < rate * 2; ++i)
        frames += le(0.1f);
    return "RIFF" + le(quint32(0xffffffff)) + "WAVE" + "LIST" + le(quint32(5)) + "INFOx" +
           QByteArray(1, 0) + "fmt " + le(formatSize) + fmt + "data" + le(quint32(0xffffffff)) +
           frames;
}
} // namespace

void TestLoudness::initTestCase()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are not installed");
    QVERIFY(m_dir.isValid());
}

// A 1 kHz sine in segments "seconds@dBFS,…" in FLAC, on the channels
// marked 1 ("11": stereo, six: 5.1 with the LFE fourth).
bool TestLoudness::makeSignal(const QString &path, const QString &levels, int rate,
                              const QString &channels)
{
    QString expression;
    double end = 0;
    for (const QString &segment : levels.split(',')) {
        const double seconds = segment.section('@', 0, 0).toDouble();
        const double amplitude = std::pow(10.0, segment.section('@', 1).toDouble() / 20.0);
        // Commas escaped: unescaped they would part filters.
        expression +=
            QString("if(lt(t\\,%1)\\,%2\\,").arg(end + seconds).arg(amplitude, 0, 'g', 10);
        end += seconds;
    }
    expression += "0" + QString(")").repeated(levels.count(',') + 1) + "*sin(2*PI*1000*t)";
    QStringList perChannel;
    for (const QChar on : channels)
        perChannel << (on == '1' ? expression : "0");
    const QString layout = channels.size() == 6 ? "5.1" : "stereo";
    return e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                               QString("aevalsrc=%1:c=%2:s=%3:d=%4")
                                   .arg(perChannel.join('|'), layout)
                                   .arg(rate)
                                   .arg(end),
                               "-sample_fmt", "s32", "-y", path}) == 0;
}

std::optional<loudness::TrackLoudness> TestLoudness::measure(const QString &source, int volume)
{
    EncoderOptions options;
    options.volume = volume;
    QProcess encoder;
    encoder.start("ffmpeg", encoderarguments::build(source, 128, options, "wav",
                                                    m_dir.filePath("out.wav"), {}, true, true));
    if (!encoder.waitForFinished(120000) || encoder.exitCode() != 0)
        return std::nullopt;
    // In small pieces, so that headers and frames arrive cut anywhere.
    const QByteArray audio = encoder.readAllStandardOutput();
    LoudnessMeter meter;
    for (qsizetype at = 0; at < audio.size(); at += 97)
        meter.feed(QByteArrayView(audio).sliced(at, qMin<qsizetype>(97, audio.size() - at)));
    return meter.result();
}

void TestLoudness::referenceSignals_data()
{
    QTest::addColumn<QString>("levels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("channels");
    QTest::addColumn<int>("volume");
    QTest::addColumn<double>("expected"); // LUFS
    QTest::addColumn<double>("peak");     // dBFS
    const QString stereo = "11";
    QTest::newRow("-23 dBFS") << "20@-23" << 48000 << stereo << 100 << -23.0 << -23.0;
    QTest::newRow("-33 dBFS") << "20@-33" << 48000 << stereo << 100 << -33.0 << -33.0;
    QTest::newRow("quiet parts under the relative gate")
        << "10@-36,60@-23,10@-36" << 48000 << stereo << 100 << -23.0 << -23.0;
    QTest::newRow("silence under the absolute gate")
        << "10@-72,10@-36,60@-23,10@-36,10@-72" << 48000 << stereo << 100 << -23.0 << -23.0;
    QTest::newRow("measured after the volume change")
        << "20@-23" << 48000 << stereo << 50 << -29.0 << -29.0;
    // The filters are made for each rate, and tenths of a second that are
    // no whole number of frames keep in step.
    QTest::newRow("44.1 kHz") << "20@-23" << 44100 << stereo << 100 << -23.0 << -23.0;
    QTest::newRow("11.025 kHz") << "20@-23" << 11025 << stereo << 100 << -23.0 << -23.0;
    // Below 8 kHz too; at 6 kHz no sample falls on the sine's crest.
    QTest::newRow("6 kHz") << "20@-23" << 6000 << stereo << 100 << -23.0 << -24.25;
    // Surrounds weigh 1.41 (+1.5 dB), the LFE nothing.
    QTest::newRow("5.1: surrounds and LFE")
        << "20@-23" << 48000 << "000111" << 100 << -21.5 << -23.0;
}

void TestLoudness::referenceSignals()
{
    QFETCH(QString, levels);
    QFETCH(int, rate);
    QFETCH(QString, channels);
    QFETCH(int, volume);
    QFETCH(double, expected);
    QFETCH(double, peak);
    const QString source = m_dir.filePath("signal.flac");
    QVERIFY(makeSignal(source, levels, rate, channels));
    const auto track = measure(source, volume);
    QVERIFY(track);
    const auto value = loudness::integrated({track->blocks});
    QVERIFY(value);
    QVERIFY2(qAbs(*value - expected) <= 0.1, qPrintable(QString::number(*value)));
    QVERIFY(qAbs(20 * std::log10(track->peak) - peak) <= 0.1);
}

void TestLoudness::albumIsOneProgramme()
{
    QList<loudness::TrackLoudness> album;
    QList<double> trackValues;
    const QStringList levels{"20@-20", "20@-26", "30@-45"};
    QString concatenated;
    for (int i = 0; i < levels.size(); ++i) {
        const QString source = m_dir.filePath(QString("track%1.flac").arg(i));
        QVERIFY(makeSignal(source, levels[i]));
        concatenated += QString("[%1:a]").arg(i);
        const auto track = measure(source);
        QVERIFY(track);
        album << *track;
        trackValues << *loudness::integrated({track->blocks});
    }
    // The encoder's own gating over the tracks played as one file.
    QStringList arguments{"-hide_banner", "-nostats"};
    for (int i = 0; i < levels.size(); ++i)
        arguments << "-i" << m_dir.filePath(QString("track%1.flac").arg(i));
    arguments << "-filter_complex" << concatenated + "concat=n=3:v=0:a=1,ebur128"
              << "-f"
              << "null"
              << "-";
    QProcess whole;
    whole.start("ffmpeg", arguments);
    QVERIFY(whole.waitForFinished(120000));
    const QByteArray text = whole.readAllStandardError();
    const qsizetype at = text.lastIndexOf("I:");
    QVERIFY(at >= 0);
    const double reference = text.mid(at + 2).trimmed().split(' ').first().toDouble();

    QList<QList<float>> programme;
    for (const auto &track : album)
        programme << track.blocks;
    const double albumValue = *loudness::integrated(programme);
    // The blocks across a join, and the encoder printing one decimal.
    QVERIFY2(qAbs(albumValue - reference) <= 0.1,
             qPrintable(QString("%1 vs %2").arg(albumValue).arg(reference)));
    const double mean = (trackValues[0] + trackValues[1] + trackValues[2]) / 3;
    QVERIFY(qAbs(albumValue - mean) > 5);
    const auto tags = loudness::albumTags(album, "mp3");
    QCOMPARE(tags.value("REPLAYGAIN_ALBUM_GAIN"), loudness::gainText(albumValue));
    QCOMPARE(tags.value("REPLAYGAIN_ALBUM_PEAK"), loudness::peakText(album[0].peak));
}

void TestLoudness::tagValues_data()
{
    QTest::addColumn<QList<float>>("blocks");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("expected"); // key=value, sorted by key
    const QList<float> loud(50, -12.77f);
    QTest::newRow("mp3") << loud << "mp3"
                         << QStringList{"REPLAYGAIN_TRACK_GAIN=-5.23 dB",
                                        "REPLAYGAIN_TRACK_PEAK=0.988547"};
    QTest::newRow("quiet, a positive gain")
        << QList<float>(50, -30.0f) << "flac"
        << QStringList{"REPLAYGAIN_TRACK_GAIN=12.00 dB", "REPLAYGAIN_TRACK_PEAK=0.988547"};
    QTest::newRow("opus in 1/256 dB from -23")
        << loud << "opus" << QStringList{"R128_TRACK_GAIN=-2619"};
    QTest::newRow("silence has no gain") << QList<float>(50, -120.7f) << "mp3" << QStringList{};
}

void TestLoudness::tagValues()
{
    QFETCH(QList<float>, blocks);
    QFETCH(QString, format);
    QFETCH(QStringList, expected);
    const auto tags = loudness::trackTags({blocks, 0.988547}, format);
    QStringList shown;
    for (auto it = tags.begin(); it != tags.end(); ++it)
        shown << it.key() + "=" + it.value();
    QCOMPARE(shown, expected);
}

void TestLoudness::streams_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("blocks"); // -1: not measured
    // A second: the first block ends at 0.4 s, then one every 0.1 s.
    QTest::newRow("float frames") << stream(3, 8000) << 7;
    QTest::newRow("a rate no tenth of a second divides") << stream(3, 11025) << 7;
    // The last frame waits for the rest of its bytes.
    QTest::newRow("cut inside a frame") << stream(3, 8000).chopped(3) << 6;
    QTest::newRow("integer samples") << stream(1, 8000, 16) << -1;
    QTest::newRow("a rate the filters cannot have") << stream(3, 3000) << -1;
    QTest::newRow("a format chunk too large to be one") << stream(3, 8000, 32, 1u << 30) << -1;
    QTest::newRow("not a WAV stream") << QByteArray("ID3\x04") + stream(3, 8000) << -1;
    QTest::newRow("no frames yet") << stream(3, 8000).left(60) << -1;
}

void TestLoudness::streams()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, blocks);
    LoudnessMeter meter;
    for (qsizetype at = 0; at < bytes.size(); at += 13)
        meter.feed(QByteArrayView(bytes).sliced(at, qMin<qsizetype>(13, bytes.size() - at)));
    const auto result = meter.result();
    QCOMPARE(result ? int(result->blocks.size()) : -1, blocks);
    if (result)
        QCOMPARE(float(result->peak), 0.1f);
}

QTEST_GUILESS_MAIN(TestLoudness)
#include "tst_loudness.moc"
