#include "processexit.h"

#include <cstdio>
#include <cstdlib>

namespace processexit {
namespace {
std::function<void(int)> &handler()
{
    static std::function<void(int)> installed;
    return installed;
}
} // namespace

void endProcess(int status)
{
    if (handler()) {
        handler()(status);
        return;
    }
    // Settings are written through on every change and children are owned by
    // the window, so nothing is lost by skipping static destructors; running
    // them while Qt's worker threads (network, D-Bus) still live can crash.
    std::fflush(nullptr);
    std::_Exit(status);
}

void setHandler(std::function<void(int)> newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace processexit
