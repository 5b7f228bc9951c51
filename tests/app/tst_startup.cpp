#include "startup.h"

#include <QTest>

// The order of the start-up dialogs and its exits, against recording steps.
namespace {

struct ProcessEnded
{
    int status;
};

class RecordingSteps final : public StartupSteps
{
public:
    QStringList calls;
    QString fileChoice;    // what the file dialog returns
    QString optionsFormat; // what the options dialog returns, as shown
    QStringList optionsArgs;
    bool cancelFileDialog = false; // left by Cancel or Escape
    bool cancelOptions = false;    // left by Cancel or Escape
    ConversionRequest converted;

    bool fileExists(const QString &path) override
    {
        return path.startsWith(QLatin1String("/real/"));
    }
    void showSettings() override { calls << QStringLiteral("settings"); }
    QString chooseFile() override
    {
        calls << QStringLiteral("file");
        return cancelFileDialog ? QString() : fileChoice;
    }
    bool chooseOptions(QString &format, QStringList &extraArgs) override
    {
        calls << QStringLiteral("options");
        if (cancelOptions)
            return false;
        format = optionsFormat;
        extraArgs = optionsArgs;
        return true;
    }
    int convert(const ConversionRequest &request) override
    {
        calls << QStringLiteral("convert");
        converted = request;
        return 0;
    }
    // The real steps never return from here; the recording ones unwind.
    void endProcess(int status) override
    {
        calls << QStringLiteral("exit %1").arg(status);
        throw ProcessEnded{status};
    }
};

const QString Program = QStringLiteral("/opt/tw/tonewright");

QStringList run(RecordingSteps &steps, QStringList arguments)
{
    arguments.prepend(Program);
    try {
        runStartup(arguments, Program, steps);
    } catch (const ProcessEnded &) {
    }
    return steps.calls;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void formatAndFileConvertAtOnce();
    void configShowsSettingsThenEnds();
    void noFileAsksForFileThenOptions();
    void fileDialogWithoutExistingFileEnds();
    void pppAsksForOptionsAndOverridesWord();
    void cancelInDialogsEnds();
    void flacWordAloneConvertsNothing();
};

void TestStartup::formatAndFileConvertAtOnce()
{
    RecordingSteps steps;
    QCOMPARE(run(steps, {"mp3", "/real/song.flac"}), QStringList{"convert"});
    QCOMPARE(steps.converted.source, QStringLiteral("/real/song.flac"));
    QCOMPARE(steps.converted.format, QStringLiteral("mp3"));
    QVERIFY(steps.converted.extraArgs.isEmpty());
}

void TestStartup::configShowsSettingsThenEnds()
{
    RecordingSteps steps;
    QCOMPARE(run(steps, {"mp3", "/real/song.flac", "config", "ppp"}),
             (QStringList{"settings", "exit 0"}));
}

void TestStartup::noFileAsksForFileThenOptions()
{
    RecordingSteps steps;
    steps.fileChoice = QStringLiteral("/real/chosen.wav");
    steps.optionsFormat = QStringLiteral("FLAC");
    steps.optionsArgs = QStringList{"-metadata", "title=Intro"};
    QCOMPARE(run(steps, {"mp3"}), (QStringList{"file", "options", "convert"}));
    // The dialog's format overwrites the word, lower-cased; the chosen path is kept as returned.
    QCOMPARE(steps.converted.format, QStringLiteral("flac"));
    QCOMPARE(steps.converted.source, QStringLiteral("/real/chosen.wav"));
    QCOMPARE(steps.converted.extraArgs, steps.optionsArgs);
}

void TestStartup::fileDialogWithoutExistingFileEnds()
{
    RecordingSteps steps;
    steps.fileChoice = QStringLiteral("/gone/x.wav");
    QCOMPARE(run(steps, {}), (QStringList{"file", "exit 0"}));
}

void TestStartup::pppAsksForOptionsAndOverridesWord()
{
    RecordingSteps steps;
    steps.optionsFormat = QStringLiteral("OGG");
    QCOMPARE(run(steps, {"mp3", "ppp", "/real/a.wav"}), (QStringList{"options", "convert"}));
    QCOMPARE(steps.converted.format, QStringLiteral("ogg"));
}

void TestStartup::cancelInDialogsEnds()
{
    RecordingSteps fileCancelled;
    fileCancelled.cancelFileDialog = true;
    QCOMPARE(run(fileCancelled, {"mp3"}), (QStringList{"file", "exit 0"}));

    RecordingSteps optionsCancelled;
    optionsCancelled.cancelOptions = true;
    optionsCancelled.fileChoice = QStringLiteral("/real/a.wav");
    QCOMPARE(run(optionsCancelled, {}), (QStringList{"file", "options", "exit 0"}));

    RecordingSteps pppCancelled;
    pppCancelled.cancelOptions = true;
    QCOMPARE(run(pppCancelled, {"ppp", "mp3", "/real/a.wav"}), (QStringList{"options", "exit 0"}));
}

void TestStartup::flacWordAloneConvertsNothing()
{
    RecordingSteps steps;
    QVERIFY(run(steps, {"flac", "/real/a.wav"}).isEmpty());
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
