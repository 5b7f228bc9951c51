#include "display.h"

#include <QByteArray>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace display {

namespace {

bool platformChosen(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

bool connects(const QByteArray &path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t offset = abstract ? 1 : 0;
    if (size_t(path.size()) + offset >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), size_t(path.size()));
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
    ::close(fd);
    return ok;
}

// A local X display (":0", ":1.0", "unix:0") answers on its socket; any
// other form (a remote host, a launchd path) is taken on trust.
bool xServerAnswers(const QByteArray &name)
{
    QByteArray number = name;
    if (number.startsWith("unix:"))
        number = number.mid(4);
    if (!number.startsWith(':'))
        return true;
    number = number.mid(1);
    const qsizetype dot = number.indexOf('.');
    if (dot >= 0)
        number.truncate(dot);
    bool isNumber = false;
    number.toInt(&isNumber);
    if (!isNumber)
        return true;
    const QByteArray socket = QByteArray("/tmp/.X11-unix/X").append(number);
    return connects(socket, true) || connects(socket, false);
}

} // namespace

bool isAvailable(int argc, char *argv[])
{
    if (platformChosen(argc, argv))
        return true;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    const QByteArray x = qgetenv("DISPLAY");
    return !x.isEmpty() && xServerAnswers(x);
}

} // namespace display
