#include "toollocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace toollocator {
namespace {
QString &searchDirectory()
{
    static QString directory;
    return directory;
}

QString withTrailingSeparator(QString directory)
{
    directory = QDir::toNativeSeparators(directory);
    if (!directory.endsWith(QDir::separator()))
        directory += QDir::separator();
    return directory;
}
} // namespace

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
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString locate(const QString &baseName)
{
    const QString name = executableName(baseName);
    if (!searchDirectory().isEmpty())
        return withTrailingSeparator(searchDirectory()) + name;

    const QString beside = programDirectory() + name;
    if (QFileInfo(beside).isFile())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return QDir::toNativeSeparators(onPath);
    return beside;
}

bool exists(const QString &baseName)
{
    return QFileInfo(locate(baseName)).isFile();
}

void setSearchDirectory(const QString &directory)
{
    searchDirectory() = directory;
}

} // namespace toollocator
