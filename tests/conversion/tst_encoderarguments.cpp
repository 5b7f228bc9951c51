#include "encoderarguments.h"

#include <QTest>

// The encoder's command line for each format and source, and the report of
// a failed conversion.
class TestEncoderArguments : public QObject
{
    Q_OBJECT
private slots:
    void encoderArguments_data();
    void encoderArguments();
    void reportHidesHomeFolder_data();
    void reportHidesHomeFolder();
};

namespace {
// Prober answers: streams as the prober lists them.
QByteArray streams(const QByteArray &list)
{
    return R"({"programs":[],"streams":[)" + list + "]}";
}
const QByteArray Stereo = R"({"index":0,"codec_type":"audio","codec_name":"flac","channels":2})";
const QByteArray Mono = R"({"index":0,"codec_type":"audio","codec_name":"mp3","channels":1})";
QByteArray cover(int index, const QByteArray &codec, int width)
{
    return QByteArray(R"({"index":%1,"codec_type":"video","codec_name":"%2","width":%3,)"
                      R"("height":48,"disposition":{"attached_pic":1}})")
        .replace("%1", QByteArray::number(index))
        .replace("%2", codec)
        .replace("%3", QByteArray::number(width));
}
} // namespace

void TestEncoderArguments::encoderArguments_data()
{
    QTest::addColumn<int>("bitrate");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("probed"); // the prober's answer; empty: no prober
    QTest::addColumn<QStringList>("expected");

    const QStringList noCover{"-map", "0:a:0", "-vn", "OUT"};
    QTest::newRow("mp3") << 192 << QStringList{} << "mp3" << QByteArray()
                         << QStringList{"-i", "IN", "-y", "-b:a", "192k"} + noCover;
    QTest::newRow("wma with title")
        << 128 << QStringList{"-metadata", "title=Intro"} << "wma" << QByteArray()
        << QStringList{"-i",        "IN",          "-y",   "-b:a", "128k",
                       "-metadata", "title=Intro", "-c:a", "wmav2"} +
               noCover;
    QTest::newRow("wmav is no wma")
        << 320 << QStringList{"-vol", "512"} << "wmav" << QByteArray()
        << QStringList{"-i", "IN", "-y", "-b:a", "320k", "-vol", "512"} + noCover;
    QTest::newRow("mp3 keeps a png cover")
        << 192 << QStringList{} << "mp3" << streams(Stereo + "," + cover(1, "png", 64))
        << QStringList{"-i",    "IN",   "-y",  "-b:a", "192k", "-map",
                       "0:a:0", "-map", "0:1", "-c:v", "copy", "OUT"};
    QTest::newRow("flac keeps the cover, not the film")
        << 128 << QStringList{} << "flac"
        << streams(R"({"index":0,"codec_type":"video","codec_name":"h264","width":640,)"
                   R"("height":480,"disposition":{"attached_pic":0}},)" +
                   Mono + "," + cover(2, "mjpeg", 64))
        << QStringList{"-i",    "IN",   "-y",  "-b:a", "128k", "-map",
                       "0:a:0", "-map", "0:2", "-c:v", "copy", "OUT"};
    QTest::newRow("wav drops the cover")
        << 128 << QStringList{} << "wav" << streams(Stereo + "," + cover(1, "png", 64))
        << QStringList{"-i", "IN", "-y", "-b:a", "128k"} + noCover;
    QTest::newRow("undecodable cover")
        << 128 << QStringList{} << "m4a" << streams(Stereo + "," + cover(1, "mjpeg", 0))
        << QStringList{"-i", "IN", "-y", "-b:a", "128k"} + noCover;
    QTest::newRow("gif cover") << 128 << QStringList{} << "flac"
                               << streams(Stereo + "," + cover(1, "gif", 64))
                               << QStringList{"-i", "IN", "-y", "-b:a", "128k"} + noCover;
    QTest::newRow("unreadable answer") << 128 << QStringList{} << "mp3" << QByteArray("{\"str")
                                       << QStringList{"-i", "IN", "-y", "-b:a", "128k"} + noCover;
    QTest::newRow("opus, mono at 320")
        << 320 << QStringList{} << "opus" << streams(Mono)
        << QStringList{"-i", "IN", "-y", "-b:a", "256k", "-c:a", "libopus", "-vbr", "constrained"} +
               noCover;
    QTest::newRow("opus, stereo at 320")
        << 320 << QStringList{} << "opus" << streams(Stereo + "," + cover(1, "png", 64))
        << QStringList{"-i", "IN", "-y", "-b:a", "320k", "-c:a", "libopus", "-vbr", "constrained"} +
               noCover;
    QTest::newRow("opus, channels unknown at 288")
        << 288 << QStringList{} << "opus" << QByteArray()
        << QStringList{"-i", "IN", "-y", "-b:a", "256k", "-c:a", "libopus", "-vbr", "constrained"} +
               noCover;
}

void TestEncoderArguments::encoderArguments()
{
    QFETCH(int, bitrate);
    QFETCH(QStringList, extra);
    QFETCH(QString, format);
    QFETCH(QByteArray, probed);
    QFETCH(QStringList, expected);
    const sourceprobe::SourceInfo source =
        probed.isEmpty() ? sourceprobe::SourceInfo{} : sourceprobe::parseProberOutput(probed);
    QCOMPARE(encoderarguments::build("IN", bitrate, extra, format, "OUT", source), expected);
}

void TestEncoderArguments::reportHidesHomeFolder_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hidden");

    QTest::newRow("path in the home") << "/home/ann"
                                      << "/home/ann/Music/x.flac"
                                      << "~/Music/x.flac";
    QTest::newRow("the home itself") << "/home/ann"
                                     << "/home/ann"
                                     << "~";
    QTest::newRow("home given with a slash") << "/home/ann/"
                                             << "/home/ann/x"
                                             << "~/x";
    QTest::newRow("quoted, twice") << "/home/ann"
                                   << "'/home/ann/a.wav': /home/ann/b: Invalid"
                                   << "'~/a.wav': ~/b: Invalid";
    QTest::newRow("longer user name") << "/home/ann"
                                      << "/home/annie/x.flac"
                                      << "/home/annie/x.flac";
    QTest::newRow("longer folder name") << "/home/ann"
                                        << "/home/ann.old/x"
                                        << "/home/ann.old/x";
    QTest::newRow("inside another path") << "/home/ann"
                                         << "/srv/home/ann/x"
                                         << "/srv/home/ann/x";
    QTest::newRow("windows separators") << "C:/Users/ann"
                                        << "C:\\Users\\ann\\x.flac"
                                        << "~\\x.flac";
    QTest::newRow("home at the root hides nothing") << "/"
                                                    << "/x.flac"
                                                    << "/x.flac";
    QTest::newRow("no home hides nothing") << ""
                                           << "/x.flac"
                                           << "/x.flac";
}

void TestEncoderArguments::reportHidesHomeFolder()
{
    QFETCH(QString, home);
    QFETCH(QString, text);
    QFETCH(QString, hidden);
    // Arguments and error output alike.
    QCOMPARE(encoderarguments::bugReportText({"-i", text}, text, home),
             "-i&&" + hidden + "##" + hidden);
}

QTEST_GUILESS_MAIN(TestEncoderArguments)
#include "tst_encoderarguments.moc"
