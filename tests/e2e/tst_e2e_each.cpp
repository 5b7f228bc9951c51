#include "desktopsteps.h"
#include "dialogtesting.h"
#include "e2etools.h"
#include "modalanswerer.h"
#include "testservices.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

// A selection of three files with "Advanced conversion…": the one question,
// then one window for the three, all in this process with the real encoder.
namespace {

class EachDesktop final : public DesktopSteps
{
public:
    EachDesktop()
        : DesktopSteps(testServices())
    {
    }
    QList<int> exits;
    void endProcess(int status) override { exits << status; }
};

using dialogtesting::child;

} // namespace

class TestE2eEach : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void oneQuestion();
    void optionsFromAScript();
    void nameThatIsNoTextIsNamed();

private:
    QTemporaryDir m_config;
    QTemporaryDir m_music;
    QStringList m_sources;
    double m_sourceVolume = 0;
};

void TestE2eEach::initTestCase()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
    QVERIFY(QFileInfo(e2e::tonewright()).isExecutable());
    QVERIFY(e2e::writeSettings(m_config.path(), "128"));
    // The children read their settings here, and keep their slots here too.
    QProcessEnvironment environment;
    e2e::useOwnFolders(environment, m_config.path());
    for (const QString &name : environment.keys())
        qputenv(name.toUtf8().constData(), QFile::encodeName(environment.value(name)));
}

void TestE2eEach::init()
{
    QDir music(m_music.path());
    music.removeRecursively();
    QVERIFY(music.mkpath("."));
    m_sources.clear();
    for (const char *name : {"a.wav", "b c.wav", "-d.wav"}) {
        m_sources << music.filePath(name);
        QVERIFY(e2e::makeTone(m_sources.last()));
    }
    m_sourceVolume = e2e::meanVolume(m_sources.first());
    QVERIFY(m_sourceVolume < -10.0);
}

void TestE2eEach::oneQuestion()
{
    // Leaving the question converts nothing: tst_startup and tst_startupdialogs.
    ModalAnswerer answerer;
    answerer.enqueue([](QWidget *dialog) {
        child<QComboBox>(*dialog, "cb_Format")->setCurrentText("OGG");
        child<QComboBox>(*dialog, "cb_Volume")->setCurrentText("150");
        child<QLineEdit>(*dialog, "txt_Album")->setText("Live");
        child<QPushButton>(*dialog, "btn_Convert")->click();
    });

    EachDesktop steps;
    const int status = runStartup(QStringList{e2e::tonewright(), "--each", "ppp"} + m_sources,
                                  e2e::tonewright(), steps);
    QCOMPARE(status, 0);
    QCOMPARE(steps.exits, QList<int>{0});
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QString("Advanced Conversion Options (3 files)"));

    QCOMPARE(QDir(m_music.path()).entryList(QDir::Files, QDir::Name),
             QStringList({"-d.ogg", "-d.wav", "a.ogg", "a.wav", "b c.ogg", "b c.wav"}));
    for (const QString &source : std::as_const(m_sources)) {
        const QString target = source.chopped(3) + "ogg";
        QCOMPARE(e2e::probe(target).codec, QString("vorbis"));
        QCOMPARE(e2e::tags(target).value("album"), QString("Live"));
        QVERIFY(!e2e::tags(target).contains("title"));
        // One and a half times the amplitude is 20·log10(1.5) ≈ 3.52 dB louder.
        const double gain = e2e::meanVolume(target) - m_sourceVolume;
        QVERIFY2(qAbs(gain - 3.52) < 0.3, qPrintable(QString("%1 dB").arg(gain)));
    }
}

void TestE2eEach::optionsFromAScript()
{
    // Quotes and a command substitution reach the tag as typed, never a shell.
    const QString artist = "O'Brien $(touch pwned)";
    QProcess program;
    program.setWorkingDirectory(m_music.path());
    program.start(e2e::tonewright(), {"mp3", "--volume=50", "--artist=" + artist, "a.wav"});
    QVERIFY(program.waitForFinished(120000));
    QCOMPARE(program.exitCode(), 0);

    const QString target = m_music.filePath("a.mp3");
    QCOMPARE(e2e::tags(target).value("artist"), artist);
    // Half the amplitude is 20·log10(0.5) ≈ -6.02 dB; MP3 loses a little
    // more of so quiet a tone, but far from the next step (-2.5 or -12 dB).
    const double gain = e2e::meanVolume(target) - m_sourceVolume;
    QVERIFY2(qAbs(gain + 6.02) < 1.0, qPrintable(QString("%1 dB").arg(gain)));
    QVERIFY(!QFile::exists(m_music.filePath("pwned")));
}

void TestE2eEach::nameThatIsNoTextIsNamed()
{
    // "song\xff.wav" is no UTF-8 text; beside it stands its look-alike,
    // which text can hold.
    QTemporaryDir dir;
    const QString twin = dir.filePath(QString::fromUtf8("song\xef\xbf\xbd.wav"));
    QVERIFY(QFile::copy(m_sources[0], twin));
    QVERIFY(QFile::copy(m_sources[0], dir.filePath("raw.wav")));
    QCOMPARE(::rename(QFile::encodeName(dir.filePath("raw.wav")).constData(),
                      QByteArray(QFile::encodeName(dir.path()) + "/song\xff.wav").constData()),
             0);

    // A shell hands the name over as its bytes, as a file manager would.
    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.start(
        "sh", {"-c", "exec \"$0\" --each mp3 \"$(printf 'song\\377.wav')\"", e2e::tonewright()});
    // The name is told on standard error, then in a box that waits for a person.
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardError())
                                 .contains("song\xef\xbf\xbd.wav\" cannot be opened"),
                             30000);
    program.kill();
    program.waitForFinished(10000);
    // Neither file was converted.
    QCOMPARE(QDir(dir.path()).entryList({"*.mp3"}, QDir::Files), QStringList());
}

QTEST_MAIN(TestE2eEach)
#include "tst_e2e_each.moc"
