// Slots as LockFileEx() locks: Windows drops them when the process ends.
// The lock files stay in the folder. Deleting them on close would not work:
// every process that tried a held slot would mark its file for deletion on
// closing, and until the holder let go, opening it again would be refused
// with the same error as a real lack of access.
#include "slotlock.h"

#include <windows.h>

namespace slotlock {

Outcome preparePrivateFolder(const Path &folder)
{
    // The folder lies in the user's own profile, which other users cannot
    // reach; it must still be a real folder and not a link to elsewhere.
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return Outcome::Unusable;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Outcome::Vanished
                                                                              : Outcome::Unusable;
    }
    const bool realFolder =
        (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    return realFolder ? Outcome::Ok : Outcome::Unusable;
}

Attempt tryLock(const Path &file)
{
    HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return {Outcome::Vanished};
        case ERROR_SHARING_VIOLATION: // another program has it open for a moment
            return {Outcome::Busy};
        default:
            return {Outcome::Unusable};
        }
    }
    // Opened as itself when it is a link, and then refused like any file
    // that is not a plain one.
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))) {
        CloseHandle(handle);
        return {Outcome::Unusable};
    }
    OVERLAPPED whole = {};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        const DWORD error = GetLastError();
        CloseHandle(handle);
        return {error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? Outcome::Busy
                                                                           : Outcome::Unusable};
    }
    return {Outcome::Ok, reinterpret_cast<Handle>(handle)};
}

void unlock(Handle handle, const Path &)
{
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}

void removeFolder(const Path &folder)
{
    RemoveDirectoryW(folder.c_str());
}

} // namespace slotlock
