#include "e2etools.h"
#include "flaccueblock.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Album images cut into their tracks by the real program, without a
// display: exact boundaries, lengths, sheets in every encoding, and sheets
// that must be refused without writing anything.
class TestE2eImages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tracksJoinIntoTheImage_data();
    void tracksJoinIntoTheImage();
    void lossyTracksKeepTheirLength_data();
    void lossyTracksKeepTheirLength();
    void imageHoldingItsSheet_data();
    void imageHoldingItsSheet();
    void tinyImageInEveryFormat_data();
    void tinyImageInEveryFormat();
    void tagsComeFromTheSheet();
    void sheetInAnyEncoding_data();
    void sheetInAnyEncoding();
    void mirrorKeepsTracksInSync();
    void hostileSheetsWriteNothing_data();
    void hostileSheetsWriteNothing();

private:
    e2e::Ended convert(const QString &word, const QStringList &files,
                       const QStringList &options = {});
    QTemporaryDir m_config;
};

namespace {

constexpr int Rate = 44100;

// Seconds of stereo noise at rate, the same on every run.
bool makeImage(const QString &path, double seconds, int rate = Rate)
{
    return e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                               QString("anoisesrc=d=%1:r=%2:a=0.3:seed=7").arg(seconds).arg(rate),
                               "-ac", "2", "-sample_fmt", "s16", "-y", path}) == 0;
}

// The audio of a file as 16-bit stereo samples at its own rate.
QByteArray pcm(const QString &path)
{
    return e2e::output("ffmpeg", {"-v", "error", "-i", path, "-f", "s16le", "-ac", "2", "-"});
}

qint64 samplesOf(const QString &path)
{
    return pcm(path).size() / 4;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// text in a legacy code page, as iconv writes it.
QByteArray encoded(const QString &text, const QByteArray &encoding)
{
    QProcess iconv;
    iconv.start("iconv", {"-f", "UTF-8", "-t", QString::fromLatin1(encoding)});
    iconv.write(text.toUtf8());
    iconv.closeWriteChannel();
    if (!iconv.waitForFinished(10000) || iconv.exitCode() != 0)
        return {};
    return iconv.readAllStandardOutput();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                                  QDir::Name);
}

// Track 1 after a hidden first track, a gap before track 2, track 3 off a
// whole second: every boundary falls on an odd frame.
const char ThreeTracks[] = "PERFORMER \"The Band\"\n"
                           "TITLE \"Album\"\n"
                           "REM DATE 1999\n"
                           "REM GENRE Rock\n"
                           "FILE \"image.wav\" WAVE\n"
                           "  TRACK 01 AUDIO\n"
                           "    TITLE \"Intro\"\n"
                           "    INDEX 01 00:00:37\n"
                           "  TRACK 02 AUDIO\n"
                           "    TITLE \"Song: Two/Three\"\n"
                           "    PERFORMER \"Guest\"\n"
                           "    INDEX 00 00:02:10\n"
                           "    INDEX 01 00:03:01\n"
                           "  TRACK 03 AUDIO\n"
                           "    TITLE \"Outro\"\n"
                           "    INDEX 01 00:05:74\n";

} // namespace

void TestE2eImages::initTestCase()
{
    // The program runs with folders of the suite's own (see e2etools.h);
    // nothing here reaches the user's.
    QStandardPaths::setTestModeEnabled(true);
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
    QVERIFY(e2e::writeSettings(m_config.path(), "128"));
}

e2e::Ended TestE2eImages::convert(const QString &word, const QStringList &files,
                                  const QStringList &options)
{
    return e2e::runProgram(QStringList{"--each", word} + options + files,
                           e2e::terminalEnvironment(m_config.path()));
}

