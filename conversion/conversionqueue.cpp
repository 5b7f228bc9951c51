#include "conversionqueue.h"

#include "cdtrack.h"
#include "latertags.h"
#include "loudness.h"
#include "sourcenames.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString albumOf(const ConversionRequest &request)
{
    return albumgain::albumOf(QFileInfo(request.source).absoluteFilePath());
}

} // namespace

ConversionQueue::ConversionQueue(const QList<ConversionRequest> &requests, const Services &services,
                                 ReportSink *reports, QObject *parent)
    : QObject(parent)
    , m_requests(requests)
    // A selection is converted with the settings it started with.
    , m_services(withSettingsReadOnce(services))
    , m_reports(reports)
    , m_files(requests.size())
{
    // The files are selected now: each is later converted only if it is
    // still the very file that was selected.
    m_sources.reserve(size_t(requests.size()));
    m_selection.resize(size_t(requests.size()));
    for (qsizetype index = 0; index < requests.size(); ++index) {
        const QString &source = requests[index].source;
        m_sources.push_back(cdtrack::isCdTrack(source)
                                ? heldsource::HeldSource()
                                : heldsource::select(source, &m_selection[size_t(index)]));
    }
    // A single file gets track values only.
    if (requests.size() < 2)
        return;
    QHash<QString, int> albums;
    for (const ConversionRequest &request : requests) {
        if (ConversionJob::replayGain(request, services) == ReplayGain::Album)
            ++albums[albumOf(request)];
    }
    for (auto it = albums.cbegin(); it != albums.cend(); ++it) {
        if (albumgain::takesValues(it.value())) {
            for (int track = 0; track < it.value(); ++track)
                m_albums.expect(it.key());
        }
    }
}

ConversionQueue::~ConversionQueue()
{
    // Jobs still running take their files back as they go.
    for (File &file : m_files)
        delete std::exchange(file.job, nullptr);
}

void ConversionQueue::start()
{
    // The first files take their first step in the event loop's first turn:
    // a window shown meanwhile paints while their encoders start, not before.
    QMetaObject::invokeMethod(this, &ConversionQueue::startNow, Qt::QueuedConnection);
}

void ConversionQueue::startNow()
{
    m_clock.start();
    fillSlots(true);
    checkFinished();
}

void ConversionQueue::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_question = Question::None;
    // An album cut short is not measured whole.
    m_albums.clear();
    m_albumTracks.clear();
    for (int index = 0; index < int(m_files.size()); ++index) {
        if (ConversionJob *job = m_files[index].job)
            job->stop(); // ends it as skipped, see jobEnded()
    }
    skipWaiting();
    emit changed();
    checkFinished();
}

void ConversionQueue::skipWaiting()
{
    for (; m_next < int(m_files.size()); ++m_next) {
        m_files[m_next].state = State::Skipped;
        ++m_skipped;
        countEnded(m_next);
    }
}

void ConversionQueue::fillSlots(bool now)
{
    // As many files at once as there are slots: one more would only wait
    // for a slot with its target already reserved.
    const int slotCount = qMax(1, m_services.encoderSlotCount);
    while (!m_stopped && m_running < slotCount && m_next < int(m_files.size()))
        startFile(m_next++, now);
}

void ConversionQueue::startFile(int index, bool now)
{
    const ConversionRequest &request = m_requests[index];
    auto *job = new ConversionJob(request, m_services, m_reports, this);
    job->holdSource(std::move(m_sources[size_t(index)]), m_selection[size_t(index)]);
    File &file = m_files[index];
    file.job = job;
    file.state = State::Running;
    ++m_running;
    m_runningOrder << index;
    connect(job, &ConversionJob::progressed, this, [this, index, job] {
        learnDuration(index, job->duration());
        emit changed();
    });
    connect(job, &ConversionJob::ended, this,
            [this, index](const ConversionEnd &end) { jobEnded(index, end); });
    connect(job, &ConversionJob::directoryWanted, this,
            [this, job](ConversionJob::Question question) {
                if (question == ConversionJob::Question::TargetDirectory)
                    askTargetDirectory(*job);
                else
                    askAnotherDirectory(*job);
            });
    emit fileStarted(job);
    // A file started as another ends waits for the event loop, so that a
    // long run of files that fail at once never nests their ends.
    if (now)
        job->startNow();
    else
        job->start();
    emit changed();
}

