#pragma once

#include "encoderslot.h"

#include <QCoreApplication>
#include <memory>

// One held advisory lock; releasing it (destruction) frees the slot. One
// implementation per platform.
struct EncoderSlot::Lock
{
    // The lock on the file at path, or null when another process holds it.
    static std::unique_ptr<Lock> tryLock(const QString &path);
    ~Lock();

    intptr_t handle = -1;
    QByteArray path;
};