void TestE2eImages::tracksJoinIntoTheImage_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("image"); // the image as made
    QTest::addColumn<bool>("sides");    // the sheet cut over two files
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("rate");

    const QStringList three{"00.flac", "01 Intro.flac", "02 Song: Two_Three.flac",
                            "03 Outro.flac"};
    // The sheet names image.wav: the image found is the FLAC beside it.
    QTest::newRow("flac image to flac") << "fla" << "image.flac" << false << three << Rate;
    // No multiple of 100: the seek goes to whole seconds.
    QTest::newRow("flac image at 22050 Hz") << "fla" << "image.flac" << false << three << 22050;
    QTest::newRow("wav image to wav, sheet says wav") << "wav" << "image.wav" << false
                                                      << QStringList{"00.wav", "01 Intro.wav",
                                                                     "02 Song: Two_Three.wav",
                                                                     "03 Outro.wav"}
                                                      << Rate;
    QTest::newRow("two sides, gap at the end of side A")
        << "fla" << "image.flac" << true
        << QStringList{"01 A1.flac", "02 A2.flac", "03 B1.flac", "04 B2.flac"} << Rate;
}

void TestE2eImages::tracksJoinIntoTheImage()
{
    QFETCH(QString, word);
    QFETCH(QString, image);
    QFETCH(bool, sides);
    QFETCH(QStringList, names);
    QFETCH(int, rate);

    QTemporaryDir music;
    QByteArray whole;
    QString sheet;
    if (!sides) {
        QVERIFY(makeImage(music.filePath(image), 7.3, rate));
        whole = pcm(music.filePath(image));
        sheet = QString::fromLatin1(ThreeTracks);
    } else {
        QVERIFY(makeImage(music.filePath("a.flac"), 4.1));
        QVERIFY(makeImage(music.filePath("b.flac"), 3.2, Rate));
        whole = pcm(music.filePath("a.flac")) + pcm(music.filePath("b.flac"));
        sheet = "FILE \"a.wav\" WAVE\n"
                "TRACK 01 AUDIO\nTITLE A1\nINDEX 01 00:00:00\n"
                "TRACK 02 AUDIO\nTITLE A2\nINDEX 01 00:01:33\n"
                "TRACK 03 AUDIO\nTITLE B1\nINDEX 00 00:03:70\n"
                "FILE \"b.wav\" WAVE\nINDEX 01 00:00:00\n"
                "TRACK 04 AUDIO\nTITLE B2\nINDEX 01 00:02:01\n";
    }
    QVERIFY(!whole.isEmpty());
    QVERIFY(write(music.filePath("Album.cue"), sheet.toUtf8()));

    const e2e::Ended ended = convert(word, {music.filePath("Album.cue")});
    QVERIFY2(ended.status == 0, qPrintable(ended.error));
    QByteArray joined;
    for (const QString &name : names) {
        QVERIFY2(QFileInfo::exists(music.filePath(name)), qPrintable(entries(music.path()).join('|')));
        joined += pcm(music.filePath(name));
    }
    QCOMPARE(joined.size(), whole.size());
    QVERIFY(joined == whole);
    if (!sides) {
        // Cut where the sheet says, to the sample: track 1 at frame 37
        // (rate / 75 samples each), the gap before track 2 at the end of track 1.
        QCOMPARE(samplesOf(music.filePath(names[0])), 37 * rate / 75);
        QCOMPARE(samplesOf(music.filePath(names[1])), (3 * 75 + 1 - 37) * rate / 75);
    }
}

void TestE2eImages::lossyTracksKeepTheirLength_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("slack"); // samples a decoded track may run over
    QTest::addColumn<QStringList>("options");
    QTest::newRow("mp3") << "mp3" << 0 << QStringList();
    QTest::newRow("opus") << "opus" << 0 << QStringList();
    QTest::newRow("m4a") << "m4a" << 1024 << QStringList();
    // The cut in the simple filter rather than ahead of the loudness meter.
    QTest::newRow("mp3, quieter, unmeasured")
        << "mp3" << 0 << QStringList{"--volume=50", "--replaygain=off"};
}

void TestE2eImages::lossyTracksKeepTheirLength()
{
    QFETCH(QString, word);
    QFETCH(int, slack);
    QFETCH(QStringList, options);

    QTemporaryDir music;
    // Opus works at 48 kHz: an image at that rate keeps the count comparable.
    const int rate = word == "opus" ? 48000 : Rate;
    QVERIFY(makeImage(music.filePath("image.flac"), 7.3, rate));
    QVERIFY(write(music.filePath("Album.cue"), ThreeTracks));
    const e2e::Ended ended = convert(word, {music.filePath("Album.cue")}, options);
    QVERIFY2(ended.status == 0, qPrintable(ended.error));

    const qint64 frame = rate / 75;
    const QList<qint64> expected{37 * frame, (3 * 75 + 1 - 37) * frame,
                                 (5 * 75 + 74 - 3 * 75 - 1) * frame};
    const QStringList names{"00", "01 Intro", "02 Song: Two_Three"};
    for (int i = 0; i < names.size(); ++i) {
        const qint64 decoded = samplesOf(music.filePath(names[i] + '.' + word));
        QVERIFY2(decoded >= expected[i] && decoded <= expected[i] + slack,
                 qPrintable(QString("%1: %2 samples, not %3").arg(names[i]).arg(decoded)
                                .arg(expected[i])));
    }
}

