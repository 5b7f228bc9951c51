#include "processexit.h"

#include <cstdio>
#include <cstdlib>

namespace processexit {

void endProcess(int status)
{
    // Settings are written through on every change and children are owned by
    // the window, so nothing is lost by skipping static destructors; running
    // them while Qt's worker threads (network, D-Bus) still live can crash.
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace processexit
