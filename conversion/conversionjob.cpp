#include "conversionjob.h"

#include "cdtrack.h"
#include "childprocess.h"
#include "encoderarguments.h"
#include "encodercontract.h"
#include "encoderslot.h"
#include "nativepath.h"
#include "reportsink.h"
#include "settings.h"
#include "sourcenames.h"
#include "tagreader.h"
#include "tagwriter.h"
#include "targetreservation.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <unistd.h>

namespace {

// The prober reads only the source's headers and is done in a tenth of a
// second; one that takes longer than this is given up.
constexpr int SourceProbeWaitMs = 3000;

// Child processes read nothing from us, and what they write to standard
// output, unless we read it, goes nowhere instead of filling a pipe.
QProcess *quietProcess(QObject *parent)
{
    auto *process = new QProcess(parent);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    return process;
}

// A process we no longer need is killed and left to end on its own: its
// object goes once the process has ended, so nothing waits for it here and
// no process object is destroyed while its process still runs.
void reap(QProcess *process)
{
    if (!process)
        return;
    process->disconnect();
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    process->setParent(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
}

} // namespace

ConversionJob::ConversionJob(const ConversionRequest &request, const Services &services,
                             ReportSink *reports, QObject *parent)
    : QObject(parent)
    , m_request(request)
    , m_services(services)
    , m_reports(reports)
{
    // A CD track is read by the extractor, by its drive and number.
    if (!cdtrack::isCdTrack(request.source))
        m_source = heldsource::select(request.source, &m_selectionFailure);
}

void ConversionJob::holdSource(heldsource::HeldSource source, heldsource::Failure selectionFailure)
{
    m_source = std::move(source);
    m_selectionFailure = selectionFailure;
}

ConversionJob::~ConversionJob()
{
    if (!hasEnded())
        tidyUp(false);
}

ReplayGain ConversionJob::replayGain(const ConversionRequest &request,
                                               const Services &services)
{
    if (request.options.replayGain)
        return *request.options.replayGain;
    return settings::replayGainFromText(
        services.readSetting(QLatin1String(settings::ReplayGainKey)));
}

ConversionJob::Stage ConversionJob::stage() const
{
    return m_shownStage;
}

void ConversionJob::start()
{
    QMetaObject::invokeMethod(this, &ConversionJob::readSettings, Qt::QueuedConnection);
}

void ConversionJob::startNow()
{
    readSettings();
}

void ConversionJob::stop()
{
    if (hasEnded())
        return;
    tidyUp(false);
    finish(ConversionEnd());
}

void ConversionJob::enter(State state)
{
    if (hasEnded())
        return;
    m_state = state;
    Stage stage = m_shownStage;
    switch (state) {
    case State::Extracting:
        stage = Stage::Extracting;
        break;
    case State::WaitingForSlot:
        stage = Stage::WaitingForSlot;
        break;
    case State::Encoding:
        stage = Stage::Encoding;
        break;
    case State::Ended:
        stage = Stage::Ended;
        break;
    default:
        break;
    }
    if (stage == m_shownStage)
        return;
    m_shownStage = stage;
    if (stage != Stage::Ended)
        emit stageChanged(stage);
}

void ConversionJob::answerDirectory(const QString &directory)
{
    if (m_state != State::ChoosingFolder)
        return;
    const Question question = m_question;
    m_state = State::Reserving; // one answer per question
    // Taken on the event loop, never inside the caller's own call.
    QMetaObject::invokeMethod(
        this,
        [this, question, directory] {
            if (hasEnded())
                return;
            // Under "ask" only an existing folder will do: a cancelled
            // chooser comes again.
            if (question == Question::TargetDirectory &&
                (directory.isEmpty() || !QFileInfo(directory).isDir())) {
                askFor(question);
                return;
            }
            m_directory = directory;
            reserveTarget();
        },
        Qt::QueuedConnection);
}

void ConversionJob::askFor(Question question)
{
    m_question = question;
    enter(State::ChoosingFolder);
    emit directoryWanted(question);
}

void ConversionJob::decline()
{
    if (m_state != State::ChoosingFolder)
        return;
    fail(m_question == Question::TargetDirectory ? ConversionEnd::Failure::FolderNotChosen
                                                 : ConversionEnd::Failure::FolderNotWritable);
}

void ConversionJob::readSettings()
{
    if (hasEnded() || !openSource())
        return;
    m_bitrate =
        settings::bitrateFromText(m_services.readSetting(QLatin1String(settings::BitrateKey)));
    m_sendReports =
        settings::sendReportsFromText(m_services.readSetting(QLatin1String(settings::SendStatKey)));
    if (!m_request.target.isEmpty()) {
        m_directory = QFileInfo(m_request.target).absolutePath();
        reserveTarget();
        return;
    }
    const QString stored = m_services.readSetting(QLatin1String(settings::TargetDirKey));
    switch (settings::targetRuleFromText(stored)) {
    case settings::TargetRule::Directory:
        m_directory = stored;
        break;
    case settings::TargetRule::Ask:
        askFor(Question::TargetDirectory);
        return;
    case settings::TargetRule::SameAsSource:
        m_directory = QFileInfo(m_request.source).absolutePath();
        break;
    }
    reserveTarget();
}

void ConversionJob::reserveTarget()
{
    enter(State::Reserving);
    // A cancelled chooser names no directory; the question comes again
    // rather than writing into the root of the file system.
    targetreservation::Failure failure = targetreservation::Failure::NotWritable;
    if (!m_request.target.isEmpty()) {
        // The caller's name, in the caller's folder: another folder would
        // not be what was asked for.
        m_reservation = targetreservation::create(m_request.target, &m_madeFolders, &failure);
        if (!m_reservation.isValid()) {
            fail(failure == targetreservation::Failure::NameTooLong
                     ? ConversionEnd::Failure::NameTooLong
                     : ConversionEnd::Failure::FolderNotWritable);
            return;
        }
    } else if (!m_directory.isEmpty()) {
        m_reservation = targetreservation::reserve(nativepath::withTrailingSeparator(m_directory),
                                                   m_request.track ? m_request.track->name
                                                                   : sourcenames::baseName(m_request.source),
                                                   m_request.format, &failure);
    }
    // A name no folder can hold: another folder would not help, and asking
    // for one would never end.
    if (failure == targetreservation::Failure::NameTooLong) {
        fail(ConversionEnd::Failure::NameTooLong);
        return;
    }
    if (!m_reservation.isValid()) {
        askFor(Question::AnotherDirectory);
        return;
    }
    m_target = m_reservation.path();
    emit targetReserved(m_target);
    if (hasEnded())
        return;
    if (cdtrack::isCdTrack(m_request.source))
        extractTrack();
    else
        useInput(m_request.source);
}

void ConversionJob::extractTrack()
{
    const QString extractor = m_services.locateTool(encodercontract::extractorName());
    if (!QFileInfo(extractor).isFile()) {
        fail(ConversionEnd::Failure::ExtractorMissing);
        return;
    }
    // The temporary file is created before the extractor starts, so that two
    // CD conversions at the same time can never write into the same file.
    QString reason;
    m_temporaryWav = cdtrack::createTemporaryWav(m_services.temporaryFolder, &reason);
    if (m_temporaryWav.isEmpty()) {
        qWarning().noquote() << reason;
        fail(ConversionEnd::Failure::TemporaryFile);
        return;
    }
    enter(State::Extracting);
    if (hasEnded())
        return;
    m_extractor = quietProcess(this);
    connect(m_extractor, &QProcess::finished, this, &ConversionJob::extractorFinished);
    connect(m_extractor, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(ConversionEnd::Failure::ExtractorMissing);
    });
    childprocess::start(*m_extractor, extractor,
                        cdtrack::extractorArguments(m_request.source, m_temporaryWav));
}

