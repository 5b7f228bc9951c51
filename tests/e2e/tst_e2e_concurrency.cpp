#include "e2etools.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

// Twelve conversions started at once whose sources share one base name in
// one folder, as a file manager does for a selection: every one must get a
// name of its own and finish; nothing may be overwritten or left empty.
class TestE2eConcurrency : public QObject
{
    Q_OBJECT

private slots:
    void twelveAtOnceShareNothing();
};

namespace {
QByteArray checksum(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
}
} // namespace

void TestE2eConcurrency::twelveAtOnceShareNothing()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
    QTemporaryDir config;
    QTemporaryDir dir;
    QVERIFY(e2e::writeSettings(config.path(), "128"));
    const QString wav = dir.filePath("seed.wav");
    QVERIFY(e2e::makeWav(wav, 3));

    // The encoder finds the format from the content, so one WAV can stand
    // under every extension; song.mp3 is itself a source that must survive.
    const QStringList extensions = {"wav", "flac", "ogg", "mp3",  "m4a",  "mka",
                                    "aac", "wma",  "au",  "aiff", "opus", "mp2"};
    QHash<QString, QByteArray> before;
    for (const QString &extension : extensions) {
        const QString source = dir.filePath("song." + extension);
        QVERIFY(QFile::copy(wav, source));
        before.insert(source, checksum(source));
    }
    QFile::remove(wav);

    std::vector<std::unique_ptr<QProcess>> programs;
    for (const QString &extension : extensions) {
        auto program = std::make_unique<QProcess>();
        program->setProcessEnvironment(e2e::programEnvironment(config.path()));
        program->start(e2e::tonewright(), {"mp3", dir.filePath("song." + extension)});
        programs.push_back(std::move(program));
    }
    for (const auto &program : programs) {
        QVERIFY(program->waitForFinished(120000));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
    }

    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(checksum(it.key()), it.value());
    QStringList outputs;
    for (int i = 1; i <= 12; ++i)
        outputs << dir.filePath(QString("song_%1.mp3").arg(i));
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 24);
    for (const QString &output : outputs) {
        const e2e::Probe result = e2e::probe(output);
        QVERIFY2(result.ok, qPrintable(output));
        QCOMPARE(result.codec, "mp3");
        QVERIFY2(qAbs(result.duration - 3.0) < 0.1, qPrintable(output));
    }
}

QTEST_GUILESS_MAIN(TestE2eConcurrency)
#include "tst_e2e_concurrency.moc"
