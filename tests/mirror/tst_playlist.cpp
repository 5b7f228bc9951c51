#include "playlist.h"

#include <QTest>

// A playlist at Lists/road.m3u of the folder /lib, mirrored to
// Lists/road.m3u8, in a folder holding Rock/a.flac, Rock/café.flac and
// Lists/near.wav; expected is the rewritten text, "|" between lines.
class TestPlaylist : public QObject
{
    Q_OBJECT
private slots:
    void rewrite_data();
    void rewrite();
};

void TestPlaylist::rewrite_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("leftOut");
    QTest::addColumn<int>("problem");
    const int none = int(playlist::Problem::None);

    QTest::newRow("relative") << QByteArray("../Rock/a.flac\nnear.wav\n")
                              << "../Rock/a.mp3|near.mp3" << QStringList() << none;
    QTest::newRow("absolute in the folder")
        << QByteArray("/lib/Rock/a.flac") << "../Rock/a.mp3" << QStringList() << none;
    QTest::newRow("outside") << QByteArray("../../other/x.flac\n/elsewhere/a.flac\nC:\\a.flac")
                             << ""
                             << QStringList{"../../other/x.flac", "/elsewhere/a.flac", "C:\\a.flac"}
                             << none;
    QTest::newRow("missing or not a track")
        << QByteArray("gone.flac\n../Rock/cover.jpg\n") << ""
        << QStringList{"gone.flac", "../Rock/cover.jpg"} << none;
    QTest::newRow("backslashes, CRLF") << QByteArray("..\\Rock\\a.flac\r\n.\\near.wav\r\n")
                                       << "../Rock/a.mp3|near.mp3" << QStringList() << none;
    QTest::newRow("file URL")
        << QByteArray("file:///lib/Rock/caf%C3%A9.flac\nfile://localhost/lib/Lists/near.wav")
        << "../Rock/café.mp3|near.mp3" << QStringList() << none;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF../Rock/caf\xC3\xA9.flac")
                                    << "../Rock/café.mp3" << QStringList() << none;
    QTest::newRow("Latin-1") << QByteArray("../Rock/caf\xE9.flac\n\x93gone\x94.flac")
                             << "../Rock/café.mp3" << QStringList{"“gone”.flac"} << none;
    QTest::newRow("EXTINF with its entry")
        << QByteArray("#EXTM3U\n#EXTINF:3,A\n../Rock/a.flac\n#EXTINF:1,Gone\ngone.flac\n"
                      "#EXTINF:-1,Radio\nhttp://radio.example/live\n")
        << "#EXTM3U|#EXTINF:3,A|../Rock/a.mp3|#EXTINF:-1,Radio|http://radio.example/live"
        << QStringList{"gone.flac"} << none;
    QTest::newRow("junk") << QByteArray("ID3\x03\x00\x00\x00\x01\xFF", 9) << "" << QStringList()
                          << int(playlist::Problem::NotText);
    QTest::newRow("too large") << QByteArray(playlist::MaxBytes + 1, 'a') << "" << QStringList()
                               << int(playlist::Problem::TooLarge);
}

void TestPlaylist::rewrite()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, expected);
    QFETCH(QStringList, leftOut);
    QFETCH(int, problem);
    const QHash<QString, QString> outputs{
        {"Rock/a.flac", "Rock/a.mp3"},
        {QString::fromUtf8("Rock/café.flac"), QString::fromUtf8("Rock/café.mp3")},
        {"Lists/near.wav", "Lists/near.mp3"}};
    const playlist::Rewritten rewritten =
        playlist::rewrite(list, "Lists/road.m3u", "Lists/road.m3u8", {"/lib"},
                          [&](const QString &source) { return outputs.value(source); });
    QCOMPARE(int(rewritten.problem), problem);
    QCOMPARE(QString::fromUtf8(rewritten.text),
             expected.isEmpty() ? QString() : expected.replace('|', '\n') + '\n');
    QCOMPARE(rewritten.leftOut, leftOut);
}

QTEST_GUILESS_MAIN(TestPlaylist)
#include "tst_playlist.moc"