void ConversionJob::extractorFinished()
{
    // A failed read leaves the sectors read so far under a header that
    // claims the whole track; the encoder would make a short file of them
    // and call it a success.
    if (m_extractor->exitStatus() != QProcess::NormalExit || m_extractor->exitCode() != 0 ||
        !cdtrack::isCompleteWav(m_temporaryWav)) {
        fail(ConversionEnd::Failure::DiscUnreadable);
        return;
    }
    useInput(m_temporaryWav);
}

bool ConversionJob::openSource()
{
    // Nothing is reserved for a source that cannot be converted, and the
    // file converted is the one selected, whatever stands at its name now.
    heldsource::Failure failure = m_selectionFailure;
    if (failure == heldsource::Failure::None && m_source.isSelected())
        failure = m_source.open();
    switch (failure) {
    case heldsource::Failure::None:
        return true;
    case heldsource::Failure::NotAFile:
        fail(ConversionEnd::Failure::NotAFile);
        break;
    case heldsource::Failure::Replaced:
        fail(ConversionEnd::Failure::SourceReplaced);
        break;
    case heldsource::Failure::Gone:
        fail(ConversionEnd::Failure::SourceGone);
        break;
    }
    return false;
}

void ConversionJob::useInput(const QString &input)
{
    // The encoder gets absolute paths only, so that a file whose name starts
    // with "-" can never be taken for an option; a held source it gets as
    // the open file itself.
    m_inputName = QDir::toNativeSeparators(QFileInfo(input).absoluteFilePath());
    m_input = m_source.isOpen() && input == m_request.source ? m_source.toolPath() : m_inputName;
    if (encoderarguments::needsSourceInfo(m_request.format, m_bitrate))
        probeSource();
    else
        prepareEncoder({});
}

