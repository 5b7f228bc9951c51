#include "treewalk.h"

#include "albumimage.h"
#include "mediafiles.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace treewalk {

namespace {

struct Walker
{
    Result result;
    dev_t skipDevice = 0;
    ino_t skipInode = 0;
    bool hasSkip = false;
    std::function<void(qsizetype)> progress;
    const std::atomic<bool> *stop = nullptr;

    bool stopped()
    {
        if (stop && stop->load(std::memory_order_relaxed))
            result.stopped = true;
        return result.stopped;
    }

    void leaveOut(const QString &path, Reason reason) { result.leftOut.append({path, reason}); }

    // Takes ownership of fd.
    void walkFolder(int fd, const QString &prefix)
    {
        DIR *dir = fdopendir(fd);
        if (!dir) {
            ::close(fd);
            leaveOut(prefix.chopped(1), Reason::Unreadable);
            return;
        }
        std::vector<std::string> names;
        errno = 0;
        while (const dirent *entry = readdir(dir)) {
            if (entry->d_name[0] != '.') // hidden, "." and ".." alike
                names.emplace_back(entry->d_name);
        }
        if (errno != 0)
            leaveOut(prefix.isEmpty() ? QStringLiteral(".") : prefix.chopped(1),
                     Reason::Unreadable);
        std::sort(names.begin(), names.end());

        for (const std::string &name : names) {
            if (stopped())
                break;
            const QByteArray bytes = QByteArray::fromStdString(name);
            const QString text = QString::fromUtf8(bytes);
            const QString path = prefix + text;
            if (text.toUtf8() != bytes) {
                leaveOut(path, Reason::NotText);
                continue;
            }
            struct stat st;
            if (fstatat(dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                leaveOut(path, Reason::Unreadable);
                continue;
            }
            if (S_ISLNK(st.st_mode)) {
                leaveOut(path, Reason::Link);
            } else if (S_ISDIR(st.st_mode)) {
                if (hasSkip && st.st_dev == skipDevice && st.st_ino == skipInode)
                    continue;
                const int child = openat(dirfd(dir), name.c_str(),
                                         O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (child < 0)
                    leaveOut(path, Reason::Unreadable);
                else
                    walkFolder(child, path + u'/');
            } else if (!S_ISREG(st.st_mode)) {
                leaveOut(path, Reason::NotRegular);
            } else if (mediafiles::isMedia(text) || mediafiles::isCover(text) ||
                       mediafiles::isPlaylist(text) || albumimage::isCueSheet(text)) {
                const qint64 modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
                result.files.append({path, qint64(st.st_size), modified, mediafiles::isCover(text),
                                     mediafiles::isPlaylist(text), albumimage::isCueSheet(text)});
                if (progress && result.files.size() % 256 == 0)
                    progress(result.files.size());
            } else {
                leaveOut(path, Reason::NotMedia);
            }
        }
        closedir(dir);
    }
};

} // namespace

Result walk(const QString &root, const QString &skip,
            const std::function<void(qsizetype)> &progress, const std::atomic<bool> *stop)
{
    Walker walker;
    walker.progress = progress;
    walker.stop = stop;
    struct stat st;
    if (!skip.isEmpty() && ::stat(QFile::encodeName(skip).constData(), &st) == 0) {
        walker.hasSkip = true;
        walker.skipDevice = st.st_dev;
        walker.skipInode = st.st_ino;
    }
    const int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        walker.result.error = QString::fromLocal8Bit(std::strerror(errno));
        return walker.result;
    }
    walker.walkFolder(fd, QString());
    if (progress)
        progress(walker.result.files.size());
    return walker.result;
}

QString describe(const LeftOut &leftOut)
{
    const char *why = "";
    switch (leftOut.reason) {
    case Reason::NotMedia:
        why = QT_TRANSLATE_NOOP("mirror", "%1: not a sound or video file");
        break;
    case Reason::Link:
        why = QT_TRANSLATE_NOOP("mirror", "%1: a link, not followed");
        break;
    case Reason::NotRegular:
        why = QT_TRANSLATE_NOOP("mirror", "%1: not a regular file");
        break;
    case Reason::Unreadable:
        why = QT_TRANSLATE_NOOP("mirror", "%1: cannot be read");
        break;
    case Reason::NotText:
        why = QT_TRANSLATE_NOOP("mirror", "%1: the name is not valid text");
        break;
    case Reason::PlaylistTooLarge:
        why = QT_TRANSLATE_NOOP("mirror", "%1: too large for a playlist (over 4 MiB)");
        break;
    case Reason::PlaylistNotText:
        why = QT_TRANSLATE_NOOP("mirror", "%1: not a playlist (binary data, not text)");
        break;
    case Reason::UnusableSheet:
        return leftOut.detail;
    }
    return QCoreApplication::translate("mirror", why).arg(leftOut.path);
}

} // namespace treewalk
