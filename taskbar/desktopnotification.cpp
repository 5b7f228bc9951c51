#include "desktopnotification.h"

#ifdef Q_OS_LINUX
#include "sessionbus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#endif

namespace taskbar {

#ifdef Q_OS_LINUX
namespace {
constexpr int NotifyWaitMs = 1000;
}
#endif

void notify(const QString &title, const QString &body)
{
#ifdef Q_OS_LINUX
    if (!hasSessionBus())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, timeout
    message << QStringLiteral("Tonewright") << 0U << QStringLiteral("tonewright") << title << body
            << QStringList() << QVariantMap() << -1;
    // The process ends right after: the call waits for the service's reply
    // (or the bus's "no such service"), never long.
    bus.call(message, QDBus::Block, NotifyWaitMs);
#else
    Q_UNUSED(title);
    Q_UNUSED(body);
#endif
}

} // namespace taskbar
