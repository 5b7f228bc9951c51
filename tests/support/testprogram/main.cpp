#include "program.h"
#include "services.h"

#include <QByteArray>

// The program for tests and benchmarks: the real one, except that its web
// pages and servers are under the address in TW_TEST_SERVER (a loopback
// server of the test), or that it has no servers at all when that is unset.
int main(int argc, char *argv[])
{
    Services services;
    const QByteArray server = qgetenv("TW_TEST_SERVER");
    services.addresses.adServer = QUrl();
    services.addresses.statsServer = QUrl();
    if (!server.isEmpty()) {
        const QString base = QString::fromUtf8(server);
        services.addresses.website = QUrl(base + QStringLiteral("/site/"));
        services.addresses.social = QUrl(base + QStringLiteral("/social"));
        services.addresses.encoderBuilds = QUrl(base + QStringLiteral("/builds/"));
        services.addresses.adServer = QUrl(base);
        services.addresses.statsServer = QUrl(base);
    }
    return runProgram(argc, argv, services);
}
