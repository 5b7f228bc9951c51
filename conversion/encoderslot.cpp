#include "encoderslot.h"
#include "encoderslot_p.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

EncoderSlot::EncoderSlot(const QString &directory, int slotCount)
    : m_directory(directory)
    , m_slotCount(qMax(1, slotCount))
{
}

EncoderSlot::~EncoderSlot()
{
    release();
}

QString EncoderSlot::defaultDirectory()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + QStringLiteral("/tonewright-encoders");
}

int EncoderSlot::defaultSlotCount()
{
    return qMax(1, QThread::idealThreadCount());
}

bool EncoderSlot::tryAcquire()
{
    if (isHeld())
        return true;
    if (!QDir().mkpath(m_directory))
        return acquireWithoutDirectory();

    // Start at a different slot in each process so that waiting processes
    // don't all contend for slot 0 first.
    const int first = int(QCoreApplication::applicationPid() % m_slotCount);
    for (int step = 0; step < m_slotCount; ++step) {
        const int index = (first + step) % m_slotCount;
        const QString path = m_directory + QStringLiteral("/slot-%1.lock").arg(index);
        if (auto lock = Lock::tryLock(path)) {
            m_lock = std::move(lock);
            m_heldIndex = index;
            return true;
        }
    }
    return false;
}

// Nowhere to keep the locks (no writable runtime or temporary directory):
// limiting the encoders is a courtesy, so the conversion goes ahead.
bool EncoderSlot::acquireWithoutDirectory()
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
    const bool hadLock = bool(m_lock);
    m_lock.reset();
    m_heldIndex = -1;
    // Leave no folder behind once the last slot is free; fails harmlessly while others hold one.
    if (hadLock)
        QDir().rmdir(m_directory);
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
