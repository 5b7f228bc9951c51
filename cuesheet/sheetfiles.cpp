// The files a sheet touches: the sheet itself, opened without following a
// link, and its audio, looked for by name among its folder's entries only.
#include "cuesheet.h"
#include "cuesheet_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cuesheet {
using detail::failed;
using detail::shown;
using detail::tr;

namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// The extensions of audio files, in the order a sheet's other name is tried.
constexpr const char *AudioExtensions[] = {"flac", "wav", "ape",  "wv",  "tta", "aiff",
                                           "aif",  "ogg", "opus", "m4a", "mp3", "wma"};

bool isAudio(const QString &name)
{
    for (const char *extension : AudioExtensions) {
        const QString suffix = u'.' + QLatin1String(extension);
        if (name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The names in folder (sorted; a name the file system holds in bytes that
// do not decode is left out), or nothing with errno set.
std::optional<QStringList> entries(const QString &folder)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        const QString name = QFile::decodeName(raw);
        if (raw != "." && raw != ".." && QFile::encodeName(name) == raw)
            names.append(name);
    }
    ::closedir(dir);
    names.sort();
    return names;
}

// Which of names a FILE entry's name means, or empty.
QString pick(const QStringList &names, const QString &name)
{
    if (names.contains(name))
        return name;
    for (const QString &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    for (const char *extension : AudioExtensions) {
        const QString other = base + u'.' + QLatin1String(extension);
        for (const QString &candidate : names) {
            if (candidate.compare(other, Qt::CaseInsensitive) == 0)
                return candidate;
        }
    }
    QString only;
    for (const QString &candidate : names) {
        if (!isAudio(candidate))
            continue;
        if (!only.isEmpty())
            return QString();
        only = candidate;
    }
    return only;
}

} // namespace

std::optional<Sheet> readFile(const QString &path, const QByteArray &encoding, QString *error)
{
    const QString name = shown(QFileInfo(path).fileName());
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int why = errno;
        return failed<Sheet>(error, why == ELOOP
                                        ? tr("%1 is a link; a cue sheet is read from a regular "
                                             "file only.")
                                              .arg(name)
                                        : tr("%1 cannot be read: %2.").arg(name, systemError(why)));
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failed<Sheet>(error, tr("%1 is not a regular file.").arg(name));
    }
    QByteArray bytes(MaxSheetBytes + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t count = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int why = errno;
            ::close(fd);
            return failed<Sheet>(error, tr("%1 cannot be read: %2.").arg(name, systemError(why)));
        }
        if (count == 0)
            break;
        got += count;
    }
    ::close(fd);
    if (got > MaxSheetBytes)
        return failed<Sheet>(error, tr("%1 is larger than %2 KB; a cue sheet is a few kilobytes.")
                                        .arg(name)
                                        .arg(MaxSheetBytes / 1024));
    bytes.truncate(got);

    QString why;
    std::optional<Sheet> sheet;
    if (const std::optional<QString> text = decode(bytes, encoding, &why))
        sheet = parse(*text, &why);
    if (!sheet)
        return failed<Sheet>(error, tr("%1: %2").arg(name, why));
    return sheet;
}

QString findAudio(const QString &folder, const QString &entry, QString *error)
{
    const auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return QString();
    };
    const QString quoted = shown(entry);
    const QString name = detail::lastComponent(entry);
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(QChar(0)))
        return fail(tr("The cue sheet names \"%1\", which is not a file name.").arg(quoted));
    const std::optional<QStringList> names = entries(folder);
    if (!names) {
        const int why = errno;
        return fail(tr("The cue sheet names \"%1\", but its folder cannot be read: %2.")
                        .arg(quoted, systemError(why)));
    }
    const QString found = pick(*names, name);
    if (found.isEmpty())
        return fail(tr("The cue sheet names \"%1\", which is not in its folder.").arg(quoted));

    const QString path = QDir(folder).absoluteFilePath(found);
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        const int why = errno;
        return fail(tr("The cue sheet names \"%1\", but \"%2\" in its folder cannot be read: %3.")
                        .arg(quoted, shown(found), systemError(why)));
    }
    if (S_ISLNK(st.st_mode))
        return fail(tr("The cue sheet names \"%1\", but \"%2\" in its folder is a link, which "
                       "is not followed.")
                        .arg(quoted, shown(found)));
    if (!S_ISREG(st.st_mode))
        return fail(tr("The cue sheet names \"%1\", but \"%2\" in its folder is not a regular "
                       "file.")
                        .arg(quoted, shown(found)));
    return path;
}

} // namespace cuesheet
