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
    QByteArray cueEncoding;

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
        calls << QStringLiteral("mirror %1+%2%3%4%5")
                     .arg(run.folders.size())
                     .arg(run.files.size())
                     .arg(run.dryRun ? QStringLiteral(" dry") : QString(),
                          run.whatFits ? QStringLiteral(" fits") : QString(),
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
    // A sheet "x.cue" has three tracks, "bad.cue" none that can be cut.
    bool cutImages(QList<ConversionRequest> &requests, const QByteArray &encoding) override
    {
        cueEncoding = encoding;
        QList<ConversionRequest> cut;
        bool allCut = true;
        for (const ConversionRequest &request : std::as_const(requests)) {
            if (request.source.endsWith(QLatin1String("bad.cue")))
                allCut = false;
            for (int n = 1; request.source.endsWith(QLatin1String(".cue")) && allCut && n <= 3; ++n) {
                ConversionRequest track = request;
                track.track = ImageTrack();
                track.track->name = QString::number(n);
                cut << track;
            }
            if (!request.source.endsWith(QLatin1String(".cue")))
                cut << request;
        }
        requests = cut;
        return allCut;
    }
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
    void steps_data();
    void steps();
    void noFileAsksForFileThenOptions();
    void commandLineOptions();
    void eachAsksOnceForManyFiles();
    void eachWithOneFileAsksAsToday();
    void eachWithFormatWordAsksNothing();
    void eachSkipsWhatIsNoFile();
    void imagesBecomeTheirTracks();
};

void TestStartup::steps_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("person"); // chooses the file; or cancels: "file", "options"
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("converted"); // "format source", each request

    // clang-format off
    const struct
    {
        const char *tag;
        QStringList arguments;
        QString person;
        QStringList calls, converted;
    } rows[] = {
        {"format word and file", {"mp3", "/real/song.flac"}, "", {"convert"},
         {"mp3 /real/song.flac"}},
        {"config shows the settings, then ends", {"mp3", "/real/song.flac", "config", "ppp"}, "",
         {"settings", "exit 0"}, {}},
        {"the chosen file is gone", {}, "/gone/x.wav", {"file", "exit 0"}, {}},
        {"ppp asks, its format wins", {"mp3", "ppp", "/real/a.wav"}, "", {"options 1", "convert"},
         {"ogg /real/a.wav"}},
        {"file dialog cancelled", {"mp3"}, "file", {"file", "exit 0"}, {}},
        {"options cancelled after the file", {}, "options", {"file", "options 1", "exit 0"}, {}},
        {"ppp cancelled", {"ppp", "mp3", "/real/a.wav"}, "options", {"options 1", "exit 0"}, {}},
        {"flac alone is no word", {"flac", "/real/a.wav"}, "", {}, {}},
        {"bad option", {"ppp", "--volume=33", "/real/song.wav"}, "", {"usage", "exit 2"}, {}},
        {"--each with no word", {"--each", "xyz", "/real/song.wav"}, "", {"usage", "exit 2"}, {}},
        {"--each cancelled", {"--each", "ppp", "/real/a.wav", "/real/b.wav"}, "options",
         {"options 2", "exit 0"}, {}},
        // Nothing left: no question, no conversion; each argument is named.
        {"--each, nothing a file", {"--each", "ppp", "/gone/a.wav", "/gone/dir/"}, "",
         {"no file /gone/a.wav", "no file /gone/dir/", "exit 1"}, {}},
        // The launcher's "--each ppp %F" started from the menu: as "ppp" alone.
        {"--each without files", {"--each", "ppp"}, "", {"file", "options 1", "convert"},
         {"ogg /real/chosen.wav"}},
        {"a folder", {"mp3", "/real/dir/"}, "", {"mirror 1+0"}, {}},
        {"dry run into", {"mp3", "--dry-run", "--into=/usb/M", "/real/dir/"}, "",
         {"mirror 1+0 dry into /usb/M"}, {}},
        {"--each mixes", {"--each", "mp3", "/real/d/", "/real/a.wav", "/real/e/", "--dry-run"},
         "", {"mirror 2+1 dry"}, {}},
        {"what fits", {"mp3", "--what-fits", "/real/dir/"}, "", {"mirror 1+0 fits"}, {}},
        {"--each what fits", {"--each", "mp3", "/real/d/", "--what-fits"}, "",
         {"mirror 1+0 fits"}, {}},
        {"what fits without a folder", {"mp3", "--what-fits", "/real/a.wav"}, "",
         {"usage", "exit 2"}, {}},
        {"ppp asks once for folders", {"--each", "ppp", "/real/d/", "/real/a.wav"}, "",
         {"options 2", "mirror 1+1"}, {}},
        {"--into with a file", {"mp3", "--into=/x", "/real/a.wav"}, "", {"usage", "exit 2"}, {}},
        {"--into with two folders", {"--each", "mp3", "--into=/x", "/real/d/", "/real/e/"}, "",
         {"usage", "exit 2"}, {}},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.arguments << row.person << row.calls << row.converted;
}

void TestStartup::steps()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, person);
    RecordingSteps steps;
    steps.optionsFormat = QStringLiteral("OGG");
    steps.fileChoice = person.startsWith('/') ? person : QStringLiteral("/real/chosen.wav");
    steps.cancelFileDialog = person == "file";
    steps.cancelOptions = person == "options";
    QTEST(run(steps, arguments), "calls");
    QStringList converted;
    if (!steps.converted.source.isEmpty())
        converted << steps.converted.format + ' ' + steps.converted.source;
    for (const ConversionRequest &request : std::as_const(steps.selection))
        converted << request.format + ' ' + request.source;
    QTEST(converted, "converted");
    if (!converted.isEmpty())
        QVERIFY(steps.converted.options == EncoderOptions());
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
    // A file that goes while the question is open fails in its turn.
    RecordingSteps steps;
    steps.optionsFormat = QStringLiteral("WAV");
    steps.goneWhileAsking = QStringList{"/real/b.wav"};
    QCOMPARE(run(steps, {"--each", "ppp", "/real/a.wav", "/real/b.wav", "/gone/c.wav"}),
             (QStringList{"no file /gone/c.wav", "options 2", "convert 2"}));
    QCOMPARE(sources(steps.selection, "wav"), (QStringList{"/real/a.wav", "/real/b.wav"}));
}

void TestStartup::imagesBecomeTheirTracks()
{
    // One sheet is a selection of its tracks, in the window of a selection.
    RecordingSteps one;
    QCOMPARE(run(one, {"mp3", "--cue-encoding=CP1251", "/real/x.cue"}), QStringList{"convert 3"});
    QCOMPARE(one.cueEncoding, QByteArray("CP1251"));
    QVERIFY(!one.leftOut);

    RecordingSteps mixed;
    QCOMPARE(run(mixed, {"--each", "mp3", "/real/x.cue", "/real/a.wav"}), QStringList{"convert 4"});

    // A sheet that cannot be cut converts nothing, and says so in the status.
    RecordingSteps bad;
    QCOMPARE(run(bad, {"mp3", "/real/bad.cue"}), QStringList{"exit 1"});
    RecordingSteps badBeside;
    QCOMPARE(run(badBeside, {"--each", "mp3", "/real/bad.cue", "/real/a.wav"}),
             QStringList{"convert 1"});
    QVERIFY(badBeside.leftOut);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
