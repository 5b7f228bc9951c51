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
    EncoderOptions options;
    bool cancelFileDialog = false; // left by Cancel or Escape
    bool cancelOptions = false;    // left by Cancel or Escape
    QStringList goneWhileAsking;   // files that vanish while the options dialog is open
    bool asked = false;
    ConversionRequest converted;
    QList<ConversionRequest> selection; // what --each converts
    bool leftOut = false;
    int selectionStatus = 0;
    int returned = -1; // what start-up returned, when it did not end the process

    // "/real/" files exist; "/real/dir/" is a folder.
    bool fileExists(const QString &path) override
    {
        return path.startsWith(QLatin1String("/real/"));
    }
    bool isRegularFile(const QString &path) override
    {
        return fileExists(path) && !path.endsWith(QLatin1Char('/')) &&
               !(asked && goneWhileAsking.contains(path));
    }
    bool isFolder(const QString &path) override
    {
        return fileExists(path) && path.endsWith(QLatin1Char('/'));
    }
    int convertFolders(const FolderRun &run) override
    {
        calls << QStringLiteral("mirror %1+%2%3%4")
                     .arg(run.folders.size())
                     .arg(run.files.size())
                     .arg(run.dryRun ? QStringLiteral(" dry") : QString(),
                          run.into.isEmpty() ? QString() : QStringLiteral(" into ") + run.into);
        return run.leftOut ? 1 : 0;
    }
    void showSettings() override { calls << QStringLiteral("settings"); }
    QString chooseFile() override
    {
        calls << QStringLiteral("file");
        return cancelFileDialog ? QString() : fileChoice;
    }
    bool chooseOptions(int fileCount, QString &format, EncoderOptions &chosen) override
    {
        calls << QStringLiteral("options %1").arg(fileCount);
        asked = true;
        if (cancelOptions)
            return false;
        format = optionsFormat;
        chosen = options;
        return true;
    }
    int convert(const ConversionRequest &request) override
    {
        calls << QStringLiteral("convert");
        converted = request;
        return 0;
    }
    int convertEach(const QList<ConversionRequest> &requests, bool anyLeftOut) override
    {
        calls << QStringLiteral("convert %1").arg(requests.size());
        selection = requests;
        leftOut = anyLeftOut;
        return selectionStatus != 0 ? selectionStatus : anyLeftOut;
    }
    void reportNoFile(const QString &path) override { calls << "no file " + path; }
    void reportUsageError(const QString &) override { calls << QStringLiteral("usage"); }
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
        steps.returned = runStartup(arguments, Program, steps);
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
    void commandLineOptions();
    void badOptionEndsWithUsage();
    void eachAsksOnceForManyFiles();
    void eachWithOneFileAsksAsToday();
    void eachWithFormatWordAsksNothing();
    void eachSkipsWhatIsNoFile();
    void eachCancelledStartsNothing();
    void eachWithoutFilesAsksForOne();
    void foldersBecomeMirrors_data();
    void foldersBecomeMirrors();
};

void TestStartup::formatAndFileConvertAtOnce()
{
    RecordingSteps steps;
    QCOMPARE(run(steps, {"mp3", "/real/song.flac"}), QStringList{"convert"});
    QCOMPARE(steps.converted.source, QStringLiteral("/real/song.flac"));
    QCOMPARE(steps.converted.format, QStringLiteral("mp3"));
    QVERIFY(steps.converted.options == EncoderOptions());
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
    steps.options.title = QStringLiteral("Intro");
    QCOMPARE(run(steps, {"mp3"}), (QStringList{"file", "options 1", "convert"}));
    // The dialog's format overwrites the word, lower-cased; the chosen path is kept as returned.
    QCOMPARE(steps.converted.format, QStringLiteral("flac"));
    QCOMPARE(steps.converted.source, QStringLiteral("/real/chosen.wav"));
    QCOMPARE(steps.converted.options.title, QStringLiteral("Intro"));
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
    QCOMPARE(run(steps, {"mp3", "ppp", "/real/a.wav"}), (QStringList{"options 1", "convert"}));
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
    QCOMPARE(run(optionsCancelled, {}), (QStringList{"file", "options 1", "exit 0"}));

    RecordingSteps pppCancelled;
    pppCancelled.cancelOptions = true;
    QCOMPARE(run(pppCancelled, {"ppp", "mp3", "/real/a.wav"}),
             (QStringList{"options 1", "exit 0"}));
}

