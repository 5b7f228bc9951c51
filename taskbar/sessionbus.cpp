#include "sessionbus.h"

#include <QDBusConnection>
#include <QtGlobal>

#include <sys/stat.h>

namespace taskbar {
namespace {

bool sessionBusNamed()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray socket = runtime + "/bus";
    struct stat info;
    return !runtime.isEmpty() && ::stat(socket.constData(), &info) == 0 && S_ISSOCK(info.st_mode);
}

} // namespace

bool hasSessionBus()
{
    return sessionBusNamed() && QDBusConnection::sessionBus().isConnected();
}

} // namespace taskbar
