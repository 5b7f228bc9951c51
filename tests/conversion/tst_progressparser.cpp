#include "progressparser.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <limits>

namespace {

// The rules in their plainest form: the whole text is searched from its start
// with regular expressions on every chunk and is never trimmed. The parser
// must give the same answers while searching each character only once.
class ReferenceParser
{
public:
    ProgressUpdate feed(const QByteArray &chunk, qint64 elapsedMs)
    {
        static const QRegularExpression durationStamp(
            QStringLiteral("Duration: [0-9]{2}:[0-9]{2}:[0-9]{2}.[0-9]{2}"),
            QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression progressStamp(
            QStringLiteral("time=[0-9]{2}:[0-9]{2}:[0-9]{2}.[0-9]{2}"),
            QRegularExpression::DotMatchesEverythingOption);

        const qsizetype zero = chunk.indexOf('\0');
        text += decoder.decode(zero < 0 ? chunk : chunk.left(zero));

        const QRegularExpressionMatch d = durationStamp.match(text);
        if (d.hasMatch() && hundredths(d.captured(0)) > 0)
            duration = hundredths(d.captured(0));

        ProgressUpdate update;
        const QRegularExpressionMatch p = progressStamp.match(text);
        if (!p.hasMatch())
            return update;
        const qint32 position = hundredths(p.captured(0));
        update.stampFound = true;
        if (position >= 1 && duration >= 1) {
            const qint64 percent = qint64(position) * 100 / duration;
            update.percentValid = true;
            update.percent = int(qMin<qint64>(percent, std::numeric_limits<int>::max()));
            if (percent >= 1)
                update.remainingMs = elapsedMs / percent * 100 - elapsedMs;
        }
        if (elapsedMs > 0)
            update.speed = qint64(position) * 10 / elapsedMs;
        text.clear();
        return update;
    }

    static qint32 hundredths(const QString &s)
    {
        static const QRegularExpression stamp(
            QStringLiteral("([0-9]{2}):([0-9]{2}):([0-9]{2}).([0-9]{2})"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch m = stamp.match(s);
        if (!m.hasMatch())
            return 0;
        return m.captured(1).toInt() * 360000 + m.captured(2).toInt() * 6000 +
               m.captured(3).toInt() * 100 + m.captured(4).toInt();
    }

    QStringDecoder decoder{QStringDecoder::Utf8};
    QString text;
    qint32 duration = 0;
};

QByteArray transcript()
{
    QFile file(QStringLiteral(TW_TEST_SOURCE_DIR "/tests/conversion/encoder-transcript.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

const QByteArray header = "Input #0, wav, from 'in.wav':\n"
                          "  Duration: 00:03:20.00, bitrate: 1411 kb/s\n"
                          "  Stream #0:0: Audio: pcm_s16le, 44100 Hz, stereo, s16, 1411 kb/s\n";
const QByteArray statusAtOneMinute =
    "size=    1024kB time=00:01:00.00 bitrate= 139.8kbits/s speed=5.01x    \r";

// An estimate or speed the parser does not give.
constexpr qint64 None = std::numeric_limits<qint64>::min();

} // namespace

class TestProgressParser : public QObject
{
    Q_OBJECT

private slots:
    void timeToHundredths_data();
    void timeToHundredths();
    void feed_data();
    void feed();
    void stampSplitAnywhere();
    void matchesReference_data();
    void matchesReference();
    void keptTextIsBounded();
    void closingText_data();
    void closingText();
};

void TestProgressParser::timeToHundredths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("plain") << "00:01:02.50" << 6250;
    QTest::newRow("comma wildcard") << "00:01:02,50" << 6250;
    QTest::newRow("newline wildcard") << "00:01:02\n50" << 6250;
    QTest::newRow("fields not range-checked") << "00:99:00.00" << 594000;
    QTest::newRow("largest") << "99:99:99.99" << 36243999;
    QTest::newRow("inside duration stamp") << "Duration: 00:03:20.00, start" << 20000;
    QTest::newRow("first stamp wins") << "x 00:00:01.00 00:00:02.00" << 100;
    QTest::newRow("broken stamp skipped") << "0a:00:00.00 01:00:00.00" << 360000;
    QTest::newRow("one-digit field") << "0:01:02.50" << 0;
    QTest::newRow("wildcard must exist") << "00:01:0250" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("too short") << "00:01:02." << 0;
}

void TestProgressParser::timeToHundredths()
{
    QFETCH(QString, text);
    QFETCH(qint32, expected);
    QCOMPARE(::timeToHundredths(text), expected);
}

void TestProgressParser::feed_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<qint32>("duration");
    QTest::addColumn<int>("stamps"); // chunks that completed a progress stamp
    QTest::addColumn<bool>("percentValid");
    QTest::addColumn<int>("percent");
    QTest::addColumn<qint64>("remaining");
    QTest::addColumn<qint64>("speed");
    QTest::addColumn<QString>("kept");

    const QByteArray minutes200 = "Duration: 00:03:20.00\n";

    // clang-format off

    QTest::newRow("worked example") << QByteArrayList{header, statusAtOneMinute} << qint64(12000)
                                    << 20000 << 1 << true << 30 << qint64(28000) << qint64(5)
                                    << "";
    QTest::newRow("duration and progress in one chunk")
        << QByteArrayList{header + statusAtOneMinute} << qint64(12000) << 20000 << 1 << true
        << 30 << qint64(28000) << qint64(5) << "";
    QTest::newRow("duration after progress in one chunk")
        << QByteArrayList{statusAtOneMinute + header} << qint64(12000) << 20000 << 1 << true
        << 30 << qint64(28000) << qint64(5) << "";
    QTest::newRow("oldest of two stamps wins")
        << QByteArrayList{"Duration: 00:01:40.00\n",
                          "size= time=00:00:05.00 x\rsize= time=00:00:06.00 x\r"}
        << qint64(1000) << 10000 << 1 << true << 5 << qint64(19000) << qint64(5) << "";
    QTest::newRow("newer stamp of the chunk is discarded")
        << QByteArrayList{"Duration: 00:01:40.00\n",
                          "size= time=00:00:05.00 x\rsize= time=00:00:06.00 x\r", "size= x\r"}
        << qint64(1000) << 10000 << 1 << false << 0 << None << None << "size= x\r";
    QTest::newRow("zero byte ends the chunk")
        << QByteArrayList{minutes200, QByteArray("size= ti\0me=00:01:00.00\r", 24)}
        << qint64(12000) << 20000 << 0 << false << 0 << None << None
        << "Duration: 00:03:20.00\nsize= ti";
    QTest::newRow("stamp after a zero byte is lost")
        << QByteArrayList{minutes200 + QByteArray("size= \0 time=00:01:00.00\r", 25), "x"}
        << qint64(12000) << 20000 << 0 << false << 0 << None << None
        << "Duration: 00:03:20.00\nsize= x";
    QTest::newRow("chunk after a zero byte is appended")
        << QByteArrayList{minutes200 + QByteArray("abc\0time=00:00:01.00", 20), "time=00:01:00.00"}
        << qint64(12000) << 20000 << 1 << true << 30 << qint64(28000) << qint64(5) << "";
    QTest::newRow("zero duration ignored")
        << QByteArrayList{"Duration: 00:00:00.00\n", statusAtOneMinute} << qint64(12000) << 0
        << 1 << false << 0 << None << qint64(5) << "";
    QTest::newRow("zero duration keeps the known one")
        << QByteArrayList{"Duration: 00:00:50.00\ntime=00:00:00.00\r", "Duration: 00:00:00.00\n",
                          statusAtOneMinute}
        << qint64(12000) << 5000 << 2 << true << 120 << qint64(-2000) << qint64(5) << "";
    QTest::newRow("zero duration first hides a later one")
        << QByteArrayList{"Duration: 00:00:00.00\nDuration: 00:03:20.00\n", statusAtOneMinute}
        << qint64(12000) << 0 << 1 << false << 0 << None << qint64(5) << "";
    QTest::newRow("first of two durations wins")
        << QByteArrayList{header, "  Duration: 00:01:40.00\n", statusAtOneMinute}
        << qint64(12000) << 20000 << 1 << true << 30 << qint64(28000) << qint64(5) << "";
    QTest::newRow("duration after an emptied text replaces")
        << QByteArrayList{header + "time=00:00:01.00\r", "Duration: 00:01:40.00\n",
                          statusAtOneMinute}
        << qint64(12000) << 10000 << 2 << true << 60 << qint64(8000) << qint64(5) << "";
    QTest::newRow("duration not stated")
        << QByteArrayList{"  Duration: N/A, bitrate: N/A\n", statusAtOneMinute} << qint64(12000)
        << 0 << 1 << false << 0 << None << qint64(5) << "";
    QTest::newRow("position zero")
        << QByteArrayList{header, "size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"}
        << qint64(12000) << 20000 << 1 << false << 0 << None << qint64(0) << "";
    QTest::newRow("percent zero") << QByteArrayList{header, "time=00:00:01.00\r"}
                                  << qint64(12000) << 20000 << 1 << true << 0 << None
                                  << qint64(0) << "";
    QTest::newRow("percent above 100")
        << QByteArrayList{"Duration: 00:00:10.00\ntime=00:00:20.00\r"} << qint64(12000) << 1000
        << 1 << true << 200 << qint64(-6000) << qint64(1) << "";
    QTest::newRow("six hours") << QByteArrayList{"Duration: 06:00:00.00\n", "time=03:00:00.00"}
                               << qint64(600000) << 2160000 << 1 << true << 50 << qint64(600000)
                               << qint64(18) << "";
    QTest::newRow("position times 100 beyond 32 bits")
        << QByteArrayList{"Duration: 80:00:00.00\n", "time=70:00:00.00"} << qint64(3600000)
        << 28800000 << 1 << true << 87 << qint64(537900) << qint64(70) << "";
    QTest::newRow("percent beyond int clamped")
        << QByteArrayList{"Duration: 00:00:00.01\ntime=99:99:99.99"} << qint64(1000) << 1 << 1
        << true << std::numeric_limits<int>::max() << qint64(-1000) << qint64(362439) << "";
    QTest::newRow("comma wildcard")
        << QByteArrayList{"Duration: 00:03:20,00\n", "time=00:01:00,00"} << qint64(12000)
        << 20000 << 1 << true << 30 << qint64(28000) << qint64(5) << "";
    QTest::newRow("line break as wildcard")
        << QByteArrayList{"Duration: 00:03:20\n00\n", "time=00:01:00\r00"} << qint64(12000)
        << 20000 << 1 << true << 30 << qint64(28000) << qint64(5) << "";
    QTest::newRow("one-digit field not recognised")
        << QByteArrayList{header, "time=0:01:00.00\r"} << qint64(12000) << 20000 << 0 << false
        << 0 << None << None << QString::fromLatin1(header + "time=0:01:00.00\r");
    QTest::newRow("hundred hours not recognised")
        << QByteArrayList{"time=100:00:00.00\r"} << qint64(12000) << 0 << 0 << false << 0
        << None << None << "time=100:00:00.00\r";
    QTest::newRow("clock at zero") << QByteArrayList{header, statusAtOneMinute} << qint64(0)
                                   << 20000 << 1 << true << 30 << qint64(0) << None << "";
    QTest::newRow("status lines separated by CR")
        << QByteArrayList{header,
                          "size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r",
                          "size=    1024kB time=00:01:18.94 bitrate= 106.3kbits/s speed= 158x    \r",
                          "size=    2048kB time=00:02:16.56 bitrate= 122.8kbits/s speed= 137x    \r"}
        << qint64(1000) << 20000 << 3 << true << 68 << qint64(400) << qint64(136) << "";
    QTest::newRow("stamp split across chunks")
        << QByteArrayList{header + "size=  1024kB time=00:0", "1:00.00 bitrate=1.0\r"}
        << qint64(12000) << 20000 << 1 << true << 30 << qint64(28000) << qint64(5) << "";
    QTest::newRow("UTF-8 split across chunks, invalid bytes replaced")
        << QByteArrayList{"from '\xd0", "\x9c\xff\xe9t\xe2\x80", "\xa6'"} << qint64(0) << 0 << 0
        << false << 0 << None << None << QString::fromUtf8("from 'М\uFFFD\uFFFDt…'");
    QTest::newRow("duration split across chunks")
        << QByteArrayList{"  Dura", "tion: 00:03:", "20.00\n", statusAtOneMinute}
        << qint64(12000) << 20000 << 1 << true << 30 << qint64(28000) << qint64(5) << "";
    // clang-format on
}

void TestProgressParser::feed()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(qint64, elapsed);

    ProgressParser parser;
    ProgressUpdate last;
    int stamps = 0;
    for (const QByteArray &chunk : chunks) {
        last = parser.feed(chunk, elapsed);
        stamps += last.stampFound ? 1 : 0;
    }

    QTEST(parser.duration(), "duration");
    QTEST(stamps, "stamps");
    QTEST(last.percentValid, "percentValid");
    QTEST(last.percent, "percent");
    QTEST(last.remainingMs.value_or(None), "remaining");
    QTEST(last.speed.value_or(None), "speed");
    QTEST(parser.keptText(), "kept");
}

// Wherever the encoder's writes happen to split the text, the same stamp is
// recognised once, in the chunk that completes it.
void TestProgressParser::stampSplitAnywhere()
{
    const QByteArray whole = "  Duration: 00:03:20.00, x\nsize= time=00:01:00.00 bitrate=\r";
    const qsizetype stampEnd = whole.indexOf("time=") + 16;
    for (qsizetype i = 0; i <= whole.size(); ++i) {
        for (qsizetype j = i; j <= whole.size(); ++j) {
            const QByteArrayList chunks{whole.left(i), whole.mid(i, j - i), whole.mid(j)};
            ProgressParser parser;
            qsizetype fed = 0;
            for (const QByteArray &chunk : chunks) {
                fed += chunk.size();
                const ProgressUpdate u = parser.feed(chunk, 12000);
                const bool completes = fed >= stampEnd && fed - chunk.size() < stampEnd;
                QVERIFY2(u.stampFound == completes,
                         qPrintable(QStringLiteral("split at %1 and %2").arg(i).arg(j)));
                if (completes) {
                    QCOMPARE(u.percent, 30);
                    QCOMPARE(u.remainingMs.value_or(None), qint64(28000));
                }
            }
            QCOMPARE(parser.duration(), 20000);
        }
    }
}

void TestProgressParser::matchesReference_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("maxChunk");

    const QByteArray real = transcript();
    QVERIFY(!real.isEmpty());
    // A second input's header after the first status lines, stamps with a
    // zero byte inside, and unrecognised forms around recognised ones.
    QByteArray mixed = real;
    mixed.insert(mixed.indexOf("size="), "Input #1, from 'Мой дневник \xff.wav':\n  Duration: "
                                         "00:01:00.00, bitrate\n");
    mixed += QByteArray("size= time=00:02:") + '\0' + "30.00 x\rsize= time=00:0";
    mixed += "2:40.00 x\rtime=0:00:01.00 time=00:03:10,00\rDuration: 00:00:00.00\n";
    mixed += "time=00:00:00.00\rDuration: 00:00:00.00\nDuration: 00:05:00.00\ntime=00:04:00.00\r";

    for (quint32 seed = 1; seed <= 20; ++seed) {
        QTest::addRow("transcript/%u", seed) << real << seed << 64;
        QTest::addRow("mixed/%u", seed) << mixed << seed << 24;
    }
    // Long stretches without a progress stamp exercise the trimming; the
    // duration stamp printed first must stay in force.
    QByteArray chatty = header;
    for (int i = 0; i < 3 * 16 * 1024; ++i)
        chatty += "[mp3 @ 0x55d0] Header missing 00:0 time=N/A\n";
    chatty += "  Duration: 00:01:00.00\nsize= time=00:0";
    for (int i = 0; i < 30 * 1024; ++i)
        chatty += "[mp3 @ 0x55d0] Header missing\n";
    chatty += statusAtOneMinute + "tail";
    QTest::addRow("trimmed") << chatty << 7u << 256 * 1024;
}

void TestProgressParser::matchesReference()
{
    QFETCH(QByteArray, input);
    QFETCH(quint32, seed);
    QFETCH(int, maxChunk);

    QRandomGenerator random(seed);
    ReferenceParser reference;
    ProgressParser parser;
    qint64 elapsed = 0;
    for (qsizetype at = 0; at < input.size();) {
        const QByteArray chunk = input.mid(at, random.bounded(1, maxChunk + 1));
        at += chunk.size();
        elapsed += random.bounded(0, 400);

        const ProgressUpdate expected = reference.feed(chunk, elapsed);
        const ProgressUpdate actual = parser.feed(chunk, elapsed);
        QCOMPARE(actual.stampFound, expected.stampFound);
        QCOMPARE(actual.percentValid, expected.percentValid);
        QCOMPARE(actual.percent, expected.percent);
        QCOMPARE(actual.remainingMs, expected.remainingMs);
        QCOMPARE(actual.speed, expected.speed);
        QCOMPARE(parser.duration(), reference.duration);
        const QString &text = parser.keptText();
        // Only the oldest text may be missing, and only beyond the limit.
        QCOMPARE(text.size(), qMin(reference.text.size(), ProgressParser::KeptTextLimit));
        QVERIFY(reference.text.endsWith(text));
    }
}

void TestProgressParser::keptTextIsBounded()
{
    ProgressParser parser;
    const QString &text = parser.keptText();
    parser.feed(header, 1000);

    QByteArray chunk;
    while (chunk.size() < 64 * 1024)
        chunk += "[aac @ 0x5581] Too many bits 8832 > 6144 per frame requested\r\n";
    QByteArray numbered = chunk;
    for (int i = 0; i < 80; ++i) {
        numbered.replace(0, 8, QByteArray::number(10000000 + i));
        parser.feed(numbered, 1000);
        QVERIFY(text.size() <= ProgressParser::KeptTextLimit);
    }
    QCOMPARE(text.size(), ProgressParser::KeptTextLimit);
    QVERIFY(text.endsWith(QString::fromLatin1(numbered)));
    QVERIFY(text.capacity() <= 5 * ProgressParser::KeptTextLimit);

    // One huge read leaves no huge block behind.
    parser.feed(numbered.repeated(100), 1000);
    QCOMPARE(text.size(), ProgressParser::KeptTextLimit);
    QVERIFY(text.capacity() <= 5 * ProgressParser::KeptTextLimit);

    // The duration seen before the trimming still gives the percentage, and a
    // stamp split at the end of a trimmed chunk is still recognised.
    parser.feed(chunk + "time=00:01:", 12000);
    const ProgressUpdate u = parser.feed("00.00 x\r", 12000);
    QVERIFY(u.stampFound);
    QCOMPARE(u.percent, 30);
    QCOMPARE(parser.duration(), 20000);
    QVERIFY(text.isEmpty());
}

// The encoder's last words, as it writes them.
void TestProgressParser::closingText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("noAudio");
    QTest::addColumn<bool>("notMedia");
    // The closing progress stamp, then the statistics.
    const QString stats = "size=       0kB time=%3 bitrate=N/A speed=   0x    \nvideo:%1kB "
                          "audio:%2kB subtitle:0kB other streams:0kB global headers:0kB muxing "
                          "overhead: unknown\n";
    const QString none = "00:00:00.00";
    QTest::newRow("audio written") << stats.arg(0).arg(18).arg("00:00:01.00") << false << false;
    QTest::newRow("ten kB") << stats.arg(0).arg(10).arg(none) << false << false;
    // Silence and short sources compress below the rounded kilobyte.
    QTest::newRow("a tenth of a second under 1 kB")
        << stats.arg(0).arg(0).arg("00:00:00.10") << false << false;
    QTest::newRow("an hour under 1 kB") << stats.arg(0).arg(0).arg("01:00:00.00") << false << false;
    QTest::newRow("header promised audio, none came")
        << stats.arg(0).arg(0).arg(none) +
               "Output file is empty, nothing was encoded (check -ss / -t / -frames "
               "parameters if used)\n"
        << true << false;
    QTest::newRow("time zero") << stats.arg(0).arg(0).arg(none) << true << false;
    QTest::newRow("nothing muxed") << stats.arg(0).arg(0).arg("N/A") << true << false;
    QTest::newRow("before the start") << stats.arg(0).arg(0).arg("-00:00:00.02") << true << false;
    QTest::newRow("only the cover") << stats.arg(25).arg(0).arg(none) << true << false;
    QTest::newRow("no statistics") << "x.wav: Invalid data found when processing input\n"
                                   << false << false;
    QTest::newRow("playlist refused")
        << "[hls @ 0x55adc6607940] Format not on whitelist 'wav,mp3'\nx.mp3: Invalid argument\n"
        << false << true;
}

void TestProgressParser::closingText()
{
    QFETCH(QString, text);
    QFETCH(bool, noAudio);
    QFETCH(bool, notMedia);
    // The last progress stamp comes in the same read as the statistics.
    ProgressParser parser;
    parser.feed(QByteArray(100000, ' '), 0);
    parser.feed("size=       0kB time=00:00:00.00 " + text.toLatin1(), 0);
    QCOMPARE(noAudioEncoded(parser.closingText()), noAudio);
    QCOMPARE(refusedAsNoMedia(parser.closingText()), notMedia);
}

QTEST_GUILESS_MAIN(TestProgressParser)
#include "tst_progressparser.moc"
