#include "entrypoint.h"
#include "simulatedplatform.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <sstream>

using namespace discpull;

// The whole program on a simulated drive: every printed item and exit code.
class TestDiscpullProgram : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void outputAndExitCode_data();
    void outputAndExitCode();
    void helpAndVersion_data();
    void helpAndVersion();
    void noArgumentsTouchesNoDrive();
    void parseIndex_data();
    void parseIndex();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestDiscpullProgram::init()
{
    QVERIFY(m_dir.isValid());
    for (const char *name : {"out.wav", "disc.txt", "requests.log"})
        QFile::remove(path(QString::fromLatin1(name)));
}

void TestDiscpullProgram::outputAndExitCode_data()
{
    QTest::addColumn<QString>("disc");     // description; "-" for none (unusable drive)
    QTest::addColumn<QStringList>("args"); // "DISC" and "WAV" stand for the paths
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<qint64>("fileSize"); // -1: no file

    const QString three = "tracks 18750 17925 22500\n";
    const QStringList listing{"DISC"};
    const QStringList track0{"DISC", "0", "WAV"};
    const QByteArray indexError = "Track-Extracting: -1Error: 12";
    const QByteArray readError = "Track-Extracting: 70560Error: 12";
    // clang-format off
    const struct
    {
        const char *tag;
        QString disc;
        QStringList args;
        QByteArray output;
        int exitCode;
        qint64 fileSize;
    } rows[] = {
        {"listing", three, listing, "Track-Count: 3Track-1: 4Track-2: 3Track-3: 5", 0, -1},
        {"track under a minute", "tracks 4499\n", listing, "Track-Count: 1Track-1: 0", 0, -1},
        {"extraction", "tracks 100 200 17645\n", {"DISC", "2", "WAV"},
         "Track-Extracting: 41501040\nTrack-Extracted: 2", 0, 41501084},
        {"index abc is 0", "tracks 30 40\n", {"DISC", "abc", "WAV"},
         "Track-Extracting: 70560\nTrack-Extracted: 0", 0, 70604},
        {"index ' 2nd' reads as 2, past the end", "tracks 30 40\n", {"DISC", " 2nd", "WAV"},
         indexError, 12, -1},
        {"index -1", three, {"DISC", "-1", "WAV"}, indexError, 12, -1},
        {"index equal to the count", three, {"DISC", "3", "WAV"}, indexError, 12, -1},
        {"read fails", "tracks 30\nfail-read 25\n", track0, readError, 12, 44 + 20 * 2352},
        {"disk full", "tracks 30\nwrite-limit 1000\n", track0, readError, 12, 1000},
        {"file not created", "tracks 30\nfail create\n", track0, readError, 12, -1},
        {"two arguments", three, {"DISC", "0"}, "Error: 9", 9, -1},
        {"four arguments", three, {"DISC", "0", "WAV", "x"}, "Error: 9", 9, -1},
        {"two arguments, unusable drive", "-", {"DISC", "0"}, "Error: 11", 11, -1},
        {"listing, unusable drive", "-", listing, "Error: 11", 11, -1},
        {"extraction, unusable drive", "-", track0, "Error: 11", 11, -1},
        {"open fails", "tracks 30\nfail open\n", listing, "Error: 11", 11, -1},
        {"lock fails", "tracks 30\nfail lock\n", listing, "Error: 11", 11, -1},
        {"toc fails", "tracks 30\nfail toc\n", listing, "Error: 11", 11, -1},
        {"empty toc", "toc 1 0\nmsf 0 2 0\n", listing, "Error: 11", 11, -1},
        {"lead-out past minute 203", "toc 1 1\nmsf 0 2 0\nmsf 250 0 0\n", listing, "Error: 11",
         11, -1},
        {"no arguments", three, {}, "Error: 10", 10, -1},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.disc << row.args << row.output << row.exitCode
                               << row.fileSize;
}

void TestDiscpullProgram::outputAndExitCode()
{
    QFETCH(QString, disc);
    QFETCH(QStringList, args);
    QFETCH(QByteArray, output);
    QFETCH(int, exitCode);
    QFETCH(qint64, fileSize);

    if (disc != "-") {
        QFile description(path("disc.txt"));
        QVERIFY(description.open(QIODevice::WriteOnly));
        description.write(disc.toUtf8() + "log " + path("requests.log").toUtf8() + "\n");
    }
    args.replaceInStrings("DISC", path("disc.txt"));
    args.replaceInStrings("WAV", path("out.wav"));

    QProcess program;
    program.start(DISCPULL_SIM, args);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.readAllStandardOutput(), output);
    QCOMPARE(program.readAllStandardError(), QByteArray());
    QCOMPARE(program.exitCode(), exitCode);
    QFileInfo wav(path("out.wav"));
    QCOMPARE(wav.exists() ? wav.size() : qint64(-1), fileSize);

    // Whenever a drive was opened and locked, the lock was released and the
    // device closed before the program ended.
    QFile log(path("requests.log"));
    if (log.open(QIODevice::ReadOnly)) {
        const QStringList requests =
            QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
        if (requests.contains("lock"))
            QCOMPARE(requests.mid(requests.size() - 2), (QStringList{"unlock", "release"}));
    }
}

void TestDiscpullProgram::helpAndVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("start");
    QTest::newRow("help") << "--help"
                          << "Usage: discpull <drive>";
    QTest::newRow("version") << "--version"
                             << "discpull ";
}

void TestDiscpullProgram::helpAndVersion()
{
    QFETCH(QString, option);
    QFETCH(QString, start);
    QProcess program;
    program.start(DISCPULL_SIM, {option});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(out.startsWith(start), qPrintable(out));
    QVERIFY(out.endsWith('\n'));
}

void TestDiscpullProgram::noArgumentsTouchesNoDrive()
{
    SimulatedPlatform platform(SimulatedDisc::withTrackLengths({30}));
    std::ostringstream out;
    QCOMPARE(runDiscpull({}, out, platform), 10);
    QCOMPARE(QString::fromStdString(out.str()), QString("Error: 10"));
    QVERIFY(platform.requests().empty());

    // The drive is opened before the argument count is examined.
    std::ostringstream wrongCount;
    QCOMPARE(runDiscpull({"E", "1"}, wrongCount, platform), 9);
    QCOMPARE(platform.requests().front(), std::string("open E"));
    QCOMPARE(platform.requests().back(), std::string("release"));
}

void TestDiscpullProgram::parseIndex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("plain") << "12" << 12;
    QTest::newRow("leading blanks") << " \t7" << 7;
    QTest::newRow("plus") << "+3" << 3;
    QTest::newRow("minus") << "-1" << -1;
    QTest::newRow("trailing text") << "4x2" << 4;
    QTest::newRow("no digits") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("too large saturates") << "99999999999999999999999" << INT_MAX;
    QTest::newRow("too small saturates") << "-99999999999999999999999" << INT_MIN;
}

void TestDiscpullProgram::parseIndex()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QCOMPARE(discpull::parseIndex(text.toStdString()), index);
}

QTEST_GUILESS_MAIN(TestDiscpullProgram)
#include "tst_discpullprogram.moc"