void TestE2eImages::imageHoldingItsSheet_data()
{
    QTest::addColumn<bool>("block"); // a FLAC CUESHEET block, else a CUESHEET tag
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("names");
    const QString twoTracks = "FILE \"x.wav\" WAVE\nTRACK 01 AUDIO\nTITLE One\n"
                              "INDEX 01 00:00:00\nTRACK 02 AUDIO\nTITLE Two\nINDEX 01 00:02:33\n";
    QTest::newRow("CUESHEET tag") << false << twoTracks
                                  << QStringList{"01 One.flac", "02 Two.flac"};
    QTest::newRow("CUESHEET block") << true << QString()
                                    << QStringList{"00.flac", "01.flac", "02.flac"};
    // Still the user's file to convert: whole, as before sheets were read.
    QTest::newRow("unusable CUESHEET tag") << false << "TRACK 01 AUDIO\nINDEX 01 99:00:00\n"
                                           << QStringList{"image_1.flac"};
}

void TestE2eImages::imageHoldingItsSheet()
{
    QFETCH(bool, block);
    QFETCH(QString, tag);
    QFETCH(QStringList, names);

    QTemporaryDir music;
    const QString image = music.filePath("image.flac");
    QVERIFY(makeImage(music.filePath("plain.flac"), 4));
    if (block) {
        // Positions only, in samples: a pregap, then a track off a frame.
        QVERIFY(QFile::copy(music.filePath("plain.flac"), image));
        QVERIFY(splice(image,
                       cueBlock({{588 * 20, 1, {{1, 0}}}, {588 * 151, 2, {{0, 0}, {1, 588 * 30}}},
                                 {4 * Rate, 170, {}}}),
                       -1));
    } else {
        QVERIFY(e2e::run("ffmpeg", {"-v", "error", "-i", music.filePath("plain.flac"), "-c", "copy",
                                    "-metadata", "CUESHEET=" + tag, "-y", image}) == 0);
    }
    QVERIFY(QFile::remove(music.filePath("plain.flac")));
    const QByteArray whole = pcm(image);
    const e2e::Ended ended = convert("fla", {image});
    QVERIFY2(ended.status == 0, qPrintable(ended.error));
    QByteArray joined;
    for (const QString &name : names) {
        QVERIFY2(QFileInfo::exists(music.filePath(name)), qPrintable(entries(music.path()).join('|')));
        joined += pcm(music.filePath(name));
        QVERIFY(!e2e::tags(music.filePath(name)).contains("cuesheet"));
    }
    QVERIFY(joined == whole);
}

void TestE2eImages::tinyImageInEveryFormat_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("extension");
    for (const char *word : {"mp3", "m4a", "wma", "wav", "fla", "aac", "ogg", "mka", "opus"})
        QTest::newRow(word) << word << (word == QLatin1String("fla") ? "flac" : word);
}

// A tenth of a second of silence, one FLAC frame, cut in two: the nearest
// to a sheet refused for lying beyond its audio.
void TestE2eImages::tinyImageInEveryFormat()
{
    QFETCH(QString, word);
    QFETCH(QString, extension);

    QTemporaryDir music;
    QVERIFY(e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "anullsrc=r=44100:cl=stereo",
                                "-t", "0.1", "-sample_fmt", "s16", "-y",
                                music.filePath("image.flac")}) == 0);
    QVERIFY(write(music.filePath("Album.cue"), "FILE \"image.flac\" WAVE\n"
                                               "TRACK 01 AUDIO\nTITLE A\nINDEX 01 00:00:00\n"
                                               "TRACK 02 AUDIO\nTITLE B\nINDEX 01 00:00:06\n"));
    const e2e::Ended ended = convert(word, {music.filePath("Album.cue")});
    QVERIFY2(ended.status == 0, qPrintable(ended.error));
    QVERIFY(samplesOf(music.filePath("01 A." + extension)) > 0);
    // The WMA encoder keeps no frame of 882 samples, from any source.
    const qint64 last = samplesOf(music.filePath("02 B." + extension));
    QVERIFY(last > 0 || (word == "wma" && QFileInfo(music.filePath("02 B.wma")).size() > 0));
    if (word == "wav" || word == "fla")
        QCOMPARE(last, 4410 - 6 * 588);
}