void ConversionJob::probeSource()
{
    const QString prober = m_services.locateTool(encodercontract::proberName());
    if (!QFileInfo(prober).isFile()) {
        prepareEncoder({});
        return;
    }
    enter(State::Probing);
    // A missing, failing or slow prober leaves the channels unknown, and the
    // conversion goes on without what it would have told.
    m_prober = new QProcess(this);
    m_prober->setStandardInputFile(QProcess::nullDevice());
    m_prober->setStandardErrorFile(QProcess::nullDevice());
    connect(m_prober, &QProcess::finished, this, &ConversionJob::proberFinished);
    connect(m_prober, &QProcess::errorOccurred, this, &ConversionJob::proberFinished);
    QTimer::singleShot(SourceProbeWaitMs, m_prober, [this] { proberFinished(); });
    childprocess::start(*m_prober, prober, sourceprobe::proberArguments(m_input),
                        {m_source.descriptor()});
}

void ConversionJob::proberFinished()
{
    QProcess *prober = std::exchange(m_prober, nullptr);
    if (!prober)
        return; // its end and its time limit may both come
    sourceprobe::SourceInfo source;
    if (prober->state() == QProcess::NotRunning && prober->error() != QProcess::FailedToStart &&
        prober->exitStatus() == QProcess::NormalExit && prober->exitCode() == 0)
        source = sourceprobe::parseProberOutput(prober->readAllStandardOutput());
    reap(prober);
    prepareEncoder(source);
}

void ConversionJob::prepareEncoder(const sourceprobe::SourceInfo &source)
{
    using encoderarguments::build;
    m_encoderProgram = m_services.locateTool(encodercontract::encoderName());
    // Nothing waits for a slot when there is no encoder to run in it.
    if (!QFileInfo(m_encoderProgram).isFile()) {
        fail(ConversionEnd::Failure::EncoderMissing);
        return;
    }
    // The encoder writes into the reserved file itself, whatever stands at
    // its name by then.
    const QString output = m_reservation.encoderPath();
    // Measured values can only be kept where we write the tags; "off"
    // adds no filter at all.
    m_measure = replayGain(m_request, m_services) != ReplayGain::Off &&
                tags::canWrite(m_request.format);
    const std::optional<SampleSpan> span =
        m_request.track ? std::optional(m_request.track->span) : std::nullopt;
    m_arguments = build(m_input, m_bitrate, m_request.options, m_request.format, output, source,
                        true, m_measure, span);
    // A cover the target cannot take (a picture format it does not store,
    // damaged picture bytes) makes the encoder refuse at once; the audio
    // then comes without it.
    if (encoderarguments::keepsPicture(m_request.format))
        m_withoutCover = build(m_input, m_bitrate, m_request.options, m_request.format, output,
                               source, false, m_measure, span);
    awaitSlot();
}

