#include "encoderslot.h"
#include "fakeencoderinstall.h"
#include "modalanswerer.h"
#include "settings.h"
#include "soundmill.h"
#include "testservices.h"

#include <QLabel>
#include <QProgressBar>
#include <QStandardPaths>
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
    void closingWhileWaitingStartsNothing();

private:
    void takeEverySlot();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_encoder;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::vector<std::unique_ptr<EncoderSlot>> m_others;
    QList<int> m_exits;
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
    m_answerer = std::make_unique<ModalAnswerer>();
    m_exits.clear();
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
    QCOMPARE(m_answerer->pending(), 0);
    m_answerer.reset();
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
    Soundmill window(m_services);
    QObject::connect(&window, &Soundmill::ended, this, [this](int status) { m_exits << status; });
    bool checkedWhileWaiting = false;
    QTimer::singleShot(300, this, [&] {
        // Still waiting: busy bar, "Calculating...", no encoder yet, the name reserved.
        QVERIFY(!fakeencoder::ran(m_encoder->path()));
        QCOMPARE(window.findChild<QProgressBar *>("prb_Progress")->maximum(), 0);
        QCOMPARE(window.findChild<QLabel *>("lbl_TimeRemaining")->text(), "Calculating...");
        QVERIFY(QFileInfo::exists(m_target));
        checkedWhileWaiting = true;
        m_others.pop_back();
    });
    window.startConversion(m_source, "mp3", {});
    QTRY_VERIFY(checkedWhileWaiting);
    QTRY_COMPARE_WITH_TIMEOUT(m_exits, QList<int>{0}, 10000);
    QCOMPARE(QFileInfo(m_target).size(), 3);
}

void TestEncoderTurns::closingWhileWaitingStartsNothing()
{
    takeEverySlot();
    Soundmill window(m_services);
    QObject::connect(&window, &Soundmill::ended, this, [this](int status) { m_exits << status; });
    QTimer::singleShot(300, this, [&] {
        m_answerer->enqueue(ModalAnswerer::click("Yes"));
        window.close();
    });
    window.startConversion(m_source, "mp3", {});
    QTRY_COMPARE(m_exits, QList<int>{0});
    QTest::qWait(200);
    QVERIFY(!fakeencoder::ran(m_encoder->path()));
    // The reserved name is given back; the source is untouched.
    QVERIFY(!QFileInfo::exists(m_target));
    QCOMPARE(QFileInfo(m_source).size(), 4);
}

QTEST_MAIN(TestEncoderTurns)
#include "tst_encoderturns.moc"