void TestE2eImages::tagsComeFromTheSheet()
{
    QTemporaryDir music;
    QVERIFY(makeImage(music.filePath("image.flac"), 7.3));
    // The image's own tags fill what the sheet lacks; its title is the album's;
    // its cover goes into every track.
    QVERIFY(e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "color=c=red:s=64x64:d=1",
                                "-frames:v", "1", "-y", music.filePath("cover.png")}) == 0);
    QVERIFY(e2e::run("ffmpeg", {"-v", "error", "-i", music.filePath("image.flac"), "-i",
                                music.filePath("cover.png"), "-map", "0:a", "-map", "1:v", "-c:a",
                                "copy", "-c:v", "png", "-disposition:v", "attached_pic",
                                "-metadata", "COMPOSER=Writer", "-metadata", "TITLE=Ignored",
                                "-y", music.filePath("tagged.flac")}) == 0);
    QVERIFY(QFile::remove(music.filePath("image.flac")));
    QVERIFY(QFile::rename(music.filePath("tagged.flac"), music.filePath("image.flac")));
    QVERIFY(write(music.filePath("Album.cue"), ThreeTracks));
    const e2e::Ended ended = convert("mp3", {music.filePath("Album.cue")});
    QVERIFY2(ended.status == 0, qPrintable(ended.error));

    const QMap<QString, QString> tags = e2e::tags(music.filePath("02 Song: Two_Three.mp3"));
    QCOMPARE(tags.value("title"), QString("Song: Two/Three"));
    QCOMPARE(tags.value("artist"), QString("Guest"));
    QCOMPARE(tags.value("album"), QString("Album"));
    QCOMPARE(tags.value("album_artist"), QString("The Band"));
    QCOMPARE(tags.value("track"), QString("2/3"));
    QCOMPARE(tags.value("date"), QString("1999"));
    QCOMPARE(tags.value("genre"), QString("Rock"));
    QCOMPARE(tags.value("composer"), QString("Writer"));
    QVERIFY(!tags.contains("cuesheet"));
    // The image's tracks are one album, each with its own values.
    QVERIFY(tags.contains("replaygain_album_gain"));
    QVERIFY(tags.value("replaygain_track_gain") !=
            e2e::tags(music.filePath("00.mp3")).value("replaygain_track_gain"));
    for (const char *track : {"00.mp3", "03 Outro.mp3"}) {
        const QJsonArray streams = e2e::probeJson(music.filePath(track)).value("streams").toArray();
        QVERIFY2(streams.size() == 2 && streams[1].toObject().value("codec_name") == "png",
                 qPrintable(track));
    }
}

void TestE2eImages::sheetInAnyEncoding_data()
{
    QTest::addColumn<QByteArray>("encoding"); // as the sheet is written
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("option"); // --cue-encoding=, when given

    QTest::newRow("utf-8 without mark") << QByteArray("UTF-8") << "Über den Wolken" << QByteArray();
    QTest::newRow("utf-8 with mark") << QByteArray("UTF-8 BOM") << "Ωμέγα" << QByteArray();
    QTest::newRow("utf-16 with mark") << QByteArray("UTF-16LE BOM") << "夜に駆ける" << QByteArray();
    QTest::newRow("cp1251") << QByteArray("windows-1251") << "Кино — Группа крови, Звезда по имени Солнце"
                            << QByteArray();
    QTest::newRow("cp1252") << QByteArray("windows-1252") << "Café del Mar – Señorita, Façade"
                            << QByteArray();
    QTest::newRow("shift-jis") << QByteArray("Shift_JIS") << "宇多田ヒカル ファーストラブ 初恋の歌"
                               << QByteArray();
    QTest::newRow("gb18030") << QByteArray("GB18030") << "周杰伦 七里香 晴天 稻香 东风破"
                             << QByteArray();
    QTest::newRow("big5") << QByteArray("Big5") << "鄧麗君 月亮代表我的心 甜蜜蜜" << QByteArray();
    QTest::newRow("euc-kr") << QByteArray("EUC-KR") << "아이유 좋은 날 너랑 나 밤편지"
                            << QByteArray();
    // Too short to be told apart by its statistics: the user says it.
    QTest::newRow("short cp1251, said") << QByteArray("windows-1251") << "Юг"
                                        << QByteArray("CP1251");
}

