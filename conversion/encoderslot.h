#pragma once

#include "slotlock.h"

#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

// When a user selects forty files and picks "Convert to MP3", the file
// manager starts forty processes at once. Each takes one of a fixed number of
// encoder slots before it starts its encoder, so that at most one encoder
// runs per processor core. A slot is an advisory lock on a file in the
// user's runtime directory: the system drops it when its process ends, so a
// crashed or killed process never keeps one. Where the slots cannot be kept
// privately (see slotlock.h), conversions run without the limit.
class EncoderSlot
{
public:
    EncoderSlot(const QString &directory, int slotCount);
    ~EncoderSlot();
    EncoderSlot(const EncoderSlot &) = delete;
    EncoderSlot &operator=(const EncoderSlot &) = delete;

    // Takes a free slot, if any; true when a slot is held afterwards, or
    // when the limit cannot be kept and the conversion goes ahead without it.
    bool tryAcquire();
    bool isHeld() const;
    int heldIndex() const; // -1 when none is held
    QString directory() const { return m_directory; }
    void release();

private:
    bool runWithoutLimit();

    QString m_directory;
    int m_slotCount;
    int m_heldIndex = -1;
    slotlock::Handle m_lock = slotlock::NoHandle;
    slotlock::Path m_lockPath;
};

// Retries a slot whenever a holder lets go of one (its lock file leaves the
// folder) and, for holders that ended without tidying up, on a timer; emits
// acquired() once.
class EncoderSlotWaiter : public QObject
{
    Q_OBJECT
public:
    explicit EncoderSlotWaiter(EncoderSlot &slot, QObject *parent = nullptr);

    // Tries at once, on every change of the slots' folder, and every intervalMs.
    void start(int intervalMs = 250);

signals:
    void acquired();

private:
    void poll();

    EncoderSlot &m_slot;
    QTimer *m_timer;
    QFileSystemWatcher *m_watcher;
};
