#pragma once

#include <cstdint>
#include <string>

// The lock behind one encoder slot, in plain C++ over the system's own calls,
// so that each platform's version builds and runs without Qt. Only a lock
// held by another conversion is waited for; a folder or file that is not
// private to the user means going without the limit, since a missing limit
// is better than a window that waits forever.
namespace slotlock {

#ifdef _WIN32
using Path = std::wstring;
#else
using Path = std::string; // the encoded file name
#endif

using Handle = std::intptr_t;
constexpr Handle NoHandle = -1;

enum class Outcome {
    Ok,       // the folder is fit for locks, or the lock is now ours
    Busy,     // another process holds the lock
    Vanished, // a holder removed the file or folder meanwhile: try again at once
    Unusable, // a foreign owner, wrong mode, symbolic link or other failure
};

// Creates the folder (not its parents), private to the user, unless it exists;
// Ok when it is a real folder that no one else can reach.
Outcome preparePrivateFolder(const Path &folder);

struct Attempt
{
    Outcome outcome;
    Handle handle = NoHandle; // set when outcome is Ok
};
// Takes the lock on the file, creating it when missing; never waits.
Attempt tryLock(const Path &file);
// Lets go of a lock taken by tryLock.
void unlock(Handle handle, const Path &file);
// Removes the folder when it is empty; fails harmlessly otherwise.
void removeFolder(const Path &folder);

} // namespace slotlock
