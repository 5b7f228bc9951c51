#include "tagfixture.h"
#include "tagreader.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

// Sources whose ID3v2 tag is hostile: read within bounds, written into a
// target that stays small and readable, never a crash or a hang.
class TestHostileTags : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void boundedTags_data();
    void boundedTags();

private:
    QTemporaryDir m_dir;
    QByteArray m_audio; // MPEG audio without a tag
    QByteArray m_target;
};

namespace {

QByteArray synchsafe(quint32 size)
{
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i, size >>= 7)
        bytes[i] = char(size & 0x7f);
    return bytes;
}

QByteArray frame(const char *id, const QByteArray &body, quint32 claimed = 0)
{
    return QByteArray(id) + synchsafe(claimed ? claimed : quint32(body.size())) +
           QByteArray(2, '\0') + body;
}

// An ID3v2.4 tag; claimed replaces the size its header gives.
QByteArray tag(const QByteArray &frames, quint32 claimed = 0)
{
    return QByteArray("ID3\x04\x00\x00", 6) +
           synchsafe(claimed ? claimed : quint32(frames.size())) + frames;
}

QByteArray latin1Text(const QByteArray &text)
{
    return QByteArray(1, '\0') + text;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestHostileTags::initTestCase()
{
    const QString mp3 = m_dir.filePath("plain.mp3");
    const QString ogg = m_dir.filePath("plain.ogg");
    QVERIFY(tagfixture::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1",
                                       "-id3v2_version", "0", "-write_xing", "0", mp3}));
    QVERIFY(tagfixture::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1", ogg}));
    m_audio = contents(mp3);
    m_target = contents(ogg);
}

void TestHostileTags::boundedTags_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("title"); // expected; empty: whatever could be read

    const QByteArray title = frame("TIT2", latin1Text("Kept"));
    QTest::newRow("a 50 MB lyrics frame")
        << tag(title + frame("USLT", QByteArray("\0eng\0", 5) + QByteArray(50 << 20, 'a')))
        << "Kept";
    QByteArray many;
    for (int i = 0; i < 10000; ++i)
        many += frame("TXXX", latin1Text("KEY" + QByteArray::number(i) + '\0' + "value"));
    QTest::newRow("10,000 frames") << tag(title + many) << "Kept";
    QTest::newRow("invalid UTF-8")
        << tag(frame("TIT2", QByteArray("\x03\xff\xfe\xc3\x28\xed\xa0\x80 x", 10)) + title)
        << QString();
    QTest::newRow("a tag larger than the file") << tag(title, 0x0fffffff) << QString();
    QTest::newRow("a frame larger than its tag")
        << tag(frame("TIT2", latin1Text("Lost"), 0x0fffffff) + title) << QString();
}

void TestHostileTags::boundedTags()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, title);
    const QString source = m_dir.filePath("hostile.mp3");
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.write(header + m_audio) > 0);
    }
    const tags::SourceTags read = tags::readTags(source);
    QVERIFY(read.values.size() <= tags::MaxKeys);
    qsizetype total = 0;
    for (const QStringList &values : read.values)
        for (const QString &value : values)
            total += value.size();
    QVERIFY(total <= tags::MaxTotalLength);
    if (!title.isEmpty()) {
        QCOMPARE(read.values.value("TITLE"), QStringList{title});
        QVERIFY(read.dropped > 0);
    }

    // What was read goes into a target that a player still opens.
    const QString target = m_dir.filePath("target.ogg");
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.write(m_target) == m_target.size());
    }
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QVERIFY(tags::writeTags(fd, "ogg", read, {}));
    ::close(fd);
    QVERIFY(QFileInfo(target).size() < m_target.size() + 4 * tags::MaxTotalLength + 65536);
    const QJsonObject back = tagfixture::readBack(target, "ogg");
    QVERIFY(back.contains("pictures")); // the reader opened it
    if (!title.isEmpty())
        QCOMPARE(back.value("title").toString(), title);
}

QTEST_GUILESS_MAIN(TestHostileTags)
#include "tst_hostiletags.moc"
