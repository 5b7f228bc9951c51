#include "conversionjob.h"
#include "encoderarguments.h"
#include "encoderslot.h"
#include "fakeencoderinstall.h"
#include "settings.h"
#include "testservices.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

// The conversion job without a window: the target it picks, the arguments
// the encoder receives, the questions it asks on the way, and how it ends.
class TestConversionJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void targetAndArguments_data();
    void targetAndArguments();
    void measuredTargetStaysWhole();
    void encoderGetsOnlyItsFiles();
    void directoryQuestions_data();
    void directoryQuestions();
    void nameTooLongForAnyFolder_data();
    void nameTooLongForAnyFolder();
    void cdTrackIsExtractedFirst();
    void cdTrackThatCannotBeRead_data();
    void cdTrackThatCannotBeRead();
    void slotFreedBeforeTheWaitIsTaken();
    void missingEncoderWaitsForNoSlot();
    void stoppedByItsOwnSignalStartsNothing_data();
    void stoppedByItsOwnSignalStartsNothing();
    void coverRetriedOnlyBeforeProgress_data();
    void coverRetriedOnlyBeforeProgress();
    void explicitTargetWrittenAsGiven_data();
    void explicitTargetWrittenAsGiven();

private:
    // Puts the stand-in extractor beside the encoder, and the temporary
    // files into a folder of the test's own.
    void useFakeExtractor();
    // The files left in that folder, but for the stand-in's own logs.
    QStringList temporaryFilesLeft() const;
    // Runs a job on the source until it ends; true when it converted.
    bool convert(const QString &source, const QString &format, const QStringList &extra = {});
    QString sourceFile(const QString &name);
    // Every encoder slot, held as other conversions would hold them.
    void takeEverySlot();

    QTemporaryDir *m_dir = nullptr;
    QTemporaryDir *m_out = nullptr;
    QTemporaryDir *m_encoder = nullptr;
    Services m_services;
    DirectoryAnswers m_directories;
    QStringList m_questions; // "target", "another", in order
    std::optional<ConversionEnd> m_end;
    std::function<void(ConversionJob &)> m_atStage; // when the job changes its stage
    std::vector<std::unique_ptr<EncoderSlot>> m_others;
    QTemporaryDir *m_temp = nullptr;
};

void TestConversionJob::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
}

void TestConversionJob::init()
{
    m_dir = new QTemporaryDir;
    m_out = new QTemporaryDir;
    m_encoder = new QTemporaryDir;
    m_questions.clear();
    m_end.reset();
    m_atStage = nullptr;
    QVERIFY(!fakeencoder::install(m_encoder->path(), "stdin\nwrite-text data\n").isEmpty());
    m_services = testServices(m_encoder->path());
    m_directories = {};
    m_services.chooseDirectory = m_directories.chooser();
    writeSetting(settings::SendStatKey, "false");
    writeSetting(settings::TargetDirKey, "");
    writeSetting(settings::BitrateKey, "");
    writeSetting(settings::ReplayGainKey, "off");
}

void TestConversionJob::cleanup()
{
    m_others.clear();
    if (m_temp) {
        for (const char *name : {"FAKEDISCPULL_EXIT_CODE", "FAKEDISCPULL_NO_WAV",
                                 "FAKEDISCPULL_CUT_BYTES", "FAKEDISCPULL_CRASH"})
            qunsetenv(name);
        delete m_temp;
        m_temp = nullptr;
    }
    delete m_encoder;
    delete m_out;
    delete m_dir;
}

