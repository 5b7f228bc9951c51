#include "filesystemkind.h"

#include "mounttable.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filesystemkind {

using portablenames::FileSystemKind;

std::optional<FileSystemKind> ofType(const QString &type)
{
    static constexpr struct
    {
        const char *type;
        FileSystemKind kind;
    } known[] = {
        {"vfat", FileSystemKind::Fat},         {"msdos", FileSystemKind::Fat},
        {"fat", FileSystemKind::Fat},          {"fuse.fusefat", FileSystemKind::Fat},
        {"exfat", FileSystemKind::ExFat},      {"fuse.exfat", FileSystemKind::ExFat},
        {"ntfs", FileSystemKind::Ntfs},        {"ntfs3", FileSystemKind::Ntfs},
        {"fuseblk", FileSystemKind::Ntfs},     {"fuse.ntfs-3g", FileSystemKind::Ntfs},
        {"ext2", FileSystemKind::Posix},       {"ext3", FileSystemKind::Posix},
        {"ext4", FileSystemKind::Posix},       {"btrfs", FileSystemKind::Posix},
        {"xfs", FileSystemKind::Posix},        {"f2fs", FileSystemKind::Posix},
        {"jfs", FileSystemKind::Posix},        {"zfs", FileSystemKind::Posix},
        {"reiserfs", FileSystemKind::Posix},   {"nilfs2", FileSystemKind::Posix},
        {"bcachefs", FileSystemKind::Posix},   {"tmpfs", FileSystemKind::Posix},
        {"ramfs", FileSystemKind::Posix},      {"overlay", FileSystemKind::Posix},
        {"nfs", FileSystemKind::Posix},        {"nfs4", FileSystemKind::Posix},
        {"ecryptfs", FileSystemKind::Posix},
    };
    for (const auto &entry : known) {
        if (type == QLatin1String(entry.type))
            return entry.kind;
    }
    return std::nullopt;
}

FileSystemKind probe(const QString &folder)
{
    const QString name = QStringLiteral(".tonewright-probe-%1")
                             .arg(QRandomGenerator::system()->generate64(), 16, 16, QChar(u'0'));
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0600);
    if (fd < 0)
        return FileSystemKind::Ntfs;

    struct stat made, other;
    const bool folded =
        ::fstat(fd, &made) == 0 &&
        ::lstat(QFile::encodeName(QDir(folder).filePath(name.toUpper())).constData(), &other) ==
            0 &&
        other.st_ino == made.st_ino && other.st_dev == made.st_dev;

    const QByteArray awkward = path + ":?";
    const int second = ::open(awkward.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    const bool refuses = second < 0 && errno != EEXIST;
    if (second >= 0) {
        ::close(second);
        ::unlink(awkward.constData());
    }

    // An odd second: a file system that keeps only even ones rounds it.
    const struct timespec odd[2] = {{1000000001, 0}, {1000000001, 0}};
    struct stat timed;
    const bool twoSeconds = ::futimens(fd, odd) == 0 && ::fstat(fd, &timed) == 0 &&
                            timed.st_mtim.tv_sec != odd[1].tv_sec;
    ::close(fd);
    ::unlink(path.constData());

    if (twoSeconds)
        return FileSystemKind::Fat;
    return refuses || folded ? FileSystemKind::Ntfs : FileSystemKind::Posix;
}

FileSystemKind of(const QString &path)
{
    if (const std::optional<FileSystemKind> known = ofType(mounttable::mountOf(path).type))
        return *known;
    return probe(mounttable::nearestExisting(path));
}

} // namespace filesystemkind
