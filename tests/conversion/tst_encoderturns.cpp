#include "conversionqueue.h"
#include "encoderslot.h"
#include "fakeencoderinstall.h"
#include "settings.h"
#include "testservices.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <QTest>
#include <memory>
#include <vector>

// Conversions started together take turns for the user's encoder slots.
class TestEncoderTurns : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void waitsForAFreeSlot();
    void stoppedWhileWaitingStartsNothing();
    void sourceSwappedBeforeItsTurn_data();
    void sourceSwappedBeforeItsTurn();

private:
    void takeEverySlot();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_encoder;
    std::vector<std::unique_ptr<EncoderSlot>> m_others;
    Services m_services;
    QString m_source;
    QString m_target;
};

void TestEncoderTurns::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
}

void TestEncoderTurns::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_encoder = std::make_unique<QTemporaryDir>();
    m_services = testServices(m_encoder->path());
    writeSetting(settings::SendStatKey, "false");
    writeSetting(settings::TargetDirKey, "same");
    m_source = m_dir->filePath("song.wav");
    m_target = m_dir->filePath("song.mp3");
    QFile source(m_source);
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write("RIFF");
    QVERIFY(!fakeencoder::install(m_encoder->path(), "write-text mp3\n").isEmpty());
}

void TestEncoderTurns::cleanup()
{
    m_others.clear();
}

// Other processes' encoders, as far as the slots can tell.
void TestEncoderTurns::takeEverySlot()
{
    const int count = m_services.encoderSlotCount;
    for (int i = 0; i < count; ++i) {
        m_others.push_back(std::make_unique<EncoderSlot>(m_services.encoderSlotFolder, count));
        QVERIFY(m_others.back()->tryAcquire());
    }
}

void TestEncoderTurns::waitsForAFreeSlot()
{
    takeEverySlot();
    ConversionQueue queue({{m_source, "mp3", {}}}, m_services, nullptr);
    queue.start();
    // Waiting: the name reserved, no encoder yet.
    QTRY_VERIFY(queue.onlyJob() &&
                queue.onlyJob()->stage() == ConversionJob::Stage::WaitingForSlot);
    QVERIFY(QFileInfo::exists(m_target));
    QVERIFY(!fakeencoder::ran(m_encoder->path()));
    m_others.pop_back();
    QTRY_VERIFY_WITH_TIMEOUT(queue.isFinished(), 10000);
    QCOMPARE(queue.converted(), 1);
    QCOMPARE(QFileInfo(m_target).size(), 3);
}

void TestEncoderTurns::stoppedWhileWaitingStartsNothing()
{
    takeEverySlot();
    ConversionQueue queue({{m_source, "mp3", {}}}, m_services, nullptr);
    queue.start();
    QTRY_VERIFY(queue.onlyJob() &&
                queue.onlyJob()->stage() == ConversionJob::Stage::WaitingForSlot);
    queue.stop();
    QVERIFY(queue.isFinished());
    m_others.clear();
    QTest::qWait(300);
    QVERIFY(!fakeencoder::ran(m_encoder->path()));
    // The reserved name is given back; the source is untouched.
    QVERIFY(!QFileInfo::exists(m_target));
    QCOMPARE(QFileInfo(m_source).size(), 4);
}

void TestEncoderTurns::sourceSwappedBeforeItsTurn_data()
{
    QTest::addColumn<QString>("swap"); // what stands at the name by the file's turn
    QTest::addColumn<QString>("end");  // how the file ends
    QTest::newRow("a link to a private file") << "link" << "replaced";
    QTest::newRow("a pipe") << "fifo" << "replaced";
    QTest::newRow("a pipe from the start") << "fifo at selection" << "not a file";
    QTest::newRow("swapped while it waits for a slot") << "after opening" << "converted";
}

void TestEncoderTurns::sourceSwappedBeforeItsTurn()
{
    // Someone who can write to the source's folder swaps the source while
    // it waits: the file converted is the one selected, or none at all, and
    // nothing blocks on a pipe.
    QFETCH(QString, swap);
    QFETCH(QString, end);
    QVERIFY(!fakeencoder::install(m_encoder->path(), "copy-input\n").isEmpty());
    QTemporaryDir secrets;
    QFile secret(secrets.filePath("secret.wav"));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("SECRET");
    secret.close();
    const auto putInPlace = [&] {
        QFile::remove(m_source);
        if (swap == "link")
            QVERIFY(QFile::link(secret.fileName(), m_source));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(m_source).constData(), 0600), 0);
    };
    if (swap == "fifo at selection")
        putInPlace();
    takeEverySlot();
    ConversionQueue queue({{m_source, "mp3", {}}}, m_services, nullptr);
    queue.start();
    if (swap == "after opening")
        QTRY_VERIFY(queue.onlyJob() &&
                    queue.onlyJob()->stage() == ConversionJob::Stage::WaitingForSlot);
    if (swap != "fifo at selection")
        putInPlace();
    m_others.clear();
    QTRY_VERIFY_WITH_TIMEOUT(queue.isFinished(), 10000);
    const ConversionEnd &ended = queue.end(0);
    if (end == "converted") {
        QCOMPARE(ended.outcome, ConversionEnd::Outcome::Converted);
        QFile target(m_target);
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), QByteArray("RIFF"));
        return;
    }
    QCOMPARE(ended.failure, end == "replaced" ? ConversionEnd::Failure::SourceReplaced
                                              : ConversionEnd::Failure::NotAFile);
    QVERIFY(!fakeencoder::ran(m_encoder->path()));
    QVERIFY(!QFileInfo::exists(m_target));
}

QTEST_GUILESS_MAIN(TestEncoderTurns)
#include "tst_encoderturns.moc"
