#include "warmup.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <thread>

namespace online {

void warmUpSecureConnections(const QList<QUrl> &servers)
{
    const bool secure = std::any_of(servers.begin(), servers.end(), [](const QUrl &server) {
        return server.scheme() == QLatin1String("https");
    });
    if (!secure)
        return;
    // Detached: the process may end before it is done, and nothing waits for it.
    std::thread([] {
        if (QSslSocket::supportsSsl())
            QSslConfiguration::defaultConfiguration();
    }).detach();
}

} // namespace online
