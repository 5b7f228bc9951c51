#include "e2etools.h"
#include "modalanswerer.h"
#include "settings.h"
#include "soundmill.h"
#include "testservices.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Awkward and broken sources through the window with the real encoder, in
// this process so that the error box can be answered and read: each either
// converts or ends in the conversion error, and nothing else is touched.
class TestE2eBadInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void source_data();
    void source();
    void opusShowsProgress();
    void swappedTargetIsNeverWrittenThrough();

private:
    QTemporaryDir m_sources;
    QString m_wav;
    QByteArray m_mp3;
    QByteArray m_cutM4a;
};

namespace {

using e2e::contents;

const QString ConversionErrorText = "Conversion error!\nMake sure that the file you are trying "
                                    "to convert is a valid video or audio file.\n";
const QString NotMediaText = "This file is not an audio or video file.";
} // namespace

void TestE2eBadInput::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
    m_wav = m_sources.filePath("good.wav");
    QVERIFY(e2e::makeWav(m_wav, 2));
    const QString mp3 = m_sources.filePath("good.mp3");
    QCOMPARE(e2e::run("ffmpeg", {"-v", "error", "-i", m_wav, "-y", mp3}), 0);
    m_mp3 = contents(mp3);
    // An M4A whose header promises a minute, cut where its media data begins.
    const QString m4a = m_sources.filePath("long.m4a");
    QCOMPARE(e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=duration=60", "-c:a",
                                 "aac", "-movflags", "+faststart", "-y", m4a}),
             0);
    const QByteArray whole = contents(m4a);
    m_cutM4a = whole.left(whole.indexOf("mdat") + 4);
    writeSetting(settings::SendStatKey, "false");
    writeSetting(settings::TargetDirKey, "same");
    writeSetting(settings::BitrateKey, "128");
}

void TestE2eBadInput::source_data()
{
    QTest::addColumn<QString>("name");
    // wav, empty, random, truncated, directory, cut-m4a, cut-wav, playlist,
    // concat, or the encoder's arguments that make the source from the WAV
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("box"); // empty: it converts

    const struct
    {
        const char *tag, *name, *kind;
        QString box;
    } rows[] = {
        {"empty file", "empty.wav", "empty", ConversionErrorText},
        {"empty dsd file", "empty.dsf", "empty", ConversionErrorText},
        {"random bytes", "noise.mp3", "random", ConversionErrorText},
        {"truncated mp3", "cut.mp3", "truncated", ""},
        {"truncated wav", "cut.wav", "cut-wav", ""},
        // Its header promises a minute; the encoder exits 0 having written no audio.
        {"m4a without its media", "cut.m4a", "cut-m4a", ConversionErrorText},
        {"directory", "folder.wav", "directory", "This is not a file that can be converted."},
        // Lists of other files: the private file they name is never read.
        {"playlist posing as mp3", "song.mp3", "playlist", NotMediaText},
        {"file list posing as wav", "list.wav", "concat", NotMediaText},
        // The encoder is handed the open file, never the name: names of any
        // shape are the reservation's business (tst_targetreservation).
        {"no extension", "song", "wav", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << QString(row.name) << QString(row.kind) << row.box;
    // Real containers still convert.
    const QStringList made{"x.aiff",         "x.flac", "x.ogg -c:a libvorbis",
                           "x.opus",         "x.m4a",  "x.mkv",
                           "x.webm",         "x.wma",  "x.ac3",
                           "x.wv",           "x.avi",  "x.ts",
                           "x.mpg -c:a mp2", "x.caf",  "x.au",
                           "x.aac"};
    for (const QString &row : made)
        QTest::newRow(qPrintable(row.section(' ', 0, 0))) << row.section(' ', 0, 0) << row << "";
}

void TestE2eBadInput::source()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, box);

    QTemporaryDir dir;
    const QString source = dir.filePath(name);
    const QString secret = dir.filePath("private.wav");
    if (kind == "directory") {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (kind.startsWith(name)) {
        QStringList arguments{"-v", "error", "-i", m_wav};
        arguments += kind.split(' ').mid(1);
        QCOMPARE(e2e::run("ffmpeg", arguments << "-y" << source), 0);
    } else {
        QByteArray bytes;
        if (kind == "wav")
            bytes = contents(m_wav);
        else if (kind == "random")
            for (int i = 0; i < 65536; ++i)
                bytes += char((i * 7919 + 13) % 251);
        else if (kind == "truncated")
            bytes = m_mp3.left(m_mp3.size() / 2);
        else if (kind == "cut-wav")
            bytes = contents(m_wav).left(contents(m_wav).size() / 2);
        else if (kind == "cut-m4a")
            bytes = m_cutM4a;
        else if (kind == "playlist")
            bytes = "#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:10,\nprivate.wav\n#EXT-X-ENDLIST\n";
        else if (kind == "concat")
            bytes = "ffconcat version 1.0\nfile private.wav\n";
        if (kind == "playlist" || kind == "concat")
            QVERIFY(QFile::copy(m_wav, secret));
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A file already standing under the first target name must survive.
    const QString base = name.contains('.') ? name.left(name.lastIndexOf('.')) : name;
    const QString taken = dir.filePath(base + ".mp3");
    if (taken != source) {
        QFile keep(taken);
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("keep");
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    ModalAnswerer answerer;
    QList<int> exits;
    // A failed encoder's text goes to the debug output; a folder never
    // reaches the encoder.
    if (!box.isEmpty() && kind != "directory")
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(".*"));
    {
        Soundmill window(testServices());
        QObject::connect(&window, &Soundmill::ended, &window,
                         [&exits] { exits << 0; });
        window.startConversion(source, "mp3", {});
        QTRY_VERIFY_WITH_TIMEOUT(!exits.isEmpty(), 60000);
    }
    QCOMPARE(exits, QList<int>{0});

    const QString target = dir.filePath(base + "_1.mp3");
    if (box.isEmpty()) {
        QVERIFY(answerer.seen.isEmpty());
        const e2e::Probe result = e2e::probe(target);
        QVERIFY2(result.ok, qPrintable(target));
        QCOMPARE(result.codec, "mp3");
    } else {
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].text, box);
        QVERIFY(!QFileInfo::exists(target));
    }
    QStringList after = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    after.removeOne(base + "_1.mp3");
    QCOMPARE(after, before);
    if (taken != source)
        QCOMPARE(contents(taken), QByteArray("keep"));
}

