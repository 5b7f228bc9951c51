#include "mirrorupdate.h"

#include "conversionqueue.h"
#include "mirrorroot.h"
#include "targetreservation.h"

#include <QFileInfo>
#include <QTimer>

namespace {

using mirrorplan::Action;

// How often the count of files found is shown while walking.
constexpr int WalkShownEveryMs = 100;

QString folderName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString goneText(const QString &root, int converted)
{
    return MirrorUpdate::tr("The disk of %1 went away during the run: %Ln converted before; "
                            "plugged in again, the next run completes it.",
                            nullptr, converted)
        .arg(root);
}

} // namespace

MirrorUpdate::MirrorUpdate(const QList<Folder> &folders, const mirrorplan::Settings &settings,
                           const EncoderOptions &options, MirrorSession::Seams seams,
                           QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_options(options)
{
    for (const Folder &folder : folders) {
        Mirror mirror;
        mirror.folder = folder;
        mirror.session = std::make_unique<MirrorSession>(folder.path, folder.root, settings, seams);
        m_mirrors.push_back(std::move(mirror));
    }
}

MirrorUpdate::~MirrorUpdate()
{
    // A walk or copies under way end at the next file.
    m_stop = true;
}

QString MirrorUpdate::title() const
{
    if (m_mirrors.size() == 1)
        return tr("Updating %1").arg(folderName(m_mirrors.front().folder.root));
    return tr("Updating %Ln folders to %1", nullptr, int(m_mirrors.size()))
        .arg(m_settings.format.toUpper());
}

void MirrorUpdate::tell(const QString &sentence)
{
    m_details.append({QString(), ConversionEnd::Failure::None, sentence});
}

void MirrorUpdate::fail(const QString &sentence)
{
    tell(sentence);
    m_failed = true;
}

void MirrorUpdate::fail(const QString &name, ConversionEnd::Failure failure)
{
    m_details.append({name, failure, QString()});
    m_failed = true;
}

bool MirrorUpdate::isGone(Mirror &mirror)
{
    if (!mirror.gone && targetreservation::isOnGoneMedium(mirror.folder.root))
        mirror.gone = true;
    return mirror.gone;
}

QString MirrorUpdate::shown(const Mirror &mirror, const QString &relative) const
{
    // With several folders a name alone would not say which one.
    return m_mirrors.size() == 1 ? relative : folderName(mirror.folder.path) + u'/' + relative;
}

bool MirrorUpdate::lock()
{
    bool any = false;
    for (Mirror &mirror : m_mirrors) {
        QString error;
        mirror.usable = mirror.session->lock(&error);
        if (!mirror.usable)
            fail(error);
        any = any || mirror.usable;
    }
    return any;
}

QStringList MirrorUpdate::dryRun()
{
    QStringList lines;
    for (Mirror &mirror : m_mirrors) {
        mirror.walk = treewalk::walk(mirror.folder.path, mirror.folder.root);
        QString error;
        if (!mirror.walk.error.isEmpty() || !mirror.session->prepare(mirror.walk, &error)) {
            fail(tr("%1 cannot be read: %2")
                     .arg(mirror.folder.path, error.isEmpty() ? mirror.walk.error : error));
            continue;
        }
        if (m_mirrors.size() > 1)
            lines << mirrorroot::name(mirror.folder.path, m_settings.format) + u':';
        lines << mirrorplan::describe(mirror.session->plan());
        if (mirror.session->lacksRoom(&error))
            fail(error);
    }
    return lines;
}

void MirrorUpdate::start()
{
    m_walkShown = new QTimer(this);
    const auto show = [this] {
        const int index = m_walking.load();
        if (index >= int(m_mirrors.size()))
            return;
        emit phase(tr("Looking through %1… %Ln files", nullptr, int(m_found.load()))
                       .arg(folderName(m_mirrors[size_t(index)].folder.path)));
    };
    connect(m_walkShown, &QTimer::timeout, this, show);
    connect(this, &MirrorUpdate::ready, this, [this] { delete std::exchange(m_walkShown, nullptr); });
    m_walkShown->start(WalkShownEveryMs);
    show();
    m_room.post([this] { walkAndPlan(); });
}

void MirrorUpdate::walkAndPlan()
{
    for (size_t i = 0; i < m_mirrors.size() && !m_stop; ++i) {
        m_found = 0;
        m_walking = int(i);
        Mirror &mirror = m_mirrors[i];
        if (mirror.usable)
            mirror.walk = treewalk::walk(mirror.folder.path, mirror.folder.root,
                                         [this](qsizetype found) { m_found = found; }, &m_stop);
    }
    m_walking = int(m_mirrors.size());
    // Stopped while walking: a partial walk would plan the unwalked files
    // away, so nothing is planned or written.
    for (int index = 0; index < int(m_mirrors.size()) && !m_stop; ++index) {
        Mirror &mirror = m_mirrors[size_t(index)];
        if (!mirror.usable)
            continue;
        emit phase(tr("Looking through %1… %Ln files", nullptr, int(mirror.walk.files.size()))
                       .arg(folderName(mirror.folder.path)));
        mirror.usable = mirror.planned = plan(mirror);
        if (!mirror.usable)
            continue;
        const QList<mirrorplan::Step> &steps = mirror.session->plan().steps;
        for (int step = 0; step < int(steps.size()); ++step) {
            const Action action = steps[step].action;
            if (action == Action::Copy) {
                m_copies.append({index, step});
            } else if (action == Action::Convert || action == Action::Replace) {
                const MirrorSession::Target paths = mirror.session->paths(steps[step]);
                ConversionRequest request = mirror.session->request(steps[step]);
                request.format = m_settings.format;
                request.options = m_options;
                request.target = paths.temporary;
                request.origin = int(m_conversions.size());
                m_requests.append(request);
                m_conversions.append({index, step});
            }
        }
    }
    copy();
    if (m_stop)
        m_requests.clear();
    emit ready();
}

QString MirrorUpdate::walkedText() const
{
    QStringList lines;
    for (const Mirror &mirror : m_mirrors) {
        if (mirror.planned)
            lines << tr("Looking through %1… %Ln files", nullptr, int(mirror.walk.files.size()))
                         .arg(folderName(mirror.folder.path));
    }
    return lines.join(u'\n');
}

void MirrorUpdate::stop()
{
    m_stop = true;
}

bool MirrorUpdate::plan(Mirror &mirror)
{
    const QString &folder = mirror.folder.path;
    if (!mirror.walk.error.isEmpty()) {
        fail(tr("%1 cannot be read: %2").arg(folder, mirror.walk.error));
        return false;
    }
    QString error;
    if (!mirror.session->prepare(mirror.walk, &error)) {
        fail(isGone(mirror) ? goneText(mirror.folder.root, 0) : error);
        return false;
    }
    const mirrorplan::Plan &plan = mirror.session->plan();
    // A folder that is suddenly empty is far more often a disk that is not
    // mounted than a library deleted: nothing goes to the trash for it.
    if (mirror.walk.files.isEmpty() && plan.count(Action::Trash) > 0) {
        fail(tr("%1 holds no files now (is its disk mounted?); %2 was left as it is.")
                 .arg(folder, mirrorroot::name(folder, m_settings.format)));
        return false;
    }
    // Refused before anything is written, rather than stopped by a full medium midway.
    if (mirror.session->lacksRoom(&error)) {
        m_sentences << error;
        m_failed = true;
        return false;
    }
    if (!mirror.session->start(&error)) {
        fail(isGone(mirror) ? goneText(mirror.folder.root, 0) : error);
        return false;
    }
    return true;
}

void MirrorUpdate::copy()
{
    // A stop is heard between two files.
    for (; m_copied < m_copies.size() && !m_stop; ++m_copied) {
        emit phase(tr("Copying %L1 of %L2 files…").arg(m_copied + 1).arg(m_copies.size()));
        const Conversion copy = m_copies.at(m_copied);
        Mirror &mirror = m_mirrors[size_t(copy.mirror)];
        if (mirror.gone)
            continue;
        QString error;
        if (!mirror.session->copy(mirror.session->plan().steps.at(copy.step), &error) &&
            !isGone(mirror))
            fail(error);
    }
}

QString MirrorUpdate::output(const ConversionRequest &request) const
{
    if (request.origin < 0 || request.origin >= m_conversions.size())
        return QString();
    const Conversion &conversion = m_conversions.at(request.origin);
    const Mirror &mirror = m_mirrors[size_t(conversion.mirror)];
    return mirror.session->paths(mirror.session->plan().steps.at(conversion.step)).output;
}

void MirrorUpdate::watch(ConversionQueue &queue)
{
    m_queue = &queue;
    connect(&queue, &ConversionQueue::fileEnded, this, [this](int index) {
        const ConversionEnd end = m_queue->end(index);
        m_room.post([this, end] { fileEnded(end); });
    });
}

void MirrorUpdate::fileEnded(const ConversionEnd &end)
{
    if (end.origin < 0 || end.origin >= m_conversions.size())
        return; // a file named beside the folders
    const Conversion &conversion = m_conversions.at(end.origin);
    Mirror &mirror = m_mirrors[size_t(conversion.mirror)];
    MirrorSession &session = *mirror.session;
    const mirrorplan::Step &step = session.plan().steps.at(conversion.step);
    const bool converted = end.outcome == ConversionEnd::Outcome::Converted;
    if (mirror.gone || end.failure == ConversionEnd::Failure::MediumGone) {
        mirror.gone = true;
        return; // told once, at the end
    }
    QString error;
    if (!session.adoptFolders(end.madeFolders, &error) && !isGone(mirror))
        fail(error);
    if (!mirror.gone && !session.finish(step, converted, &error, end.loudness, end.tagsWritten) &&
        !isGone(mirror))
        fail(error);
    if (mirror.gone)
        return;
    if (end.failure == ConversionEnd::Failure::MediumFull)
        mirror.full = true;
    if (end.outcome == ConversionEnd::Outcome::Failed)
        fail(shown(mirror, step.record.source), end.failure);
    else if (converted && !end.tagsWritten)
        fail(tr("%1 lacks its tags and loudness values; the next run writes them.")
                 .arg(shown(mirror, step.record.output)));
}

void MirrorUpdate::conclude(const ConversionQueue *queue)
{
    if (std::exchange(m_concluded, true))
        return;
    const bool complete = !m_stop && queue && !queue->wasStopped();
    const int skipped = queue ? queue->skipped() : 0;
    m_room.post([this, complete, skipped] { concludeNow(complete, skipped); });
    m_room.drain();
}

void MirrorUpdate::concludeNow(bool complete, int skipped)
{
    if (skipped > 0)
        m_failed = true;
    for (Mirror &mirror : m_mirrors) {
        if (!mirror.planned)
            continue;
        MirrorSession &session = *mirror.session;
        if (mirror.gone) {
            m_sentences << goneText(mirror.folder.root, session.converted());
            m_failed = true;
            continue;
        }
        QStringList errors;
        if (complete) {
            session.finishAlbums(&errors);
            session.trash(&errors);
        } else {
            QString error;
            if (!session.record(&error))
                errors << error;
        }
        // The process ends without unwinding: the room goes now.
        session.giveBackRoom();
        for (const QString &error : std::as_const(errors))
            fail(error);
        if (mirror.full)
            m_sentences << tr("There is no space left on the disk of %1: %Ln converted; with room "
                              "again, the next run converts what is missing.",
                              nullptr, session.converted())
                               .arg(mirror.folder.root);
        else if (session.leftForRoom() > 0)
            m_sentences << tr("%1 got what fits: %L2 converted; %Ln files were left for want of "
                              "room, for a later run with more room.",
                              nullptr, session.leftForRoom())
                               .arg(folderName(mirror.folder.root))
                               .arg(session.converted());
        else
            m_sentences << session.summary();
        if (session.leftForRoom() > 0)
            m_failed = true;
        for (const mirrorplan::Step &step : session.plan().steps) {
            if (step.action == Action::LeaveEdited)
                tell(tr("%1 was changed since Tonewright wrote it and was left alone.")
                         .arg(shown(mirror, step.record.output)));
        }
        for (const mirrorplan::Step &step : session.plan().steps) {
            const QStringList entries = session.playlists().value(step.record.source).leftOut;
            if (!entries.isEmpty())
                tell(tr("%1: left out, as outside the folder or no sound or video file: %2")
                         .arg(shown(mirror, step.record.source), entries.join(u", ")));
        }
        for (const treewalk::LeftOut &left : session.plan().leftOut) {
            treewalk::LeftOut named = left;
            named.path = shown(mirror, left.path);
            // A folder that could not be read may hide files to convert.
            if (left.reason == treewalk::Reason::Unreadable)
                fail(treewalk::describe(named));
            else
                tell(treewalk::describe(named));
        }
    }
}

QString MirrorUpdate::sentence() const
{
    if (m_sentences.isEmpty())
        return m_details.isEmpty() ? QString() : m_details.first().text;
    return m_sentences.join(u'\n');
}
