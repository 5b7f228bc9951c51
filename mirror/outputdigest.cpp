#include "outputdigest.h"

#include "filecopy.h"

#include <QCryptographicHash>

#include <unistd.h>

namespace outputdigest {

QString of(const QString &path)
{
    const int fd = filecopy::openRegular(path);
    if (fd < 0)
        return {};
    QCryptographicHash hash(QCryptographicHash::Md5);
    char block[1 << 16];
    ssize_t got;
    while ((got = ::read(fd, block, sizeof block)) > 0)
        hash.addData(QByteArrayView(block, got));
    ::close(fd);
    return got < 0 ? QString() : QString::fromLatin1(hash.result().toHex());
}

} // namespace outputdigest
