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

private:
    QTemporaryDir m_sources;
    QString m_wav;
    QByteArray m_mp3;
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

const QString ConversionErrorText = "Conversion error!\nMake sure that the file you are trying "
                                    "to convert is a valid video or audio file.\n";
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
    writeSetting(settings::SendStatKey, "false");
    writeSetting(settings::TargetDirKey, "same");
    writeSetting(settings::BitrateKey, "128");
}

void TestE2eBadInput::source_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // wav, empty, random, truncated, directory
    QTest::addColumn<bool>("converts");

    QTest::newRow("empty file") << "empty.wav"
                                << "empty" << false;
    QTest::newRow("random bytes") << "noise.mp3"
                                  << "random" << false;
    QTest::newRow("truncated mp3") << "cut.mp3"
                                   << "truncated" << true;
    QTest::newRow("directory") << "folder.wav"
                               << "directory" << false;
    QTest::newRow("spaces") << "my  song .wav"
                            << "wav" << true;
    QTest::newRow("quotes") << "it's \"quoted\".wav"
                            << "wav" << true;
    QTest::newRow("non-ascii") << "Grüße – 音楽.wav"
                               << "wav" << true;
    QTest::newRow("leading dash") << "-y.wav"
                                  << "wav" << true;
    QTest::newRow("newline") << "two\nlines.wav"
                             << "wav" << true;
    QTest::newRow("colon") << "file:song.wav"
                           << "wav" << true;
    QTest::newRow("no extension") << "song"
                                  << "wav" << true;
}

void TestE2eBadInput::source()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, converts);

    QTemporaryDir dir;
    const QString source = dir.filePath(name);
    if (kind == "directory") {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else {
        QByteArray bytes;
        if (kind == "wav")
            bytes = contents(m_wav);
        else if (kind == "random")
            for (int i = 0; i < 65536; ++i)
                bytes += char((i * 7919 + 13) % 251);
        else if (kind == "truncated")
            bytes = m_mp3.left(m_mp3.size() / 2);
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
    if (!converts)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(".*"));
    {
        Soundmill window(testServices());
        QObject::connect(&window, &Soundmill::ended, &window,
                         [&exits](int status) { exits << status; });
        window.startConversion(source, "mp3", {});
        QTRY_VERIFY_WITH_TIMEOUT(!exits.isEmpty(), 60000);
    }
    QCOMPARE(exits, QList<int>{0});

    const QString target = dir.filePath(base + "_1.mp3");
    if (converts) {
        QVERIFY(answerer.seen.isEmpty());
        const e2e::Probe result = e2e::probe(target);
        QVERIFY2(result.ok, qPrintable(target));
        QCOMPARE(result.codec, "mp3");
    } else {
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].text, ConversionErrorText);
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
                     [&exits](int status) { exits << status; });
    window.startConversion(source, "opus", {});
    QTRY_VERIFY_WITH_TIMEOUT(!exits.isEmpty(), 60000);
    QCOMPARE(exits, QList<int>{0});
    // The encoder's last progress stamp always comes, however fast it runs.
    QVERIFY(window.findChild<QLabel *>("lbl_Speed")->text().endsWith(" s/s"));
    QVERIFY(window.findChild<QLabel *>("lbl_TimeRemaining")->text() != "Calculating...");
    QCOMPARE(e2e::probe(dir.filePath("song.opus")).codec, "opus");
}

QTEST_MAIN(TestE2eBadInput)
#include "tst_e2e_badinput.moc"
