#include "mirrorroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace mirrorroot {

QString name(const QString &folder, const QString &format)
{
    QString base = QFileInfo(QDir::cleanPath(folder)).fileName();
    if (base.isEmpty()) // the file system's root
        base = QCoreApplication::translate("mirror", "Files");
    return QStringLiteral("%1 (%2)").arg(base, format.toUpper());
}

QString place(const QString &folder, const QString &format, settings::TargetRule rule,
              const QString &directory, const QString &into)
{
    if (!into.isEmpty())
        return QDir::cleanPath(QDir(into).absolutePath());
    const QString own = name(folder, format);
    switch (rule) {
    case settings::TargetRule::SameAsSource:
        return QDir::cleanPath(QFileInfo(QDir::cleanPath(QDir(folder).absolutePath())).dir()
                                   .filePath(own));
    case settings::TargetRule::Directory:
    case settings::TargetRule::Ask:
        return directory.isEmpty() ? QString() : QDir::cleanPath(QDir(directory).filePath(own));
    }
    return QString();
}

QString busyText(const QString &root)
{
    return QCoreApplication::translate("mirror", "%1 is being updated by another Tonewright.")
        .arg(QFileInfo(root).fileName());
}

QString upToDateText(const QString &root, int converted, int trashed, int unchanged)
{
    const QLocale locale;
    return QCoreApplication::translate(
               "mirror", "%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.")
        .arg(QFileInfo(root).fileName(), locale.toString(converted), locale.toString(trashed),
             locale.toString(unchanged));
}

} // namespace mirrorroot
