#include "mirrorplan.h"
#include "portablenames.h"

#include <QTest>

using portablenames::FileSystemKind;

Q_DECLARE_METATYPE(FileSystemKind)

namespace {

// A run's starting point and the plan it must come to. Sources are
// "path size [modified]" (modified 100 unless given); records
// "source|size|modified|recipe|output|output size|output modified[|pending][|retag]";
// the mirror's files "name size modified". Sources not walked are gone,
// unless named unreadable.
struct Situation
{
    QStringList walked;
    QStringList recorded;
    QStringList mirror;
    QStringList steps; // as describe() has them; see stepLine
    // The run's settings where they differ from an MP3 mirror at "mp3 128" on
    // a POSIX file system, "; " between: "recipe <text>", "tags" (a tag option
    // is given), "album", "fat", "unreadable <source>".
    QString run{};
};

treewalk::Result walkOf(const QStringList &sources)
{
    treewalk::Result walk;
    for (const QString &source : sources) {
        const QStringList parts = source.split(' ');
        const QString extension = parts[0].section('.', -1).toLower();
        walk.files << treewalk::SourceFile{parts[0], parts[1].toLongLong(),
                                           parts.value(2, "100").toLongLong(),
                                           extension == "jpg" || extension == "png"};
    }
    return walk;
}

QHash<QString, MirrorRecord> recordsOf(const QStringList &lines)
{
    QHash<QString, MirrorRecord> records;
    for (const QString &line : lines) {
        const QStringList f = line.split('|');
        MirrorRecord r;
        r.source = f[0];
        r.sourceSize = f[1].toLongLong();
        r.sourceModified = f[2].toLongLong();
        r.recipe = f[3];
        r.output = f[4];
        r.outputSize = f[5].toLongLong();
        r.outputModified = f[6].toLongLong();
        r.pending = f.contains("pending");
        r.retag = f.contains("retag");
        r.album = r.retag ? "-7.00 dB" : QString();
        records.insert(r.source, r);
    }
    return records;
}

// The step as describe() puts it ("forget <source>" for the one it leaves
// out), with what a replaced or trashed output must still look like
// ("if size/modified") and what a kept one is recorded as ("as …").
QString stepLine(const mirrorplan::Step &step)
{
    QString line = mirrorplan::describe({{step}, {}}).value(0, "forget " + step.record.source);
    if (step.expectedSize >= 0)
        line += QString(" if %1/%2").arg(step.expectedSize).arg(step.expectedModified);
    if (step.action == mirrorplan::Action::Keep)
        line += QString(" as %1/%2").arg(step.record.outputSize).arg(step.record.outputModified);
    return line;
}

} // namespace

Q_DECLARE_METATYPE(Situation)

// What a run plans for each file from its records and the states of the
// outputs, with no disk involved.
class TestMirrorPlan : public QObject
{
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void portableNames_data();
    void portableNames();
};

