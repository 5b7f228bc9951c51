#include "e2etools.h"

#include <QTemporaryDir>
#include <QTest>

// The real program with the real encoder: one source into each format.
class TestE2eFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convertsIntoEveryFormat_data();
    void convertsIntoEveryFormat();

private:
    QTemporaryDir m_config;
    QTemporaryDir m_sources;
    QString m_wav;
};

void TestE2eFormats::initTestCase()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
    QVERIFY(QFileInfo(e2e::tonewright()).isExecutable());
    m_wav = m_sources.filePath("source.wav");
    QVERIFY(e2e::makeWav(m_wav));
    QVERIFY(e2e::writeSettings(m_config.path(), "192"));
}

void TestE2eFormats::convertsIntoEveryFormat_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<bool>("lossy");

    QTest::newRow("mp3") << "mp3"
                         << "mp3"
                         << "mp3"
                         << "mp3" << true;
    QTest::newRow("m4a") << "m4a"
                         << "m4a"
                         << "mov,mp4,m4a,3gp,3g2,mj2"
                         << "aac" << true;
    QTest::newRow("wma") << "wma"
                         << "wma"
                         << "asf"
                         << "wmav2" << true;
    QTest::newRow("wav") << "wav"
                         << "wav"
                         << "wav"
                         << "pcm_s16le" << false;
    QTest::newRow("fla") << "fla"
                         << "flac"
                         << "flac"
                         << "flac" << false;
    QTest::newRow("aac") << "aac"
                         << "aac"
                         << "aac"
                         << "aac" << true;
    QTest::newRow("ogg") << "ogg"
                         << "ogg"
                         << "ogg"
                         << "vorbis" << true;
    QTest::newRow("mka") << "mka"
                         << "mka"
                         << "matroska,webm"
                         << "vorbis" << true;
}

void TestE2eFormats::convertsIntoEveryFormat()
{
    QFETCH(QString, word);
    QFETCH(QString, extension);
    QFETCH(QString, container);
    QFETCH(QString, codec);
    QFETCH(bool, lossy);

    QTemporaryDir dir;
    const QString source = dir.filePath("my song.wav");
    QVERIFY(QFile::copy(m_wav, source));

    QProcess program;
    program.setProcessEnvironment(e2e::programEnvironment(m_config.path()));
    program.start(e2e::tonewright(), {word, source});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    const QString target = dir.filePath("my song." + extension);
    const e2e::Probe result = e2e::probe(target);
    QVERIFY2(result.ok, qPrintable(target));
    QCOMPARE(result.formatName, container);
    QCOMPARE(result.codec, codec);
    QVERIFY2(qAbs(result.duration - 4.0) < 0.1, qPrintable(QString::number(result.duration)));
    // Vorbis treats the bitrate as an average over variable frames, so its
    // files come out somewhat below the rate asked for.
    if (lossy)
        QVERIFY2(result.kbps > 192 * 0.7 && result.kbps < 192 * 1.25,
                 qPrintable(QString::number(result.kbps)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

QTEST_GUILESS_MAIN(TestE2eFormats)
#include "tst_e2e_formats.moc"
