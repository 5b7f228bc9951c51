#pragma once

#include <QByteArray>
#include <QString>

// Which mounted file system a path lies on, as the kernel's table of this
// process's mounts says (/proc/self/mountinfo).
namespace mounttable {

struct Mount
{
    QString point;  // where it is mounted; empty: not found
    QString type;   // "vfat", "exfat", "fuseblk", "fuse.fusefat" …
    QString source; // the device or what the driver was given
};

// The mount that holds path (absolute, links resolved), from a table in
// mountinfo's format: the deepest mount point above it, the later of two
// mounted at one place.
Mount mountOf(const QByteArray &table, const QString &path);

// path itself when it exists, else its nearest existing parent (a mirror's
// root before its first run).
QString nearestExisting(const QString &path);

// The same from this process's table; path need not exist yet (its
// nearest existing folder is looked up, links resolved).
Mount mountOf(const QString &path);

} // namespace mounttable