QString TestConversionJob::sourceFile(const QString &name)
{
    QFile file(m_dir->filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("source");
    return file.fileName();
}

// Under "album" the encoder also measures, into a pipe read on a thread of
// its own: an encoder writing far more than a pipe holds ends while the event
// loop is held up. A target the tag writer cannot make sense of (the fake's
// bytes are no MP3) is still converted, its bytes whole behind the values.
void TestConversionJob::measuredTargetStaysWhole()
{
    const QString pidFile = m_dir->filePath("encoder.pid");
    // 32-bit float stereo WAV as a stream, then 4 MiB of frames at half scale.
    QVERIFY(fakeencoder::setScript(
        m_encoder->path(),
        ("pid " + pidFile +
            "\nout RIFF\\xff\\xff\\xff\\xffWAVEfmt \\x10\\0\\0\\0\\x03\\0\\x02\\0"
            "\\x44\\xac\\0\\0\\x20\\x62\\x05\\0\\x08\\0\\x20\\0data\\xff\\xff\\xff\\xff\n"
            "out-repeat 524288 \\0\\0\\0\\x3f\\0\\0\\0\\x3f\n"
            "write-text data\n")
            .toUtf8()));
    bool exitedUnread = false;
    m_atStage = [&](ConversionJob &job) {
        if (job.stage() != ConversionJob::Stage::Encoding)
            return;
        // Once the encoder has started: this thread reads nothing until it has ended.
        QTimer::singleShot(0, this, [&] {
            QDeadlineTimer deadline(30000);
            while (!deadline.hasExpired() && !exitedUnread) {
                QFile pid(pidFile);
                QFile stat(QStringLiteral("/proc/%1/stat").arg(
                    pid.open(QIODevice::ReadOnly) ? pid.readAll().trimmed() : QByteArray("0")));
                exitedUnread = stat.open(QIODevice::ReadOnly) &&
                               stat.readAll().split(' ').value(2) == "Z";
                QThread::msleep(10);
            }
        });
    };
    writeSetting(settings::ReplayGainKey, "album");
    writeSetting(settings::TargetDirKey, m_out->path());
    QVERIFY(convert(sourceFile("song.flac"), "mp3"));
    QVERIFY(exitedUnread);
    QCOMPARE(m_end->outcome, ConversionEnd::Outcome::Converted);
    QVERIFY(m_end->loudness && m_end->loudness->blocks.size() > 100);
    QCOMPARE(m_end->loudness->peak, 0.5);
    QVERIFY(fakeencoder::recordedArguments(m_encoder->path()).join(' ').contains("pipe:1"));
    QFile result(m_out->filePath("song.mp3"));
    QVERIFY(result.open(QIODevice::ReadOnly));
    QVERIFY(result.readAll().endsWith("data"));
}

// The encoder gets the source and the target besides its standard streams,
// and nothing this process happens to hold open without close-on-exec (as
// another thread's library may, at that very moment).
void TestConversionJob::encoderGetsOnlyItsFiles()
{
#ifdef Q_OS_WIN
    QSKIP("The files are handed over by name here");
#else
    const int stray = ::open(QFile::encodeName(m_dir->path()).constData(), O_RDONLY);
    QVERIFY(stray >= 0);
    QVERIFY(fakeencoder::setScript(m_encoder->path(), "fds\nwrite-text data\n"));
    writeSetting(settings::TargetDirKey, m_out->path());
    const bool converted = convert(sourceFile("song.flac"), "mp3");
    ::close(stray);
    QVERIFY(converted);

    QList<int> handed{0, 1, 2};
    const QString named = QStringLiteral("/proc/self/fd/");
    for (const QString &argument : fakeencoder::recordedArguments(m_encoder->path())) {
        if (argument.startsWith(named))
            handed << argument.mid(named.size()).toInt();
    }
    QCOMPARE(handed.size(), 5); // the source and the target
    std::sort(handed.begin(), handed.end());
    QFile listing(QDir(m_encoder->path()).filePath("fakeencoder.fds"));
    QVERIFY(listing.open(QIODevice::ReadOnly));
    QList<int> open;
    for (const QByteArray &line : listing.readAll().split('\n')) {
        if (!line.isEmpty())
            open << line.toInt();
    }
    QCOMPARE(open, handed);
#endif
}

bool TestConversionJob::convert(const QString &source, const QString &format,
                                const QStringList &extra)
{
    ConversionJob job({source, format, encoderarguments::optionsFromArguments(extra)}, m_services,
                      nullptr);
    connect(&job, &ConversionJob::directoryWanted, this,
            [this, &job](ConversionJob::Question question) {
                m_questions << (question == ConversionJob::Question::TargetDirectory ? "target"
                                                                                     : "another");
                const QString answer =
                    m_directories.queue.isEmpty() ? QString() : m_directories.queue.takeFirst();
                job.answerDirectory(answer);
            });
    connect(&job, &ConversionJob::ended, this, [this](const ConversionEnd &end) {
        if (m_end)
            QFAIL("a second end");
        m_end = end;
    });
    connect(&job, &ConversionJob::stageChanged, this, [this, &job] {
        if (m_atStage)
            m_atStage(job);
    });
    job.start();
    // Nothing happens before the caller is back in the event loop.
    if (job.stage() != ConversionJob::Stage::Preparing || m_end)
        return false;
    waitUntil([this] { return m_end.has_value(); });
    return m_end && m_end->outcome == ConversionEnd::Outcome::Converted;
}

void TestConversionJob::takeEverySlot()
{
    for (int i = 0; i < m_services.encoderSlotCount; ++i) {
        m_others.push_back(std::make_unique<EncoderSlot>(m_services.encoderSlotFolder,
                                                         m_services.encoderSlotCount));
        QVERIFY(m_others.back()->tryAcquire());
    }
}

void TestConversionJob::targetAndArguments_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("bitrate");
    QTest::addColumn<QString>("targetdir"); // OUT stands for a second folder
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("target");     // SRC/ or OUT/ then the name
    QTest::addColumn<QStringList>("middle"); // the arguments between "-y" and the stream choice

    const QStringList at128{"-b:a", "128k"};
    // clang-format off
    const struct
    {
        const char *tag;
        QStringList present;
        QString source, format, bitrate, targetdir;
        QStringList extra;
        QString target;
        QStringList middle;
    } rows[] = {
        {"flac to mp3 at 192", {}, "song.flac", "mp3", "192", "same", {}, "SRC/song.mp3",
         {"-b:a", "192k"}},
        {"two names taken", {"song.mp3", "song_1.mp3"}, "song.flac", "mp3", "192", "same", {},
         "SRC/song_2.mp3", {"-b:a", "192k"}},
        {"own format", {}, "song.mp3", "mp3", "", "same", {}, "SRC/song_1.mp3", at128},
        {"wma with a title", {}, "song.flac", "wma", "", "", {"-metadata", "title=Intro"},
         "SRC/song.wma", {"-b:a", "128k", "-metadata", "title=Intro", "-c:a", "wmav2"}},
        {"bitrate 100", {}, "song.flac", "ogg", "100", "same", {}, "SRC/song.ogg", at128},
        {"stored directory", {}, "song.flac", "m4a", "320", "OUT", {}, "OUT/song.m4a",
         {"-b:a", "320k"}},
        {"stored directory with separator", {}, "song.flac", "aac", "64", "OUT/", {},
         "OUT/song.aac", {"-b:a", "64k"}},
        {"stored directory gone", {}, "song.flac", "mka", "", "OUT/gone", {}, "SRC/song.mka", at128},
        {"no dot in the name", {}, "song", "flac", "", "same", {}, "SRC/song.flac", at128},
        // Without a prober the channels are unknown: the rate that a mono source takes.
        {"opus at 320", {}, "song.flac", "opus", "320", "same", {}, "SRC/song.opus",
         {"-b:a", "256k", "-c:a", "libopus", "-vbr", "constrained"}},
        {"leading dash", {}, "-i.wav", "mp3", "", "same", {}, "SRC/-i.mp3", at128},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.present << row.source << row.format << row.bitrate
                               << row.targetdir << row.extra << row.target << row.middle;
}

void TestConversionJob::targetAndArguments()
{
    QFETCH(QStringList, present);
    QFETCH(QString, source);
    QFETCH(QString, format);
    QFETCH(QString, bitrate);
    QFETCH(QString, targetdir);
    QFETCH(QStringList, extra);
    QFETCH(QString, target);
    QFETCH(QStringList, middle);

    for (const QString &name : present)
        sourceFile(name);
    sourceFile(source);
    writeSetting(settings::BitrateKey, bitrate);
    writeSetting(settings::TargetDirKey, QString(targetdir).replace("OUT", m_out->path()));
    target.replace("SRC", m_dir->path()).replace("OUT", m_out->path());

    // The window is handed a relative path, as a shell started in the folder would.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    const bool ended = convert(source, format, extra);
    QDir::setCurrent(previous);
    QVERIFY(ended);

    // The encoder reads the source through the file the job holds open,
    // never by its name.
    const QStringList recorded = fakeencoder::recordedArguments(m_encoder->path());
    const qsizetype input = recorded.indexOf("-i") + 1;
    QVERIFY(input > 0 && input < recorded.size());
    QVERIFY2(QRegularExpression("^/proc/self/fd/[0-9]+$").match(recorded.at(input)).hasMatch(),
             qPrintable(recorded.at(input)));
    QVERIFY(recorded.at(input) != recorded.last());
    QStringList expected =
        encoderarguments::inputGuards() + QStringList{"-i", recorded.at(input), "-y"};
    expected << middle << "-map"
             << "0:a:0";
    // Formats that hold a cover get the source's, if it has one.
    if (format == "mp3" || format == "m4a" || format == "flac")
        expected << "-map"
                 << "0:v?"
                 << "-map"
                 << "-0:V?"
                 << "-c:v"
                 << "copy";
    else
        expected << "-vn";
    // The encoder writes through the reserved file itself, which the name
    // of the target no longer tells.
    expected << "-f" << encoderarguments::muxerFor(format) << recorded.last();
    QCOMPARE(recorded, expected);
    QVERIFY2(QRegularExpression("^/proc/self/fd/[0-9]+$").match(recorded.last()).hasMatch(),
             qPrintable(recorded.last()));
    QCOMPARE(fakeencoder::recordedInput(m_encoder->path()), "eof");
    QFile result(target);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(result.readAll(), QByteArray("data"));
    // Nothing that was there before was touched, and only the target was added.
    for (const QString &name : present + QStringList{source}) {
        QFile file(m_dir->filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("source"));
    }
    const int added = QDir(m_dir->path()).entryList(QDir::Files).size() +
                      QDir(m_out->path()).entryList(QDir::Files).size() - int(present.size()) - 1;
    QCOMPARE(added, 1);
    QVERIFY(m_questions.isEmpty());
    QCOMPARE(m_end->target, target);
}

void TestConversionJob::directoryQuestions_data()
{
    QTest::addColumn<QString>("targetdir");
    QTest::addColumn<QStringList>("answers"); // OUT: the second folder; empty: cancelled
    QTest::addColumn<QStringList>("questions");
    QTest::newRow("ask until a folder is given")
        << "ask" << QStringList{"", "OUT"} << QStringList{"target", "target"};
    // Even root cannot create files in /proc.
    QTest::newRow("unwritable") << "/proc" << QStringList{"OUT"} << QStringList{"another"};
    QTest::newRow("unwritable, chooser cancelled once")
        << "/proc" << QStringList{"", "OUT"} << QStringList{"another", "another"};
}

void TestConversionJob::directoryQuestions()
{
    QFETCH(QString, targetdir);
    QFETCH(QStringList, answers);
    writeSetting(settings::TargetDirKey, targetdir);
    m_directories.queue = answers.replaceInStrings("OUT", m_out->path());
    QVERIFY(convert(sourceFile("song.flac"), "mp3"));
    QTEST(m_questions, "questions");
    QVERIFY(QFileInfo(m_out->filePath("song.mp3")).size() > 0);
    QVERIFY(!QFileInfo::exists(m_dir->filePath("song.mp3")));
}

void TestConversionJob::nameTooLongForAnyFolder_data()
{
    QTest::addColumn<QString>("targetdir");
    QTest::newRow("beside the source") << "same";
    QTest::newRow("asked for") << "ask";
}

void TestConversionJob::nameTooLongForAnyFolder()
{
    QFETCH(QString, targetdir);
    writeSetting(settings::TargetDirKey, targetdir);
    m_directories.queue = QStringList{m_out->path()};
    // A source name of 255 bytes: with ".flac" its target's is 256.
    const QString source = sourceFile(QString(251, 'a') + ".wav");

    QVERIFY(!convert(source, "flac"));
    QCOMPARE(m_end->failure, ConversionEnd::Failure::NameTooLong);
    QCOMPARE(m_questions, targetdir == "ask" ? QStringList{"target"} : QStringList());
    QVERIFY(!fakeencoder::ran(m_encoder->path()));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);
    QVERIFY(QDir(m_out->path()).isEmpty());
}

