#include "spaceestimate.h"

#include <QLocale>
#include <QTest>

using mirrorplan::Action;

namespace {

mirrorplan::Step step(Action action, const QString &source, qint64 size, qint64 replaced = -1)
{
    mirrorplan::Step step;
    step.action = action;
    step.record.source = source;
    step.record.sourceSize = size;
    step.record.recipe = action == Action::Copy ? "copy" : "mp3 128";
    step.expectedSize = replaced;
    return step;
}

const mirrorplan::Settings Mp3{"mp3", "mp3 128", true, false, 128, false};

} // namespace

// The guess of what a run writes, from names and sizes alone.
class TestSpaceEstimate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void added_data();
    void added();
    void clearlyShort_data();
    void clearlyShort();
    void whatFitsIsAPrefix();
    void sentence();
};

void TestSpaceEstimate::added_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("source");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("format");
    QTest::addColumn<qint64>("replaced");
    QTest::addColumn<qint64>("expected");
    // Each source is 100 s as the guess takes it: at 128 kbit/s 1,600,000
    // bytes, as FLAC 10,584,000.
    const Action convert = Action::Convert;
    QTest::newRow("wav to mp3") << convert << "a.wav" << 17640000ll << "mp3" << -1ll << 1600000ll;
    QTest::newRow("flac to mp3") << convert << "a.FLAC" << 10584000ll << "mp3" << -1ll << 1600000ll;
    QTest::newRow("mp3 to mp3") << convert << "a.mp3" << 2400000ll << "mp3" << -1ll << 1600000ll;
    QTest::newRow("video to mp3") << convert << "a.mkv" << 25000000ll << "mp3" << -1ll << 1600000ll;
    QTest::newRow("wav to flac") << convert << "a.wav" << 17640000ll << "flac" << -1ll
                                 << 10584000ll;
    QTest::newRow("mp3 to flac") << convert << "a.mp3" << 2400000ll << "flac" << -1ll << 10584000ll;
    QTest::newRow("copy") << Action::Copy << "cover.jpg" << 12345ll << "mp3" << -1ll << 12345ll;
    QTest::newRow("copy over the old")
        << Action::Copy << "a.mp3" << 5000ll << "mp3" << 4000ll << 1000ll;
    QTest::newRow("replace frees the old output")
        << Action::Replace << "a.wav" << 17640000ll << "mp3" << 2000000ll << -400000ll;
    QTest::newRow("leave") << Action::Leave << "a.wav" << 17640000ll << "mp3" << 1600000ll << 0ll;
}

void TestSpaceEstimate::added()
{
    QFETCH(Action, action);
    QFETCH(QString, source);
    QFETCH(qint64, size);
    QFETCH(QString, format);
    QFETCH(qint64, replaced);
    QFETCH(qint64, expected);
    const mirrorplan::Settings settings{format, format + " 128", true, false, 128, false};
    QCOMPARE(spaceestimate::added(step(action, source, size, replaced), settings), expected);
}

void TestSpaceEstimate::clearlyShort_data()
{
    QTest::addColumn<qint64>("needed");
    QTest::addColumn<qint64>("free");
    QTest::addColumn<bool>("lacking");
    QTest::newRow("fits") << 1000ll << 1000ll << false;
    QTest::newRow("over, within the margin") << 1000ll << 800ll << false;
    QTest::newRow("just past the margin") << 1000ll << 799ll << true;
    QTest::newRow("free unknown") << 1000ll << -1ll << false;
    QTest::newRow("frees more than it writes") << -500ll << 0ll << false;
}

void TestSpaceEstimate::clearlyShort()
{
    QFETCH(qint64, needed);
    QFETCH(qint64, free);
    QFETCH(bool, lacking);
    QCOMPARE(spaceestimate::clearlyShort(needed, free), lacking);
}

// Written in plan order while the total and room for the largest once more
// fit; from the first that does not, every writing step waits, smaller ones
// after it too.
void TestSpaceEstimate::whatFitsIsAPrefix()
{
    mirrorplan::Plan plan;
    plan.steps = {step(Action::Copy, "a.jpg", 100), step(Action::Leave, "b.wav", 100),
                  step(Action::Copy, "c.jpg", 100), step(Action::Copy, "d.jpg", 100),
                  step(Action::Copy, "e.jpg", 10),  step(Action::Trash, "f.wav", 100)};
    QCOMPARE(spaceestimate::leaveWhatDoesNotFit(&plan, Mp3, 350), 2);
    QList<Action> actions;
    for (const mirrorplan::Step &s : plan.steps)
        actions << s.action;
    QCOMPARE(actions, (QList<Action>{Action::Copy, Action::Leave, Action::Copy, Action::Later,
                                     Action::Later, Action::Trash}));
    QCOMPARE(spaceestimate::needed(plan, Mp3), 200);
}

void TestSpaceEstimate::sentence()
{
    QCOMPARE(spaceestimate::shortText("/media/stick/Music (MP3)", 2100000000, 1400000000, true),
             "Music (MP3) needs about 2.1 GB; the stick has 1.4 GB free.");
    QCOMPARE(spaceestimate::shortText("/home/me/Music (MP3)", 2100000000, 1400000000, false),
             "Music (MP3) needs about 2.1 GB; the disk has 1.4 GB free.");
}

QTEST_GUILESS_MAIN(TestSpaceEstimate)
#include "tst_spaceestimate.moc"
