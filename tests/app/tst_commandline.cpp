#include "commandline.h"
#include "encoderarguments.h"

#include <QDir>
#include <QSet>
#include <QTest>

// The command line as the file manager and people type it.
class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void words_data();
    void words();
    void programPathIsNeverTheSource();
    void configStopsReading();
    void configIsCaseSensitive();
    void options_data();
    void options();
    void optionsRoundTrip();
    void each_data();
    void each();
    void unreadableNames();
    void messagesShowNamesAsNames_data();
    void messagesShowNamesAsNames();
};

namespace {
const QString Program = QStringLiteral("/opt/tw/tonewright");
const QString Song = QStringLiteral("/music/song.flac");
const QString Other = QStringLiteral("/music/other.wav");
const QString ThreeChars = QStringLiteral("abc");
const QString OpusFile = QStringLiteral("opus"); // a file in the working folder
const QString Awkward = QStringLiteral("/music/a b\tc\\d\n--volume=400.wav");

bool existsInFixture(const QString &path)
{
    static const QSet<QString> files = {QDir::toNativeSeparators(Song),
                                        QDir::toNativeSeparators(Other),
                                        Program,
                                        ThreeChars,
                                        OpusFile,
                                        Awkward};
    return files.contains(path);
}
} // namespace

void TestCommandLine::words_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("advanced");

    const QString song = QDir::toNativeSeparators(Song);
    const QString other = QDir::toNativeSeparators(Other);
    QTest::newRow("word then path") << QStringList{"mp3", Song} << "mp3" << song << false;
    QTest::newRow("path then word") << QStringList{Song, "mp3"} << "mp3" << song << false;
    QTest::newRow("upper-case word") << QStringList{"MP3", Song} << "mp3" << song << false;
    QTest::newRow("mixed-case word") << QStringList{"OgG", Song} << "ogg" << song << false;
    QTest::newRow("fla means flac") << QStringList{"fla", Song} << "flac" << song << false;
    QTest::newRow("flac is a path") << QStringList{"flac", Song} << "" << song << false;
    QTest::newRow("every format") << QStringList{"m4a", "wma", "wav", "aac", "mka"} << "mka"
                                  << "" << false;
    QTest::newRow("opus in any case") << QStringList{"OpUs", Song} << "opus" << song << false;
    QTest::newRow("file named opus is the word")
        << QStringList{Song, OpusFile} << "opus" << song << false;
    QTest::newRow("later word wins") << QStringList{"mp3", "wav", Song} << "wav" << song << false;
    QTest::newRow("ppp") << QStringList{"ppp", "mp3", Song} << "mp3" << song << true;
    QTest::newRow("PPP") << QStringList{"PPP", Song} << "" << song << true;
    QTest::newRow("unknown word ignored") << QStringList{"xyz", Song} << "" << song << false;
    QTest::newRow("two paths, later wins")
        << QStringList{Song, Other, "mp3"} << "mp3" << other << false;
    QTest::newRow("missing path ignored") << QStringList{"mp3", "/nowhere/x.wav"} << "mp3"
                                          << "" << false;
    QTest::newRow("three-character file is a word") << QStringList{ThreeChars} << ""
                                                    << "" << false;
    QTest::newRow("empty argument") << QStringList{QString(), Song} << "" << song << false;
    QTest::newRow("nothing") << QStringList{} << ""
                             << "" << false;
    QTest::newRow("after --, a file")
        << QStringList{"mp3", "--", ThreeChars} << "mp3" << ThreeChars << false;
    QTest::newRow("file URI") << QStringList{"mp3", "file:///music/song.flac"} << "mp3" << song
                              << false;
    QTest::newRow("file URI on localhost, after --")
        << QStringList{"mp3", "--", "FILE://localhost/music/song.flac"} << "mp3" << song << false;
    QTest::newRow("escapes decoded")
        << QStringList{"mp3", "file:///music/a%20b%09c%5Cd%0A--volume%3D400.wav"} << "mp3"
        << Awkward << false;
}

void TestCommandLine::words()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, format);
    QFETCH(QString, source);
    QFETCH(bool, advanced);

    const CommandLine line =
        parseCommandLine(QStringList{Program} + arguments, Program, existsInFixture);
    QCOMPARE(line.format, format);
    QCOMPARE(line.source, source);
    QCOMPARE(line.fileGiven, !source.isEmpty());
    QCOMPARE(line.advancedRequested, advanced);
    QVERIFY(!line.configRequested);
}

void TestCommandLine::programPathIsNeverTheSource()
{
    // Started as ./tonewright from its own folder, the first element names an
    // existing file; it must never be converted.
    const CommandLine relative =
        parseCommandLine({QStringLiteral("abc"), QStringLiteral("mp3")}, Program, existsInFixture);
    QVERIFY(!relative.fileGiven);

    const CommandLine named =
        parseCommandLine({Program, QStringLiteral("mp3"), Program}, Program, existsInFixture);
    QVERIFY(!named.fileGiven);
}

