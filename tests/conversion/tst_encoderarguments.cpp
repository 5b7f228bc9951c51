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
    void measuringArguments_data();
    void measuringArguments();
    void reportHidesHomeFolder_data();
    void reportHidesHomeFolder();
    void reportHoldsNothingPrivate();
};

namespace {
// Prober answers: streams as the prober lists them.
QByteArray streams(const QByteArray &list)
{
    return R"({"programs":[],"streams":[)" + list + "]}";
}
const QByteArray Stereo = R"({"codec_type":"audio","channels":2})";
const QByteArray Mono = R"({"codec_type":"audio","channels":1})";
const QByteArray Picture = R"({"codec_type":"video"})";
} // namespace

void TestEncoderArguments::encoderArguments_data()
{
    QTest::addColumn<int>("bitrate");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("probed"); // the prober's answer; empty: none
    QTest::addColumn<bool>("keepCover");
    QTest::addColumn<QStringList>("expected");

    const QStringList noCover{"-map", "0:a:0", "-vn"};
    const QStringList covers{"-map", "0:a:0", "-map", "0:v?", "-map", "-0:V?", "-c:v", "copy"};
    const auto out = [](const char *muxer) { return QStringList{"-f", muxer, "OUT"}; };
    QTest::newRow("mp3 keeps covers")
        << 192 << QStringList{} << "mp3" << QByteArray() << true
        << QStringList{"-i", "IN", "-y", "-b:a", "192k"} + covers + out("mp3");
    QTest::newRow("flac keeps covers")
        << 128 << QStringList{} << "flac" << QByteArray() << true
        << QStringList{"-i", "IN", "-y", "-b:a", "128k"} + covers + out("flac");
    QTest::newRow("m4a, the cover refused")
        << 128 << QStringList{} << "m4a" << QByteArray() << false
        << QStringList{"-i", "IN", "-y", "-b:a", "128k"} + noCover + out("ipod");
    QTest::newRow("wav holds none")
        << 128 << QStringList{} << "wav" << QByteArray() << true
        << QStringList{"-i", "IN", "-y", "-b:a", "128k"} + noCover + out("wav");
    QTest::newRow("wma with title")
        << 128 << QStringList{"-metadata", "title=Intro"} << "wma" << QByteArray() << true
        << QStringList{"-i",        "IN",          "-y",   "-b:a", "128k",
                       "-metadata", "title=Intro", "-c:a", "wmav2"} +
               noCover + out("asf");
    QTest::newRow("wmav is no wma")
        << 320 << QStringList{"-filter:a", "volume=2"} << "wmav" << QByteArray() << true
        << QStringList{"-i", "IN", "-y", "-b:a", "320k", "-filter:a", "volume=2"} + noCover +
               QStringList{"OUT"};
    const QStringList opus{"-c:a", "libopus", "-vbr", "constrained"};
    QTest::newRow("opus, mono at 320")
        << 320 << QStringList{} << "opus" << streams(Mono + "," + Stereo) << true
        << QStringList{"-i", "IN", "-y", "-b:a", "256k"} + opus + noCover + out("opus");
    QTest::newRow("opus, stereo at 320")
        << 320 << QStringList{} << "opus" << streams(Picture + "," + Stereo) << true
        << QStringList{"-i", "IN", "-y", "-b:a", "320k"} + opus + noCover + out("opus");
    QTest::newRow("opus, unreadable answer at 288")
        << 288 << QStringList{} << "opus" << QByteArray("{\"str") << true
        << QStringList{"-i", "IN", "-y", "-b:a", "256k"} + opus + noCover + out("opus");
}

void TestEncoderArguments::encoderArguments()
{
    QFETCH(int, bitrate);
    QFETCH(QStringList, extra);
    QFETCH(QString, format);
    QFETCH(QByteArray, probed);
    QFETCH(bool, keepCover);
    QFETCH(QStringList, expected);
    const sourceprobe::SourceInfo source =
        probed.isEmpty() ? sourceprobe::SourceInfo{} : sourceprobe::parseProberOutput(probed);
    QCOMPARE(encoderarguments::build("IN", bitrate, encoderarguments::optionsFromArguments(extra),
                                     format, "OUT", source, keepCover),
             encoderarguments::inputGuards() + expected);
}

