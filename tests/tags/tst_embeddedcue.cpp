#include "embeddedcue.h"
#include "flaccueblock.h"
#include "tagreader.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

// The sheet inside images made by the real encoder: as text in their tags,
// or as a FLAC CUESHEET block spliced in as a ripper writes it.
class TestEmbeddedCue : public QObject
{
    Q_OBJECT

private slots:
    void sheet_data();
    void sheet();

private:
    QTemporaryDir dir;
};

namespace {

const QString TwoTracks = "REM COMMENT \"x\"\nFILE \"Album.wav\" WAVE\n"
                          "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
                          "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 01 00:03:00\n";

// The sheet in short: "catalogue | number@start<gap isrc title; ...".
QString summary(const cuesheet::Sheet &sheet)
{
    QStringList tracks;
    for (const cuesheet::Track &track : sheet.tracks) {
        QString line = QString::number(track.number) + '@' + QString::number(track.start);
        if (track.gapStart >= 0)
            line += '<' + QString::number(track.gapStart);
        for (const QString &text : {track.isrc, track.title}) {
            if (!text.isEmpty())
                line += ' ' + text;
        }
        tracks.append(line);
    }
    return (sheet.catalog.isEmpty() ? QString() : sheet.catalog + " | ") + tracks.join("; ");
}

} // namespace

void TestEmbeddedCue::sheet_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text"); // the CUESHEET tag
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("keep");         // bytes of the block the file keeps; -1 all
    QTest::addColumn<QString>("expected"); // summary(), or "error: " and words of the reason
    // 44.1 kHz: 588 samples a frame.
    const QList<BlockTrack> disc{
        {0, 1, {{1, 0}}, "USABC1234567"},
        {132300, 2, {{1, 0}}},
        {220500, 3, {{1, 0}}, {}, true},
        {264600, 170, {}},
    };
    const QByteArray block = cueBlock(disc, true, "1234567890123");
    const QString text = "1@0 One; 2@225 Two";

    QTest::newRow("text in FLAC") << "flac" << TwoTracks << QByteArray() << -1 << text;
    QTest::newRow("text in WavPack") << "wv" << TwoTracks << QByteArray() << -1 << text;
    QTest::newRow("text before block") << "flac" << TwoTracks << block << -1 << text;
    QTest::newRow("block, data track left out")
        << "flac" << QString() << block << -1 << "1234567890123 | 1@0 USABC1234567; 2@225";
    QTest::newRow("block with hidden pregap and gaps")
        << "flac" << QString()
        << cueBlock(
               {{0, 1, {{0, 0}, {1, 44100}}}, {117600, 2, {{0, 0}, {1, 14700}}}, {264600, 255, {}}},
               false)
        << -1 << "1@75<0; 2@225<200";
    QTest::newRow("no sheet in FLAC") << "flac" << QString() << QByteArray() << -1 << QString();
    QTest::newRow("no sheet in WavPack") << "wv" << QString() << QByteArray() << -1 << QString();

    QTest::newRow("several files")
        << "flac"
        << TwoTracks + "FILE \"Other.wav\" WAVE\n  TRACK 03 AUDIO\n    INDEX 01 00:00:00\n"
        << QByteArray() << -1 << "error: several files";
    QString junk;
    for (int i = 1; i < 600; ++i)
        junk += QChar(char16_t((i * 7919) % 0x2ff + 1));
    QTest::newRow("junk text") << "flac" << junk << QByteArray() << -1
                               << "error: embedded cue sheet";
    QTest::newRow("junk text, block kept")
        << "flac" << junk << block << -1 << "1234567890123 | 1@0 USABC1234567; 2@225";
    QTest::newRow("block cut short")
        << "flac" << QString() << block.left(396 + 36 + 36 + 5) << -1 << "error: ends early";
    QTest::newRow("block past the end of the file")
        << "flac" << QString() << block << int(block.size() - 20) << "error: ends early";
    QTest::newRow("block claiming 255 tracks")
        << "flac" << QString() << cueBlock(disc, true, {}, 255) << -1 << "error: ends early";
    QList<BlockTrack> many;
    for (int n = 1; n <= 100; ++n)
        many.append({quint64(n) * 588, n, {{1, 0}}});
    QTest::newRow("100 tracks") << "flac" << QString() << cueBlock(many) << -1
                                << "error: more than 99";
    QTest::newRow("offsets backwards")
        << "flac" << QString()
        << cueBlock({{132300, 1, {{1, 0}}}, {0, 2, {{1, 0}}}, {264600, 170, {}}}) << -1
        << "error: backwards";
    QTest::newRow("index past the end")
        << "flac" << QString() << cueBlock({{0, 1, {{1, ~quint64(0) - 5}}}, {264600, 170, {}}})
        << -1 << "error: beyond";
    QTest::newRow("track without start")
        << "flac" << QString() << cueBlock({{0, 1, {{0, 0}}}, {264600, 170, {}}}) << -1
        << "error: no start";
}

void TestEmbeddedCue::sheet()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QByteArray, block);
    QFETCH(int, keep);
    QFETCH(QString, expected);
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QString(QTest::currentDataTag()) + '.' + format);
    QStringList arguments{"-v",       "error", "-y", "-f",  "lavfi", "-i",
                          "sine=d=6", "-ac",   "2",  "-ar", "44100"};
    if (!text.isEmpty())
        arguments << "-metadata" << (format == "wv" ? "Cuesheet=" : "CUESHEET=") + text;
    QCOMPARE(QProcess::execute("ffmpeg", arguments << path), 0);
    if (!block.isEmpty())
        QVERIFY(splice(path, block, keep));

    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const tags::SourceTags source = tags::readTags(fd);
    QString error;
    const auto sheet = tags::embeddedCueSheet(fd, source, &error);
    ::close(fd);
    if (expected.startsWith("error: ")) {
        QVERIFY2(!sheet, qPrintable(sheet ? summary(*sheet) : QString()));
        QVERIFY2(error.contains(expected.mid(7)), qPrintable(error));
    } else if (expected.isEmpty()) {
        QVERIFY(!sheet);
        QCOMPARE(error, QString());
    } else {
        QVERIFY2(sheet, qPrintable(error));
        QCOMPARE(summary(*sheet), expected);
        QCOMPARE(sheet->files.size(), 1);
        for (const cuesheet::Track &track : sheet->tracks)
            QVERIFY(track.file == 0 && track.gapFile == (track.gapStart >= 0 ? 0 : -1));
    }
}

QTEST_GUILESS_MAIN(TestEmbeddedCue)
#include "tst_embeddedcue.moc"
