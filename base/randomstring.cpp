#include "randomstring.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

QString randomString(int n, const QString &seed)
{
    static const char alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QString result;
    if (n > 0)
        result.reserve(n);
    QRandomGenerator *generator = QRandomGenerator::global();
    for (int i = 0; i < n; ++i)
        result += QLatin1Char(alphabet[generator->bounded(62)]);
    if (seed.isEmpty())
        return result;
    const QByteArray digest =
        QCryptographicHash::hash(seed.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(digest) + QLatin1Char('_') + result;
}
