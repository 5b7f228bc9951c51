#include "mounttable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace mounttable {

namespace {

// The table writes space, tab, newline and backslash as octal escapes.
QString unescaped(const QByteArray &field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                bytes.append(char(code));
                i += 3;
                continue;
            }
        }
        bytes.append(field.at(i));
    }
    return QFile::decodeName(bytes);
}

bool holds(const QString &point, const QString &path)
{
    return point == u"/" || path == point || path.startsWith(point + u'/');
}

} // namespace

Mount mountOf(const QByteArray &table, const QString &path)
{
    Mount found;
    for (const QByteArray &line : table.split('\n')) {
        // id parent major:minor root point options [optional…] - type source super-options
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 6 || dash + 2 >= fields.size())
            continue;
        const QString point = unescaped(fields.at(4));
        // Equal depth: the later mount covers the earlier.
        if (!holds(point, path) || point.size() < found.point.size())
            continue;
        found = {point, unescaped(fields.at(dash + 1)), unescaped(fields.at(dash + 2))};
    }
    return found;
}

QString nearestExisting(const QString &path)
{
    QFileInfo place(QDir::cleanPath(QDir(path).absolutePath()));
    while (!place.exists() && !place.isRoot())
        place = QFileInfo(place.absolutePath());
    return place.absoluteFilePath();
}

Mount mountOf(const QString &path)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    return mountOf(table.readAll(), QFileInfo(nearestExisting(path)).canonicalFilePath());
}

} // namespace mounttable
