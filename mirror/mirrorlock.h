#pragma once

#include <QString>

// One run at a time per mirror: an advisory lock on the mirror's root
// folder itself, so that taking it writes nothing. The kernel lets it go
// when the process ends, however it ends.
class MirrorLock
{
public:
    enum class Result { Taken, Busy, Failed };

    MirrorLock() = default;
    ~MirrorLock();
    MirrorLock(const MirrorLock &) = delete;
    MirrorLock &operator=(const MirrorLock &) = delete;

    // Makes the root (and its parents) when missing, then takes the lock
    // without waiting. error holds why on Failed.
    Result take(const QString &root, QString *error);

private:
    int m_fd = -1;
};