void TestCommandLine::configStopsReading()
{
    const CommandLine line =
        parseCommandLine({Program, QStringLiteral("mp3"), Song, QStringLiteral("config"),
                          QStringLiteral("ppp"), Other},
                         Program, existsInFixture);
    QVERIFY(line.configRequested);
    QVERIFY(!line.advancedRequested);
    QCOMPARE(line.source, QDir::toNativeSeparators(Song));
}

void TestCommandLine::configIsCaseSensitive()
{
    const CommandLine line = parseCommandLine(
        {Program, QStringLiteral("Config"), QStringLiteral("CONFIG")}, Program, existsInFixture);
    QVERIFY(!line.configRequested);
    QVERIFY(!line.fileGiven);
}

void TestCommandLine::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("encoderArguments");
    QTest::addColumn<QString>("source"); // "SONG" when the song stays the source
    QTest::addColumn<bool>("error");

    QTest::newRow("none") << QStringList{"mp3", Song} << QStringList{} << "SONG" << false;
    QTest::newRow("volume and quoted artist")
        << QStringList{"mp3", "--volume=50", "--artist=O'Brien $(x)", Song}
        << QStringList{"-metadata", "artist=O'Brien $(x)", "-filter:a", "volume=0.5"} << "SONG"
        << false;
    QTest::newRow("all, in the dialog's order")
        << QStringList{"--year=1999",   "--volume=150",  "--album=Live",
                       "--artist=Band", "--title=Intro", Song}
        << QStringList{"-metadata",   "title=Intro", "-metadata", "album=Live", "-metadata",
                       "artist=Band", "-metadata",   "date=1999", "-filter:a",  "volume=1.5"}
        << "SONG" << false;
    QTest::newRow("values arrive intact")
        << QStringList{"--title=-y\nx=\"a b\"", "--album=--album=", Song}
        << QStringList{"-metadata", "title=-y\nx=\"a b\"", "-metadata", "album=--album="} << "SONG"
        << false;
    QTest::newRow("empty values are not set")
        << QStringList{"--volume=", "--title=", "--year=", Song} << QStringList{} << "SONG"
        << false;
    QTest::newRow("volume 100 adds nothing")
        << QStringList{"--volume=100", Song} << QStringList{} << "SONG" << false;
    QTest::newRow("unknown option is a path")
        << QStringList{Song, "--nonsense", "--nonsense=1"} << QStringList{} << "SONG" << false;
    QTest::newRow("option without value is a path")
        << QStringList{Song, "--volume", "--Title=x"} << QStringList{} << "SONG" << false;
    QTest::newRow("--each later is a path")
        << QStringList{"mp3", "--each", "ppp", Song} << QStringList{} << "SONG" << false;
    QTest::newRow("volume not offered")
        << QStringList{"--volume=60", Song} << QStringList{} << "" << true;
    QTest::newRow("volume with sign")
        << QStringList{"--volume=+50", Song} << QStringList{} << "" << true;
    QTest::newRow("volume with zero")
        << QStringList{"--volume=050", Song} << QStringList{} << "" << true;
    QTest::newRow("year too early")
        << QStringList{"--year=999", Song} << QStringList{} << "" << true;
    QTest::newRow("replaygain is no encoder argument")
        << QStringList{"--replaygain=off", Song} << QStringList{} << "SONG" << false;
    QTest::newRow("replaygain not offered")
        << QStringList{"--replaygain=Album", Song} << QStringList{} << "" << true;
    QTest::newRow("year not a number")
        << QStringList{"--year=20x2", Song} << QStringList{} << "" << true;
    QTest::newRow("twice") << QStringList{"--album=A", "--album=B", Song} << QStringList{} << ""
                           << true;
    QTest::newRow("twice, once empty")
        << QStringList{"--album=", "--album=B", Song} << QStringList{} << "" << true;
    QTest::newRow("another kind of address")
        << QStringList{"sftp://host/music/song.flac"} << QStringList{} << "" << true;
    QTest::newRow("another machine's file")
        << QStringList{"file://host/music/song.flac"} << QStringList{} << "" << true;
    QTest::newRow("a name that is no text")
        << QStringList{"file:///music/song%FF.flac"} << QStringList{} << "" << true;
}

void TestCommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, error);

    const CommandLine line =
        parseCommandLine(QStringList{Program} + arguments, Program, existsInFixture);
    QCOMPARE(!line.error.isEmpty(), error);
    QVERIFY(!line.each);
    if (error)
        return;
    QTEST(encoderarguments::optionArguments(line.options), "encoderArguments");
    QCOMPARE(line.source, QDir::toNativeSeparators(Song));
}

