// The loudness measured in the encoder's own pass: reference signals run
// through the installed encoder with the conversion's arguments and read
// back by the meter, the album gated as one programme, and the meter's
// reading of damaged text.

#include "e2etools.h"
#include "encoderarguments.h"
#include "loudnessmeter.h"

#include <QTemporaryDir>
#include <QTest>

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
    void damagedText_data();
    void damagedText();

private:
    bool makeSignal(const QString &path, const QString &levels);
    std::optional<loudness::TrackLoudness> measure(const QString &source, int volume = 100,
                                                   QByteArray *passed = nullptr);

    QTemporaryDir m_dir;
};

namespace {
// Blocks shaped as the meter prints them.
QByteArray blockLine(const char *momentary)
{
    return QByteArray("[Parsed_ebur128_2 @ 0x5581] t: 0.4  TARGET:-23 LUFS    M:") + momentary +
           " S:-120.7     I: -23.0 LUFS       LRA:   0.0 LU  SPK: -23.0 -23.0 dBFS\n";
}
const QByteArray Summary = "[Parsed_ebur128_2 @ 0x5581] Summary:\n\n"
                           "  Integrated loudness:\n    I:         -23.0 LUFS\n\n"
                           "  Sample peak:\n    Peak:      -6.0 dBFS\n";
} // namespace

void TestLoudness::initTestCase()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are not installed");
    QVERIFY(m_dir.isValid());
}

// A stereo 1 kHz sine in segments "seconds@dBFS,…", at 48 kHz in FLAC.
bool TestLoudness::makeSignal(const QString &path, const QString &levels)
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
    return e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                               QString("aevalsrc=%1|%1:s=48000:d=%2").arg(expression).arg(end),
                               "-sample_fmt", "s32", "-y", path}) == 0;
}

std::optional<loudness::TrackLoudness> TestLoudness::measure(const QString &source, int volume,
                                                             QByteArray *passed)
{
    EncoderOptions options;
    options.volume = volume;
    QProcess encoder;
    encoder.start("ffmpeg", encoderarguments::build(source, 128, options, "wav",
                                                    m_dir.filePath("out.wav"), {}, true, true));
    if (!encoder.waitForFinished(120000) || encoder.exitCode() != 0)
        return std::nullopt;
    // In small pieces, so that lines arrive cut anywhere.
    const QByteArray text = encoder.readAllStandardError();
    LoudnessMeter meter;
    QByteArray handedOn;
    for (qsizetype at = 0; at < text.size(); at += 97)
        handedOn += meter.feed(text.mid(at, 97));
    if (passed)
        *passed = handedOn;
    return meter.result();
}

void TestLoudness::referenceSignals_data()
{
    QTest::addColumn<QString>("levels");
    QTest::addColumn<int>("volume");
    QTest::addColumn<double>("expected"); // LUFS
    QTest::addColumn<double>("peak");     // dBFS
    QTest::newRow("-23 dBFS") << "20@-23" << 100 << -23.0 << -23.0;
    QTest::newRow("-33 dBFS") << "20@-33" << 100 << -33.0 << -33.0;
    QTest::newRow("quiet parts under the relative gate")
        << "10@-36,60@-23,10@-36" << 100 << -23.0 << -23.0;
    QTest::newRow("silence under the absolute gate")
        << "10@-72,10@-36,60@-23,10@-36,10@-72" << 100 << -23.0 << -23.0;
    QTest::newRow("measured after the volume change") << "20@-23" << 50 << -29.0 << -29.0;
}

void TestLoudness::referenceSignals()
{
    QFETCH(QString, levels);
    QFETCH(int, volume);
    QFETCH(double, expected);
    QFETCH(double, peak);
    const QString source = m_dir.filePath("signal.flac");
    QVERIFY(makeSignal(source, levels));
    QByteArray passed;
    const auto track = measure(source, volume, &passed);
    QVERIFY(track);
    const auto value = loudness::integrated({track->blocks});
    QVERIFY(value);
    QVERIFY2(qAbs(*value - expected) <= 0.1, qPrintable(QString::number(*value)));
    QVERIFY(qAbs(20 * std::log10(track->peak) - peak) <= 0.1);
    // The progress parser still gets its stamps, but no block lines.
    QVERIFY(passed.contains("Duration: ") && passed.contains("time="));
    QVERIFY(!passed.contains("] t:"));
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

void TestLoudness::damagedText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("passed");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<double>("peakDb"); // NaN: no result
    const QByteArray progress = "size=  1kB time=00:00:01.00 bitrate=1.0kbits/s speed=9x    \r";
    QTest::newRow("blocks between stamps")
        << progress + blockLine("-23.0") + blockLine(" -24.5") + progress + Summary
        << progress + progress + Summary << 2 << -6.0;
    QTest::newRow("a block without a number")
        << blockLine("") + blockLine("x") + blockLine("-20.0") + Summary << Summary << 1 << -6.0;
    QTest::newRow("summary before any block")
        << Summary + blockLine("-20.0") << Summary << 1 << qQNaN();
    QTest::newRow("ended inside a block line")
        << blockLine("-20.0") + Summary + blockLine("-20.0").left(30) << Summary << 1 << -6.0;
    const QByteArray endless = "[Parsed_ebur128_0 @ 0x1] " + QByteArray(5000, 'x');
    QTest::newRow("a line without an end is passed on") << endless << endless << 0 << qQNaN();
    const QByteArray other = "[Parsed_volume_0 @ 0x1] t: 1 M: -3\n";
    QTest::newRow("another filter's line") << other << other << 0 << qQNaN();
}

void TestLoudness::damagedText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, passed);
    QFETCH(int, blocks);
    QFETCH(double, peakDb);
    LoudnessMeter meter;
    QByteArray handedOn;
    for (qsizetype at = 0; at < text.size(); at += 13)
        handedOn += meter.feed(text.mid(at, 13));
    QCOMPARE(handedOn, passed);
    const auto result = meter.result();
    QCOMPARE(bool(result), !qIsNaN(peakDb));
    if (result) {
        QCOMPARE(result->blocks.size(), blocks);
        QVERIFY(qAbs(20 * std::log10(result->peak) - peakDb) < 1e-9);
    }
}

QTEST_GUILESS_MAIN(TestLoudness)
#include "tst_loudness.moc"
