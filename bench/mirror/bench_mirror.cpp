// Builds a tree of 10,000 small files (100 artists, 10 albums each, 10
// tracks each), mirrors it once with the encoder faked by a copy, then times
// the unchanged run (walk, lock, database read, plan; nothing to write)
// beside "rsync -an" of the same tree against a copy of it. Each side runs
// five times, alternating, and the best wall times are compared, so that
// other work on a shared machine does not decide the ratio. Also prints the
// peak memory and whether the unchanged run wrote the database.
//
//   bench_mirror [FILES]

#include "mirrorsession.h"
#include "treewalk.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

using mirrorplan::Action;

void makeTree(const QString &folder, int files)
{
    for (int i = 0; i < files; ++i) {
        const QString dir = QStringLiteral("%1/Artist %2/Album %3")
                                .arg(folder).arg(i / 100).arg(i / 10 % 10);
        if (i % 10 == 0)
            QDir().mkpath(dir);
        QFile file(QStringLiteral("%1/%2 Track.flac").arg(dir).arg(i % 10, 2, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::number(i));
    }
}

// One run; returns the number of steps that wrote.
int runMirror(const QString &folder, const QString &root, bool fakeEncoder)
{
    MirrorSession session(folder, root, {QStringLiteral("mp3"), QStringLiteral("mp3 128"), true});
    QString error;
    const treewalk::Result walk = treewalk::walk(folder, root);
    if (!session.lock(&error) || !session.prepare(walk, &error) || !session.start(&error)) {
        std::fprintf(stderr, "bench_mirror: %s\n", qPrintable(error));
        std::exit(1);
    }
    int writes = 0;
    for (const mirrorplan::Step &step : session.plan().steps) {
        if (step.action != Action::Convert && step.action != Action::Replace)
            continue;
        ++writes;
        if (!fakeEncoder)
            continue;
        MirrorSession::Target target;
        session.begin(step, &target, &error);
        QFile::remove(target.temporary);
        const bool ok = QFile::copy(target.source, target.temporary);
        session.finish(step, ok, &error);
    }
    QStringList errors;
    session.trash(&errors);
    return writes;
}

double best(QList<double> times)
{
    return *std::min_element(times.cbegin(), times.cend());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Music"));
    const QString root = dir.filePath(QStringLiteral("Music (MP3)"));
    const QString copy = dir.filePath(QStringLiteral("copy"));
    makeTree(folder, files);

    QElapsedTimer timer;
    timer.start();
    runMirror(folder, root, true);
    const double first = timer.nsecsElapsed() / 1e9;
    QProcess::execute(QStringLiteral("rsync"), {QStringLiteral("-a"), folder + u'/', copy + u'/'});

    const QString database = QDir(root).filePath(MirrorDatabase::fileName());
    const QDateTime written = QFileInfo(database).lastModified();
    QList<double> mirror, rsync;
    int writes = 0;
    for (int round = 0; round < 5; ++round) {
        timer.restart();
        writes += runMirror(folder, root, false);
        mirror << timer.nsecsElapsed() / 1e9;
        timer.restart();
        QProcess::execute(QStringLiteral("rsync"),
                          {QStringLiteral("-an"), QStringLiteral("--delete"), folder + u'/', copy + u'/'});
        rsync << timer.nsecsElapsed() / 1e9;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first run, %d files, encoder faked by a copy: %.2f s\n", files, first);
    std::printf("unchanged run: mirror %.3f s, rsync -an %.3f s, ratio %.2f (best of 5)\n",
                best(mirror), best(rsync), best(mirror) / best(rsync));
    std::printf("unchanged runs: %d writes, database %s\n", writes,
                QFileInfo(database).lastModified() == written ? "untouched" : "WRITTEN");
    std::printf("peak memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return writes == 0 ? 0 : 1;
}
