#include "mirrorsession.h"

#include "albumgain.h"
#include "filecopy.h"
#include "filesystemkind.h"
#include "imagetracks.h"
#include "latertags.h"
#include "mediafiles.h"
#include "mirrorroot.h"
#include "mounttable.h"
#include "outputdigest.h"
#include "spaceestimate.h"
#include "storedloudness.h"
#include "targetreservation.h"
#include "tagwriter.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using mirrorplan::Action;
using mirrorplan::Step;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString systemError(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString tr(const char *text)
{
    return QCoreApplication::translate("MirrorSession", text);
}

bool writesOutput(Action action)
{
    return action == Action::Convert || action == Action::Replace || action == Action::Copy;
}

bool converts(Action action)
{
    return action == Action::Convert || action == Action::Replace;
}

// A playlist's bytes, read without opening anything but a regular file
// (the walk's may have been swapped for a FIFO since) and at most one byte
// past what a playlist may hold.
std::optional<treewalk::Reason> readAtMost(const QString &path, qint64 limit, QByteArray *bytes)
{
    bool notRegular = false;
    const int fd = filecopy::openRegular(path, &notRegular);
    if (fd < 0)
        return notRegular      ? treewalk::Reason::NotRegular
               : errno == ELOOP ? treewalk::Reason::Link
                                : treewalk::Reason::Unreadable;
    struct stat st;
    std::optional<treewalk::Reason> why;
    if (::fstat(fd, &st) != 0) {
        why = treewalk::Reason::Unreadable;
    } else {
        bytes->resize(qsizetype(std::min<qint64>(st.st_size, limit) + 1));
        qsizetype got = 0;
        while (got < bytes->size()) {
            const ssize_t n = ::read(fd, bytes->data() + got, size_t(bytes->size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                why = treewalk::Reason::Unreadable;
            if (n <= 0)
                break;
            got += n;
        }
        bytes->truncate(got);
    }
    ::close(fd);
    return why;
}

// Album values as one text, to tell whether an output carries them.
QString albumText(const QMap<QString, QString> &values)
{
    QStringList lines;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        lines << it.key() + u'=' + it.value();
    return lines.join(u'\n');
}

} // namespace

MirrorSession::Seams MirrorSession::Seams::real()
{
    Seams seams;
    seams.fileSystemKind = filesystemkind::of;
    // The desktop's trash: for a file on another medium than the home
    // folder, the trash at that medium's top (.Trash-UID).
    seams.moveToTrash = [](const QString &path, QString *trashedAs) {
        return QFile::moveToTrash(path, trashedAs);
    };
    seams.freeSpace = [](const QString &root) {
        return spaceestimate::freeSpace(mounttable::nearestExisting(root));
    };
    return seams;
}

MirrorSession::MirrorSession(const QString &folder, const QString &root,
                             const mirrorplan::Settings &settings, Seams seams)
    : m_folder(QDir::cleanPath(folder))
    , m_root(QDir::cleanPath(root))
    , m_settings(settings)
    , m_seams(std::move(seams))
    , m_database(m_root)
{
}

void MirrorSession::giveBackRoom()
{
    if (!m_ballast.isEmpty())
        ::unlink(native(std::exchange(m_ballast, QString())).constData());
}

MirrorSession::~MirrorSession()
{
    QString error;
    record(&error);
    giveBackRoom();
}

void MirrorSession::takeRoomForRecords()
{
    // Room kept back on the medium for the database: a medium that fills
    // while files are written would otherwise leave no room to record them.
    constexpr int Room = 1 << 20;
    m_ballast = absolute(QStringLiteral(".tonewright-room"));
    const int fd = ::open(native(m_ballast).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    const QByteArray zeros(64 * 1024, '\0');
    bool whole = fd >= 0;
    for (int written = 0; whole && written < Room; written += int(zeros.size()))
        whole = ::write(fd, zeros.constData(), size_t(zeros.size())) == zeros.size();
    if (fd >= 0)
        ::close(fd);
    if (!whole) {
        ::unlink(native(m_ballast).constData());
        m_ballast.clear();
    }
}

QString MirrorSession::absolute(const QString &relative) const
{
    return m_root + u'/' + relative;
}

mirrorplan::FileState MirrorSession::state(const QString &relative) const
{
    struct stat st;
    if (::lstat(native(absolute(relative)).constData(), &st) != 0)
        return {};
    return {true, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool MirrorSession::lock(QString *error)
{
    switch (m_lock.take(m_root, error)) {
    case MirrorLock::Result::Taken:
        return true;
    case MirrorLock::Result::Busy:
        *error = mirrorroot::busyText(m_root);
        return false;
    case MirrorLock::Result::Failed:
        *error = tr("%1 cannot be used: %2").arg(m_root, *error);
        return false;
    }
    return false;
}

bool MirrorSession::prepare(const treewalk::Result &walk, QString *error)
{
    m_kind = m_seams.fileSystemKind(m_root);
    if (!m_database.load(error))
        return false;
    m_cut = imagetracks::cut(m_folder, walk, m_database.records(), m_settings.cueEncoding);
    const auto isGone = [this](const QString &relative) {
        struct stat st;
        return ::lstat(native(m_folder + u'/' + relative).constData(), &st) != 0 &&
               (errno == ENOENT || errno == ENOTDIR);
    };
    QSet<QString> whole; // images mirrored whole this time
    for (const treewalk::SourceFile &file : std::as_const(m_cut.walk.files))
        whole.insert(file.path);
    const auto sourceGone = [this, isGone, whole](const QString &relative) {
        // A track goes with its image, when its image's sheet, read this
        // time, no longer holds it, or when the image is mirrored whole
        // again (its sheet gone); an image's whole output goes once the
        // image is cut into tracks.
        const auto known = m_database.records().constFind(relative);
        if (known != m_database.records().cend() && imagetracks::isTrack(*known)) {
            const QString image = imagetracks::imageOf(relative);
            return m_cut.images.contains(image) ? !m_cut.requests.contains(relative)
                                                : whole.contains(image) || isGone(image);
        }
        return m_cut.images.contains(relative) || isGone(relative);
    };
    const auto sameContents = [this](const MirrorRecord &record) {
        return !record.outputDigest.isEmpty() &&
               outputdigest::of(absolute(record.output)) == record.outputDigest;
    };
    m_playlists.clear();
    m_plan = mirrorplan::plan(
        m_cut.walk, m_database.records(), m_settings, m_kind,
        [this](const QString &relative) { return state(relative); }, sourceGone, sameContents,
        [this](const QString &source, const QString &output, const auto &outputOf) {
            return readPlaylist(source, output, outputOf);
        });
    m_free = m_seams.freeSpace ? m_seams.freeSpace(m_root) : -1;
    if (m_settings.whatFits)
        spaceestimate::leaveWhatDoesNotFit(&m_plan, m_settings, m_free);
    if (m_settings.album)
        findAlbums();
    return true;
}

bool MirrorSession::lacksRoom(QString *sentence) const
{
    const qint64 needed = spaceestimate::needed(m_plan, m_settings);
    if (!spaceestimate::clearlyShort(needed, m_free))
        return false;
    *sentence = spaceestimate::shortText(m_root, needed, m_free, portablenames::isPortable(m_kind));
    return true;
}

mirrorplan::PlaylistReading
MirrorSession::readPlaylist(const QString &source, const QString &output,
                            const std::function<QString(const QString &)> &outputOf)
{
    QByteArray bytes;
    if (const auto why = readAtMost(m_folder + u'/' + source, playlist::MaxBytes, &bytes))
        return {QString(), *why};
    // Absolute entries name the folder as it was given or as it really is.
    QStringList roots{QFileInfo(m_folder).absoluteFilePath()};
    const QString canonical = QFileInfo(m_folder).canonicalFilePath();
    if (!canonical.isEmpty() && !roots.contains(canonical))
        roots << canonical;
    playlist::Rewritten rewritten = playlist::rewrite(bytes, source, output, roots, outputOf);
    switch (rewritten.problem) {
    case playlist::Problem::TooLarge:
        return {QString(), treewalk::Reason::PlaylistTooLarge};
    case playlist::Problem::NotText:
        return {QString(), treewalk::Reason::PlaylistNotText};
    case playlist::Problem::None:
        break;
    }
    const QByteArray digest =
        QCryptographicHash::hash(rewritten.text, QCryptographicHash::Sha1).toHex();
    m_playlists.insert(source, std::move(rewritten));
    return {QStringLiteral("playlist ") + QString::fromLatin1(digest)};
}

bool MirrorSession::start(QString *error)
{
    // Leftovers of a run cut short sit beside outputs recorded as being written.
    for (const MirrorRecord &r : m_database.records()) {
        if (r.pending || r.retag)
            ::unlink(native(absolute(mirrorplan::temporaryName(r.output, m_kind))).constData());
    }
    QList<MirrorRecord> records;
    QHash<QString, QByteArray> dropped; // measurements of outputs about to be replaced
    for (const Step &step : std::as_const(m_plan.steps)) {
        // A track of an album whose values may be rewritten is marked (see findAlbums()).
        const MirrorRecord known = m_database.records().value(step.record.source);
        const bool marked = step.action == Action::Leave && step.record.retag && !known.retag;
        // An output whose time moved but not its contents keeps its new time.
        const bool moved = step.action == Action::Leave &&
                           step.record.outputModified != known.outputModified;
        if (step.action == Action::Keep) {
            records.append(step.record);
            records.last().outputDigest = outputdigest::of(absolute(step.record.output));
        } else if (marked || moved) {
            records.append(step.record);
        }
        if (!writesOutput(step.action))
            continue;
        ::unlink(
            native(absolute(mirrorplan::temporaryName(step.record.output, m_kind))).constData());
        dropped.insert(step.record.source, {});
        // Until done, the record holds the output as it stands now.
        MirrorRecord r = step.record;
        r.outputSize = step.expectedSize;
        r.outputModified = step.expectedModified;
        r.pending = true;
        records.append(r);
    }
    m_sinceRecorded.start();
    if (std::any_of(m_plan.steps.cbegin(), m_plan.steps.cend(),
                    [](const Step &step) { return writesOutput(step.action); }))
        takeRoomForRecords();
    return m_database.write(records, error, dropped);
}

ConversionRequest MirrorSession::request(const Step &step) const
{
    const auto track = m_cut.requests.constFind(step.record.source);
    if (track != m_cut.requests.cend())
        return *track;
    ConversionRequest request;
    request.source = m_folder + u'/' + step.record.source;
    return request;
}

MirrorSession::Target MirrorSession::paths(const Step &step) const
{
    const auto track = m_cut.requests.constFind(step.record.source);
    return {track != m_cut.requests.cend() ? track->source : m_folder + u'/' + step.record.source,
            absolute(mirrorplan::temporaryName(step.record.output, m_kind)),
            absolute(step.record.output)};
}

bool MirrorSession::begin(const Step &step, Target *target, QString *error)
{
    *target = paths(step);
    // What a run cut short left at the temporary name is the mirror's own.
    ::unlink(native(target->temporary).constData());
    QStringList made;
    targetreservation::Reservation reservation =
        targetreservation::create(target->temporary, &made);
    const int why = errno;
    if (!adoptFolders(made, error))
        return false;
    if (!reservation.isValid()) {
        *error = tr("%1 cannot be written: %2").arg(target->temporary, systemError(why));
        return false;
    }
    reservation.keep();
    return true;
}

bool MirrorSession::adoptFolders(const QStringList &made, QString *error)
{
    const QString prefix = m_root + u'/';
    for (const QString &folder : made) {
        const QString clean = QDir::cleanPath(folder);
        if (clean.startsWith(prefix) && !m_database.addFolder(clean.mid(prefix.size()), error))
            return false;
    }
    return true;
}

bool MirrorSession::finish(const Step &step, bool ok, QString *error,
                           const std::optional<loudness::TrackLoudness> &measured, bool tagged)
{
    QStringList errors;
    const QString temporary = absolute(mirrorplan::temporaryName(step.record.output, m_kind));
    if (!ok)
        ::unlink(native(temporary).constData());
    if (!ok || !putInPlace(step, error)) {
        trackEnded(step, nullptr, &errors);
        return !ok;
    }
    MirrorRecord done = step.record;
    const mirrorplan::FileState written = state(step.record.output);
    done.outputSize = written.size;
    done.outputModified = written.modified;
    done.outputDigest = outputdigest::of(absolute(step.record.output));
    done.pending = false;
    done.album.clear(); // what the source carried, if anything
    if (!tagged)
        done.recipe.clear();
    m_unrecorded.append(done);
    m_unrecordedLoudness.insert(done.source,
                                measured ? storedloudness::pack(*measured) : QByteArray());
    ++m_converted;
    trackEnded(step, &done, &errors);
    QString recordError;
    if (!(m_sinceRecorded.isValid() && m_sinceRecorded.elapsed() < 1000) && !record(&recordError))
        errors.prepend(recordError);
    if (!errors.isEmpty())
        *error = errors.join(u'\n');
    return errors.isEmpty();
}

bool MirrorSession::putInPlace(const Step &step, QString *error)
{
    const QString temporary = absolute(mirrorplan::temporaryName(step.record.output, m_kind));
    const QByteArray from = native(temporary);
    const QString output = absolute(step.record.output);
    const QByteArray to = native(output);
    const auto refuse = [&](const QString &why) {
        ::unlink(from.constData());
        *error = why;
        return false;
    };
    QString why;
    if (!filecopy::flush(temporary, &why))
        return refuse(tr("%1 cannot be written: %2").arg(temporary, why));

    const mirrorplan::FileState now = state(step.record.output);
    if (step.expectedSize < 0) {
        // The name was free when planned: take it only while it still is.
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) !=
            0) {
            if (errno == EEXIST)
                return refuse(tr("%1 appeared meanwhile and was left alone.").arg(output));
            if (errno != EINVAL && errno != ENOSYS)
                return refuse(tr("%1 cannot be written: %2").arg(output, systemError()));
            // A file system without that kind of rename.
            if (now.exists)
                return refuse(tr("%1 appeared meanwhile and was left alone.").arg(output));
            if (::rename(from.constData(), to.constData()) != 0)
                return refuse(tr("%1 cannot be written: %2").arg(output, systemError()));
        }
    } else {
        if (now.exists && (now.size != step.expectedSize || now.modified != step.expectedModified))
            return refuse(tr("%1 was changed meanwhile and was left alone.").arg(output));
        if (::rename(from.constData(), to.constData()) != 0)
            return refuse(tr("%1 cannot be written: %2").arg(output, systemError()));
    }
    return true;
}

bool MirrorSession::record(QString *error)
{
    if (!m_database.write(m_unrecorded, error, m_unrecordedLoudness)) {
        // Full, most likely: the room kept back goes, and the records with it.
        const QString ballast = std::exchange(m_ballast, QString());
        if (ballast.isEmpty() || ::unlink(native(ballast).constData()) != 0 ||
            !m_database.write(m_unrecorded, error, m_unrecordedLoudness))
            return false;
    }
    m_unrecorded.clear();
    m_unrecordedLoudness.clear();
    m_sinceRecorded.start();
    return true;
}

bool MirrorSession::copy(const Step &step, QString *error)
{
    if (mediafiles::isPlaylist(step.record.source))
        return writePlaylist(step, error);
    Target target;
    if (!begin(step, &target, error))
        return false;
    QString why;
    if (!filecopy::copy(target.source, target.temporary, false, &why)) {
        finish(step, false, error);
        *error = tr("%1 cannot be copied: %2").arg(target.source, why);
        return false;
    }
    return finish(step, true, error);
}

bool MirrorSession::writePlaylist(const Step &step, QString *error)
{
    Target target;
    if (!begin(step, &target, error))
        return false;
    QFile file(target.temporary);
    const QByteArray &text = m_playlists.value(step.record.source).text;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        const QString why = file.errorString();
        file.close();
        finish(step, false, error);
        *error = tr("%1 cannot be written: %2").arg(target.temporary, why);
        return false;
    }
    file.close();
    return finish(step, true, error);
}

void MirrorSession::removeEmptyFolders(QString folder, QStringList *errors)
{
    while (!folder.isEmpty() && m_database.folders().contains(folder)) {
        if (::rmdir(native(absolute(folder)).constData()) != 0)
            return; // not empty, or not ours to judge
        QString error;
        if (!m_database.removeFolder(folder, &error)) {
            errors->append(error);
            return;
        }
        folder = folder.section(u'/', 0, -2);
    }
}

int MirrorSession::trash(QStringList *errors)
{
    QString recordError;
    if (!record(&recordError))
        errors->append(recordError);
    QStringList forgotten;
    QStringList emptied;
    const QString point = mounttable::mountOf(m_root).point;
    const QString medium = point == u"/" ? QString() : point;
    for (const Step &step : std::as_const(m_plan.steps)) {
        if (step.action == Action::Forget) {
            forgotten << step.record.source;
            emptied << step.record.output.section(u'/', 0, -2);
            continue;
        }
        if (step.action != Action::Trash)
            continue;
        const QString output = absolute(step.record.output);
        const mirrorplan::FileState now = state(step.record.output);
        if (!now.exists) {
            forgotten << step.record.source;
        } else if (now.size != step.expectedSize || now.modified != step.expectedModified) {
            errors->append(tr("%1 was changed meanwhile and was left alone.").arg(output));
            continue;
        } else if (QString trashedAs; !m_seams.moveToTrash(output, &trashedAs)) {
            errors->append(tr("%1 cannot be moved to the trash.").arg(output));
            continue;
        } else {
            forgotten << step.record.source;
            ++m_trashed;
            if (trashedAs.startsWith(medium + QStringLiteral("/.Trash")))
                m_mediumTrash = trashedAs.section(u'/', 0, -3);
        }
        emptied << step.record.output.section(u'/', 0, -2);
    }
    QString error;
    if (!m_database.forget(forgotten, &error))
        errors->append(error);
    // Deepest first, so that a parent is looked at once its children are gone.
    std::sort(emptied.begin(), emptied.end(),
              [](const QString &a, const QString &b) { return a.count(u'/') > b.count(u'/'); });
    for (const QString &folder : std::as_const(emptied))
        removeEmptyFolders(folder, errors);
    return m_trashed;
}

void MirrorSession::findAlbums()
{
    const qsizetype walked = m_plan.walked;
    // The plan holds the walked sources first; of the others only those
    // still there (Leave) are tracks.
    const auto isTrack = [walked](int index, const Step &step) {
        return mediafiles::isMedia(step.record.source) &&
               (index < walked || step.action == Action::Leave);
    };
    QSet<QString> changed;
    for (int index = 0; index < int(m_plan.steps.size()); ++index) {
        const Step &step = m_plan.steps.at(index);
        if (!mediafiles::isMedia(step.record.source))
            continue;
        if (!isTrack(index, step) || step.record.retag ||
            (step.action != Action::Leave && step.action != Action::LeaveEdited))
            changed.insert(albumgain::albumOf(step.record.source));
    }
    if (changed.isEmpty())
        return;
    for (int index = 0; index < int(m_plan.steps.size()); ++index) {
        const Step &step = m_plan.steps.at(index);
        const QString folder = albumgain::albumOf(step.record.source);
        if (!isTrack(index, step) || !changed.contains(folder))
            continue;
        m_albums[folder] << index;
        // A track left for later keeps its album open until a run converts it.
        if (converts(step.action) || step.action == Action::Later)
            m_converting.expect(folder);
    }
    for (const QList<int> &tracks : std::as_const(m_albums)) {
        const bool copies = std::any_of(tracks.cbegin(), tracks.cend(), [this](int i) {
            return mirrorplan::isCopy(m_plan.steps.at(i).record);
        });
        if (copies || !albumgain::takesValues(tracks.size()))
            continue; // no values: only marks left by a run cut short are cleared
        // Marked until its values are written: the output may be rewritten.
        for (int index : tracks) {
            if (m_plan.steps.at(index).action != Action::LeaveEdited)
                m_plan.steps[index].record.retag = true;
        }
    }
}

void MirrorSession::trackEnded(const Step &step, const MirrorRecord *written, QStringList *errors)
{
    if (!converts(step.action))
        return;
    const QString folder = albumgain::albumOf(step.record.source);
    if (!m_albums.contains(folder))
        return;
    if (written)
        m_written.insert(step.record.source, *written);
    const albumgain::Tally::Album album = m_converting.ended(folder, written != nullptr);
    if (album != albumgain::Tally::Album::Open)
        writeAlbum(folder, album == albumgain::Tally::Album::Whole, errors);
}

void MirrorSession::finishAlbums(QStringList *errors)
{
    const QStringList folders = m_albums.keys();
    for (const QString &folder : folders) {
        if (!m_converting.contains(folder))
            writeAlbum(folder, true, errors);
    }
}

void MirrorSession::writeAlbum(const QString &folder, bool whole, QStringList *errors)
{
    const QList<int> steps = m_albums.take(folder);
    QList<MirrorRecord> tracks; // as they stand now
    for (int index : steps) {
        const MirrorRecord &planned = m_plan.steps.at(index).record;
        tracks << m_written.take(planned.source);
        if (tracks.last().source.isEmpty())
            tracks.last() = planned;
    }
    if (!whole) {
        // Its marks stay: the next run converts the track and takes the album up again.
        errors->append(tr("%1: no album values yet, as not every track was converted.")
                           .arg(folder.isEmpty() ? QStringLiteral(".") : folder));
        return;
    }

    // From what is kept for every track alike, converted now or before.
    bool computable = albumgain::takesValues(tracks.size()) && tags::canWrite(m_settings.format);
    QList<loudness::TrackLoudness> measured;
    for (qsizetype i = 0; computable && i < tracks.size(); ++i) {
        const QString &source = tracks.at(i).source;
        const auto unrecorded = m_unrecordedLoudness.constFind(source);
        const std::optional<loudness::TrackLoudness> kept = storedloudness::unpack(
            unrecorded != m_unrecordedLoudness.cend() ? *unrecorded : m_database.loudness(source));
        computable = kept.has_value();
        if (kept)
            measured << *kept;
    }
    const QMap<QString, QString> values =
        computable ? loudness::albumTags(measured, m_settings.format) : QMap<QString, QString>();
    const QString text = albumText(values);
    for (qsizetype i = 0; i < tracks.size(); ++i) {
        MirrorRecord &track = tracks[i];
        if (m_plan.steps.at(steps.at(i)).action == Action::LeaveEdited)
            continue;
        if (!values.isEmpty() && track.album != text) {
            QString error;
            if (!rewrite(&track, values, text, &error))
                errors->append(error);
        } else if (!track.retag) {
            continue;
        }
        track.retag = false;
        m_unrecorded << track;
    }
}

bool MirrorSession::rewrite(MirrorRecord *record, const QMap<QString, QString> &values,
                            const QString &text, QString *error)
{
    const QString temporary = absolute(mirrorplan::temporaryName(record->output, m_kind));
    // What a run cut short left at the temporary name is the mirror's own.
    ::unlink(native(temporary).constData());
    const auto unchanged = [&] {
        const mirrorplan::FileState now = state(record->output);
        return now.exists && now.size == record->outputSize &&
               now.modified == record->outputModified;
    };
    if (!albumgain::rewrite(absolute(record->output), temporary, m_settings.format,
                            tags::singleValues(values), unchanged, error))
        return false;
    const mirrorplan::FileState written = state(record->output);
    record->outputSize = written.size;
    record->outputModified = written.modified;
    record->outputDigest = outputdigest::of(absolute(record->output));
    record->album = text;
    return true;
}

QString MirrorSession::summary() const
{
    const QString upToDate =
        mirrorroot::upToDateText(m_root, m_converted, m_trashed, m_plan.unchanged());
    if (m_mediumTrash.isEmpty())
        return upToDate;
    return upToDate + u' ' +
           tr("What went to the trash is in %1 on the same disk: it frees no room there "
              "until that trash is emptied.")
               .arg(m_mediumTrash);
}