void ConversionQueue::jobEnded(int index, const ConversionEnd &end)
{
    File &file = m_files[index];
    ConversionJob *job = std::exchange(file.job, nullptr);
    m_waitingForTarget.removeAll(job);
    m_waitingForAnother.removeAll(job);
    job->deleteLater();
    albumFileEnded(index, end);
    --m_running;
    m_runningOrder.removeOne(index);
    file.end = end;
    switch (end.outcome) {
    case ConversionEnd::Outcome::Converted:
        file.state = State::Converted;
        ++m_converted;
        break;
    case ConversionEnd::Outcome::Failed:
        fail(index, end.failure);
        // A full medium takes no more, nor does one that went away: the
        // files waiting are skipped, those running end as they can.
        if (end.failure == ConversionEnd::Failure::MediumFull ||
            end.failure == ConversionEnd::Failure::MediumGone)
            skipWaiting();
        break;
    case ConversionEnd::Outcome::Stopped:
        file.state = State::Skipped;
        ++m_skipped;
        break;
    }
    countEnded(index);
    if (end.outcome != ConversionEnd::Outcome::Stopped)
        emit fileEnded(index);
    fillSlots();
    emit changed();
    checkFinished();
}

void ConversionQueue::albumFileEnded(int index, const ConversionEnd &end)
{
    const QString album = albumOf(m_requests[index]);
    if (!m_albums.contains(album))
        return;
    const bool converted = end.outcome == ConversionEnd::Outcome::Converted && end.loudness;
    if (converted)
        m_albumTracks[album] << AlbumTrack{end.target, m_requests[index].format,
                                           end.targetIdentity, *end.loudness};
    const albumgain::Tally::Album ended = m_albums.ended(album, converted);
    if (ended == albumgain::Tally::Album::Open)
        return;
    const QList<AlbumTrack> tracks = m_albumTracks.take(album);
    if (ended == albumgain::Tally::Album::Incomplete) {
        m_albumsWithoutValues << album;
        return;
    }
    // Measured and written away from the event loop, to the files converted
    // here only, each while it is still the very file written.
    ++m_albumWrites;
    m_albumWriter.post([this, album, tracks] {
        QList<loudness::TrackLoudness> measured;
        for (const AlbumTrack &track : tracks)
            measured << track.loudness;
        QHash<QString, tags::TagMap> values; // by format: Opus has its own
        bool written = true;
        for (const AlbumTrack &track : tracks) {
            auto found = values.constFind(track.format);
            if (found == values.constEnd())
                found = values.insert(track.format, tags::singleValues(loudness::albumTags(
                                                        measured, track.format)));
            if (found->isEmpty())
                continue;
            const auto unchanged = [&track] {
                return track.identity.isValid() && tags::identityAt(track.target) == track.identity;
            };
            QString error;
            if (!albumgain::rewrite(track.target, albumgain::temporaryBeside(track.target),
                                    track.format, *found, unchanged, &error)) {
                qWarning("%s", qUtf8Printable(error));
                written = false;
            }
        }
        QMetaObject::invokeMethod(
            this, [this, album, written] { albumWritten(album, written); }, Qt::QueuedConnection);
    });
}

void ConversionQueue::albumWritten(const QString &album, bool written)
{
    --m_albumWrites;
    if (!written)
        m_albumsWithoutValues << album;
    emit changed();
    checkFinished();
}

void ConversionQueue::fail(int index, ConversionEnd::Failure kind)
{
    m_files[index].state = State::Failed;
    m_files[index].end.outcome = ConversionEnd::Outcome::Failed;
    m_files[index].end.failure = kind;
    const auto after = std::upper_bound(
        m_failures.begin(), m_failures.end(), index,
        [](int position, const Failure &failure) { return position < failure.position; });
    // A track is told by its name, in the image's folder.
    const ConversionRequest &request = m_requests[index];
    const QString failed = request.track ? QFileInfo(request.source).dir().filePath(request.track->name)
                                         : request.source;
    m_failures.insert(after, Failure{index, failed, kind});
}

void ConversionQueue::checkFinished()
{
    if (isFinished() && !std::exchange(m_finishedSent, true))
        emit finished();
}

QStringList ConversionQueue::running() const
{
    QStringList names;
    for (int index : m_runningOrder)
        names << sourcenames::shownName(m_requests[index]);
    return names;
}

