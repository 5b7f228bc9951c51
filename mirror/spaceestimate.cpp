#include "spaceestimate.h"

#include "mediafiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <sys/statvfs.h>

namespace spaceestimate {

namespace {

using mirrorplan::Action;

// CD audio: 44.1 kHz, two channels of 16 bits.
constexpr double PcmBytesPerSecond = 176400;
// What FLAC, Monkey's Audio, WavPack and the like make of it, about.
constexpr double LosslessShare = 0.6;

QStringList words(const char *list)
{
    return QString::fromLatin1(list).split(u' ');
}

// Bytes a second a source of this extension is taken to hold, all told:
// the duration is its size over that. A lossy file is taken at 192 kbit/s.
// A video is taken at 2 Mbit/s with its sound in it (DV at its fixed
// 3.6 MB/s): a film's audio is then a tenth of the file or less, and what
// a conversion makes of it is that duration at the run's rate.
double sourceBytesPerSecond(const QString &extension)
{
    static const QStringList pcm = words("wav aiff aif aifc aiffc au snd voc");
    static const QStringList lossless = words("flac ape wv wvp tta");
    static const QStringList video =
        words("mp4 m4v f4v mkv webm avi divx mov qt mpg mpeg mpe vob ts m2ts mts m2t ogv ogm "
              "3gp 3gpp 3g2 3gp2 3gpp2 flv wmv");
    if (pcm.contains(extension))
        return PcmBytesPerSecond;
    if (lossless.contains(extension))
        return PcmBytesPerSecond * LosslessShare;
    if (extension == u"dv")
        return 3600000;
    if (video.contains(extension))
        return 2000000 / 8.0;
    return 192000 / 8.0;
}

bool writes(Action action)
{
    return action == Action::Convert || action == Action::Replace || action == Action::Copy;
}

// The size of the step's new output.
qint64 written(const mirrorplan::Step &step, const mirrorplan::Settings &settings)
{
    const MirrorRecord &record = step.record;
    return mirrorplan::isCopy(record) ? record.sourceSize
                                      : outputSize(record.source, record.sourceSize, settings);
}

} // namespace

qint64 outputSize(const QString &source, qint64 size, const mirrorplan::Settings &settings)
{
    const double seconds = size / sourceBytesPerSecond(mediafiles::extension(source));
    if (settings.format == u"wav")
        return qint64(seconds * PcmBytesPerSecond);
    if (settings.format == u"flac")
        return qint64(seconds * PcmBytesPerSecond * LosslessShare);
    return qint64(seconds * settings.bitrate * 1000 / 8);
}

qint64 added(const mirrorplan::Step &step, const mirrorplan::Settings &settings)
{
    if (!writes(step.action))
        return 0;
    // The output it replaces, as the plan found it (-1: the name is free).
    return written(step, settings) - qMax<qint64>(step.expectedSize, 0);
}

qint64 needed(const mirrorplan::Plan &plan, const mirrorplan::Settings &settings)
{
    qint64 total = 0;
    for (const mirrorplan::Step &step : plan.steps)
        total += added(step, settings);
    return total;
}

bool clearlyShort(qint64 needed, qint64 free)
{
    // The guess can be a fifth too high for a library encoded above 192
    // kbit/s or sparse in sound: only an estimate that still would not fit
    // at 0.8 of itself refuses the run. The outputs of gone sources go to
    // the trash only at the end and are not counted as room.
    return free >= 0 && needed * 4 > free * 5;
}

int leaveWhatDoesNotFit(mirrorplan::Plan *plan, const mirrorplan::Settings &settings, qint64 free)
{
    if (free < 0)
        return 0;
    // Filled up to the estimate itself, less room for the largest output
    // once more: a file is written beside the one it replaces, and its tags
    // may be written into a copy. A file that does not fit after all stops
    // the run as a full medium does, losing nothing.
    qint64 total = 0;
    qint64 largest = 0;
    int left = 0;
    for (mirrorplan::Step &step : plan->steps) {
        if (!writes(step.action))
            continue;
        const qint64 after = total + added(step, settings);
        const qint64 peak = qMax(largest, written(step, settings));
        if (left == 0 && after + peak <= free) {
            total = after;
            largest = peak;
            continue;
        }
        step.action = Action::Later;
        ++left;
    }
    return left;
}

qint64 freeSpace(const QString &path)
{
    struct statvfs fs;
    // A FUSE driver without its own statfs (fusefat) answers with a file
    // system of no blocks at all: that says nothing of the room.
    if (::statvfs(QFile::encodeName(path).constData(), &fs) != 0 || fs.f_blocks == 0)
        return -1;
    return qint64(fs.f_bavail) * qint64(fs.f_frsize);
}

QString shortText(const QString &root, qint64 needed, qint64 free, bool portable)
{
    const QLocale locale;
    const QString name = QFileInfo(root).fileName();
    const QString need = locale.formattedDataSize(needed, 1, QLocale::DataSizeSIFormat);
    const QString have = locale.formattedDataSize(free, 1, QLocale::DataSizeSIFormat);
    return portable
               ? QCoreApplication::translate("mirror", "%1 needs about %2; the stick has %3 free.")
                     .arg(name, need, have)
               : QCoreApplication::translate("mirror", "%1 needs about %2; the disk has %3 free.")
                     .arg(name, need, have);
}

} // namespace spaceestimate