void TestConversionJob::useFakeExtractor()
{
    m_temp = new QTemporaryDir;
    m_services.temporaryFolder = m_temp->path();
    QVERIFY(QFile::link(TW_FAKE_DISCPULL, m_encoder->path() + "/discpull"));
}

QStringList TestConversionJob::temporaryFilesLeft() const
{
    QStringList left = QDir(m_temp->path()).entryList(QDir::Files | QDir::Hidden);
    left.removeIf([](const QString &name) { return name.endsWith(".args"); });
    return left;
}

void TestConversionJob::cdTrackIsExtractedFirst()
{
    useFakeExtractor();
    QVERIFY(convert(sourceFile("Track03.cda"), "mp3"));
    const QStringList logs = QDir(m_temp->path()).entryList({"*.args"});
    QCOMPARE(logs.size(), 1);
    QFile log(m_temp->filePath(logs[0]));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList extractorArguments = QString::fromUtf8(log.readAll()).trimmed().split('\n');
    QCOMPARE(extractorArguments.size(), 3);
    QCOMPARE(extractorArguments[1], "2");
    const QString wav = extractorArguments[2];
    QCOMPARE(wav + ".args", log.fileName());
    const QStringList recorded = fakeencoder::recordedArguments(m_encoder->path());
    QCOMPARE(recorded[recorded.indexOf("-i") + 1], wav);
    QVERIFY(QFileInfo(m_dir->filePath("Track03.mp3")).size() > 0);
    // The temporary audio is ours and goes once the encoder is done with it.
    QCOMPARE(temporaryFilesLeft(), QStringList());
    QVERIFY(m_questions.isEmpty());
}

