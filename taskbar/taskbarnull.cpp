// Platforms without a taskbar or launcher progress facility.
#include "taskbarbackend.h"
#include "taskbarbutton.h"

namespace taskbar {

bool isTaskbarSupported()
{
    return false;
}

void checkTaskbarSupportInBackground()
{
    // The answer costs nothing to find here.
}

std::unique_ptr<Backend> createPlatformBackend()
{
    return std::make_unique<NullBackend>();
}

} // namespace taskbar