void TestE2eImages::sheetInAnyEncoding()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QString, title);
    QFETCH(QByteArray, option);

    const QString text = "TITLE \"" + title + "\"\nFILE \"image.flac\" FLAC\n"
                         "TRACK 01 AUDIO\nTITLE \"" + title + "\"\nINDEX 01 00:00:00\n"
                         "TRACK 02 AUDIO\nTITLE \"2\"\nINDEX 01 00:01:00\n";
    QByteArray bytes;
    if (encoding == "UTF-8")
        bytes = text.toUtf8();
    else if (encoding == "UTF-8 BOM")
        bytes = "\xEF\xBB\xBF" + text.toUtf8();
    else if (encoding == "UTF-16LE BOM")
        bytes = QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(text);
    else
        bytes = encoded(text, encoding);
    QVERIFY(!bytes.isEmpty());

    QTemporaryDir music;
    QVERIFY(makeImage(music.filePath("image.flac"), 2));
    QVERIFY(write(music.filePath("Album.cue"), bytes));
    const QStringList options =
        option.isEmpty() ? QStringList() : QStringList{"--cue-encoding=" + QString(option)};
    const e2e::Ended ended = convert("mp3", {music.filePath("Album.cue")}, options);
    QVERIFY2(ended.status == 0, qPrintable(ended.error));
    const QString target = music.filePath("01 " + title + ".mp3");
    QVERIFY2(QFileInfo::exists(target), qPrintable(entries(music.path()).join('|')));
    QCOMPARE(e2e::tags(target).value("title"), title);
    QCOMPARE(e2e::tags(target).value("album"), title);
}

// A folder's mirror: an image cut once a sheet comes beside it, its tracks
// redone only as the sheet changes, and gone with the image.
void TestE2eImages::mirrorKeepsTracksInSync()
{
    QTemporaryDir top;
    const QString library = top.filePath("Library");
    const QString mirror = top.filePath("Library (MP3)");
    QVERIFY(QDir().mkpath(library + "/Album"));
    QVERIFY(makeImage(library + "/Album/image.flac", 7.3));
    const auto update = [&](const QString &said) {
        const e2e::Ended ended = convert("mp3", {library});
        return ended.status == 0 && ended.error.contains("Library (MP3) is up to date: " + said)
                   ? QString()
                   : ended.error;
    };
    QCOMPARE(update("1 converted, 0 moved to the trash, 0 unchanged."), QString());

    QVERIFY(write(library + "/Album/Album.cue", ThreeTracks));
    QCOMPARE(update("4 converted, 1 moved to the trash, 0 unchanged."), QString());
    QCOMPARE(entries(mirror + "/Album"),
             (QStringList{"00.mp3", "01 Intro.mp3", "02 Song: Two_Three.mp3", "03 Outro.mp3"}));
    QCOMPARE(entries(mirror), (QStringList{".tonewright-mirror.db", "Album"}));
    QCOMPARE(update("0 converted, 0 moved to the trash, 4 unchanged."), QString());

    // A corrected title: that track only, under its new name.
    QByteArray sheet(ThreeTracks);
    sheet.replace("Song: Two/Three", "Song Two");
    QVERIFY(write(library + "/Album/Album.cue", sheet));
    QCOMPARE(update("1 converted, 1 moved to the trash, 3 unchanged."), QString());
    QVERIFY(QFileInfo::exists(mirror + "/Album/02 Song Two.mp3"));
    QCOMPARE(e2e::tags(mirror + "/Album/02 Song Two.mp3").value("title"), QString("Song Two"));

    // Without its sheet the image is mirrored whole again, and back.
    QVERIFY(QFile::rename(library + "/Album/Album.cue", top.filePath("Album.cue")));
    QCOMPARE(update("1 converted, 4 moved to the trash, 0 unchanged."), QString());
    QCOMPARE(entries(mirror + "/Album"), QStringList{"image.mp3"});
    QVERIFY(QFile::rename(top.filePath("Album.cue"), library + "/Album/Album.cue"));
    QCOMPARE(update("4 converted, 1 moved to the trash, 0 unchanged."), QString());

    QVERIFY(QFile::remove(library + "/Album/image.flac"));
    const e2e::Ended ended = convert("mp3", {library});
    QVERIFY2(ended.error.contains("0 converted, 4 moved to the trash"), qPrintable(ended.error));
    QVERIFY(!QFileInfo::exists(mirror + "/Album"));
}

