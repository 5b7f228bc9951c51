#include "settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The settings store and the rules its readers apply.
class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void roundTripLandsInUserConfigFile();
    void missingKeyReadsEmpty();
    void bitrateRule_data();
    void bitrateRule();
    void targetRule();
    void targetWordsLoseToExistingDirectories();
    void sendReportsRule_data();
    void sendReportsRule();
    void replayGainRule_data();
    void replayGainRule();
    void damagedStoreFallsBackToDefaults_data();
    void damagedStoreFallsBackToDefaults();

private:
    QString storePath() const;
};

QString TestSettings::storePath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tonewright.conf");
}

void TestSettings::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
}

void TestSettings::init()
{
    QFile::remove(storePath());
    QDir(storePath()).removeRecursively();
}

void TestSettings::roundTripLandsInUserConfigFile()
{
    writeSetting(QStringLiteral("bitrate"), QStringLiteral("192"));
    writeSetting(QStringLiteral("targetdir"), QStringLiteral("/tmp/out dir/é"));
    QCOMPARE(readSetting(QStringLiteral("bitrate")), QStringLiteral("192"));
    QCOMPARE(readSetting(QStringLiteral("targetdir")), QStringLiteral("/tmp/out dir/é"));

    // Values are text, at top level, in the file the user can find.
    QFile file(storePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("bitrate=192"));
}

void TestSettings::missingKeyReadsEmpty()
{
    QCOMPARE(readSetting(QStringLiteral("sendstat")), QString());
}

void TestSettings::bitrateRule_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("used");
    QTest::newRow("96") << "96" << 96;
    QTest::newRow("32") << "32" << 32;
    QTest::newRow("320") << "320" << 320;
    QTest::newRow("100 not a multiple") << "100" << 128;
    QTest::newRow("16 too low") << "16" << 128;
    QTest::newRow("352 too high") << "352" << 128;
    QTest::newRow("0") << "0" << 128;
    QTest::newRow("-64") << "-64" << 128;
    QTest::newRow("abc") << "abc" << 128;
    QTest::newRow("empty") << "" << 128;
    QTest::newRow("hex") << "0x40" << 128;
    QTest::newRow("trailing text") << "192k" << 128;
}

void TestSettings::bitrateRule()
{
    QFETCH(QString, stored);
    QFETCH(int, used);
    QCOMPARE(settings::bitrateFromText(stored), used);
}

void TestSettings::targetRule()
{
    using settings::TargetRule;
    QTemporaryDir dir;
    QCOMPARE(settings::targetRuleFromText(dir.path()), TargetRule::Directory);
    QCOMPARE(settings::targetRuleFromText(QStringLiteral("ask")), TargetRule::Ask);
    QCOMPARE(settings::targetRuleFromText(QStringLiteral("same")), TargetRule::SameAsSource);
    QCOMPARE(settings::targetRuleFromText(QStringLiteral("ASK")), TargetRule::SameAsSource);
    QCOMPARE(settings::targetRuleFromText(QStringLiteral(TW_TEST_SOURCE_DIR "/CMakeLists.txt")),
             TargetRule::SameAsSource);
    // A first run has nothing stored: beside the source, never the working directory.
    QCOMPARE(settings::targetRuleFromText(QString()), TargetRule::SameAsSource);

    const QString gone = dir.path() + QStringLiteral("/gone");
    QVERIFY(QDir().mkdir(gone));
    QVERIFY(QDir().rmdir(gone));
    writeSetting(QStringLiteral("targetdir"), gone);
    QCOMPARE(settings::targetRuleFromText(readSetting(QStringLiteral("targetdir"))),
             TargetRule::SameAsSource);
    // Reading never rewrites the stored value.
    QCOMPARE(readSetting(QStringLiteral("targetdir")), gone);
}

void TestSettings::targetWordsLoseToExistingDirectories()
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("ask")));
    QCOMPARE(settings::targetRuleFromText(QStringLiteral("ask")), settings::TargetRule::Directory);
    QVERIFY(QDir::setCurrent(before));
}

void TestSettings::sendReportsRule_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("false") << "false" << false;
    QTest::newRow("False") << "False" << true;
    QTest::newRow("FALSE") << "FALSE" << true;
    QTest::newRow("true") << "true" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("0") << "0" << true;
}

void TestSettings::sendReportsRule()
{
    QFETCH(QString, stored);
    QFETCH(bool, allowed);
    QCOMPARE(settings::sendReportsFromText(stored), allowed);
}

void TestSettings::replayGainRule_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("choice"); // ReplayGain; -1: no word
    QTest::newRow("album") << "album" << int(ReplayGain::Album);
    QTest::newRow("track") << "track" << int(ReplayGain::Track);
    QTest::newRow("off") << "off" << int(ReplayGain::Off);
    QTest::newRow("Off") << "Off" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("with a space") << "track " << -1;
}

void TestSettings::replayGainRule()
{
    QFETCH(QString, stored);
    QFETCH(int, choice);
    const auto word = replaygain::fromWord(stored);
    QCOMPARE(word ? int(*word) : -1, choice);
    const auto read = settings::replayGainFromText(stored);
    QCOMPARE(read, word.value_or(ReplayGain::Album));
    if (word)
        QCOMPARE(replaygain::word(read), stored);
}

void TestSettings::damagedStoreFallsBackToDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("directoryInstead");
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[[[=\n\x01bitrate", 16) << false;
    QTest::newRow("broken section") << QByteArray("[General\nbitrate=\"192\nsendstat") << false;
    QTest::newRow("list value") << QByteArray("[General]\nbitrate=1, 2, 3\n") << false;
    QTest::newRow("directory in place of the file") << QByteArray() << true;
}

void TestSettings::damagedStoreFallsBackToDefaults()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, directoryInstead);
    QDir().mkpath(QFileInfo(storePath()).path());
    if (directoryInstead) {
        QVERIFY(QDir().mkpath(storePath()));
    } else {
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    // Whatever the store holds, readers get text and fall back to their defaults.
    QCOMPARE(settings::bitrateFromText(readSetting(QStringLiteral("bitrate"))), 128);
    QVERIFY(settings::sendReportsFromText(readSetting(QStringLiteral("sendstat"))));
    QCOMPARE(settings::replayGainFromText(readSetting(QStringLiteral("replaygain"))),
             ReplayGain::Album);
    writeSetting(QStringLiteral("sendstat"), QStringLiteral("false")); // must not crash
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