void TestMirrorPlan::plan_data()
{
    QTest::addColumn<Situation>("situation");
    const QString a = "Rock/a.flac 1";
    const QString recordA = "Rock/a.flac|1|100|mp3 128|Rock/a.mp3|9|200";
    const QString outputA = "Rock/a.mp3 9 200";
    const QString partA = "Rock/.tonewright-a.mp3.part 4 300";
    const QString pendingA = "Rock/a.flac|1|100|mp3 128|Rock/a.mp3|-1|-1|pending";

    const QString replaced = "replace Rock/a.flac → Rock/a.mp3 if 9/200";
    const QString edited = "leave Rock/a.mp3: changed since Tonewright wrote it";
    const QString kept = "keep Rock/a.mp3: written by a run cut short as ";
    // clang-format off
    QTest::newRow("unchanged") << Situation{{a}, {recordA}, {outputA}, {"leave Rock/a.mp3"}};
    QTest::newRow("new")
        << Situation{{"Rock/c.flac 1"}, {}, {}, {"convert Rock/c.flac → Rock/c.mp3"}};
    QTest::newRow("source changed")
        << Situation{{"Rock/a.flac 2"}, {recordA}, {outputA}, {replaced}};
    QTest::newRow("source touched")
        << Situation{{"Rock/a.flac 1 101"}, {recordA}, {outputA}, {replaced}};
    QTest::newRow("settings changed")
        << Situation{{a}, {recordA}, {outputA}, {replaced}, "recipe mp3 192"};
    QTest::newRow("output missing")
        << Situation{{a}, {recordA}, {}, {"replace Rock/a.flac → Rock/a.mp3"}};
    QTest::newRow("output edited") << Situation{{a}, {recordA}, {"Rock/a.mp3 5 300"}, {edited}};
    QTest::newRow("output edited, source changed")
        << Situation{{"Rock/a.flac 2"}, {recordA}, {"Rock/a.mp3 5 300"}, {edited}};
    QTest::newRow("source gone")
        << Situation{{}, {recordA}, {outputA}, {"trash Rock/a.mp3 if 9/200"}};
    QTest::newRow("source gone, output edited")
        << Situation{{}, {recordA}, {"Rock/a.mp3 9 300"}, {edited}};
    QTest::newRow("source and output gone") << Situation{{}, {recordA}, {}, {"forget Rock/a.flac"}};
    QTest::newRow("source unreadable this time")
        << Situation{{}, {recordA}, {outputA}, {"leave Rock/a.mp3"}, "unreadable Rock/a.flac"};
    QTest::newRow("a file the records do not know in the way")
        << Situation{{"Rock/x.flac 1"}, {}, {"Rock/x.mp3 6 50"},
                     {"convert Rock/x.flac → Rock/x_1.mp3"}};
    QTest::newRow("a recorded name is never given again")
        << Situation{{"b.wav 1"}, {"b.flac|1|100|mp3 128|b.mp3|9|200"}, {},
                     {"convert b.wav → b_1.mp3", "forget b.flac"}};
    // Two sources for one name take it in walk order; covers and sources
    // already in the format are copied as they are.
    QTest::newRow("clashes and copies")
        << Situation{{"Live/b.flac 1", "Live/cover.jpg 1", "a.flac 1", "a.mp3 1", "a.wav 1"},
                     {}, {},
                     {"convert Live/b.flac → Live/b.mp3", "copy Live/cover.jpg → Live/cover.jpg",
                      "convert a.flac → a.mp3", "copy a.mp3 → a_1.mp3", "convert a.wav → a_2.mp3"}};
    QTest::newRow("a tag option converts what was copied")
        << Situation{{"a.mp3 1"}, {"a.mp3|1|100|copy|a_1.mp3|1|200"}, {"a_1.mp3 1 200"},
                     {"replace a.mp3 → a_1.mp3 if 1/200"}, "recipe mp3 128 title=X; tags"};
    QTest::newRow("names the medium takes")
        << Situation{{"AC:DC/Song.flac 1", "AC:DC/song.flac 1", "AC:DC/What?.flac 1"}, {}, {},
                     {"convert AC:DC/Song.flac → AC_DC/Song.mp3",
                      "convert AC:DC/song.flac → AC_DC/song_1.mp3",
                      "convert AC:DC/What?.flac → AC_DC/What_.mp3"}, "fat"};
    QTest::newRow("names the medium took are kept")
        << Situation{{"AC:DC/song.flac 1"},
                     {"AC:DC/song.flac|1|100|mp3 128|AC_DC/song_1.mp3|9|200"},
                     {"AC_DC/song_1.mp3 9 200"}, {"leave AC_DC/song_1.mp3"}, "fat"};
    // A run cut short: what stands under the name is ours, complete once
    // renamed into place.
    QTest::newRow("cut short after the rename")
        << Situation{{a}, {pendingA}, {outputA}, {kept + "9/200"}};
    QTest::newRow("cut short while writing")
        << Situation{{a}, {pendingA}, {partA}, {"convert Rock/a.flac → Rock/a.mp3"}};
    QTest::newRow("cut short while writing over an output")
        << Situation{{a}, {recordA + "|pending"}, {outputA, partA}, {replaced}};
    QTest::newRow("cut short after the rename, album wanted")
        << Situation{{a}, {pendingA}, {outputA}, {replaced}, "album"};
    QTest::newRow("cut short, source gone")
        << Situation{{}, {recordA + "|pending"}, {outputA}, {edited}};
    QTest::newRow("album values rewritten, cut short")
        << Situation{{a}, {recordA + "|retag"}, {"Rock/a.mp3 12 300"}, {kept + "12/300"}};
    QTest::newRow("album values being rewritten, cut short")
        << Situation{{a}, {recordA + "|retag"}, {"Rock/a.mp3 12 300", partA}, {edited}};
    QTest::newRow("album values cut short before the rename")
        << Situation{{a}, {recordA + "|retag"}, {outputA, partA}, {"leave Rock/a.mp3"}};
    // clang-format on
}

