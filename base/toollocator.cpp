#include "toollocator.h"

#include "nativepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace toollocator {

QString executableName(const QString &baseName)
{
#ifdef Q_OS_WIN
    return baseName + QLatin1String(".exe");
#else
    return baseName;
#endif
}

QString programDirectory()
{
    return nativepath::withTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString locate(const QString &baseName)
{
    const QString name = executableName(baseName);
    const QString beside = programDirectory() + name;
    if (QFileInfo(beside).isFile())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return QDir::toNativeSeparators(onPath);
    return beside;
}

} // namespace toollocator
