#include "encoderarguments.h"
#include "progressparser.h"

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
    void reportHidesEveryName_data();
    void reportHidesEveryName();
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
    QTest::addColumn<QStringList>("expected"); // after "-y"

    // The metered output first, so that the target stays last.
    const QStringList meter{"-map",      "[metered]", "-map_metadata", "-1",    "-c:a",
                            "pcm_f32le", "-f",        "wav",           "pipe:1"};
    const QStringList split{"-filter_complex", "[0:a:0]asplit=2[encoded][metered]"};
    QTest::newRow("mp3 keeps covers")
        << QStringList{} << "mp3" << true
        << split + meter + QStringList{"-b:a",  "128k", "-map", "[encoded]", "-map", "0:v?", "-map",
                                       "-0:V?", "-c:v", "copy", "-f",        "mp3",  "OUT"};
    QTest::newRow("flac, the cover refused")
        << QStringList{} << "flac" << false
        << split + meter +
               QStringList{"-b:a", "128k", "-map", "[encoded]", "-vn", "-f", "flac", "OUT"};
    QTest::newRow("volume measured after it is changed")
        << QStringList{"-metadata", "title=T", "-filter:a", "volume=1.5"} << "opus" << true
        << QStringList{"-filter_complex", "[0:a:0]volume=1.5,asplit=2[encoded][metered]"} + meter +
               QStringList{"-b:a",        "128k", "-metadata", "title=T", "-c:a", "libopus", "-vbr",
                           "constrained", "-map", "[encoded]", "-vn",     "-f",   "opus",    "OUT"};
    QTest::newRow("mka leaves room for the values")
        << QStringList{} << "mka" << true
        << split + meter + QStringList{"-b:a",      "128k",
                                       "-metadata", "TONEWRIGHT_ROOM=" + QString(200, ' '),
                                       "-map",      "[encoded]",
                                       "-vn",       "-f",
                                       "matroska",  "OUT"};
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

    const struct
    {
        const char *tag;
        QString home, text, hidden;
    } rows[] = {
        {"path in the home", "/home/ann", "/home/ann/Music/x.flac", "~/Music/x.flac"},
        {"the home itself", "/home/ann", "/home/ann", "~"},
        {"home given with a slash", "/home/ann/", "/home/ann/x", "~/x"},
        {"quoted, twice", "/home/ann", "'/home/ann/a.wav': /home/ann/b: Invalid",
         "'~/a.wav': ~/b: Invalid"},
        {"longer user name", "/home/ann", "/home/annie/x.flac", "/home/annie/x.flac"},
        {"longer folder name", "/home/ann", "/home/ann.old/x", "/home/ann.old/x"},
        {"inside another path", "/home/ann", "/srv/home/ann/x", "/srv/home/ann/x"},
        {"windows separators", "C:/Users/ann", "C:\\Users\\ann\\x.flac", "~\\x.flac"},
        {"home at the root hides nothing", "/", "/x.flac", "/x.flac"},
        {"no home hides nothing", "", "/x.flac", "/x.flac"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.home << row.text << row.hidden;
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
                                                 "/run/media/alice/USB STICK/Lied.mp4",
                                                 "/run/media/alice/USB STICK/Lied_1.mp3"),
             "-i&&<source>.mp4&&-metadata&&artist=&&-metadata&&title=&&-f&&mp3&&<target>.mp3##"
             "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '<source>.mp4':\n"
             "  Duration: 00:01:00.00, start: 0.000000, bitrate: 1 kb/s\n"
             "  Stream #0:0(und): Audio: aac, 44100 Hz, stereo\n"
             "Output #0, mp3, to '<target>.mp3':\n"
             "<source>.mp4: Invalid data found");
}