void TestStartup::flacWordAloneConvertsNothing()
{
    RecordingSteps steps;
    QVERIFY(run(steps, {"flac", "/real/a.wav"}).isEmpty());
}

void TestStartup::commandLineOptions()
{
    RecordingSteps steps;
    QCOMPARE(run(steps, {"mp3", "--volume=50", "--artist=O'Brien $(x)", "/real/song.wav"}),
             QStringList{"convert"});
    QCOMPARE(steps.converted.options.artist, QStringLiteral("O'Brien $(x)"));
    QCOMPARE(steps.converted.options.volume, 50);

    // The dialog's answer replaces them, as its format replaces the word.
    RecordingSteps asked;
    asked.optionsFormat = QStringLiteral("MP3");
    asked.options.album = QStringLiteral("Live");
    QCOMPARE(run(asked, {"ppp", "--artist=X", "--replaygain=track", "/real/song.wav"}),
             (QStringList{"options 1", "convert"}));
    // All but the loudness choice, which the dialog does not offer.
    QCOMPARE(asked.converted.options.replayGain, ReplayGain::Track);
    asked.converted.options.replayGain.reset();
    QVERIFY(asked.converted.options == asked.options);
}

void TestStartup::badOptionEndsWithUsage()
{
    RecordingSteps steps;
    QCOMPARE(run(steps, {"ppp", "--volume=33", "/real/song.wav"}),
             (QStringList{"usage", "exit 2"}));
    RecordingSteps each;
    QCOMPARE(run(each, {"--each", "xyz", "/real/song.wav"}), (QStringList{"usage", "exit 2"}));
}

// The sources and formats of a selection, for comparing.
QStringList sources(const QList<ConversionRequest> &requests, const QString &format)
{
    QStringList list;
    for (const ConversionRequest &request : requests) {
        if (request.format != format)
            return {"format " + request.format};
        list << request.source;
    }
    return list;
}

void TestStartup::eachAsksOnceForManyFiles()
{
    RecordingSteps steps;
    steps.optionsFormat = QStringLiteral("FLAC");
    steps.options.volume = 150;
    steps.options.album = QStringLiteral("Live");
    QCOMPARE(run(steps, {"--each", "ppp", "--replaygain=off", "/real/a.wav", "/real/b.wav",
                         "/real/c.wav"}),
             (QStringList{"options 3", "convert 3"}));
    QCOMPARE(sources(steps.selection, "flac"),
             (QStringList{"/real/a.wav", "/real/b.wav", "/real/c.wav"}));
    steps.options.replayGain = ReplayGain::Off;
    for (const ConversionRequest &request : std::as_const(steps.selection))
        QVERIFY(request.options == steps.options);

    // The selection's status becomes the process's.
    RecordingSteps failing;
    failing.optionsFormat = QStringLiteral("OGG");
    failing.selectionStatus = 1;
    run(failing, {"--each", "ppp", "/real/a.wav", "/real/b.wav"});
    QCOMPARE(failing.returned, 1);
}

void TestStartup::eachWithOneFileAsksAsToday()
{
    RecordingSteps steps;
    steps.optionsFormat = QStringLiteral("MP3");
    steps.options.title = QStringLiteral("Intro");
    QCOMPARE(run(steps, {"--each", "PPP", "/gone/dir", "/real/a.wav"}),
             (QStringList{"no file /gone/dir", "options 1", "convert 1"}));
    QCOMPARE(sources(steps.selection, "mp3"), QStringList{"/real/a.wav"});
    QCOMPARE(steps.selection[0].options.title, QStringLiteral("Intro"));
    QVERIFY(steps.leftOut);
}