void ConversionQueue::learnDuration(int index, qint32 duration)
{
    File &file = m_files[index];
    if (file.duration > 0 || duration <= 0)
        return;
    file.duration = duration;
    m_knownLength += duration;
    ++m_knownCount;
}

void ConversionQueue::countEnded(int index)
{
    const qint32 duration = m_files[index].duration;
    if (duration > 0)
        m_endedKnownLength += duration;
    else
        ++m_endedUnknown;
}

double ConversionQueue::progress() const
{
    // Sums kept as files start and end: a selection of ten thousand files
    // costs no more per update than one of ten.
    const double unknownWeight = m_knownCount > 0 ? double(m_knownLength) / m_knownCount : 1.0;
    const double total =
        double(m_knownLength) + (int(m_files.size()) - m_knownCount) * unknownWeight;
    double done = double(m_endedKnownLength) + m_endedUnknown * unknownWeight;
    for (int index : m_runningOrder) {
        const File &file = m_files[index];
        const ProgressUpdate &update = file.job->progress();
        if (update.percentValid) {
            const double weight = file.duration > 0 ? double(file.duration) : unknownWeight;
            done += weight * qBound(0, update.percent, 100) / 100.0;
        }
    }
    return total > 0 ? qMin(1.0, done / total) : 1.0;
}

std::optional<qint64> ConversionQueue::remainingMs() const
{
    const double done = progress();
    if (done < 0.01 || !m_clock.isValid())
        return std::nullopt;
    return qint64(double(m_clock.elapsed()) * (1.0 - done) / done);
}

void ConversionQueue::answerDirectory(const QString &directory)
{
    const Question question = std::exchange(m_question, Question::None);
    if (question == Question::TargetDirectory) {
        if (!directory.isEmpty() && QFileInfo(directory).isDir())
            m_targetDirectory = directory;
        // An unusable answer makes every job ask again, and so the person once.
        for (ConversionJob *job : std::exchange(m_waitingForTarget, {}))
            job->answerDirectory(directory);
    } else if (question == Question::AnotherDirectory) {
        for (ConversionJob *job : std::exchange(m_waitingForAnother, {})) {
            m_replacements.insert(job->directory(), directory);
            job->answerDirectory(directory);
        }
    }
    askNext();
}

void ConversionQueue::declineQuestions()
{
    m_declined = true;
    m_question = Question::None;
    for (ConversionJob *job : std::exchange(m_waitingForTarget, {}))
        job->decline();
    for (ConversionJob *job : std::exchange(m_waitingForAnother, {}))
        job->decline();
}

std::optional<ConversionJob::Question> ConversionQueue::openQuestion() const
{
    switch (m_question) {
    case Question::TargetDirectory:
        return ConversionJob::Question::TargetDirectory;
    case Question::AnotherDirectory:
        return ConversionJob::Question::AnotherDirectory;
    case Question::None:
        break;
    }
    return std::nullopt;
}

ConversionJob *ConversionQueue::onlyJob() const
{
    return m_files.size() == 1 ? m_files.first().job : nullptr;
}

void ConversionQueue::askTargetDirectory(ConversionJob &job)
{
    if (m_declined) {
        job.decline();
        return;
    }
    if (m_targetDirectory && QFileInfo(*m_targetDirectory).isDir()) {
        job.answerDirectory(*m_targetDirectory);
        return;
    }
    m_targetDirectory.reset();
    m_waitingForTarget << &job;
    askNext();
}

void ConversionQueue::askAnotherDirectory(ConversionJob &job)
{
    // The folder chosen for another file of the same folder will do, unless
    // it is the very folder that now failed.
    const QString tried = job.directory();
    const auto replacement = m_replacements.constFind(tried);
    if (replacement != m_replacements.constEnd() && *replacement != tried) {
        job.answerDirectory(*replacement);
        return;
    }
    if (m_declined) {
        job.decline();
        return;
    }
    m_waitingForAnother << &job;
    askNext();
}

void ConversionQueue::askNext()
{
    if (m_question != Question::None || m_stopped)
        return;
    if (!m_waitingForTarget.isEmpty()) {
        m_question = Question::TargetDirectory;
        emit directoryWanted(ConversionJob::Question::TargetDirectory, QString());
    } else if (!m_waitingForAnother.isEmpty()) {
        m_question = Question::AnotherDirectory;
        emit directoryWanted(ConversionJob::Question::AnotherDirectory,
                             m_waitingForAnother.first()->directory());
    }
}
