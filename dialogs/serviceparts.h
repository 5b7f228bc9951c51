#pragma once

#include "services.h"

#include <memory>

namespace online {
class OnlineServices;
}

// The parts of the services that need widgets or the network thread, for
// services that come without them: windows and dialogs made without services
// of their own, and tests.

// The desktop's own directory and file choosers, and its browser, where the
// services have none.
Services withDesktopChoosers(Services services);

// The services' network thread, or a new one for their servers when they
// carry none.
std::shared_ptr<online::OnlineServices> onlineFor(const Services &services);