void TestConversionJob::cdTrackThatCannotBeRead_data()
{
    QTest::addColumn<QByteArrayList>("environment"); // NAME=value for the stand-in
    // 0 the stand-in, 1 none, 2 a file that cannot run, 3 no temporary folder
    QTest::addColumn<int>("extractor");
    QTest::addColumn<ConversionEnd::Failure>("failure");

    const auto unreadable = ConversionEnd::Failure::DiscUnreadable;
    const auto missing = ConversionEnd::Failure::ExtractorMissing;
    QTest::newRow("read error") << QByteArrayList{"FAKEDISCPULL_EXIT_CODE=12"} << 0 << unreadable;
    QTest::newRow("crash") << QByteArrayList{"FAKEDISCPULL_CRASH=1"} << 0 << unreadable;
    QTest::newRow("file shorter than its header")
        << QByteArrayList{"FAKEDISCPULL_CUT_BYTES=1000"} << 0 << unreadable;
    QTest::newRow("nothing written") << QByteArrayList{"FAKEDISCPULL_NO_WAV=1"} << 0 << unreadable;
    QTest::newRow("extractor missing") << QByteArrayList{} << 1 << missing;
    QTest::newRow("extractor cannot run") << QByteArrayList{} << 2 << missing;
    QTest::newRow("no temporary file")
        << QByteArrayList{} << 3 << ConversionEnd::Failure::TemporaryFile;
}