void TestMirrorPlan::plan()
{
    QFETCH(Situation, situation);
    QHash<QString, mirrorplan::FileState> mirror;
    for (const QString &file : std::as_const(situation.mirror)) {
        const QStringList parts = file.split(' ');
        mirror.insert(parts[0], {true, parts[1].toLongLong(), parts[2].toLongLong()});
    }
    mirrorplan::Settings settings{"mp3", "mp3 128", true, false};
    FileSystemKind kind = FileSystemKind::Posix;
    QStringList unreadable;
    for (const QString &word : situation.run.split("; ", Qt::SkipEmptyParts)) {
        if (word.startsWith("recipe "))
            settings.recipe = word.mid(7);
        else if (word.startsWith("unreadable "))
            unreadable << word.mid(11);
        settings.plain = settings.plain && word != "tags";
        settings.album = settings.album || word == "album";
        kind = word == "fat" ? FileSystemKind::Fat : kind;
    }
    const mirrorplan::Plan plan = mirrorplan::plan(
        walkOf(situation.walked), recordsOf(situation.recorded), settings, kind,
        [&mirror](const QString &name) { return mirror.value(name); },
        [&unreadable](const QString &source) { return !unreadable.contains(source); });
    QStringList steps;
    for (const mirrorplan::Step &step : plan.steps)
        steps << stepLine(step);
    QCOMPARE(steps, situation.steps);
}

void TestMirrorPlan::portableNames_data()
{
    QTest::addColumn<FileSystemKind>("kind");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("expected");

    const FileSystemKind posix = FileSystemKind::Posix;
    const FileSystemKind fat = FileSystemKind::Fat;
    QTest::newRow("posix keeps what it can") << posix << "a:b?"
                                             << ".mp3"
                                             << "a:b?.mp3";
    QTest::newRow("refused characters") << fat << "a<b>c:d\"e\\f|g?h*"
                                        << ".mp3"
                                        << "a_b_c_d_e_f_g_h_.mp3";
    QTest::newRow("control characters") << FileSystemKind::ExFat << "a\tb\x7f"
                                        << ".mp3"
                                        << "a_b_.mp3";
    QTest::newRow("trailing dots and spaces") << fat << "Vol. 2. ."
                                              << ""
                                              << "Vol. 2";
    QTest::newRow("only dots") << fat << ".."
                               << ""
                               << "_";
    QTest::newRow("reserved") << FileSystemKind::Ntfs << "CON"
                              << ".mp3"
                              << "CON_.mp3";
    QTest::newRow("reserved folder") << fat << "com1"
                                     << ""
                                     << "com1_";
    QTest::newRow("reserved before extensions") << fat << "nul.live"
                                                << "_1.mp3"
                                                << "nul_.live_1.mp3";
    QTest::newRow("not reserved") << fat << "CONSOLE"
                                  << ".mp3"
                                  << "CONSOLE.mp3";
    QTest::newRow("long, UTF-16 units")
        << fat << QString(300, QChar(0xe9)) << "_1.mp3" << QString(249, QChar(0xe9)) + "_1.mp3";
    QTest::newRow("long, bytes") << posix << QString(300, QChar(0xe9)) << ".mp3"
                                 << QString(125, QChar(0xe9)) + ".mp3";
    const QString clef = QString::fromUtf8("\xf0\x9d\x84\x9e"); // two UTF-16 units
    QTest::newRow("long, no half character")
        << fat << clef.repeated(200) << ".mp3" << clef.repeated(125) + ".mp3";
}

void TestMirrorPlan::portableNames()
{
    QFETCH(FileSystemKind, kind);
    QFETCH(QString, stem);
    QFETCH(QString, suffix);
    QFETCH(QString, expected);
    QCOMPARE(portablenames::component(stem, suffix, kind), expected);
}

QTEST_GUILESS_MAIN(TestMirrorPlan)
#include "tst_mirrorplan.moc"
