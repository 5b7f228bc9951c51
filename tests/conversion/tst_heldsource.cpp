#include "childprocess.h"
#include "heldsource.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using heldsource::Failure;

Q_DECLARE_METATYPE(heldsource::Failure)

// A source is checked when it is selected and opened once when its turn
// comes; whatever stands under its name by then, nothing blocks and nothing
// but the selected file is read.
class TestHeldSource : public QObject
{
    Q_OBJECT
private slots:
    void selection_data();
    void selection();
    void turn_data();
    void turn();
    void onlyItsChildReadsIt();
};

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Puts what kind names at path: file, link, fifo, folder, device, dangling,
// private (a link to a file elsewhere), or nothing.
bool make(const QString &kind, const QString &path, const QTemporaryDir &dir)
{
    const QString other = dir.filePath("elsewhere/private.wav");
    QDir(dir.path()).mkpath("elsewhere");
    if (!QFileInfo::exists(other) && !write(other, "private"))
        return false;
    if (kind == "file")
        return write(path, "song");
    if (kind == "link" || kind == "private")
        return QFile::link(other, path);
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == "folder")
        return QDir().mkdir(path);
    if (kind == "device")
        return QFile::link("/dev/null", path);
    if (kind == "dangling")
        return QFile::link(dir.filePath("nowhere"), path);
    return kind == "nothing";
}

} // namespace

void TestHeldSource::selection_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Failure>("failure");
    QTest::newRow("file") << "file" << Failure::None;
    QTest::newRow("link to a file") << "link" << Failure::None;
    QTest::newRow("fifo") << "fifo" << Failure::NotAFile;
    QTest::newRow("folder") << "folder" << Failure::NotAFile;
    QTest::newRow("device") << "device" << Failure::NotAFile;
    QTest::newRow("socket") << "socket" << Failure::NotAFile;
    QTest::newRow("nothing") << "nothing" << Failure::Gone;
    QTest::newRow("link to nothing") << "dangling" << Failure::Gone;
}

void TestHeldSource::selection()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath("song.wav");
    QLocalServer socket;
    if (kind == "socket")
        QVERIFY(socket.listen(path));
    else
        QVERIFY(make(kind, path, dir));

    Failure failure = Failure::Replaced;
    heldsource::HeldSource source = heldsource::select(path, &failure);
    QTEST(failure, "failure");
    QCOMPARE(source.isSelected(), failure == Failure::None);
    if (source.isSelected()) {
        QCOMPARE(source.open(), Failure::None);
        QVERIFY(source.toolPath().startsWith("/proc/self/fd/"));
    }
}

void TestHeldSource::turn_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("then"); // what stands there at the file's turn
    QTest::addColumn<Failure>("failure");
    QTest::newRow("unchanged") << "file"
                               << "" << Failure::None;
    QTest::newRow("removed") << "file"
                             << "nothing" << Failure::Gone;
    QTest::newRow("another file") << "file"
                                  << "file" << Failure::Replaced;
    QTest::newRow("a link to a private file") << "file"
                                              << "private" << Failure::Replaced;
    QTest::newRow("a fifo") << "file"
                            << "fifo" << Failure::Replaced;
    QTest::newRow("a device") << "file"
                              << "device" << Failure::Replaced;
    QTest::newRow("a folder") << "file"
                              << "folder" << Failure::Replaced;
    QTest::newRow("selected link unchanged") << "link"
                                             << "" << Failure::None;
    QTest::newRow("selected link to a fifo") << "link"
                                             << "fifo" << Failure::Replaced;
    QTest::newRow("selected link removed") << "link"
                                           << "nothing" << Failure::Gone;
}

void TestHeldSource::turn()
{
    QFETCH(QString, selected);
    QFETCH(QString, then);
    QTemporaryDir dir;
    const QString path = dir.filePath("song.wav");
    QVERIFY(make(selected, path, dir));
    heldsource::HeldSource source = heldsource::select(path);
    QVERIFY(source.isSelected());
    if (!then.isEmpty()) {
        // Moved away, not deleted: a new file could be given its number.
        QVERIFY(QFile::rename(path, dir.filePath("moved.wav")));
        QVERIFY(make(then, path, dir));
    }
    // A FIFO without a writer would block a plain open here.
    QTEST(source.open(), "failure");
    QCOMPARE(source.isOpen(), then.isEmpty());
    QCOMPARE(source.toolPath().isEmpty(), !then.isEmpty());
}

void TestHeldSource::onlyItsChildReadsIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("song.wav");
    QVERIFY(write(path, "selected"));
    heldsource::HeldSource source = heldsource::select(path);
    QCOMPARE(source.open(), Failure::None);
    // Once open, the name no longer matters.
    QVERIFY(QFile::rename(path, dir.filePath("moved.wav")));
    QVERIFY(write(path, "swapped"));

    QProcess child;
    childprocess::start(child, "cat", {source.toolPath()}, {source.descriptor()});
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.readAllStandardOutput(), QByteArray("selected"));

    QProcess other;
    other.start("cat", {source.toolPath()});
    QVERIFY(other.waitForFinished());
    QVERIFY(other.readAllStandardOutput().isEmpty());
    QVERIFY(other.exitCode() != 0);
}

QTEST_GUILESS_MAIN(TestHeldSource)
#include "tst_heldsource.moc"
