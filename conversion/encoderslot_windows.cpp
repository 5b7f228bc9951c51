// Slots as LockFileEx() locks: Windows releases them, and deletes the file,
// when the process ends.
#include "encoderslot_p.h"

#include <QDir>
#include <windows.h>

std::unique_ptr<EncoderSlot::Lock> EncoderSlot::Lock::tryLock(const QString &path)
{
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    HANDLE file =
        CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    OVERLAPPED whole = {};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        CloseHandle(file);
        return nullptr;
    }
    auto lock = std::make_unique<Lock>();
    lock->handle = reinterpret_cast<intptr_t>(file);
    return lock;
}

EncoderSlot::Lock::~Lock()
{
    if (handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle));
}
