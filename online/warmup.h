#pragma once

#include <QUrl>

namespace online {

// Loads the TLS backend on a worker thread when any of the given servers is
// reached over https. The first https request otherwise loads it on the GUI
// thread, right while the window opens and the encoder starts.
void warmUpSecureConnections(const QList<QUrl> &servers);

} // namespace online
