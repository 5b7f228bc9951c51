#include "commandline.h"

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
};

namespace {
const QString Program = QStringLiteral("/opt/tw/tonewright");
const QString Song = QStringLiteral("/music/song.flac");
const QString Other = QStringLiteral("/music/other.wav");
const QString ThreeChars = QStringLiteral("abc");
const QString OpusFile = QStringLiteral("opus"); // a file in the working folder

bool existsInFixture(const QString &path)
{
    static const QSet<QString> files = {QDir::toNativeSeparators(Song),
                                        QDir::toNativeSeparators(Other), Program, ThreeChars,
                                        OpusFile};
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

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
