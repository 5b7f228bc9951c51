#include "encoderslot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {
// How often one attempt starts over when a holder tidied its file or the
// folder away under it; beyond that the waiter tries again later.
constexpr int VanishedRetries = 3;

slotlock::Path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(path).toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}
} // namespace

EncoderSlot::EncoderSlot(const QString &directory, int slotCount)
    : m_directory(directory)
    , m_slotCount(qMax(1, slotCount))
{
}

EncoderSlot::~EncoderSlot()
{
    release();
}

bool EncoderSlot::tryAcquire()
{
    if (isHeld())
        return true;
    const slotlock::Path folder = nativePath(m_directory);
    // Start at a different slot in each process so that waiting processes
    // don't all contend for slot 0 first.
    const int first = int(QCoreApplication::applicationPid() % m_slotCount);
    for (int round = 0; round < VanishedRetries; ++round) {
        const slotlock::Outcome ready = slotlock::preparePrivateFolder(folder);
        if (ready == slotlock::Outcome::Unusable)
            return runWithoutLimit();
        bool vanished = ready == slotlock::Outcome::Vanished;
        for (int step = 0; step < m_slotCount && !vanished; ++step) {
            const int index = (first + step) % m_slotCount;
            const slotlock::Path path =
                nativePath(m_directory + QStringLiteral("/slot-%1.lock").arg(index));
            const slotlock::Attempt attempt = slotlock::tryLock(path);
            switch (attempt.outcome) {
            case slotlock::Outcome::Ok:
                m_lock = attempt.handle;
                m_lockPath = path;
                m_heldIndex = index;
                return true;
            case slotlock::Outcome::Busy:
                break;
            case slotlock::Outcome::Vanished:
                vanished = true;
                break;
            case slotlock::Outcome::Unusable:
                return runWithoutLimit();
            }
        }
        if (!vanished)
            return false;
    }
    return false;
}

// No private place for the locks (no usable runtime or temporary directory,
// or one another user could tamper with): limiting the encoders is a
// courtesy, so the conversion goes ahead.
bool EncoderSlot::runWithoutLimit()
{
    m_heldIndex = 0;
    return true;
}

bool EncoderSlot::isHeld() const
{
    return m_heldIndex >= 0;
}
int EncoderSlot::heldIndex() const
{
    return m_heldIndex;
}

void EncoderSlot::release()
{
    m_heldIndex = -1;
    if (m_lock == slotlock::NoHandle)
        return;
    slotlock::unlock(m_lock, m_lockPath);
    m_lock = slotlock::NoHandle;
    // Leave no folder behind once the last slot is free; fails harmlessly while others hold one.
    slotlock::removeFolder(nativePath(m_directory));
}

EncoderSlotWaiter::EncoderSlotWaiter(EncoderSlot &slot, QObject *parent)
    : QObject(parent)
    , m_slot(slot)
    , m_timer(new QTimer(this))
    , m_watcher(new QFileSystemWatcher(this))
{
    connect(m_timer, &QTimer::timeout, this, &EncoderSlotWaiter::poll);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &EncoderSlotWaiter::poll);
}

void EncoderSlotWaiter::start(int intervalMs)
{
    m_timer->setInterval(intervalMs);
    m_timer->start();
    m_watcher->addPath(m_slot.directory());
    poll();
}

void EncoderSlotWaiter::poll()
{
    if (!m_timer->isActive() || !m_slot.tryAcquire())
        return;
    m_timer->stop();
    m_watcher->removePaths(m_watcher->directories());
    emit acquired();
}