void TestE2eImages::hostileSheetsWriteNothing_data()
{
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<QString>("said"); // part of the reason given

    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) % 251);
    QTest::newRow("binary junk") << junk << "Album.cue";
    QTest::newRow("a sheet of megabytes")
        << QByteArray("FILE \"image.flac\" FLAC\n") + QByteArray(3 << 20, 'x') << "Album.cue";
    QByteArray many("FILE \"image.flac\" FLAC\n");
    for (int i = 0; i < 20000; ++i)
        many += "TRACK 01 AUDIO\nINDEX 01 00:00:00\n";
    QTest::newRow("20000 tracks") << many << "Album.cue";
    QTest::newRow("times out of order") << QByteArray("FILE \"image.flac\" FLAC\n"
                                                      "TRACK 01 AUDIO\nINDEX 01 00:01:00\n"
                                                      "TRACK 02 AUDIO\nINDEX 01 00:00:10\n")
                                        << "Album.cue";
    QTest::newRow("beyond the audio") << QByteArray("FILE \"image.flac\" FLAC\n"
                                                    "TRACK 01 AUDIO\nINDEX 01 00:00:00\n"
                                                    "TRACK 02 AUDIO\nINDEX 01 09:00:00\n")
                                      << "Album.cue";
    QTest::newRow("negative") << QByteArray("FILE \"image.flac\" FLAC\n"
                                            "TRACK 01 AUDIO\nINDEX 01 -1:00:00\n")
                              << "Album.cue";
    QTest::newRow("file up the tree") << QByteArray("FILE \"../outside/secret.flac\" FLAC\n"
                                                    "TRACK 01 AUDIO\nINDEX 01 00:00:00\n")
                                      << "secret.flac";
    QTest::newRow("a link out of the folder") << QByteArray("FILE \"link.flac\" FLAC\n"
                                                            "TRACK 01 AUDIO\nINDEX 01 00:00:00\n")
                                              << "link.flac";
    QTest::newRow("a fifo") << QByteArray("FILE \"fifo.flac\" FLAC\n"
                                          "TRACK 01 AUDIO\nINDEX 01 00:00:00\n")
                            << "fifo.flac";
}

void TestE2eImages::hostileSheetsWriteNothing()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QString, said);

    QTemporaryDir top;
    QVERIFY(QDir(top.path()).mkpath("album") && QDir(top.path()).mkpath("outside"));
    const QString music = top.filePath("album");
    QVERIFY(makeImage(music + "/image.flac", 2));
    QVERIFY(makeImage(top.filePath("outside/secret.flac"), 1));
    QVERIFY(QFile::link(top.filePath("outside/secret.flac"), music + "/link.flac"));
    QCOMPARE(::mkfifo(QFile::encodeName(music + "/fifo.flac").constData(), 0600), 0);
    QVERIFY(write(music + "/Album.cue", sheet));
    const QStringList before = entries(music);

    const e2e::Ended ended = convert("mp3", {music + "/Album.cue"});
    QCOMPARE(ended.status, 1);
    QVERIFY2(ended.error.contains(said), qPrintable(ended.error.left(2000)));
    QCOMPARE(entries(music), before);
    QCOMPARE(entries(top.filePath("outside")), QStringList{"secret.flac"});
}

QTEST_GUILESS_MAIN(TestE2eImages)
#include "tst_e2e_images.moc"