namespace {
// What the encoder printed for a source with tags and an odd picture that
// failed to convert; %1 is the input it was given, %2 the path it wrote to,
// %3 the source's name where the text may hold it.
const char EncoderText[] =
    "[mp3 @ 0x555f9a8809c0] Format mp3 detected only with low score of 25, misdetection "
    "possible!\n"
    "Unknown attached picture mimetype: image/x-secret, skipping.\n"
    "Input #0, mp3, from '%1':\n"
    "  Metadata:\n"
    "    title           : \xd0\xa2\xd0\xb0\xd0\xb9\xd0\xbd\xd0\xb0\n"
    "    comment         : secret-comment\n"
    "  Duration: 00:00:01.04, start: 0.025057, bitrate: 66 kb/s\n"
    "  Stream #0:0: Audio: mp3, 44100 Hz, mono, fltp, 64 kb/s\n"
    "Stream mapping:\n"
    "  Stream #0:0 -> #0:0 (mp3 (mp3float) -> mp3 (libmp3lame))\n"
    "Output #0, mp3, to '%2':\n"
    "  Stream #0:0: Audio: mp3, 44100 Hz, mono, fltp, 128 kb/s\n"
    "%3: Invalid argument\n"
    "%2: Permission denied\n";

// The encoder's log turns these bytes into '?'.
QByteArray asLogged(QByteArray text)
{
    for (char &c : text) {
        if ((c >= 1 && c < 0x08) || (c > 0x0d && c < 0x20))
            c = '?';
    }
    return text;
}
} // namespace

// Whatever a name holds and however the encoder prints it, no part of it or
// of the home folder reaches the report.
void TestEncoderArguments::reportHidesEveryName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byDescriptor"); // the encoder reads /proc/self/fd/N
    QTest::addColumn<QString>("placeholder");
    const QList<std::pair<const char *, QString>> names{
        {"Cyrillic", "Мой дневник.mp3"},
        {"Greek", "Ελληνικό ημερολόγιο.flac"},
        {"CJK", "秘密の日記.m4a"},
        {"combining marks", "Zoe\u0308 Cafe\u0301 Noe\u0308l.wav"},
        {"control characters", "bank\x01pin\x1b[2J-4711.mp3"},
        {"line break", "two\nlines of diary.wav"},
        {"no extension", "Call with Dr. Miller about HIV results"},
        {"long extension", "Appointment.results"},
    };
    for (const auto &[tag, name] : names) {
        const qsizetype dot = name.lastIndexOf('.');
        const QString extension = name.size() - dot <= 6 ? name.mid(dot) : "";
        QTest::addRow("%s", tag) << name << false << "<source>" + extension;
        QTest::addRow("%s, by descriptor", tag) << name << true << "<source>" + extension;
    }
}

void TestEncoderArguments::reportHidesEveryName()
{
    QFETCH(QString, name);
    QFETCH(bool, byDescriptor);
    QFETCH(QString, placeholder);
    const QString home = "/home/Jürgen";
    const QString source = home + "/Музыка/" + name;
    const QString base = placeholder == "<source>" ? name : name.left(name.lastIndexOf('.'));
    const QString target = home + "/Музыка/" + base + ".mp3";
    const QString input = byDescriptor ? "/proc/self/fd/5" : source;
    const QStringList arguments{"-i", input, "-metadata",      "title=Тайна",
                                "-f", "mp3", "/proc/self/fd/7"};
    ProgressParser parser;
    parser.feed(
        asLogged(QString::fromUtf8(EncoderText).arg(input, "/proc/self/fd/7", source).toUtf8()), 0);
    const QByteArray report =
        encoderarguments::privateFreeReport(arguments, parser.keptText(), home, source, target)
            .toUtf8();

    QVERIFY2(report.contains(QByteArray("from '" + placeholder.toUtf8() + "'")) ||
                 report.contains("from '/proc/self/fd/5'"),
             report.constData());
    QVERIFY2(report.contains(QByteArray(placeholder.toUtf8() + ": Invalid argument")),
             report.constData());
    // Every word of the name, the home folder's and the tags', in UTF-8, read
    // as Latin-1 and as the encoder prints control characters.
    QStringList words = name.section('.', 0, 0).split(QRegularExpression("[ \n]"));
    words << "Jürgen"
          << "Музыка"
          << "Тайна"
          << "secret";
    for (const QString &word : words) {
        const QByteArray utf8 = word.toUtf8();
        for (const QByteArray &form : {utf8, QString::fromLatin1(utf8).toUtf8(), asLogged(utf8)}) {
            if (form.size() >= 3 && !QByteArray(EncoderText).contains(form))
                QVERIFY2(!report.contains(form), report.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestEncoderArguments)
#include "tst_encoderarguments.moc"
