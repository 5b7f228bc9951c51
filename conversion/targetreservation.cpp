#include "targetreservation.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace targetreservation {
namespace {

// Something already stands at the path: a file, a directory, or a link that
// may point nowhere (an exclusive create fails on those too).
bool taken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// How often a name that failed but stands free afterwards is tried again
// before the directory counts as not writable: another process may have
// removed its file between our attempt and the look.
constexpr int RetriesOfOneName = 3;

} // namespace

QString reserve(const QString &directory, const QString &base, const QString &format)
{
    int counter = 0;
    int retries = 0;
    for (;;) {
        const QString suffix =
            counter == 0 ? QString() : QLatin1Char('_') + QString::number(counter);
        const QString path = directory + base + suffix + QLatin1Char('.') + format;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            file.close();
            return path;
        }
        if (taken(path)) {
            if (counter == std::numeric_limits<int>::max())
                return QString(); // no free name can be formed
            ++counter;
            retries = 0;
            continue;
        }
        if (++retries >= RetriesOfOneName)
            return QString();
    }
}

void release(const QString &path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return;
    QFile::remove(path);
}

} // namespace targetreservation