void TestCommandLine::optionsRoundTrip()
{
    // What the one question hands to each file's process must read back as
    // the same options.
    EncoderOptions options;
    options.volume = 250;
    options.title = QStringLiteral("--x=\n$(y)");
    options.artist = QStringLiteral("-a");
    options.album = QStringLiteral("Live");
    options.year = 1000;
    options.replayGain = ReplayGain::Off;
    const CommandLine line = parseCommandLine(QStringList{Program, "ogg"} +
                                                  commandLineOptions(options) + QStringList{Song},
                                              Program, existsInFixture);
    QVERIFY(line.error.isEmpty());
    QVERIFY(line.options == options);
    QCOMPARE(commandLineOptions(EncoderOptions()), QStringList());

    for (const char *word : {"mp3", "fla", "ogg", "mka"})
        QCOMPARE(wordForFormat(formatForWord(word)), word);
    QCOMPARE(wordForFormat("ppp"), QString());
}

void TestCommandLine::each_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("word"); // empty: an error
    QTest::addColumn<QStringList>("paths");

    QTest::newRow("word and files") << QStringList{"--each", "ppp", Song, "abc", "config", "mp3"}
                                    << "ppp" << QStringList{Song, "abc", "config", "mp3"};
    QTest::newRow("upper-case word")
        << QStringList{"--each", "FLA", Song} << "fla" << QStringList{Song};
    QTest::newRow("options among files")
        << QStringList{"--each", "ogg", Song, "--album=Live", "--x", Other} << "ogg"
        << QStringList{Song, "--x", Other};
    QTest::newRow("no files") << QStringList{"--each", "ppp"} << "ppp" << QStringList{};
    QTest::newRow("no word") << QStringList{"--each"} << "" << QStringList{};
    QTest::newRow("flac is no word") << QStringList{"--each", "flac", Song} << "" << QStringList{};
    QTest::newRow("config is no word")
        << QStringList{"--each", "config", Song} << "" << QStringList{};
    QTest::newRow("bad option") << QStringList{"--each", "mp3", "--year=1", Song} << ""
                                << QStringList{};
    QTest::newRow("after --, files only")
        << QStringList{"--each", "mp3", "--album=A", "--", "--year=1", "--", Song} << "mp3"
        << QStringList{"--year=1", "--", Song};
    QTest::newRow("file URIs decoded")
        << QStringList{"--each", "mp3", "--", "file:///music/song.flac",
                       "file:///music/a%20b%09c%5Cd%0A--volume%3D400.wav"}
        << "mp3" << QStringList{Song, Awkward};
    QTest::newRow("remote file") << QStringList{"--each", "mp3", Song, "smb://nas/x.wav"} << ""
                                 << QStringList{};
}

void TestCommandLine::each()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, word);
    QFETCH(QStringList, paths);

    const CommandLine line =
        parseCommandLine(QStringList{Program} + arguments, Program, existsInFixture);
    QVERIFY(line.each);
    QVERIFY(!line.configRequested);
    QCOMPARE(line.error.isEmpty(), !word.isEmpty());
    if (word.isEmpty())
        return;
    QCOMPARE(line.eachWord, word);
    QCOMPARE(line.eachPaths, paths);
}

void TestCommandLine::unreadableNames()
{
    // Not UTF-8, the name would come back as its look-alike with U+FFFD.
    QCOMPARE(unreadableArgument({"tonewright", "mp3", "song\xff.wav"}),
             QString::fromUtf8("song\xef\xbf\xbd.wav"));
    QCOMPARE(
        unreadableArgument({"tonewright", "mp3", "song\xef\xbf\xbd.wav", "Gr\xc3\xbc\xc3\x9f"}),
        QString());
    // The program's own path is not an argument.
    QCOMPARE(unreadableArgument({"/opt/\xff/tonewright"}), QString());
}

// A message goes to standard error and into a box: the name it quotes is
// escaped and isolated, and a zero byte never cuts it short.
void TestCommandLine::messagesShowNamesAsNames_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("zero byte in a file address")
        << QStringList{"mp3", "file:///music/s1.wav%00.txt"} << "file:///music/s1.wav%00.txt";
    QTest::newRow("zero byte, after --")
        << QStringList{"--", "file:///music/s1.wav%00.txt"} << "file:///music/s1.wav%00.txt";
    QTest::newRow("escapes in another address")
        << QStringList{"smb://nas/x\x1b]0;pwned\a\x1b[2J.wav"}
        << "smb://nas/x\\x1b]0;pwned\\x07\\x1b[2J.wav";
    QTest::newRow("override in a name that is no text")
        << QStringList{"file:///music/a%E2%80%AE%0Ab%FF.wav"} << "/music/a\\u202e\\nb\uFFFD.wav";
    QTest::newRow("--each word") << QStringList{"--each", "x\u202e\x1b[2J", Song}
                                 << "x\\u202e\\x1b[2J";
}

void TestCommandLine::messagesShowNamesAsNames()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, quoted);
    const CommandLine line =
        parseCommandLine(QStringList{Program} + arguments, Program, existsInFixture);
    QVERIFY(line.source.isEmpty());
    QCOMPARE(line.error.count("\"\u2068" + quoted + "\u2069\""), 1);
    for (const QChar c : line.error)
        QVERIFY2(c >= QChar(0x20) && c != QChar(0x7f), qPrintable(line.error));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