void ConversionJob::awaitSlot()
{
    // Many conversions started together take turns: at most one encoder per
    // slot runs across all of the user's conversions.
    m_slot =
        std::make_unique<EncoderSlot>(m_services.encoderSlotFolder, m_services.encoderSlotCount);
    if (m_slot->tryAcquire()) {
        startEncoder(m_arguments);
        return;
    }
    enter(State::WaitingForSlot);
    if (hasEnded())
        return;
    m_waiter = new EncoderSlotWaiter(*m_slot, this);
    // Queued: a slot taken by the waiter's first try, inside start(), is
    // taken up once start() has returned.
    connect(
        m_waiter, &EncoderSlotWaiter::acquired, this,
        [this] {
            if (m_state != State::WaitingForSlot || !m_waiter)
                return; // stopped meanwhile
            std::exchange(m_waiter, nullptr)->deleteLater();
            startEncoder(m_arguments);
        },
        Qt::QueuedConnection);
    m_waiter->start();
}

void ConversionJob::startEncoder(const QStringList &arguments)
{
    const bool firstRun = !m_encoder;
    enter(State::Encoding);
    if (hasEnded())
        return;
    if (firstRun) {
        m_encoder = quietProcess(this);
        connect(m_encoder, &QProcess::readyReadStandardError, this, &ConversionJob::encoderOutput);
        connect(m_encoder, &QProcess::finished, this, &ConversionJob::encoderFinished);
        // An encoder that cannot be started would never report an end.
        connect(m_encoder, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                fail(ConversionEnd::Failure::EncoderMissing);
        });
    }
    m_arguments = arguments;
    m_parser = ProgressParser();
    // The encoder tells the length of the whole image, not of the track.
    if (m_request.track)
        m_parser.setKnownDuration(m_request.track->duration);
    m_meter.reset();
    if (m_measure)
        m_meter = std::make_unique<MeterReader>();
    m_progressSeen = false;
    m_clock.start();
    // The encoder is handed both open files, the source and the target.
    childprocess::start(*m_encoder, m_encoderProgram, arguments,
                        {m_source.descriptor(), m_reservation.descriptor()},
                        m_meter ? m_meter->encoderEnd() : -1);
    if (m_meter)
        m_meter->encoderStarted();
    if (firstRun && m_reports && !hasEnded())
        m_reports->sendUsage(QStringLiteral("tonewright"), QStringLiteral("main"));
    // Read from the very file the encoder converts, while it starts (it
    // opens the file anew, at an offset of its own); a CD track's WAV has
    // no tags.
    if (firstRun && m_source.isOpen() && m_input == m_source.toolPath())
        m_sourceTags = tags::readTags(m_source.descriptor());
    if (firstRun && m_request.track)
        m_sourceTags = tags::imageTrackTags(m_sourceTags, m_request.track->tags);
}

void ConversionJob::encoderOutput()
{
    m_progress = m_parser.feed(m_encoder->readAllStandardError(), m_clock.elapsed());
    m_progressSeen = m_progressSeen || m_progress.stampFound;
    emit progressed();
}

