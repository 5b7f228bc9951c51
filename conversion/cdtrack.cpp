#include "cdtrack.h"

#include "mounttable.h"
#include "randomstring.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <climits>

namespace cdtrack {

namespace {

bool isOpticalDevice(const QString &source)
{
    static const char *const prefixes[] = {"/dev/sr", "/dev/scd", "/dev/cdrom", "/dev/cdrw",
                                           "/dev/dvd"};
    for (const char *prefix : prefixes) {
        if (source.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

QString defaultDrive()
{
    return QStringLiteral("/dev/cdrom");
}

} // namespace

bool isCdTrack(const QString &path)
{
    return path.endsWith(QLatin1String(".cda"), Qt::CaseSensitive);
}

int trackIndexFromFileName(const QString &fileName)
{
    const QString name = QDir::fromNativeSeparators(fileName).section(QLatin1Char('/'), -1);
    qint64 number = 0;
    for (const QChar c : name) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        // Zeros before the first other digit add nothing, so the leading-zero
        // rule needs no state of its own; saturation keeps long runs defined.
        number = qMin<qint64>(number * 10 + (c.unicode() - '0'), qint64(INT_MAX));
    }
    return int(number - 1);
}

QString driveForPath(const QString &cdaPath)
{
#ifdef Q_OS_WIN
    return cdaPath.left(1);
#else
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (!mountInfo.open(QIODevice::ReadOnly))
        return defaultDrive();
    return driveForPath(cdaPath, mountInfo.readAll());
#endif
}

QString driveForPath(const QString &cdaPath, const QByteArray &mountInfo)
{
    if (cdaPath.isEmpty())
        return defaultDrive();
    const QString path = QDir::cleanPath(QFileInfo(cdaPath).absoluteFilePath());
    const QString source = mounttable::mountOf(mountInfo, path).source;
    return isOpticalDevice(source) ? source : defaultDrive();
}

QString createTemporaryWav(const QString &temporaryFolder, QString *error)
{
    QString directory = temporaryFolder;
    // A temporary directory that does not exist comes back empty; the file
    // must not land in the root directory instead.
    if (directory.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("cdtrack",
                                                 "The temporary-files folder does not exist.");
        return QString();
    }
    directory.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');

    // 62^8 names make a clash rare; a few more draws settle the odd one.
    constexpr int attempts = 16;
    QString reason;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const QString path = directory + randomString(8, QString()) + QLatin1String(".wav");
        QFile file(path);
        // The track may be anyone's; the file is for the user's eyes only.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return path;
        reason = file.errorString();
        if (!QFileInfo::exists(path))
            break; // not a clash: the directory cannot take the file
    }
    if (error) {
        *error = QCoreApplication::translate("cdtrack", "Cannot create a temporary file in %1: %2")
                     .arg(QDir::toNativeSeparators(directory), reason);
    }
    return QString();
}

bool isCompleteWav(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    qint64 at = 12;
    while (at + 8 <= size && file.seek(at)) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return false;
        const quint32 length = qFromLittleEndian<quint32>(chunk.constData() + 4);
        at += 8;
        if (chunk.startsWith("data"))
            return size - at >= qint64(length);
        // Chunks of odd length are padded to an even one.
        at += qint64(length) + (length & 1);
    }
    return false;
}

QStringList extractorArguments(const QString &cdaPath, const QString &tempWav)
{
    return {driveForPath(cdaPath), QString::number(trackIndexFromFileName(cdaPath)), tempWav};
}

} // namespace cdtrack