void TestConversionJob::cdTrackThatCannotBeRead()
{
    QFETCH(QByteArrayList, environment);
    QFETCH(int, extractor);
    QFETCH(ConversionEnd::Failure, failure);

    useFakeExtractor();
    for (const QByteArray &setting : environment)
        qputenv(setting.split('=')[0].constData(), setting.split('=')[1]);
    const QString installed = m_encoder->path() + "/discpull";
    if (extractor == 3)
        m_services.temporaryFolder = m_temp->filePath("gone");
    if (extractor == 1 || extractor == 2) {
        QVERIFY(QFile::remove(installed));
        if (extractor == 2) {
            QFile file(installed);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    writeSetting(settings::SendStatKey, "true");

    const QString source = sourceFile("Track01.cda");
    QVERIFY(!convert(source, "mp3"));
    QCOMPARE(m_end->outcome, ConversionEnd::Outcome::Failed);
    QCOMPARE(m_end->failure, failure);
    // No encoder ran, so there is no failure to report; nothing is left behind.
    QVERIFY(!fakeencoder::ran(m_encoder->path()));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"Track01.cda"});
    QCOMPARE(temporaryFilesLeft(), QStringList());
}

void TestConversionJob::slotFreedBeforeTheWaitIsTaken()
{
    // The last slot frees between the job's first try and its wait: the
    // wait's own first try takes it, and the conversion runs.
    takeEverySlot();
    m_atStage = [this](ConversionJob &job) {
        if (job.stage() == ConversionJob::Stage::WaitingForSlot)
            m_others.pop_back();
    };
    QVERIFY(convert(sourceFile("song.flac"), "mp3"));
}

void TestConversionJob::stoppedByItsOwnSignalStartsNothing_data()
{
    QTest::addColumn<bool>("atReservation"); // else as it starts to wait for a slot
    QTest::newRow("target reserved") << true;
    QTest::newRow("waiting for a slot") << false;
}