void ConversionJob::encoderFinished(int exitCode)
{
    // A crash is a failure whatever code it leaves, and so is an encoder that
    // claims success without having written anything.
    const bool crashed = m_encoder->exitStatus() == QProcess::CrashExit;
    const bool success = !crashed && exitCode == encodercontract::SuccessExitCode;
    const QString closing = m_parser.closingText();
    const bool notMedia = refusedAsNoMedia(closing);
    // A picture the target refuses stops the encoder while it writes the
    // header, before its first progress stamp; a failure later on is the
    // audio's, and a second run would only fail again. A source that is no
    // media file stays one.
    if (!crashed && !success && !notMedia && !m_progressSeen && !m_withoutCover.isEmpty()) {
        startEncoder(std::exchange(m_withoutCover, QStringList()));
        return;
    }
    // A medium pulled out is nobody's fault: no bug report, and the name
    // that can no longer be looked at was not replaced.
    if (m_reservation.isOnGoneMedium()) {
        fail(ConversionEnd::Failure::MediumGone);
        return;
    }
    // The result must be in our file under our name, and hold audio: some
    // damaged sources make the encoder end well having encoded nothing.
    const bool replaced = !m_reservation.isIntact();
    if (success && !replaced && m_reservation.size() > 0 && !noAudioEncoded(closing)) {
        ConversionEnd end;
        end.outcome = ConversionEnd::Outcome::Converted;
        end.target = m_target;
        end.targetIdentity = tags::identityOf(m_reservation.descriptor());
        if (m_meter)
            end.loudness = m_meter->result().value_or(loudness::TrackLoudness());
        end.tagsWritten = writeTags(end.loudness);
        tidyUp(true);
        finish(end);
        return;
    }

    // A full medium is no fault of the encoder's: no bug report.
    if (!replaced && (closing.contains(QStringView(encodercontract::NoSpaceText)) ||
                      m_reservation.isOnFullMedium())) {
        fail(ConversionEnd::Failure::MediumFull);
        return;
    }
    sendBugReport();
    if (replaced)
        fail(ConversionEnd::Failure::TargetReplaced);
    else if (notMedia)
        fail(ConversionEnd::Failure::NotMedia);
    else
        fail(ConversionEnd::Failure::EncoderFailed);
}

bool ConversionJob::writeTags(const std::optional<loudness::TrackLoudness> &measured)
{
    if (m_reservation.descriptor() < 0 || !tags::canWrite(m_request.format))
        return true;
    const tags::TagMap values =
        measured ? tags::singleValues(loudness::trackTags(*measured, m_request.format))
                 : tags::TagMap();
    // Through a descriptor opened now that the encoder has written the file
    // (see Reservation::reopen()), else the one held since it was made.
    const int fresh = m_reservation.reopen();
    const int target = fresh >= 0 ? fresh : m_reservation.descriptor();
    // The audio is whole either way: a target whose tags cannot be written
    // keeps what the encoder wrote (the writer puts its bytes back).
    const bool written =
        tags::writeTags(target, m_request.format, m_sourceTags, m_request.options, values);
    if (fresh >= 0)
        ::close(fresh);
    if (written)
        return true;
    qWarning("The converted file keeps the encoder's tags: they could not be rewritten.");
    return false;
}

void ConversionJob::sendBugReport()
{
    // The encoder's text as it wrote it, new lines included.
    qDebug().noquote().nospace() << '"' << m_parser.keptText() << "\" ";
    if (m_sendReports && m_reports) {
        m_reports->sendBugReport(
            QStringLiteral("tonewright"),
            encoderarguments::privateFreeReport(m_arguments, m_parser.keptText(),
                                                m_services.homeFolder, m_request.source, m_target));
    }
}

void ConversionJob::fail(ConversionEnd::Failure failure)
{
    if (hasEnded())
        return;
    tidyUp(false);
    ConversionEnd end;
    end.outcome = ConversionEnd::Outcome::Failed;
    end.failure = failure;
    finish(end);
}

void ConversionJob::finish(ConversionEnd end)
{
    end.origin = m_request.origin;
    end.madeFolders = m_madeFolders;
    enter(State::Ended);
    emit ended(end);
}

void ConversionJob::tidyUp(bool keepTarget)
{
    reap(std::exchange(m_extractor, nullptr));
    reap(std::exchange(m_prober, nullptr));
    reap(std::exchange(m_encoder, nullptr));
    // The waiter works on the slot; both go together.
    delete std::exchange(m_waiter, nullptr);
    m_slot.reset();
    if (!m_temporaryWav.isEmpty())
        QFile::remove(m_temporaryWav);
    m_temporaryWav.clear();
    // No half file stays under the name the user will look for; the
    // reservation is ours to take back also when no encoder ran yet.
    if (keepTarget)
        m_reservation.keep();
    else
        m_reservation.release();
    m_source.close();
}