void TestStartup::eachWithFormatWordAsksNothing()
{
    RecordingSteps steps;
    QCOMPARE(run(steps, {"--each", "fla", "--year=2001", "/real/a.wav", "/real/b.wav"}),
             QStringList{"convert 2"});
    QCOMPARE(sources(steps.selection, "flac"), (QStringList{"/real/a.wav", "/real/b.wav"}));
    QCOMPARE(steps.selection[1].options.year, 2001);
}

void TestStartup::eachSkipsWhatIsNoFile()
{
    // Nothing left: no question, no conversion; each argument is named.
    RecordingSteps none;
    QCOMPARE(run(none, {"--each", "ppp", "/gone/a.wav", "/gone/dir/"}),
             (QStringList{"no file /gone/a.wav", "no file /gone/dir/", "exit 1"}));

    // A file that goes while the question is open fails in its turn.
    RecordingSteps steps;
    steps.optionsFormat = QStringLiteral("WAV");
    steps.goneWhileAsking = QStringList{"/real/b.wav"};
    QCOMPARE(run(steps, {"--each", "ppp", "/real/a.wav", "/real/b.wav", "/gone/c.wav"}),
             (QStringList{"no file /gone/c.wav", "options 2", "convert 2"}));
    QCOMPARE(sources(steps.selection, "wav"), (QStringList{"/real/a.wav", "/real/b.wav"}));
}

void TestStartup::eachCancelledStartsNothing()
{
    RecordingSteps steps;
    steps.cancelOptions = true;
    QCOMPARE(run(steps, {"--each", "ppp", "/real/a.wav", "/real/b.wav"}),
             (QStringList{"options 2", "exit 0"}));
    QVERIFY(steps.selection.isEmpty());
}

void TestStartup::foldersBecomeMirrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("a folder") << QStringList{"mp3", "/real/dir/"} << QStringList{"mirror 1+0"};
    QTest::newRow("dry run into")
        << QStringList{"mp3", "--dry-run", "--into=/usb/M", "/real/dir/"}
        << QStringList{"mirror 1+0 dry into /usb/M"};
    QTest::newRow("--each mixes") << QStringList{"--each", "mp3", "/real/d/", "/real/a.wav",
                                                 "/real/e/", "--dry-run"}
                                  << QStringList{"mirror 2+1 dry"};
    QTest::newRow("ppp asks once") << QStringList{"--each", "ppp", "/real/d/", "/real/a.wav"}
                                   << QStringList{"options 2", "mirror 1+1"};
    QTest::newRow("--into with a file")
        << QStringList{"mp3", "--into=/x", "/real/a.wav"} << QStringList{"usage", "exit 2"};
    QTest::newRow("--into with two folders")
        << QStringList{"--each", "mp3", "--into=/x", "/real/d/", "/real/e/"}
        << QStringList{"usage", "exit 2"};
}

void TestStartup::foldersBecomeMirrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, calls);
    RecordingSteps steps;
    steps.optionsFormat = QStringLiteral("MP3");
    QCOMPARE(run(steps, arguments), calls);
}

void TestStartup::eachWithoutFilesAsksForOne()
{
    // The launcher's "--each ppp %F" started from the menu: as "ppp" alone.
    RecordingSteps steps;
    steps.fileChoice = QStringLiteral("/real/chosen.wav");
    steps.optionsFormat = QStringLiteral("OGG");
    QCOMPARE(run(steps, {"--each", "ppp"}), (QStringList{"file", "options 1", "convert"}));
    QCOMPARE(steps.converted.format, QStringLiteral("ogg"));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