void TestConversionJob::stoppedByItsOwnSignalStartsNothing()
{
    // Whoever watches the job may stop it from inside one of its signals;
    // nothing of the conversion may go on after that.
    QFETCH(bool, atReservation);
    if (!atReservation)
        takeEverySlot();
    ConversionJob job({sourceFile("song.flac"), "mp3", {}}, m_services, nullptr);
    int ends = 0;
    connect(&job, &ConversionJob::ended, this, [&] { ++ends; });
    if (atReservation) {
        connect(&job, &ConversionJob::targetReserved, &job, &ConversionJob::stop);
    } else {
        connect(&job, &ConversionJob::stageChanged, &job, [&](ConversionJob::Stage stage) {
            if (stage == ConversionJob::Stage::WaitingForSlot)
                job.stop();
        });
    }
    job.start();
    QTRY_COMPARE(ends, 1);
    m_others.clear(); // a slot frees: a waiter still around would start the encoder now
    QTest::qWait(400);
    QCOMPARE(ends, 1);
    QCOMPARE(job.stage(), ConversionJob::Stage::Ended);
    QVERIFY(!fakeencoder::ran(m_encoder->path()));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"song.flac"});
}

void TestConversionJob::missingEncoderWaitsForNoSlot()
{
    takeEverySlot();
    QVERIFY(QFile::remove(m_encoder->filePath("ffmpeg")));
    QVERIFY(!convert(sourceFile("song.flac"), "mp3"));
    QVERIFY(m_questions.isEmpty());
    QCOMPARE(m_end->failure, ConversionEnd::Failure::EncoderMissing);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"song.flac"});
}

void TestConversionJob::coverRetriedOnlyBeforeProgress_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("retried");
    const QByteArray duration = "err Duration: 00:01:40.00, start\\n\n";
    QTest::newRow("picture refused at the header")
        << duration + "err Could not write header\\n\nexit 1\n"
        << true;
    QTest::newRow("failure at 90 %")
        << duration + "err size= time=00:01:30.00 bitrate\\r\nwrite-text part\n"
                      "err Error while encoding\\n\nexit 1\n"
        << false;
}

void TestConversionJob::coverRetriedOnlyBeforeProgress()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, retried);
    QVERIFY(fakeencoder::setScript(m_encoder->path(), script));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(".*"));
    QVERIFY(!convert(sourceFile("song.flac"), "mp3"));
    QCOMPARE(m_end->failure, ConversionEnd::Failure::EncoderFailed);
    // The second run goes without covers ("-vn"); a failure at 90 % is the audio's.
    QCOMPARE(fakeencoder::recordedArguments(m_encoder->path()).contains("-vn"), retried);
    QVERIFY(!QFileInfo::exists(m_dir->filePath("song.mp3")));
}

// A mirror's temporary name: written as it is, never searched or renamed,
// and gone again when the conversion fails.
void TestConversionJob::explicitTargetWrittenAsGiven_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("taken"); // something stands at the name already
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QStringList>("left"); // in the target's folder

    QTest::newRow("converted") << "stdin\nwrite-text data\n"
                               << false << true << QStringList{".a.mp3.part"};
    QTest::newRow("encoder fails") << "stdin\nwrite-text da\nexit 1\n"
                                   << false << false << QStringList{};
    QTest::newRow("name taken") << "stdin\nwrite-text data\n"
                                << true << false << QStringList{".a.mp3.part"};
}

void TestConversionJob::explicitTargetWrittenAsGiven()
{
    // The job makes the target's missing folders and the file itself, and
    // never takes over what stands at the name.
    QFETCH(QString, script);
    QFETCH(bool, taken);
    QFETCH(bool, converted);
    QFETCH(QStringList, left);
    QVERIFY(!fakeencoder::install(m_encoder->path(), script.toUtf8()).isEmpty());
    writeSetting(settings::TargetDirKey, "ask"); // never asked: the target is given
    const QString folder = m_out->filePath("Rock/Live");
    const QString target = folder + "/.a.mp3.part";
    if (taken) {
        QVERIFY(QDir().mkpath(folder));
        QFile other(target);
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("theirs") == 6);
    }

    ConversionRequest request{sourceFile("a.flac"), "mp3", {}, target, 7};
    ConversionJob job(request, m_services, nullptr);
    connect(&job, &ConversionJob::ended, this, [this](const ConversionEnd &end) { m_end = end; });
    job.start();
    waitUntil([this] { return m_end.has_value(); });
    QCOMPARE(m_end->outcome == ConversionEnd::Outcome::Converted, converted);
    QCOMPARE(m_end->origin, 7);
    QCOMPARE(m_end->madeFolders,
             taken ? QStringList() : QStringList({m_out->filePath("Rock"), folder}));
    if (converted)
        QCOMPARE(m_end->target, target);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), left);
    if (taken) {
        QFile other(target);
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("theirs"));
    }
}

QTEST_GUILESS_MAIN(TestConversionJob)
#include "tst_conversionjob.moc"