void TestEncoderArguments::measuringArguments_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("keepCover");
    QTest::addColumn<QStringList>("expected"); // from the bitrate on

    const QString meter = "asplit=2[encoded][metered];[metered]"
                          "ebur128=framelog=info:peak=sample,anullsink";
    const QStringList measured{"-filter_complex", "[0:a:0]" + meter, "-map", "[encoded]"};
    QTest::newRow("mp3 keeps covers")
        << QStringList{} << "mp3" << true
        << QStringList{"-b:a", "128k"} + measured +
               QStringList{"-map", "0:v?", "-map", "-0:V?", "-c:v", "copy", "-f", "mp3", "OUT"};
    QTest::newRow("flac, the cover refused")
        << QStringList{} << "flac" << false
        << QStringList{"-b:a", "128k"} + measured + QStringList{"-vn", "-f", "flac", "OUT"};
    QTest::newRow("volume measured after it is changed")
        << QStringList{"-metadata", "title=T", "-filter:a", "volume=1.5"} << "opus" << true
        << QStringList{"-b:a",
                       "128k",
                       "-metadata",
                       "title=T",
                       "-c:a",
                       "libopus",
                       "-vbr",
                       "constrained",
                       "-filter_complex",
                       "[0:a:0]volume=1.5," + meter,
                       "-map",
                       "[encoded]",
                       "-vn",
                       "-f",
                       "opus",
                       "OUT"};
}

void TestEncoderArguments::measuringArguments()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, format);
    QFETCH(bool, keepCover);
    QFETCH(QStringList, expected);
    const QStringList input{"-i", "IN", "-y"};
    QCOMPARE(encoderarguments::build("IN", 128, encoderarguments::optionsFromArguments(extra),
                                     format, "OUT", {}, keepCover, true),
             encoderarguments::inputGuards() + input + expected);
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

void TestEncoderArguments::reportHoldsNothingPrivate()
{
    const QStringList arguments{"-i",
                                "/run/media/alice/USB STICK/Lied.mp4",
                                "-metadata",
                                "artist=Alice Private",
                                "-metadata",
                                "title=a=b",
                                "-f",
                                "mp3",
                                "/proc/self/fd/7"};
    const QString text = "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from "
                         "'/run/media/alice/USB STICK/Lied.mp4':\n"
                         "  Metadata:\n"
                         "    comment         : my diary\n"
                         "                    : second line\n"
                         "    location        : +48.85+002.35/\n"
                         "  Duration: 00:01:00.00, start: 0.000000, bitrate: 1 kb/s\n"
                         "  Stream #0:0(und): Audio: aac, 44100 Hz, stereo\n"
                         "    Metadata:\n"
                         "      handler_name    : Alice's phone\n"
                         "Output #0, mp3, to '/proc/self/fd/7':\n"
                         "/run/media/alice/USB STICK/Lied.mp4: Invalid data found";
    QCOMPARE(encoderarguments::privateFreeReport(arguments, text, "/home/alice",
                                                 "/run/media/alice/USB STICK/Lied_1.mp3"),
             "-i&&<source>.mp4&&-metadata&&artist=&&-metadata&&title=&&-f&&mp3&&<target>.mp3##"
             "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '<source>.mp4':\n"
             "  Duration: 00:01:00.00, start: 0.000000, bitrate: 1 kb/s\n"
             "  Stream #0:0(und): Audio: aac, 44100 Hz, stereo\n"
             "Output #0, mp3, to '<target>.mp3':\n"
             "<source>.mp4: Invalid data found");
}

QTEST_GUILESS_MAIN(TestEncoderArguments)
#include "tst_encoderarguments.moc"
