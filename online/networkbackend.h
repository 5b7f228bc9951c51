#pragma once

#include "onlinebackend.h"

namespace online {

// The backend over Qt Network: the statistics posts and the bounded GETs of
// the advertisement. The online module makes these; tests may link it directly.
std::unique_ptr<OnlineBackend> createNetworkBackend(const QUrl &statsServer);

} // namespace online