void TestE2eBadInput::opusShowsProgress()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("song.wav");
    QVERIFY(QFile::copy(m_wav, source));
    QList<int> exits;
    Soundmill window(testServices());
    QObject::connect(&window, &Soundmill::ended, &window,
                     [&exits] { exits << 0; });
    window.startConversion(source, "opus", {});
    QTRY_VERIFY_WITH_TIMEOUT(!exits.isEmpty(), 60000);
    QCOMPARE(exits, QList<int>{0});
    // The encoder's last progress stamp always comes, however fast it runs.
    QVERIFY(window.findChild<QLabel *>("lbl_Speed")->text().endsWith(" s/s"));
    QVERIFY(window.findChild<QLabel *>("lbl_TimeRemaining")->text() != "Calculating...");
    QCOMPARE(e2e::probe(dir.filePath("song.opus")).codec, "opus");
}

void TestE2eBadInput::swappedTargetIsNeverWrittenThrough()
{
    // The real encoder, started a moment late: time for another user who
    // may write to the folder to swap the reservation for a link.
    QTemporaryDir bin;
    QFile slow(bin.filePath("ffmpeg"));
    QVERIFY(slow.open(QIODevice::WriteOnly));
    slow.write("#!/bin/sh\nsleep 1\nexec '" +
               QFile::encodeName(QStandardPaths::findExecutable("ffmpeg")) + "' \"$@\"\n");
    slow.close();
    QVERIFY(slow.setPermissions(slow.permissions() | QFileDevice::ExeOwner));

    QTemporaryDir dir;
    const QString source = dir.filePath("song.wav");
    QVERIFY(QFile::copy(m_wav, source));
    const QString victim = dir.filePath("victim.txt");
    QFile victimFile(victim);
    QVERIFY(victimFile.open(QIODevice::WriteOnly));
    victimFile.write("victim");
    victimFile.close();
    const QString target = dir.filePath("song.mp3");
    QTimer swap;
    QObject::connect(&swap, &QTimer::timeout, [&] {
        if (!QFileInfo(target).isSymLink() && QFileInfo::exists(target) && QFile::remove(target) &&
            QFile::link(victim, target))
            swap.stop();
    });
    swap.start(10);

    ModalAnswerer answerer;
    QList<int> exits;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(".*"));
    {
        Soundmill window(testServices(bin.path()));
        QObject::connect(&window, &Soundmill::ended, &window,
                         [&exits] { exits << 0; });
        window.startConversion(source, "mp3", {});
        QTRY_VERIFY_WITH_TIMEOUT(!exits.isEmpty(), 60000);
    }
    QCOMPARE(exits, QList<int>{0});
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text,
             "The target file was replaced by another program. Nothing was written to it.");
    // The link and what it points to stay as the other user left them.
    QVERIFY(QFileInfo(target).isSymLink());
    QCOMPARE(contents(victim), QByteArray("victim"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             (QStringList{"song.mp3", "song.wav", "victim.txt"}));
}

QTEST_MAIN(TestE2eBadInput)
#include "tst_e2e_badinput.moc"
